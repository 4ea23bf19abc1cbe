#pragma once

#include <QString>

namespace registers {

/// The folder of the documentation package, as the folder picker last gave it (a root ends in "/",
/// any other folder does not); the package dialog clears it when it opens. The general output folder
/// is documents::options().OutputFolder, set by the same picker.
struct Folders {
    QString ReportFolder;
};

/// The one instance.
Folders &folders();
/// Back to the start values (tests).
void resetFolders();

} // namespace registers
