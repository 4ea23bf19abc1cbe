// The acts made the whole "Зробити план" way on the sample file: co-owners, a second parcel, each
// signer and storage choice; the saved acts read back by python-docx and LibreOffice.

#include "common/numbers.h"
#include "documents/actwording.h"
#include "documents/forms/planbatch.h"
#include "documents/outputnames.h"
#include "reference/officials.h"
#include "reference/territory.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace documents;

namespace {

const QString District = QStringLiteral("Києво-Святошинський район");
const QString AdmHead = QStringLiteral("Головко Адам Петрович");
const QString Purpose = QStringLiteral("для ведення особистого селянського господарства");

QString Flat(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

class ActsEndToEnd : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        builderstesting::loadSample(); // its header names the land office's and the council's heads
        reference::ResolveKoatuu(model::state().Koatuu); // as the main window does after a load
        // What the territory dialog adds to what the file gives.
        reference::State &r = reference::state();
        r.DistrictName = District;
        r.GolAdm = AdmHead;
        r.PurposeName = Purpose;
        model::ParcelList &parcels = model::state().Parcels;
        // Parcel 1 was granted by a session's decision; parcel 2 holds the field behind the northern
        // row as its second parcel; parcel 5 has two owners; the field (13) has five neighbours,
        // one more than the approval act's form gives short lines.
        parcels[2].DB = QStringLiteral("13");
        parcels[5].AU += QStringLiteral("|м. Київ, вул. Хрещатик, 15, кв. 3"); // the second owner's address
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("acts-%1").arg(++runs));
        QDir().mkpath(out);
        options().OutputFolder = OutputFolderOf(out);
        options().DocAction = ActionSave;
    }

    BatchReport makeActs(const PlanOptions &plan, std::initializer_list<int> selected)
    {
        for (model::Parcel &p : model::state().Parcels)
            p.Selected = 0;
        for (int i : selected)
            model::state().Parcels[i].Selected = -1;
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
            w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        return MakePlanCommand(nullptr, plan);
    }

    /// Every text python-docx reads: paragraphs, text boxes and table cells, one per line.
    static QString docxTexts(const QString &path)
    {
        const QJsonObject docx = builderstesting::readWithPythonDocx(path);
        QStringList all = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
        all += docx[QStringLiteral("boxes")].toVariant().toStringList();
        for (const QJsonValue &t : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : t.toArray())
                for (const QJsonValue &c : row.toArray())
                    all << c.toString();
        return all.join(QLatin1Char('\n'));
    }

    /// The act in LibreOffice's reading: its text, and the drawing's stroked lines on the first sheet.
    void checkRendered(const QString &path, const QStringList &seen, int points)
    {
        const QString pdf = builderstesting::toPdf(path, out);
        const QString text = Flat(QString::fromUtf8(
            builderstesting::run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})));
        for (const QString &t : seen)
            EXPECT_TRUE(text.contains(Flat(t))) << t.toStdString() << "\n in \n" << text.toStdString();
        const QString svg = QDir(out).filePath(QFileInfo(pdf).completeBaseName() + QStringLiteral(".svg"));
        builderstesting::run(QStringLiteral("pdftocairo"),
                             {QStringLiteral("-svg"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                              QStringLiteral("1"), pdf, svg});
        QFile f(svg);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_GT(f.readAll().count("stroke"), 2 * points) << "too few stroked paths on the first sheet of " << pdf.toStdString();
        const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
        if (!keep.isEmpty())
            QFile::copy(pdf, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(out).fileName() + QLatin1Char('-')
                                                                           + QFileInfo(pdf).fileName()));
    }

    QString out;
    static inline int runs = 0;
};

} // namespace

TEST_F(ActsEndToEnd, EachKindWithEachSignerAndStorage)
{
    const model::ParcelList &parcels = model::state().Parcels;
    const reference::State &ref = reference::state();
    const QString council = ref.CouncilGenitive2;
    ASSERT_FALSE(council.isEmpty()) << "the sample's KOATUU names the council";
    const QString land = model::state().RaiZem, head = model::state().Golova;
    ASSERT_FALSE(land.isEmpty());
    const QString adm = QStringLiteral("Києво-Святошинської райдержадміністрації");
    const QString office = QStringLiteral("Києво-Святошинського районного");

    const struct {
        const char *name;
        uint8_t kind, who, storage;
        std::initializer_list<int> parcels;
        QString signing, signer, kept;
    } cases[] = {
        {"new state act, council head, land office", KindNewStateAct, 1, 1, {1, 2, 5}, council + QStringLiteral(" ради"), head,
         QStringLiteral("Києво-Святошинському райвідділі зем.ресурсів")},
        {"new state act, administration head, council", KindNewStateAct, 2, 2, {5}, adm, AdmHead,
         ref.CouncilDative + QStringLiteral(" раді")},
        {"approval act, council head, administration", KindApprovalAct, 1, 3, {1, 2, 5, 13}, council + QStringLiteral(" ради"),
         head, QStringLiteral("Києво-Святошинській райдержадміністрації")},
        {"land-share act, administration head, land office", KindApprovalActShares, 2, 1, {5}, adm, AdmHead,
         QStringLiteral("Києво-Святошинському райвідділі зем.ресурсів")},
    };
    QStringList codes; // the grounds' codes the acts were made from
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        PlanOptions plan;
        plan.Kind = c.kind;
        plan.WhoChoice = c.who;
        plan.StorageChoice = c.storage;
        plan.AreaUnit = 1;
        plan.ProgramDir = testsupport::programDir();
        const BatchReport report = makeActs(plan, c.parcels);
        ASSERT_TRUE(report.Failures.empty()) << report.Summary().toStdString();
        ASSERT_EQ(report.Done.size(), c.parcels.size());
        EXPECT_TRUE(report.Clean()) << report.Summary().toStdString();
        EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Збережено документів: %1").arg(c.parcels.size())))
            << prompts->messages().last().toStdString();

        size_t k = 0;
        for (int index : c.parcels) {
            SCOPED_TRACE(index);
            const model::Parcel &p = parcels[index];
            const QString path = report.Done[k++].Path;
            const QString cad = QStringLiteral("3222486201:01:024:%1").arg(static_cast<int>(zova::LeadingNumber(p.Number)), 4, 10, QLatin1Char('0'));
            EXPECT_EQ(QFileInfo(path).fileName(), (c.kind == KindNewStateAct ? SafeFileName(cad, QString()) : p.Number) + QStringLiteral(".docx"));
            const QString owner = p.NM.section(QLatin1Char('|'), 0, 0);
            // A session's decision gives its date and the session; a committee's its number and date.
            const QStringList grounds = p.PZ.split(QLatin1Char(','));
            ASSERT_EQ(grounds.size(), 3);
            const bool session = grounds[0] == QStringLiteral("РС");
            codes << grounds[0];
            const QString decision = session ? QStringLiteral(" від %1р.").arg(grounds[1])
                                             : QStringLiteral(" від %1р. № %2").arg(grounds[2], grounds[1]);
            const QString body = session ? grounds[2] : QStringLiteral("виконкому");
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^ від \\d\\d\\.\\d\\d\\.\\d{4}р\\.")).match(decision).hasMatch())
                << "the sample's grounds give no date of the decision: " << p.PZ.toStdString();
            const bool two = index == 2 && c.kind == KindNewStateAct;
            const double area = two ? p.Area + parcels[13].Area : p.Area;
            QStringList expected = {QStringLiteral("Голова ") + c.signing, c.signer, c.kept, land,
                                    QStringLiteral("ДЕРЖАВНИЙ АКТ")};
            if (c.kind == KindNewStateAct) {
                expected << QStringLiteral("відповідно до рішення ") + council + QStringLiteral(" ради") + decision + QStringLiteral(" (") + body + QLatin1Char(')')
                         << QStringLiteral("Власник: ") + owner << QStringLiteral("Адреса власника: ") + p.AU.section(QLatin1Char('|'), 0, 0)
                         << QStringLiteral("Кадастровий номер земельної ділянки: ") + cad
                         << QStringLiteral("Площа земельної ділянки: ") + zova::Format4(area / 10000) + QStringLiteral(" га.")
                         << QStringLiteral("Масштаб 1:");
                if (two)
                    expected << QStringLiteral("Ділянка № 1\r") + zova::Format4(p.Area / 10000) + QStringLiteral(" га.")
                             << QStringLiteral("Кадастровий номер: 3222486201:01:024:0013");
                if (p.NM.contains(QLatin1Char('|')))
                    expected << p.NM.section(QLatin1Char('|'), 1, 1) << p.AU.section(QLatin1Char('|'), 1, 1) << QStringLiteral("50 %")
                             << QStringLiteral("Начальник ") + office + QStringLiteral(" відділу земельних ресурсів");
            } else {
                expected << QStringLiteral("Власник: ") + p.NM << QStringLiteral("Адреса власника: ") + p.AU
                         << QStringLiteral("відповідно до рішення ") + body + QLatin1Char(' ') + council + QStringLiteral(" ради") + decision
                         << zova::Format4(p.Area / 10000) + QStringLiteral(" га") << Purpose;
            }
            const QString texts = docxTexts(path);
            for (const QString &t : expected)
                EXPECT_TRUE(texts.contains(t)) << t.toStdString() << "\n in \n" << texts.toStdString();

            QStringList seen = {QStringLiteral("ДЕРЖАВНИЙ АКТ"), owner, c.signer, QStringLiteral("ПЛАН МЕЖ ЗЕМЕЛЬНОЇ ДІЛЯНКИ"),
                                QStringLiteral("Від А до Б")};
            if (index == 13) // the line past the form's fourth keeps its letters
                seen << QStringLiteral("Від Д до А ") + parcels[13].NeighbourList.back().Text;
            if (two) // the labels' words mix with the vertex numbers around them in the text's order
                seen << QStringLiteral("Ділянка") << QStringLiteral("Кадастровий номер: 3222486201:01:024:0013");
            checkRendered(path, seen, p.Points.UBound());
        }
        TearDown();
    }
    codes.removeDuplicates();
    codes.sort();
    EXPECT_EQ(codes, QStringList({QStringLiteral("РВ"), QStringLiteral("РС")})) << "both kinds of decision are worded";
    SetUp();
}

// The new state act of the sample's parcel 5, of two owners: the co-owners' list is signed by the
// body and the head that sign the front, for an order of the administration or its head and for
// each signer, with the front's land office.
TEST_F(ActsEndToEnd, TheCoOwnersListIsSignedByTheFrontsBody)
{
    model::Parcel &p = model::state().Parcels[5];
    ASSERT_TRUE(p.NM.contains(QLatin1Char('|')));
    const QString council = reference::state().CouncilGenitive2 + QStringLiteral(" ради");
    const QString adm = QStringLiteral("Голова Києво-Святошинської райдержадміністрації");
    const QString office = QStringLiteral("Начальник Києво-Святошинського районного відділу земельних ресурсів");
    const QString head = model::state().Golova;
    const QString sampleGrounds = p.PZ;
    for (const QString &pz : {sampleGrounds, QStringLiteral("РА,3,02.02.2007"), QStringLiteral("РГ,4,03.03.2008")})
        for (const uint8_t who : {SignsCouncilHead, SignsAdministrationHead}) {
            SCOPED_TRACE(testing::Message() << pz.toStdString() << " who " << int(who));
            model::state().Parcels[5].PZ = pz;
            const bool admSigns = pz != sampleGrounds || who == SignsAdministrationHead;
            PlanOptions plan;
            plan.Kind = KindNewStateAct;
            plan.WhoChoice = who;
            plan.ProgramDir = testsupport::programDir();
            const BatchReport report = makeActs(plan, {5});
            ASSERT_EQ(report.Done.size(), 1u) << report.Summary().toStdString();
            const QStringList paragraphs =
                builderstesting::readWithPythonDocx(report.Done[0].Path)[QStringLiteral("paragraphs")].toVariant().toStringList();
            const QString all = paragraphs.join(QLatin1Char('\n'));
            const QStringList signers = paragraphs.filter(QRegularExpression(QStringLiteral("^Голова ")));
            EXPECT_EQ(signers, QStringList(2, admSigns ? adm : QStringLiteral("Голова ") + council)) << all.toStdString();
            EXPECT_EQ(paragraphs.count(QStringLiteral("________________\t") + (admSigns ? AdmHead : head)), 2) << all.toStdString();
            EXPECT_EQ(paragraphs.count(office), 2) << all.toStdString();
        }
}

// A neighbour whose name takes two lines keeps its letters beside it, and the lines after it
// keep theirs: the description reads right on the rendered page.
TEST_F(ActsEndToEnd, ANeighbourOfTwoLinesKeepsItsLetters)
{
    model::ParcelList &parcels = model::state().Parcels;
    parcels[4].NM = QStringLiteral("Товариство з обмеженою відповідальністю «Агрофірма Світанок-Борщагівка»");
    for (const uint8_t kind : {KindApprovalAct, KindNewStateAct}) {
        SCOPED_TRACE(kind);
        PlanOptions plan;
        plan.Kind = kind;
        plan.ProgramDir = testsupport::programDir();
        const BatchReport report = makeActs(plan, {5});
        ASSERT_EQ(report.Done.size(), 1u) << report.Summary().toStdString();
        const std::vector<model::NeighbourEntry> &entries = parcels[5].NeighbourList;
        ASSERT_EQ(entries.size(), 4u);
        ASSERT_EQ(entries[1].Text, parcels[4].NM);

        const QString pdf = builderstesting::toPdf(report.Done[0].Path, out);
        const QStringList lines = QString::fromUtf8(builderstesting::run(
            QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})).split(QLatin1Char('\n'));
        // Each stretch stands on the line of the first words of its neighbour.
        const QString spans[] = {QStringLiteral("Від А до Б"), QStringLiteral("Від Б до В"), QStringLiteral("Від В до")};
        for (int k = 1; k <= 3; ++k) {
            const QString first = entries[static_cast<size_t>(k)].Text.section(QLatin1Char(' '), 0, 1);
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(spans[k - 1]); });
            ASSERT_NE(line, lines.end()) << spans[k - 1].toStdString();
            EXPECT_TRUE(Flat(*line).contains(first)) << spans[k - 1].toStdString() << " stands beside «" << line->toStdString()
                                                     << "», not beside «" << first.toStdString() << "»";
        }
    }
}

namespace {

// Two files opened one after the other the main window's way, with no territory chosen in the
// dialog in between: a district's sample and a copy of it whose code is a city of regional
// importance's.
class ActsOfOpenedFiles : public builderstesting::BuilderTest {
protected:
    /// Opens `path` as "Відкрити файл" does: the load, then the territory of the file's code.
    static void open(const QString &path)
    {
        platform::NullProgress progress;
        model::CommitLoad(model::LoadExchangeFile(path, 1, progress), path, 1);
        reference::ResolveKoatuu(model::state().Koatuu);
    }

    /// A copy of the DOS sample whose every code is `code`.
    static QString sampleOf(const QString &code)
    {
        QFile in(testsupport::sourcePath(QStringLiteral("samples/sofiivska-dos.in4")));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        const QString path = QDir(testsupport::tempDir()).filePath(code + QStringLiteral(".in4"));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(in.readAll().replace("3222486201", code.toLatin1()));
        return path;
    }

    /// The approval act of parcel 1, signed by the administration's head and kept by the
    /// administration; every text python-docx reads from it.
    static QString act(const QString &folder)
    {
        QDir().mkpath(folder);
        options().OutputFolder = OutputFolderOf(folder);
        options().DocAction = ActionSave;
        for (model::Parcel &p : model::state().Parcels)
            p.Selected = 0;
        model::state().Parcels[1].Selected = -1;
        PlanOptions plan;
        plan.Kind = KindApprovalAct;
        plan.WhoChoice = SignsAdministrationHead;
        plan.StorageChoice = KeptAtAdministration;
        plan.ProgramDir = testsupport::programDir();
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
            w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        const BatchReport report = MakePlanCommand(nullptr, plan);
        EXPECT_TRUE(report.Clean()) << report.Summary().toStdString();
        if (report.Done.size() != 1)
            return QString();
        return builderstesting::readWithPythonDocx(report.Done[0].Path)[QStringLiteral("paragraphs")]
            .toVariant()
            .toStringList()
            .join(QLatin1Char('\n'));
    }
};

} // namespace

// The administration that signs and keeps an act is the one of the opened file's code, and so is
// its head: the city's after the district's, whether no territory was ever chosen or a district
// was accepted before.
TEST_F(ActsOfOpenedFiles, EachActNamesTheBodyOfItsOwnFilesCode)
{
    const QString district = QStringLiteral("Києво-Святошинськ"), city = QStringLiteral("Білоцерківськ");
    // Each administration's head as the office stored it for its district's row.
    const QString districtHead = QStringLiteral("Головко Адам Петрович"), cityHead = QStringLiteral("Церковна Ніна Іванівна");
    reference::WriteDistrictOfficials(32224000, {QString(), QString(), districtHead, std::nullopt});
    reference::WriteDistrictOfficials(32103000, {QString(), QString(), cityHead, std::nullopt});
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted ? "a district accepted in the dialog before" : "no territory chosen");
        reference::resetState();
        reference::state().PurposeName = Purpose;
        if (accepted) {
            reference::state().RegionName = QStringLiteral("Київська область");
            reference::state().DistrictName = QStringLiteral("Києво-Святошинський район");
            reference::state().DistrictId = 32224000;
            reference::state().GolAdm = districtHead;
        }
        const QString folder = QDir(testsupport::tempDir()).filePath(accepted ? QStringLiteral("accepted") : QStringLiteral("none"));

        open(testsupport::sourcePath(QStringLiteral("samples/sofiivska-dos.in4")));
        const QString first = act(QDir(folder).filePath(QStringLiteral("district")));
        EXPECT_TRUE(first.contains(QStringLiteral("Голова Києво-Святошинської райдержадміністрації"))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("зберігається в Києво-Святошинській райдержадміністрації")))
            << first.toStdString();

        open(sampleOf(QStringLiteral("3210300000")));
        const QString second = act(QDir(folder).filePath(QStringLiteral("city")));
        EXPECT_TRUE(second.contains(QStringLiteral("Голова Білоцерківської міськдержадміністрації"))) << second.toStdString();
        EXPECT_TRUE(second.contains(QStringLiteral("зберігається в Білоцерківській міськдержадміністрації")))
            << second.toStdString();
        EXPECT_TRUE(first.contains(districtHead)) << first.toStdString();
        EXPECT_TRUE(second.contains(cityHead)) << second.toStdString();
        EXPECT_FALSE(second.contains(districtHead)) << second.toStdString();
        EXPECT_FALSE(second.contains(district)) << second.toStdString();
        EXPECT_FALSE(first.contains(city)) << first.toStdString();
    }
}
