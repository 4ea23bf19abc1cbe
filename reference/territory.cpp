#include "reference/territory.h"

#include "reference/baseconnection.h"
#include "reference/state.h"
#include "common/error.h"
#include "common/numbers.h"
#include "common/text.h"
#include "model/state.h"
#include "platform/prompts.h"

#include <QRegularExpression>

namespace reference {

namespace {

const QString kNoDistrict = QStringLiteral("Невизначений район");
const QString kNoCouncil = QStringLiteral("Невизначена рада");

void critical(const QString &text)
{
    platform::MsgBox(text, platform::productTitle(), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
}

// One row of a_rada, or nothing; the shared record set is closed after every lookup.
struct Row {
    bool found = false;
    int id = 0;
    QString admName, name, st;
    QString arhit, goladm; ///< a district's officials, where the query asks for them
};

Row lookup(const QString &sql, const QVariantList &values)
{
    Row row;
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(sql, values);
    if (rs.IsEmpty())
        return row;
    rs.MoveFirst();
    row.found = true;
    row.id = rs.Value(QStringLiteral("a_rada_id")).toInt();
    const QStringList cols = rs.Columns();
    auto text = [&](const char *name) {
        const QString n = QString::fromLatin1(name);
        for (const QString &c : cols)
            if (c.compare(n, Qt::CaseInsensitive) == 0)
                return rs.Field(n);
        return QString();
    };
    row.admName = text("a_rada_adm_name");
    row.name = text("a_rada_name");
    row.st = text("a_rada_st");
    row.arhit = text("a_arhit");
    row.goladm = text("a_goladm");
    return row;
}

// The council of a city with special status is the region row's name and status word ("Київська
// міська"); empty when the row lacks either.
QString specialCityCouncil(const Row &region)
{
    if (region.name.isEmpty() || region.st.isEmpty())
        return QString();
    return region.name + QLatin1Char(' ') + region.st;
}

// A district's council takes the district's adjective in the feminine: "Києво-Святошинський" gives
// "Києво-Святошинська районна", whose case forms the documents can print.
QString districtCouncilName(const QString &districtAdjective)
{
    QString name = districtAdjective;
    if (name.endsWith(QStringLiteral("ий")))
        name = name.chopped(2) + QStringLiteral("а");
    else if (name.endsWith(QStringLiteral("ій")))
        name = name.chopped(2) + QStringLiteral("я");
    return name + QStringLiteral(" районна");
}

} // namespace

bool IsSpecialStatusCity(const QString &regionListText)
{
    return regionListText.startsWith(QStringLiteral("м. "));
}

bool IsRegionalCity(const QString &districtListText)
{
    return districtListText.startsWith(QStringLiteral("м "));
}

QString PrintedUnitName(const QString &listText)
{
    if (IsRegionalCity(listText))
        return QStringLiteral("м. ") + listText.mid(2);
    return listText;
}

QString CouncilWithoutWordCouncil(const QString &name)
{
    static const QRegularExpression trailingCouncil(QStringLiteral("\\s+рада\\s*$"),
                                                    QRegularExpression::CaseInsensitiveOption);
    const QString shortened = QString(name).remove(trailingCouncil);
    return shortened.trimmed().isEmpty() ? name : shortened;
}

CaseForms CouncilCaseForms(const QString &councilName)
{
    QStringList words;
    for (const QString &w : zova::SplitWords(CouncilWithoutWordCouncil(councilName)))
        if (!w.isEmpty() && words.size() < 2)
            words << w;
    QStringList gen, dat;
    for (const QString &w : words) {
        gen << zova::DropLastChar(w) + QStringLiteral("ої");
        dat << zova::DropLastChar(w) + QStringLiteral("ій");
    }
    return {gen.join(QLatin1Char(' ')), dat.join(QLatin1Char(' '))};
}

void ResolveKoatuu(QString &code)
{
    if (code.size() != 10) {
        critical(QStringLiteral("Невірно визначено коату"));
        return;
    }
    // Each part is read as a number, so leading zeros vanish ("05" is 5).
    const double regionPart = zova::LeadingNumber(code.mid(0, 2));
    const double districtPart = zova::LeadingNumber(code.mid(2, 3));
    const double councilPart = zova::LeadingNumber(code.mid(5, 3));

    // The kind of a district-level unit is the first digit of its part of the code.
    const int kind = static_cast<int>(districtPart) / 100;
    constexpr int kCityOfRegion = 1, kCityDistrict = 3;

    QString regionName, districtName, centreName, councilName;
    QString districtListText; // the district as the territory dialog lists it ("м Біла Церква")
    QString arhit, goladm;    // the district's officials as stored
    int32_t districtId = 0, councilId = 0;
    int level = 0;
    bool cityCouncil = false;
    try {
        const Row region = lookup(QStringLiteral("SELECT a_rada_id, a_rada_adm_name, a_rada_name, a_rada_st FROM a_rada "
                                                 "WHERE a_rada_level=1 AND a_rada_code=?"),
                                  {regionPart});
        if (!region.found) {
            critical(QStringLiteral("Не вірно визначено коату (Область)"));
            return;
        }
        regionName = region.admName;
        level = 1;
        // A code that names Kyiv or Sevastopol itself has no district to look for.
        const bool wholeCity = districtPart == 0 && councilPart == 0 && IsSpecialStatusCity(region.admName);
        const Row district =
            wholeCity ? Row{}
                      : lookup(QStringLiteral("SELECT a_rada_id, a_rada_adm_name, a_rada_name, a_rada_st, a_arhit, a_goladm "
                                              "FROM a_rada WHERE a_rada_level=2 AND a_rada_code=? And a_rada_papa_id=?"),
                               {districtPart, region.id});
        if (!district.found) {
            districtName = kNoDistrict;
        } else {
            districtName = councilPart != 0 ? PrintedUnitName(district.admName)
                                            : district.name + QLatin1Char(' ') + district.st;
            districtListText = district.admName;
            arhit = district.arhit;
            goladm = district.goladm;
            districtId = district.id;
            level = 2;
        }
        centreName = districtName;
        // A city's centre is its council's adjective ("Білоцерківська міська"), as the territory
        // dialog sets it, so that the documents take the city's forms.
        if (district.found && kind == kCityOfRegion)
            centreName = district.name + QLatin1Char(' ') + district.st;

        if (district.found) {
            const Row council =
                councilPart != 0
                    ? lookup(QStringLiteral("SELECT a_rada_id, a_rada_name, a_rada_st FROM a_rada WHERE a_rada_level=3 "
                                            "AND a_rada_code=? And a_rada_papa_id=?"),
                             {councilPart, district.id})
                    : district; // the code names the district-level unit itself
            if (council.found) {
                councilName = council.name + QLatin1Char(' ') + council.st;
                if (councilPart != 0) {
                    councilId = council.id;
                    level = 3;
                }
            } else {
                councilName = kNoCouncil;
            }
            if (councilPart == 0) {
                if (kind == kCityOfRegion) {
                    cityCouncil = true; // a city of regional importance is its own council
                } else if (kind == kCityDistrict) {
                    // A district of Kyiv or Sevastopol: the city's council disposes of its land.
                    if (const QString city = specialCityCouncil(region); !city.isEmpty())
                        councilName = city;
                } else {
                    // Land of a district outside its councils: the district council.
                    councilName = districtCouncilName(district.name);
                }
            }
        } else if (wholeCity && !specialCityCouncil(region).isEmpty()) {
            // Kyiv or Sevastopol as a whole: its own council, which is also its centre.
            councilName = centreName = specialCityCouncil(region);
        } else {
            councilName = kNoCouncil;
        }
    } catch (const zova::Error &e) {
        critical(e.message());
        return;
    }

    State &s = state();
    QString &territory = model::state().TerritoryText;
    // The rows the documents now print the territory of: officials corrected for them in the
    // territory dialog are the program's at once (PublishDistrictOfficials).
    // The officials the files never carry (the architect, the administration's head) are those of
    // the district the code names once it is another than the one they were taken for, so an act
    // of this file is not signed by the head of the district opened or chosen before.
    if (districtId != s.DistrictId) {
        s.Arhit = arhit;
        s.GolAdm = goladm;
    }
    s.DistrictId = districtId;
    s.CouncilId = councilId;
    // The region and the district (or city) too: the acts name the administration by them, so a
    // file opened after another territory's must not print the earlier one's.
    s.RegionName = regionName;
    s.DistrictName = districtListText;
    s.CentreName = centreName;
    s.CouncilName = councilName;
    if (level == 3)
        territory = regionName + QLatin1Char(' ') + districtName + QLatin1Char(' ') + councilName + QStringLiteral(" рада");
    else if (level == 2 && cityCouncil)
        territory = regionName + QLatin1Char(' ') + councilName + QStringLiteral(" рада");
    else if (level == 2)
        territory = regionName + QLatin1Char(' ') + districtName;
    else
        territory = regionName; // the district is unknown: the region is all the code tells
    const CaseForms forms = CouncilCaseForms(councilName);
    s.CouncilGenitive = forms.genitive;
    s.CouncilGenitive2 = forms.genitive;
    s.CouncilDative = forms.dative;
}

} // namespace reference
