#include "documents/boundaryneighbours.h"
#include "documents/nearparcels.h"
#include "documents/neighbourtext.h"
#include "documents/state.h"
#include "model/state.h"
#include "parcelfixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace documents;
using documents_test::ListOf;
using documents_test::ParcelOf;
using documents_test::SquareOf;

namespace {

// A clockwise seven-sided parcel, and neighbours that run its vertices backwards:
//   a holds sides 7, 1 and 2 (vertex 1 lies inside its run), b sides 3 and 4, c sides 5 and 6.
const std::pair<double, double> V1{0, 0}, V2{10, 0}, V3{20, 10}, V4{20, 20}, V5{10, 30}, V6{0, 30}, V7{-10, 15};
model::Parcel Heptagon() { return ParcelOf("P", {V1, V2, V3, V4, V5, V6, V7}); }
model::Parcel RunA() { return ParcelOf("a", {V3, V2, V1, V7, {-30, 15}, {30, -20}}); }
model::Parcel RunB() { return ParcelOf("b", {V5, V4, V3, {40, 10}, {40, 30}}); }
model::Parcel RunC() { return ParcelOf("c", {V7, V6, V5, {10, 50}, {-20, 40}}); }

/// The L-shaped parcel around the north and east sides of SquareOf(.., 0, 0).
model::Parcel LShape(const QString &nm)
{
    return ParcelOf(nm, {{10, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 10}, {10, 10}});
}

std::vector<int32_t> IndexesOf(const model::Parcel &p)
{
    std::vector<int32_t> result;
    for (size_t k = 1; k < p.NeighbourList.size(); ++k)
        result.push_back(p.NeighbourList[k].ParcelIndex);
    return result;
}

std::vector<int32_t> FirstVerticesOf(const BoundaryRuns &runs)
{
    std::vector<int32_t> result;
    for (const BoundaryRun &run : runs)
        result.push_back(run.FirstVertex);
    return result;
}

DocParcel DocOf(const model::ParcelList &parcels, int32_t index)
{
    DocParcel doc;
    PrepareParcel(doc, parcels, index, QString());
    return doc;
}

} // namespace

TEST(BuildBoundaryNeighbours, RunsAlongTheBoundary)
{
    const double nextToTen = std::nextafter(10.0, 20.0);
    const struct {
        const char *name;
        model::ParcelList parcels;
        std::vector<int32_t> entries;
        std::vector<int32_t> firstVertices;
    } cases[] = {
        {"alone", ListOf({SquareOf("P", 0, 0)}), {}, {}},
        {"neighbour west and east", ListOf({SquareOf("P", 0, 10), SquareOf("W", 0, 0), SquareOf("E", 0, 20)}),
         {2, 3}, {1, 3}},
        {"L-shaped neighbour, two sides one entry", ListOf({SquareOf("P", 0, 0), LShape("L")}), {2}, {2}},
        {"corner touch only", ListOf({SquareOf("P", 0, 0), SquareOf("Q", 10, 10)}), {}, {}},
        {"last decimal differs", ListOf({SquareOf("P", 0, 0), SquareOf("R", 0, nextToTen)}), {}, {}},
        {"same side run the same way", ListOf({SquareOf("P", 0, 0), ParcelOf("S", {{10, 10}, {0, 10}, {0, 20}})}),
         {}, {}},
        {"extra vertex on one common side",
         ListOf({SquareOf("P", 0, 0), ParcelOf("L", {{10, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 10}, {5, 10}, {10, 10}})}),
         {2}, {2}},
        {"vertex 1 inside the run of a: a a b b c c a gives a b c",
         ListOf({Heptagon(), RunA(), RunB(), RunC()}), {2, 3, 4}, {7, 3, 5}},
        {"a b a gives a b", // sides 1 and 3 with a, 2 with b, 4 free
         ListOf({SquareOf("P", 0, 0), ParcelOf("a", {{10, 0}, {0, 0}, {-5, 5}, {0, 10}, {10, 10}, {15, 15}}),
                 ParcelOf("b", {{10, 10}, {10, 0}, {15, 5}})}),
         {2, 3}, {3, 2}},
        {"a, free side, a gives a", // sides 1 and 3 with a
         ListOf({SquareOf("P", 0, 0), ParcelOf("a", {{10, 0}, {0, 0}, {-5, 5}, {0, 10}, {10, 10}, {15, 15}})}),
         {2}, {1}},
        {"two parcels on top of each other alternate", ListOf({SquareOf("P", 0, 0), LShape("L1"), LShape("L2")}),
         {2, 3, 2, 3}, {2, 2, 3, 3}},
        {"closed rings give no zero-length side",
         ListOf({ParcelOf("P", {{0, 10}, {10, 10}, {10, 20}, {0, 20}, {0, 10}}),
                 ParcelOf("W", {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}})}),
         {2}, {1}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        const BoundaryRuns runs = BuildBoundaryNeighbours(c.parcels, 1);
        EXPECT_EQ(IndexesOf(c.parcels[1]), c.entries);
        EXPECT_EQ(FirstVerticesOf(runs), c.firstVertices);
        for (size_t k = 1; k < c.parcels[1].NeighbourList.size(); ++k) {
            const model::NeighbourEntry &e = c.parcels[1].NeighbourList[k];
            EXPECT_EQ(e.Text, c.parcels[e.ParcelIndex].NM);
        }
        for (int i = 2; i <= c.parcels.UBound(); ++i)
            EXPECT_EQ(c.parcels[i].NeighbourList.size(), 1u) << i;
    }
}

TEST(BuildBoundaryNeighbours, EachBuildResetsTheOthers)
{
    model::ParcelList parcels = ListOf({SquareOf("A", 0, 0), SquareOf("B", 0, 10), SquareOf("C", 0, 20), model::Parcel()});
    BuildBoundaryNeighbours(parcels, 1);
    EXPECT_EQ(IndexesOf(parcels[1]), (std::vector<int32_t>{2}));
    BuildBoundaryNeighbours(parcels, 2);
    EXPECT_EQ(parcels[1].NeighbourList.size(), 1u);
    EXPECT_EQ(IndexesOf(parcels[2]), (std::vector<int32_t>{1, 3}));

    // A parcel without points and an index outside the list change nothing.
    BuildBoundaryNeighbours(parcels, 4);
    BuildBoundaryNeighbours(parcels, 9);
    EXPECT_EQ(IndexesOf(parcels[2]), (std::vector<int32_t>{1, 3}));
    EXPECT_TRUE(LastBoundaryNeighbourIs(parcels[2], 3));
    EXPECT_FALSE(LastBoundaryNeighbourIs(parcels[2], 1));
    EXPECT_FALSE(LastBoundaryNeighbourIs(parcels[1], 0));
}

TEST(BuildBoundaryNeighbours, OneBuilderForManyParcelsGivesTheSameLists)
{
    // A 3 x 3 grid: the builder that keeps its vertex hash must agree with fresh builds.
    model::ParcelList grid;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            grid.Add(SquareOf(QStringLiteral("%1%2").arg(row).arg(col), row * 10, col * 10));
    model::ParcelList fresh = grid;
    BoundaryNeighbourBuilder builder(grid);
    for (int i = 1; i <= grid.UBound(); ++i) {
        SCOPED_TRACE(i);
        const BoundaryRuns kept = builder.build(i);
        const BoundaryRuns once = BuildBoundaryNeighbours(fresh, i);
        EXPECT_EQ(FirstVerticesOf(kept), FirstVerticesOf(once));
        for (int j = 1; j <= grid.UBound(); ++j)
            EXPECT_EQ(grid[j].NeighbourList, fresh[j].NeighbourList) << j;
    }
    // The middle square meets its four side neighbours, west first (its side 1).
    builder.build(5);
    EXPECT_EQ(IndexesOf(grid[5]), (std::vector<int32_t>{4, 8, 6, 2}));
}

TEST(CollectNearParcels, RowOfThree)
{
    model::ParcelList parcels = ListOf({SquareOf("A", 0, 0), SquareOf("B", 0, 10), SquareOf("C", 0, 20)});
    DocParcel doc = DocOf(parcels, 2);
    DocParcelList nearParcels, neighbours;
    CollectNearParcels(parcels, doc, nearParcels, neighbours, 2);

    EXPECT_EQ(nearParcels.UBound(), 0);
    ASSERT_EQ(neighbours.UBound(), 2);
    EXPECT_EQ(neighbours[1].ParcelIndex, 1);
    EXPECT_EQ(neighbours[2].ParcelIndex, 3);
    EXPECT_EQ(neighbours[2].OwnerName, QStringLiteral("C"));
    ASSERT_EQ(doc.NeighbourNames.UBound(), 2);
    EXPECT_EQ(doc.NeighbourNames[1], QStringLiteral("A"));
    EXPECT_EQ(doc.NeighbourNames[2], QStringLiteral("C"));
    EXPECT_EQ(doc.NeighbourIndexes[2], 3);

    // Vertex 1 (0, 10) starts the side shared with A; A's boundary leaves it for (0, 0), a
    // branch point at zero that still counts. Vertex 3 starts the side shared with C.
    const struct {
        bool has;
        double x, y;
        const char *letter;
    } vertices[] = {{true, 0, 0, "А"}, {false, 0, 0, ""}, {true, 10, 30, "Б"}, {false, 0, 0, ""}};
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(doc.Points[i].HasBranch, vertices[i - 1].has);
        EXPECT_EQ(doc.Points[i].BranchX, vertices[i - 1].x);
        EXPECT_EQ(doc.Points[i].BranchY, vertices[i - 1].y);
        EXPECT_EQ(doc.Points[i].Letter, QString::fromUtf8(vertices[i - 1].letter));
    }
    EXPECT_EQ(NeighbourBoundaryText(parcels, 2, true, false), QStringLiteral("Від А до Б A\rВід Б до А C"));
}

TEST(CollectNearParcels, LShapedNeighbourCornerTouchAndNothing)
{
    model::ParcelList parcels = ListOf({SquareOf("P", 0, 0), LShape("L"), SquareOf("Q", -10, -10), SquareOf("far", 500, 500)});
    DocParcel doc = DocOf(parcels, 1);
    DocParcelList nearParcels, neighbours;
    CollectNearParcels(parcels, doc, nearParcels, neighbours, 1);
    // Q touches vertex 1 only: a neighbour of the drawing without a shared side or a name.
    ASSERT_EQ(neighbours.UBound(), 2);
    EXPECT_EQ(neighbours[1].ParcelIndex, 3);
    EXPECT_EQ(neighbours[2].ParcelIndex, 2);
    ASSERT_EQ(doc.NeighbourNames.UBound(), 1);
    EXPECT_EQ(doc.NeighbourNames[1], QStringLiteral("L"));
    // The run begins at vertex 2, where L's boundary leaves for (20, 0); vertex 3 lies inside it.
    EXPECT_TRUE(doc.Points[2].HasBranch);
    EXPECT_EQ(doc.Points[2].BranchX, 20);
    EXPECT_EQ(doc.Points[2].BranchY, 0);
    EXPECT_EQ(doc.Points[2].Letter, QStringLiteral("А"));
    for (int i : {1, 3, 4}) {
        EXPECT_FALSE(doc.Points[i].HasBranch) << i;
        EXPECT_TRUE(doc.Points[i].Letter.isEmpty()) << i;
    }

    // The far parcel has no neighbours at all.
    DocParcel far = DocOf(parcels, 4);
    CollectNearParcels(parcels, far, nearParcels, neighbours, 4);
    EXPECT_EQ(neighbours.UBound(), 0);
    EXPECT_EQ(far.NeighbourNames.UBound(), 0);
    for (const DocPoint &p : far.Points)
        EXPECT_FALSE(p.HasBranch);
    EXPECT_EQ(parcels[4].NeighbourList.size(), 1u);
    EXPECT_EQ(parcels[1].NeighbourList.size(), 1u);
    EXPECT_EQ(NeighbourBoundaryText(parcels, 4, true, false), QString());
}

TEST(CollectNearParcels, PlanAndDescriptionLetterTheSamePointsWhenVertexOneIsInsideARun)
{
    model::ParcelList parcels = ListOf({Heptagon(), RunA(), RunB(), RunC()});
    DocParcel doc = DocOf(parcels, 1);
    DocParcelList nearParcels, neighbours;
    CollectNearParcels(parcels, doc, nearParcels, neighbours, 1);

    // The description starts with a's run: "Від А до Б a". So А stands where a's run begins
    // (vertex 7, before vertex 1), Б where b's begins (3), В where c's begins (5); each of them
    // carries the stub along which the neighbours' boundaries part.
    EXPECT_EQ(NeighbourBoundaryText(parcels, 1, true, false), QStringLiteral("Від А до Б a\rВід Б до В b\rВід В до А c"));
    const char *letters[] = {"", "", "Б", "", "В", "", "А"};
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(doc.Points[i].Letter, QString::fromUtf8(letters[i - 1]));
        EXPECT_EQ(doc.Points[i].HasBranch, !doc.Points[i].Letter.isEmpty());
    }
    EXPECT_EQ(doc.Points[7].BranchX, -30); // a's boundary leaves vertex 7 for (-30, 15)
    EXPECT_EQ(doc.Points[7].BranchY, 15);

    // Names follow the vertices from 1: a is met again after c and named again.
    ASSERT_EQ(doc.NeighbourNames.UBound(), 4);
    const char *names[] = {"a", "b", "c", "a"};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(doc.NeighbourNames[k], QString::fromUtf8(names[k - 1]));
}

TEST(CollectNearParcels, ProgramWideLists)
{
    model::resetState();
    resetState();
    model::state().Parcels = ListOf({SquareOf("A", 0, 0), SquareOf("B", 0, 10)});
    PrepareDocParcel(1);
    CollectNearParcels(state().DocParcel1, 1);
    EXPECT_EQ(state().NearParcels.UBound(), 0);
    ASSERT_EQ(state().Neighbours.UBound(), 1);
    EXPECT_EQ(state().Neighbours[1].ParcelIndex, 2);
    EXPECT_EQ(IndexesOf(model::state().Parcels[1]), (std::vector<int32_t>{2}));
    EXPECT_EQ(NeighbourBoundaryText(1, false, true), QStringLiteral("А B"));
}

TEST(NearParcelHelpers, SmallTests)
{
    DocParcelList list;
    DocParcel a;
    a.ParcelIndex = 4;
    EXPECT_FALSE(IsLastNeighbour(list, a));
    list.Add(a);
    EXPECT_TRUE(IsLastNeighbour(list, a));

    DocParcel doc;
    doc.NeighbourNames.Add(QStringLiteral("x"));
    doc.NeighbourNames.Add(QStringLiteral("y"));
    doc.NeighbourIndexes.Add(1);
    doc.NeighbourIndexes.Add(2);
    SizeNeighbourLinks(list, doc);
    EXPECT_EQ(doc.NeighbourNames.UBound(), 1);
    EXPECT_EQ(doc.NeighbourIndexes.UBound(), 2);

    zova::OneBased<int32_t> values;
    EXPECT_FALSE(LongInList(0, values));
    values.Add(7);
    EXPECT_TRUE(LongInList(7, values));
    EXPECT_FALSE(LongInList(8, values));
}
