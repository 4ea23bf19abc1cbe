#include "platform/desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <csignal>
#include <locale.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

QStringList writerCommand(const QString &path)
{
    return {QStringLiteral("soffice"), QStringLiteral("--writer"), path};
}

QString ukrainianLocale()
{
    return QStringLiteral("uk_UA.UTF-8");
}

bool hasUkrainianLocale()
{
    const locale_t probe = ::newlocale(LC_MESSAGES_MASK, ukrainianLocale().toLatin1().constData(), locale_t(nullptr));
    if (probe == locale_t(nullptr))
        return false;
    ::freelocale(probe);
    return true;
}

QProcessEnvironment documentViewerEnvironment(const QProcessEnvironment &env, bool haveLocale)
{
    // The messages' locale as programs take it: LC_ALL, else LC_MESSAGES, else LANG.
    const QString all = env.value(QStringLiteral("LC_ALL"));
    QString messages = all;
    if (messages.isEmpty())
        messages = env.value(QStringLiteral("LC_MESSAGES"));
    if (messages.isEmpty())
        messages = env.value(QStringLiteral("LANG"));
    if (!haveLocale || messages.startsWith(QLatin1String("uk")))
        return env;

    QProcessEnvironment out = env;
    if (!all.isEmpty()) {
        // LC_ALL stood over every category: as LANG, with the single categories gone, it still
        // gives each of them its value, and no longer hides LC_MESSAGES.
        for (const QString &name : env.keys())
            if (name.startsWith(QLatin1String("LC_")))
                out.remove(name);
        out.insert(QStringLiteral("LANG"), all);
    }
    out.insert(QStringLiteral("LC_MESSAGES"), ukrainianLocale());
    const QString languages = env.value(QStringLiteral("LANGUAGE"));
    if (!languages.isEmpty() && !languages.startsWith(QLatin1String("uk")))
        out.insert(QStringLiteral("LANGUAGE"), QStringLiteral("uk:") + languages);
    return out;
}

OpenerAnswer startOpener(const QStringList &command, int waitMs, const QProcessEnvironment &env)
{
    if (command.isEmpty())
        return OpenerAnswer::Failed;
    QTemporaryDir answerDir;
    if (!answerDir.isValid())
        return OpenerAnswer::Failed;
    // The opener runs detached, so that closing the program leaves the document open; a small
    // shell writes its exit code and a line end to a file once it ends, with builtins only (PATH
    // may hold nothing else). An opener that ends after the wait finds the folder gone and writes
    // nothing.
    const QString answerFile = answerDir.filePath(QStringLiteral("answer"));
    QProcess shell;
    shell.setProgram(QStringLiteral("/bin/sh"));
    shell.setArguments(QStringList{QStringLiteral("-c"),
                                   QStringLiteral("a=\"$1\"; shift; \"$@\" </dev/null >/dev/null 2>&1; echo $? 2>/dev/null > \"$a\""),
                                   QStringLiteral("zova-open"), answerFile}
                       + command);
    shell.setStandardInputFile(QProcess::nullDevice());
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.setStandardErrorFile(QProcess::nullDevice());
    if (!env.isEmpty())
        shell.setProcessEnvironment(env);
    if (!shell.startDetached())
        return OpenerAnswer::Failed;

    const QDeadlineTimer deadline(waitMs);
    do {
        QFile answer(answerFile);
        if (answer.open(QIODevice::ReadOnly)) {
            const QByteArray text = answer.readAll();
            if (text.endsWith('\n'))
                return text.trimmed() == "0" ? OpenerAnswer::Succeeded : OpenerAnswer::Failed;
        }
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return OpenerAnswer::Running;
}

bool SystemDesktop::openFile(const QString &path)
{
    const QProcessEnvironment env =
        documentViewerEnvironment(QProcessEnvironment::systemEnvironment(), hasUkrainianLocale());
    if (startOpener({QStringLiteral("xdg-open"), path}, answerWait, env) != OpenerAnswer::Failed)
        return true;
    // No opener on the desktop for the file (or no xdg-open at all): the word processor itself.
    return startOpener(writerCommand(path), answerWait, env) != OpenerAnswer::Failed;
}

bool SystemDesktop::openUrl(const QString &url)
{
    return startOpener({QStringLiteral("xdg-open"), url}, answerWait) != OpenerAnswer::Failed;
}

bool SystemDesktop::printFile(const QString &path)
{
    // Each instance gets its own profile: instances sharing one block each other.
    const QString profile = QDir::temp().filePath(QStringLiteral("zova-lo-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    return QProcess::startDetached(QStringLiteral("soffice"),
                                   {QStringLiteral("-env:UserInstallation=file://") + profile,
                                    QStringLiteral("--headless"), QStringLiteral("-p"), path});
}

QStringList convertToPdfCommand(const QString &path, const QString &pdfFolder, const QString &profile)
{
    return {QStringLiteral("soffice"), QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
            QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
            QStringLiteral("--outdir"), pdfFolder, path};
}

QStringList printPdfCommand(const QString &pdfPath, const QString &pages, int copies)
{
    return {QStringLiteral("lp"), QStringLiteral("-n"), QString::number(copies), QStringLiteral("-P"), pages,
            QStringLiteral("-o"), QStringLiteral("collate=true"), pdfPath};
}

QStringList defaultPrinterCommand()
{
    return {QStringLiteral("lpstat"), QStringLiteral("-d")};
}

namespace {

// How a command run to its end went.
enum class RunEnd {
    Done,       ///< it ended with exit code 0
    NotStarted, ///< it could not be started (not installed)
    TimedOut,   ///< it did not end in time and was ended
    Failed,     ///< it ended with an error
};

// Runs a command to its end and tells how it ended, keeping what it wrote on its standard output
// and its standard error. It runs in a session of its own: LibreOffice's starter leaves the office
// process behind, so when the time is up the whole group is ended, not the starter alone.
// When `output` or `errors` is given, the command answers in the C locale, so that the program
// can read it.
RunEnd runToEnd(const QStringList &command, int timeoutMs, QByteArray *output = nullptr, QByteArray *errors = nullptr)
{
    QProcess process;
    process.setChildProcessModifier([] { ::setsid(); });
    if (output || errors) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        process.setProcessEnvironment(env);
    }
    process.start(command.first(), command.mid(1));
    if (!process.waitForStarted(10000))
        return RunEnd::NotStarted;
    const qint64 pid = process.processId();
    const bool finished = process.waitForFinished(timeoutMs);
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL); // whatever it left running
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
        return RunEnd::TimedOut;
    }
    if (output)
        *output = process.readAllStandardOutput();
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? RunEnd::Done : RunEnd::Failed;
}

// The number of pages of a PDF as poppler's pdfinfo tells it; 0 when it cannot be told.
int pdfPageCount(const QString &pdf)
{
    QByteArray answer;
    if (runToEnd({QStringLiteral("pdfinfo"), pdf}, 30000, &answer) != RunEnd::Done)
        return 0;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                         QRegularExpression::MultilineOption)
                                          .match(QString::fromLatin1(answer));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The highest page a page list ("2", "1-3,5") names.
int lastPage(const QString &pages)
{
    int last = 0;
    for (const QString &n : pages.split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts))
        last = std::max(last, n.toInt());
    return last;
}

} // namespace

QString printRefusalReason(const QString &lpMessage)
{
    QString text = lpMessage.trimmed();
    // lp begins with the name it was started by, "/usr/bin/lp: " when it was found on PATH.
    text.remove(QRegularExpression(QStringLiteral("^(\\S*/)?lp: ")));
    text.remove(QRegularExpression(QStringLiteral("^Error - "), QRegularExpression::CaseInsensitiveOption));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    const QRegularExpressionMatch refusing =
        QRegularExpression(QStringLiteral("^Destination \"(.*)\" is not accepting jobs$")).match(text);
    if (refusing.hasMatch())
        return QStringLiteral("принтер «%1» не приймає завдань").arg(refusing.captured(1));
    static const std::pair<const char *, const char *> known[] = {
        {"scheduler not responding", "служба друку CUPS не відповідає"},
        {"The printer or class does not exist", "такого принтера в системі друку немає"},
        {"No default destination", "немає принтера за замовчуванням"},
        {"no default destination available", "немає принтера за замовчуванням"},
    };
    for (const auto &[english, ukrainian] : known)
        if (text.compare(QLatin1String(english), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(ukrainian);
    return text;
}

bool SystemDesktop::printPages(const QString &path, const QString &pages, int copies, QString *reason)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        *reason = QStringLiteral("файл не знайдено");
        return false;
    }
    if (!file.isReadable()) {
        *reason = QStringLiteral("немає дозволу читати файл");
        return false;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        *reason = QStringLiteral("не вдалося створити тимчасову теку для друку");
        return false;
    }
    // The PDF must exist before the print system is handed it, so the conversion is waited for.
    const QStringList convert = convertToPdfCommand(path, work.filePath(QStringLiteral("pdf")),
                                                    work.filePath(QStringLiteral("profile")));
    const QString pdf = work.filePath(QStringLiteral("pdf/") + file.completeBaseName() + QStringLiteral(".pdf"));
    switch (runToEnd(convert, 180000)) {
    case RunEnd::NotStarted:
        *reason = QStringLiteral("не знайдено LibreOffice, що готує документ до друку");
        return false;
    case RunEnd::TimedOut:
        *reason = QStringLiteral("LibreOffice не підготував документ до друку за 3 хвилини");
        return false;
    case RunEnd::Done:
        // LibreOffice ends well also when it could not load the file; no PDF says so.
        if (QFileInfo::exists(pdf))
            break;
        [[fallthrough]];
    case RunEnd::Failed:
        *reason = QStringLiteral("LibreOffice не зміг прочитати документ (файл пошкоджений або це не документ Word)");
        return false;
    }
    // A page the document does not have is no print: the print system takes the job and its
    // filter fails on it, which stops the printer for every later job.
    const int count = pdfPageCount(pdf);
    const int last = lastPage(pages);
    if (count > 0 && last > count) {
        *reason = QStringLiteral("у документі немає сторінки %1 (сторінок у ньому: %2)").arg(last).arg(count);
        return false;
    }
    QByteArray answer;
    switch (runToEnd(printPdfCommand(pdf, pages, copies), 60000, nullptr, &answer)) {
    case RunEnd::Done:
        return true;
    case RunEnd::NotStarted:
        *reason = QStringLiteral("не знайдено програми друку lp (CUPS)");
        return false;
    case RunEnd::TimedOut:
        *reason = QStringLiteral("система друку не відповіла за хвилину");
        return false;
    case RunEnd::Failed:
        break;
    }
    const QString said = printRefusalReason(QString::fromLocal8Bit(answer).trimmed().section(QLatin1Char('\n'), -1));
    *reason = QStringLiteral("система друку не прийняла завдання") + (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    return false;
}

bool SystemDesktop::hasPrinter()
{
    QByteArray answer;
    if (runToEnd(defaultPrinterCommand(), 15000, &answer) != RunEnd::Done)
        return false;
    // "system default destination: NAME"; "no system default destination" when there is none.
    return answer.contains("system default destination: ") && !answer.startsWith("no ");
}

namespace {
std::unique_ptr<Desktop> &current()
{
    static std::unique_ptr<Desktop> d = std::make_unique<SystemDesktop>();
    return d;
}
} // namespace

Desktop &desktop()
{
    return *current();
}

std::unique_ptr<Desktop> setDesktop(std::unique_ptr<Desktop> d)
{
    std::unique_ptr<Desktop> old = std::move(current());
    current() = d ? std::move(d) : std::make_unique<SystemDesktop>();
    return old;
}

} // namespace platform
