#include "registers/reportgroups.h"

#include "common/numbers.h"
#include "registers/state.h"
#include "registers/templates.h"

#include <cmath>

namespace registers {

int LandUseCategory(const QString &cn)
{
    // The category code is the leading number of the first part; an empty code reads as 0.
    const double code = std::nearbyint(zova::LeadingNumber(cn.section(QLatin1Char(','), 0, 0)));
    if (code == 5)
        return 1;
    if (code == 8 || code == 10)
        return 2;
    if (code == 11 || code == 12)
        return 3;
    return 4;
}

CategorySums LandUseCategorySums(const model::Parcel &parcel)
{
    CategorySums sums;
    for (const model::LandUseArea &use : parcel.LandUses) {
        switch (LandUseCategory(use.CN)) {
        case 1: sums.CatSum1 += use.Area; break;
        case 2: sums.CatSum2 += use.Area; break;
        case 3: sums.CatSum3 += use.Area; break;
        default: sums.CatSum4 += use.Area; break;
        }
    }
    return sums;
}

void SumLandUseCategories(const model::ParcelList &parcels, int32_t index)
{
    const CategorySums sums = LandUseCategorySums(parcels[index]);
    State &s = state();
    s.CatSum1 = sums.CatSum1;
    s.CatSum2 = sums.CatSum2;
    s.CatSum3 = sums.CatSum3;
    s.CatSum4 = sums.CatSum4;
}

int32_t FindReportGroup(const ReportGroupList &groups, const QString &key)
{
    if (key.size() < 8)
        return 0;
    for (int32_t g = 1; g <= groups.UBound(); ++g)
        if (groups[g].KF == key)
            return g;
    return 0;
}

void BuildReportGroups(const model::ParcelList &parcels)
{
    State &s = state();
    s.TotalArea = 0;
    s.ReportGroups.Clear();
    s.LeftOut.clear();
    // A parcel no plan could draw has an area and land-use sums that mean nothing: the package
    // is made without it, and says so.
    for (int32_t i = 1; i <= parcels.UBound(); ++i) {
        const model::Parcel &p = parcels[i];
        if ((p.JointOwnership != 0 && p.Selected == 0) || !FiguresPrintable(parcels, i, true, s.LeftOut))
            continue;
        if (p.JointOwnership == 0)
            s.TotalArea += p.Area;
        if (p.Selected == 0)
            continue;
        int32_t g = FindReportGroup(s.ReportGroups, p.KF);
        if (g == 0) {
            ReportGroup group;
            group.KF = p.KF;
            group.NM = p.NM;
            group.PP = p.PP;
            group.AU = p.AU;
            g = s.ReportGroups.Add(std::move(group));
        }
        ReportLine line;
        line.AD = p.AD;
        line.Number = p.Number;
        line.PZ = p.PZ;
        line.Area = p.Area;
        line.PointCount = p.Points.UBound();
        SumLandUseCategories(parcels, i);
        line.Sums = {QString(), s.CatSum1, s.CatSum2, s.CatSum3, s.CatSum4};
        s.ReportGroups[g].Lines.Add(std::move(line));
    }
}

} // namespace registers
