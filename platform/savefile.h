#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace platform {

/// Writes the bytes into the file through a temporary file beside it, which takes the file's name
/// only once every byte has reached the disk. A write that fails, also the last write-out of the
/// buffer on a full disk, leaves the old file as it was. On failure returns false and puts the
/// system's reason into *error.
bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error);

/// One of several files that are replaced together.
struct FileContent {
    QString Path;
    QByteArray Bytes;
};

/// Writes files that belong together: every one is written whole to its temporary file first,
/// and only then do they take their names, so that a failed write leaves all the old files. On
/// failure returns false with the file concerned in *failedPath and the reason in *error.
bool WriteFilesTogether(const std::vector<FileContent> &files, QString *failedPath, QString *error);

} // namespace platform
