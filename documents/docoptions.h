#pragma once

#include <QString>
#include <cstdint>

namespace documents {

/// What happens to each finished document of a batch.
enum DocActionValue : uint8_t { ActionOpen = 0, ActionSave = 1, ActionSavePrint = 2 };

/// Line widths of the plan drawing move on this grid, in points.
inline constexpr double MinLineWidth = 0.25;
inline constexpr double MaxLineWidth = 5.00;
inline constexpr double LineWidthStep = 0.25;

/// The program-wide choices that the document dialogs set and the builders read; kept for the whole
/// run, never saved.
struct DocOptions {
    uint8_t DocAction = ActionOpen;  ///< 0 leave open, 1 save without opening, 2 save and print
    bool DocDialogOk = false;        ///< true when the document-action dialog was closed with "Далі"
    uint8_t DocDialogButton = 0;     ///< 2 "Далі", 1 "Відміна", 0 otherwise; 0 again once it closed
    QString OutputFolder;            ///< where documents are saved; ends in "/" once chosen; empty at start
    uint8_t ParcelLineType = 1;      ///< dash style of parcel outlines, Office numbering 1..8
    uint8_t AreaLineType = 2;        ///< dash style of land-use area outlines, 1..8
    double ParcelLineWidth = 0.75;   ///< width of parcel outlines, points
    double AreaLineWidth = 0.75;     ///< width of land-use area outlines, points
};

/// The one instance.
DocOptions &options();
/// Back to the start values (tests, and the main window when it loads).
void resetOptions();

/// The folder as the output folder keeps it: with a trailing "/" unless it already ends in one or
/// is a single character; empty stays empty.
QString OutputFolderOf(const QString &folder);

} // namespace documents
