#include "registers/explicationdocument.h"

#include "registers/packagebookmarks.h"

namespace registers {

void FillLandExplication(office::Document &doc, PackageRun &run)
{
    office::Table table = doc.Tables(1);
    const auto write = [&table](int row, int column, double squareMetres) {
        table.Cell(row, column).SetText(HectareText(squareMetres));
    };
    const double agricultural = run.SumCat2 + run.SumCat1 + run.SumCat3;
    write(6, 3, run.SumArea);
    write(6, 4, agricultural);
    write(6, 5, agricultural);
    if (run.SumCat1 > 0)
        write(6, 6, run.SumCat1);
    if (run.SumCat2 > 0)
        write(6, 7, run.SumCat2);
    if (run.SumCat3 > 0)
        write(6, 8, run.SumCat3);
    if (run.TotalArea > 0) {
        write(7, 3, run.TotalArea);
        write(7, 4, run.TotalArea);
        write(7, 11, run.TotalArea);
    }
}

} // namespace registers
