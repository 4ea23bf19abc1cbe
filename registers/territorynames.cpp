#include "registers/territorynames.h"

#include "common/text.h"
#include "reference/state.h"
#include "reference/territory.h"

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

NoteDistrict NoteDistrictOf(const QString &districtName, const QString &centreName)
{
    const QString adjective = FirstWord(centreName); // "Білоцерківська"
    if (reference::IsRegionalCity(districtName.trimmed()) && adjective.size() > 1 && adjective.endsWith(QChar(0x0430)))
        return {adjective.chopped(1) + QStringLiteral("ий"), QStringLiteral(" міський"),
                reference::PrintedUnitName(districtName.trimmed()), QString()};
    return {DistrictWord(districtName), QStringLiteral(" районний"), DistrictGenitive(districtName), QStringLiteral(" району")};
}

} // namespace registers
