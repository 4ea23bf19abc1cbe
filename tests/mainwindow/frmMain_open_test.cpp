#include "tests/mainwindow/mainwindowtesting.h"

#include "model/batchreader.h"
#include "model/exchangereader.h"
#include "model/forms/frmArt.h"
#include "platform/codepage.h"
#include "platform/forms/qtprompts.h"
#include "tests/model/unreadablefiles.h"
#include "tests/support/widgettesting.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <functional>

using mainwindowtesting::MainWindowTest;

namespace {

QString sample(const char *name)
{
    return testsupport::sourcePath(QStringLiteral("samples/") + QString::fromLatin1(name));
}

/// The sample's parse as the reader gives it, to compare the window with.
model::LoadResult expected(const char *name, int filter)
{
    platform::NullProgress quiet;
    return model::LoadExchangeFile(sample(name), filter, quiet);
}

/// Messages on the real message box; the file dialogs still answered by the script.
class RealMessages : public platform::QtPrompts {
public:
    explicit RealMessages(platform::Prompts &script) : m_script(script) {}
    platform::FileDialogResult openFile(const platform::FileDialogRequest &request) override
    {
        return m_script.openFile(request);
    }

private:
    platform::Prompts &m_script;
};

} // namespace

TEST_F(MainWindowTest, OpeningASampleFillsTreeControlsAndCounts)
{
    frmMain &w = open();
    EXPECT_FALSE(control("SSTab1")->isEnabled());
    const model::LoadResult want = expected("sofiivska-win.in4", 2);
    ASSERT_GE(want.Parcels.UBound(), 3);

    answerOpen(sample("sofiivska-win.in4"), 2);
    control<QAction>("mnuOpen")->trigger();

    const model::ParcelList &parcels = model::state().Parcels;
    ASSERT_EQ(parcels.UBound(), want.Parcels.UBound());
    EXPECT_EQ(panel(2), QStringLiteral("Ділянок: %1; Угідь: %2; Пікетів: %3")
                            .arg(want.ParcelCount).arg(want.LandUseCount).arg(want.PointCount));
    EXPECT_EQ(control<QLabel>("lKoatu")->text(), want.Koatuu);
    EXPECT_EQ(model::state().FileFilter, 2);
    EXPECT_FALSE(model::state().TerritoryText.isEmpty()); // the sample's KOATUU is in the seed

    QTreeWidget *t = tree();
    ASSERT_EQ(t->topLevelItemCount(), parcels.UBound());
    int landUses = 0;
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const model::Parcel &p = want.Parcels[i];
        QTreeWidgetItem *n = t->topLevelItem(i - 1);
        EXPECT_EQ(frmMain::NodeKey(n), QString::number(i) + QLatin1Char('o'));
        EXPECT_EQ(n->text(0), p.NM);
        const int row = p.KZ.trimmed().toInt();
        EXPECT_EQ(frmMain::NodeImage(n), row == 21 ? 16 : row == 22 ? 15 : 1) << "KZ " << p.KZ.toStdString();
        ASSERT_EQ(n->childCount(), 9 + p.LandUses.UBound());
        EXPECT_EQ(n->child(1)->text(0), p.KF);
        EXPECT_EQ(n->child(6)->text(0), p.Number);
        if (p.LandUses.UBound() >= 1) {
            EXPECT_EQ(n->child(9)->text(0), p.LandUses[1].CN);
        }
        landUses += p.LandUses.UBound();
    }
    EXPECT_EQ(landUses, want.LandUseCount);

    for (const char *name : {"SSTab1", "cmbCil", "bMap", "frMash", "frArea", "cmbType", "bAdd", "frServ"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QMenu>("mnuExport")->menuAction()->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuSave")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuGo")->isEnabled());
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));

    // Two parcels ticked.
    t->topLevelItem(0)->setCheckState(0, Qt::Checked);
    t->topLevelItem(2)->child(3)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 2"));
    EXPECT_TRUE(control<QAction>("mnuGo")->isEnabled());
    EXPECT_TRUE(w.tBarButton(QStringLiteral("SaveChk"))->isEnabled());
}

TEST_F(MainWindowTest, DosAndCentreVariantsOpenThroughTheirFilters)
{
    open();
    const struct {
        const char *file;
        int filter;
    } cases[] = {{"sofiivska-dos.in4", 1}, {"sofiivska-dos.in5", 3}, {"sofiivska-win.in5", 4},
                 {"sofiivska-centre.in4", 5}};
    for (const auto &c : cases) {
        const model::LoadResult want = expected(c.file, c.filter);
        answerOpen(sample(c.file), c.filter);
        control<QAction>("mnuOpen")->trigger();
        EXPECT_EQ(panel(2), want.StatusText) << c.file;
        ASSERT_EQ(tree()->topLevelItemCount(), want.Parcels.UBound()) << c.file;
        EXPECT_EQ(tree()->topLevelItem(0)->text(0), want.Parcels[1].NM) << c.file;
    }
}

TEST_F(MainWindowTest, AFailedLoadKeepsTheEarlierParcelsAndSaysWhy)
{
    open();
    answerOpen(sample("sofiivska-win.in4"), 2);
    control<QAction>("mnuOpen")->trigger();
    const int parcels = model::state().Parcels.UBound();
    const QString counts = panel(2);
    const QString koatuu = control<QLabel>("lKoatu")->text();
    tree()->topLevelItem(1)->setCheckState(0, Qt::Checked);
    prompts->calls.clear();

    // A point line without its coordinates on line 3.
    const QString broken = QDir(programDir).filePath(QStringLiteral("broken.in4"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("NM=\"Broken\",\r\nCN=\"12\",\r\nN=1,NP=\"1\",\r\n");
    f.close();
    answerOpen(broken, 2);
    control<QAction>("mnuOpen")->trigger();

    ASSERT_EQ(prompts->messages().size(), 1);
    const QString message = prompts->messages().first();
    EXPECT_TRUE(message.contains(broken)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("рядок 3"))) << message.toStdString();
    EXPECT_EQ(prompts->calls.back().message.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(model::state().Parcels.UBound(), parcels);
    EXPECT_EQ(tree()->topLevelItemCount(), parcels);
    EXPECT_EQ(tree()->topLevelItem(1)->checkState(0), Qt::Checked);
    EXPECT_EQ(panel(2), counts);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
    EXPECT_EQ(control<QLabel>("lKoatu")->text(), koatuu);
    EXPECT_EQ(model::state().FileName, sample("sofiivska-win.in4"));

    // A file that is not there fails the same way.
    answerOpen(QDir(programDir).filePath(QStringLiteral("none.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(prompts->messages().size(), 2);
    EXPECT_EQ(model::state().Parcels.UBound(), parcels);

    // A cancelled dialog changes nothing and says nothing.
    control<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(prompts->messages().size(), 2);
    EXPECT_EQ(tree()->topLevelItemCount(), parcels);
}

TEST_F(MainWindowTest, AFileWithoutParcelsIsRefusedAndTheWorkStays)
{
    open();
    answerOpen(sample("sofiivska-win.in4"), 2);
    control<QAction>("mnuOpen")->trigger();
    tree()->topLevelItem(1)->setCheckState(0, Qt::Checked);
    const int parcels = model::state().Parcels.UBound();
    const QString counts = panel(2);
    prompts->calls.clear();

    QByteArray picture;
    {
        QBuffer buffer(&picture);
        buffer.open(QIODevice::WriteOnly);
        QImage(32, 32, QImage::Format_RGB32).save(&buffer, "PNG");
    }
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"picture.in4", picture},
        {"empty.in4", ""},
        {"letter.in4", QStringLiteral("Шановний голово!\r\nПрошу виділити ділянку.\r\n").toUtf8()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QDir(programDir).filePath(QString::fromLatin1(c.name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        prompts->calls.clear();
        answerOpen(path, 2);
        control<QAction>("mnuOpen")->trigger();

        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_TRUE(prompts->messages()[0].contains(QStringLiteral("немає жодної ділянки")))
            << prompts->messages()[0].toStdString();
        EXPECT_TRUE(prompts->messages()[0].contains(path));
        EXPECT_EQ(model::state().Parcels.UBound(), parcels);
        EXPECT_EQ(tree()->topLevelItemCount(), parcels);
        EXPECT_EQ(tree()->topLevelItem(1)->checkState(0), Qt::Checked);
        EXPECT_EQ(panel(2), counts);
        EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
        EXPECT_TRUE(control("SSTab1")->isEnabled());
    }
}

TEST_F(MainWindowTest, TheWrongCodePageWarnsAndCanBeCancelled)
{
    open();
    const struct {
        const char *file;
        int filter;
        const char *suggested; // empty: no warning
        platform::MsgAnswer answer;
    } cases[] = {
        {"sofiivska-dos.in4", 1, "", platform::MsgAnswer::Ok},
        {"sofiivska-win.in4", 1, "Обмінні файли (*.in4)- WIN", platform::MsgAnswer::Cancel},
        {"sofiivska-dos.in5", 4, "Файли (*.in5)- DOS", platform::MsgAnswer::Cancel},
        {"sofiivska-win.in5", 3, "Файли (*.in5)- WIN", platform::MsgAnswer::Ok},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const model::ParcelList before = model::state().Parcels;
        const QString counts = panel(2);
        prompts->calls.clear();
        const bool warned = *c.suggested != 0;
        const bool loaded = !warned || c.answer == platform::MsgAnswer::Ok;
        if (warned)
            prompts->answers.push_back(c.answer);
        answerOpen(sample(c.file), c.filter);
        control<QAction>("mnuOpen")->trigger();
        // An in5 file also gets the KOATUU message once loaded.
        ASSERT_EQ(prompts->messages().filter(QStringLiteral("іншому кодуванні")).size(), warned ? 1 : 0);
        if (warned) {
            const platform::MessageRequest &m = prompts->calls.at(1).message; // after the dialog
            EXPECT_TRUE(m.text.contains(QStringLiteral("«%1»").arg(QString::fromUtf8(c.suggested)))) << m.text.toStdString();
            EXPECT_EQ(m.buttons, platform::MsgButtons::OkCancel);
        }
        if (loaded) {
            EXPECT_EQ(model::state().FileFilter, c.filter);
            EXPECT_EQ(model::state().FileName, sample(c.file));
        } else {
            EXPECT_EQ(model::state().Parcels, before);
            EXPECT_EQ(panel(2), counts);
        }
    }

    // A file in UTF-8, which neither filter reads: said so, and "Скасувати" keeps what was loaded.
    QFile win(sample("sofiivska-win.in4"));
    ASSERT_TRUE(win.open(QIODevice::ReadOnly));
    const QString utf8 = QDir(testsupport::tempDir()).filePath(QStringLiteral("utf8.in4"));
    QFile out(utf8);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(platform::Decode(win.readAll(), platform::CodePage::Win).toUtf8());
    out.close();
    const model::ParcelList before = model::state().Parcels;
    prompts->calls.clear();
    prompts->answers.push_back(platform::MsgAnswer::Cancel);
    answerOpen(utf8, 2);
    control<QAction>("mnuOpen")->trigger();
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().first().startsWith("Схоже, файл записано в кодуванні UTF-8"))
        << prompts->messages().first().toStdString();
    EXPECT_EQ(model::state().Parcels, before);
}

TEST_F(MainWindowTest, ANewLoadClearsTheSelectionOfThePreviousFile)
{
    open();
    answerOpen(sample("sofiivska-win.in4"), 2);
    control<QAction>("mnuOpen")->trigger();
    control<QAction>("mnuSel")->trigger();
    ASSERT_TRUE(control<QAction>("mnuGo")->isEnabled());

    answerOpen(sample("sofiivska-win.in5"), 4);
    control<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));
    EXPECT_FALSE(control<QAction>("mnuGo")->isEnabled());
}

TEST_F(MainWindowTest, WindowWithASampleCanBeLookedAt)
{
    frmMain &w = open();
    answerOpen(sample("sofiivska-win.in4"), 2);
    control<QAction>("mnuOpen")->trigger();
    tree()->topLevelItem(0)->setExpanded(true);
    tree()->topLevelItem(0)->setCheckState(0, Qt::Checked);
    w.resize(1280, 800);
    w.show();
    QCoreApplication::processEvents();
    tree()->setCurrentItem(tree()->topLevelItem(0));
    w.MyTree_NodeClick(tree()->topLevelItem(0));
    w.Timer1_Timer();
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.width(), 1280);
    if (const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR"); !dir.isEmpty()) {
        const QDir out(QString::fromLocal8Bit(dir));
        shot.save(out.filePath(QStringLiteral("frmMain.png")));
        // The other faces of the two tab panels.
        control<QTabWidget>("SSTab1")->setCurrentIndex(1);
        control<QTabWidget>("tabView")->setCurrentIndex(1);
        w.grab().save(out.filePath(QStringLiteral("frmMain_tabs.png")));
    }
}

// Both code-page questions on the real message box: Enter presses "Скасувати", and the parcels
// loaded before stay, as on every question that can lose work.
TEST_F(MainWindowTest, EnterOnTheCodePageQuestionsKeepsTheLoadedParcels)
{
    frmMain &w = open();
    openSample();
    const model::ParcelList loaded = model::state().Parcels;
    const QString counts = panel(2);
    ASSERT_GT(loaded.UBound(), 0);

    const QString folder = testsupport::tempDir();
    QFile art(QDir(folder).filePath(QStringLiteral("a.art")));
    ASSERT_TRUE(art.open(QIODevice::WriteOnly));
    art.write(platform::Encode(QStringLiteral("Коваленко Ірина\r\n1 0 0\r\n2 0 10\r\n3 10 10\r\n"), platform::CodePage::Win));
    art.close();

    const struct {
        const char *question;
        std::function<void()> ask;
    } cases[] = {
        {"Відкрити файл",
         [&] {
             answerOpen(sample("sofiivska-win.in4"), 1);
             control<QAction>("mnuOpen")->trigger();
         }},
        {"пакетний імпорт",
         [&] {
             std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchContour);
             dialog->Dir1_Change(folder);
             dialog->Command1_Click();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.question);
        std::unique_ptr<platform::Prompts> scripted = platform::setPrompts(std::make_unique<RealMessages>(*prompts));
        QString asked;
        QMessageBox::StandardButton enterPresses = QMessageBox::NoButton;
        widgettesting::whenModal(QString(), [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            asked = box->text();
            enterPresses = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        c.ask();
        platform::setPrompts(std::move(scripted));
        EXPECT_TRUE(asked.startsWith(QStringLiteral("Схоже, ")) && asked.contains(QStringLiteral("кодуванні")))
            << asked.toStdString();
        EXPECT_EQ(enterPresses, QMessageBox::Cancel);
        EXPECT_EQ(model::state().Parcels, loaded);
        EXPECT_EQ(tree()->topLevelItemCount(), loaded.UBound());
        EXPECT_EQ(panel(2), counts);
        EXPECT_EQ(model::state().FileName, sample("sofiivska-win.in4"));
    }
}

// A named pipe, a link to /dev/zero, a folder or a file far too large chosen in the open dialog is
// refused at once with the reason, and the parcels loaded before stay.
TEST_F(MainWindowTest, WhatIsNoRegularFileOrFarTooLargeIsRefusedAtOnceAndTheWorkStays)
{
    open();
    openSample();
    const model::ParcelList loaded = model::state().Parcels;
    const QString counts = panel(2);
    for (const unreadable::Kind &u : unreadable::kinds()) {
        SCOPED_TRACE(u.what);
        const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("x.in4"));
        ASSERT_TRUE(u.make(path));
        prompts->calls.clear();
        answerOpen(path, 1);
        QElapsedTimer clock;
        clock.start();
        {
            const unreadable::PipeWatch watch(path);
            control<QAction>("mnuOpen")->trigger();
        }
        EXPECT_LT(clock.elapsed(), 1000);
        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_EQ(prompts->messages()[0].section(u'\n', 0, 0), QStringLiteral("Файл не відкрито."));
        EXPECT_TRUE(prompts->messages()[0].section(u'\n', 1).startsWith(QString::fromUtf8(u.said)))
            << prompts->messages()[0].toStdString();
        EXPECT_TRUE(prompts->messages()[0].endsWith(QStringLiteral("Файл: ") + path));
        EXPECT_EQ(model::state().Parcels, loaded);
        EXPECT_EQ(tree()->topLevelItemCount(), loaded.UBound());
        EXPECT_EQ(panel(2), counts);
        EXPECT_EQ(model::state().FileName, sample("sofiivska-win.in4"));
    }
}
