#include "reference/territorychoice.h"

#include "reference/baseconnection.h"
#include "reference/state.h"
#include "reference/territory.h"
#include "common/error.h"
#include "common/numbers.h"
#include "common/text.h"
#include "model/state.h"

#include <utility>

namespace reference {

namespace {

// The columns every read of a_rada here takes, officials included.
const QString kUnitColumns = QStringLiteral(
    "SELECT a_rada.a_rada_id, a_rada.a_rada_papa_id, a_rada.a_rada_level, a_rada.a_rada_adm_name, "
    "a_rada.a_rada_name, a_rada.a_rada_st, a_rada.a_rada_cap, a_rada.a_rada_code, a_rada.a_rada_t, a_rada.a_zem, "
    "a_rada.a_golova, a_rada.a_arhit, a_rada.a_goladm From a_rada ");

RadaRow unitOf(const RecordSet &rs)
{
    RadaRow u;
    u.id = rs.Value(QStringLiteral("a_rada_id")).toInt();
    u.parentId = rs.Value(QStringLiteral("a_rada_papa_id")).toInt();
    u.admName = rs.Field(QStringLiteral("a_rada_adm_name"));
    u.name = rs.Field(QStringLiteral("a_rada_name"));
    u.st = rs.Field(QStringLiteral("a_rada_st"));
    u.code = zova::RoundToInt16(zova::LeadingNumber(rs.Field(QStringLiteral("a_rada_code"))));
    u.zem = rs.Field(QStringLiteral("a_zem"));
    u.golova = rs.Field(QStringLiteral("a_golova"));
    u.arhit = rs.Field(QStringLiteral("a_arhit"));
    u.goladm = rs.Field(QStringLiteral("a_goladm"));
    return u;
}

QString part(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// The code part of a chosen unit; 0 for a level not chosen.
int unitCode(int32_t id)
{
    if (id <= 0)
        return 0;
    return RequireRadaRow(id).code;
}

int settlementCode(int32_t id)
{
    if (id <= 0)
        return 0;
    RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT a_selo.a_rada_id, a_selo.a_selo_id, a_selo.a_selo_name, "
                                                     "a_selo.a_selo_code FROM a_selo WHERE (((a_selo.a_selo_id)=?))"),
                                      {id});
    if (rs.IsEmpty())
        throw zova::Error(QStringLiteral("У базі немає населеного пункту з номером %1").arg(id));
    rs.MoveFirst();
    return zova::RoundToInt16(zova::LeadingNumber(rs.Field(QStringLiteral("a_selo_code"))));
}

// The case forms need two words, each at least one letter long, at the head of the council name.
bool hasTwoWords(const QString &council)
{
    const QStringList words = zova::SplitWords(council);
    return words.size() >= 2 && !words.at(0).isEmpty() && !words.at(1).isEmpty();
}

// The a_rada row whose head of the council the program prints: the council, or for a city or a
// district that is its own council, the district.
int32_t publishedCouncilRow()
{
    const State &s = state();
    return s.CouncilId != 0 ? s.CouncilId : s.DistrictId;
}

} // namespace

std::vector<RadaRow> RadaChildren(int32_t parentId)
{
    std::vector<RadaRow> units;
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(kUnitColumns + QStringLiteral("WHERE (((a_rada.a_rada_papa_id)=?))"), {parentId});
    if (!rs.IsEmpty()) {
        units.reserve(static_cast<size_t>(rs.RecordCount()));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            units.push_back(unitOf(rs));
    }
    return units;
}

std::optional<RadaRow> RadaRowById(int32_t id)
{
    RecordSet rs = BaseConn().Execute(kUnitColumns + QStringLiteral("WHERE (((a_rada.a_rada_id)=?))"), {id});
    if (rs.IsEmpty())
        return std::nullopt;
    rs.MoveFirst();
    return unitOf(rs);
}

RadaRow RequireRadaRow(int32_t id)
{
    std::optional<RadaRow> unit = RadaRowById(id);
    if (!unit)
        throw zova::Error(QStringLiteral("У базі немає території з номером %1").arg(id));
    return *std::move(unit);
}

std::vector<ListItem> Settlements(int32_t councilId)
{
    std::vector<ListItem> items;
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(QStringLiteral("SELECT a_selo.a_rada_id, a_selo.a_selo_id, a_selo.a_selo_name, "
                                           "a_selo.a_selo_code FROM a_selo WHERE (((a_selo.a_rada_id)=?))"),
                            {councilId});
    if (!rs.IsEmpty()) {
        items.reserve(static_cast<size_t>(rs.RecordCount()));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            items.push_back(ListItem{rs.Field(QStringLiteral("a_selo_name")), rs.Value(QStringLiteral("a_selo_id")).toInt()});
    }
    return items;
}

QString MakeKoatuuCode(int32_t regionId, int32_t districtId, int32_t councilId, int32_t settlementId, bool withLabel)
{
    const int pr = unitCode(regionId);
    const int pd = unitCode(districtId);
    // A district that stands for its own council (a city without councils) has no council part:
    // its part is the district's, which must not be written twice.
    const int pc = councilId == districtId ? 0 : unitCode(councilId);
    const int ps = settlementCode(settlementId);
    const QString label = withLabel ? QStringLiteral("Код КОАТУ: ") : QString();
    if (pr > 0 && pd > 0 && pc > 0 && ps > 0)
        return label + part(pr, 2) + part(pd, 3) + part(pc, 3) + part(ps, 2);
    if (pr > 0 && pd > 0 && pc > 0 && ps == 0)
        return label + part(pr, 2) + part(pd, 3) + part(pc, 3) + QStringLiteral("00");
    if (pr > 0 && pd > 0 && pc == 0 && ps > 0) // a village directly under a city of regional importance
        return label + part(pr, 2) + part(pd, 3) + QStringLiteral("000") + part(ps, 2);
    if (pr > 0 && pd > 0 && pc == 0 && ps == 0)
        return label + part(pr, 2) + part(pd, 3) + QStringLiteral("00000");
    if (pr > 0 && pd == 0 && pc == 0 && ps == 0)
        return label + part(pr, 2) + QStringLiteral("00000000");
    return label + QStringLiteral("0000000000");
}

bool IsKoatuuCode(const QString &code)
{
    if (code.size() != 10)
        return false;
    for (const QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

TerritoryPhrase ComposeTerritory(const TerritoryPick &pick)
{
    TerritoryPhrase out;
    const QChar blank(QLatin1Char(' '));
    const QString rada = QStringLiteral(" рада");
    const QString district = PrintedUnitName(pick.district);
    QString council;
    if (pick.level == 3) {
        council = pick.council;
        out.territoryText = pick.region + blank + district + blank + council + rada;
        if (!pick.settlement.isEmpty())
            out.territoryText += blank + pick.settlement;
    } else if (pick.level == 2 && !pick.councilSelected && IsRegionalCity(pick.district)) {
        // A city that is its own council.
        if (const std::optional<RadaRow> city = RadaRowById(pick.districtId))
            council = city->councilText();
        out.territoryText = pick.region + blank + council + rada;
        if (!pick.settlement.isEmpty()) // a village of the city's own
            out.territoryText += blank + pick.settlement;
    } else if ((pick.level == 2 && !pick.districtHasCouncils) || (pick.level == 1 && IsSpecialStatusCity(pick.region))) {
        // Kyiv or Sevastopol, as a whole or a district of it: the city's council disposes of its land.
        if (const std::optional<RadaRow> city = RadaRowById(pick.regionId))
            if (!city->name.isEmpty() && !city->st.isEmpty())
                council = city->councilText();
        out.territoryText = pick.level == 1 ? pick.region : pick.region + blank + district;
    } else if (pick.level >= 1) {
        out.territoryText = pick.level == 1 ? pick.region : pick.region + blank + district;
    }
    if (!hasTwoWords(council))
        return out;
    out.complete = true;
    out.councilName = council;
    const CaseForms forms = CouncilCaseForms(council);
    out.genitive = forms.genitive;
    out.dative = forms.dative;
    return out;
}

void PublishTerritory(const TerritoryChoice &choice, const TerritoryPhrase &phrase)
{
    model::State &m = model::state();
    m.Koatuu = choice.Koatuu;
    const model::KoatuuText code(choice.Koatuu);
    for (int i = 1; i <= m.Parcels.UBound(); ++i) {
        if (m.Parcels[i].KoatuuPart == code)
            continue;
        m.Parcels[i].KoatuuPart = code;
        m.Modified = true; // the files write each parcel's code
    }
    m.TerritoryText = phrase.territoryText;
    m.RaiZem = choice.RaiZem;
    m.Golova = choice.Golova;

    State &s = state();
    s.RegionName = choice.RegionName;
    s.DistrictName = choice.DistrictName;
    s.CouncilName = phrase.councilName;
    s.CentreName = choice.CentreName;
    s.DistrictId = choice.DistrictId;
    s.CouncilId = choice.CouncilId;
    s.Arhit = choice.Arhit;
    s.GolAdm = choice.GolAdm;
    s.CouncilGenitive = phrase.genitive;
    s.CouncilGenitive2 = phrase.genitive;
    s.CouncilDative = phrase.dative;
}

void PublishDistrictOfficials(int32_t districtId, const DistrictOfficials &officials)
{
    if (districtId <= 0 || districtId != state().DistrictId)
        return;
    model::state().RaiZem = officials.zem;
    state().Arhit = officials.arhit;
    state().GolAdm = officials.goladm;
    if (officials.golova && publishedCouncilRow() == districtId)
        model::state().Golova = *officials.golova;
}

void PublishCouncilHead(int32_t councilId, const QString &head)
{
    if (councilId > 0 && councilId == publishedCouncilRow())
        model::state().Golova = head;
}

} // namespace reference
