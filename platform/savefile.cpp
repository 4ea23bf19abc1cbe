#include "platform/savefile.h"

#include <QSaveFile>
#include <memory>

namespace platform {

namespace {

// The reason a file could not be written; the buffered write-out of a full disk sometimes
// leaves no text of its own.
QString reasonOf(const QSaveFile &file)
{
    const QString text = file.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error")
        ? QStringLiteral("недостатньо місця або помилка запису") : text;
}

// Opens the temporary file and writes the bytes into it to the last one. QSaveFile::commit does
// not report a failure of its own final write-out, so the buffer is flushed and checked here.
bool writeTemporary(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = reasonOf(file);
    file.cancelWriting(); // the temporary file goes, the old file stays
    return false;
}

} // namespace

bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!writeTemporary(file, bytes, error))
        return false;
    if (file.commit())
        return true;
    *error = reasonOf(file);
    return false;
}

bool WriteFilesTogether(const std::vector<FileContent> &files, QString *failedPath, QString *error)
{
    std::vector<std::unique_ptr<QSaveFile>> out;
    for (const FileContent &f : files) {
        out.push_back(std::make_unique<QSaveFile>(f.Path));
        if (!writeTemporary(*out.back(), f.Bytes, error)) {
            *failedPath = f.Path;
            return false; // the temporary files written so far are discarded with their objects
        }
    }
    for (size_t i = 0; i < out.size(); ++i) {
        if (!out[i]->commit()) {
            *failedPath = files[i].Path;
            *error = reasonOf(*out[i]);
            return false;
        }
    }
    return true;
}

} // namespace platform
