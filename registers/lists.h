#pragma once

#include "common/onebased.h"
#include "documents/docbatch.h"
#include "model/parcel.h"
#include "office/wordapp.h"
#include "registers/templates.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace registers {

/// One parcel row of list No 1 or No 2; areas in square metres. List No 2 sets the texts only.
struct ListRow {
    QString Number;
    QString NM;
    QString AD;
    int16_t KzCode = 0;          ///< the row of form 6-zem as a whole number
    double AreaByCategory1 = 0;  ///< the parcel's area
    double AreaByCategory2 = 0;  ///< land-use areas of codes 5, 6, 8 and 9
    double AreaByCategory3 = 0;  ///< land-use areas of codes 5 and 6
    double AreaByCategory4 = 0;  ///< land-use areas of codes 8 and 9
    double AreaByCategory5 = 0;  ///< the rest of the parcel
    double AreaByCategory6 = 0;  ///< for building and servicing a dwelling house
    double AreaByCategory7 = 0;  ///< for personal peasant farming
};
using ListRows = zova::OneBased<ListRow>;

/// The totals of list No 1, square metres, and the counts of parcels by purpose (a parcel split
/// between building and farming counts in both).
struct List1Totals {
    double Area = 0;
    double SumA = 0;      ///< codes 5 and 6
    double SumB = 0;      ///< codes 8 and 9
    double Building = 0;
    double Farming = 0;
    int BuildingCount = 0;
    int FarmingCount = 0;
};

/// List No 1 over the selected parcels, and the selected parcels left out of it.
struct List1 {
    ListRows Rows;
    List1Totals Totals;
    /// parcels whose 6-zem row is not a number, or whose figures no plan could draw (FiguresPrintable)
    std::vector<documents::BatchFailure> LeftOut;
};

/// The row of form 6-zem as a whole number, halves to even: the text trimmed must be a number
/// ("." or the system's separator) that fits 16 bits; nothing otherwise (empty text included).
std::optional<int16_t> KzCodeOf(const QString &kz);

/// The rows of list No 1 for the selected parcels of `parcels`, in index order, but for those it
/// leaves out. `buildArea` is the area for building and servicing a dwelling house in hectares,
/// `areaRange` the excess in square metres that still counts as building land. Rows 21 of form 6-zem are farming land; any other
/// row is building land up to buildArea (plus areaRange), the rest farming land.
List1 BuildList1(const model::ParcelList &parcels, double buildArea, double areaRange);
/// The rows of list No 2 (number, owner, address) for the selected parcels, in index order.
ListRows BuildList2(const model::ParcelList &parcels);

/// The text of the bookmark stat: the counts of parcels for building and for farming.
QString List1StatText(const List1Totals &totals);

/// Writes list No 1 into a document made from its template: one row of table 1 per parcel from
/// row 4, a row added after each, the totals ("Всього") in the last row, the counts in stat.
/// Throws office::Error when the table or the bookmark is missing.
void WriteList1(office::Document &doc, const List1 &list);
/// Writes list No 2: one row of table 1 per parcel from row 4, a row added after each, so the table
/// ends with one empty row.
void WriteList2(office::Document &doc, const ListRows &rows);

/// List No 1 (Dots/spis1.dotx) or No 2 (Dots/spis2.dotx) of the selected parcels of the model,
/// made in `app` and left open for the operator. Returns where it was saved, whether it was opened and, for list No 1, the
/// parcels left out. Throws zova::Error when the template is missing (before anything is made) or
/// the document fails.
ListResult MakeSpis1(office::WordApp &app, const QString &programDir);
ListResult MakeSpis2(office::WordApp &app, const QString &programDir);

} // namespace registers
