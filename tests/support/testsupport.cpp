#include "tests/support/testsupport.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPixmap>
#include <QWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <signal.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

QString sourceDir() { return QStringLiteral(ZOVA_SOURCE_DIR); }
QString programDir() { return QStringLiteral(ZOVA_PROGRAM_DIR); }

QString tempDir()
{
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path();
}

QString sourcePath(const QString &relative)
{
    return QDir(sourceDir()).filePath(relative);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScopedEnv::ScopedEnv(const char *name, const QByteArray &value)
    : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

QString ConvertToPdf(const QString &docx, const QString &outDir)
{
    constexpr int kTries = 3;
    constexpr int kTryMs = 5 * 60 * 1000;
    static const QString profiles = tempDir();
    static int profile = 0;
    const QString pdf = QDir(outDir).filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
    QString said;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        QFile::remove(pdf);
        const QStringList command = platform::convertToPdfCommand(
            docx, outDir, QDir(profiles).filePath(QStringLiteral("profile-%1").arg(profile)));
        QProcess lo;
        // In a process group of its own, so that a try given up ends the office process it started too.
        lo.setChildProcessModifier([] { ::setpgid(0, 0); });
        lo.start(command.first(), command.mid(1));
        const bool finished = lo.waitForFinished(kTryMs);
        if (!finished && lo.processId() > 0) {
            ::kill(-pid_t(lo.processId()), SIGKILL);
            lo.waitForFinished();
        }
        if (finished && lo.exitStatus() == QProcess::NormalExit && lo.exitCode() == 0 && QFileInfo(pdf).size() > 0) {
            if (attempt > 1)
                std::cerr << "LibreOffice made " << pdf.toStdString() << " at try " << attempt << "; before:\n"
                          << said.toStdString();
            return pdf;
        }
        said += QStringLiteral("try %1: %2, exit code %3, %4\n%5")
                    .arg(attempt)
                    .arg(finished ? QStringLiteral("ended") : QStringLiteral("no end within %1 s").arg(kTryMs / 1000))
                    .arg(lo.exitCode())
                    .arg(QFileInfo(pdf).size() > 0 ? QStringLiteral("a PDF") : QStringLiteral("no PDF"))
                    .arg(QString::fromLocal8Bit(lo.readAllStandardError()));
        ++profile; // whatever went wrong may have stayed in the profile
    }
    ADD_FAILURE() << "LibreOffice made no PDF of " << docx.toStdString() << "\n" << said.toStdString();
    return pdf;
}

void keepPicture(QWidget *widget, const QString &name)
{
    const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

} // namespace testsupport
