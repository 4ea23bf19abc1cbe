#pragma once

#include "reference/lookups.h"
#include "reference/officials.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace reference {

/// One row of a_rada as the territory and officials dialogs read it; a Null column reads as "".
struct RadaRow {
    int32_t id = 0;
    int32_t parentId = 0;
    QString admName; ///< the list text of regions and districts
    QString name;    ///< the unit's own name ("Софіївсько-Борщагівська")
    QString st;      ///< its status word ("сільська")
    int32_t code = 0; ///< its part of the KOATUU code within its parent
    QString zem, golova, arhit, goladm; ///< officials

    /// Name and status word joined by one blank: a council's list text.
    QString councilText() const { return name + QLatin1Char(' ') + st; }
};

/// The units whose parent is parentId (0: the regions), in the order the database returns them,
/// read with one query. Throws zova::Error on a database failure.
std::vector<RadaRow> RadaChildren(int32_t parentId);
/// The unit with this a_rada_id; nothing when there is none. Throws zova::Error on a database failure.
std::optional<RadaRow> RadaRowById(int32_t id);
/// The unit with this a_rada_id. Throws zova::Error when there is none, or on a database failure.
RadaRow RequireRadaRow(int32_t id);
/// The settlements of a council, in the order the database returns them, read with one query:
/// text a_selo_name, data a_selo_id. Throws zova::Error on a database failure.
std::vector<ListItem> Settlements(int32_t councilId);

/// The KOATUU code of a region, district, council and settlement, given by their ids (0 or less
/// for a level not chosen): the region's two digits, the district's three, the council's three and
/// the settlement's two, each part read from the database and written with leading zeros (a wider
/// part keeps all its digits); the levels below the deepest chosen one are zeros, and a choice
/// without a region, or with a gap above a chosen level, is ten zeros. A council id equal to the
/// district id (a district that stands for its own council) gives no council part, so a settlement
/// directly under a city of regional importance reads "<region><city>000<settlement>"
/// ("6110500002"). withLabel puts "Код КОАТУ: " in front. Throws zova::Error when a chosen unit is
/// missing or the database fails.
QString MakeKoatuuCode(int32_t regionId, int32_t districtId, int32_t councilId, int32_t settlementId, bool withLabel);

/// True for a code of exactly ten digits.
bool IsKoatuuCode(const QString &code);

/// What the territory dialog has chosen: the texts its four lists show, whether a council is
/// selected, whether the district has councils of its own, and the ids of the choice.
struct TerritoryPick {
    uint8_t level = 0; ///< 1 region, 2 district, 3 council (a settlement keeps 3)
    QString region, district, council, settlement; ///< the lists' texts; settlement empty when none is chosen
    bool councilSelected = false;
    bool districtHasCouncils = true;
    int32_t regionId = 0;
    int32_t districtId = 0;
};

/// The territory phrase, the council and its case forms that a pick gives, for the documents.
struct TerritoryPhrase {
    bool complete = false;  ///< false: the pick names no council the documents could print
    QString territoryText;
    QString councilName;    ///< set only for a district that is its own council, or a city's district
    QString genitive;
    QString dative;
};

/// The documents' texts of a pick. A council gives "<region> <district> <council> рада" (and
/// " <settlement>" when one is chosen), a city among the districts printed by PrintedUnitName
/// ("м. Ірпінь"), as the KOATUU resolution prints it; a district for which IsRegionalCity holds
/// and that has no council selected is a city that is its own council: "<region> <city council> рада"
/// (and " <settlement>" for a village directly under the city), the council being the district
/// row's name and status word; a district without councils of its
/// own that is no such city is a district of a city with special status: "<region>
/// <district>", with the city's council (the region row's name and status word); that city chosen
/// as a whole (a region for which IsSpecialStatusCity holds) is "<region>" with the same council.
/// The case forms come from the first two words of the council, split at each single blank; a
/// council with fewer than two words, or an empty first or second word, leaves the pick
/// incomplete, as does any other region alone or a district with councils where none is chosen.
/// Throws zova::Error on a database failure.
TerritoryPhrase ComposeTerritory(const TerritoryPick &pick);

/// The territory the territory dialog holds while it is open: the composed code, the names and
/// ids of the chosen units and the officials read with them. Nothing of it is the program's until
/// the dialog is accepted (officials corrected for the published territory excepted, which
/// PublishDistrictOfficials and PublishCouncilHead hand over at once).
struct TerritoryChoice {
    QString Koatuu;          ///< the code without label, as last composed
    uint8_t TerraLevel = 0;  ///< 1 region, 2 district, 3 council
    QString RegionName, DistrictName, CouncilName, CentreName;
    int32_t DistrictId = 0;
    int32_t CouncilId = 0;   ///< the chosen council, or the district itself when it has no councils
    QString RaiZem, Arhit, GolAdm, Golova;
};

/// Makes an accepted choice the program's territory: the code into model::state().Koatuu and into
/// the KOATUU part of every parcel, selected or not (a parcel whose code changes marks the parcels
/// changed and not written); the phrase, the names, the ids, the case forms and the officials into
/// model::state() and state(). The council name is the phrase's.
void PublishTerritory(const TerritoryChoice &choice, const TerritoryPhrase &phrase);

/// Hands officials stored by the district-officials dialog to the program at once when they are
/// the published territory's, the one the documents print (accepted in the territory dialog, or
/// named by an opened file's code): the district is the published one (state().DistrictId); the head of
/// the council only when the published council is that district itself (a city or a district
/// without councils of its own). The officials of another district stay in the database until a
/// territory with it is accepted: printed beside another territory's names they would be wrong.
void PublishDistrictOfficials(int32_t districtId, const DistrictOfficials &officials);
/// Hands a head stored by the council-head dialog to the program at once when the council is the
/// published one (state().CouncilId).
void PublishCouncilHead(int32_t councilId, const QString &head);

} // namespace reference
