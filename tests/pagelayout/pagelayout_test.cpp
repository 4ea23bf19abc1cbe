// The layout of the documents with a drawing, measured on the page: every row of the table below
// is made by the document batch, rendered by LibreOffice (all rows at once, in parallel
// processes) and checked by pagecheck::CheckLayout. A template with a drawing, frame and title
// block joins the test by adding its rows to LayoutCases().

#include "common/numbers.h"
#include "documents/docbatch.h"
#include "documents/drawingregion.h"
#include "documents/plantemplates.h"
#include "office/wordapp.h"
#include "platform/desktop.h"
#include "reference/fonts.h"
#include "registers/folders.h"
#include "registers/lists.h"
#include "registers/packagerun.h"
#include "registers/state.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/pagelayout/layoutfixtures.h"
#include "tests/pagelayout/pagecheck.h"
#include "tests/registers/registerstesting.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <functional>
#include <map>
#include <set>
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
    bool showNeighbours = true; ///< the main window's switch for the neighbour table
    bool showLandUse = true;    ///< the main window's switch for the land table
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

/// The title block of a document and what it closes with: on a plan its area line and its
/// catalogue's last side and closing row, with the headings its catalogue and land table repeat;
/// and the vertices its catalogue lists (X and Y as printed, vertex 1 first).
struct Remnants {
    QRectF titleBlock;
    pagecheck::Closing closing;
    std::vector<std::pair<QString, QString>> vertices;
};

Remnants RemnantsOf(const QString &docx, const LayoutCase &c)
{
    office::WordApp app;
    office::Document &doc = app.Documents_Open(docx);
    Remnants r{TemplateRegion(doc, QString::fromLatin1(TitleBlockVariable)), {}, {}};
    const ZovaTemplate *t = c.kind == KindApprovalPlan ? &ApprovalTemplate()
                            : c.kind == KindCadastralPlan || c.kind == KindAllotmentPlan ? FindZovaTemplate(c.paper, c.variant)
                                                                                          : nullptr;
    if (!t)
        return r;
    r.closing.lines << doc.Tables(t->AreaTable).Cell(1, 1).Text();
    // The tables' captions head them: a sheet that holds a caption without its table's rows holds
    // nothing of its own.
    r.closing.headings << QStringLiteral("Каталог координат") << QStringLiteral("Експлікація земельних угідь")
                       << QStringLiteral("Опис меж суміжних землекористувачів") << QStringLiteral("Дані для форми 6-зем");
    if (t->CatalogueTable != 0) {
        const office::Table catalogue = doc.Tables(t->CatalogueTable);
        for (int row = 1; row <= CatalogueHeadingRows; ++row)
            r.closing.headings += registerstesting::rowTexts(catalogue, row);
        // The last side's row goes on with the closing row: the two close the ring together.
        for (int row = std::max(CatalogueHeadingRows + 1, catalogue.RowCount() - 1); row <= catalogue.RowCount(); ++row)
            r.closing.lines += registerstesting::rowTexts(catalogue, row);
        for (int row = CatalogueHeadingRows + 1; row < catalogue.RowCount(); row += 2)
            if (!catalogue.Cell(row, 1).Text().isEmpty())
                r.vertices.emplace_back(catalogue.Cell(row, 2).Text(), catalogue.Cell(row, 3).Text());
    }
    if (t->LandTable != 0) {
        const office::Table land = doc.Tables(t->LandTable);
        const int headings = LandTableKindOf(c.variant) == LandTableKind::UseList ? 1 : SixZemDataRow - 1;
        for (int row = 1; row <= headings; ++row)
            r.closing.headings += registerstesting::rowTexts(land, row);
    }
    return r;
}

/// Renders the documents with LibreOffice in parallel processes into `dir` and returns each one's
/// sheets, in order; fails the test when a conversion fails.
std::vector<std::vector<pagecheck::Sheet>> RenderAll(const QStringList &docs, const QString &dir)
{
    const QString pdfs = QDir(dir).filePath(QStringLiteral("pdf"));
    QDir().mkpath(pdfs);
    QString error;
    const int jobs = std::max(2, QThread::idealThreadCount());
    EXPECT_TRUE(pagecheck::ConvertToPdf(docs, pdfs, dir, jobs, &error)) << error.toStdString();
    QStringList pdfOf;
    const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
    for (const QString &doc : docs) {
        pdfOf << QDir(pdfs).filePath(QFileInfo(doc).completeBaseName() + QStringLiteral(".pdf"));
        if (!keep.isEmpty()) // the documents and their pages, to look at
            for (const QString &file : {pdfOf.last(), doc})
                QFile::copy(file, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(file).fileName()));
    }
    return pagecheck::ReadSheets(pdfOf, jobs);
}

/// The lines of a sheet, its words joined left to right where they share a baseline.
QStringList SheetLines(const pagecheck::Sheet &sheet)
{
    std::vector<pagecheck::Word> words = sheet.words;
    std::stable_sort(words.begin(), words.end(), [](const pagecheck::Word &a, const pagecheck::Word &b) {
        return std::abs(a.box.bottom() - b.box.bottom()) > 2 ? a.box.bottom() < b.box.bottom() : a.box.left() < b.box.left();
    });
    QStringList lines;
    double baseline = -100;
    for (const pagecheck::Word &w : words) {
        if (std::abs(w.box.bottom() - baseline) > 2) {
            lines << QString();
            baseline = w.box.bottom();
        } else {
            lines.last() += QLatin1Char(' ');
        }
        lines.last() += w.text;
    }
    return lines;
}

/// The fonts an office starts with, in place of the builder tests' own.
void UseTheFontsOfANewOffice()
{
    for (const reference::FontKind &k : reference::FontKinds())
        reference::state().*(k.member) = reference::FontFromTexts(k.defaultName, k.defaultSize, k.defaultBold, k.defaultItalic);
}

/// A recording desktop in place of the system's while it lives: it takes the documents a command
/// leaves open for the operator.
struct RecordingDesktopScope {
    std::unique_ptr<platform::Desktop> previous = platform::setDesktop(std::make_unique<platform::RecordingDesktop>());
    ~RecordingDesktopScope() { platform::setDesktop(std::move(previous)); }
};

/// The sheet (from 1) whose lines hold `text`; 0 when none does.
int SheetHolding(const std::vector<pagecheck::Sheet> &sheets, const QString &text)
{
    for (size_t k = 0; k < sheets.size(); ++k)
        for (const QString &line : SheetLines(sheets[k]))
            if (line.contains(text))
                return int(k) + 1;
    return 0;
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
        plan.ShowNeighbours = c.showNeighbours;
        plan.ShowLandUse = c.showLandUse;
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

        const std::vector<std::vector<pagecheck::Sheet>> rendered = RenderAll(docs, dir);
        ASSERT_EQ(rendered.size(), cases.size());
        for (size_t i = 0; i < cases.size(); ++i) {
            const LayoutCase &c = cases[i];
            const std::vector<pagecheck::Sheet> &sheets = rendered[i];
            QStringList faults = pagecheck::CheckLayout(docs[int(i)], sheets, expectations(c, scales[i]));
            faults += pagecheck::CheckLabelsClear(docs[int(i)], sheets);
            const Remnants remnants = RemnantsOf(docs[int(i)], c);
            faults += pagecheck::CheckRemnants(sheets, remnants.titleBlock, remnants.closing);
            faults += pagecheck::CheckCatalogueEnd(sheets, remnants.vertices);
            if (more)
                faults += more(c, sheets);
            EXPECT_TRUE(faults.isEmpty()) << c.name.toStdString() << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
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

/// On a 6-zem table of the private kind, how far the end of its longest upward heading ("під
/// господарськими будівлями і дворами", whose line ends with "господарськими" at the top) stays
/// below the headings of the row above it ("з них"); a fault when it reaches that row's border.
QStringList UpwardHeadingClear(const std::vector<pagecheck::Sheet> &sheets)
{
    for (const pagecheck::Sheet &sheet : sheets)
        for (const pagecheck::Word &upward : sheet.words) {
            if (upward.text != QStringLiteral("господарськими"))
                continue;
            double gap = 1e9;
            for (const pagecheck::Word &w : sheet.words)
                if (w.text == QStringLiteral("них") && w.box.bottom() < upward.box.top())
                    gap = std::min(gap, upward.box.top() - w.box.bottom());
            if (gap < 2)
                return {QStringLiteral("«під господарськими будівлями і дворами» ends %1 pt below the row above it").arg(gap, 0, 'f', 1)};
            return {};
        }
    return {QStringLiteral("no upward heading «під господарськими будівлями і дворами»")};
}

// The first parcel of the sample file (6 points at 1:1000, two neighbours), with the fonts a new
// office starts with, in every plan kind: each on one sheet, and on the private 6-zem tables the
// upward headings clear of the row above them.
TEST_F(PageLayout, SampleParcelInEveryPlanKind)
{
    builderstesting::loadSample(QStringLiteral("sofiivska-win.in4"), 2);
    UseTheFontsOfANewOffice();
    std::vector<LayoutCase> cases;
    for (const ZovaTemplate &t : ZovaTemplates())
        for (uint8_t kind : {KindCadastralPlan, KindAllotmentPlan})
            cases.push_back({(kind == KindCadastralPlan ? QStringLiteral("sample-cadastral-") : QStringLiteral("sample-allotment-"))
                                 + t.FileName.chopped(5),
                             kind, t.Paper, t.Variant, 1});
    cases.push_back({QStringLiteral("sample-approval"), KindApprovalPlan, 1, 1, 1});
    makeRenderAndCheck(cases, QStringLiteral("sample"), [](const LayoutCase &c, const std::vector<pagecheck::Sheet> &sheets) {
        QStringList faults;
        if (sheets.size() != 1)
            faults << QStringLiteral("%1 sheets where one holds it").arg(sheets.size());
        if (c.kind != KindApprovalPlan && LandTableKindOf(c.variant) == LandTableKind::SixZemPrivate)
            faults += UpwardHeadingClear(sheets);
        return faults;
    });
}

// Every plan of a parcel with the longest names: an owner's name of two title lines, an address
// that makes the territory line three, and neighbours of two description lines each. What does
// not fit its sheet goes on with the rows it belongs to.
TEST_F(PageLayout, LongestNamesGoOnWithWhatTheyBelongTo)
{
    model::state().Parcels = LongestNamesParcels();
    UseTheFontsOfANewOffice();
    std::vector<LayoutCase> cases;
    for (const ZovaTemplate &t : ZovaTemplates()) {
        cases.push_back({QStringLiteral("longest-cadastral-") + t.FileName.chopped(5), KindCadastralPlan, t.Paper, t.Variant, 1});
        if (t.Paper <= 2)
            cases.push_back({QStringLiteral("longest-allotment-") + t.FileName.chopped(5), KindAllotmentPlan, t.Paper, t.Variant, 1});
    }
    makeRenderAndCheck(cases, QStringLiteral("longest"));
}

// The area line closes a plan: on the plans with a catalogue, whose tables grow by two rows a
// vertex, parcels of 6 to 16 vertices with an owner's name of two title lines, one land use and
// no neighbour bring the area line to every place at a sheet's end, and it goes on with the end
// of the tables before it.
TEST_F(PageLayout, AreaLineGoesOnWithTheTableItCloses)
{
    model::ParcelList parcels;
    std::vector<LayoutCase> cases;
    for (int n = 6; n <= 16; ++n) {
        model::Parcel p = RoundParcelOf(QString::number(n), QString::fromUtf8(LongOwner), n, 1000.0 * (parcels.UBound() + 1));
        p.AD = QStringLiteral("вул. Героїв Небесної Сотні, буд. 127-А, корп. 2");
        model::LandUseArea garden; // one land use over the whole parcel
        garden.CN = QStringLiteral("35");
        garden.Points = p.Points;
        p.LandUses.Add(garden);
        parcels.Add(p);
        for (int paper : {1, 2})
            cases.push_back({QStringLiteral("area-%1-%2-points").arg(paper == 1 ? QStringLiteral("plma4p_k") : QStringLiteral("plma4l_k")).arg(n),
                             KindCadastralPlan, uint8_t(paper), 2, parcels.UBound()});
    }
    model::RunAreaPhase(parcels);
    model::state().Parcels = parcels;
    makeRenderAndCheck(cases, QStringLiteral("area"));
}

/// The first number of vertices at which a plan of a round parcel of `AddRoundParcelWithNeighbours`
/// with neither land uses nor neighbours takes two sheets, by template: from a few vertices below
/// it to a few above, the tables after the catalogue (or the catalogue itself, where it comes last)
/// meet the first sheet's end at every place.
struct SheetBreak {
    const char *base;
    int firstOfTwoSheets;
};
constexpr SheetBreak BareParcelSheetBreaks[] = {
    {"plma4p_k", 13}, {"plma4p_kepr", 8}, {"plma4p_kepa", 8},  {"plma4l_k", 16}, {"plma4l_kepr", 11}, {"plma4l_kepa", 12},
    {"plma3p_k", 27}, {"plma3p_kepr", 21}, {"plma3p_kepa", 22}, {"plma3l_k", 30}, {"plma3l_kepr", 25}, {"plma3l_kepa", 26},
};

// A catalogue that goes on to a next sheet takes two vertex rows there besides its last side and
// closing row: every plan with a catalogue, for parcels of 4 to 40 vertices at the coordinates an
// office meets, with ordinary names and with the longest, whose ends come to every place on a
// sheet. Where the parcel has no land uses or no neighbours (parcels imported from contour files
// have neither), or the neighbour table, the land table or both are switched off, the plan's end
// still goes on to a next sheet with rows of its tables: every plan with a catalogue or a land-use
// list, for such parcels with ordinary names, at the vertex counts that bring its tables to the
// first sheet's end; with the land table switched off, also for a parcel of one neighbour, whose
// description of one row LibreOffice keeps with what follows only where it may break that row.
TEST_F(PageLayout, CatalogueClosesWithTwoVerticesOnItsLastSheet)
{
    const struct {
        const char *name;
        Names names;
        RoundParcelHas has;
        bool showNeighbours;
        bool everyCount; ///< 4 to 40 vertices on the plans with a catalogue; else the counts about their sheet breaks
        bool showLandUse = true;
    } sets[] = {
        {"ordinary", OrdinaryNames(), {}, true, true},
        {"longest", LongestNames(), {}, true, true},
        {"bare", OrdinaryNames(), {false, 0}, true, false},
        {"no-neighbours", OrdinaryNames(), {true, 0}, true, false},
        {"no-land-uses", OrdinaryNames(), {false, 3}, true, false},
        {"hidden-neighbours", OrdinaryNames(), {}, false, false},
        {"hidden-land-uses", OrdinaryNames(), {}, true, false, false},
        {"one-neighbour-hidden-land-uses", OrdinaryNames(), {true, 1}, true, false, false},
        {"hidden-tables", OrdinaryNames(), {}, false, false, false},
    };
    // The vertex counts a set renders with a template, from and to; none where from > to.
    const auto counts = [](const auto &set, const ZovaTemplate &t) -> std::pair<int, int> {
        if (set.everyCount)
            return t.CatalogueTable != 0 ? std::pair{4, 40} : std::pair{0, -1};
        // A land table switched off matters where it follows the catalogue; with a description
        // switched off or of one neighbour, where that description stands between the two. A
        // description switched off alone matters where it closes the plan.
        if (!set.showLandUse) {
            const bool follows = t.CatalogueTable != 0 && t.LandTable > t.CatalogueTable;
            const bool between = t.CatalogueTable < t.NeighbourTable && t.NeighbourTable < t.LandTable;
            if (!follows || ((!set.showNeighbours || set.has.neighbours == 1) && !between))
                return {0, -1};
        } else if (!set.showNeighbours && t.NeighbourTable + 1 != t.AreaTable) {
            return {0, -1};
        }
        if (t.CatalogueTable == 0) // the list does not grow with the vertices: the fewest and the most
            return LandTableKindOf(t.Variant) == LandTableKind::UseList ? std::pair{4, 40} : std::pair{0, -1};
        for (const SheetBreak &b : BareParcelSheetBreaks)
            if (t.FileName.chopped(5) == QLatin1String(b.base))
                return {b.firstOfTwoSheets - 4, b.firstOfTwoSheets + 3};
        ADD_FAILURE() << t.FileName.toStdString() << " has no sheet break in BareParcelSheetBreaks";
        return {0, -1};
    };
    model::ParcelList parcels;
    std::vector<LayoutCase> cases;
    // The plans about a sheet break, by template and set, and the numbers of sheets they took: a
    // window of counts that meets no break shows nothing.
    std::map<QString, QString> windowOf; // case name -> "template, set"
    for (const auto &set : sets)
        for (int n = 4; n <= 40; ++n) {
            std::vector<const ZovaTemplate *> chosen;
            for (const ZovaTemplate &t : ZovaTemplates())
                if (const auto [from, to] = counts(set, t); from <= n && n <= to && (t.CatalogueTable != 0 || n == from || n == to))
                    chosen.push_back(&t);
            if (chosen.empty())
                continue;
            const std::pair<double, double> centre{5601400 + 1000.0 * parcels.UBound(), 541100};
            const int32_t parcel = AddRoundParcelWithNeighbours(
                parcels, QStringLiteral("%1%2").arg(&set - sets + 1).arg(n, 3, 10, QLatin1Char('0')), n, centre, set.names, set.has);
            for (const ZovaTemplate *t : chosen) {
                const QString base = t->FileName.chopped(5);
                LayoutCase c{QStringLiteral("catalogue-%1-%2-%3-points").arg(base).arg(set.name).arg(n), KindCadastralPlan,
                             t->Paper, t->Variant, parcel};
                c.showNeighbours = set.showNeighbours;
                c.showLandUse = set.showLandUse;
                if (!set.everyCount && t->CatalogueTable != 0)
                    windowOf[c.name] = base + QStringLiteral(", ") + QString::fromLatin1(set.name);
                cases.push_back(c);
            }
        }
    model::RunAreaPhase(parcels);
    model::state().Parcels = parcels;
    UseTheFontsOfANewOffice();
    std::map<QString, std::set<size_t>> sheetsTaken;
    makeRenderAndCheck(cases, QStringLiteral("catalogue"), [&](const LayoutCase &c, const std::vector<pagecheck::Sheet> &sheets) {
        if (const auto w = windowOf.find(c.name); w != windowOf.end())
            sheetsTaken[w->second].insert(sheets.size());
        return QStringList();
    });
    for (const auto &[window, taken] : sheetsTaken)
        EXPECT_TRUE(taken.count(1) && taken.count(2))
            << window.toStdString() << ": the vertex counts about the sheet break meet none; move them to where the plan "
            << "takes a second sheet";
}

// A list of land uses too long for the first sheet goes on under its heading: a field of 120 by
// 100 m cut into 30 land uses of 20 m square, on the A4 plans that list them, each sheet after the
// first that holds land-use rows holds the list's heading above them.
TEST_F(PageLayout, LandUseListGoesOnUnderItsHeading)
{
    model::Parcel field = ParcelOf(QStringLiteral("0001"), QString::fromUtf8(LongOwner),
                                   {{9100, 9000}, {9100, 9120}, {9000, 9120}, {9000, 9000}});
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 6; ++column) {
            const double x = 9100 - 20 * row, y = 9000 + 20 * column;
            model::LandUseArea use;
            use.CN = (row + column) % 2 ? QStringLiteral("35") : QStringLiteral("36");
            use.Points = RingOf({{x, y}, {x, y + 20}, {x - 20, y + 20}, {x - 20, y}});
            field.LandUses.Add(use);
        }
    model::ParcelList parcels;
    parcels.Add(field);
    model::RunAreaPhase(parcels);
    model::state().Parcels = parcels;
    std::vector<LayoutCase> cases;
    for (uint8_t paper : {1, 2})
        for (uint8_t variant : {1, 2})
            cases.push_back({QStringLiteral("uses-") + FindZovaTemplate(paper, variant)->FileName.chopped(5),
                             KindCadastralPlan, paper, variant, 1});
    static const QRegularExpression useRow(QStringLiteral("^\\d+ 3[56] \\d+\\.\\d\\d$"));
    makeRenderAndCheck(cases, QStringLiteral("uses"), [](const LayoutCase &, const std::vector<pagecheck::Sheet> &sheets) {
        QStringList faults;
        for (size_t k = 1; k < sheets.size(); ++k) {
            const QStringList lines = SheetLines(sheets[k]);
            if (!lines.filter(useRow).isEmpty() && lines.filter(QStringLiteral("Код угідь")).isEmpty())
                faults << QStringLiteral("sheet %1 holds land uses without the list's heading").arg(k + 1);
        }
        if (sheets.size() < 2)
            faults << QStringLiteral("the list of 30 land uses stands on one sheet: the test shows nothing");
        return faults;
    });
}

// List No 1 over a page and a half, for numbers of parcels that bring its end to every place at
// the foot of the first sheet and down the second: the totals go on with the last parcel, the
// counts and the signature line with the totals.
TEST_F(PageLayout, ListOneClosesWithItsLastParcel)
{
    const RecordingDesktopScope desktop;
    const QString dir = QDir(testsupport::tempDir()).filePath(QStringLiteral("list1"));
    QDir().mkpath(dir);
    office::WordApp app;
    app.SetWorkFolder(dir);
    QStringList docs;
    std::vector<pagecheck::Closing> closings;
    for (int n = 12; n <= 30; ++n) {
        model::ParcelList parcels;
        for (int k = 1; k <= n; ++k) {
            model::Parcel p = registerstesting::RectangleOf(QString::number(k), QStringLiteral("Олійник-Шевченко Марія-Оксана Святославівна"),
                                                            1000, 1000 + 30 * k, 20, 20 + k % 7);
            p.KZ = k % 3 == 0 ? QStringLiteral("21") : QStringLiteral("22");
            p.AD = QStringLiteral("с. Софіївська Борщагівка, вул. Героїв Небесної Сотні, буд. %1").arg(k);
            parcels.Add(p);
        }
        model::state().Parcels = parcels;
        const registers::ListResult made = registers::MakeSpis1(app, testsupport::programDir());
        ASSERT_FALSE(made.Path.isEmpty()) << n;
        const QString path = QDir(dir).filePath(QStringLiteral("list1-%1-parcels.docx").arg(n));
        ASSERT_TRUE(QFile::rename(made.Path, path));
        docs << path;
        office::Document &doc = app.Documents_Open(path);
        const office::Table table = doc.Tables(1);
        pagecheck::Closing closing;
        closing.lines << registerstesting::rowTexts(table, table.RowCount()) << QStringLiteral("З них:")
                      << doc.Bookmarks(QStringLiteral("stat")).Text() << QStringLiteral("Виконавець ____________________");
        for (int row = 1; row <= 3; ++row)
            closing.headings << registerstesting::rowTexts(table, row);
        closings.push_back(closing);
        doc.Close();
    }

    const auto sheets = RenderAll(docs, dir);
    ASSERT_EQ(sheets.size(), size_t(docs.size()));
    for (size_t i = 0; i < sheets.size(); ++i) {
        EXPECT_GT(sheets[i].size(), 1u) << docs[int(i)].toStdString();
        const QStringList faults = pagecheck::CheckRemnants(sheets[i], QRectF(), closings[i]);
        EXPECT_TRUE(faults.isEmpty()) << docs[int(i)].toStdString() << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
    }
}

// The title document's contents name the pages its title, its explanatory note and its contents
// stand on: with the sample's names (the note on one page) and with the longest names an office
// writes (the note on two). The title keeps its one page, so the note's page that the document
// stores for Word (2) is true as well.
TEST_F(PageLayout, TitleDocumentContentsNameTheirPages)
{
    const struct PackageStateReset {
        ~PackageStateReset()
        {
            registers::resetState();
            registers::resetFolders();
        }
    } reset;
    builderstesting::loadSample(QStringLiteral("sofiivska-win.in4"), 2);
    for (model::Parcel &p : model::state().Parcels)
        p.Selected = -1;
    registers::BuildReportGroups(model::state().Parcels);
    registers::state().ReportMode = registers::ReportShares;
    registers::state().DocChosen.fill(false);
    registers::state().DocChosen[1] = true;
    const QString dir = QDir(testsupport::tempDir()).filePath(QStringLiteral("title"));
    const struct {
        const char *name;
        const char *organ, *ksp, *region, *district, *council, *director, *maker;
    } cases[] = {
        {"title-sample", "ТОВ «Земпроект»", "КСП «Світанок»", "Київська область", "Києво-Святошинський район",
         "Софіївсько-Борщагівська сільська", "Коваленко І.П.", "Шевчук О.М."},
        {"title-longest",
         "Товариство з обмеженою відповідальністю «Науково-виробниче підприємство «Київський земельно-кадастровий центр»»",
         "Колективне сільськогосподарське підприємство «Агропромислова компанія Золотий Колос Київщини» імені Тараса Шевченка",
         "Дніпропетровська область", "Новомосковсько-Магдалинівський район", "Новоолександрівсько-Преображенська сільська",
         "Олійник-Шевченко Марія-Оксана Святославівна", "Гончаренко-Мельничук Олександра-Вікторія Святославівна"},
    };
    QStringList docs;
    for (const auto &c : cases) {
        reference::State &ref = reference::state();
        ref.OrganTitle = QString::fromUtf8(c.organ);
        ref.RegionName = QString::fromUtf8(c.region);
        ref.DistrictName = QString::fromUtf8(c.district);
        ref.CouncilName = QString::fromUtf8(c.council);
        ref.NDur = QString::fromUtf8(c.director);
        ref.NSkl = QString::fromUtf8(c.maker);
        const QString folder = QDir(dir).filePath(QString::fromLatin1(c.name));
        QDir().mkpath(folder);
        registers::folders().ReportFolder = folder + QLatin1Char('/');
        registers::PackageArguments args;
        args.KspName = QString::fromUtf8(c.ksp);
        args.StartPage = 4;
        args.PageStep = 1;
        args.ProgramDir = testsupport::programDir();
        office::WordApp app;
        platform::NullProgress progress;
        const registers::PackageReport report = registers::MakeReportDocuments(app, args, progress);
        ASSERT_EQ(report.Done.size(), 1u) << report.FailureText().toStdString();
        const QString path = QDir(dir).filePath(QString::fromLatin1(c.name) + QStringLiteral(".docx"));
        ASSERT_TRUE(QFile::rename(report.Done[0].Result.Path, path));
        docs << path;
    }

    const auto rendered = RenderAll(docs, dir);
    ASSERT_EQ(rendered.size(), size_t(docs.size()));
    for (size_t i = 0; i < rendered.size(); ++i) {
        SCOPED_TRACE(docs[int(i)].toStdString());
        const std::vector<pagecheck::Sheet> &sheets = rendered[i];
        const int contents = SheetHolding(sheets, QStringLiteral("ЗМІСТ"));
        ASSERT_NE(contents, 0);
        const QStringList lines = SheetLines(sheets[size_t(contents - 1)]);
        const struct {
            const char *entry, *heading;
        } parts[] = {{"Титульний аркуш", "ТЕХНІЧНА ДОКУМЕНТАЦІЯ"}, {"Пояснювальна записка", "ПОЯСНЮВАЛЬНА ЗАПИСКА"},
                     {"Зміст", "ЗМІСТ"}};
        for (const auto &part : parts) {
            const QRegularExpression entry(QStringLiteral("^") + QString::fromUtf8(part.entry) + QStringLiteral("[ .…]*(\\d+)$"));
            const QStringList found = lines.filter(entry);
            ASSERT_EQ(found.size(), 1) << part.entry << "\n" << lines.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(entry.match(found[0]).captured(1).toInt(), SheetHolding(sheets, QString::fromUtf8(part.heading)))
                << found[0].toStdString();
        }
        EXPECT_EQ(SheetHolding(sheets, QStringLiteral("ПОЯСНЮВАЛЬНА ЗАПИСКА")), 2) << "the title holds one page";
        // The note's signature stays with its last paragraph.
        const QStringList faults = pagecheck::CheckRemnants(
            sheets, QRectF(), {{QStringLiteral("Виконавець робіт ____________________ ") + QString::fromUtf8(cases[i].maker)}, {}});
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
    // The longest names give the note a second page.
    EXPECT_EQ(SheetHolding(rendered.back(), QStringLiteral("ЗМІСТ")), 4);
}
