#pragma once

#include "model/parcel.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace documents {

/// The letter of the k-th lettered boundary point (k from 1): А, Б, ... Я, then а ... я as the
/// Windows Cyrillic code page orders them (with Й, Ъ, Ы, Ь, Э; without Ґ, Є, І, Ї, Ё). Past the
/// 64th the letters start again with a number: А1, Б1, ..., я1, А2, ... Empty for k below 1.
QString NeighbourLetter(int k);

/// The boundary of parcel `parcel` described by its neighbour list, one line per entry, lines
/// separated by a carriage return alone. With `fullLines` every line reads "Від А до Б owner";
/// otherwise the first lines carry only the owner and the act form supplies their letters: four
/// such lines with `fourLineForm`, else six. Empty when the list has no entries or the index lies
/// outside the list.
QString NeighbourBoundaryText(const model::ParcelList &parcels, int32_t parcel, bool fullLines, bool fourLineForm);
/// The same on the model's parcels.
QString NeighbourBoundaryText(int32_t parcel, bool fullLines, bool fourLineForm);

/// The description of parcel `parcel` as the act forms print it: one paragraph per entry, its
/// stretch ("Від А до Б"), a tab and the neighbour, so that the neighbours stand in one column and
/// one that wraps keeps its letters beside it. The forms print no letters of their own, so the
/// builder writes every stretch's letters whatever layout NeighbourBoundaryText's flags choose:
/// read with a blank for the tab, it is the full layout. Lines are separated by a carriage return;
/// empty when the list has no entries.
QString ActNeighbourDescription(const model::ParcelList &parcels, int32_t parcel);

/// One row of the neighbour table of a plan: the stretch ("Від А до Б") for column 1 and the
/// neighbour's text for column 3.
struct NeighbourRow {
    QString Span;
    QString Text;
    bool operator==(const NeighbourRow &) const = default;
};
/// The rows of the neighbour table of parcel `parcel`, one per entry of its list; the last
/// stretch returns to А. Empty when the list has no entries or the index lies outside the list.
std::vector<NeighbourRow> NeighbourTableRows(const model::ParcelList &parcels, int32_t parcel);

} // namespace documents
