#include "documents/docparcel.h"

#include "common/numbers.h"
#include "documents/ring.h"
#include "documents/state.h"
#include "model/state.h"

#include <cmath>

namespace documents {

namespace {

/// Zero-padded decimal text of a whole number with the sign in front ("-01"), as number formats
/// like "00" give; any size, without a conversion to a machine integer.
QString ZeroPadded(double whole, int width)
{
    const QString digits = QString::number(std::fabs(whole), 'f', 0).rightJustified(width, QLatin1Char('0'));
    return whole < 0 ? QLatin1Char('-') + digits : digits;
}

/// The digits of a parcel number too long for a Double to hold them all, when the number is a
/// plain run of digits: a Double would change its last ones. Empty otherwise.
QString LongDigits(const QString &number)
{
    QString digits;
    for (QChar c : number) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue; // blanks inside a number are skipped, as the number reader does
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digits.append(c);
            continue;
        }
        if (QStringLiteral(".eEdD").contains(c))
            return QString(); // a fraction or an exponent: the number is the Double's
        break;
    }
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits;
}

} // namespace

zova::OneBased<DocPoint> DocPointsOf(const model::Ring &ring)
{
    zova::OneBased<DocPoint> points;
    const int n = RingSize(ring);
    points.Reserve(n);
    for (int k = 1; k <= n; ++k) {
        DocPoint p;
        p.X = ring[k].X;
        p.Y = ring[k].Y;
        points.Add(std::move(p));
    }
    return points;
}

QString AreaText(double squareMetres, uint8_t areaUnit)
{
    return areaUnit != 0 ? zova::Format4(zova::Hectares(squareMetres)) + QStringLiteral(" га.")
                         : zova::Format2(squareMetres) + QStringLiteral(" кв.м.");
}

QString CadastralNumber(const QString &firstPart, int zone, int quarter, const QString &number)
{
    // The number's leading number, rounded as a whole-number format rounds it (halves away
    // from zero). A number of twenty digits or more is no 64-bit integer: it stays a Double, or
    // the digits as written when a Double cannot hold them all.
    const double value = zova::LeadingNumber(number);
    const double whole = std::isfinite(value) ? std::round(value) : 0;
    QString last = ZeroPadded(whole, 4);
    if (std::fabs(whole) >= 1e15) {
        if (const QString digits = LongDigits(number); !digits.isEmpty())
            last = digits;
    }
    return CadastralNumberAsStored(firstPart, zone, quarter, last);
}

QString CadastralNumberAsStored(const QString &firstPart, int zone, int quarter, const QString &number)
{
    return firstPart + QLatin1Char(':') + ZeroPadded(zone, 2) + QLatin1Char(':') + ZeroPadded(quarter, 3)
        + QLatin1Char(':') + number;
}

void PrepareParcel(DocParcel &doc, const model::ParcelList &parcels, int32_t index, const QString &firstPart)
{
    if (index < 1 || index > parcels.UBound())
        throw zova::Error(QStringLiteral("Немає ділянки з номером %1").arg(index));
    const model::Parcel &p = parcels[index];
    doc.CadNumber = CadastralNumber(firstPart, p.ZN, p.KV, p.Number);
    doc.Area = p.Area;
    doc.ParcelIndex = index;
    doc.AD = p.AD;
    doc.Number = p.Number;
    doc.KZ = p.KZ;
    doc.DB = p.DB;

    doc.Items.Clear();
    for (const model::LandUseArea &use : p.LandUses) {
        DocItem item;
        item.Area = use.Area;
        item.CN = use.CN;
        item.Points = DocPointsOf(use.Points);
        doc.Items.Add(std::move(item));
    }
    doc.Points = DocPointsOf(p.Points);
    doc.Parts.Clear();
    doc.Parts.Add(DocPart{p.NM});
}

void PrepareDocParcel(int32_t index)
{
    const model::ParcelList &parcels = model::state().Parcels;
    PrepareParcel(state().DocParcel1, parcels, index, parcels[index].KoatuuPart.text());
}

void PrepareSecondParcel(int32_t index, bool dsFlag)
{
    const model::ParcelList &parcels = model::state().Parcels;
    const model::Parcel &p = parcels[index];
    PrepareParcel(state().DocParcel2, parcels, index, dsFlag ? p.KoatuuPart.text() : p.ParcelKoatuu);
}

double SumAreaByCode(const model::ParcelList &parcels, int32_t index, int code)
{
    if (index < 1 || index > parcels.UBound())
        return 0;
    double sum = 0;
    for (const model::LandUseArea &use : parcels[index].LandUses) {
        if (zova::LeadingNumber(use.CN) == code)
            sum += use.Area;
    }
    return sum;
}

} // namespace documents
