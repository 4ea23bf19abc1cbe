// The main window's roads into the reference dialogs: territory, title block and purposes, and a
// plan made after the title block was filled.

#include "tests/mainwindow/mainwindowtesting.h"

#include "documents/docoptions.h"
#include "office/document.h"
#include "office/wordapp.h"
#include "reference/forms/frmNames.h"
#include "reference/state.h"
#include "tests/support/widgettesting.h"

#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

using mainwindowtesting::MainWindowTest;
using widgettesting::whenModal;

namespace {

void pick(QWidget *dialog, const char *list, const QString &text)
{
    auto *l = dialog->findChild<QComboBox *>(QString::fromLatin1(list));
    const int i = l->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    l->setCurrentIndex(i);
    emit l->activated(i);
}

void press(QWidget *dialog, const char *button)
{
    dialog->findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
}

} // namespace

TEST_F(MainWindowTest, TerritoryMenuAndToolbarOpenTheDialogAndOnlyAnAcceptChangesTheCode)
{
    frmMain &w = open();
    auto *label = control<QLabel>("lKoatu");
    const QString before = label->text();

    // The close box changes nothing.
    whenModal(QStringLiteral("frmTerra"), [](QWidget *d) {
        pick(d, "cmbReg", QStringLiteral("Києво-Святошинський район"));
        d->close();
    });
    control<QAction>("mnuTerra")->trigger();
    EXPECT_EQ(label->text(), before);
    EXPECT_EQ(model::state().Koatuu, QString());

    whenModal(QStringLiteral("frmTerra"), [](QWidget *d) {
        pick(d, "cmbReg", QStringLiteral("Києво-Святошинський район"));
        pick(d, "cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
        press(d, "bOk");
    });
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("GetTerra")));
    EXPECT_EQ(label->text(), QStringLiteral("3222486200"));
    EXPECT_EQ(model::state().TerritoryText,
              QStringLiteral("Київська область Києво-Святошинський район Софіївсько-Борщагівська сільська рада"));
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(MainWindowTest, TitleBlockMenuAndToolbarOpenTheTitleBlock)
{
    frmMain &w = open();
    QStringList shown;
    auto close = [&](QWidget *d) {
        shown << d->windowTitle();
        qobject_cast<QDialog *>(d)->reject();
    };
    whenModal(QStringLiteral("frmShtamp"), close);
    control<QAction>("mnuShtamp")->trigger();
    whenModal(QStringLiteral("frmShtamp"), close);
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("EditSht")));
    EXPECT_EQ(shown, QStringList(2, QStringLiteral("Штамп")));
}

// The purpose list follows every write of the purpose dialogs and their closing; a refilled list
// keeps the purpose chosen, so the edit button stays on with it and a rename always applies to the
// purpose shown.
TEST_F(MainWindowTest, PurposeButtonsAddAndRenameAndTheListFollows)
{
    frmMain &w = open();
    model::state().Parcels.Add(model::Parcel{});
    w.UpdateDataControls();
    auto *cil = control<QComboBox>("cmbCil");
    auto *bEdit = control<QToolButton>("bEdit");
    const int count = cil->count();

    int listedWhileOpen = 0;
    whenModal(QStringLiteral("frmAddC"), [&](QWidget *d) {
        d->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(QStringLiteral("для бджільництва"));
        press(d, "Command1");
        listedWhileOpen = cil->count();
        press(d, "Command2");
    });
    qobject_cast<QAbstractButton *>(control("bAdd"))->click();
    EXPECT_EQ(listedWhileOpen, count + 1);
    EXPECT_EQ(cil->itemText(cil->count() - 1), QStringLiteral("для бджільництва"));
    EXPECT_EQ(cil->currentIndex(), -1);
    EXPECT_FALSE(bEdit->isEnabled());

    // Choose it, rename it: the list shows the new text, still chosen.
    cil->setCurrentIndex(cil->count() - 1);
    QCoreApplication::processEvents();
    ASSERT_TRUE(bEdit->isEnabled());
    QString opened;
    whenModal(QStringLiteral("frmEditC"), [&](QWidget *d) {
        auto *txt = d->findChild<QLineEdit *>(QStringLiteral("txtRes"));
        opened = txt->text();
        txt->setText(QStringLiteral("для ведення бджільництва"));
        press(d, "Command1");
        press(d, "Command2");
    });
    bEdit->click();
    EXPECT_EQ(opened, QStringLiteral("для бджільництва"));
    EXPECT_EQ(cil->itemText(cil->count() - 1), QStringLiteral("для ведення бджільництва"));
    EXPECT_EQ(cil->currentIndex(), cil->count() - 1);
    EXPECT_TRUE(bEdit->isEnabled());

    // The add dialog closed by its close box after a choice: the list is refilled with the choice kept.
    cil->setCurrentIndex(0);
    QCoreApplication::processEvents();
    ASSERT_TRUE(bEdit->isEnabled());
    whenModal(QStringLiteral("frmAddC"), [](QWidget *d) { d->close(); });
    qobject_cast<QAbstractButton *>(control("bAdd"))->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(cil->currentIndex(), 0);
    EXPECT_TRUE(bEdit->isEnabled());
    EXPECT_TRUE(prompts->calls.empty());
}

// What the title block dialog accepts is printed in the title block of the next plan.
TEST_F(MainWindowTest, APlanMadeAfterTheTitleBlockIsFilledCarriesItsNames)
{
    programDir = testsupport::programDir(); // the built templates
    open();
    whenModal(QStringLiteral("frmShtamp"), [](QWidget *d) {
        d->findChild<QPlainTextEdit *>(QStringLiteral("txtOrg"))->setPlainText(QStringLiteral("ТОВ «Земля і право»"));
        const std::pair<const char *, const char *> names[] = {
            {"nDur", "О'Коннор П.С."}, {"nSkl", "Мар'яненко О.І."}, {"nKresl", "Бойко Т.В."}, {"nChek", "Мельник С.А."}};
        for (const auto &[box, name] : names)
            d->findChild<QLineEdit *>(QString::fromLatin1(box))->setText(QString::fromUtf8(name));
        press(d, "bOk");
    });
    control<QAction>("mnuShtamp")->trigger();

    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    const QString out = QDir(testsupport::tempDir()).filePath(QStringLiteral("plans"));
    QDir().mkpath(out);
    documents::options().OutputFolder = documents::OutputFolderOf(out);
    whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
        press(d, "wType_1");
        press(d, "Command1");
    });
    control<QAction>("mnuGo")->trigger();

    QDirIterator it(out, {QStringLiteral("*.docx")});
    ASSERT_TRUE(it.hasNext()) << prompts->messages().join(QLatin1Char('|')).toStdString();
    const QString plan = it.next();
    if (const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR"); !keep.isEmpty())
        QFile::copy(plan, QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("plan-after-title-block.docx")));
    office::WordApp word;
    office::Document &doc = word.Documents_Open(plan);
    auto text = [&](const char *bookmark) { return doc.Bookmarks(QString::fromLatin1(bookmark)).Text(); };
    EXPECT_EQ(text("nDur"), QStringLiteral("О'Коннор П.С."));
    EXPECT_EQ(text("nSkl"), QStringLiteral("Мар'яненко О.І."));
    EXPECT_EQ(text("nKresl"), QStringLiteral("Бойко Т.В."));
    EXPECT_EQ(text("nChek"), QStringLiteral("Мельник С.А."));
    EXPECT_EQ(text("pDur"), QStringLiteral("Директор"));
    EXPECT_TRUE(text("Organ").startsWith(QStringLiteral("ТОВ «Земля і право»"))) << text("Organ").toStdString();
}

// Officials corrected in the territory dialog's pop-ups for the territory the documents print,
// the accepted one or the one the opened file's code names, are printed by the next act, also
// when the territory dialog is then closed without accepting; those of another district wait
// until a territory with it is accepted.
TEST_F(MainWindowTest, CorrectedOfficialsPrintInTheNextActWhenTheTerritoryDialogIsClosed)
{
    programDir = testsupport::programDir(); // the built templates
    const QString district = QStringLiteral("Києво-Святошинський район");
    const QString council = QStringLiteral("Софіївсько-Борщагівська сільська");
    // The district-officials pop-up of the district the dialog holds: every row is given a name.
    const auto correctDistrict = [](QWidget *terra, const QStringList &names) {
        whenModal(QStringLiteral("frmNamesR"), [names](QWidget *w) {
            auto *lst = w->findChild<QTreeWidget *>(QStringLiteral("lstPibs"));
            for (int i = 0; i < lst->topLevelItemCount(); ++i)
                lst->topLevelItem(i)->setText(0, names.value(i));
            press(w, "bOk");
        });
        press(terra, "bR");
    };
    const struct {
        const char *name;
        bool acceptFirst;
        const char *koatuu;
    } cases[] = {
        // The file's header names other officials (ZM, GL); the operator corrects them. First,
        // as at the start of a day's work, when no territory has been accepted.
        {"only the file's territory", false, "3222486201"},
        {"a territory accepted before", true, "3222486200"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openWithSample();
        if (c.acceptFirst) {
            whenModal(QStringLiteral("frmTerra"), [&](QWidget *d) {
                pick(d, "cmbReg", district);
                pick(d, "cmbRada", council);
                press(d, "bOk");
            });
            control<QAction>("mnuTerra")->trigger();
        }
        ASSERT_EQ(model::state().Koatuu, QString::fromLatin1(c.koatuu));
        // Names of this case's own, so that none is left from the case before.
        const QString mark = QString::fromUtf8(c.acceptFirst ? "Перший" : "Другий");
        const QString zem = QStringLiteral("О'Коннор Петро ") + mark, arhit = QStringLiteral("Мар'яненко Ольга ") + mark,
                      goladm = QStringLiteral("Головко Адам ") + mark, head = QStringLiteral("Д'Артаньян Ірина ") + mark;
        whenModal(QStringLiteral("frmTerra"), [&](QWidget *d) {
            pick(d, "cmbReg", district);
            correctDistrict(d, {zem, arhit, goladm});
            pick(d, "cmbRada", council);
            whenModal(QStringLiteral("frmNames"), [&](QWidget *w) {
                auto *names = qobject_cast<frmNames *>(w);
                for (int i = 0; i < 7; ++i)
                    names->Timer1_Timer();
                auto *txt = w->findChild<QLineEdit *>(QStringLiteral("txtName"));
                txt->selectAll();
                widgettesting::typeText(txt, head);
                press(w, "bOk");
            });
            press(d, "bG");
            // Another district's officials are stored, and wait for their territory.
            pick(d, "cmbReg", QStringLiteral("Бориспільський район"));
            correctDistrict(d, {QStringLiteral("Іншого Району"), QStringLiteral("Іншого Району"),
                                QStringLiteral("Іншого Району")});
            d->close();
        });
        control<QAction>("mnuTerra")->trigger();
        EXPECT_EQ(model::state().Koatuu, QString::fromLatin1(c.koatuu));
        EXPECT_EQ(model::state().RaiZem, zem);
        EXPECT_EQ(model::state().Golova, head);
        EXPECT_EQ(reference::state().Arhit, arhit);
        EXPECT_EQ(reference::state().GolAdm, goladm);

        // The land-share act, signed by the council's head, prints both where its form has them.
        control<QTabWidget>("SSTab1")->setCurrentWidget(control("tabActs"));
        control<QRadioButton>("Opt_4")->click();
        control<QComboBox>("cmbWho")->setCurrentIndex(0);
        node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
        const QStringList made = makeSavedDocuments(QDir(testsupport::tempDir()).filePath(QStringLiteral("acts")));
        ASSERT_EQ(made.size(), 1) << prompts->messages().join(QLatin1Char('|')).toStdString();
        office::WordApp word;
        office::Document &doc = word.Documents_Open(made[0]);
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("Golova")).Text(), head);
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("RaiZem")).Text(), zem);
    }
}
