#include "documents/placement.h"
#include "documents/plantemplates.h"
#include "documents/state.h"
#include "common/error.h"
#include "parcelfixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace documents;

namespace {

DocParcel DocOf(std::initializer_list<std::pair<double, double>> ring)
{
    DocParcel doc;
    doc.Points = documents_test::RecordsOf<DocPoint>(ring);
    return doc;
}

} // namespace

TEST(Quadrant, ByDirection)
{
    EXPECT_EQ(Quadrant(1, 1), 1);
    EXPECT_EQ(Quadrant(-1, 1), 2);
    EXPECT_EQ(Quadrant(-1, -1), 3);
    EXPECT_EQ(Quadrant(1, -1), 4);
    EXPECT_EQ(Quadrant(0, 1), 3);
    EXPECT_EQ(Quadrant(1, 0), 3);
    EXPECT_DOUBLE_EQ(CmToPoints(2), 56.7);
}

TEST(AutoScale, AcrossTheList)
{
    const struct {
        double extent;
        int32_t scale;
    } cases[] = {{0, 100},       {5, 100},      {5.01, 200},   {15, 200},    {15.01, 300},
                 {25, 300},      {25.01, 500},  {30, 500},     {30.01, 1000}, {75, 1000},
                 {75.01, 2000},  {150, 2000},   {150.01, 5000}, {300, 5000},  {300.01, 10000},
                 {750, 10000},   {750.01, 25000}, {40000, 25000}};
    for (const auto &c : cases)
        EXPECT_EQ(AutoScaleFor(c.extent), c.scale) << c.extent;
}

TEST(PlaceParcel, ScaleChoiceAndDrawScale)
{
    resetState();
    // 40 m north-south by 20 m east-west: the larger range decides (the diagonal would be 44.7).
    DocParcel doc = DocOf({{0, 0}, {40, 0}, {40, 20}, {0, 20}});
    int32_t scale = 0;
    PlaceParcel(doc, 300, 400, scale, true);
    EXPECT_EQ(scale, 1000);
    EXPECT_EQ(state().DrawScale, 1000);

    // A tiny parcel with the automatic scale gets 1:100, whatever the caller held.
    DocParcel tiny = DocOf({{0, 0}, {2, 0}, {2, 2}});
    scale = 0;
    PlaceParcel(tiny, 300, 400, scale, true);
    EXPECT_EQ(scale, 100);
    EXPECT_TRUE(std::isfinite(tiny.Points[2].PageX));

    // A fixed scale is kept, also past 16 bits.
    scale = 50000;
    PlaceParcel(doc, 300, 400, scale, false);
    EXPECT_EQ(scale, 50000);
    EXPECT_EQ(state().DrawScale, 50000);

    scale = 0;
    EXPECT_THROW(PlaceParcel(doc, 300, 400, scale, false), zova::Error);
    DocParcel empty;
    scale = 500;
    EXPECT_THROW(PlaceParcel(empty, 300, 400, scale, false), zova::Error);
}

TEST(PlaceParcel, AroundTheCentreOfEachPaper)
{
    // The parcel's mean lands on the template's centre; at 1:500 ten metres are 56.7 points;
    // north is up (smaller page y) and east is right, on every paper.
    for (int paper = 1; paper <= 4; ++paper) {
        const ZovaTemplate *t = FindZovaTemplate(paper, 1);
        ASSERT_NE(t, nullptr);
        SCOPED_TRACE(paper);
        // Vertices: the mean is (10, 10); vertex 3 lies 10 m east and 30 m north of it.
        DocParcel doc = DocOf({{0, 0}, {10, 0}, {40, 20}, {-10, 20}});
        int32_t scale = 500;
        PlaceParcel(doc, t->CentreX, t->CentreY, scale, false);
        const DocPoint &east = doc.Points[3];
        EXPECT_NEAR(east.PageX - t->CentreX, 56.7, 1e-9);
        double sumX = 0;
        for (const DocPoint &p : doc.Points)
            sumX += p.PageX;
        EXPECT_NEAR(sumX / 4, t->CentreX, 1e-9);
        // Flipped about the middle of the picture: the northernmost is at the top, the
        // southernmost at the bottom, the picture spans 50 m = 283.5 points.
        EXPECT_NEAR(doc.Points[3].PageY - doc.Points[4].PageY, -283.5, 1e-9);
        const double top = doc.Points[3].PageY, bottom = doc.Points[4].PageY;
        const double mid = t->CentreY - CmToPoints((10.0 - 15) / 5); // unflipped middle
        EXPECT_NEAR((top + bottom) / 2, mid, 1e-9);
        for (const DocPoint &p : doc.Points) {
            EXPECT_GE(p.PageY, top - 1e-9);
            EXPECT_LE(p.PageY, bottom + 1e-9);
        }
    }
}

TEST(PlaceParcel, StubsAndLandUseCentres)
{
    // Coordinates at and below 0 and a branch point at 0, 0 still give their stubs.
    DocParcel doc = DocOf({{-10, -10}, {0, -10}, {0, 0}, {-10, 0}});
    doc.Points[1].HasBranch = true; // due west of vertex 1, far away
    doc.Points[1].BranchX = -10;
    doc.Points[1].BranchY = -500;
    doc.Points[2].HasBranch = true; // north-east of vertex 2
    doc.Points[2].BranchX = 3;
    doc.Points[2].BranchY = -7;
    doc.Points[3].HasBranch = true; // the branch at 0, 0 of a vertex elsewhere
    doc.Points[3].X = 5;
    doc.Points[3].BranchX = 0;
    doc.Points[3].BranchY = 0;
    DocItem item;
    item.Points = documents_test::RecordsOf<DocPoint>({{-10, -10}, {-5, -10}, {-5, -5}});
    doc.Items.Add(item);
    doc.Items.Add(DocItem()); // an area without points keeps its centre
    int32_t scale = 0;
    PlaceParcel(doc, 300, 500, scale, true);
    EXPECT_EQ(scale, 200); // 15 m north-south, 10 m east-west

    for (int i : {1, 2, 3}) {
        const DocPoint &p = doc.Points[i];
        SCOPED_TRACE(i);
        EXPECT_NEAR(std::hypot(p.BranchX - p.X, p.BranchY - p.Y), 1, 1e-12);
        EXPECT_NEAR(std::hypot(p.BranchPageX - p.PageX, p.BranchPageY - p.PageY), StubLength, 1e-9);
    }
    // West on the page is left, exactly horizontal: class 3, stub 20 points to the left.
    EXPECT_NEAR(doc.Points[1].BranchPageX - doc.Points[1].PageX, -20, 1e-9);
    EXPECT_NEAR(doc.Points[1].BranchPageY, doc.Points[1].PageY, 1e-9);
    EXPECT_EQ(doc.Points[1].BranchQuadrant, 3);
    // North-east on the ground is up and right on the page.
    EXPECT_EQ(doc.Points[2].BranchQuadrant, 4);
    EXPECT_GT(doc.Points[2].BranchPageX, doc.Points[2].PageX);
    EXPECT_LT(doc.Points[2].BranchPageY, doc.Points[2].PageY);
    // Vertex 3 (5, 0) to its branch (0, 0): due south, straight down the page.
    EXPECT_NEAR(doc.Points[3].BranchPageX, doc.Points[3].PageX, 1e-9);
    EXPECT_NEAR(doc.Points[3].BranchPageY - doc.Points[3].PageY, 20, 1e-9);
    EXPECT_FALSE(doc.Points[4].HasBranch);

    // The land-use area is placed with the parcel's own centre and flip.
    const DocItem &placed = doc.Items[1];
    EXPECT_NEAR(placed.Points[1].PageX, doc.Points[1].PageX, 1e-9);
    EXPECT_NEAR(placed.Points[1].PageY, doc.Points[1].PageY, 1e-9);
    EXPECT_NEAR(placed.CentreX, (placed.Points[1].PageX + placed.Points[2].PageX + placed.Points[3].PageX) / 3, 1e-9);
    EXPECT_NEAR(placed.CentreY, (placed.Points[1].PageY + placed.Points[2].PageY + placed.Points[3].PageY) / 3, 1e-9);
    EXPECT_LT(placed.Points[2].PageY, placed.Points[1].PageY); // 5 m further north, higher up
    EXPECT_EQ(doc.Items[2].CentreX, 0);
}

// A drawing is refused only where it cannot be written: a vertex a point short of the farthest
// offset is drawn, one a point beyond it is not; a far land-use point counts where land use is drawn.
TEST(CheckPlaceable, UpToTheFarthestOffsetAShapeCanStand)
{
    resetState();
    for (const double beyond : {-1.0, 1.0}) {
        // At 1:100 around (0, 0) the vertex d metres east lies two thirds of d in centimetres right.
        const double d = (MaxDrawnOffset + beyond) / (CmToPoints(1) * 2 / 3);
        DocParcel doc = DocOf({{0, 0}, {0, d}, {1, 0}});
        int32_t scale = 100;
        PlaceParcel(doc, 0, 0, scale, false);
        EXPECT_NEAR(doc.Points[2].PageX, MaxDrawnOffset + beyond, 1e-3);
        if (beyond < 0) {
            EXPECT_NO_THROW(CheckPlaceable(doc, true));
        } else {
            EXPECT_THROW(CheckPlaceable(doc, true), UnplaceableDrawing);
        }
    }

    DocParcel doc = DocOf({{0, 0}, {0, 10}, {10, 0}});
    DocItem area;
    area.Points = documents_test::RecordsOf<DocPoint>({{0, 0}, {0, 1e7}, {5, 0}});
    doc.Items.Add(area);
    int32_t scale = 100;
    PlaceParcel(doc, 300, 300, scale, false);
    EXPECT_NO_THROW(CheckPlaceable(doc, false));
    try {
        CheckPlaceable(doc, true);
        ADD_FAILURE() << "a land-use point 100 km off was drawn";
    } catch (const UnplaceableDrawing &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Креслення ділянки не можна розмістити на аркуші: точка 2 угіддя 1 (X ")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral(") лежить надто далеко від ділянки"))) << e.message().toStdString();
    }
}
