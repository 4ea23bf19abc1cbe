#include "platform/savefile.h"

#include "platform/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemReason(int code)
{
    return UkrainianSystemErrors(QString::fromLocal8Bit(std::strerror(code)));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Why a file cannot be written there, asked of the system: Qt words some refusals itself, in
// English and without the cause ("Existing file ... is not writable" on a read-only mount). Empty
// when the system sees nothing in the way.
QString refusalOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return systemReason(EISDIR);
    if (info.exists() && ::access(native(path).constData(), W_OK) != 0)
        return systemReason(errno);
    if (::access(native(info.absolutePath()).constData(), W_OK) != 0)
        return systemReason(errno);
    return QString();
}

// The reason a file could not be written; the buffered write-out of a full disk sometimes
// leaves no text of its own.
QString reasonOf(const QSaveFile &file)
{
    const QString text = file.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error")
        ? QStringLiteral("недостатньо місця або помилка запису") : UkrainianSystemErrors(text);
}

// Opens the temporary file and writes the bytes into it to the last one. QSaveFile::commit does
// not report a failure of its own final write-out, so the buffer is flushed and checked here.
bool writeTemporary(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    if (!file.open(QIODevice::WriteOnly)) {
        const QString refusal = refusalOf(file.fileName());
        *error = refusal.isEmpty() ? reasonOf(file) : refusal;
        return false;
    }
    if (file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = reasonOf(file);
    file.cancelWriting(); // the temporary file goes, the old file stays
    return false;
}

// A name beside `path` that no file has yet, for a file of passing use: ".name.<tag>-XXXXXXXX".
QString passingName(const QString &path, const char *tag)
{
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral(".%1.%2-%3")
                                   .arg(info.fileName(), QLatin1String(tag))
                                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

// Writes the bytes into a new file of a passing name beside `path`, to the disk; its path, or
// empty with the system's error number in *code.
QString writePassing(const QString &path, const char *tag, const QByteArray &bytes, int *code)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = passingName(path, tag);
        const int fd = ::open(native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            *code = errno;
            return QString();
        }
        const char *data = bytes.constData();
        qsizetype left = bytes.size();
        *code = 0;
        while (left > 0 && *code == 0) {
            const ssize_t n = ::write(fd, data, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                *code = n < 0 ? errno : EIO;
                break;
            }
            data += n;
            left -= n;
        }
        if (*code == 0 && ::fsync(fd) != 0)
            *code = errno;
        if (::close(fd) != 0 && *code == 0)
            *code = errno;
        if (*code == 0)
            return name;
        ::unlink(native(name).constData());
        return QString();
    }
    *code = EEXIST;
    return QString();
}

// Gives the file `from` the name `to` only while no file has it: 0 when done, EEXIST when the name
// is taken (also by a file put there at this very moment), another error number on failure.
int takeFreeName(const QString &from, const QString &to)
{
    const QByteArray source = native(from), target = native(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system without that kind of rename: a hard link takes a name only while it is free.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    if (errno == EEXIST || (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != ENOSYS))
        return errno;
    // Nor hard links (FAT, some network shares): a placeholder made only where no file is holds
    // the name, and the file goes in its place while the placeholder is still the one made here.
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    struct stat mine {};
    const bool known = ::fstat(fd, &mine) == 0;
    ::close(fd);
    struct stat now {};
    if (!known || ::lstat(target.constData(), &now) != 0 || now.st_ino != mine.st_ino || now.st_dev != mine.st_dev)
        return EEXIST; // someone else's file stands there now
    if (::rename(source.constData(), target.constData()) == 0)
        return 0;
    const int code = errno;
    ::unlink(target.constData());
    return code;
}

// Keeps the file now at `path` under a passing name beside it until the files written together
// have all taken their names: a second link to it, or a copy. A copy it is where the file system
// allows no link, and for a file of another user, whose second link could not be removed again
// from a folder shared as /tmp is. The passing name; empty with the reason in *error.
QString keepOld(const QString &path, QString *error)
{
    struct stat status {};
    const bool own = ::stat(native(path).constData(), &status) == 0 && status.st_uid == ::geteuid();
    for (int attempt = 0; own && attempt < 100; ++attempt) {
        const QString name = passingName(path, "old");
        if (::link(native(path).constData(), native(name).constData()) == 0)
            return name;
        if (errno != EEXIST)
            break;
    }
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly)) {
        *error = UkrainianSystemErrors(old.errorString());
        return QString();
    }
    int code = 0;
    const QString copy = writePassing(path, "old", old.readAll(), &code);
    if (copy.isEmpty())
        *error = systemReason(code);
    return copy;
}

} // namespace

QString FreeName(const QString &path, int n)
{
    if (n <= 1)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString base = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    // A copy's own name counts on from its number, where "name (2) (2)" would read oddly.
    static const QRegularExpression copy(QStringLiteral("^(.+) \\(([2-9]|[1-9][0-9]{1,4})\\)$"));
    int first = 1;
    const QRegularExpressionMatch m = copy.match(base);
    if (m.hasMatch()) {
        base = m.captured(1);
        first = m.captured(2).toInt();
    }
    return path.left(slash + 1) + base + QStringLiteral(" (%1)").arg(first + n - 1) + suffix;
}

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

QString WriteNewFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    int code = 0;
    const QString written = writePassing(wanted, "new", bytes, &code);
    if (written.isEmpty()) {
        const QString refusal = refusalOf(wanted);
        *error = refusal.isEmpty() ? systemReason(code) : refusal;
        return QString();
    }
    for (int n = 1; n <= 100000; ++n) {
        const QString name = FreeName(wanted, n);
        code = takeFreeName(written, name);
        if (code == 0)
            return name;
        if (code != EEXIST)
            break;
    }
    ::unlink(native(written).constData());
    *error = systemReason(code);
    return QString();
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
    // Each old file is kept under a second name until every new one has taken its name, so that
    // a failure on the way can put the old ones back.
    std::vector<QString> kept(files.size());
    const auto dropKept = [&kept] {
        for (const QString &name : kept)
            if (!name.isEmpty())
                ::unlink(native(name).constData());
    };
    // A symbolic link is written through to the file it names, so that file is the one to keep.
    const auto placeOf = [](const QString &path) {
        const QFileInfo target(path);
        return target.isSymLink() && target.exists() ? target.canonicalFilePath() : path;
    };
    for (size_t i = 0; i < files.size(); ++i) {
        if (!QFileInfo::exists(files[i].Path))
            continue;
        kept[i] = keepOld(placeOf(files[i].Path), error);
        if (kept[i].isEmpty()) {
            *failedPath = files[i].Path;
            dropKept();
            return false;
        }
    }
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i]->commit())
            continue;
        *failedPath = files[i].Path;
        *error = reasonOf(*out[i]);
        for (size_t j = 0; j < i; ++j) {
            const QByteArray place = native(placeOf(files[j].Path));
            if (kept[j].isEmpty()) {
                ::unlink(place.constData()); // there was no file before
            } else if (::rename(native(kept[j]).constData(), place.constData()) == 0) {
                kept[j].clear();
            } else {
                // The old file stays where it was kept, for the operator to find.
                *error += QStringLiteral("; попередній файл не вдалося повернути (%1), він лишився як %2")
                              .arg(systemReason(errno), QDir::toNativeSeparators(kept[j]));
                kept[j].clear();
            }
        }
        dropKept();
        return false;
    }
    dropKept();
    return true;
}

} // namespace platform
