#include "platform/prompts.h"
#include "platform/forms/qtprompts.h"
#include "platform/forms/waitcursor.h"
#include "platform/scriptedprompts.h"
#include "tests/support/widgettesting.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

class PromptsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto p = std::make_unique<ScriptedPrompts>();
        scripted = p.get();
        setPrompts(std::move(p));
    }
    void TearDown() override { setPrompts(nullptr); }
    ScriptedPrompts *scripted = nullptr;
};

TEST_F(PromptsTest, RecordsMessagesAndAnswersFromTheQueue)
{
    scripted->answers.push_back(MsgAnswer::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Зберегти?"), productTitle(), MsgIcon::Question, MsgButtons::YesNo), MsgAnswer::No);
    // An empty queue answers with the first button.
    EXPECT_EQ(MsgBox(QStringLiteral("Далі?"), QString(), MsgIcon::None, MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(MsgBox(QStringLiteral("Готово")), MsgAnswer::Ok);
    ASSERT_EQ(scripted->calls.size(), 3u);
    EXPECT_EQ(scripted->calls[0].message.title, QStringLiteral("Zemograf"));
    EXPECT_EQ(scripted->calls[0].message.icon, MsgIcon::Question);
    EXPECT_EQ(scripted->messages(), (QStringList{QStringLiteral("Зберегти?"), QStringLiteral("Далі?"), QStringLiteral("Готово")}));
}

TEST_F(PromptsTest, SystemReasonsInMessagesReadInUkrainian)
{
    const struct {
        const char *shown, *expected;
    } cases[] = {
        {"Не вдалося записати файл: Read-only file system\nФайл: /mnt/a.in4",
         "Не вдалося записати файл: файлова система доступна лише для читання\nФайл: /mnt/a.in4"},
        {"Не вдалося записати файл: No space left on device", "Не вдалося записати файл: на диску не залишилося вільного місця"},
        {"Не вдалося відкрити файл: Permission denied", "Не вдалося відкрити файл: немає дозволу на доступ"},
        {"Не вдалося відкрити файл: permission denied", "Не вдалося відкрити файл: немає дозволу на доступ"},
        {"Не вдалося відкрити файл: No such file or directory", "Не вдалося відкрити файл: немає такого файлу або теки"},
        {"Файл /home/Permission/a.in4 не знайдено", "Файл /home/Permission/a.in4 не знайдено"},
    };
    for (const auto &c : cases) {
        MsgBox(QString::fromUtf8(c.shown), productTitle(), MsgIcon::Exclamation);
        EXPECT_EQ(scripted->messages().last(), QString::fromUtf8(c.expected));
    }
}

TEST_F(PromptsTest, FileDialogsCancelUnlessAnswered)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Відкрити файл");
    request.filters = {{QStringLiteral("in4 DOS"), QStringLiteral("*.in4")}, {QStringLiteral("in4 WIN"), QStringLiteral("*.in4")}};
    request.filterIndex = 2;
    request.mustExist = true;
    EXPECT_FALSE(prompts().openFile(request).accepted);

    scripted->files.push_back(FileDialogResult{true, QStringLiteral("/data/a.in4"), QString(), 2});
    const FileDialogResult r = prompts().openFile(request);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.fileTitle, QStringLiteral("a.in4"));
    EXPECT_EQ(r.filterIndex, 2);
    ASSERT_EQ(scripted->calls.size(), 2u);
    EXPECT_EQ(scripted->calls[1].kind, ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(scripted->calls[1].file.filters.size(), 2u);
    EXPECT_TRUE(scripted->calls[1].file.mustExist);
}

TEST_F(PromptsTest, FolderAndFontChoosers)
{
    EXPECT_FALSE(prompts().chooseFolder(QStringLiteral("Каталог"), QString()).has_value());
    scripted->folders.push_back(QStringLiteral("/tmp/out"));
    EXPECT_EQ(prompts().chooseFolder(QStringLiteral("Каталог"), QString()).value(), QStringLiteral("/tmp/out"));

    const FontChoice initial{QStringLiteral("Times New Roman"), 12, true, false};
    scripted->fonts.push_back(FontChoice{QStringLiteral("Arial"), 8, false, true});
    EXPECT_EQ(prompts().chooseFont(initial)->name, QStringLiteral("Arial"));
    EXPECT_EQ(scripted->calls.back().font, initial);
}

TEST(QtPromptsTest, AMessageAmidWorkShowsTheArrowAndTheHourglassComesBack)
{
    setPrompts(std::make_unique<QtPrompts>());
    Qt::CursorShape shown = Qt::BlankCursor;
    {
        WaitCursor wait;
        widgettesting::whenModal(QString(), [&](QWidget *box) {
            shown = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::BlankCursor;
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(MsgBox(QStringLiteral("Файл не відкрито.")), MsgAnswer::Ok);
        EXPECT_EQ(shown, Qt::ArrowCursor);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    setPrompts(nullptr);
}
