#include "registers/lists.h"

#include "common/numbers.h"
#include "reference/state.h"
#include "model/state.h"
#include "registers/templates.h"

#include <QLocale>
#include <cmath>
#include <functional>

namespace registers {

namespace {

/// Hectares, "0.0000"; zero for a value of 0 or less (the purpose columns).
QString HectaresText(double squareMetres)
{
    return zova::Format4(zova::Hectares(squareMetres));
}
QString PositiveHectaresText(double squareMetres)
{
    return HectaresText(squareMetres > 0 ? squareMetres : 0);
}

QString RowNumberText(int k)
{
    return zova::SignedText(k) + QLatin1Char('.');
}

/// The columns that both lists share: running number, parcel number, owner and address.
void WriteOwnerCells(office::Table &table, int row, int k, const ListRow &r)
{
    table.Cell(row, 1).SetText(RowNumberText(k));
    table.Cell(row, 2).SetText(r.Number);
    table.Cell(row, 3).SetText(r.NM + QLatin1Char('\r') + r.AD);
}

/// Fills the area columns of one parcel and adds them to the totals.
ListRow List1Row(const model::Parcel &p, int16_t kzCode, double buildArea, double areaRange, List1Totals &t)
{
    ListRow r;
    r.NM = p.NM;
    r.AD = p.AD;
    r.Number = p.Number;
    r.KzCode = kzCode;
    r.AreaByCategory1 = p.Area;
    t.Area += p.Area;

    double a = 0, b = 0;
    for (const model::LandUseArea &use : p.LandUses) {
        const double code = zova::LeadingNumber(use.CN);
        if (code == 5 || code == 6)
            a += use.Area;
        else if (code == 8 || code == 9)
            b += use.Area;
    }
    t.SumA += a;
    t.SumB += b;
    r.AreaByCategory3 = a;
    r.AreaByCategory4 = b;
    r.AreaByCategory2 = b + a;
    r.AreaByCategory5 = r.AreaByCategory1 - r.AreaByCategory2;

    const double building = buildArea * 10000;
    if (kzCode == 21) {
        r.AreaByCategory7 = r.AreaByCategory1;
        t.Farming += r.AreaByCategory1;
        ++t.FarmingCount;
    } else if (!(r.AreaByCategory1 > building + areaRange)) {
        r.AreaByCategory6 = r.AreaByCategory1;
        t.Building += r.AreaByCategory1;
        ++t.BuildingCount;
    } else {
        r.AreaByCategory6 = building;
        r.AreaByCategory7 = r.AreaByCategory1 - building;
        t.Building += r.AreaByCategory6;
        t.Farming += r.AreaByCategory7;
        ++t.BuildingCount;
        ++t.FarmingCount;
    }
    return r;
}

ListResult MakeList(office::WordApp &app, const QString &programDir, const QString &templateFile,
                    const QString &documentName, const std::function<void(office::Document &, ListResult &)> &fill)
{
    const QString path = ExistingTemplatePath(programDir, templateFile);
    ListResult result;
    office::Document &doc = app.Documents_Add(path);
    fill(doc, result);
    static_cast<LeftOpen &>(result) = LeaveOpen(app, doc, documentName);
    return result;
}

} // namespace

std::optional<int16_t> KzCodeOf(const QString &kz)
{
    const QString text = kz.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        value = QLocale::system().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    try {
        return zova::RoundToInt16(value);
    } catch (const zova::Error &) {
        return std::nullopt;
    }
}

List1 BuildList1(const model::ParcelList &parcels, double buildArea, double areaRange)
{
    List1 list;
    for (int32_t i = 1; i <= parcels.UBound(); ++i) {
        const model::Parcel &p = parcels[i];
        if (p.Selected == 0 || !FiguresPrintable(parcels, i, true, list.LeftOut))
            continue;
        const std::optional<int16_t> kz = KzCodeOf(p.KZ);
        if (!kz) {
            list.LeftOut.push_back({i, p.Number, QStringLiteral("рядок форми 6-зем «%1» не є числом").arg(p.KZ)});
            continue;
        }
        list.Rows.Add(List1Row(p, *kz, buildArea, areaRange, list.Totals));
    }
    return list;
}

ListRows BuildList2(const model::ParcelList &parcels)
{
    ListRows rows;
    for (const model::Parcel &p : parcels) {
        if (p.Selected == 0)
            continue;
        ListRow r;
        r.NM = p.NM;
        r.AD = p.AD;
        r.Number = p.Number;
        rows.Add(std::move(r));
    }
    return rows;
}

QString List1StatText(const List1Totals &totals)
{
    return QStringLiteral("Ділянок для будівництва та обслуговування жилого будинку - ") +
           zova::SignedText(totals.BuildingCount) + QLatin1Char('\r') +
           QStringLiteral("Ділянок для ведення особистого селянського господарства - ") +
           zova::SignedText(totals.FarmingCount);
}

void WriteList1(office::Document &doc, const List1 &list)
{
    // The counts are known before the rows are written; the bookmark is found faster in the
    // document without them.
    const List1Totals &t = list.Totals;
    doc.Bookmarks(QStringLiteral("stat")).SetText(List1StatText(t));
    office::Table table = doc.Tables(1);
    int row = 4;
    for (int k = 1; k <= list.Rows.UBound(); ++k, ++row) {
        const ListRow &r = list.Rows[k];
        // The row after is added first: it copies the template's empty row, and the table ends
        // as it would if each row were written before its successor is added.
        table.Rows_Add();
        WriteOwnerCells(table, row, k, r);
        table.Cell(row, 4).SetText(HectaresText(r.AreaByCategory1));
        table.Cell(row, 5).SetText(HectaresText(r.AreaByCategory2));
        table.Cell(row, 6).SetText(HectaresText(r.AreaByCategory3));
        table.Cell(row, 7).SetText(HectaresText(r.AreaByCategory4));
        table.Cell(row, 8).SetText(HectaresText(r.AreaByCategory5));
        table.Cell(row, 9).SetText(PositiveHectaresText(r.AreaByCategory6));
        table.Cell(row, 10).SetText(PositiveHectaresText(r.AreaByCategory7));
    }
    table.Cell(row, 3).SetText(QStringLiteral("Всього"));
    table.Cell(row, 4).SetText(HectaresText(t.Area));
    table.Cell(row, 5).SetText(HectaresText(t.SumA + t.SumB));
    table.Cell(row, 6).SetText(HectaresText(t.SumA));
    table.Cell(row, 7).SetText(HectaresText(t.SumB));
    table.Cell(row, 8).SetText(HectaresText(t.Area - (t.SumA + t.SumB)));
    table.Cell(row, 9).SetText(PositiveHectaresText(t.Building));
    table.Cell(row, 10).SetText(PositiveHectaresText(t.Farming));
    // The totals go on to a next sheet with the last parcel, and the counts and the signature
    // after the table stay with the totals.
    table.KeepLastRowsWithNext(2);
}

void WriteList2(office::Document &doc, const ListRows &rows)
{
    office::Table table = doc.Tables(1);
    int row = 4;
    for (int k = 1; k <= rows.UBound(); ++k, ++row) {
        table.Rows_Add();
        WriteOwnerCells(table, row, k, rows[k]);
        table.Cell(row, 4).SetText(QString());
    }
}

ListResult MakeSpis1(office::WordApp &app, const QString &programDir)
{
    return MakeList(app, programDir, QStringLiteral("spis1.dotx"), QStringLiteral("Список 1"),
                    [](office::Document &doc, ListResult &result) {
                        const reference::State &r = reference::state();
                        List1 list = BuildList1(model::state().Parcels, r.BuildArea, r.AreaRange);
                        WriteList1(doc, list);
                        result.LeftOut = std::move(list.LeftOut);
                    });
}

ListResult MakeSpis2(office::WordApp &app, const QString &programDir)
{
    return MakeList(app, programDir, QStringLiteral("spis2.dotx"), QStringLiteral("Список 2"),
                    [](office::Document &doc, ListResult &) { WriteList2(doc, BuildList2(model::state().Parcels)); });
}

} // namespace registers
