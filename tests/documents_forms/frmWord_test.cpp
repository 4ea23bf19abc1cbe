#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/scriptedprompts.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using documents::options;

namespace {

class frmWordTest : public dialogtesting::DialogTest {
protected:
    template <class T> static T *control(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
};

const char *const kTypes[] = {"wType_0", "wType_1", "wType_2"};

} // namespace

TEST_F(frmWordTest, OpensWithThePreviousActionAndTheFolderButtonInItsState)
{
    for (uint8_t action : {0, 1, 2}) {
        SCOPED_TRACE(action);
        options().DocAction = action;
        frmWord w;
        w.show();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(control<QRadioButton>(w, kTypes[i])->isChecked(), i == action);
        EXPECT_EQ(control<QPushButton>(w, "bKatalog")->isEnabled(), action != 0);
        EXPECT_EQ(control<QLabel>(w, "lWP")->text(), QStringLiteral("Файли буде збережено: "));
    }
}

TEST_F(frmWordTest, ChoosingAnActionSetsItAndTheFolderButton)
{
    options().OutputFolder = QStringLiteral("/srv/plans/");
    frmWord w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Що робимо з документом"));
    EXPECT_EQ(control<QLabel>(w, "lWP")->text(), QStringLiteral("Файли буде збережено: /srv/plans/"));
    for (int i : {2, 0, 1}) {
        control<QRadioButton>(w, kTypes[i])->click();
        EXPECT_EQ(options().DocAction, i);
        EXPECT_EQ(control<QPushButton>(w, "bKatalog")->isEnabled(), i != 0);
    }
    dialogtesting::keepPicture(&w, QStringLiteral("frmWord"));
}

TEST_F(frmWordTest, EveryWayOfClosingSetsTheOutcome)
{
    struct Case {
        const char *name;
        uint8_t action;
        const char *folder;
        std::function<void(frmWord &)> close;
        bool ok;
    };
    auto click = [](const char *name) {
        return [name](frmWord &w) { w.findChild<QPushButton *>(QString::fromLatin1(name))->click(); };
    };
    const Case cases[] = {
        {"go on, open, no folder needed", 0, "", click("Command1"), true},
        {"go on, save", 1, "/tmp/out/", click("Command1"), true},
        {"go on, save and print", 2, "/tmp/out/", click("Command1"), true},
        {"cancel", 1, "/tmp/out/", click("Command2"), false},
        {"window box", 0, "", [](frmWord &w) { w.close(); }, false},
        {"escape", 2, "/tmp/out/", [](frmWord &w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        documents::resetOptions();
        options().DocAction = c.action;
        options().OutputFolder = QString::fromLatin1(c.folder);
        options().DocDialogOk = !c.ok;  // left from an earlier batch; every close sets it
        frmWord w;
        w.show();
        c.close(w);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(options().DocDialogOk, c.ok);
        EXPECT_EQ(options().DocDialogButton, 0);
        EXPECT_EQ(options().DocAction, c.action);
        EXPECT_TRUE(scripted->messages().isEmpty());
    }
}

TEST_F(frmWordTest, SavingWaitsForAFolder)
{
    frmWord w;
    w.show();
    control<QRadioButton>(w, "wType_2")->click();
    control<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(scripted->calls.size(), 1u);
    EXPECT_EQ(scripted->calls[0].message.text, QStringLiteral("Вкажіть каталог для збереження файлів !"));
    EXPECT_EQ(scripted->calls[0].message.title, QStringLiteral("Zemograf"));

    // The folder chooser cancelled: still no folder, still no way on.
    control<QPushButton>(w, "bKatalog")->click();
    control<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(scripted->messages().size(), 2);

    scripted->folders.push_back(QStringLiteral("/tmp/plans"));
    control<QPushButton>(w, "bKatalog")->click();
    EXPECT_EQ(options().OutputFolder, QStringLiteral("/tmp/plans/"));
    EXPECT_EQ(control<QLabel>(w, "lWP")->text(), QStringLiteral("Файли буде збережено: /tmp/plans/"));
    control<QPushButton>(w, "Command1")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(options().DocDialogOk);
    EXPECT_EQ(scripted->messages().size(), 2);
}

TEST_F(frmWordTest, FolderAndChoiceStayAfterCancel)
{
    frmWord w;
    w.show();
    control<QRadioButton>(w, "wType_1")->click();
    scripted->folders.push_back(QStringLiteral("/tmp/a"));
    control<QPushButton>(w, "bKatalog")->click();
    control<QPushButton>(w, "Command2")->click();
    EXPECT_FALSE(options().DocDialogOk);
    EXPECT_EQ(options().DocAction, 1);
    EXPECT_EQ(options().OutputFolder, QStringLiteral("/tmp/a/"));
}

TEST_F(frmWordTest, FolderButtonOpensTheInstalledPicker)
{
    int shown = 0;
    frmWord::setOutputFolderPicker([&shown](QWidget *parent) {
        EXPECT_NE(parent, nullptr);
        ++shown;
        options().OutputFolder = QStringLiteral("/srv/x/");
    });
    options().DocAction = 1;
    frmWord w;
    w.show();
    control<QPushButton>(w, "bKatalog")->click();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(scripted->calls.empty());
    EXPECT_EQ(control<QLabel>(w, "lWP")->text(), QStringLiteral("Файли буде збережено: /srv/x/"));
}

TEST_F(frmWordTest, OptionsButtonOpensTheLineStyles)
{
    frmWord w;
    w.show();
    bool seen = false;
    dialogtesting::whenModal(QStringLiteral("frmOpt"), [&seen](QWidget *opt) {
        seen = true;
        opt->findChild<QComboBox *>(QStringLiteral("cmbObj"))->setCurrentIndex(1);
        opt->findChild<QRadioButton *>(QStringLiteral("lOpt_6"))->click();
        opt->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    control<QToolButton>(w, "bOpt")->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(options().AreaLineType, 7);
    EXPECT_TRUE(w.isVisible());
}

TEST(OutputFolderOf, EndsInOneSeparator)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", ""}, {"/", "/"}, {"/tmp", "/tmp/"}, {"/tmp/", "/tmp/"}, {"a", "a"}, {"ab", "ab/"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(documents::OutputFolderOf(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST_F(frmWordTest, ALongerFolderChosenLaterIsShownWhole)
{
    // Wrapped at its blanks and slashes; a name longer than a line, which would be cut off, widens
    // the dialog.
    const struct {
        const char *name;
        QString folder, longestRun;
    } cases[] = {
        {"blanks", QStringLiteral("/home/operator/Документи/Кадастрові плани/Софіївська Борщагівка 2024 рік/Вересень/"), QString()},
        {"one long name", QStringLiteral("/srv/плани/Кадастрові_плани_Софіївсько_Борщагівської_сільської_ради_2024/"),
         QStringLiteral("Кадастрові_плани_Софіївсько_Борщагівської_сільської_ради_2024/")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        options().DocAction = documents::ActionSave;
        frmWord w;
        w.show();
        QCoreApplication::processEvents();
        frmWord::setOutputFolderPicker([&](QWidget *) { options().OutputFolder = c.folder; });
        control<QPushButton>(w, "bKatalog")->click();
        QCoreApplication::processEvents();
        frmWord::setOutputFolderPicker(nullptr);
        QLabel *label = control<QLabel>(w, "lWP");
        EXPECT_EQ(label->text(), QStringLiteral("Файли буде збережено: ") + c.folder);
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        EXPECT_TRUE(w.rect().contains(QRect(label->mapTo(&w, QPoint(0, 0)), label->size())));
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(c.longestRun));
        dialogtesting::keepPicture(&w, QStringLiteral("frmWord-long-folder-%1").arg(QString::fromLatin1(c.name).replace(' ', '-')));
    }
}
