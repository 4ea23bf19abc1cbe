#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

/// Hand-offs to the desktop: open a file in its default application, open a web address, print
/// a file on the default printer. Each returns false when the hand-off could not be started.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openFile(const QString &path) = 0;
    virtual bool openUrl(const QString &url) = 0;
    virtual bool printFile(const QString &path) = 0;
};

/// The real desktop: xdg-open for files and addresses, LibreOffice headless for printing.
class SystemDesktop : public Desktop {
public:
    bool openFile(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool printFile(const QString &path) override;
};

/// Records every hand-off and starts nothing; for tests.
class RecordingDesktop : public Desktop {
public:
    bool openFile(const QString &path) override { opened << path; return result; }
    bool openUrl(const QString &url) override { urls << url; return result; }
    bool printFile(const QString &path) override { printed << path; return result; }

    QStringList opened, urls, printed;
    bool result = true;
};

/// The desktop in use (a SystemDesktop until another is installed).
Desktop &desktop();
std::unique_ptr<Desktop> setDesktop(std::unique_ptr<Desktop> d);

} // namespace platform
