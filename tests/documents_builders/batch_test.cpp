// The document batch: a failing parcel does not stop it, and the operator learns which failed.

#include "documents/docbatch.h"
#include "documents/forms/frmpr.h"
#include "model/exchangeformat.h"
#include "office/wordapp.h"
#include "platform/desktop.h"
#include "reference/startup.h"
#include "tests/documents/parcelfixtures.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/support/fulldisk.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace documents;
using documents_test::ParcelOf;
using documents_test::SquareOf;

namespace {

class Batch : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        model::ParcelList &parcels = model::state().Parcels;
        parcels.Clear();
        const auto add = [&](model::Parcel p, const char *number, bool selected) {
            p.Number = QString::fromLatin1(number);
            p.KZ = QStringLiteral("22");
            p.Selected = selected ? -1 : 0;
            parcels.Add(p);
        };
        add(SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 20), "12/3", true);
        add(SquareOf(QStringLiteral("Петренко"), 1000, 1020, 20), "4", false);
        add(ParcelOf(QStringLiteral("Сидоренко"), {{1000, 1100}, {1010, 1100}}), "5", true); // two points
        add(SquareOf(QStringLiteral("Коваль"), 1000, 1040, 20), "6", true);
        out = testsupport::tempDir() + QStringLiteral("/batch");
        QDir().mkpath(out);
        options().OutputFolder = OutputFolderOf(out);
        options().DocAction = ActionSave;
        plan.ZovaVariant = 3;
        plan.ProgramDir = testsupport::programDir();
    }
    QString out;
    PlanOptions plan;
    platform::RecordingProgress overall, step;
};

} // namespace

TEST_F(Batch, GoesOnPastAFailingParcelAndNamesIt)
{
    office::WordApp app;
    const BatchReport report = RunDocumentBatch(app, plan, overall, step);
    EXPECT_EQ(report.Selected, 3);
    ASSERT_EQ(report.Done.size(), 2u);
    EXPECT_EQ(report.Done[0].Path, out + QStringLiteral("/12_3_1.docx"));
    EXPECT_EQ(report.Done[1].Path, out + QStringLiteral("/6_4.docx"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2);
    ASSERT_EQ(report.Failures.size(), 1u);
    EXPECT_EQ(report.Failures[0].ParcelIndex, 3);
    EXPECT_TRUE(report.Failures[0].Reason.contains(QStringLiteral("трьох"))) << report.Failures[0].Reason.toStdString();
    const QString summary = report.Summary();
    EXPECT_TRUE(summary.contains(QStringLiteral("Збережено документів: 2"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("№ 5 (3)"))) << summary.toStdString();
    EXPECT_EQ(overall.phases, QStringList({QStringLiteral("Загальний процес 1 з 3"), QStringLiteral("Загальний процес 2 з 3"),
                                           QStringLiteral("Загальний процес 3 з 3")}));
    EXPECT_EQ(overall.max, 3);
    EXPECT_EQ(step.value, 21);
    EXPECT_EQ(state().CurDocParcel, 5);
    EXPECT_EQ(app.Documents_Count(), 0); // the failed document was closed too

    // The same batch again replaces each plan of the earlier run, and only those.
    QFile earlier(report.Done[0].Path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("the earlier run");
    earlier.close();
    office::WordApp again;
    const BatchReport second = RunDocumentBatch(again, plan, overall, step);
    ASSERT_EQ(second.Done.size(), 2u);
    EXPECT_EQ(second.Done[0].Path, report.Done[0].Path);
    EXPECT_EQ(second.Done[1].Path, report.Done[1].Path);
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2) << QDir(out).entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
    EXPECT_GT(QFileInfo(second.Done[0].Path).size(), 1000); // a plan, not the earlier bytes
}

TEST_F(Batch, ADrawingThatLeavesItsRegionIsMadeAndNamedWithItsScale)
{
    // 20 m squares: 189 pt at the automatic 1:300, 567 pt at a chosen 1:100 (taller than the
    // drawing region of A4 portrait).
    const struct {
        const char *name;
        bool autoScale;
        int32_t scale;
        size_t outside;
    } cases[] = {{"automatic scale", true, 0, 0}, {"chosen 1:100", false, 100, 2}, {"chosen 1:500", false, 500, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        plan.AutoScale = c.autoScale;
        plan.Scale = c.scale;
        office::WordApp app;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);
        EXPECT_EQ(report.Done.size(), 2u);
        ASSERT_EQ(report.Outside.size(), c.outside);
        const QString summary = report.Summary();
        EXPECT_EQ(summary.contains(QStringLiteral("Креслення виходить за межі свого поля на аркуші (2):")), c.outside > 0)
            << summary.toStdString();
        if (c.outside > 0) {
            EXPECT_EQ(report.Outside[0].ParcelIndex, 1);
            EXPECT_EQ(report.Outside[1].ParcelIndex, 4);
            EXPECT_TRUE(summary.contains(QStringLiteral("№ 12/3 (1): у масштабі 1:100"))) << summary.toStdString();
            EXPECT_TRUE(summary.contains(QStringLiteral("№ 6 (4): у масштабі 1:100"))) << summary.toStdString();
        }
    }
}

TEST_F(Batch, ApprovalPlansOfParcelsWithOneNumberGetNamesOfTheirOwn)
{
    // The approval plan is saved under the parcel number alone, so two parcels numbered alike
    // would write one file; within a batch the second gets a name of its own. Its template is the
    // one A3 landscape sheet, whatever paper and variant the main window shows.
    model::state().Parcels[4].Number = QStringLiteral("12/3");
    plan.Kind = KindApprovalPlan;
    plan.Paper = 2;
    plan.ZovaVariant = 7;
    office::WordApp app;
    const BatchReport report = RunDocumentBatch(app, plan, overall, step);
    ASSERT_EQ(report.Done.size(), 2u) << report.Summary().toStdString();
    EXPECT_EQ(report.Done[0].Path, out + QStringLiteral("/12_3.docx"));
    EXPECT_EQ(report.Done[1].Path, out + QStringLiteral("/12_3 (2).docx"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(step.value, 21);
}

TEST_F(Batch, AParcelNumberOfTwentyFiveDigitsMakesAPlan)
{
    const QString number = QStringLiteral("1234567890123456789012345");
    model::state().Parcels[1].Number = number;
    office::WordApp app;
    const BatchReport report = RunDocumentBatch(app, plan, overall, step);
    ASSERT_EQ(report.Done.size(), 2u);
    EXPECT_EQ(report.Done[0].Path, out + QLatin1Char('/') + number + QStringLiteral("_1.docx"));
    const QJsonObject text = builderstesting::readWithPythonDocx(report.Done[0].Path);
    EXPECT_TRUE(QJsonDocument(text).toJson().contains("Ділянка № " + number.toUtf8()));
}

TEST_F(Batch, AFullDiskIsReportedForEveryPlanAndLeavesNoEmptyFile)
{
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        options().OutputFolder = OutputFolderOf(disk.dir());
        disk.fill(0);
        office::WordApp app;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);
        disk.release();
        EXPECT_TRUE(report.Done.empty());
        ASSERT_EQ(report.Failures.size(), 3u);
        for (int i : {0, 2})
            EXPECT_TRUE(report.Failures[i].Reason.contains(QStringLiteral("Неможливо записати файл: ") + disk.dir()))
                << report.Failures[i].Reason.toStdString();
        EXPECT_TRUE(QDir(disk.dir()).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(Batch, TheProgressWindowCountsParcelsAndTheStagesOfEachDocument)
{
    frmpr window;
    window.showNow();
    office::WordApp app;
    RunDocumentBatch(app, plan, window.overall(), window.step());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Формуємо документ"));
    EXPECT_EQ(window.Label2()->text(), QStringLiteral("Загальний процес 3 з 3"));
    EXPECT_EQ(window.prall()->maximum(), 3);
    EXPECT_EQ(window.prall()->value(), 3);
    EXPECT_EQ(window.prb()->minimum(), 0);
    EXPECT_EQ(window.prb()->maximum(), 21);
    EXPECT_EQ(window.prb()->value(), 21);
}

TEST_F(Batch, MissingTemplatesAndPaperWithoutTheVariantAreReportedNotSaved)
{
    const struct {
        const char *name;
        QString programDir;
        uint8_t paper, variant;
        const char *reason;
    } cases[] = {
        {"no templates", testsupport::tempDir(), 1, 3, "Немає шаблону"},
        {"A4 landscape has no variant 7", testsupport::programDir(), 2, 7, "немає плану варіанта 7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        plan.ProgramDir = c.programDir;
        plan.Paper = c.paper;
        plan.ZovaVariant = c.variant;
        office::WordApp app;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);
        EXPECT_TRUE(report.Done.empty());
        ASSERT_EQ(report.Failures.size(), 3u);
        for (const BatchFailure &f : report.Failures)
            EXPECT_TRUE(f.Reason.contains(QString::fromUtf8(c.reason))) << f.Reason.toStdString();
        EXPECT_TRUE(report.Summary().contains(QStringLiteral("Жодного документа не зроблено.")));
        EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(Batch, OpenAndPrintActionsHandTheSavedFilesToTheDesktop)
{
    auto recording = std::make_unique<platform::RecordingDesktop>();
    platform::RecordingDesktop *desktop = recording.get();
    auto saved = platform::setDesktop(std::move(recording));

    // "Open" needs no folder of the operator's: the documents go to the work folder, which the
    // batch makes when it is missing.
    options().OutputFolder.clear();
    options().DocAction = ActionOpen;
    office::WordApp app;
    const QString work = testsupport::tempDir() + QStringLiteral("/not/yet/there");
    app.SetWorkFolder(work);
    const BatchReport opened = RunDocumentBatch(app, plan, overall, step);
    ASSERT_EQ(opened.Done.size(), 2u);
    EXPECT_EQ(desktop->opened, QStringList({work + QStringLiteral("/12_3_1.docx"), work + QStringLiteral("/6_4.docx")}));
    EXPECT_TRUE(QFileInfo::exists(desktop->opened.value(0)));

    // Opened again, the plans take new names: the word processor still shows those of the first
    // run and would show them again under their old names.
    desktop->opened.clear();
    office::WordApp reopening;
    reopening.SetWorkFolder(work);
    const BatchReport again = RunDocumentBatch(reopening, plan, overall, step);
    ASSERT_EQ(again.Done.size(), 2u);
    EXPECT_EQ(desktop->opened, QStringList({work + QStringLiteral("/12_3_1 (2).docx"), work + QStringLiteral("/6_4 (2).docx")}));
    EXPECT_EQ(QDir(work).entryList(QDir::Files).size(), 4);

    // An opened plan leaves a plan saved in the output folder as it is.
    options().OutputFolder = OutputFolderOf(out);
    options().DocAction = ActionSave;
    office::WordApp saving;
    const QString savedPlan = RunDocumentBatch(saving, plan, overall, step).Done.at(0).Path;
    const QByteArray savedBytes = testsupport::fileBytes(savedPlan);
    ASSERT_FALSE(savedBytes.isEmpty());
    options().DocAction = ActionOpen;
    office::WordApp previewing;
    const BatchReport preview = RunDocumentBatch(previewing, plan, overall, step);
    ASSERT_EQ(preview.Done.size(), 2u);
    EXPECT_EQ(preview.Done[0].Path, out + QStringLiteral("/12_3_1 (2).docx"));
    EXPECT_EQ(testsupport::fileBytes(savedPlan), savedBytes);

    options().OutputFolder = OutputFolderOf(out);
    options().DocAction = ActionSavePrint;
    office::WordApp printing;
    const BatchReport printed = RunDocumentBatch(printing, plan, overall, step);
    ASSERT_EQ(printed.Done.size(), 2u);
    EXPECT_EQ(desktop->printed, QStringList({out + QStringLiteral("/12_3_1.docx"), out + QStringLiteral("/6_4.docx")}));

    // A print that cannot be started is a failure of that parcel, not a document reported done.
    desktop->result = false;
    office::WordApp failing;
    const BatchReport refused = RunDocumentBatch(failing, plan, overall, step);
    EXPECT_TRUE(refused.Done.empty());
    EXPECT_EQ(refused.Failures.size(), 3u);
    platform::setDesktop(std::move(saved));
}

TEST_F(Batch, WithNoOpenerOnTheDesktopTheDocumentsAreSavedAndReportedNotOpened)
{
    auto system = std::make_unique<platform::SystemDesktop>();
    system->answerWait = 500;
    auto saved = platform::setDesktop(std::move(system));
    // Every opener gone: neither xdg-open nor LibreOffice can be found.
    const testsupport::ScopedEnv path("PATH", QFile::encodeName(testsupport::tempDir()));
    // A data folder of this test's own, so no document of another test holds the names.
    const testsupport::ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(testsupport::tempDir()));
    options().DocAction = ActionOpen;
    // With no folder chosen they are kept in the operator's data folder, which a restart does not
    // empty as it may the temporary folder: the work is not lost.
    const struct {
        const char *name;
        QString chosen, folder;
    } cases[] = {
        {"a folder chosen", OutputFolderOf(out), out},
        {"no folder chosen", QString(), QDir(reference::UserDataFolder()).filePath(QStringLiteral("Documents"))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        options().OutputFolder = c.chosen;
        office::WordApp app;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);

        ASSERT_EQ(report.Done.size(), 2u);
        for (const DocumentResult &r : report.Done) {
            EXPECT_EQ(r.Fate, DocumentFate::NotOpened);
            EXPECT_TRUE(QFileInfo(r.Path).isFile()) << r.Path.toStdString();
        }
        EXPECT_TRUE(report.AnyNotOpened());
        const QString summary = report.Summary();
        EXPECT_FALSE(summary.contains(QStringLiteral("Відкрито"))) << summary.toStdString();
        EXPECT_TRUE(summary.contains(QStringLiteral("Збережено, але не відкрито"))) << summary.toStdString();
        for (const QString &file : {c.folder + QStringLiteral("/12_3_1.docx"), c.folder + QStringLiteral("/6_4.docx")}) {
            EXPECT_TRUE(summary.contains(file)) << summary.toStdString();
            EXPECT_TRUE(QFileInfo(file).isFile()) << file.toStdString();
        }
    }
    platform::setDesktop(std::move(saved));
}

// A parcel whose drawing no sheet can hold (a coordinate read from "1D300", points at 1e308, a
// point read as 0,0 among real ones) is refused by name, with nothing saved for it, in every kind
// with a drawing; the other parcels of the batch are made. The new state act is refused too when
// it is its second parcel that cannot be drawn.
TEST_F(Batch, AParcelWhoseDrawingCannotBePlacedIsRefusedByNameAndTheRestMade)
{
    const struct {
        const char *name;
        std::function<void(model::Parcel &)> spoil;
        const char *point; // as the reason names it
    } coordinates[] = {
        {"a coordinate of 1D300", [](model::Parcel &p) { p.Points[2].X = model::DecimalValue(u"1D300"); },
         "точка 2 (X 1e+300, Y "},
        {"every point at 1e308",
         [](model::Parcel &p) {
             for (model::BoundaryPoint &b : p.Points)
                 b.X = 1e308;
         },
         "як у точки 1 (X 1e+308, Y "},
        {"a point read as 0,0 among real ones",
         [](model::Parcel &p) {
             for (model::BoundaryPoint &b : p.Points) {
                 b.X += 5590000;
                 b.Y += 6290000;
             }
             p.Points[3].X = p.Points[3].Y = 0;
         },
         "точка 3 (X "},
    };
    const uint8_t kinds[] = {KindCadastralPlan, KindApprovalAct, KindNewStateAct};
    const model::ParcelList loaded = model::state().Parcels;
    for (const auto &c : coordinates) {
        for (const uint8_t kind : kinds) {
            for (const bool asSecond : {false, true}) {
                if (asSecond && kind != KindNewStateAct)
                    continue;
                SCOPED_TRACE(std::string(c.name) + ", kind " + std::to_string(kind) + (asSecond ? ", as the second parcel" : ""));
                model::state().Parcels = loaded;
                model::state().Parcels[3].Selected = 0; // an act is made of it all the same, undrawn
                c.spoil(model::state().Parcels[4]);
                if (asSecond) { // parcel 1 shows the spoilt parcel 4 beside it, and 4 is not made
                    model::state().Parcels[1].DB = QStringLiteral("4");
                    model::state().Parcels[4].Selected = 0;
                }
                QDir(out).removeRecursively();
                QDir().mkpath(out);
                plan.Kind = kind;
                office::WordApp app;
                const BatchReport report = RunDocumentBatch(app, plan, overall, step);
                const QString summary = report.Summary();
                const int32_t refused = asSecond ? 1 : 4;
                ASSERT_EQ(report.Done.size(), asSecond ? 0u : 1u) << summary.toStdString();
                if (!asSecond) {
                    EXPECT_EQ(report.Done[0].Fate, DocumentFate::Saved);
                }
                EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), report.Done.size()) << summary.toStdString();
                EXPECT_EQ(app.Documents_Count(), 0);
                ASSERT_EQ(report.Failures.size(), 1u) << summary.toStdString();
                const BatchFailure &f = report.Failures[0];
                EXPECT_EQ(f.ParcelIndex, refused);
                EXPECT_TRUE(f.Reason.contains(QStringLiteral("не можна розмістити на аркуші"))) << f.Reason.toStdString();
                EXPECT_EQ(f.Reason.contains(QStringLiteral("другої ділянки № 6")), asSecond) << f.Reason.toStdString();
                EXPECT_TRUE(f.Reason.contains(QString::fromUtf8(c.point))) << f.Reason.toStdString();
                EXPECT_TRUE(summary.contains(QStringLiteral("№ %1 (%2): ").arg(refused == 1 ? "12/3" : "6").arg(refused)))
                    << summary.toStdString();
                EXPECT_EQ(summary.contains(QStringLiteral("Збережено документів: 1")), !asSecond) << summary.toStdString();
                EXPECT_TRUE(std::none_of(report.Remarks.begin(), report.Remarks.end(),
                                         [&](const DocumentRemarks &r) { return r.ParcelIndex == refused; }))
                    << summary.toStdString();
            }
        }
    }
}

TEST_F(Batch, ActsIntoAFolderOfApprovalPlansAskOnceAndNoKeepsEveryPlan)
{
    // Approval plans and approval acts both take the parcel's number for a name.
    plan.Kind = KindApprovalPlan;
    office::WordApp planning;
    const BatchReport plans = RunDocumentBatch(planning, plan, overall, step);
    ASSERT_EQ(plans.Done.size(), 2u) << plans.Summary().toStdString();
    EXPECT_TRUE(prompts->calls.empty()); // nothing there to replace
    std::map<QString, QByteArray> earlier;
    for (const QString &name : QDir(out).entryList(QDir::Files))
        earlier[name] = testsupport::fileBytes(QDir(out).filePath(name));
    EXPECT_EQ(earlier.size(), 2u);

    plan.Kind = KindApprovalAct;
    prompts->answers.push_back(platform::MsgAnswer::No);
    office::WordApp acting;
    const BatchReport acts = RunDocumentBatch(acting, plan, overall, step);
    ASSERT_EQ(prompts->calls.size(), 1u);
    const platform::MessageRequest &asked = prompts->calls[0].message;
    EXPECT_TRUE(asked.text.contains(QStringLiteral("з тими самими іменами: 2."))) << asked.text.toStdString();
    EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(asked.defaultAnswer, platform::MsgAnswer::No);
    for (const auto &[name, bytes] : earlier)
        EXPECT_EQ(testsupport::fileBytes(QDir(out).filePath(name)), bytes) << name.toStdString();
    ASSERT_GE(acts.Done.size(), 2u) << acts.Summary().toStdString();
    EXPECT_EQ(acts.Done[0].Path, out + QStringLiteral("/12_3 (2).docx"));
    EXPECT_EQ(acts.Done.back().Path, out + QStringLiteral("/6 (2).docx"));

    // "Так" lets the next batch replace the files that were there before it, and those only.
    prompts->calls.clear();
    prompts->answers.push_back(platform::MsgAnswer::Yes);
    const qsizetype files = QDir(out).entryList(QDir::Files).size();
    office::WordApp replacing;
    const BatchReport again = RunDocumentBatch(replacing, plan, overall, step);
    ASSERT_EQ(prompts->calls.size(), 1u);
    ASSERT_GE(again.Done.size(), 2u);
    EXPECT_EQ(again.Done[0].Path, out + QStringLiteral("/12_3.docx"));
    EXPECT_NE(testsupport::fileBytes(again.Done[0].Path), earlier[QStringLiteral("12_3.docx")]);
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), files);
}

// Plans are named "<number>_<index>" and approval acts by the number alone, so a free name
// "0001_2" would read as the plan of parcel 2. After "Ні" each new document takes a copy's name
// of its own, "0001 (2)", and the folder still reads by name, for batches of 4 to 40 parcels.
TEST_F(Batch, NoKeepsTheFolderReadableByName)
{
    for (const int count : {4, 40}) {
        SCOPED_TRACE(count);
        const QString folder = testsupport::tempDir() + QStringLiteral("/readable %1").arg(count);
        QDir().mkpath(folder);
        options().OutputFolder = OutputFolderOf(folder);
        model::ParcelList &parcels = model::state().Parcels;
        parcels.Clear();
        for (int i = 1; i <= count; ++i) {
            model::Parcel p = SquareOf(QStringLiteral("Власник %1").arg(i), 1000, 1000 + 30 * i, 20);
            p.Number = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
            p.KZ = QStringLiteral("22");
            p.Selected = -1;
            parcels.Add(p);
        }
        prompts->calls.clear();
        prompts->answers.push_back(platform::MsgAnswer::No);
        prompts->answers.push_back(platform::MsgAnswer::No);
        QStringList expected;
        for (const uint8_t kind : {KindCadastralPlan, KindApprovalAct, KindApprovalAct, KindCadastralPlan}) {
            plan.Kind = kind;
            office::WordApp app;
            const BatchReport report = RunDocumentBatch(app, plan, overall, step);
            ASSERT_EQ(report.Done.size(), size_t(count)) << report.Summary().toStdString();
            for (int i = 1; i <= count; ++i) {
                const QString base = DocumentBaseName(kind, false, i);
                const QString name = expected.contains(base + QStringLiteral(".docx")) ? base + QStringLiteral(" (2).docx")
                                                                                      : base + QStringLiteral(".docx");
                EXPECT_EQ(report.Done[size_t(i - 1)].Path, QDir(folder).filePath(name));
                expected << name;
            }
        }
        // Asked once by the second run of each kind; the first acts stood beside the plans.
        EXPECT_EQ(prompts->calls.size(), 2u);
        EXPECT_EQ(expected.value(1), QStringLiteral("0002_2.docx"));
        EXPECT_EQ(expected.value(count + 1), QStringLiteral("0002.docx"));
        QStringList listed = QDir(folder).entryList(QDir::Files);
        listed.sort();
        expected.sort();
        EXPECT_EQ(listed, expected);
    }
}
