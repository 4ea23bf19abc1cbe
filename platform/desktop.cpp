#include "platform/desktop.h"

#include <QDir>
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
