// The batch dialog in its four modes: its folder and file list, its boxes, the import handed to
// the main window, and the batch print through the recording desktop.

#include "model/forms/frmArt.h"

#include "model/batchreader.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "platform/desktop.h"
#include "platform/scriptedprompts.h"
#include "tests/model/printing.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace model;

namespace {

void writeDos(const QString &folder, const QString &name, const QStringList &lines)
{
    QFile f(QDir(folder).filePath(name));
    const QByteArray bytes = platform::Encode(lines.join(QStringLiteral("\r\n")), platform::CodePage::Dos);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << name.toStdString();
}

class BatchDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto p = std::make_unique<platform::ScriptedPrompts>();
        prompts = p.get();
        previousPrompts = platform::setPrompts(std::move(p));
        auto d = std::make_unique<platform::RecordingDesktop>();
        desktop = d.get();
        previousDesktop = platform::setDesktop(std::move(d));
        resetState();
    }
    void TearDown() override
    {
        dialog.reset();
        platform::setDesktop(std::move(previousDesktop));
        platform::setPrompts(std::move(previousPrompts));
        resetState();
    }

    frmArt &open(int mode, const QString &folder)
    {
        state().BatchMode = static_cast<uint8_t>(mode);
        BatchHooks hooks;
        hooks.ClearPicture = [this] { calls << QStringLiteral("clear"); };
        hooks.EnableMainControls = [this] { calls << QStringLiteral("enable"); };
        hooks.RebuildMainTree = [this] { calls << QStringLiteral("rebuild"); };
        hooks.SetStatusText = [this](const QString &text) { calls << QStringLiteral("status ") + text; };
        dialog = std::make_unique<frmArt>(std::move(hooks));
        dialog->Dir1_Change(folder);
        return *dialog;
    }
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        T *w = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QStringList listed() const
    {
        QStringList out;
        auto *list = control<QListWidget>("aFile");
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void loadSample()
    {
        platform::NullProgress progress;
        CommitLoad(LoadExchangeFile(testsupport::sourcePath("samples/sofiivska-win.in4"), 2, progress),
                   QStringLiteral("sofiivska-win.in4"), 2);
    }

    platform::ScriptedPrompts *prompts = nullptr;
    platform::RecordingDesktop *desktop = nullptr;
    std::unique_ptr<platform::Prompts> previousPrompts;
    std::unique_ptr<platform::Desktop> previousDesktop;
    std::unique_ptr<frmArt> dialog;
    QStringList calls;
};

} // namespace

TEST_F(BatchDialog, EachModeHasItsCaptionFilesAndPrintControls)
{
    const QString folder = testsupport::tempDir();
    for (const char *name : {"b.ART", "a.art", "p.txt", "f.in4", "plan.doc", "akt.docx", "notes.odt"})
        writeDos(folder, QString::fromLatin1(name), {});
    const struct {
        int mode;
        const char *caption;
        QStringList files;
        bool printing;
    } cases[] = {
        {BatchContour, "Виберіть каталог з файлами *.art", {"a.art", "b.ART"}, false},
        {BatchPointList, "Виберіть каталог з файлами *.txt", {"p.txt"}, false},
        {BatchIn4, "Виберіть каталог з файлами *.in4", {"f.in4"}, false},
        {BatchPrint, "Виберіть каталог з файлами *.doc", {"akt.docx", "plan.doc"}, true},
    };
    for (const auto &c : cases) {
        frmArt &d = open(c.mode, folder);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(listed(), c.files) << c.mode;
        EXPECT_EQ(control<QGroupBox>("frPrint")->isEnabled(), c.printing) << c.mode;
        EXPECT_EQ(control<QCheckBox>("chAll")->isEnabled(), !c.printing) << c.mode;
        EXPECT_TRUE(control<QCheckBox>("chAll")->isChecked());
        EXPECT_EQ(control<QPushButton>("Command1")->text(), c.printing ? "Друкувати" : "Відкрити");
        EXPECT_EQ(control<QPushButton>("Command2")->text(), "Відміна");
        EXPECT_EQ(control<QLineEdit>("tCopy")->text(), "1");
        EXPECT_EQ(control<QLineEdit>("tPage")->text(), "1");
        EXPECT_TRUE(control<QRadioButton>("r1")->isChecked());
        EXPECT_TRUE(control<QLabel>("lProgr")->text().isEmpty());
        EXPECT_TRUE(d.BatchFileName().isEmpty());
        testsupport::keepPicture(&d, c.printing ? QStringLiteral("frmArt-print") : QStringLiteral("frmArt-import-%1").arg(c.mode));
    }
}

TEST_F(BatchDialog, AFolderThatCannotBeReadLeavesTheFolderShown)
{
    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.art"), {"P"});
    frmArt &d = open(BatchContour, folder);
    control<QListWidget>("aFile")->setCurrentRow(0);
    EXPECT_EQ(d.BatchFileName(), "a.art");

    prompts->folders.push_back(folder + QStringLiteral("/missing"));
    control<QToolButton>("bDir")->click();
    EXPECT_FALSE(d.Dir1_Change(QDir(folder).filePath("a.art"))); // a file is no folder
    ASSERT_EQ(prompts->messages().size(), 2);
    EXPECT_TRUE(prompts->messages().first().startsWith("Не вдається прочитати каталог:"));
    EXPECT_EQ(prompts->calls.back().message.title, "Zemograf");
    EXPECT_EQ(d.folder(), QFileInfo(folder).absoluteFilePath());
    EXPECT_EQ(QDir::fromNativeSeparators(control<QLineEdit>("Dir1")->text()), d.folder());
    EXPECT_EQ(listed(), QStringList{"a.art"});

    // A folder typed into the box is shown once the typing is finished.
    const QString other = testsupport::tempDir();
    writeDos(other, QStringLiteral("b.art"), {"Q"});
    control<QLineEdit>("Dir1")->setText(other);
    emit control<QLineEdit>("Dir1")->editingFinished();
    EXPECT_EQ(listed(), QStringList{"b.art"});
    EXPECT_TRUE(d.BatchFileName().isEmpty()); // the name chosen in the other folder is gone

    // Enter in the box shows the folder and starts nothing: the default button stays unpressed.
    d.show();
    const QString third = testsupport::tempDir();
    writeDos(third, QStringLiteral("c.art"), {"R", "1 0 0", "2 0 5", "3 5 5"});
    auto *box = control<QLineEdit>("Dir1");
    box->setFocus();
    box->setText(third);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    EXPECT_EQ(listed(), QStringList{"c.art"});
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(state().Parcels.UBound(), 0);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), 0);
}

TEST_F(BatchDialog, PageAndCopyBoxes)
{
    frmArt &d = open(BatchPrint, testsupport::tempDir());
    auto *page = control<QLineEdit>("tPage");
    for (const char *typed : {"0", "", "abc", " 0 "}) {
        page->setText(QString::fromUtf8(typed));
        EXPECT_EQ(page->text(), "1") << typed;
    }
    page->setText(QStringLiteral("12"));
    EXPECT_EQ(page->text(), "12");

    auto *copies = control<QLineEdit>("tCopy");
    const struct {
        const char *before;
        bool up;
        const char *after;
    } steps[] = {
        {"1", true, "2"}, {"2", false, "1"}, {"1", false, "1"}, {"0", false, "0"},
        {"-3", false, "-3"}, {"-3", true, "-2"}, {"x", true, "1"}, {"2.5", true, "3.5"},
    };
    for (const auto &s : steps) {
        copies->setText(QString::fromUtf8(s.before));
        if (s.up)
            d.UpDown1_UpClick();
        else
            d.UpDown1_DownClick();
        EXPECT_EQ(copies->text(), QString::fromUtf8(s.after)) << s.before << (s.up ? " up" : " down");
    }
}

TEST_F(BatchDialog, WithoutAFileToWorkOnItSaysSoAndStays)
{
    const QString empty = testsupport::tempDir();
    frmArt &d = open(BatchIn4, empty);
    d.Command1_Click();
    EXPECT_EQ(prompts->messages(), QStringList{"У каталозі немає файлів *.in4."});
    EXPECT_EQ(d.result(), 0);

    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.art"), {"P", "1 0 0"});
    open(BatchContour, folder);
    control<QCheckBox>("chAll")->setChecked(false);
    dialog->Command1_Click();
    EXPECT_EQ(prompts->messages().last(), "Виберіть файл у списку або позначте «Взяти всі файли».");
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(state().Parcels.UBound(), 0);
}

TEST_F(BatchDialog, ImportReplacesTheParcelsAndHasTheWindowShowThem)
{
    loadSample();
    state().CurParcel = 3;
    state().Modified = true;
    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.art"), {"Перша", "1 0 0", "2 0 10", "3 10 10"});
    writeDos(folder, QStringLiteral("b.art"), {"Друга", "1 0 0", "2 0 5", "3 5 5"});

    // One file: the one clicked.
    frmArt &d = open(BatchContour, folder);
    control<QCheckBox>("chAll")->setChecked(false);
    control<QListWidget>("aFile")->setCurrentRow(1);
    d.Command1_Click();
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
    EXPECT_EQ(d.BatchFolder(), QFileInfo(folder).absoluteFilePath() + "/");
    ASSERT_EQ(state().Parcels.UBound(), 1);
    EXPECT_EQ(state().Parcels[1].NM, "Друга");
    EXPECT_EQ(state().CurParcel, 0);
    EXPECT_FALSE(state().Modified);
    EXPECT_EQ(state().ImportLines.UBound(), 4);
    EXPECT_EQ(calls, (QStringList{"clear", "enable", "rebuild", "status Ділянок: 1; Угідь: 0; Пікетів: 3"}));
    EXPECT_EQ(control<QLabel>("lProgr")->text(), "Обробляємо...");
    EXPECT_TRUE(prompts->messages().isEmpty());

    // All files, one with a line that holds no point: it is left out and told.
    writeDos(folder, QStringLiteral("c.art"), {"Третя", "1 0 0", "X Y", "2 5 5"});
    calls.clear();
    open(BatchContour, folder).Command1_Click();
    EXPECT_EQ(state().Parcels.UBound(), 3);
    EXPECT_EQ(calls.last(), "status Ділянок: 3; Угідь: 0; Пікетів: 8; Пропущено рядків: 1");
    EXPECT_EQ(prompts->messages(), QStringList{"Рядків без пікету пропущено: 1.\nПерший з них: файл c.art, рядок 3."});
}

TEST_F(BatchDialog, AFailedImportKeepsThePreviousParcelsAndNamesTheFileAndLine)
{
    loadSample();
    state().Modified = true;
    const ParcelList before = state().Parcels;
    const int lines = state().ImportLines.UBound();
    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.in4"), {"SR=\"1\",", "NM=\"A\","});
    writeDos(folder, QStringLiteral("b.in4"), {"SR=\"2\",", "NM=\"B\",", "ZN=\"99999\","});

    frmArt &d = open(BatchIn4, folder);
    d.Command1_Click();
    EXPECT_EQ(state().Parcels, before);
    EXPECT_TRUE(state().Modified);
    EXPECT_EQ(state().ImportLines.UBound(), lines);
    EXPECT_TRUE(calls.isEmpty());
    ASSERT_EQ(prompts->messages().size(), 1);
    const QString message = prompts->messages().first();
    EXPECT_TRUE(message.startsWith("Файли не імпортовано.\n")) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QDir(QFileInfo(folder).absoluteFilePath()).filePath("b.in4") + ", рядок 3"))
        << message.toStdString();
    EXPECT_EQ(d.result(), int(QDialog::Accepted)); // the dialog closes as after any work
}

TEST_F(BatchDialog, ExchangeFilesInTheWindowsCodePageAreToldBeforeTheyReplaceTheParcels)
{
    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.in4"), {"SD=\"1\",", "SR=\"1\",", "NM=\"Петренко Ольга\","});
    ASSERT_TRUE(QFile::copy(testsupport::sourcePath("samples/sofiivska-win.in4"), QDir(folder).filePath("b.in4")));

    // Cancelled: nothing of the files is taken.
    prompts->answers.push_back(platform::MsgAnswer::Cancel);
    open(BatchIn4, folder).Command1_Click();
    EXPECT_EQ(state().Parcels.UBound(), 0);
    EXPECT_TRUE(calls.isEmpty());
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().first().contains("\n\nb.in4 — WIN\n\n")) << prompts->messages().first().toStdString();
    EXPECT_TRUE(prompts->messages().first().contains("«Обмінні файли (*.in4)- WIN»")) << prompts->messages().first().toStdString();
    EXPECT_FALSE(prompts->messages().first().contains("a.in4"));

    // Taken all the same when the operator says so; files in the DOS code page alone ask nothing.
    prompts->answers.push_back(platform::MsgAnswer::Ok);
    open(BatchIn4, folder).Command1_Click();
    EXPECT_GT(state().Parcels.UBound(), 1);
    EXPECT_EQ(prompts->messages().size(), 2);
    QFile::remove(QDir(folder).filePath("b.in4"));
    open(BatchIn4, folder).Command1_Click();
    EXPECT_EQ(state().Parcels.UBound(), 1);
    EXPECT_EQ(state().Parcels[1].NM, "Петренко Ольга");
    EXPECT_EQ(prompts->messages().size(), 2);
}

TEST_F(BatchDialog, PrintsEveryDocumentInTheChosenOrderWithPageAndCopies)
{
    const QString folder = testsupport::tempDir();
    for (const char *name : {"c.docx", "a.docx", "B.doc"})
        writeDos(folder, QString::fromLatin1(name), {});
    const QString at = QFileInfo(folder).absoluteFilePath() + "/";
    const struct {
        const char *order;
        const char *page, *copies;
        QStringList printed;
    } cases[] = {
        {"r1", "2", "3", {at + "a.docx|2|3", at + "B.doc|2|3", at + "c.docx|2|3"}},
        {"r2", "1", "1", {at + "c.docx|1|1", at + "B.doc|1|1", at + "a.docx|1|1"}},
        {"r1", "7.5", "0", {at + "a.docx|8|1", at + "B.doc|8|1", at + "c.docx|8|1"}}, // copies below 1 print one
    };
    for (const auto &c : cases) {
        desktop->printedPages.clear();
        frmArt &d = open(BatchPrint, folder);
        control<QCheckBox>("chAll")->setChecked(false); // printing takes every document whatever it says
        control<QRadioButton>(c.order)->setChecked(true);
        control<QLineEdit>("tPage")->setText(QString::fromLatin1(c.page));
        control<QLineEdit>("tCopy")->setText(QString::fromLatin1(c.copies));
        d.Command1_Click();
        EXPECT_EQ(desktop->printedPages, c.printed) << c.order << c.page;
        EXPECT_EQ(d.result(), int(QDialog::Accepted));
    }
    EXPECT_TRUE(prompts->messages().isEmpty());
}

TEST_F(BatchDialog, PrintFailuresAreToldEachWithItsCauseAndTheRestPrinted)
{
    const QString folder = testsupport::tempDir();
    for (const char *name : {"a.docx", "b.doc", "c.docx", "d.docx"})
        writeDos(folder, QString::fromLatin1(name), {});
    const QString at = QFileInfo(folder).absoluteFilePath() + "/";
    desktop->failing.insert(at + "b.doc", QStringLiteral("у документі немає сторінки 2 (сторінок у ньому: 1)"));
    desktop->failing.insert(at + "d.docx", QStringLiteral("система друку не прийняла завдання: принтер «PDF» не приймає завдань"));
    frmArt &d = open(BatchPrint, folder);
    control<QLineEdit>("tPage")->setText(QStringLiteral("2"));
    control<QRadioButton>("r2")->setChecked(true);
    d.Command1_Click();
    EXPECT_EQ(desktop->printedPages.size(), 4);
    ASSERT_EQ(prompts->calls.size(), 1u);
    // In printing order, the last of the list first.
    EXPECT_EQ(prompts->calls[0].message.text, "Не вдалося надрукувати документи (2 з 4):\n"
                                              "d.docx — система друку не прийняла завдання: принтер «PDF» не приймає завдань\n"
                                              "b.doc — у документі немає сторінки 2 (сторінок у ньому: 1)");
    EXPECT_EQ(prompts->calls[0].message.title, "!!!");
    EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Critical);

    // Without a printer nothing is tried and that is said once.
    desktop->printedPages.clear();
    desktop->printerReady = false;
    open(BatchPrint, folder).Command1_Click();
    EXPECT_TRUE(desktop->printedPages.isEmpty());
    EXPECT_EQ(prompts->messages().last(), "У системі друку немає принтера за замовчуванням. Документи не надруковано.");
    EXPECT_EQ(prompts->messages().size(), 2);
}

TEST_F(BatchDialog, PageAndCopiesBeyondTheirRangeAreRefused)
{
    const QString folder = testsupport::tempDir();
    writeDos(folder, QStringLiteral("a.docx"), {});
    const struct {
        const char *page, *copies, *message;
    } cases[] = {
        {"-2", "1", "Номер сторінки має бути від 1 до 32767."},
        {"40000", "1", "Номер сторінки має бути від 1 до 32767."},
        {"1", "40000", "Кількість примірників має бути не більше 32767."},
    };
    for (const auto &c : cases) {
        frmArt &d = open(BatchPrint, folder);
        control<QLineEdit>("tPage")->setText(QString::fromLatin1(c.page));
        control<QLineEdit>("tCopy")->setText(QString::fromLatin1(c.copies));
        d.Command1_Click();
        EXPECT_EQ(prompts->messages().last(), QString::fromUtf8(c.message)) << c.page << " " << c.copies;
        EXPECT_EQ(d.result(), 0);
    }
    EXPECT_TRUE(desktop->printedPages.isEmpty());
}
