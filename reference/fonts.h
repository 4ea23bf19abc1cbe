#pragma once

#include "reference/fontsetting.h"
#include "reference/state.h"

#include <QString>
#include <QVariant>
#include <array>

namespace reference {

/// The settings key (under HKEY_LOCAL_MACHINE in the original layout) that holds the twenty
/// font values: for each prefix its Name, Size, Bold and Italic, all as text.
inline QString FontsKey() { return QStringLiteral("Software\\VantaFonts\\Fnt"); }

/// One kind of document text: its settings prefix, its row in the font dialog, its defaults and
/// the program-wide record it loads into.
struct FontKind {
    const char *prefix;     ///< "gaNameF": values "gaNameFName", "gaNameFSize", ...
    const char *rowKey;     ///< key of its row in the font dialog ("ga_n")
    QString rowText;        ///< text of that row ("Державні акти (ПІБ)")
    QString defaultName;
    QString defaultSize;
    QString defaultBold;
    QString defaultItalic;
    FontSetting State::*member;
};

/// The five kinds, in the order of the dialog's rows and of the defaults.
const std::array<FontKind, 5> &FontKinds();

/// The four value names of a prefix: Name, Size, Bold, Italic.
std::array<QString, 4> FontValueNames(const char *prefix);

/// A stored value as text: a text as it is, a 32-bit number as its decimal digits, a missing
/// value as "".
QString FontValueText(const QVariant &stored);

/// A record from the four stored texts: the size is the leading number ("." as separator) rounded
/// half to even (0 for empty, non-numeric or out-of-range text); a flag is true for "True" or a
/// text that begins with a number other than 0.
FontSetting FontFromTexts(const QString &name, const QString &size, const QString &bold, const QString &italic);

/// Creates the key and writes the twenty default values (existing values are overwritten).
/// False when the settings file could not be written (a full disk, no right to write); the old
/// file then stays as it was.
bool WriteDefaultFonts();

/// Tells the operator that the font settings could not be stored.
void ReportFontsNotStored();
/// Reads the twenty values into the five records of state().
void LoadFonts();
/// Puts the five defaults into the records of state(), for a run whose settings file could not
/// take them.
void UseDefaultFonts();
/// True when the stored "gaNameFName" is missing or not longer than one character: the start
/// then writes the defaults.
bool FontsNeedDefaults();

} // namespace reference
