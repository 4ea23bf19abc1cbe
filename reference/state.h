#pragma once

#include "reference/fontsetting.h"

#include <QString>
#include <cstdint>

namespace reference {

/// The program-wide values of the reference subsystem; they live for the whole run.
/// The territory code, the territory phrase and the heads of the land office and of the council
/// (`Koatuu`, `TerritoryText`, `RaiZem`, `Golova`) live in model::state().
struct State {
    // Font settings, loaded at start and whenever the font dialog closes.
    FontSetting gaNameF; ///< state acts, the owner's name
    FontSetting gaF;     ///< state acts
    FontSetting plnF;    ///< cadastral plans (the coordinate catalogue table)
    FontSetting shtF;    ///< title blocks
    FontSetting SmF;     ///< neighbours

    // Parameters; the main window sets these start values again when it loads.
    double BuildArea = 0.25; ///< hectares for building and servicing a dwelling house
    double AreaRange = 1.0;  ///< allowed deviation, square metres
    QString KZ21Text = QStringLiteral("ведення особистого селянського господарства");
    QString KZ22Text = QStringLiteral("будівництва та обслуговування жилого будинку");

    // Land-use purpose last chosen in the main window.
    QString PurposeName;
    int16_t PurposeId = 0;

    // Title-block staff and the executing organisation, read before each document batch.
    QString PDur, NDur, PSkl, NSkl, PKresl, NKresl, PChek, NChek;
    QString OrganTitle;
    QString PurposeText; ///< the text of the purpose combo at the time of the staff load

    // The chosen territory and its names.
    QString RegionName;
    QString DistrictName;
    QString CouncilName;      ///< council name without the word "рада"
    QString CentreName;       ///< district or city the code falls in
    QString CouncilGenitive;
    QString CouncilGenitive2;
    QString CouncilDative;
    int32_t DistrictId = 0;   ///< a_rada_id of the chosen district
    int32_t CouncilId = 0;    ///< a_rada_id of the chosen council (or of a district without councils)

    // Officials of the chosen district.
    QString Arhit;   ///< district architect
    QString GolAdm;  ///< head of the district administration
};

/// The one instance.
State &state();
/// Back to the start values (tests).
void resetState();
/// The four parameters back to their start values, as the main window does when it loads.
void SetDefaultParameters();

} // namespace reference
