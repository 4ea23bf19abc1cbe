#pragma once

#include "office/table.h"
#include "registers/packagerun.h"

namespace registers {

/// Appends to `table`, whose last row is `lastRow`, one row for every parcel line of every group
/// of `groups`, in order: `owner(row, i, group)` writes the owner's cells into the row of the
/// group's first line, then `line(row, line)` the parcel's cells into the row of every line.
/// Returns the number of the table's last row.
template <typename Owner, typename Line>
int AppendParcelRows(office::Table &table, int lastRow, const ReportGroupList &groups, Owner &&owner, Line &&line)
{
    for (int i = 1; i <= groups.UBound(); ++i) {
        const ReportGroup &group = groups[i];
        for (int j = 1; j <= group.Lines.UBound(); ++j) {
            table.Rows_Add();
            ++lastRow;
            if (j == 1)
                owner(lastRow, i, group);
            line(lastRow, group.Lines[j]);
        }
    }
    return lastRow;
}

/// What the last column of an owner list holds for each parcel.
enum class OwnerListParcel { Number, Grounds };

/// The owner list of the petition, the state acts application and the report list: after the
/// `headingRows` of `table`, one row per parcel (the owner's number, NM, PP, AU and KF in columns
/// 1 to 5 of the first parcel's row only; every parcel's area in hectares in column 7 and its
/// number or grounds in column 8), then the row "ВСЬОГО" with the package's area in column 7.
/// Column 6 is left as the rows come. With `rowHeightCm` above 0 every row of the table is then at
/// least that high. Throws office::Error for a table of fewer than 8 columns.
void WriteOwnerList(office::Table &table, int headingRows, const PackageRun &run, OwnerListParcel parcel,
                    double rowHeightCm = 0);

/// The parcel and land table of the conclusions, the council decision and the district order:
/// after the two heading rows of `table`, one row per parcel (the owner's number and NM in columns 1
/// and 2 of the first parcel's row only; the parcel's number, area and its arable, perennial and
/// hayfield-and-pasture sums in hectares in columns 3 to 7), then the row "ВСЬОГО" with the
/// package's totals in columns 4 to 7.
void WriteAreaTable(office::Table &table, const PackageRun &run);

} // namespace registers
