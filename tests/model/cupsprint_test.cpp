// The batch print through a real print system: a CUPS scheduler of the test's own with the PDF
// printer of cups-pdf, LibreOffice to turn the document into a PDF, and the printed PDF read back.
// It needs root (the PDF printer's backend runs only as root); elsewhere it is skipped and says
// why.

#include "model/forms/batchprint.h"

#include "platform/desktop.h"
#include "tests/model/printing.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <algorithm>
#include <memory>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const char *const Printer = "ZovaPDF";

QString run(const QString &program, const QStringList &args, int *code = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (code)
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
}

bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

// A scheduler on a socket of its own, with its own configuration and spool; ended with the test.
class PrivateCups {
public:
    ~PrivateCups()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000)) {
                m_cupsd.kill();
                m_cupsd.waitForFinished(5000);
            }
        }
    }

    /// Starts the scheduler and adds the PDF printer as the default; the reason when it cannot.
    QString start()
    {
        const QString root = m_dir.path();
        QFile::setPermissions(root, QFileDevice::Permissions(0x7755)); // the filters run as lp
        for (const char *sub : {"spool", "cache", "state", "log", "tmp"})
            QDir(root).mkdir(QString::fromLatin1(sub));
        QFile::setPermissions(root + "/tmp", QFileDevice::Permissions(0x7777));
        m_socket = root + "/cups.sock";
        const bool written =
            writeText(root + "/cupsd.conf",
                      "Listen " + m_socket + "\nLogLevel debug\nDefaultAuthType None\nWebInterface No\n"
                      "Browsing No\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n") &&
            writeText(root + "/cups-files.conf",
                      "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " + root +
                          "/cache\nStateDir " + root + "/state\nTempDir " + root + "/tmp\nErrorLog " + root +
                          "/log/error_log\nAccessLog " + root + "/log/access_log\nPageLog " + root +
                          "/log/page_log\nUser lp\nGroup lp\nSystemGroup root\n");
        if (!written)
            return QStringLiteral("the scheduler's configuration could not be written");

        m_server = std::make_unique<testsupport::ScopedEnv>("CUPS_SERVER", m_socket.toLocal8Bit());
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                      {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
        if (!m_cupsd.waitForStarted(10000))
            return QStringLiteral("cupsd did not start");
        QElapsedTimer clock;
        clock.start();
        while (!run("lpstat", {"-r"}).contains("scheduler is running")) {
            if (clock.elapsed() > 15000 || m_cupsd.state() == QProcess::NotRunning)
                return QStringLiteral("cupsd did not answer: ") + errorLog();
            QThread::msleep(100);
        }
        int code = 0;
        const QString added = run("lpadmin", {"-p", Printer, "-v", "cups-pdf:/", "-P",
                                              "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "-E"},
                                  &code);
        if (code != 0)
            return QStringLiteral("the PDF printer could not be added: ") + added;
        run("lpadmin", {"-d", Printer}, &code);
        if (code != 0)
            return QStringLiteral("the PDF printer could not be made the default");
        return QString();
    }

    /// Waits until the printer has no job left; false after `ms`.
    bool waitIdle(int ms) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!run("lpstat", {"-o", Printer}).trimmed().isEmpty()) {
            if (clock.elapsed() > ms)
                return false;
            QThread::msleep(200);
        }
        return true;
    }

    QString errorLog() const
    {
        QFile f(m_dir.path() + "/log/error_log");
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().right(3000)) : QString();
    }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    std::unique_ptr<testsupport::ScopedEnv> m_server; ///< the clients ask this scheduler while it lives
    QProcess m_cupsd;
};

// The lines of text on a page picture: runs of rows that hold a dark pixel.
int textLines(const QString &png)
{
    const QImage page = QImage(png).convertToFormat(QImage::Format_Grayscale8);
    if (page.isNull())
        return -1;
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < page.height(); ++y) {
        const uchar *row = page.constScanLine(y);
        const bool dark = std::any_of(row, row + page.width(), [](uchar v) { return v < 128; });
        lines += dark && !inLine;
        inLine = dark;
    }
    return lines;
}

// Why this machine cannot run the test; empty when it can.
QString missing()
{
    if (::geteuid() != 0)
        return QStringLiteral("not root: the cups-pdf backend and a scheduler of the test's own need root");
    for (const char *path : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/sbin/cupsreject", "/usr/bin/lp", "/usr/bin/lpstat",
                             "/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd",
                             "/usr/bin/soffice", "/usr/bin/pdfinfo", "/usr/bin/pdftoppm", "/usr/bin/python3"})
        if (!QFileInfo::exists(QString::fromLatin1(path)))
            return QStringLiteral("%1 is missing (cups, printer-driver-cups-pdf, LibreOffice and poppler-utils come "
                                  "with scripts/setup)")
                .arg(QString::fromLatin1(path));
    return QString();
}

} // namespace

TEST(CupsPrint, TheAskedPageIsPrintedInTheAskedCopies)
{
    const QString why = missing();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    // The real desktop, whatever another test installed.
    std::unique_ptr<platform::Desktop> previous = platform::setDesktop(nullptr);

    // A three-page document whose pages tell themselves apart by their number of lines (1, 5 and 9):
    // the PDF printer prints through PostScript, which keeps the glyphs but not the text to read.
    const QString folder = testsupport::tempDir();
    const QString base = QStringLiteral("zova-cups-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    const QString docx = QDir(folder).filePath(base + ".docx");
    int code = 0;
    const QString made = run("/usr/bin/python3",
                             {"-c",
                              "import docx, sys\n"
                              "d = docx.Document()\n"
                              "for i, n in enumerate([1, 5, 9]):\n"
                              "    for k in range(n): d.add_paragraph('Сторінка %d, рядок %d' % (i + 1, k + 1))\n"
                              "    if i < 2: d.add_page_break()\n"
                              "d.save(sys.argv[1])\n",
                              docx},
                             &code);
    ASSERT_EQ(code, 0) << made.toStdString();

    PrivateCups cups;
    const QString failed = cups.start();
    if (!failed.isEmpty()) {
        platform::setDesktop(std::move(previous));
        GTEST_SKIP() << "no print system for the test: " << failed.toStdString();
    }
    ASSERT_TRUE(platform::desktop().hasPrinter());

    const model::BatchPrintReport report = model::BatchPrintDocs(folder, {base + ".docx"}, true, 2, 2);
    EXPECT_EQ(report.Printed, QStringList{base + ".docx"});
    EXPECT_TRUE(report.Failed.empty());
    ASSERT_TRUE(cups.waitIdle(60000)) << cups.errorLog().toStdString();

    // cups-pdf writes into the PDF folder of the job's owner, under the job's title.
    const QDir out(QDir(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_dir)).filePath("PDF"));
    const QStringList printed = out.entryList({base + "*.pdf"}, QDir::Files);
    ASSERT_EQ(printed.size(), 1) << cups.errorLog().toStdString();
    const QString pdf = out.filePath(printed.first());
    const QString info = run("pdfinfo", {pdf});
    const QString pictures = QDir(folder).filePath("page");
    run("pdftoppm", {"-r", "60", "-gray", "-png", pdf, pictures});
    for (const QString &name : printed)
        QFile::remove(out.filePath(name));

    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
    for (int page = 1; page <= 2; ++page)
        EXPECT_EQ(textLines(QStringLiteral("%1-%2.png").arg(pictures).arg(page)), 5) << "printed page " << page;

    // A page the document does not have is told as not printed and sent nowhere: the print
    // system's filter would fail on it and stop the printer for the documents after it. Each
    // document not printed is named with its own cause.
    const QString single = base + "-1.docx", broken = base + "-broken.docx";
    run("/usr/bin/python3", {"-c", "import docx, sys\nd = docx.Document()\nd.add_paragraph('Одна')\nd.save(sys.argv[1])\n",
                             QDir(folder).filePath(single)}, &code);
    ASSERT_EQ(code, 0);
    ASSERT_TRUE(writeText(QDir(folder).filePath(broken), "PK\x03\x04 no package"));
    const model::BatchPrintReport beyond = model::BatchPrintDocs(folder, {base + ".docx", single, broken}, true, 4, 1);
    EXPECT_TRUE(beyond.Printed.isEmpty());
    EXPECT_EQ(beyond.FailureText(),
              "Не вдалося надрукувати документи (3 з 3):\n" + base + ".docx — у документі немає сторінки 4 (сторінок у ньому: 3)\n"
                  + single + " — у документі немає сторінки 4 (сторінок у ньому: 1)\n" + broken
                  + " — LibreOffice не зміг прочитати документ (файл пошкоджений або це не документ Word)");
    EXPECT_TRUE(run("lpstat", {"-o", Printer}).trimmed().isEmpty());
    EXPECT_TRUE(run("lpstat", {"-W", "completed", "-o", Printer}).count('\n') == 1)
        << run("lpstat", {"-W", "completed", "-o", Printer}).toStdString();
    EXPECT_FALSE(run("lpstat", {"-p", Printer}).contains("disabled"));

    // A printer that takes no jobs: the print system's own refusal is the cause.
    run("/usr/sbin/cupsreject", {Printer}, &code);
    ASSERT_EQ(code, 0);
    const model::BatchPrintReport refused = model::BatchPrintDocs(folder, {single}, true, 1, 1);
    ASSERT_EQ(refused.Failed.size(), 1u);
    EXPECT_EQ(refused.Failed[0].Cause, "система друку не прийняла завдання: принтер «ZovaPDF» не приймає завдань");
    platform::setDesktop(std::move(previous));
}
