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

/// The land office and the district as the transmittal note names them, each with the word that
/// follows it: "Києво-Святошинський" " районний" (відділ земельних ресурсів) and
/// "Києво-Святошинського" " району" (DistrictWord and DistrictGenitive). A city of regional
/// importance, which the territory dialog lists as "м Біла Церква", has a city's land office named
/// by the city's adjective, the first word of `centreName` (its council's name: "Білоцерківська
/// міська" gives "Білоцерківський" " міський"), and is named "м. Біла Церква" with no word after
/// it. A city whose centre gives no adjective keeps the district's texts.
struct NoteDistrict {
    QString office, officeKind;     ///< the land office's adjective and its kind word, nominative
    QString district, districtKind; ///< the district in the genitive and " району", or the city
};
NoteDistrict NoteDistrictOf(const QString &districtName, const QString &centreName);

} // namespace registers
