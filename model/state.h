#pragma once

#include "model/parcel.h"

#include <QString>
#include <cstdint>

namespace model {

/// The program-wide values of the parcel model; they live for the whole run.
struct State {
    ParcelList Parcels;              ///< the parcels, 1..n
    int32_t CurParcel = 0;           ///< parcel shown in the main window; 0 when none
    zova::OneBased<QString> ImportLines; ///< lines of the file being imported, 1..n
    QString Koatuu;                  ///< KOATUU of the file or of the chosen territory
    int16_t DefaultZone = 0;         ///< zone of the file's header
    int16_t DefaultQuarter = 0;      ///< quarter of the file's header
    QString RaiZem;                  ///< head of the district land office
    QString Golova;                  ///< head of the council
    QString TerritoryText;           ///< territory phrase
    QString FileName;                ///< full path of the file of the last open or save dialog
    QString FileTitle;               ///< its name without folder
    uint8_t FileFilter = 0;          ///< filter index chosen in that dialog
    int16_t SaveSelectedOnly = 0;    ///< -1 when the last save command wrote the selected parcels only
    /// The parcels were changed in the window (an edit, a shift, a bulk assignment, a mark) since
    /// they were loaded or last written whole to an exchange file.
    bool Modified = false;
    uint8_t BatchMode = 0;           ///< mode of the last batch dialog (model::BatchModes)
};

/// The one instance.
State &state();
/// Back to the start values (tests).
void resetState();

} // namespace model
