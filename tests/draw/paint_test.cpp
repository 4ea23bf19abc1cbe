// Painting into an image window and hit-testing what was painted.
#include "drawtestsupport.h"

#include <algorithm>
#include <thread>

using namespace draw;
using namespace drawtest;

namespace {

const QColor parcelFill = rgb(142, 193, 241);
const QColor landUseFill = rgb(97, 233, 196);
const QColor frameRed = rgb(128, 0, 0);
const QColor markerWhite = rgb(255, 255, 255);
const QColor markerBlack = rgb(0, 0, 0);
const QColor back = rgb(40, 40, 40);

// Two parcels side by side, east of each other, and a land-use area inside the first, coloured as
// the main window colours them.
std::shared_ptr<DrawObjColl> twoParcelsWithLandUse()
{
    auto coll = collection({
        {{5000, 1000}, {5000, 1150}, {5100, 1150}, {5100, 1000}},
        {{5000, 1150}, {5000, 1300}, {5100, 1300}, {5100, 1150}},
        {{5020, 1020}, {5020, 1100}, {5080, 1100}, {5080, 1020}},
    });
    for (int i = 1; i <= 3; ++i) {
        auto d = coll->Item(i);
        d->FillColor(i < 3 ? d->SetFillColor(142, 193, 241) : d->SetFillColor(97, 233, 196));
        d->BorderColors(d->SetBorderColor(Red));
        d->PointFillColor(d->SetFillColor(255, 255, 255));
        d->PointBorderColor(d->SetBorderColor(Black));
    }
    return coll;
}

// The box of a Draw's window points: left, top, right, bottom.
QRect boxOf(const std::shared_ptr<Draw> &d)
{
    QPolygon p;
    for (auto [x, y] : windowPoints(d))
        p << QPoint(x, y);
    return p.boundingRect();
}

QPoint centreOf(const std::shared_ptr<Draw> &d)
{
    return boxOf(d).center();
}

} // namespace

TEST(PaintObjects, FillsFramesAndMarksTwoParcelsWithALandUseArea)
{
    auto coll = twoParcelsWithLandUse();
    RecordingWindow window(425, 225, back);
    EXPECT_FALSE(coll->DrawPict(window, true));
    EXPECT_EQ(window.clears, 1);
    EXPECT_EQ(window.refreshes, 1);

    const QRect first = boxOf(coll->Item(1));
    const QRect second = boxOf(coll->Item(2));
    const QRect area = boxOf(coll->Item(3));
    const int midY = first.center().y();
    struct Probe {
        const char *what;
        QPoint at;
        QColor colour;
    };
    const Probe probes[] = {
        {"inside the second parcel", centreOf(coll->Item(2)), parcelFill},
        {"inside the land-use area", centreOf(coll->Item(3)), landUseFill},
        {"first parcel beside the area", QPoint((first.left() + area.left()) / 2, midY), parcelFill},
        {"left frame of the first parcel", QPoint(first.left(), midY), frameRed},
        {"right frame of the second parcel (last column in)", QPoint(second.right() - 1, midY), frameRed},
        {"top frame of the area", QPoint(area.center().x(), area.top()), frameRed},
        {"past the right edge", QPoint(second.right(), midY), back},
        {"outside everything", QPoint(2, 2), back},
        {"marker centre at a corner", area.topLeft(), markerWhite},
        {"marker frame left of a corner", area.topLeft() - QPoint(4, 0), markerBlack},
        {"marker frame right of a corner", area.topLeft() + QPoint(3, 0), markerBlack},
        {"just left of a marker", area.topLeft() - QPoint(5, 0), parcelFill},
    };
    for (const Probe &p : probes)
        EXPECT_EQ(window.pixel(p.at.x(), p.at.y()), p.colour) << p.what << " at " << p.at.x() << "," << p.at.y();
    // Each Draw set its fill, then each Draw its marker fill.
    EXPECT_EQ(window.fills, (std::vector<int32_t>{15843726, 15843726, 12904801, 16777215, 16777215, 16777215}));
}

TEST(PaintObjects, MarkersAreEightPixelCirclesAndOnlyWhenAsked)
{
    auto coll = collection({{{100, 200}, {100, 300}, {200, 300}, {200, 200}}});
    auto d = coll->Item(1);
    d->FillColor(d->SetFillColor(0, 0, 255));
    d->BorderColors(d->SetBorderColor(Red));
    d->PointFillColor(d->SetFillColor(255, 255, 255));
    ImageWindow window(425, 425, back);
    coll->DrawPict(window, true);
    // The marker on the corner (12, 12) spans rows 8 to 15; the rows above the polygon show its
    // upper half alone: 4, 6, 8 and 8 pixels.
    std::vector<int> widths;
    for (int y = 8; y < 12; ++y) {
        int n = 0;
        for (int x = 0; x < 30; ++x)
            n += window.pixel(x, y) != back;
        widths.push_back(n);
    }
    EXPECT_EQ(widths, (std::vector<int>{4, 6, 8, 8}));
    EXPECT_EQ(window.pixel(7, 12), back);
    EXPECT_EQ(window.pixel(8, 12), markerBlack);
    EXPECT_EQ(window.pixel(12, 12), markerWhite);
    EXPECT_EQ(window.pixel(15, 12), markerBlack);
    EXPECT_EQ(window.pixel(16, 12), frameRed);
    EXPECT_EQ(window.pixel(12, 16), frameRed);

    ImageWindow plain(425, 425, back);
    coll->DrawPict(plain, false);
    EXPECT_EQ(plain.pixel(10, 10), back);
    EXPECT_EQ(plain.pixel(12, 12), frameRed);
    EXPECT_EQ(plain.pixel(13, 13), rgb(0, 0, 255));
}

TEST(PaintObjects, TransparentFillShowsTheFramesOnly)
{
    auto coll = twoParcelsWithLandUse();
    ImageWindow window(425, 225, back);
    window.setFillTransparent(true);
    coll->DrawPict(window, false);
    EXPECT_EQ(window.pixel(centreOf(coll->Item(2)).x(), centreOf(coll->Item(2)).y()), back);
    EXPECT_EQ(window.pixel(boxOf(coll->Item(1)).left(), centreOf(coll->Item(1)).y()), frameRed);
}

TEST(PaintObjects, APaletteIndexPastFifteenFailsBeforeAnythingIsPainted)
{
    for (bool onMarker : {false, true}) {
        auto coll = twoParcelsWithLandUse();
        if (onMarker)
            coll->Item(2)->PointBorderColor(16);
        else
            coll->Item(2)->BorderColors(16);
        RecordingWindow window(425, 225, back);
        EXPECT_EQ(errorOf([&] { coll->DrawPict(window, true); }), InvalidCall) << onMarker;
        EXPECT_EQ(window.clears, 0);
        EXPECT_EQ(coll->Item(1)->pointsP()->Count(), 0);
    }
    // Marker colours are not looked at when no markers are drawn.
    auto coll = twoParcelsWithLandUse();
    coll->Item(2)->PointBorderColor(16);
    ImageWindow window(425, 225);
    EXPECT_EQ(errorOf([&] { coll->DrawPict(window, false); }), 0);
}

TEST(PaintObjects, EachDrawOwnsItsRegionUntilReleased)
{
    const int before = LiveRegionCount();
    {
        auto coll = twoParcelsWithLandUse();
        auto empty = coll->Add(); // no points: no region
        ImageWindow window(425, 225);
        coll->DrawPict(window, true);
        EXPECT_EQ(LiveRegionCount(), before + 3);
        EXPECT_NE(coll->Item(1)->RegId(), 0);
        EXPECT_NE(coll->Item(1)->RegId(), coll->Item(2)->RegId());
        EXPECT_EQ(empty->RegId(), 0);

        // Repainting and hit-testing replace regions rather than add to them.
        coll->DrawPict(window, false);
        const QPoint inside = centreOf(coll->Item(3));
        const int32_t old = coll->Item(3)->RegId();
        coll->GetSelected(window, inside.x(), inside.y());
        EXPECT_NE(coll->Item(3)->RegId(), old);
        EXPECT_EQ(LiveRegionCount(), before + 3);

        // A handle written by the caller is the Draw's to delete; the one it held goes.
        coll->Item(2)->RegId(0);
        EXPECT_EQ(LiveRegionCount(), before + 2);
    }
    EXPECT_EQ(LiveRegionCount(), before);
}

namespace {

// Where the hit test left its mark: the fill of the polygon's inside after a hit.
QColor insideAfterHit(ImageWindow &window, const std::shared_ptr<Draw> &d)
{
    const QPoint c = centreOf(d);
    return window.pixel(c.x(), c.y());
}

} // namespace

TEST(GetSelected, AlternatesFillAndSelectedColourOnEveryCall)
{
    // The toggle belongs to the thread; a fresh thread starts it at false, so its first hit
    // repaints with the Draw's own fill.
    std::vector<QColor> seen;
    int refreshesAfterMiss = -1;
    std::thread([&] {
        auto coll = twoParcelsWithLandUse();
        auto d = coll->Item(2);
        d->SelectedColor(QVariant(d->SetFillColor(255, 255, 0)));
        d->FillColor(d->SetFillColor(0, 128, 255));
        RecordingWindow window(425, 225, back);
        coll->DrawPict(window, false);
        const QPoint in = centreOf(d);
        EXPECT_FALSE(coll->GetSelected(window, in.x(), in.y()));
        seen.push_back(insideAfterHit(window, d));
        EXPECT_FALSE(coll->GetSelected(window, in.x(), in.y()));
        seen.push_back(insideAfterHit(window, d));
        const int refreshes = window.refreshes;
        const QImage before = window.image();
        EXPECT_FALSE(coll->GetSelected(window, 1, 1)); // outside: only the toggle changes
        refreshesAfterMiss = window.refreshes - refreshes;
        EXPECT_EQ(window.image(), before);
        coll->GetSelected(window, in.x(), in.y());
        seen.push_back(insideAfterHit(window, d));
    }).join();
    EXPECT_EQ(seen, (std::vector<QColor>{rgb(0, 128, 255), rgb(255, 255, 0), rgb(255, 255, 0)}));
    EXPECT_EQ(refreshesAfterMiss, 0);
}

TEST(GetSelected, TheLastPaintedOfOverlappingPolygonsWinsAndCoversItsMarkers)
{
    // The land-use area (third) lies inside the first parcel; a position inside it is inside both.
    auto coll = twoParcelsWithLandUse();
    for (int i = 1; i <= 3; ++i)
        coll->Item(i)->SelectedColor(QVariant(coll->Item(i)->SetFillColor(255, 255, 0)));
    ImageWindow window(425, 225, back);
    coll->DrawPict(window, true);
    const QRect area = boxOf(coll->Item(3));
    const QPoint inBoth = area.center();
    const QPoint firstOnly((boxOf(coll->Item(1)).left() + area.left()) / 2, inBoth.y());
    const QPoint markerInside = area.topLeft() + QPoint(1, 1); // a marker pixel inside the area

    ASSERT_EQ(window.pixel(markerInside.x(), markerInside.y()), markerWhite);
    std::vector<QColor> repaints;
    for (int call = 0; call < 2; ++call) {
        coll->GetSelected(window, inBoth.x(), inBoth.y());
        const QColor c = window.pixel(inBoth.x(), inBoth.y());
        repaints.push_back(c);
        EXPECT_EQ(window.pixel(firstOnly.x(), firstOnly.y()), parcelFill);
        EXPECT_EQ(window.pixel(markerInside.x(), markerInside.y()), c);
        // The part of the marker outside the repainted polygon stays.
        EXPECT_EQ(window.pixel(area.left() - 1, area.top() - 1), markerWhite);
    }
    const auto byValue = [](QColor a, QColor b) { return a.rgb() < b.rgb(); };
    std::sort(repaints.begin(), repaints.end(), byValue);
    EXPECT_EQ(repaints, (std::vector<QColor>{landUseFill, rgb(255, 255, 0)}));

    // Once the caller takes the area's region away, the parcel beneath is the one hit: the whole
    // parcel is repainted, over the area.
    coll->Item(3)->RegId(0);
    repaints.clear();
    for (int call = 0; call < 2; ++call) {
        coll->GetSelected(window, inBoth.x(), inBoth.y());
        repaints.push_back(window.pixel(firstOnly.x(), firstOnly.y()));
        EXPECT_EQ(window.pixel(inBoth.x(), inBoth.y()), repaints.back());
    }
    std::sort(repaints.begin(), repaints.end(), byValue);
    EXPECT_EQ(repaints, (std::vector<QColor>{parcelFill, rgb(255, 255, 0)}));
}

TEST(GetSelected, FindsNothingInACollectionNeverDrawn)
{
    auto coll = twoParcelsWithLandUse();
    RecordingWindow window(425, 225, back);
    EXPECT_FALSE(coll->GetSelected(window, 100, 100));
    EXPECT_EQ(window.refreshes, 0);
    EXPECT_TRUE(window.fills.empty());
    EXPECT_EQ(coll->Item(1)->RegId(), 0);
}

TEST(GetSelected, ASelectedColourThatIsNoNumberFailsWithTypeMismatch)
{
    auto coll = twoParcelsWithLandUse();
    auto d = coll->Item(2);
    d->SelectedColorObject(CreateObject(QStringLiteral("Lumivec.MColor")));
    ImageWindow window(425, 225);
    coll->DrawPict(window, false);
    const QPoint in = centreOf(d);
    // Of two calls one uses the selected colour.
    const int first = errorOf([&] { coll->GetSelected(window, in.x(), in.y()); });
    const int second = errorOf([&] { coll->GetSelected(window, in.x(), in.y()); });
    EXPECT_EQ(first + second, TypeMismatch);

    // An empty selected colour is black.
    d->SelectedColor(QVariant());
    for (int i = 0; i < 2; ++i)
        coll->GetSelected(window, in.x(), in.y());
    const QColor a = window.pixel(in.x(), in.y());
    coll->GetSelected(window, in.x(), in.y());
    const QColor b = window.pixel(in.x(), in.y());
    EXPECT_TRUE((a == rgb(0, 0, 0)) != (b == rgb(0, 0, 0)));
}
