// The commands the main window hands on: save, save selected, MIF export and the plan batch, with
// the options it gives the batch.

#include "tests/mainwindow/mainwindowtesting.h"

#include "documents/forms/frmWord.h"
#include "documents/planoptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>

using mainwindowtesting::MainWindowTest;

namespace {

QString sample()
{
    return testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4"));
}

} // namespace

TEST_F(MainWindowTest, SaveCommandsWriteTheChosenFileFromMenusAndToolbar)
{
    frmMain &w = open();
    answerOpen(sample(), 2);
    control<QAction>("mnuOpen")->trigger();
    node(QStringLiteral("1o"))->setCheckState(0, Qt::Checked);

    const struct {
        const char *how;
        std::function<void()> run;
        int16_t selectedOnly;
    } roads[] = {
        {"mnuSave", [&] { control<QAction>("mnuSave")->trigger(); }, 0},
        {"Save", [&] { w.tBar_ButtonClick(w.tBarButton(QStringLiteral("Save"))); }, 0},
        {"mnuSaveCheket", [&] { control<QAction>("mnuSaveCheket")->trigger(); }, -1},
        {"SaveChk", [&] { w.tBar_ButtonClick(w.tBarButton(QStringLiteral("SaveChk"))); }, -1},
    };
    for (const auto &r : roads) {
        const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("out.in4"));
        answerOpen(path, 4);
        r.run();
        EXPECT_TRUE(QFileInfo(path).size() > 0) << r.how;
        EXPECT_EQ(model::state().SaveSelectedOnly, r.selectedOnly) << r.how;
    }

    control<QAction>("mnuExpMif")->trigger();
    for (const char *f : {"dil.mif", "dil.mid", "ugd.mif", "ugd.mid"})
        EXPECT_TRUE(QFileInfo(QDir(dataDir).filePath(QStringLiteral("Export/") + QString::fromLatin1(f))).isFile()) << f;
    // The message names the folder the files are really in: Export of the operator's data folder.
    EXPECT_EQ(prompts->messages().last(),
              QStringLiteral("Файли було збережено в каталог:\n") + QDir::toNativeSeparators(dataDir + QStringLiteral("/Export/")));
}

TEST_F(MainWindowTest, PlanOptionsComeFromTheOptionsPanel)
{
    frmMain &w = open();
    answerOpen(sample(), 2);
    control<QAction>("mnuOpen")->trigger();

    documents::PlanOptions o = w.planOptions();
    EXPECT_EQ(o.Kind, documents::KindCadastralPlan);
    EXPECT_EQ(o.Paper, 1);
    EXPECT_TRUE(o.AutoScale);
    EXPECT_EQ(o.ZovaVariant, 1);
    EXPECT_TRUE(o.ShowLengths && o.ShowPointNumbers && o.ShowNeighbours && o.ShowLandUse);
    EXPECT_FALSE(o.GroupMode);
    EXPECT_TRUE(o.DsFlag);
    EXPECT_EQ(o.ProgramDir, programDir);

    control<QComboBox>("cmbZova")->setCurrentIndex(4);
    control<QComboBox>("cmbType")->setCurrentIndex(3);
    control<QRadioButton>("OPtMash_1")->click();
    control<QComboBox>("cmbMash")->setCurrentIndex(9);
    control<QCheckBox>("chLen")->setChecked(false);
    control<QCheckBox>("chGroup")->setChecked(true);
    control<QRadioButton>("optArea_1")->click();
    control<QAction>("mnuCilove")->trigger();
    QComboBox *cil = control<QComboBox>("cmbCil");
    cil->setCurrentIndex(1);
    control<QRadioButton>("Opt_1")->click();

    o = w.planOptions();
    EXPECT_EQ(o.Kind, documents::KindAllotmentPlan);
    EXPECT_EQ(o.Paper, 4);
    EXPECT_FALSE(o.AutoScale);
    EXPECT_EQ(o.Scale, 50000);
    EXPECT_EQ(o.ZovaVariant, 1); // a kind other than the cadastral plan takes the plain plan
    EXPECT_FALSE(o.ShowLengths);
    EXPECT_TRUE(o.GroupMode);
    EXPECT_EQ(o.AreaUnit, 1);
    EXPECT_TRUE(o.CiloveFlag);
    EXPECT_EQ(o.PurposeText, cil->itemText(1));
}

TEST_F(MainWindowTest, MakePlanAsksWhatToDoOnlyWithACheckedParcel)
{
    frmMain &w = open();
    answerOpen(sample(), 2);
    control<QAction>("mnuOpen")->trigger();
    // The document-action dialog, whichever road opened it, is cancelled at once.
    QStringList shown;
    auto cancelDialogs = [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<QDialog *>(top); d && d->isVisible()) {
                    shown << QString::fromLatin1(d->metaObject()->className());
                    d->reject();
                }
        });
    };

    cancelDialogs();
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("GoGo")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.isEmpty()); // nothing checked: nothing happens

    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    for (const auto &run : std::initializer_list<std::function<void()>>{
             [&] { w.tBar_ButtonClick(w.tBarButton(QStringLiteral("GoGo"))); },
             [&] { control<QAction>("mnuGo")->trigger(); },
             [&] { qobject_cast<QAbstractButton *>(control("bGo"))->click(); }}) {
        cancelDialogs();
        run();
    }
    EXPECT_EQ(shown, QStringList(3, QStringLiteral("frmWord"))) << prompts->messages().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(documents::options().DocDialogOk);
}

TEST_F(MainWindowTest, FolderButtonOfTheDocumentDialogOpensTheFolderPicker)
{
    open();
    frmWord dialog(window.get());
    qobject_cast<QAbstractButton *>(dialog.findChild<QWidget *>(QStringLiteral("wType_1")))->click();
    auto *folder = qobject_cast<QAbstractButton *>(dialog.findChild<QWidget *>(QStringLiteral("bKatalog")));
    ASSERT_NE(folder, nullptr);
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(top); d && d->isVisible() && d != &dialog) {
                shown = QString::fromLatin1(d->metaObject()->className());
                d->reject();
            }
    });
    folder->click();
    EXPECT_EQ(shown, QStringLiteral("frmSave"));
}
