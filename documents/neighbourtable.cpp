#include "documents/neighbourtable.h"

#include "documents/neighbourtext.h"

namespace documents {

void FillNeighbourTable(office::Table table, const model::ParcelList &parcels, int32_t parcel)
{
    const std::vector<NeighbourRow> rows = NeighbourTableRows(parcels, parcel);
    for (size_t k = 0; k < rows.size(); ++k) {
        if (k > 0)
            table.Rows_Add();
        const int row = static_cast<int>(k) + 1;
        table.Cell(row, 1).SetText(rows[k].Span);
        table.Cell(row, 3).SetText(rows[k].Text);
    }
    // A description that goes on to a next sheet takes two lines there, and the area line that
    // follows it on a plan stays with its last.
    table.KeepLastRowsWithNext(2);
}

} // namespace documents
