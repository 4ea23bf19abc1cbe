#pragma once

#include <cstdint>

namespace mainwindow {

/// The program-wide options of the main window: set to their start values when the window loads,
/// changed by its menus and option controls, read by the document commands; never saved.
struct State {
    bool DsFlag = true;          ///< KOATUU in the cadastral number for every document ("ГЛОБАЛЬНЕ")
    bool CiloveFlag = false;     ///< purpose in the title block after form 6-zem
    bool GroupMode = false;      ///< the plan drawing groups its shapes
    bool MeasureMode = false;    ///< the guide line on the picture is on
    bool ShowLengths = true;     ///< the plan shows line lengths
    bool ShowPointNumbers = true;
    bool ShowNeighbours = true;
    bool ShowLandUse = true;
    uint8_t ZovaVariant = 1;     ///< plan document variant 1..8
    uint8_t WhoChoice = 1;       ///< who signs, 1..2
    uint8_t StorageChoice = 2;   ///< where the document is kept, 1..3
    uint8_t AreaUnit = 0;        ///< 0 square metres, 1 hectares
    int16_t CurLandUse = 0;      ///< land-use area last clicked within the current parcel
};

/// The one instance.
State &state();
/// Back to the start values (the window's load, tests).
void resetState();

} // namespace mainwindow
