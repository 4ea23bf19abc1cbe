#include "documents/sides.h"
#include "documents/state.h"
#include "model/state.h"
#include "parcelfixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace documents;
using documents_test::ParcelOf;

namespace {

SideList SidesOf(std::initializer_list<std::pair<double, double>> ring)
{
    return documents_test::RecordsOf<SideRec>(ring);
}

} // namespace

TEST(ComputeSides, SquareOnACornerBothWays)
{
    const double diagonal = std::sqrt(200.0);
    const struct {
        const char *name;
        SideList list;
        double dirs[4];
        double angle;
        const char *angleText;
    } cases[] = {
        {"counter-clockwise", SidesOf({{0, 10}, {10, 20}, {20, 10}, {10, 0}}), {45, 315, 225, 135}, 270, "270°00’00”"},
        {"clockwise", SidesOf({{10, 0}, {20, 10}, {10, 20}, {0, 10}}), {45, 135, 225, 315}, 90, "90°00’00”"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ComputeSides(c.list));
        for (int i = 1; i <= 4; ++i) {
            EXPECT_NEAR(c.list[i].Dir, c.dirs[i - 1], 1e-9);
            EXPECT_NEAR(c.list[i].Length, diagonal, 1e-12);
            EXPECT_NEAR(c.list[i].Angle, c.angle, 1e-9);
            EXPECT_EQ(c.list[i].AngleText, QString::fromUtf8(c.angleText));
        }
    }
}

TEST(ComputeSides, SidesAlongTheAxesAndARepeatedClosingPoint)
{
    // Clockwise square standing on its sides, stored closed: the repeated point is dropped.
    SideList list = SidesOf({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    ASSERT_TRUE(ComputeSides(list));
    ASSERT_EQ(list.UBound(), 4);
    const double dirs[] = {0, 90, 180, 270};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(list[i].Dir, dirs[i - 1]);
        EXPECT_DOUBLE_EQ(list[i].Length, 10);
        EXPECT_DOUBLE_EQ(list[i].Angle, 90);
        EXPECT_EQ(list[i].DirText, DegToDms(dirs[i - 1]));
    }
}

TEST(ComputeSides, IrregularRing)
{
    // A clockwise pentagon with no side along an axis: the bearings agree with atan2, the inner
    // angles add up to 540 degrees, and each angle is the turn between its two sides.
    SideList list = SidesOf({{0, 0}, {12.5, 3.2}, {17.25, 21.1}, {4.4, 26.9}, {-6.3, 11.7}});
    ASSERT_TRUE(ComputeSides(list));
    const int n = list.UBound();
    double sum = 0;
    for (int i = 1; i <= n; ++i) {
        const SideRec &from = list[i];
        const SideRec &to = list[i < n ? i + 1 : 1];
        double bearing = std::atan2(to.Y - from.Y, to.X - from.X) * 180 / M_PI;
        if (bearing < 0)
            bearing += 360;
        EXPECT_NEAR(from.Dir, bearing, 1e-9) << "side " << i;
        EXPECT_NEAR(from.Length, std::hypot(to.X - from.X, to.Y - from.Y), 1e-12);
        EXPECT_EQ(from.DirText, DegToDms(from.Dir));
        EXPECT_EQ(from.AngleText, DegToDms(from.Angle));
        sum += from.Angle;
    }
    EXPECT_NEAR(sum, 540, 1e-9);
    EXPECT_NEAR(list[2].Angle, std::fmod(list[1].Dir + 180 - list[2].Dir + 360, 360), 1e-9);
}

TEST(ComputeSides, DegenerateLists)
{
    SideList empty;
    EXPECT_FALSE(ComputeSides(empty));
    EXPECT_EQ(empty.UBound(), 0);

    SideList one = SidesOf({{5, 5}});
    ASSERT_TRUE(ComputeSides(one));
    EXPECT_EQ(one[1].Length, 0);

    SideList broken = SidesOf({{0, 0}, {NAN, 1}, {2, 2}});
    EXPECT_FALSE(ComputeSides(broken));
}

TEST(BuildSideList, FromTheModelIntoSides)
{
    model::resetState();
    resetState();
    model::state().Parcels.Add(ParcelOf("A", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    model::state().Parcels.Add(model::Parcel());
    EXPECT_TRUE(BuildSideList(1));
    ASSERT_EQ(state().Sides.UBound(), 4);
    EXPECT_DOUBLE_EQ(state().Sides[2].X, 10);
    EXPECT_DOUBLE_EQ(state().Sides[2].Dir, 90);

    EXPECT_FALSE(BuildSideList(2)); // no points
    EXPECT_EQ(state().Sides.UBound(), 0);
    EXPECT_FALSE(BuildSideList(7));
}

TEST(DegToDms, Rounding)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {45.5, "45°30’00”"},
        {7.25, "7°15’00”"},
        {0, "0°00’00”"},
        {10 + 30.5 / 3600, "10°00’30”"},        // five tenths keep the second
        {10 + 30.55 / 3600, "10°00’30”"},
        {10 + 30.65 / 3600, "10°00’31”"},       // six tenths add one
        {10 + 30.95 / 3600, "10°00’31”"},
        {12 + 59.0 / 60 + 59.7 / 3600, "13°00’00”"}, // 60 seconds carry twice
        {269.9999999999999, "270°00’00”"},
        {359.99999, "360°00’00”"},
        {123.456789, "123°27’24”"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DegToDms(c.value), QString::fromUtf8(c.text)) << c.value;
    EXPECT_EQ(DegToDms(NAN), QString());
}
