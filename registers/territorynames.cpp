#include "registers/territorynames.h"

#include "common/text.h"
#include "reference/state.h"
#include "reference/territory.h"

#include <optional>

namespace registers {

namespace {

void DefaultWhenBlank(QString &name, const QString &fallback)
{
    if (name.trimmed().isEmpty())
        name = fallback;
}

/// The first word before a blank, leading blanks skipped.
QString FirstWord(const QString &text)
{
    for (const QString &w : zova::SplitWords(text))
        if (!w.isEmpty())
            return w;
    return QString();
}

/// The stem of a city of regional importance's adjective, "Білоцерківськ" of the centre
/// "Білоцерківська міська"; nothing for a district or a city whose centre gives no adjective.
std::optional<QString> CityStem(const QString &districtName, const QString &centreName)
{
    const QString adjective = FirstWord(centreName);
    if (reference::IsRegionalCity(districtName.trimmed()) && adjective.size() > 1 && adjective.endsWith(QChar(0x0430)))
        return adjective.chopped(1);
    return std::nullopt;
}

} // namespace

void ApplyTerritoryDefaults()
{
    reference::State &s = reference::state();
    DefaultWhenBlank(s.RegionName, QStringLiteral("Невизначена область"));
    DefaultWhenBlank(s.DistrictName, QStringLiteral("Невизначений район"));
    DefaultWhenBlank(s.CouncilName, QStringLiteral("Невизначена рада"));
}

QString RegionGenitive(const QString &regionName)
{
    return zova::DropLastChar(FirstWord(regionName)) + QStringLiteral("ої");
}

QString DistrictGenitive(const QString &districtName)
{
    const QString word = FirstWord(districtName);
    if (word.size() <= 3)
        return districtName;
    return word.chopped(2) + QStringLiteral("ого");
}

QString DistrictWord(const QString &districtName)
{
    const QString word = FirstWord(districtName);
    return word.size() <= 3 ? districtName : word;
}

QString DistrictWithEnding(const QString &districtGen, const QString &ending)
{
    const QString genitive = QStringLiteral("ого");
    if (!districtGen.endsWith(genitive))
        return districtGen;
    return districtGen.left(districtGen.size() - genitive.size()) + ending;
}

bool IsCityOfRegionalImportance(const QString &districtName, const QString &centreName)
{
    return CityStem(districtName, centreName).has_value();
}

PlaceWords PlaceWordsOf(const QString &districtName, const QString &centreName, PlaceRole role)
{
    if (const std::optional<QString> stem = CityStem(districtName, centreName)) {
        switch (role) {
        case PlaceRole::District:
            return {reference::PrintedUnitName(districtName.trimmed()), QString()};
        case PlaceRole::Unit:
            return {QString(), QStringLiteral(" міста")};
        case PlaceRole::Office:
            return {*stem + QStringLiteral("ий"), QStringLiteral(" міський")};
        case PlaceRole::OfficeGenitive:
            return {*stem + QStringLiteral("ого"), QStringLiteral(" міського")};
        case PlaceRole::OfficeDative:
            return {*stem + QStringLiteral("ому"), QStringLiteral(" міському")};
        case PlaceRole::Administration:
            return {*stem + QStringLiteral("а"), QStringLiteral(" міськдержадміністрація")};
        case PlaceRole::AdministrationGenitive:
            return {*stem + QStringLiteral("ої"), QStringLiteral(" міськдержадміністрації")};
        }
    }
    const QString genitive = DistrictGenitive(districtName);
    switch (role) {
    case PlaceRole::District:
        return {genitive, QStringLiteral(" району")};
    case PlaceRole::Unit:
        return {QString(), QStringLiteral(" району")};
    case PlaceRole::Office:
        return {DistrictWithEnding(genitive, QStringLiteral("ий")), QStringLiteral(" районний")};
    case PlaceRole::OfficeGenitive:
        return {genitive, QStringLiteral(" районного")};
    case PlaceRole::OfficeDative:
        return {DistrictWithEnding(genitive, QStringLiteral("ому")), QStringLiteral(" районному")};
    case PlaceRole::Administration:
        return {DistrictWithEnding(genitive, QStringLiteral("а")), QStringLiteral(" районна державна адміністрація")};
    case PlaceRole::AdministrationGenitive:
        return {DistrictWithEnding(genitive, QStringLiteral("ої")), QStringLiteral(" районної державної адміністрації")};
    }
    return {};
}

CouncilWords CouncilWordsOf(const QString &councilName)
{
    static const struct {
        QString stem;
        CouncilWords words;
    } kinds[] = {
        {QStringLiteral("сільськ"), {QStringLiteral("Сільський голова"), QStringLiteral(" сільської")}},
        {QStringLiteral("селищн"), {QStringLiteral("Селищний голова"), QStringLiteral(" селищної")}},
        {QStringLiteral("міськ"), {QStringLiteral("Міський голова"), QStringLiteral(" міської")}},
        {QStringLiteral("районн"), {QStringLiteral("Голова районної ради"), QStringLiteral(" районної")}},
    };
    // The first word is the council's own name; the status word follows it.
    QStringList words;
    for (const QString &w : zova::SplitWords(councilName))
        if (!w.isEmpty())
            words << w;
    for (qsizetype k = 1; k < words.size(); ++k)
        for (const auto &kind : kinds)
            if (words[k].startsWith(kind.stem, Qt::CaseInsensitive))
                return kind.words;
    // Not a kind the documents know ("Невизначена рада"): the head and the council without one.
    return {QStringLiteral("Голова ради"), QString()};
}

NoteDistrict NoteDistrictOf(const QString &districtName, const QString &centreName)
{
    if (IsCityOfRegionalImportance(districtName, centreName)) {
        const PlaceWords office = PlaceWordsOf(districtName, centreName, PlaceRole::Office);
        const PlaceWords city = PlaceWordsOf(districtName, centreName, PlaceRole::District);
        return {office.name, office.kind, city.name, city.kind};
    }
    return {DistrictWord(districtName), QStringLiteral(" районний"), DistrictGenitive(districtName), QStringLiteral(" району")};
}

} // namespace registers
