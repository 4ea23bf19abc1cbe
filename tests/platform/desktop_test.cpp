// Opening a document on the real desktop: xdg-open first, LibreOffice Writer when it fails, and
// "opened" only when one of them took the file. The openers are small scripts on PATH.

#include "platform/desktop.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <map>

using namespace platform;

namespace {

/// A folder of stand-in openers that becomes the whole PATH; each records its arguments.
class Openers {
public:
    Openers() : dir(testsupport::tempDir()), path("PATH", QFile::encodeName(dir)) {}

    /// An opener named `name` that runs the shell text `body` after recording its arguments.
    void add(const QString &name, const QString &body)
    {
        QFile f(QDir(dir).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho \"$@\" > \"%1\"\n%2\n").arg(log(name), body).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    /// The arguments the opener was called with; empty when it was not called.
    QString calledWith(const QString &name) const
    {
        QFile f(log(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

private:
    QString log(const QString &name) const { return QDir(dir).filePath(name + QStringLiteral(".called")); }
    QString dir;
    testsupport::ScopedEnv path;
};

} // namespace

TEST(SystemDesktopOpen, XdgOpenFirstWriterInItsPlaceAndOpenedOnlyWhenOneTookTheFile)
{
    const char *const absent = nullptr;
    const struct {
        const char *name;
        const char *xdgOpen;   // shell text of the stand-in, or absent
        const char *soffice;
        bool opened;
        bool writerCalled;
    } cases[] = {
        {"the desktop's opener hands the file on", "exit 0", "exit 0", true, false},
        {"the opener shows the file in the foreground", "/bin/sleep 3", "exit 0", true, false},
        {"the desktop has no opener for it: Writer", "exit 3", "exit 0", true, true},
        {"no xdg-open at all: Writer", absent, "exit 0", true, true},
        {"Writer already running takes the file and stays", "exit 4", "/bin/sleep 3", true, true},
        {"nothing can open it", "exit 3", "exit 1", false, true},
        {"no opener on PATH", absent, absent, false, false},
    };
    const QString doc = QDir(testsupport::tempDir()).filePath(QStringLiteral("план 12.docx"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Openers openers;
        if (c.xdgOpen)
            openers.add(QStringLiteral("xdg-open"), QString::fromLatin1(c.xdgOpen));
        if (c.soffice)
            openers.add(QStringLiteral("soffice"), QString::fromLatin1(c.soffice));
        SystemDesktop desktop;
        desktop.answerWait = 700;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(desktop.openFile(doc), c.opened);
        EXPECT_LT(clock.elapsed(), 2500); // a foreground opener is not waited for to its end
        if (c.xdgOpen) {
            EXPECT_EQ(openers.calledWith(QStringLiteral("xdg-open")), doc);
        }
        EXPECT_EQ(openers.calledWith(QStringLiteral("soffice")), c.writerCalled ? QStringLiteral("--writer ") + doc : QString());
    }
}

// The word processor speaks the program's language: only the messages become Ukrainian, every
// other category of the operator's locale stays, and nothing changes where it need not or cannot.
TEST(DocumentViewerEnvironment, MessagesInUkrainianAndNothingElse)
{
    using Vars = std::map<QString, QString>;
    const QString uk = ukrainianLocale();
    const struct {
        const char *name;
        Vars env;
        bool haveLocale;
        Vars expected; // empty: the environment unchanged
    } cases[] = {
        {"a C locale", {{"LANG", "C.UTF-8"}}, true, {{"LANG", "C.UTF-8"}, {"LC_MESSAGES", uk}}},
        {"nothing set", {}, true, {{"LC_MESSAGES", uk}}},
        {"English messages, Ukrainian numbers", {{"LANG", "uk_UA.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, true,
         {{"LANG", "uk_UA.UTF-8"}, {"LC_MESSAGES", uk}}},
        {"LC_ALL over everything becomes LANG", {{"LC_ALL", "en_GB.UTF-8"}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "C"}},
         true, {{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", uk}}},
        {"a LANGUAGE list gets Ukrainian first", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "en_US:en"}}, true,
         {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "uk:en_US:en"}, {"LC_MESSAGES", uk}}},
        {"Ukrainian already", {{"LANG", "uk_UA.UTF-8"}, {"LANGUAGE", "en"}}, true, {}},
        {"no Ukrainian locale on the system", {{"LANG", "C.UTF-8"}}, false, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
        for (const auto &[name, value] : c.env)
            env.insert(name, value);
        QProcessEnvironment expected = env;
        if (!c.expected.empty()) {
            expected = QProcessEnvironment();
            expected.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
            for (const auto &[name, value] : c.expected)
                expected.insert(name, value);
        }
        EXPECT_EQ(documentViewerEnvironment(env, c.haveLocale).toStringList(), expected.toStringList());
    }
}

// The openers are started with those messages; the setup makes the Ukrainian locale they need.
TEST(SystemDesktopOpen, TheOpenersGetUkrainianMessages)
{
    ASSERT_TRUE(hasUkrainianLocale()) << "scripts/setup makes the uk_UA.UTF-8 locale";
    const testsupport::ScopedEnv lang("LANG", "C.UTF-8");
    const testsupport::ScopedEnv all("LC_ALL", "");
    const QString seen = QDir(testsupport::tempDir()).filePath(QStringLiteral("messages"));
    Openers openers;
    openers.add(QStringLiteral("xdg-open"), QStringLiteral("echo \"$LC_MESSAGES $LANG\" >> \"%1\"; exit 3").arg(seen));
    openers.add(QStringLiteral("soffice"), QStringLiteral("echo \"$LC_MESSAGES $LANG\" >> \"%1\"").arg(seen));
    SystemDesktop desktop;
    desktop.answerWait = 700;
    EXPECT_TRUE(desktop.openFile(QDir(testsupport::tempDir()).filePath(QStringLiteral("акт.docx"))));
    QFile f(seen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("uk_UA.UTF-8 C.UTF-8\nuk_UA.UTF-8 C.UTF-8\n"));
}

// A page list that cannot be printed says why, for the operator: each step of the print (the file,
// LibreOffice's PDF, its page count, the print system) names its own failure. The programs are
// stand-ins on PATH.
TEST(SystemDesktopPrint, AFailedPrintNamesItsCause)
{
    const char *const absent = nullptr;
    const char *const pdf = "/bin/mkdir -p \"$6\"; f=\"${7##*/}\"; echo pdf > \"$6/${f%.*}.pdf\"";
    const char *const onePage = "echo 'Pages:          1'", *const threePages = "echo 'Pages:          3'";
    const struct {
        const char *name;
        bool fileThere;
        const char *soffice, *pdfinfo, *lp;
        const char *reason; // empty when it prints
    } cases[] = {
        {"printed", true, pdf, threePages, "exit 0", ""},
        {"no such file", false, pdf, onePage, "exit 0", "файл не знайдено"},
        {"no LibreOffice", true, absent, onePage, "exit 0", "не знайдено LibreOffice, що готує документ до друку"},
        {"LibreOffice could not load it", true, "exit 0", onePage, "exit 0",
         "LibreOffice не зміг прочитати документ (файл пошкоджений або це не документ Word)"},
        {"LibreOffice ended with an error", true, "exit 1", onePage, "exit 0",
         "LibreOffice не зміг прочитати документ (файл пошкоджений або це не документ Word)"},
        {"no such page", true, pdf, onePage, "exit 0", "у документі немає сторінки 3 (сторінок у ньому: 1)"},
        {"no lp", true, pdf, threePages, absent, "не знайдено програми друку lp (CUPS)"},
        {"the scheduler is down", true, pdf, threePages, "echo 'lp: Error - Scheduler not responding.' >&2; exit 1",
         "система друку не прийняла завдання: служба друку CUPS не відповідає"},
        {"the printer refuses jobs", true, pdf, threePages,
         "echo '/usr/bin/lp: Destination \"ZovaPDF\" is not accepting jobs.' >&2; exit 1",
         "система друку не прийняла завдання: принтер «ZovaPDF» не приймає завдань"},
        {"another refusal, as lp words it", true, pdf, threePages,
         "echo 'lp: Unable to print file: Forbidden' >&2; exit 1",
         "система друку не прийняла завдання: Unable to print file: Forbidden"},
        {"a refusal without words", true, pdf, threePages, "exit 1", "система друку не прийняла завдання"},
    };
    const QString folder = testsupport::tempDir();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString doc = QDir(folder).filePath(QStringLiteral("акт %1.docx").arg(QString::fromLatin1(c.name)));
        if (c.fileThere) {
            QFile f(doc);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        Openers programs;
        for (const auto &[name, body] : {std::pair{"soffice", c.soffice}, {"pdfinfo", c.pdfinfo}, {"lp", c.lp}})
            if (body)
                programs.add(QString::fromLatin1(name), QString::fromLatin1(body));
        SystemDesktop desktop;
        QString reason;
        const bool printed = desktop.printPages(doc, QStringLiteral("3"), 2, &reason);
        EXPECT_EQ(printed, *c.reason == '\0');
        EXPECT_EQ(reason.toStdString(), c.reason);
        if (printed) { // the stand-in's echo takes lp's "-n" for its own
            EXPECT_TRUE(programs.calledWith(QStringLiteral("lp")).startsWith(QStringLiteral("2 -P 3 -o collate=true ")))
                << programs.calledWith(QStringLiteral("lp")).toStdString();
        }
    }
}
