#pragma once

#include <QString>

namespace reference {

/// The council as the documents name it: every text that prints a council puts the word "рада"
/// (or its case form) after the name, so a name that ends in that word itself, as the fallback
/// "Невизначена рада" does, is given without it ("Невизначена"); otherwise the documents would read
/// "Невизначеної радої ради". A name that is that word alone is returned unchanged.
QString CouncilWithoutWordCouncil(const QString &name);

/// The genitive and dative of a council name ("Петрівська сільська" gives "Петрівської сільської"
/// and "Петрівській сільській"): each of the first two words of CouncilWithoutWordCouncil(name)
/// without its last letter, followed by "ої" or "ій" ("Невизначена рада" gives "Невизначеної").
/// Empty words are passed over; a name of one word gives the form of that word, an empty name
/// empty forms.
struct CaseForms {
    QString genitive;
    QString dative;
};
CaseForms CouncilCaseForms(const QString &councilName);

/// True for the list text of a district-level unit that is a city of regional importance: the
/// territory dialog lists such a city as "м Біла Церква", its first word "м".
bool IsRegionalCity(const QString &districtListText);

/// A district-level unit as a document prints it: a city of regional importance is listed as
/// "м Біла Церква", the first word by which the territory dialog knows a city, and printed as
/// "м. Біла Церква"; any other name is returned unchanged.
QString PrintedUnitName(const QString &listText);

/// True for the list text of a region-level unit that is a city with special status ("м. Київ",
/// "м. Севастополь"): the city's own council disposes of its land.
bool IsSpecialStatusCity(const QString &regionListText);

/// Turns a 10-character KOATUU code into the territory names the documents print: region (characters
/// 1-2), district or city (3-5) and council (6-8) are looked up in a_rada; the last two characters are
/// not used. Writes model::state().TerritoryText and CentreName, CouncilName, the case forms and the
/// rows they come from (DistrictId, and CouncilId for a council below the district, else 0) of state(),
/// and the region and district as the territory dialog lists them (RegionName, DistrictName: "Київська
/// область", "м Біла Церква"; no district when the code names none or a city with special status as a
/// whole). When the district differs from state().DistrictId before, the architect and the
/// administration's head (Arhit, GolAdm) become that district's as stored, empty where none is; the
/// officials a file carries are the reader's. A code that names a district-level unit itself (council
/// part "000") reads "<region> <district>" with the district council ("Києво-Святошинська районна"); a
/// city of regional importance reads "<region> <city council> рада" ("Київська область Білоцерківська
/// міська рада"), and a district of Kyiv or Sevastopol "<city> <district>" with the city's council
/// ("Київська міська"); the code of Kyiv or Sevastopol itself reads "м. Київ" with that council as the
/// council and the centre. A council under a city prints the city as "м. Ірпінь"; a city's centre name
/// is its council's ("Ірпінська міська"), as the territory dialog sets it. A code of another length or
/// an unknown region shows a message and changes nothing; an unknown district or council takes the name
/// "Невизначений район" or "Невизначена рада". A database failure shows one message and changes
/// nothing. Never throws, so a load that calls it always completes. The code is not changed.
void ResolveKoatuu(QString &code);

} // namespace reference
