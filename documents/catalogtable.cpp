#include "documents/catalogtable.h"

#include "common/numbers.h"
#include "documents/plantemplates.h"

namespace documents {

namespace {

/// The rows that go on together at the catalogue's end: vertex n - 1, side n - 1, vertex n,
/// side n and the closing row.
constexpr int ClosingRowsKept = 5;

} // namespace

void FillCatalogueTable(office::Table table, const SideList &sides, const reference::FontSetting &font)
{
    table.SetFont(font.FontName, font.FontSize, font.Bold, font.Italic);
    const int n = sides.UBound();
    if (n < 1)
        return; // no vertex to list, and none to close the ring with
    for (int k = 0; k < 2 * n + 1; ++k)
        table.Rows_Add();
    const int top = CatalogueHeadingRows;
    for (int i = 1; i <= n; ++i) {
        const int row = top + 2 * i - 1;
        table.Cell(row, 1).SetText(QString::number(i));
        table.Cell(row, 2).SetText(zova::Format2(sides[i].X));
        table.Cell(row, 3).SetText(zova::Format2(sides[i].Y));
        table.Cell(row + 1, 4).SetText(zova::Format2(sides[i].Length));
    }
    const int closing = top + 2 * n + 1;
    table.Cell(closing, 1).SetText(QStringLiteral("1"));
    table.Cell(closing, 2).SetText(zova::Format2(sides[1].X));
    table.Cell(closing, 3).SetText(zova::Format2(sides[1].Y));
    // The ring never closes alone on a sheet: a catalogue that goes on takes its last two
    // vertices there with the last side and the closing row, so that sheet lists a piece of the
    // boundary and not only the return to vertex 1.
    table.KeepLastRowsWithNext(ClosingRowsKept);
}

} // namespace documents
