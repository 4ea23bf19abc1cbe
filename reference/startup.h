#pragma once

#include <QString>

namespace reference {

/// The start of the program before its main window: writes the default font settings when the
/// stored "gaNameFName" is missing or not longer than one character, loads the five font
/// settings, and opens mybase.dat in the program folder. When the database cannot be opened it
/// shows the reason in a critical message box and returns false; the caller then ends the start.
bool StartUp(const QString &programDir);

} // namespace reference
