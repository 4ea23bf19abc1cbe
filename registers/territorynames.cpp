#include "registers/territorynames.h"

#include "common/text.h"
#include "reference/state.h"

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

} // namespace registers
