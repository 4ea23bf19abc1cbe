#pragma once

#include "documents/sides.h"
#include "office/table.h"
#include "reference/fontsetting.h"

namespace documents {

/// Writes the coordinate catalogue of `sides` below the two heading rows of `table`, in `font`: vertex
/// i (running number, X, Y) in row 2i + 1, the length of side i in column 4 of row 2i + 2, and a
/// closing row 2n + 3 that repeats vertex 1. Numbers carry two decimals with the system's separator.
/// The last five rows keep with what follows them, so a catalogue that goes on to a next sheet takes
/// its last two vertices there with the closing pair. An empty side list appends nothing. Throws
/// office::Error when the table has fewer than four columns.
void FillCatalogueTable(office::Table table, const SideList &sides, const reference::FontSetting &font);

} // namespace documents
