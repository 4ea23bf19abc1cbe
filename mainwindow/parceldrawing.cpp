#include "mainwindow/parceldrawing.h"

#include "common/error.h"
#include "common/numbers.h"
#include "draw/draw.h"

namespace mainwindow {

namespace {

std::shared_ptr<draw::DrawObjColl> NewCollection()
{
    auto coll = draw::Create<draw::DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    if (!coll)
        throw zova::Error(QStringLiteral("Не вдалося створити об'єкт креслення Lumivec.DrawObjColl."));
    return coll;
}

/// One polygon of the collection: its colours by the library's own helpers, then its real points
/// in ring order.
void AddPolygon(draw::DrawObjColl &coll, const model::Ring &ring, int16_t r, int16_t g, int16_t b, bool markers)
{
    const std::shared_ptr<draw::Draw> d = coll.Add();
    d->FillColor(d->SetFillColor(r, g, b));
    d->BorderColors(d->SetBorderColor(draw::Red));
    if (markers) {
        d->PointFillColor(d->SetFillColor(255, 255, 255));
        d->PointBorderColor(d->SetBorderColor(draw::Black));
    }
    const std::shared_ptr<draw::PointRColl> points = d->pointsR();
    for (int k = 1; k <= ring.UBound(); ++k)
        points->Add(ring[k].X, ring[k].Y);
}

void AddParcel(draw::DrawObjColl &coll, const model::Parcel &p, bool markers)
{
    AddPolygon(coll, p.Points, 142, 193, 241, markers);
    for (int k = 1; k <= p.LandUses.UBound(); ++k)
        AddPolygon(coll, p.LandUses[k].Points, 97, 233, 196, markers);
}

} // namespace

void DrawParcel(const model::Parcel &parcel, draw::Window &window)
{
    const auto coll = NewCollection();
    AddParcel(*coll, parcel, true);
    coll->DrawPict(window, true);
}

std::shared_ptr<draw::DrawObjColl> DrawAllParcels(const model::ParcelList &parcels, draw::Window &window)
{
    const auto coll = NewCollection();
    for (int i = 1; i <= parcels.UBound(); ++i)
        AddParcel(*coll, parcels[i], false);
    coll->DrawPict(window, false);
    return coll;
}

QString AreaText(double squareMetres, uint8_t unit)
{
    if (unit != 0)
        return zova::Format4(squareMetres / 10000.0) + QStringLiteral(" га.");
    return zova::Format2(squareMetres) + QStringLiteral(" кв.м.");
}

} // namespace mainwindow
