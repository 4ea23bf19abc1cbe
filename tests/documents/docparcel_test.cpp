#include "documents/docparcel.h"
#include "documents/state.h"
#include "common/error.h"
#include "model/state.h"
#include "parcelfixtures.h"

#include <gtest/gtest.h>

using namespace documents;
using documents_test::ParcelOf;

namespace {

model::LandUseArea UseOf(const QString &cn, double area, std::initializer_list<std::pair<double, double>> ring)
{
    model::LandUseArea use;
    use.CN = cn;
    use.Area = area;
    use.Points = ParcelOf(QString(), ring).Points;
    return use;
}

class DocParcelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model::resetState();
        resetState();
        model::Parcel a = ParcelOf("Іваненко І.І.|Петренко П.П.", {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
        a.KoatuuPart = QStringLiteral("5322410100");
        a.ZN = 1;
        a.KV = 2;
        a.Number = QStringLiteral("15");
        a.AD = QStringLiteral("вул. Садова, 3");
        a.KZ = QStringLiteral("22");
        a.DB = QStringLiteral("2");
        a.Area = 100;
        a.ParcelKoatuu = QStringLiteral("5322410200");
        a.LandUses.Add(UseOf("5", 60, {{0, 0}, {6, 0}, {6, 10}, {0, 10}}));
        a.LandUses.Add(UseOf("05,1", 30, {{6, 0}, {9, 0}, {9, 10}}));
        a.LandUses.Add(UseOf("16", 10, {{9, 0}, {10, 0}, {10, 10}}));
        model::state().Parcels.Add(a);

        model::Parcel b = ParcelOf("Сидоренко С.С.", {{100, 100}, {110, 100}, {110, 110}});
        b.KoatuuPart = QStringLiteral("5322410100");
        b.Number = QStringLiteral("7а");
        b.ZN = 3;
        b.KV = 12;
        model::state().Parcels.Add(b);
    }
};

} // namespace

TEST(CadastralNumber, Parts)
{
    const struct {
        int zone, quarter;
        const char *number;
        const char *expected;
    } cases[] = {
        {1, 2, "15", "5322410100:01:002:0015"},
        {12, 345, "7а", "5322410100:12:345:0007"},
        {1, 2, "", "5322410100:01:002:0000"},
        {1, 2, "12/3", "5322410100:01:002:0012"},
        {1, 2, "123456", "5322410100:01:002:123456"},
        {-1, 2, "1", "5322410100:-01:002:0001"},
        {1, 2, "12.5", "5322410100:01:002:0013"},
        // Beyond 64-bit integers: no overflow, and the digits as written.
        {1, 2, "99999999999999999999", "5322410100:01:002:99999999999999999999"},
        {1, 2, "0001234567890123456789012345", "5322410100:01:002:1234567890123456789012345"},
        {1, 2, "-9223372036854775808", "5322410100:01:002:-9223372036854775808"},
        {1, 2, "1e30", "5322410100:01:002:1000000000000000019884624838656"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CadastralNumber(QStringLiteral("5322410100"), c.zone, c.quarter, QString::fromUtf8(c.number)),
                  QString::fromUtf8(c.expected))
            << c.number;
}

TEST_F(DocParcelTest, PrepareCopiesTheParcel)
{
    PrepareDocParcel(1);
    const DocParcel &d = state().DocParcel1;
    EXPECT_EQ(d.ParcelIndex, 1);
    EXPECT_EQ(d.CadNumber, QStringLiteral("5322410100:01:002:0015"));
    EXPECT_EQ(d.Number, QStringLiteral("15"));
    EXPECT_EQ(d.AD, QStringLiteral("вул. Садова, 3"));
    EXPECT_EQ(d.KZ, QStringLiteral("22"));
    EXPECT_EQ(d.DB, QStringLiteral("2"));
    EXPECT_EQ(d.Area, 100);
    ASSERT_EQ(d.Parts.UBound(), 1);
    EXPECT_EQ(d.Parts[1].NM, QStringLiteral("Іваненко І.І.|Петренко П.П."));
    ASSERT_EQ(d.Items.UBound(), 3);
    EXPECT_EQ(d.Items[2].CN, QStringLiteral("05,1"));
    EXPECT_EQ(d.Items[2].Area, 30);
    ASSERT_EQ(d.Items[2].Points.UBound(), 3);
    EXPECT_EQ(d.Items[2].Points[3].X, 9);
    // The ring was stored closed: its repeated point is kept once.
    ASSERT_EQ(d.Points.UBound(), 4);
    EXPECT_EQ(d.Points[3].X, 10);
    EXPECT_EQ(d.Points[3].Y, 10);
    EXPECT_FALSE(d.Points[3].HasBranch);
}

TEST_F(DocParcelTest, APreparationLeavesNoTraceOfTheParcelBefore)
{
    DocParcel &d = state().DocParcel1;
    PrepareDocParcel(1);
    d.Points[1].HasBranch = true;
    d.Points[1].PageX = 77;
    d.NeighbourNames.Add(QStringLiteral("сусід"));
    d.NeighbourIndexes.Add(5);

    PrepareDocParcel(2);
    EXPECT_EQ(d.ParcelIndex, 2);
    EXPECT_EQ(d.CadNumber, QStringLiteral("5322410100:03:012:0007"));
    EXPECT_EQ(d.AD, QString());
    EXPECT_EQ(d.Area, 0);
    EXPECT_EQ(d.Items.UBound(), 0);
    ASSERT_EQ(d.Parts.UBound(), 1);
    EXPECT_EQ(d.Parts[1].NM, QStringLiteral("Сидоренко С.С."));
    ASSERT_EQ(d.Points.UBound(), 3);
    EXPECT_FALSE(d.Points[1].HasBranch);
    EXPECT_EQ(d.Points[1].PageX, 0);
    EXPECT_EQ(d.Points[1].X, 100);
    // The neighbour fields wait for the drawing to rebuild them.
    EXPECT_EQ(d.NeighbourNames.UBound(), 1);
    EXPECT_EQ(d.NeighbourIndexes.UBound(), 1);

    EXPECT_THROW(PrepareDocParcel(3), zova::Error);
    EXPECT_THROW(PrepareDocParcel(0), zova::Error);
}

TEST_F(DocParcelTest, SecondParcelTakesItsOwnKoatuuWhenAsked)
{
    PrepareSecondParcel(1, true);
    EXPECT_EQ(state().DocParcel2.CadNumber, QStringLiteral("5322410100:01:002:0015"));
    PrepareSecondParcel(1, false);
    EXPECT_EQ(state().DocParcel2.CadNumber, QStringLiteral("5322410200:01:002:0015"));
    PrepareSecondParcel(2, false); // no own KOATUU
    EXPECT_EQ(state().DocParcel2.CadNumber, QStringLiteral(":03:012:0007"));
    EXPECT_EQ(state().DocParcel1.ParcelIndex, 0);
}

TEST_F(DocParcelTest, SumAreaByCode)
{
    const model::ParcelList &parcels = model::state().Parcels;
    const struct {
        int32_t parcel;
        int code;
        double sum;
    } cases[] = {
        {1, 5, 90},  // "5" and "05,1"
        {1, 16, 10},
        {1, 0, 0},
        {2, 5, 0},   // no land-use areas
        {9, 5, 0},   // no such parcel
        {0, 5, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SumAreaByCode(parcels, c.parcel, c.code), c.sum) << c.parcel << " " << c.code;

    model::ParcelList other;
    model::Parcel p;
    p.LandUses.Add(UseOf("рілля", 12, {}));
    p.LandUses.Add(UseOf("5.2", 3, {}));
    other.Add(p);
    EXPECT_EQ(SumAreaByCode(other, 1, 0), 12); // a text without a leading number counts for 0
    EXPECT_EQ(SumAreaByCode(other, 1, 5), 0);
}
