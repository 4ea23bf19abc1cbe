#include "platform/prompts.h"
#include "platform/forms/qtprompts.h"
#include "platform/forms/waitcursor.h"
#include "platform/scriptedprompts.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgettesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <functional>
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

namespace {

// The real message box, answered by `act` once it is up; the box's answer.
MsgAnswer answerRealBox(MsgButtons buttons, std::optional<MsgAnswer> defaultAnswer,
                        std::function<void(QMessageBox *)> act)
{
    bool shown = false;
    widgettesting::whenModal(QString(), [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        shown = true;
        act(box);
    });
    QtPrompts real;
    const MsgAnswer answer =
        real.message(MessageRequest{QStringLiteral("Питання"), productTitle(), MsgIcon::Question, buttons, defaultAnswer});
    EXPECT_TRUE(shown);
    return answer;
}

struct ButtonSet {
    const char *name;
    MsgButtons buttons;
    /// Each button and its answer.
    std::vector<std::pair<QMessageBox::StandardButton, MsgAnswer>> answers;
    MsgAnswer onEscape;             ///< the answer that changes nothing
};

const std::vector<ButtonSet> &buttonSets()
{
    static const std::vector<ButtonSet> sets = {
        {"OK", MsgButtons::Ok, {{QMessageBox::Ok, MsgAnswer::Ok}}, MsgAnswer::Ok},
        {"OK, Cancel", MsgButtons::OkCancel, {{QMessageBox::Ok, MsgAnswer::Ok}, {QMessageBox::Cancel, MsgAnswer::Cancel}}, MsgAnswer::Cancel},
        {"Abort, Retry, Ignore",
         MsgButtons::AbortRetryIgnore,
         {{QMessageBox::Abort, MsgAnswer::Abort}, {QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Ignore, MsgAnswer::Ignore}},
         MsgAnswer::Abort},
        {"Yes, No, Cancel",
         MsgButtons::YesNoCancel,
         {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}, {QMessageBox::Cancel, MsgAnswer::Cancel}},
         MsgAnswer::Cancel},
        {"Yes, No", MsgButtons::YesNo, {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}}, MsgAnswer::No},
        {"Retry, Cancel", MsgButtons::RetryCancel, {{QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Cancel, MsgAnswer::Cancel}},
         MsgAnswer::Cancel},
    };
    return sets;
}

} // namespace

TEST(QtPromptsTest, EveryButtonOfTheRealMessageBoxGivesItsOwnAnswer)
{
    for (const ButtonSet &set : buttonSets()) {
        SCOPED_TRACE(set.name);
        for (const auto &[button, answer] : set.answers) {
            SCOPED_TRACE(int(answer));
            // Clicked, and pressed with Enter as the box's default button.
            EXPECT_EQ(answerRealBox(set.buttons, std::nullopt,
                                    [button = button](QMessageBox *box) {
                                        if (QAbstractButton *b = box->button(button))
                                            b->click();
                                        else
                                            box->done(-1), ADD_FAILURE() << "no such button";
                                    }),
                      answer);
            EXPECT_EQ(answerRealBox(set.buttons, answer, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }),
                      answer);
        }
        // Escape answers with the button that changes nothing.
        EXPECT_EQ(answerRealBox(set.buttons, std::nullopt, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }),
                  set.onEscape);
    }
}

TEST(QtPromptsTest, TheRealFileDialogsGiveTheFileAndTheFilterChosen)
{
    const QString dir = testsupport::tempDir() + QStringLiteral("/filedialogs");
    QDir().mkpath(dir);
    const QString file = dir + QStringLiteral("/a.in4");
    QFile(file).open(QIODevice::WriteOnly);
    // The open dialog's own filters: three of them share the pattern, and the labels carry one.
    FileDialogRequest request;
    request.filters = {{QStringLiteral("Обмінні файли (*.in4)- DOS"), QStringLiteral("*.in4")},
                       {QStringLiteral("Обмінні файли (*.in4)- WIN"), QStringLiteral("*.in4")},
                       {QStringLiteral("Файли (*.in5)- DOS"), QStringLiteral("*.in5")},
                       {QStringLiteral("Обмінні файли (Центр ДЗК)"), QStringLiteral("*.in4")}};
    request.directory = dir;
    request.mustExist = true;
    QtPrompts real;
    for (const bool save : {false, true}) {
        for (int chosen = 1; chosen <= int(request.filters.size()); ++chosen) {
            SCOPED_TRACE(testing::Message() << (save ? "save" : "open") << ", filter " << chosen);
            widgettesting::whenModal(QStringLiteral("QFileDialog"), [&](QWidget *modal) {
                auto *dialog = qobject_cast<QFileDialog *>(modal);
                if (!dialog)
                    return;
                // As the operator picks a line of the list: the combo's own signal.
                auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
                types->setCurrentIndex(chosen - 1);
                Q_EMIT types->activated(chosen - 1);
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("a.in4"));
                static_cast<QDialog *>(dialog)->accept(); // QFileDialog checks the choice as its button does
            });
            const FileDialogResult r = save ? real.saveFile(request) : real.openFile(request);
            EXPECT_TRUE(r.accepted);
            EXPECT_EQ(r.path, file);
            EXPECT_EQ(r.fileTitle, QStringLiteral("a.in4"));
            EXPECT_EQ(r.filterIndex, chosen);
        }
    }
    widgettesting::whenModal(QStringLiteral("QFileDialog"), [](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    EXPECT_FALSE(real.openFile(request).accepted);
}

TEST(QtPromptsTest, TheRealFolderAndFontDialogsGiveWhatWasChosenAndNothingOnCancel)
{
    const QString dir = testsupport::tempDir() + QStringLiteral("/chosen folder");
    QDir().mkpath(dir);
    QtPrompts real;
    widgettesting::whenModal(QStringLiteral("QFileDialog"), [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return;
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(dir);
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(real.chooseFolder(QStringLiteral("Каталог"), testsupport::tempDir()), std::optional<QString>(dir));
    widgettesting::whenModal(QStringLiteral("QFileDialog"), [](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    EXPECT_EQ(real.chooseFolder(QStringLiteral("Каталог"), testsupport::tempDir()), std::nullopt);

    // A family with bold and italic faces, so the dialog can give each.
    const QString family = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                                                   : QFontDatabase::families().value(0);
    ASSERT_FALSE(family.isEmpty());
    const struct {
        int size;
        bool bold, italic;
    } fonts[] = {{11, true, false}, {7, false, true}};
    for (const auto &f : fonts) {
        widgettesting::whenModal(QString(), [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFontDialog *>(modal);
            if (!dialog)
                return;
            QFont font(family, f.size);
            font.setBold(f.bold);
            font.setItalic(f.italic);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        const std::optional<FontChoice> chosen = real.chooseFont(FontChoice{family, 10, false, false});
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->name, family);
        EXPECT_EQ(chosen->size, f.size);
        EXPECT_EQ(chosen->bold, f.bold);
        EXPECT_EQ(chosen->italic, f.italic);
    }
    widgettesting::whenModal(QString(), [](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    EXPECT_EQ(real.chooseFont(FontChoice{family, 10, false, false}), std::nullopt);
}
