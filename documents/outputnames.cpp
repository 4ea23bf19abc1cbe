#include "documents/outputnames.h"

#include <QDir>
#include <QFileInfo>

namespace documents {

QString SafeFileName(const QString &text, const QString &fallback)
{
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || unsafe.contains(c))
            out += QLatin1Char('_');
        else
            out += c;
    }
    out = out.trimmed();
    if (!out.isEmpty() && (out.front() == QLatin1Char('.') || out.front() == QLatin1Char('-')))
        out.front() = QLatin1Char('_');
    if (out.isEmpty() || out == QLatin1String("_"))
        return fallback;
    return out;
}

QString UnusedPath(const QString &path)
{
    const QFileInfo file(path);
    const QString stem = file.dir().filePath(file.completeBaseName());
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    QString free = path;
    for (int k = 2; QFileInfo::exists(free); ++k)
        free = stem + QStringLiteral("_%1").arg(k) + suffix;
    return free;
}

QString OutputNames::Reserve(const QString &folder, const QString &baseName, const QString &extension)
{
    const QDir dir(folder);
    const QString base = SafeFileName(baseName, QStringLiteral("document"));
    for (int k = 1;; ++k) {
        const QString name = k == 1 ? base + extension : base + QStringLiteral("_%1").arg(k) + extension;
        const QString path = QDir::cleanPath(dir.absoluteFilePath(name));
        // Names are compared without letter case: two names that differ only so are one file on
        // the file systems that offices share documents through.
        const QString key = path.toLower();
        if (m_taken.contains(key))
            continue;
        m_taken.insert(key);
        return path;
    }
}

} // namespace documents
