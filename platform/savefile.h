#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace platform {

// Every reason these functions give is the system's own, in Ukrainian ("файлова система доступна
// лише для читання", "на диску не залишилося вільного місця" ...).

/// Writes the bytes into the file through a temporary file beside it, which takes the file's name
/// only once every byte has reached the disk. A write that fails, also the last write-out of the
/// buffer on a full disk, leaves the old file as it was. On failure returns false and puts the
/// system's reason into *error.
bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error);

/// The n-th name a file meant for `path` may take (n from 1): `path` itself, then "name (2).ext",
/// "name (3).ext", ... beside it, as desktops name a copy. No document of this program is named so
/// (a plan is "12_3_7", an act the parcel's number), so a free name is never read as another
/// document's. A path that names a copy already, "name (k).ext", counts on: "name (k+1).ext", ...
QString FreeName(const QString &path, int n);

/// Writes the bytes as a file of its own, never in place of another: under `path` while no file has
/// that name, otherwise under the first free name beside it that none has (FreeName). The whole file is
/// written to a temporary file first, which then takes the name only if it is still free at that
/// moment, so programs that write under one name at the same time each keep their file. Returns the
/// path written (clean, absolute); empty on failure, with the reason in *error.
QString WriteNewFile(const QString &path, const QByteArray &bytes, QString *error);

/// One of several files that are replaced together.
struct FileContent {
    QString Path;
    QByteArray Bytes;
};

/// Writes files that belong together: every one is written whole to its temporary file first,
/// and only then do they take their names; when one cannot take its name, those that already had
/// are given back their old files (or removed, where there was none), so that a failure at any
/// step leaves all the old files. On failure returns false with the file concerned in
/// *failedPath and the reason in *error.
bool WriteFilesTogether(const std::vector<FileContent> &files, QString *failedPath, QString *error);

} // namespace platform
