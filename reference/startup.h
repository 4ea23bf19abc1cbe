#pragma once

#include <QString>

namespace reference {

/// The operator's own folder (QStandardPaths::AppDataLocation, ~/.local/share/zova on Linux): it
/// holds the working mybase.dat and the Export folder, which a rebuild or a new version of the
/// program never touches.
QString UserDataFolder();

/// Makes `dataDir` when it is missing and, when it holds no mybase.dat yet, copies the one that
/// ships in `programDir` there; an existing working copy is never replaced. Returns the path of
/// the working mybase.dat, or an empty text with a Ukrainian message in *error when the folder
/// cannot be made or the copy fails.
QString PrepareWorkingBase(const QString &programDir, const QString &dataDir, QString *error = nullptr);

/// The start of the program before its main window: writes the default font settings when the
/// stored "gaNameFName" is missing or not longer than one character, loads the five font
/// settings, puts the working mybase.dat in place (PrepareWorkingBase), brings it up to the shipped
/// one's territory data (UpgradeWorkingCopy) and opens it. When the database cannot be put in
/// place or opened it shows the reason, in Ukrainian, in one critical message box (also when the
/// upgrade failed on the same file) and returns false; the caller then ends the start.
bool StartUp(const QString &programDir, const QString &dataDir);

/// Brings the office's working copy of mybase.dat up to the territory data of the shipped copy
/// when that is newer (reference::UpgradeWorkingBase: a backup beside it first, then one
/// transaction that keeps everything the office entered). A failure leaves the working copy as it
/// was; its warning is shown, or put into *warning when that is given; the program then goes on
/// with the copy.
void UpgradeWorkingCopy(const QString &workingPath, const QString &shippedPath, QString *warning = nullptr);

} // namespace reference
