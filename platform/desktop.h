#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

/// Hand-offs to the desktop: open a file in its default application, open a web address, print
/// a file on the default printer, print chosen pages of a document. Each returns false when the
/// hand-off could not be started.
class Desktop {
public:
    virtual ~Desktop() = default;
    /// Shows a document to the operator; true only when something opened it, false when nothing
    /// could.
    virtual bool openFile(const QString &path) = 0;
    virtual bool openUrl(const QString &url) = 0;
    virtual bool printFile(const QString &path) = 0;
    /// Prints the pages `pages` (a page list such as "2" or "1-3,5") of a document in `copies`
    /// collated copies on the default printer. When it cannot, puts why into *reason, in
    /// Ukrainian, for the operator ("у документі немає сторінки 4 (сторінок у ньому: 3)").
    virtual bool printPages(const QString &path, const QString &pages, int copies, QString *reason) = 0;
    /// Whether the print system has a printer to print on when none is named: a default
    /// destination. False when there is none, or no print system at all.
    virtual bool hasPrinter() = 0;
};

/// The commands that print pages of a document: LibreOffice headless turns it into a PDF in
/// `pdfFolder` (with its own profile folder), then the print system prints the page list.
QStringList convertToPdfCommand(const QString &path, const QString &pdfFolder, const QString &profile);
QStringList printPdfCommand(const QString &pdfPath, const QString &pages, int copies);
/// The command that names the print system's default destination.
QStringList defaultPrinterCommand();

/// The command that shows a document in LibreOffice Writer, where the desktop has no opener for it.
QStringList writerCommand(const QString &path);

/// How a program started for the operator answered within the wait.
enum class OpenerAnswer {
    Succeeded,  ///< it ended with exit code 0 (it handed the file on, or an office already running took it)
    Running,    ///< it still runs: it shows the file in the foreground, as a desktop without a session opener does
    Failed      ///< it could not be started, or ended with an error
};

/// Starts `command` (the program first, looked up on PATH) apart from this program, so that it
/// outlives it, with the environment `env` (this program's when it is empty), and waits up to
/// `waitMs` milliseconds for its answer.
OpenerAnswer startOpener(const QStringList &command, int waitMs,
                         const QProcessEnvironment &env = QProcessEnvironment());

/// The locale whose messages the programs that show a document speak: "uk_UA.UTF-8".
QString ukrainianLocale();
/// Whether the system has that locale (on Debian, generated from /etc/locale.gen).
bool hasUkrainianLocale();

/// The environment for the program that shows the operator a document: `env` with its messages in
/// Ukrainian, so that the word processor's menus and its spelling speak the language of this
/// program and of its documents. Only the messages change (LC_MESSAGES, and "uk" first in a
/// LANGUAGE list): an LC_ALL, which would override them, becomes LANG, so that every other
/// category stays as it was. `env` unchanged when its messages are Ukrainian already, and when the
/// system lacks the locale (`haveLocale` false): a program told a locale the system lacks falls
/// back to plain ASCII whole.
QProcessEnvironment documentViewerEnvironment(const QProcessEnvironment &env, bool haveLocale);

/// The real desktop: xdg-open for files and addresses, with LibreOffice Writer in its place for
/// a file the desktop cannot open; LibreOffice headless for printing. Every process it waits for
/// to print runs in a session of its own and is ended with all it started when it does not finish
/// in time.
class SystemDesktop : public Desktop {
public:
    /// How long an opener may take to answer, in milliseconds.
    int answerWait = 4000;

    /// xdg-open, and when it fails LibreOffice Writer on the file, each with its messages in
    /// Ukrainian (documentViewerEnvironment); waits for each one's answer.
    bool openFile(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool printFile(const QString &path) override;
    bool printPages(const QString &path, const QString &pages, int copies, QString *reason) override;
    bool hasPrinter() override;
};

/// The print system's answer to a job it refused (`lp`'s message, in the C locale) as the
/// operator reads it: the known ones in Ukrainian, any other as it stands, without "lp: Error - ".
QString printRefusalReason(const QString &lpMessage);

/// Records every hand-off and starts nothing; for tests.
class RecordingDesktop : public Desktop {
public:
    bool openFile(const QString &path) override { opened << path; return result; }
    bool openUrl(const QString &url) override { urls << url; return result; }
    bool printFile(const QString &path) override { printed << path; return result; }
    /// Records the path, the page list and the copies joined by "|".
    bool printPages(const QString &path, const QString &pages, int copies, QString *reason) override
    {
        printedPages << path + QLatin1Char('|') + pages + QLatin1Char('|') + QString::number(copies);
        if (result && !failing.contains(path))
            return true;
        *reason = failing.value(path, QStringLiteral("система друку не прийняла завдання"));
        return false;
    }
    bool hasPrinter() override { return printerReady; }

    QStringList opened, urls, printed, printedPages;
    bool result = true;
    QMap<QString, QString> failing; ///< paths whose printing fails, with the reason (recorded all the same)
    bool printerReady = true;  ///< what hasPrinter answers
};

/// The desktop in use (a SystemDesktop until another is installed).
Desktop &desktop();
std::unique_ptr<Desktop> setDesktop(std::unique_ptr<Desktop> d);

} // namespace platform
