#include "office/package_p.h"

#include "office/error.h"
#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace office {

namespace {

QString notPackage(const QString &path)
{
    return QStringLiteral("Файл не є документом Word (.docx, .dotx): %1").arg(path);
}

} // namespace

Package Package::read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Файл не знайдено або його неможливо прочитати: %1").arg(path), path);
    const QByteArray bytes = file.readAll();

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        throw Error(notPackage(path), path);
    }

    Package package;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    bool ok = true;
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, i, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) {
            ok = false;
            break;
        }
        const QString name = QString::fromUtf8(st.name);
        if (name.endsWith(QLatin1Char('/')))
            continue;
        zip_file_t *entry = zip_fopen_index(archive, i, 0);
        if (!entry) {
            ok = false;
            break;
        }
        QByteArray data;
        char buffer[65536];
        zip_int64_t n;
        while ((n = zip_fread(entry, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        if (n < 0)
            ok = false;
        zip_fclose(entry);
        package.m_parts.emplace_back(name, data);
    }
    zip_discard(archive);
    if (!ok || !package.has(QStringLiteral("[Content_Types].xml")))
        throw Error(notPackage(path), path);
    return package;
}

QByteArray Package::write() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target)
        throw Error(QStringLiteral("Неможливо створити архів документа"));
    zip_source_keep(target);
    zip_t *archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(target);
        throw Error(QStringLiteral("Неможливо створити архів документа"));
    }

    auto add = [&](const QString &name, const QByteArray &data) {
        zip_source_t *source = zip_source_buffer(archive, data.constData(), data.size(), 0);
        const QByteArray utf8 = name.toUtf8();
        const zip_int64_t index = source ? zip_file_add(archive, utf8.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            return false;
        }
        zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 1);
        return true;
    };
    bool ok = true;
    // The content types come first: some readers look for them at the start of the archive.
    for (const auto &[name, data] : m_parts)
        if (name == QLatin1String("[Content_Types].xml"))
            ok = ok && add(name, data);
    for (const auto &[name, data] : m_parts)
        if (name != QLatin1String("[Content_Types].xml"))
            ok = ok && add(name, data);
    // The part data must live until zip_close has compressed it; it does (m_parts is const).
    if (!ok || zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(target);
        throw Error(QStringLiteral("Неможливо створити архів документа"));
    }

    QByteArray result;
    if (zip_source_open(target) == 0) {
        zip_source_seek(target, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(target);
        zip_source_seek(target, 0, SEEK_SET);
        result.resize(size);
        if (zip_source_read(target, result.data(), size) != size)
            result.clear();
        zip_source_close(target);
    }
    zip_source_free(target);
    if (result.isEmpty())
        throw Error(QStringLiteral("Неможливо створити архів документа"));
    return result;
}

bool Package::has(const QString &name) const
{
    for (const auto &p : m_parts)
        if (p.first == name)
            return true;
    return false;
}

QByteArray Package::part(const QString &name) const
{
    for (const auto &p : m_parts)
        if (p.first == name)
            return p.second;
    return {};
}

void Package::setPart(const QString &name, const QByteArray &data)
{
    for (auto &p : m_parts)
        if (p.first == name) {
            p.second = data;
            return;
        }
    m_parts.emplace_back(name, data);
}

namespace {

Error cannotWrite(const QString &path, const QString &reason)
{
    return Error(QStringLiteral("Неможливо записати файл: %1 (%2)").arg(path, reason), path);
}

} // namespace

void writeFileSafely(const QString &path, const QByteArray &data)
{
    QString error;
    if (!platform::WriteFileWhole(path, data, &error))
        throw cannotWrite(path, error);
}

QString writeNewFileSafely(const QString &path, const QByteArray &data)
{
    QString error;
    const QString written = platform::WriteNewFile(path, data, &error);
    if (written.isEmpty())
        throw cannotWrite(path, error);
    return written;
}

} // namespace office
