#pragma once

#include <QString>
#include <QVariant>

namespace platform {

/// Registry access kept in user settings: every key path under HKEY_LOCAL_MACHINE
/// ("Software\VantaFonts\Fnt") maps to a group of one INI file (organisation "VantaFonts",
/// application "Fnt", user scope). Like the registry class it replaces it holds no state: each call
/// opens the settings, does its work and closes them. A write writes the whole file anew, which
/// takes the old one's place only once it is complete on the disk: a write that fails (a full
/// disk, no right to write) leaves the file as it was.
class RegKey {
public:
    static constexpr int RegSz = 1;
    static constexpr int RegDword = 4;

    /// The value's text (REG_SZ) or 32-bit number (REG_DWORD); an invalid QVariant when the key or
    /// the value is missing.
    QVariant QueryValue(const QString &sKeyName, const QString &sValueName) const;
    /// Writes a value of type 1 (text) or 4 (32-bit number); other types are refused (returns false),
    /// and so is a write that could not reach the disk.
    bool SetKeyValue(const QString &sKeyName, const QString &sValueName, const QVariant &vValueSetting, int lValueType);
    /// Creates the key below the parent (every missing level); an existing key stays as it is.
    /// False when the settings file could not be written.
    bool CreateNewKey(const QString &sParentKeyName, const QString &sNewKeyName);
    /// True when the key exists.
    bool KeyExists(const QString &sKeyName) const;
    /// The settings file that holds the keys.
    static QString FileName();
};

/// Tells the operator that settings could not be kept (SetKeyValue failed): `what` names them
/// ("налаштування шрифтів"), the message names the settings file and the likely causes.
void ReportSettingsNotStored(const QString &what);

} // namespace platform
