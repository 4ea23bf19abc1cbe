#pragma once

#include <QString>
#include <cstdint>

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

/// The district genitive with its ending "ого" replaced by `ending` ("ий" gives the nominative,
/// "а" the feminine, "ої" the feminine genitive). A genitive that does not end in "ого" is the
/// district name kept whole because its first word is too short to decline, and is returned as it is.
QString DistrictWithEnding(const QString &districtGen, const QString &ending);

/// True for a city of regional importance, which the territory dialog lists as "м Біла Церква",
/// whose centre names it by the city council's adjective ("Білоцерківська міська"): its documents
/// name the city's own land office and administration. A city whose centre gives no such adjective
/// is named as a district.
bool IsCityOfRegionalImportance(const QString &districtName, const QString &centreName);

/// The ways a document names the district, or the city of regional importance, and its bodies.
enum class PlaceRole : uint8_t {
    District,              ///< "Києво-Святошинського" " району"; "м. Біла Церква" and no word after it
    Unit,                  ///< the kind of unit alone: " району"; " міста"
    Office,                ///< the land office: "Києво-Святошинський" " районний"; "Білоцерківський" " міський"
    OfficeGenitive,        ///< "Києво-Святошинського" " районного"; "Білоцерківського" " міського"
    OfficeDative,          ///< "Києво-Святошинському" " районному"; "Білоцерківському" " міському"
    Administration,        ///< "Києво-Святошинська" " районна державна адміністрація"; "Білоцерківська" " міськдержадміністрація"
    AdministrationGenitive ///< "Києво-Святошинської" " районної державної адміністрації"; "Білоцерківської" " міськдержадміністрації"
};

/// A name and the words of its kind that follow it.
struct PlaceWords {
    QString name; ///< the district's or city's own word; empty for PlaceRole::Unit
    QString kind; ///< the words of its kind with their leading blank; empty after a city's name
};

/// The district or city of `districtName` and `centreName` (the territory names of the
/// reference state) named in `role`. A district's names are made from its genitive
/// (DistrictGenitive, and DistrictWithEnding of it), a city of regional importance's from its
/// adjective (IsCityOfRegionalImportance).
PlaceWords PlaceWordsOf(const QString &districtName, const QString &centreName, PlaceRole role);

/// The words by which the documents name a council's head and the council itself, told by the
/// council's status word, the word after its name ("Петрівська сільська", "Чабанівська селищна",
/// "Білоцерківська міська", "Києво-Святошинська районна"); letter case does not matter.
struct CouncilWords {
    QString head; ///< "Сільський голова", "Селищний голова", "Міський голова", "Голова районної ради"; "Голова ради" for a council of no known kind
    QString kind; ///< the kind in the genitive with its leading blank, before "ради": " сільської", " селищної", " міської", " районної"; empty for a council of no known kind
};
CouncilWords CouncilWordsOf(const QString &councilName);

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
