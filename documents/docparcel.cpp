#include "documents/docparcel.h"

#include "common/numbers.h"
#include "documents/ring.h"
#include "documents/state.h"
#include "model/state.h"

#include <cmath>

namespace documents {

namespace {

/// Zero-padded decimal text with the sign in front ("-01"), as number formats like "00" give.
QString ZeroPadded(long long value, int width)
{
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(width, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
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

QString CadastralNumber(const QString &firstPart, int zone, int quarter, const QString &number)
{
    // The number's leading number, rounded as a whole-number format rounds it (halves away
    // from zero).
    const double value = zova::LeadingNumber(number);
    const long long whole = std::isfinite(value) ? std::llround(value) : 0;
    return firstPart + QLatin1Char(':') + ZeroPadded(zone, 2) + QLatin1Char(':') + ZeroPadded(quarter, 3)
        + QLatin1Char(':') + ZeroPadded(whole, 4);
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
