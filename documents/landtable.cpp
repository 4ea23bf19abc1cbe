#include "documents/landtable.h"

#include "common/error.h"
#include "common/numbers.h"
#include "documents/plantemplates.h"
#include "reference/baseconnection.h"

namespace documents {

std::optional<QString> Row6ZemCode(double rowNumber)
{
    reference::RecordSet rs = reference::BaseConn().Execute(
        QStringLiteral("SELECT row6zem.id, row6zem.rowcode, row6zem.name, row6zem.rownum FROM row6zem "
                       "WHERE row6zem.rownum = ?"),
        {rowNumber});
    if (rs.IsEmpty())
        return std::nullopt;
    rs.MoveFirst();
    return rs.Field(QStringLiteral("rowcode"));
}

void FillLandTable(office::Table table, int variant, const DocParcel &doc, const model::ParcelList &parcels,
                   int32_t index, uint8_t areaUnit)
{
    const LandTableKind kind = LandTableKindOf(variant);
    if (kind == LandTableKind::UseList) {
        for (int i = 1; i <= doc.Items.UBound(); ++i) {
            table.Rows_Add();
            const int row = i + 1;
            const DocItem &item = doc.Items[i];
            table.Cell(row, 1).SetText(QString::number(i));
            table.Cell(row, 2).SetText(item.CN);
            table.Cell(row, 3).SetText(areaUnit != 0 ? zova::Format4(zova::Hectares(item.Area))
                                                     : zova::Format2(item.Area));
        }
        // A list that goes on to a next sheet takes two rows there, and what closes the plan
        // after it stays with its last.
        table.KeepLastRowsWithNext(2);
        return;
    }

    if (index < 1 || index > parcels.UBound())
        throw zova::Error(QStringLiteral("Немає ділянки № %1 для таблиці угідь").arg(index));
    const model::Parcel &parcel = parcels[index];
    const auto sum = [&](std::initializer_list<int> codes) {
        double total = 0;
        for (int c : codes)
            total += SumAreaByCode(parcels, index, c);
        return zova::Format4(zova::Hectares(total));
    };
    const int row = SixZemDataRow;
    const auto cell = [&](int column, const QString &text) { table.Cell(row, column).SetText(text); };

    if (kind == LandTableKind::SixZemShares) {
        cell(1, QStringLiteral("2.2.1"));
        cell(3, QStringLiteral("20"));
    } else {
        cell(1, Row6ZemCode(zova::LeadingNumber(parcel.KZ)).value_or(QStringLiteral("0.0")));
        cell(3, parcel.KZ);
    }
    cell(2, parcel.NM);
    cell(7, sum({5}));
    cell(8, sum({8}));
    cell(9, sum({11}));
    cell(10, sum({12}));
    switch (kind) {
    case LandTableKind::SixZemCommercial:
        cell(11, sum({42}));
        cell(12, sum({42}));
        break;
    case LandTableKind::SixZemPublic:
        cell(11, sum({43}));
        cell(12, sum({43}));
        break;
    case LandTableKind::SixZemPrivate:
        cell(12, sum({35}));
        cell(13, sum({36}));
        cell(11, sum({35, 36}));
        break;
    default:
        break;
    }
    cell(6, sum({5, 8, 11, 12}));
    cell(5, sum({5, 8, 11, 12}));
    cell(4, zova::Format4(zova::Hectares(parcel.Area)));
}

} // namespace documents
