#pragma once

#include <QString>

namespace registers {

/// Writes "Невизначена область", "Невизначений район" and "Невизначена рада" into the region,
/// district and council names of reference::state() that are empty or blanks only; the others stay.
/// The replacements stay for the rest of the run.
void ApplyTerritoryDefaults();

/// The region in the genitive: its first word less the last letter, followed by "ої" ("Київська
/// область" gives "Київської").
QString RegionGenitive(const QString &regionName);

/// The district in the genitive: its first word without the last two letters followed by "ого"
/// ("Києво-Святошинський район" gives "Києво-Святошинського"); the whole name, unchanged, when
/// that word has three characters or fewer ("м Біла Церква"). Leading blanks are passed over.
QString DistrictGenitive(const QString &districtName);

/// The first word of the district name; the whole name when that word has three characters or
/// fewer. Leading blanks are passed over.
QString DistrictWord(const QString &districtName);

} // namespace registers
