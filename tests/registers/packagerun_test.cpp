// The package run: values formed once per run, the page numbering and elapsed time of the dialog,
// and documents 1 and the combined report made from the packed templates.

#include "common/numbers.h"
#include "documents/docoptions.h"
#include "model/state.h"
#include "office/wordapp.h"
#include "platform/desktop.h"
#include "platform/scriptedprompts.h"
#include "reference/state.h"
#include "registers/folders.h"
#include "registers/packagebookmarks.h"
#include "registers/packagedocuments.h"
#include "registers/packagerun.h"
#include "registers/state.h"
#include "tests/registers/packagetesting.h"
#include "tests/support/testsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <utility>

using namespace registers;

namespace {

/// A group of `lines` parcels of `area` square metres each, every one with `arable` of land code 5.
ReportGroup groupOf(const QString &nm, int lines, double area = 2500, double arable = 2000)
{
    ReportGroup g;
    g.NM = nm;
    g.KF = nm;
    for (int k = 1; k <= lines; ++k) {
        ReportLine l;
        l.Number = QString::number(k);
        l.Area = area;
        l.Sums = {QString(), arable, 0, 100, area - arable - 100};
        g.Lines.Add(l);
    }
    return g;
}

class PackageRunTest : public packagetesting::PackageTest {
protected:
    /// Three groups of 2, 1 and 4 parcels.
    static void threeGroups()
    {
        ReportGroupList &groups = state().ReportGroups;
        groups.Add(groupOf(QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна"), 2));
        groups.Add(groupOf(QStringLiteral("Дем’янчук Мар’яна Василівна"), 1));
        groups.Add(groupOf(QStringLiteral("Олійник В’ячеслав Андрійович"), 4));
    }

    /// Runs the share kind with only the documents `numbers` chosen.
    PackageReport runShares(std::initializer_list<int> numbers, platform::ProgressSink &progress)
    {
        state().ReportMode = ReportShares;
        state().DocChosen.fill(false);
        for (int n : numbers)
            state().DocChosen[size_t(n)] = true;
        office::WordApp app;
        return MakeReportDocuments(app, args, progress);
    }

};

} // namespace

TEST_F(PackageRunTest, TerritoryWordsInTheGenitive)
{
    const struct {
        const char *name, *gen;
    } regions[] = {{"Київська область", "Київської"}, {"  Київська область", "Київської"}, {"Вінницька", "Вінницької"}};
    for (const auto &c : regions)
        EXPECT_EQ(RegionGenitive(QString::fromUtf8(c.name)), QString::fromUtf8(c.gen)) << c.name;
    const struct {
        const char *name, *gen;
    } districts[] = {{"Києво-Святошинський район", "Києво-Святошинського"},
                     {"Бар район", "Бар район"},
                     {"м. Біла Церква", "м. Біла Церква"},
                     {"Фастівський", "Фастівського"}};
    for (const auto &c : districts)
        EXPECT_EQ(DistrictGenitive(QString::fromUtf8(c.name)), QString::fromUtf8(c.gen)) << c.name;
}

TEST_F(PackageRunTest, RunValuesFillEmptyTerritoryNamesAndSumTheGroups)
{
    reference::State &ref = reference::state();
    ref.RegionName = QStringLiteral("   ");
    ref.DistrictName.clear();
    ref.CouncilName = QStringLiteral("Петрівська");
    model::state().RaiZem = QStringLiteral("Мороз В.В.");
    threeGroups();
    state().TotalArea = 777;
    args.KspName = QStringLiteral("КСП «Світанок»");
    args.StartPage = 5;

    const PackageRun run = FormPackageRun(args);
    EXPECT_EQ(ref.RegionName, QStringLiteral("Невизначена область"));
    EXPECT_EQ(ref.DistrictName, QStringLiteral("Невизначений район"));
    EXPECT_EQ(run.RegionGen, QStringLiteral("Невизначеної"));
    EXPECT_EQ(run.DistrictGen, QStringLiteral("Невизначеного"));
    // A council name of one word gives the genitive of that word.
    EXPECT_EQ(run.CouncilGen, QStringLiteral("Петрівської"));
    EXPECT_EQ(run.SumArea, 7 * 2500);
    EXPECT_EQ(run.SumCat1, 7 * 2000);
    EXPECT_EQ(run.SumCat3, 7 * 100);
    EXPECT_EQ(run.SumCat4, 7 * 400);
    EXPECT_EQ(run.TotalArea, 777);
    EXPECT_EQ(run.Year, QDate::currentDate().toString(QStringLiteral("yyyy")));
    EXPECT_EQ(run.StartPage, 5);

    // No council chosen: the program-wide name becomes "Невизначена рада", and the documents, whose
    // texts supply the word "рада" themselves, read "Невизначеної ради", never "Невизначеної радої ради".
    const struct {
        const char *name, *documentName, *genitive;
    } councils[] = {
        {" ", "Невизначена", "Невизначеної"},
        {"Невизначена рада", "Невизначена", "Невизначеної"},
        {"Петрівська сільська рада", "Петрівська сільська", "Петрівської сільської"},
        {"Петрівська сільська РАДА ", "Петрівська сільська", "Петрівської сільської"},
        {"Петрівська сільська", "Петрівська сільська", "Петрівської сільської"},
        {"Радянська сільська", "Радянська сільська", "Радянської сільської"},
        {"рада", "рада", "радої"},
    };
    for (const auto &c : councils) {
        SCOPED_TRACE(c.name);
        ref.CouncilName = QString::fromUtf8(c.name);
        const PackageRun council = FormPackageRun(args);
        EXPECT_EQ(council.CouncilName, QString::fromUtf8(c.documentName));
        EXPECT_EQ(council.CouncilGen, QString::fromUtf8(c.genitive));
    }
    ref.CouncilName = QStringLiteral(" ");
    FormPackageRun(args);
    EXPECT_EQ(ref.CouncilName, QStringLiteral("Невизначена рада"));

    // The values every document shares.
    const PackageRun r = FormPackageRun(args);
    const struct {
        const char *bookmark;
        QString value;
    } common[] = {
        {"obl2", QStringLiteral("Невизначеної")},
        {"REG3", QStringLiteral("Невизначеного")},
        {"radu5", QStringLiteral("Невизначеної")},
        {"date3", r.Year},
        {"orgname1", QStringLiteral("ТОВ «ЗЕМПРОЕКТ»")},
        {"org", QStringLiteral("ТОВ «Земпроект»")},
        {"raizem2", QStringLiteral("Мороз В.В.")},
        {"kspname1", QStringLiteral("КСП «Світанок»")},
        {"arall", zova::Format4(1.75)},
        {"arsg", zova::Format4(1.47)},
        {"ari", zova::Format4(0.28)},
        {"zagkor", zova::Format4(0.0777)},
    };
    for (const auto &c : common)
        EXPECT_EQ(CommonBookmarkValue(QLatin1String(c.bookmark), r), c.value) << c.bookmark;
    EXPECT_FALSE(CommonBookmarkValue(QStringLiteral("area_all"), r));
}

TEST_F(PackageRunTest, PageNumberingIsReadAndCheckedBeforeTheRun)
{
    ReportGroupList groups;
    groups.Add(groupOf(QStringLiteral("А"), 2));
    groups.Add(groupOf(QStringLiteral("Б"), 3));
    const struct {
        const char *name, *page, *step;
        bool numbers;
        int start, pageStep;
        bool ok;
    } cases[] = {
        {"empty boxes", "", "", true, 0, 0, true},
        {"typed", "5", "2", true, 5, 2, true},
        {"halves to even", "2.5", "3.5", true, 2, 4, true},
        {"leading number", "12 стор.", "2.5", true, 12, 2, true},
        {"negative page", "-1", "1", true, 0, 0, false},
        {"page too large", "32768", "1", true, 0, 0, false},
        {"step too large", "1", "256", true, 0, 0, false},
        {"negative step", "1", "-2", true, 0, 0, false},
        {"last page fits", "32762", "1", true, 32762, 1, true},
        {"last page passes 32767", "32763", "1", true, 0, 0, false},
        {"without page numbers nothing is counted", "32763", "255", false, 32763, 255, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PageNumbering n = ReadPageNumbering(QString::fromUtf8(c.page), QString::fromUtf8(c.step), groups, c.numbers);
        EXPECT_EQ(n.Error.isEmpty(), c.ok) << n.Error.toStdString();
        if (c.ok) {
            EXPECT_EQ(n.StartPage, c.start);
            EXPECT_EQ(n.PageStep, c.pageStep);
        }
    }
}

TEST_F(PackageRunTest, ElapsedTimeCountsHoursAndMidnight)
{
    const QDateTime t0(QDate(2024, 3, 1), QTime(10, 0, 0));
    const QDateTime late(QDate(2024, 3, 1), QTime(23, 59, 30));
    const struct {
        QDateTime start, end;
        const char *text;
    } cases[] = {
        {t0, t0, "Пішло часу - 0 хв. 0 сек."},
        {t0, t0.addSecs(65), "Пішло часу - 1 хв. 5 сек."},
        {t0, t0.addSecs(3600 + 120 + 7), "Пішло часу - 1 год. 2 хв. 7 сек."},
        {late, late.addSecs(100), "Пішло часу - 1 хв. 40 сек."},
        {late, late.addSecs(25 * 3600), "Пішло часу - 25 год. 0 хв. 0 сек."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ElapsedText(c.start, c.end), QString::fromUtf8(c.text));
}

TEST_F(PackageRunTest, DocumentOneHasTheContentsByOwnerGroup)
{
    threeGroups();
    args.StartPage = 5;
    args.PageStep = 2;
    args.KspName = QStringLiteral("КСП «Світанок»");
    documents::options().DocAction = documents::ActionSave;
    platform::RecordingProgress progress;
    const PackageReport report = runShares({1}, progress);

    ASSERT_TRUE(report.Failures.empty()) << report.FailureText().toStdString();
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Number, 1);
    EXPECT_EQ(report.Done[0].Result.Fate, documents::DocumentFate::Saved);
    EXPECT_EQ(report.Done[0].Result.Path, QDir(folder).filePath(QStringLiteral("p1.docx")));
    EXPECT_EQ(args.StartPage, 19);
    EXPECT_EQ(progress.max, 12);
    EXPECT_EQ(progress.value, 12);
    EXPECT_EQ(progress.values, 12);
    EXPECT_TRUE(desktop->opened.isEmpty());

    office::WordApp app;
    office::Document &doc = app.Documents_Open(report.Done[0].Result.Path);
    office::Table contents = doc.Tables(1);
    ASSERT_EQ(contents.RowCount(), 4);
    const QStringList pages = {QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("11")};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(contents.Cell(i + 1, 1).Text(), QStringLiteral(" %1").arg(i));
        EXPECT_EQ(contents.Cell(i + 1, 2).Text(), state().ReportGroups[i].NM);
        EXPECT_EQ(contents.Cell(i + 1, 3).Text(), QString());
        EXPECT_EQ(contents.Cell(i + 1, 4).Text(), pages[i - 1]);
    }
    const QString year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    const struct {
        const char *bookmark;
        QString text;
    } bookmarks[] = {
        {"obl", QStringLiteral("Київської")}, {"obl2", QStringLiteral("Київської")},
        {"regionu1", QStringLiteral("Києво-Святошинського")},
        {"radu5", QStringLiteral("Софіївсько-Борщагівської сільської")},
        {"date", year}, {"date1", year}, {"orgname", QStringLiteral("ТОВ «ЗЕМПРОЕКТ»")},
        {"dur", QStringLiteral("Коваленко І.П.")}, {"vuk1", QStringLiteral("Шевчук О.М.")},
        {"kspname1", QStringLiteral("КСП «Світанок»")}, {"arall", zova::Format4(1.75)},
        {"arr", zova::Format4(1.4)}, {"ark", zova::Format4(0.07)}, {"ars", zova::Format4(0)},
    };
    for (const auto &b : bookmarks)
        EXPECT_EQ(doc.Bookmarks(QLatin1String(b.bookmark)).Text(), b.text) << b.bookmark;
}

TEST_F(PackageRunTest, ContentsWithoutPageNumbersOrWithoutGroups)
{
    threeGroups();
    state().PageNumbers = false;
    args.StartPage = 5;
    args.PageStep = 2;
    documents::options().DocAction = documents::ActionSave;
    platform::NullProgress progress;
    PackageReport report = runShares({1}, progress);
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(args.StartPage, 5);
    {
        office::WordApp app;
        office::Table contents = app.Documents_Open(report.Done[0].Result.Path).Tables(1);
        ASSERT_EQ(contents.RowCount(), 4);
        EXPECT_EQ(contents.Cell(2, 2).Text(), state().ReportGroups[1].NM);
        EXPECT_EQ(contents.Cell(4, 4).Text(), QString());
    }

    // No groups: no row, the areas written as 0; a second run replaces the file.
    state().ReportGroups.Clear();
    state().PageNumbers = true;
    report = runShares({1}, progress);
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Result.Path, QDir(folder).filePath(QStringLiteral("p1.docx")));
    office::WordApp app;
    office::Document &doc = app.Documents_Open(report.Done[0].Result.Path);
    EXPECT_EQ(doc.Tables(1).RowCount(), 1);
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("arall")).Text(), zova::Format4(0));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("arr")).Text(), zova::Format4(0));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("p1.docx")});
}

TEST_F(PackageRunTest, FileNamesAreJoinedToTheFolderAtUse)
{
    // A folder as the picker gives it, without a separator at its end, and one with it.
    threeGroups();
    documents::options().DocAction = documents::ActionSave;
    platform::NullProgress progress;
    for (const QString &chosen : {folder, folder + QLatin1Char('/')}) {
        folders().ReportFolder = chosen;
        const PackageReport report = runShares({1}, progress);
        ASSERT_EQ(report.Done.size(), 1u) << report.FailureText().toStdString();
        EXPECT_EQ(report.Done[0].Result.Path, QDir(folder).filePath(QStringLiteral("p1.docx")));
    }
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("p1.docx")));
}

TEST_F(PackageRunTest, ASecondPackageIntoItsFolderAsksOnceAndNoKeepsTheFirst)
{
    threeGroups();
    documents::options().DocAction = documents::ActionSave;
    platform::NullProgress progress;
    ASSERT_EQ(runShares({1, 2}, progress).Done.size(), 2u);
    const auto bytesOf = [this](const char *name) { return testsupport::fileBytes(QDir(folder).filePath(QLatin1String(name))); };
    const QByteArray p1 = bytesOf("p1.docx"), p2 = bytesOf("p2.docx");

    auto scripted = std::make_unique<platform::ScriptedPrompts>();
    platform::ScriptedPrompts *prompts = scripted.get();
    auto previous = platform::setPrompts(std::move(scripted));
    prompts->answers.push_back(platform::MsgAnswer::No);
    const PackageReport again = runShares({1, 2}, progress);
    ASSERT_EQ(prompts->calls.size(), 1u);
    EXPECT_TRUE(prompts->calls[0].message.text.contains(QStringLiteral("з тими самими іменами: 2.")))
        << prompts->calls[0].message.text.toStdString();
    EXPECT_EQ(bytesOf("p1.docx"), p1);
    EXPECT_EQ(bytesOf("p2.docx"), p2);
    ASSERT_EQ(again.Done.size(), 2u);
    EXPECT_EQ(again.Done[0].Result.Path, QDir(folder).filePath(QStringLiteral("p1 (2).docx")));
    EXPECT_EQ(again.Done[1].Result.Path, QDir(folder).filePath(QStringLiteral("p2 (2).docx")));
    platform::setPrompts(std::move(previous));
}

TEST_F(PackageRunTest, FailingDocumentsAreReportedAndTheRestIsMade)
{
    // A program folder whose document 1 template lacks the package's bookmarks, and, while there is
    // one, a later document the program does not make yet: both are reported and the run goes on.
    int unbuilt = 0;
    for (int n = 12; n >= 2 && unbuilt == 0; --n)
        if (!FindPackageDocument(n))
            unbuilt = n;
    const QString program = QDir(testsupport::tempDir()).filePath(QStringLiteral("broken-program"));
    QDir().mkpath(program + QStringLiteral("/Dots/td/1"));
    QFile::copy(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/test/officetest.dotx")),
                program + QStringLiteral("/Dots/td/1/p1.dotx"));
    threeGroups();
    documents::options().DocAction = documents::ActionSave;
    platform::RecordingProgress progress;

    args.ProgramDir = program;
    PackageReport report = runShares({1, unbuilt}, progress);
    EXPECT_TRUE(report.Done.empty());
    ASSERT_EQ(report.Failures.size(), unbuilt ? 2u : 1u);
    EXPECT_EQ(report.Failures[0].Number, 1);
    EXPECT_TRUE(report.Failures[0].Reason.contains(QStringLiteral("obl"))) << report.Failures[0].Reason.toStdString();
    EXPECT_EQ(progress.value, 12);
    const QString text = report.FailureText();
    EXPECT_TRUE(text.contains(QStringLiteral("Документ 1 «Титул, пояснювальна, зміст»: "))) << text.toStdString();
    if (unbuilt) {
        EXPECT_EQ(report.Failures[1].Number, unbuilt);
        EXPECT_TRUE(text.contains(QStringLiteral("Документ %1 «%2»: ще не реалізовано").arg(unbuilt).arg(PackageDocumentCaption(unbuilt))))
            << text.toStdString();
    }
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());

    // No template at all.
    QFile::remove(program + QStringLiteral("/Dots/td/1/p1.dotx"));
    report = runShares({1}, progress);
    ASSERT_EQ(report.Failures.size(), 1u);
    EXPECT_TRUE(report.Failures[0].Reason.startsWith(QStringLiteral("Немає шаблону документа: ")));

    // With the program's templates document 1 is made beside the one that fails.
    args.ProgramDir = testsupport::programDir();
    report = runShares({1, unbuilt}, progress);
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Failures.size(), unbuilt ? 1u : 0u);
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("p1.docx"))));
}

// The documents made without the organisation's name where they have a place for it are named
// once in the run's message; a title block that names it makes none.
TEST_F(PackageRunTest, DocumentsMadeWithoutTheOrganisationAreNamed)
{
    threeGroups();
    documents::options().DocAction = documents::ActionSave;
    platform::NullProgress progress;
    const struct {
        const char *name;
        QString organisation;
        std::initializer_list<int> chosen;
        std::vector<int> without;
        QString where; ///< empty: nothing is told
    } cases[] = {
        {"none set, three documents of which two name it", QString(), {1, 3, 4}, {1, 4}, QStringLiteral("у документах 1, 4 ")},
        {"blanks only, one document", QStringLiteral("  "), {5}, {5}, QStringLiteral("у документі 5 ")},
        {"none set, a document without a place for it", QString(), {2}, {}, QString()},
        {"set", QStringLiteral("ТОВ «Земпроект»"), {1, 4}, {}, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reference::state().OrganTitle = c.organisation;
        const PackageReport report = runShares(c.chosen, progress);
        ASSERT_TRUE(report.Failures.empty()) << report.FailureText().toStdString();
        EXPECT_EQ(report.WithoutOrganisation, c.without);
        if (c.where.isEmpty()) {
            EXPECT_TRUE(report.FailureText().isEmpty()) << report.FailureText().toStdString();
        } else {
            EXPECT_EQ(report.FailureText(), QStringLiteral("Організацію-виконавця не задано: ") + c.where
                                                + QStringLiteral("її назви немає (Опції → Редагувати штамп)"));
        }
    }
    // The combined report of the other kind.
    reference::state().OrganTitle.clear();
    state().ReportMode = ReportPrivate;
    office::WordApp app;
    const PackageReport report = MakeReportDocuments(app, args, progress);
    EXPECT_EQ(report.WithoutOrganisation, std::vector<int>{0});
    EXPECT_TRUE(report.FailureText().startsWith(QStringLiteral("Організацію-виконавця не задано: у звіті ")))
        << report.FailureText().toStdString();
}

// A document that prints a signer whose name is not stored (the title block's director and
// executor, the territory's officials) is named in the run's message under that signer, once
// for all such documents; with every name stored nothing is told.
TEST_F(PackageRunTest, DocumentsMadeWithoutASignersNameAreNamed)
{
    threeGroups();
    documents::options().DocAction = documents::ActionSave;
    platform::NullProgress progress;
    reference::State &ref = reference::state();
    const QString staff = QStringLiteral(" його прізвища немає (Опції → Редагувати штамп)");
    const QString territory = QStringLiteral(" його прізвища немає (Опції → Визначити територію)");
    const struct {
        const char *name;
        QString *emptied;
        QString shares, combined; ///< the message of all twelve documents and of the combined report
    } cases[] = {
        {"the director", &ref.NDur, QStringLiteral("Директора не вказано: у документах 1, 4, 10") + staff,
         QStringLiteral("Директора не вказано: у звіті") + staff},
        {"the executor", &ref.NSkl, QStringLiteral("Виконавця не вказано: у документах 1, 7") + staff,
         QStringLiteral("Виконавця не вказано: у звіті") + staff},
        {"the land office's head", &model::state().RaiZem,
         QStringLiteral("Начальника відділу земельних ресурсів не вказано: у документах 2, 3, 4, 5, 7, 10") + territory, QString()},
        {"the council's head", &model::state().Golova,
         QStringLiteral("Голову ради не вказано: у документах 2, 7, 8") + territory, QString()},
        {"the architect", &args.Arhit, QStringLiteral("Архітектора не вказано: у документі 6") + territory, QString()},
        {"the administration's head", &args.GolAdm,
         QStringLiteral("Голову адміністрації не вказано: у документі 9") + territory, QString()},
    };
    const auto runBoth = [&] {
        state().DocChosen.fill(true);
        state().DocChosen[0] = false;
        state().ReportMode = ReportShares;
        office::WordApp app;
        const PackageReport shares = MakeReportDocuments(app, args, progress);
        EXPECT_EQ(shares.Done.size(), 12u) << shares.FailureText().toStdString();
        state().ReportMode = ReportPrivate;
        const PackageReport combined = MakeReportDocuments(app, args, progress);
        EXPECT_EQ(combined.Done.size(), 1u) << combined.FailureText().toStdString();
        return std::pair{shares.FailureText(), combined.FailureText()};
    };
    EXPECT_EQ(runBoth(), (std::pair{QString(), QString()})) << "every name stored";
    QStringList allShares, allCombined;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString kept = *c.emptied;
        *c.emptied = QStringLiteral("  ");
        const auto [shares, combined] = runBoth();
        EXPECT_EQ(shares.toStdString(), c.shares.toStdString());
        EXPECT_EQ(combined.toStdString(), c.combined.toStdString());
        *c.emptied = kept;
        allShares << c.shares;
        if (!c.combined.isEmpty())
            allCombined << c.combined;
    }
    // None stored: one line for each, in this order.
    for (const auto &c : cases)
        c.emptied->clear();
    const auto [shares, combined] = runBoth();
    EXPECT_EQ(shares.toStdString(), allShares.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(combined.toStdString(), allCombined.join(QLatin1Char('\n')).toStdString());
}

// The combined report prints the purpose chosen in the main window under its title; made while
// none is chosen (the one chosen was removed from the database), the run says so, as the acts and
// plans do, and names the purpose nowhere else.
TEST_F(PackageRunTest, TheCombinedReportMadeWithoutAPurposeSaysSo)
{
    threeGroups();
    state().ReportMode = ReportPrivate;
    reference::state().OrganTitle = QStringLiteral("ТОВ «Земпроект»");
    platform::NullProgress progress;
    const QString remark = QStringLiteral("Цільове призначення ділянки не вибрано: у звіті воно порожнє");
    for (const QString &purpose : {QStringLiteral("для ведення городництва"), QString(), QStringLiteral("  ")}) {
        SCOPED_TRACE(purpose.toStdString());
        reference::state().PurposeName = purpose;
        office::WordApp app;
        const PackageReport report = MakeReportDocuments(app, args, progress);
        ASSERT_EQ(report.Done.size(), 1u) << report.FailureText().toStdString();
        EXPECT_EQ(report.FailureText().toStdString(), (purpose.trimmed().isEmpty() ? remark : QString()).toStdString());
    }
    // The documents of the share kind print no purpose, so they say nothing of it.
    reference::state().PurposeName.clear();
    EXPECT_TRUE(runShares({1, 8}, progress).FailureText().isEmpty());
}

TEST_F(PackageRunTest, DocumentActionsOfTheShareKind)
{
    threeGroups();
    platform::NullProgress progress;
    documents::options().DocAction = documents::ActionOpen;
    PackageReport report = runShares({1}, progress);
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Result.Fate, documents::DocumentFate::Opened);
    EXPECT_EQ(desktop->opened, QStringList{QDir(folder).filePath(QStringLiteral("p1.docx"))});
    EXPECT_TRUE(desktop->printed.isEmpty());
    EXPECT_TRUE(report.FailureText().isEmpty());

    // Nothing on the desktop opens it: saved, not counted as opened, and the operator is told where
    // (under a new name: the first one may still be open).
    desktop->result = false;
    report = runShares({1}, progress);
    desktop->result = true;
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Result.Fate, documents::DocumentFate::NotOpened);
    EXPECT_TRUE(report.FailureText().contains(QStringLiteral("не відкрито"))) << report.FailureText().toStdString();
    EXPECT_TRUE(report.FailureText().contains(QDir(folder).filePath(QStringLiteral("p1 (2).docx"))));

    documents::options().DocAction = documents::ActionSavePrint;
    report = runShares({1}, progress);
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Result.Fate, documents::DocumentFate::Printed);
    EXPECT_EQ(desktop->printed, QStringList{QDir(folder).filePath(QStringLiteral("p1.docx"))});

    // Nothing chosen: nothing made, the progress still reaches 12.
    platform::RecordingProgress recorded;
    report = runShares({}, recorded);
    EXPECT_TRUE(report.Done.empty());
    EXPECT_TRUE(report.Failures.empty());
    EXPECT_EQ(recorded.value, 12);
}

TEST_F(PackageRunTest, CombinedReportIsLeftOpenWhateverTheAction)
{
    threeGroups();
    state().ReportMode = ReportPrivate;
    state().DocChosen.fill(true);
    documents::options().DocAction = documents::ActionSavePrint;
    platform::RecordingProgress progress;
    PackageReport report;
    {
        office::WordApp app;
        report = MakeReportDocuments(app, args, progress);
    }
    ASSERT_TRUE(report.Failures.empty()) << report.FailureText().toStdString();
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Number, 0);
    EXPECT_EQ(report.Done[0].Result.Fate, documents::DocumentFate::Opened);
    const QString path = QDir(folder).filePath(QStringLiteral("tdmany.docx"));
    EXPECT_EQ(desktop->opened, QStringList{path});
    EXPECT_TRUE(desktop->printed.isEmpty());
    EXPECT_EQ(progress.values, 0);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("tdmany.docx")});

    office::WordApp app;
    office::Document &doc = app.Documents_Open(path);
    const struct {
        const char *bookmark;
        QString text;
    } bookmarks[] = {
        {"area_all", zova::Format4(1.75)}, {"area_sg", zova::Format4(1.75)}, {"area_r", zova::Format4(1.4)},
        {"area_s", zova::Format4(0)}, {"area_k", zova::Format4(0.07)}, {"area_i", zova::Format4(0.28)},
        {"cilove", QStringLiteral("для будівництва і обслуговування житлового будинку")},
        {"regionu2", QStringLiteral("Києво-Святошинського")},
        {"radu", QStringLiteral("Софіївсько-Борщагівської сільської")},
        {"orgname1", QStringLiteral("ТОВ «ЗЕМПРОЕКТ»")}, {"vuk", QStringLiteral("Шевчук О.М.")},
        {"kspname", QString()}, {"arall", zova::Format4(1.75)}, {"ars", zova::Format4(0)},
    };
    for (const auto &b : bookmarks)
        EXPECT_EQ(doc.Bookmarks(QLatin1String(b.bookmark)).Text(), b.text) << b.bookmark;

    // The box "Звіт" unticked: nothing is made.
    desktop->opened.clear();
    args.CombinedReport = false;
    office::WordApp again;
    EXPECT_TRUE(MakeReportDocuments(again, args, progress).Done.empty());
    EXPECT_TRUE(desktop->opened.isEmpty());
}

TEST_F(PackageRunTest, TableFindsEachDocumentByItsNumber)
{
    EXPECT_NE(FindPackageDocument(1), nullptr);
    EXPECT_EQ(FindPackageDocument(0), nullptr);
    EXPECT_EQ(FindPackageDocument(13), nullptr);
    int previous = 0;
    for (const PackageDocument &d : PackageDocuments()) {
        SCOPED_TRACE(d.Number);
        EXPECT_GT(d.Number, previous);
        EXPECT_LE(d.Number, 12);
        previous = d.Number;
        EXPECT_EQ(FindPackageDocument(d.Number), &d);
        EXPECT_TRUE(QFile::exists(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/") + QLatin1String(d.Template))));
        EXPECT_EQ(QString::fromLatin1(d.FileName), QStringLiteral("p%1.docx").arg(d.Number));
        EXPECT_NE(d.Fill, nullptr);
    }
    EXPECT_TRUE(QFile::exists(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/") + QLatin1String(CombinedReportDocument().Template))));
    EXPECT_EQ(PackageDocumentCaption(12), QStringLiteral("Експлікація земель"));
    EXPECT_TRUE(PackageDocumentCaption(13).isEmpty());
}
