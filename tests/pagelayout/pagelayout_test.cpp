// The layout of the documents with a drawing, measured on the page: every row of the table below
// is made by the document batch, rendered by LibreOffice (all rows at once, in parallel
// processes) and checked by pagecheck::CheckLayout. A template with a drawing, frame and title
// block joins the test by adding its rows to LayoutCases().

#include "common/numbers.h"
#include "documents/docbatch.h"
#include "documents/plantemplates.h"
#include "office/wordapp.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/pagelayout/layoutfixtures.h"
#include "tests/pagelayout/pagecheck.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

using namespace documents;
using namespace layoutfixtures;

namespace {

/// One document of the layout test: what to make (kind, paper, plan variant) of which parcel,
/// and the second parcel a state act shows beside it (0 for none).
struct LayoutCase {
    QString name;
    uint8_t kind = KindCadastralPlan;
    uint8_t paper = 1;
    uint8_t variant = 1;
    int32_t parcel = SixPoints;
    int32_t second = 0;
};

QString CaseName(const QString &document, int32_t parcel)
{
    return document + QLatin1Char('-') + QString::fromLatin1(FixtureName(parcel)).replace(QLatin1Char(' '), QLatin1Char('-'));
}

std::vector<LayoutCase> LayoutCases()
{
    std::vector<LayoutCase> cases;
    const auto add = [&](uint8_t kind, const ZovaTemplate &t, int32_t parcel) {
        const QString base = t.FileName.chopped(5);
        const QString kindName = kind == KindCadastralPlan  ? QStringLiteral("cadastral-")
                                 : kind == KindAllotmentPlan ? QStringLiteral("allotment-")
                                                             : QStringLiteral("approval-");
        cases.push_back({CaseName(kindName + base, parcel),
                         kind, t.Paper, t.Variant, parcel});
    };
    // Every plan template with each parcel as a cadastral plan (the one with the catalogue).
    for (const ZovaTemplate &t : ZovaTemplates())
        for (int32_t parcel : {SixPoints, FortyPoints, TwoLineOwner})
            add(KindCadastralPlan, t, parcel);
    // The allotment plan's two names above a two-line owner, where the title has least room.
    for (const ZovaTemplate &t : ZovaTemplates())
        if (t.Paper == 1)
            add(KindAllotmentPlan, t, TwoLineOwner);
    // The three acts with each parcel, and the new state act with a second parcel beside the first.
    const struct {
        uint8_t kind;
        const char *name;
    } acts[] = {{KindApprovalAct, "aprvl"}, {KindApprovalActShares, "aprvlp"}, {KindNewStateAct, "aktnew"}};
    for (const auto &a : acts)
        for (int32_t parcel : {SixPoints, FortyPoints, TwoLineOwner})
            cases.push_back({CaseName(QString::fromLatin1(a.name), parcel), a.kind, 2, 1, parcel});
    cases.push_back({QStringLiteral("aktnew-6-points-with-40-points"), KindNewStateAct, 2, 1, SixPoints, FortyPoints});
    cases.push_back({QStringLiteral("aktnew-two-line-owner-with-6-points"), KindNewStateAct, 2, 1, TwoLineOwner, SixPoints});
    // The approval plan, on its one sheet, with each parcel and eight approvals.
    for (int32_t parcel : {SixPoints, FortyPoints, TwoLineOwner})
        add(KindApprovalPlan, ApprovalTemplate(), parcel);
    // The acts of a field that is one land-use area, and the new state act with a 12 m plot beside
    // the field and with the field beside the plot, both drawn at the field's 1:10000.
    const int32_t field = IndexOfNumber(model::state().Parcels, FieldNumber);
    const int32_t plot = IndexOfNumber(model::state().Parcels, PlotNumber);
    for (const auto &a : acts)
        cases.push_back({QString::fromLatin1(a.name) + QStringLiteral("-one-land-use-field"), a.kind, 2, 1, field});
    cases.push_back({QStringLiteral("aktnew-field-with-12-m-plot"), KindNewStateAct, 2, 1, field, plot});
    cases.push_back({QStringLiteral("aktnew-12-m-plot-with-field"), KindNewStateAct, 2, 1, plot, field});
    return cases;
}

class PageLayout : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        model::state().Parcels = LayoutParcels();
        AddActParcels(model::state().Parcels);
        // The territory phrase the classifier gives for the samples' village: with the address it
        // fills two title lines on A4.
        model::state().TerritoryText = QStringLiteral("Київська область Києво-Святошинський район "
                                                      "Софіївсько-Борщагівська сільська рада с. Софіївська Борщагівка");
        reference::State &ref = reference::state();
        ref.PDur = QStringLiteral("Директор");
        ref.NDur = QStringLiteral("Коваленко І.П.");
        ref.PSkl = QStringLiteral("Склав");
        ref.NSkl = QStringLiteral("Шевчук О.М.");
        ref.PKresl = QStringLiteral("Креслив");
        ref.NKresl = QStringLiteral("Бойко Т.В.");
        ref.PChek = QStringLiteral("Перевірив");
        ref.NChek = QStringLiteral("Мельник С.А.");
        ref.OrganTitle = QStringLiteral("ТОВ «Земпроект»");
        // The acts' territory, officials, grounds and addresses, at the lengths an office meets.
        ref.DistrictName = ref.CentreName = QStringLiteral("Києво-Святошинський район");
        ref.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
        ref.CouncilGenitive = ref.CouncilGenitive2 = QStringLiteral("Софіївсько-Борщагівської сільської");
        ref.CouncilDative = QStringLiteral("Софіївсько-Борщагівській сільській");
        ref.GolAdm = QStringLiteral("Головко Адам Петрович");
        ref.PurposeName = QStringLiteral("для будівництва і обслуговування житлового будинку, господарських будівель і "
                                         "споруд (присадибна ділянка)");
        model::state().Golova = QStringLiteral("Дем'яненко Віра Іванівна");
        model::state().RaiZem = QStringLiteral("Литвиненко Олександр Петрович");
        for (model::Parcel &p : model::state().Parcels) {
            p.PZ = QStringLiteral("РВ,47,22.11.2006");
            p.AU = QStringLiteral("Київська обл., Києво-Святошинський р-н, с. Софіївська Борщагівка, вул. Садова, 9");
        }
        options().DocAction = ActionSave;
        // Eight approvals with the longest names an office writes, so the table takes its most room.
        ApprovalTexts &a = state().Approval;
        a.ApprHead = QStringLiteral("Гончаренко Віктор Петрович, заступник голови районної державної адміністрації");
        for (int k = 1; k <= ApprovalTexts::Rows; ++k) {
            a.ApprOrg[size_t(k)] = QStringLiteral("Відділ містобудування, архітектури та житлово-комунального "
                                                  "господарства районної державної адміністрації (%1)").arg(k);
            a.ApprPib[size_t(k)] = QStringLiteral("Олійник-Шевченко Марія-Оксана Святославівна");
        }
    }

    /// Makes the case's document with the batch, as the operator's command does, and returns its
    /// path renamed after the case; empty when the batch made none.
    QString make(const LayoutCase &c, const QString &dir, BatchReport &report)
    {
        for (model::Parcel &p : model::state().Parcels) {
            p.Selected = 0;
            p.DB.clear();
        }
        model::state().Parcels[c.parcel].Selected = -1;
        if (c.second != 0)
            model::state().Parcels[c.parcel].DB = QString::number(c.second);
        const QString folder = QDir(dir).filePath(c.name);
        QDir().mkpath(folder);
        options().OutputFolder = OutputFolderOf(folder);
        PlanOptions plan;
        plan.Kind = c.kind;
        plan.Paper = c.paper;
        plan.ZovaVariant = c.variant;
        plan.PurposeText = QStringLiteral("для будівництва і обслуговування житлового будинку, господарських будівель і споруд");
        plan.ProgramDir = testsupport::programDir();
        office::WordApp app;
        platform::NullProgress overall, step;
        report = RunDocumentBatch(app, plan, overall, step);
        if (report.Done.size() != 1)
            return QString();
        const QString path = QDir(dir).filePath(c.name + QStringLiteral(".docx"));
        QFile::rename(report.Done[0].Path, path);
        return path;
    }

    /// What the document must show: its title block's words and, on a cadastral plan with a
    /// catalogue, every coordinate and length whole.
    pagecheck::Expectations expectations(const LayoutCase &c, int32_t scale) const
    {
        pagecheck::Expectations e;
        const reference::State &ref = reference::state();
        for (const QString &text : {ref.PDur, ref.NDur, ref.PSkl, ref.NSkl, ref.PKresl, ref.NKresl, ref.PChek,
                                    ref.NChek, ref.OrganTitle})
            e.titleBlockWords += text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        e.titleBlockWords << QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) << QStringLiteral("р.")
                          << QStringLiteral("Масштаб") << QStringLiteral("1:%1").arg(scale) << QStringLiteral("Аркуш")
                          << QStringLiteral("Аркушів");
        for (int n = 1; n <= 9; ++n)
            e.titleBlockWords << QString::number(n);
        const ZovaTemplate *t = FindZovaTemplate(c.paper, c.variant);
        if (c.kind == KindCadastralPlan && t && t->CatalogueTable != 0) {
            const model::Ring &ring = model::state().Parcels[c.parcel].Points;
            for (int i = 1; i <= ring.UBound(); ++i) {
                const model::BoundaryPoint &a = ring[i];
                const model::BoundaryPoint &b = ring[i < ring.UBound() ? i + 1 : 1];
                e.wholeWords << zova::Format2(a.X) << zova::Format2(a.Y) << zova::Format2(std::hypot(b.X - a.X, b.Y - a.Y));
            }
        }
        return e;
    }
    /// Makes every case's document with the batch, renders them all with LibreOffice (in parallel
    /// processes) and checks each rendered document with CheckLayout and with `more`, which
    /// returns further faults of one case from its sheets.
    void makeRenderAndCheck(const std::vector<LayoutCase> &cases, const QString &folder,
                            const std::function<QStringList(const LayoutCase &, const std::vector<pagecheck::Sheet> &)> &more = {})
    {
        const QString dir = QDir(testsupport::tempDir()).filePath(folder);
        QStringList docs;
        std::vector<int32_t> scales;
        for (const LayoutCase &c : cases) {
            BatchReport report;
            const QString path = make(c, dir, report);
            ASSERT_FALSE(path.isEmpty()) << c.name.toStdString() << ": " << report.Summary().toStdString();
            EXPECT_TRUE(report.Outside.empty()) << c.name.toStdString() << ": " << report.Summary().toStdString();
            docs << path;
            scales.push_back(report.Done[0].Scale);
        }

        const QString pdfs = QDir(dir).filePath(QStringLiteral("pdf"));
        QDir().mkpath(pdfs);
        QString error;
        ASSERT_TRUE(pagecheck::ConvertToPdf(docs, pdfs, dir, std::max(2, QThread::idealThreadCount()), &error))
            << error.toStdString();

        const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
        for (size_t i = 0; i < cases.size(); ++i) {
            const LayoutCase &c = cases[i];
            const QString pdf = QDir(pdfs).filePath(c.name + QStringLiteral(".pdf"));
            const std::vector<pagecheck::Sheet> sheets = pagecheck::ReadSheets(pdf);
            QStringList faults = pagecheck::CheckLayout(docs[int(i)], sheets, expectations(c, scales[i]));
            faults += pagecheck::CheckLabelsClear(docs[int(i)], sheets);
            if (more)
                faults += more(c, sheets);
            EXPECT_TRUE(faults.isEmpty()) << c.name.toStdString() << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
            if (!keep.isEmpty()) // the documents and their pages, to look at
                for (const QString &file : {pdf, docs[int(i)]})
                    QFile::copy(file, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(file).fileName()));
        }
    }
};

} // namespace

TEST_F(PageLayout, EveryTemplateHoldsItsParcelsWithoutOverlapOnEverySheet)
{
    makeRenderAndCheck(LayoutCases(), QStringLiteral("layout"));
}

// A table that meets the end of a sheet goes on whole: the 6-zem table of an A4 portrait plan
// with its catalogue, whose owner's row takes many lines, keeps that row on one sheet and its
// headings with it. As the catalogue grows by two rows a vertex, parcels of 26 to 40 vertices
// bring the table to the end of the second sheet at every place.
TEST_F(PageLayout, PlanTablesGoOnWholeAtTheEndOfASheet)
{
    model::ParcelList parcels;
    std::vector<LayoutCase> cases;
    for (int n = 26; n <= 40; ++n) {
        parcels.Add(RoundParcelOf(QString::number(n), QString::fromUtf8(LongOwner), n, 1000.0 * (parcels.UBound() + 1)));
        cases.push_back({QStringLiteral("rows-%1-points").arg(n), KindCadastralPlan, 1, 3, parcels.UBound()});
    }
    model::RunAreaPhase(parcels);
    model::state().Parcels = parcels;

    const QStringList owner = QString::fromUtf8(LongOwner).split(QLatin1Char(' '));
    makeRenderAndCheck(cases, QStringLiteral("rows"), [&](const LayoutCase &, const std::vector<pagecheck::Sheet> &sheets) {
        // The owner's row is the last place the owner's words stand (the title has them first);
        // the headings ("Код рядка", "№ рядка") are where "рядка" stands first, for headings
        // left alone at a sheet's end would stand again above the row on the next one.
        const auto sheetOf = [&](const QString &text, bool last) {
            int found = 0;
            for (size_t k = 0; k < sheets.size(); ++k)
                for (const pagecheck::Word &w : sheets[k].words)
                    if (w.text == text && (last || found == 0))
                        found = int(k) + 1;
            return found;
        };
        const int first = sheetOf(owner.first(), true), last = sheetOf(owner.last(), true);
        const int heading = sheetOf(QStringLiteral("рядка"), false);
        if (first != 0 && first == last && heading == first)
            return QStringList();
        return QStringList{QStringLiteral("the 6-zem headings stand on sheet %1 and the owner's row on sheets %2 to %3")
                               .arg(heading)
                               .arg(first)
                               .arg(last)};
    });
}
