#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QProcess>
#include <QUuid>

namespace platform {

bool SystemDesktop::openFile(const QString &path)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

bool SystemDesktop::openUrl(const QString &url)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url});
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

bool SystemDesktop::printPages(const QString &path, const QString &pages, int copies)
{
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    // The PDF must exist before the print system is handed it, so the conversion is waited for.
    const QStringList convert = convertToPdfCommand(path, work.filePath(QStringLiteral("pdf")),
                                                    work.filePath(QStringLiteral("profile")));
    QProcess lo;
    lo.start(convert.first(), convert.mid(1));
    if (!lo.waitForFinished(180000) || lo.exitStatus() != QProcess::NormalExit || lo.exitCode() != 0)
        return false;
    const QString pdf = work.filePath(QStringLiteral("pdf/") + QFileInfo(path).completeBaseName() + QStringLiteral(".pdf"));
    if (!QFileInfo::exists(pdf))
        return false;
    const QStringList print = printPdfCommand(pdf, pages, copies);
    QProcess lp;
    lp.start(print.first(), print.mid(1));
    return lp.waitForFinished(60000) && lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
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
