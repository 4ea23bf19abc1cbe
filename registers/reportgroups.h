#pragma once

#include "common/onebased.h"
#include "model/parcel.h"

#include <QString>
#include <cstdint>

namespace registers {

/// Land-use area sums of one parcel by category, in square metres: CatSum1 arable land (code 5),
/// CatSum2 perennial plantations (8, 10), CatSum3 hayfields and pastures (11, 12), CatSum4 every
/// other code.
struct CategorySums {
    QString Caption; ///< left empty
    double CatSum1 = 0;
    double CatSum2 = 0;
    double CatSum3 = 0;
    double CatSum4 = 0;
    bool operator==(const CategorySums &) const = default;
};

/// One selected parcel of an owner group; every text is a copy.
struct ReportLine {
    int32_t PointCount = 0; ///< boundary points of the parcel
    QString Number;         ///< parcel number
    QString AD;             ///< parcel address
    QString PZ;             ///< grounds for granting
    double Area = 0;        ///< square metres
    QString Note;           ///< always empty
    CategorySums Sums;
};

/// One owner group of the documentation package: the owner's texts come from the group's first
/// parcel, its lines are the group's parcels in parcel order.
struct ReportGroup {
    QString NM;
    QString AU;
    QString KF; ///< identification number, the group key
    QString PP;
    zova::OneBased<ReportLine> Lines;
};

using ReportGroupList = zova::OneBased<ReportGroup>;

/// The category a land-use code text counts in (1 to 4): the leading number of its first
/// comma-separated part, rounded half to even. An empty code counts as category code 0, that is 4.
int LandUseCategory(const QString &cn);

/// The category sums of one parcel's land-use areas.
CategorySums LandUseCategorySums(const model::Parcel &parcel);

/// Sets state().CatSum1 to CatSum4 to the sums of parcel `index` (1..n) of `parcels`; throws
/// zova::Error for an index outside them.
void SumLandUseCategories(const model::ParcelList &parcels, int32_t index);

/// The index (1..n) of the first group whose KF equals `key` exactly; 0 when none, and always 0 for
/// a key shorter than 8 characters, so such a parcel opens a group of its own.
int32_t FindReportGroup(const ReportGroupList &groups, const QString &key);

/// Replaces state().ReportGroups with the owner groups of the selected parcels (groups in the
/// order of each key's first selected parcel, lines in parcel order), sets state().TotalArea to the
/// area of every parcel marked as land of common ownership (JointOwnership 0), selected or not, and
/// leaves the last grouped parcel's sums in state().CatSum1 to CatSum4. A parcel that no plan could
/// draw, its land-use areas included (FiguresPrintable), is in neither and is named in
/// state().LeftOut instead.
void BuildReportGroups(const model::ParcelList &parcels);

} // namespace registers
