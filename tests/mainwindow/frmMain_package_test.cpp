// The "Зробити план" road of the two documentation package kinds: the owner groups are built and
// the package dialog opens with the frame of the kind.

#include "tests/mainwindow/mainwindowtesting.h"

#include "registers/forms/frmZvt.h"
#include "registers/state.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QComboBox>
#include <QRadioButton>

using mainwindowtesting::MainWindowTest;

TEST_F(MainWindowTest, PackageKindsOpenThePackageDialogWithTheirFrame)
{
    open();
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    model::state().Parcels[4].KF = model::state().Parcels[2].KF;
    for (const char *key : {"2o", "3o", "4o"})
        node(QString::fromLatin1(key))->setCheckState(0, Qt::Checked);

    const struct {
        const char *button, *frame;
        uint8_t mode;
    } kinds[] = {{"Opt_5", "frPai", registers::ReportShares}, {"Opt_7", "frTd", registers::ReportPrivate}};
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.button);
        registers::resetState();
        control<QRadioButton>(kind.button)->click();
        QString frame;
        int groups = -1;
        dialogtesting::whenModal(QStringLiteral("frmZvt"), [&](QWidget *d) {
            frame = static_cast<frmZvt *>(d)->shownFrame()->objectName();
            groups = registers::state().ReportGroups.UBound();
            d->close();
        });
        control<QAction>("mnuGo")->trigger();
        EXPECT_EQ(frame, QString::fromLatin1(kind.frame));
        EXPECT_EQ(groups, 2);
        EXPECT_EQ(registers::state().ReportMode, kind.mode);
        EXPECT_EQ(reference::state().PurposeText, control<QComboBox>("cmbCil")->currentText());
        EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();
    }
}
