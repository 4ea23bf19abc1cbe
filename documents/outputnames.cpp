#include "documents/outputnames.h"

#include "platform/prompts.h"
#include "platform/savefile.h"

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

QString OutputNames::Reserve(const QString &folder, const QString &baseName, const QString &extension)
{
    const QDir dir(folder);
    const QString name = SafeFileName(baseName, QStringLiteral("document")) + extension;
    for (int k = 1;; ++k) {
        // A copy's name, "0002 (2).docx", as a free name on the disk takes: "0002_2" is a plan's.
        const QString path = platform::FreeName(QDir::cleanPath(dir.absoluteFilePath(name)), k);
        // Names are compared without letter case: two names that differ only so are one file on
        // the file systems that offices share documents through.
        const QString key = path.toLower();
        if (m_taken.contains(key))
            continue;
        m_taken.insert(key);
        return path;
    }
}

void OutputNames::AskBeforeReplacing(const QStringList &paths)
{
    QSet<QString> there;
    QStringList folders;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        if (!file.exists())
            continue;
        there.insert(QDir::cleanPath(file.absoluteFilePath()).toLower());
        const QString folder = QDir::toNativeSeparators(file.absolutePath());
        if (!folders.contains(folder))
            folders << folder;
    }
    m_replaceable.clear();
    if (there.isEmpty())
        return;
    const QString text = QStringLiteral("У теці %1 вже є документи з тими самими іменами: %2.\n"
                                        "Замінити їх новими?\n\n"
                                        "«Ні» — залишити їх, а нові документи зберегти під іншими іменами.")
                             .arg(folders.join(QStringLiteral(", ")))
                             .arg(there.size());
    const platform::MessageRequest question{text, platform::productTitle(), platform::MsgIcon::Question,
                                            platform::MsgButtons::YesNo, platform::MsgAnswer::No};
    if (platform::prompts().message(question) == platform::MsgAnswer::Yes)
        m_replaceable = there;
}

bool OutputNames::MayReplace(const QString &path) const
{
    return m_replaceable.contains(QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toLower());
}

} // namespace documents
