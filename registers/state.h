#pragma once

#include "documents/docbatch.h"
#include "registers/reportgroups.h"

#include <array>
#include <cstdint>
#include <vector>

namespace registers {

/// The kinds of documentation package the main window's document command opens the package
/// dialog for.
enum ReportModeValue : uint8_t { ReportShares = 1, ReportPrivate = 2 };

/// The program-wide values of the documentation package; they live for the whole run.
struct State {
    ReportGroupList ReportGroups; ///< owner groups, rebuilt before each opening of the package dialog
    double TotalArea = 0;         ///< land of common ownership, square metres
    /// The parcels that the groups and TotalArea leave out, since no plan could draw them, and why;
    /// rebuilt with the groups.
    std::vector<documents::BatchFailure> LeftOut;
    double CatSum1 = 0;           ///< category sums of the parcel summed last, square metres
    double CatSum2 = 0;
    double CatSum3 = 0;
    double CatSum4 = 0;
    uint8_t ReportMode = 0;       ///< 1 share documents, 2 technical documentation of private ownership
    bool PageNumbers = true;      ///< the contents of document 1 get page numbers
    std::array<bool, 13> DocChosen{}; ///< entry i chooses document i (1..12); entry 0 stays false
};

/// The one instance.
State &state();
/// Back to the start values (tests).
void resetState();

} // namespace registers
