#include "model/parcel.h"

#include "model/exchangereader.h"
#include "tests/support/testsupport.h"

#include "tests/model/printing.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

struct XY {
    double x, y;
};

Ring ringOf(std::initializer_list<XY> points)
{
    Ring ring;
    for (const XY &p : points) {
        BoundaryPoint b;
        b.Index = ring.UBound() + 1;
        b.NP = QString::number(b.Index);
        b.X = p.x;
        b.Y = p.y;
        ring.Add(b);
    }
    return ring;
}

struct AreaCase {
    const char *name;
    Ring ring;
    double signedArea;
};

} // namespace

TEST(PolygonArea, SignByOrientation)
{
    const AreaCase cases[] = {
        {"counter-clockwise square", ringOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}}), 1},
        {"clockwise square", ringOf({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), -1},
        {"closing point repeated", ringOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}), 1},
        {"one point", ringOf({{5, 7}}), 0},
        {"no points", Ring(), 0},
        // 20 by 30 metres at survey coordinates: the differences keep it exact.
        {"survey rectangle", ringOf({{5586100, 526200}, {5586100, 526230}, {5586120, 526230},
                                     {5586120, 526200}}),
         600},
    };
    for (const AreaCase &c : cases)
        EXPECT_DOUBLE_EQ(PolygonArea(c.ring), c.signedArea) << c.name;
}

TEST(AreaPhase, ReversesCounterClockwiseRingsMovingNamesNotIndexes)
{
    ParcelList parcels;
    const int i = CreateParcel(parcels);
    parcels[i].Points = ringOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}});
    parcels[i].Points[1].NP = QStringLiteral("a");
    parcels[i].Points[4].NP = QStringLiteral("d");

    LandUseArea kept, turned;
    kept.Points = ringOf({{0, 0}, {0.5, 0}, {0.5, 0.5}, {0, 0.5}});
    turned.Points = ringOf({{0, 0}, {0, 0.5}, {0.5, 0.5}});
    parcels[i].LandUses.Add(kept);
    parcels[i].LandUses.Add(turned);

    platform::RecordingProgress progress;
    RunAreaPhase(parcels, &progress);

    const Ring &ring = parcels[i].Points;
    const XY expected[] = {{1, 0}, {1, 1}, {0, 1}, {0, 0}};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(ring[j].Index, j);
        EXPECT_EQ(ring[j].X, expected[j - 1].x);
        EXPECT_EQ(ring[j].Y, expected[j - 1].y);
    }
    EXPECT_EQ(ring[1].NP, "d");
    EXPECT_EQ(ring[4].NP, "a");
    EXPECT_DOUBLE_EQ(parcels[i].Area, 1);

    // Each land-use outline is turned on its own account.
    EXPECT_EQ(parcels[i].LandUses[1].Points, kept.Points);
    EXPECT_DOUBLE_EQ(parcels[i].LandUses[1].Area, 0.25);
    EXPECT_EQ(parcels[i].LandUses[2].Points[1].Y, 0.5);
    EXPECT_EQ(parcels[i].LandUses[2].Points[1].NP, "3");
    EXPECT_DOUBLE_EQ(parcels[i].LandUses[2].Area, 0.125);
    EXPECT_EQ(progress.value, 1);
}

TEST(AreaPhase, DegenerateRingsGiveZeroAndStay)
{
    ParcelList parcels;
    CreateParcel(parcels);                     // no points at all
    const int single = CreateParcel(parcels);  // one point
    parcels[single].Points = ringOf({{3, 4}});
    const int line = CreateParcel(parcels);    // two points: a line has no area
    parcels[line].Points = ringOf({{0, 0}, {2, 2}});
    const Ring before = parcels[line].Points;

    RunAreaPhase(parcels);

    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(parcels[i].Area, 0);
        EXPECT_FALSE(std::signbit(parcels[i].Area)) << "no negative zero, parcel " << i;
    }
    EXPECT_EQ(parcels[single].Points[1].X, 3);
    EXPECT_EQ(parcels[line].Points, before);
}

TEST(CreateParcel, StartsWithTheLoaderDefaults)
{
    ParcelList parcels;
    const int i = CreateParcel(parcels);
    EXPECT_EQ(i, 1);
    const Parcel &p = parcels[i];
    EXPECT_EQ(p.JointOwnership, 1);
    EXPECT_EQ(p.Selected, 0);
    EXPECT_EQ(p.SecondParcel, 0);
    EXPECT_TRUE(p.Points.isEmpty());
    EXPECT_TRUE(p.LandUses.isEmpty());
    EXPECT_TRUE(p.NeighbourList.empty());
    EXPECT_EQ(p.KoatuuPart.text(), QString(10, QLatin1Char(' ')));
}

TEST(KoatuuText, PadsOrCutsToTenCharacters)
{
    const struct {
        const char *given, *stored;
    } cases[] = {
        {"3222486201", "3222486201"},
        {"32224", "32224     "},
        {"3222486201777", "3222486201"},
        {"", "          "},
    };
    for (const auto &c : cases) {
        KoatuuText k;
        k = QString::fromLatin1(c.given);
        EXPECT_EQ(k.text(), QString::fromLatin1(c.stored)) << c.given;
    }
}

TEST(AreaPhase, AreaNeverNegativeForWildRings)
{
    // Found by fuzzing: a self-crossing outline with one point near the origin whose sum, taken
    // again after the reversal, rounded to the other sign.
    platform::NullProgress progress;
    const LoadResult r = LoadExchangeFile(
        testsupport::sourcePath(QStringLiteral("tests/model/data/fuzz-area-sign.in4")), 1, progress);
    for (const Parcel &p : r.Parcels) {
        EXPECT_GE(p.Area, 0);
        for (const LandUseArea &u : p.LandUses)
            EXPECT_GE(u.Area, 0) << p.NM.toStdString();
    }
}
