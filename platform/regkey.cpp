#include "platform/regkey.h"

#include "platform/prompts.h"
#include "platform/savefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <map>
#include <utility>
#include <vector>

namespace platform {

namespace {

QString groupOf(const QString &keyName)
{
    QString g = keyName;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (g.endsWith(QLatin1Char('/')))
        g.chop(1);
    return g;
}

QSettings openSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VantaFonts"), QStringLiteral("Fnt"));
}

// A value's type travels with it, so a number stays a number when read back.
QString typeName(const QString &valueName) { return QStringLiteral(".types/") + valueName; }

const QString kKeyMarker = QStringLiteral(".key");

// Every value of the settings file, by its full key ("Software/VantaFonts/Fnt/plnFName").
using Values = std::map<QString, QVariant>;

// Key texts in the file: "/" between levels becomes "\\", letters, digits, "_", "-" and "." stay,
// any other character is written as %XX or %UXXXX, as the settings library reads them.
QString iniKey(QStringView key)
{
    QString out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u'/')
            out += QLatin1Char('\\');
        else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_'
                 || u == u'-' || u == u'.')
            out += c;
        else if (u <= 0xFF)
            out += QStringLiteral("%%1").arg(uint(u), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += QStringLiteral("%U%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

bool isHexDigit(char16_t u)
{
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

// A text as the settings library reads it back unchanged: "@" opens a typed value there, so a
// leading one is doubled; quotes, backslashes and control characters are escaped (a hex escape
// reads on while digits follow, so a digit after one is escaped too); and a text with a comma, a
// semicolon, "=" or a blank at either end stands in quotes, since it would be split or trimmed.
QString iniText(const QString &text)
{
    const QString t = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QString out;
    bool hexOpen = false;
    bool quoted = !t.isEmpty() && (t.front() == QLatin1Char(' ') || t.back() == QLatin1Char(' '));
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        quoted = quoted || u == u',' || u == u';' || u == u'=';
        if (hexOpen && isHexDigit(u)) {
            out += QStringLiteral("\\x%1").arg(uint(u), 0, 16);
            continue;
        }
        hexOpen = false;
        switch (u) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (u < 0x20 || u == 0x7F) {
                out += QStringLiteral("\\x%1").arg(uint(u), 0, 16);
                hexOpen = true;
            } else {
                out += c;
            }
        }
    }
    return quoted ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

QString iniValue(const QVariant &v)
{
    if (!v.isValid())
        return QStringLiteral("@Invalid()");
    if (v.typeId() == QMetaType::QStringList) {
        const QStringList items = v.toStringList();
        if (items.isEmpty())
            return QStringLiteral("@Invalid()");
        QStringList texts;
        for (const QString &item : items)
            texts << iniText(item);
        return texts.join(QStringLiteral(", "));
    }
    // This program keeps texts and numbers only; a number is its digits.
    return iniText(v.toString());
}

// The settings file's text: a section per first level of the keys ("General" for keys of one
// level), the rest of each key below it, in UTF-8.
QByteArray iniFile(const Values &values)
{
    std::map<QString, std::vector<std::pair<QString, QString>>> sections;
    for (const auto &[key, value] : values) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        QString section = slash < 0 ? QString() : key.left(slash);
        sections[std::move(section)].emplace_back(iniKey(QStringView(key).mid(slash + 1)), iniValue(value));
    }
    QString out;
    for (const auto &[section, entries] : sections) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        const QString name = iniKey(section);
        if (name.isEmpty())
            out += QStringLiteral("[General]\n");
        else if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            out += QStringLiteral("[%") + name + QStringLiteral("]\n");
        else
            out += QLatin1Char('[') + name + QStringLiteral("]\n");
        for (const auto &[key, text] : entries)
            out += key + QLatin1Char('=') + text + QLatin1Char('\n');
    }
    return out.toUtf8();
}

// Changes values of the settings file and writes it whole: the old file stays as it was until
// the new one is complete on the disk (the settings library's own writing reports success when
// the last write-out of a full disk fails, and leaves the file empty or cut). Other copies of
// the program writing at the same time wait for each other on the settings library's lock file.
bool writeValues(const std::vector<std::pair<QString, QVariant>> &changes)
{
    const QString path = RegKey::FileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000))
        return false;

    Values values;
    {
        QSettings s = openSettings();
        s.setFallbacksEnabled(false); // the file of this user alone, not those of the system
        for (const QString &key : s.allKeys())
            values[key] = s.value(key);
    }
    const QFileInfo before(path);
    const qint64 oldSize = before.exists() ? before.size() : -1;
    const QDateTime oldTime = before.lastModified();
    for (const auto &[key, value] : changes)
        values[key] = value;

    QString error;
    if (!WriteFileWhole(path, iniFile(values), &error))
        return false;
    // The settings library reads a file again only when its size or time of change differ from
    // those it read: a value of the same length written within the same millisecond would
    // otherwise be read as it was.
    QFile written(path);
    if (written.size() == oldSize && QFileInfo(path).lastModified() == oldTime
        && written.open(QIODevice::ReadWrite))
        written.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}

QString fullKey(const QString &group, const QString &name)
{
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

} // namespace

QVariant RegKey::QueryValue(const QString &sKeyName, const QString &sValueName) const
{
    QSettings s = openSettings();
    s.beginGroup(groupOf(sKeyName));
    if (!s.contains(sValueName))
        return QVariant();
    const QVariant v = s.value(sValueName);
    if (s.value(typeName(sValueName)).toInt() == RegDword)
        return QVariant(static_cast<qint32>(v.toLongLong()));
    return QVariant(v.toString());
}

bool RegKey::SetKeyValue(const QString &sKeyName, const QString &sValueName, const QVariant &vValueSetting, int lValueType)
{
    if (lValueType != RegSz && lValueType != RegDword)
        return false;
    const QString group = groupOf(sKeyName);
    const QVariant data = lValueType == RegSz ? QVariant(vValueSetting.toString())
                                              : QVariant(static_cast<qint32>(vValueSetting.toLongLong()));
    return writeValues({{fullKey(group, kKeyMarker), 1},
                        {fullKey(group, sValueName), data},
                        {fullKey(group, typeName(sValueName)), lValueType}});
}

bool RegKey::CreateNewKey(const QString &sParentKeyName, const QString &sNewKeyName)
{
    const QString group = groupOf(sParentKeyName) + QLatin1Char('/') + groupOf(sNewKeyName);
    if (KeyExists(group))
        return true;
    return writeValues({{fullKey(group, kKeyMarker), 1}});
}

QString RegKey::FileName()
{
    return openSettings().fileName();
}

bool RegKey::KeyExists(const QString &sKeyName) const
{
    QSettings s = openSettings();
    s.beginGroup(groupOf(sKeyName));
    return s.contains(kKeyMarker);
}

void ReportSettingsNotStored(const QString &what)
{
    MsgBox(QStringLiteral("Не вдалося зберегти %1 (%2): немає місця на диску або права на запис.")
               .arg(what, QDir::toNativeSeparators(RegKey::FileName())),
           productTitle(), MsgIcon::Exclamation);
}

} // namespace platform
