#include "platform/regkey.h"

#include "platform/prompts.h"

#include <QDir>
#include <QSettings>

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
    QSettings s = openSettings();
    s.beginGroup(groupOf(sKeyName));
    s.setValue(kKeyMarker, 1);
    if (lValueType == RegSz)
        s.setValue(sValueName, vValueSetting.toString());
    else
        s.setValue(sValueName, static_cast<qint32>(vValueSetting.toLongLong()));
    s.setValue(typeName(sValueName), lValueType);
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

void RegKey::CreateNewKey(const QString &sParentKeyName, const QString &sNewKeyName)
{
    QSettings s = openSettings();
    s.beginGroup(groupOf(sParentKeyName) + QLatin1Char('/') + groupOf(sNewKeyName));
    if (!s.contains(kKeyMarker))
        s.setValue(kKeyMarker, 1);
    s.endGroup();
    s.sync();
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
