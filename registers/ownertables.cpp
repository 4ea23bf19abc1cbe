#include "registers/ownertables.h"

#include "common/numbers.h"
#include "documents/placement.h"
#include "registers/packagebookmarks.h"

namespace registers {

namespace {

const QString total = QStringLiteral("ВСЬОГО");

} // namespace

void WriteOwnerList(office::Table &table, int headingRows, const PackageRun &run, OwnerListParcel parcel,
                    double rowHeightCm)
{
    int row = AppendParcelRows(
        table, headingRows, run.groups(),
        [&](int r, int i, const ReportGroup &g) {
            table.Cell(r, 1).SetText(zova::SignedText(i));
            table.Cell(r, 2).SetText(g.NM);
            table.Cell(r, 3).SetText(g.PP);
            table.Cell(r, 4).SetText(g.AU);
            table.Cell(r, 5).SetText(g.KF);
        },
        [&](int r, const ReportLine &line) {
            table.Cell(r, 7).SetText(HectareText(line.Area));
            table.Cell(r, 8).SetText(parcel == OwnerListParcel::Number ? line.Number : line.PZ);
        });
    table.Rows_Add();
    ++row;
    table.Cell(row, 2).SetText(total);
    table.Cell(row, 7).SetText(HectareText(run.SumArea));
    // Every row gets the height after each added row; setting it once at the end leaves the same table.
    if (rowHeightCm > 0)
        table.Rows_SetHeight(documents::CmToPoints(rowHeightCm));
}

void WriteAreaTable(office::Table &table, const PackageRun &run)
{
    const auto areas = [&table](int r, double area, const CategorySums &sums) {
        table.Cell(r, 4).SetText(HectareText(area));
        table.Cell(r, 5).SetText(HectareText(sums.CatSum1));
        table.Cell(r, 6).SetText(HectareText(sums.CatSum2));
        table.Cell(r, 7).SetText(HectareText(sums.CatSum3));
    };
    int row = AppendParcelRows(
        table, 2, run.groups(),
        [&](int r, int i, const ReportGroup &g) {
            table.Cell(r, 1).SetText(zova::SignedText(i));
            table.Cell(r, 2).SetText(g.NM);
        },
        [&](int r, const ReportLine &line) {
            table.Cell(r, 3).SetText(line.Number);
            areas(r, line.Area, line.Sums);
        });
    table.Rows_Add();
    ++row;
    table.Cell(row, 2).SetText(total);
    areas(row, run.SumArea, {QString(), run.SumCat1, run.SumCat2, run.SumCat3, 0});
}

} // namespace registers
