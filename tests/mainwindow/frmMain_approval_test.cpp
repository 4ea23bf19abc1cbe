// The "Зробити план" road of the preliminary approval: the approval form opens modeless over the
// main window, which stays usable, and its plans take the window's choices as they stand when
// "Зробити" is pressed.

#include "tests/mainwindow/mainwindowtesting.h"

#include "documents/forms/frmPogodzh.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

using mainwindowtesting::MainWindowTest;

TEST_F(MainWindowTest, ApprovalFormOpensModelessAndTakesTheScaleChosenAfterwards)
{
    frmMain &w = open();
    ASSERT_TRUE(QDir(programDir).mkpath(QStringLiteral("Dots")));
    ASSERT_TRUE(QFile::copy(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/poga3l.dotx")),
                            QDir(programDir).filePath(QStringLiteral("Dots/poga3l.dotx"))));
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    control<QRadioButton>("Opt_2")->click();
    control<QAction>("mnuGo")->trigger();

    auto *form = w.findChild<frmPogodzh *>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    dialogtesting::keepPicture(form, QStringLiteral("frmPogodzh-from-frmMain"));

    control<QRadioButton>("OPtMash_1")->click();
    auto *scales = control<QComboBox>("cmbMash");
    scales->setCurrentIndex(scales->findText(QStringLiteral("2000")));
    const QString out = testsupport::tempDir();
    documents::options().OutputFolder = documents::OutputFolderOf(out);
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
        d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
        d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    form->findChild<QPushButton *>(QStringLiteral("bGo"))->click();
    ASSERT_EQ(form->lastReport().Done.size(), 1u) << prompts->messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(form->lastReport().Done[0].Scale, 2000);
    EXPECT_EQ(form->lastReport().Done[0].Path,
              QDir(out).filePath(model::state().Parcels[2].Number + QStringLiteral(".docx")));
    form->close();
}
