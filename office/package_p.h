#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace office {

/// The parts of an Open Packaging zip held in memory, in their order in the archive.
class Package {
public:
    /// Reads every part of the zip at `path`; throws office::Error naming the path when the file
    /// is missing or is not a zip package.
    static Package read(const QString &path);
    /// The zip bytes of the parts, [Content_Types].xml first; parts are deflated at a fast level.
    QByteArray write() const;

    bool has(const QString &name) const;
    /// The bytes of a part; empty when the package does not hold it.
    QByteArray part(const QString &name) const;
    void setPart(const QString &name, const QByteArray &data);

    const std::vector<std::pair<QString, QByteArray>> &parts() const { return m_parts; }

private:
    std::vector<std::pair<QString, QByteArray>> m_parts;
};

/// Writes `data` to `path` through a temporary file renamed over the target; throws
/// office::Error naming the path when that fails (the old file is kept then).
void writeFileSafely(const QString &path, const QByteArray &data);
/// Writes the data as a new file under `path` or, while a file has that name, the first free
/// " (2)", " (3)", ... beside it (platform::WriteNewFile); returns the path written. Throws Error.
QString writeNewFileSafely(const QString &path, const QByteArray &data);

} // namespace office
