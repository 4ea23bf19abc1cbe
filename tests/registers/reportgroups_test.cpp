// Owner groups of the documentation package: which selected parcels share a group, the lines'
// copies and category sums, and the common-land total.

#include "registers/reportgroups.h"
#include "registers/state.h"

#include <gtest/gtest.h>

using namespace registers;

namespace {

struct Use {
    const char *cn;
    double area;
};

/// A parcel as a loader makes it, with the fields the grouping reads.
model::Parcel parcel(const QString &kf, bool selected, std::initializer_list<Use> uses = {}, uint8_t joint = 1,
                     double area = 1000)
{
    model::Parcel p;
    p.KF = kf;
    p.NM = QStringLiteral("Власник ") + kf;
    p.AU = QStringLiteral("адреса ") + kf;
    p.PP = QStringLiteral("паспорт ") + kf;
    p.Number = QString::number(area);
    p.AD = QStringLiteral("вул. Садова");
    p.PZ = QStringLiteral("1,2,01.01.2020");
    p.Area = area;
    p.Selected = selected ? -1 : 0;
    p.JointOwnership = joint;
    for (int k = 1; k <= 3; ++k)
        p.Points.Add({k, QString::number(k), double(k), double(k)});
    for (const Use &u : uses)
        p.LandUses.Add({QString::fromUtf8(u.cn), u.area, {}});
    return p;
}

/// The groups as "KF:number,number" texts, in order.
QStringList groupsOf(const ReportGroupList &groups)
{
    QStringList out;
    for (const ReportGroup &g : groups) {
        QStringList numbers;
        for (const ReportLine &l : g.Lines)
            numbers << l.Number;
        out << g.KF + QLatin1Char(':') + numbers.join(QLatin1Char(','));
    }
    return out;
}

class ReportGroupsTest : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { resetState(); }
};

} // namespace

TEST_F(ReportGroupsTest, GroupsBySelectedParcelsIdentificationNumber)
{
    const struct {
        const char *name;
        std::vector<model::Parcel> parcels;
        QStringList groups;
    } cases[] = {
        {"nothing selected", {parcel("1234567890", false, {}, 1, 1), parcel("1234567890", false, {}, 1, 2)}, {}},
        {"one ten-digit number: one group, lines in parcel order",
         {parcel("1234567890", true, {}, 1, 1), parcel("2222222222", true, {}, 1, 2), parcel("1234567890", true, {}, 1, 3)},
         {"1234567890:1,3", "2222222222:2"}},
        {"an unselected parcel joins no group",
         {parcel("1234567890", true, {}, 1, 1), parcel("1234567890", false, {}, 1, 2)}, {"1234567890:1"}},
        {"seven characters never group", {parcel("1234567", true, {}, 1, 1), parcel("1234567", true, {}, 1, 2)},
         {"1234567:1", "1234567:2"}},
        {"empty numbers never group", {parcel("", true, {}, 1, 1), parcel("", true, {}, 1, 2)}, {":1", ":2"}},
        {"eight characters group", {parcel("12345678", true, {}, 1, 1), parcel("12345678", true, {}, 1, 2)},
         {"12345678:1,2"}},
        {"a trailing blank makes another number",
         {parcel("12345678", true, {}, 1, 1), parcel("12345678 ", true, {}, 1, 2)}, {"12345678:1", "12345678 :2"}},
        {"letter case counts", {parcel("АБ345678", true, {}, 1, 1), parcel("аб345678", true, {}, 1, 2)},
         {"АБ345678:1", "аб345678:2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        model::ParcelList parcels;
        for (const model::Parcel &p : c.parcels)
            parcels.Add(p);
        BuildReportGroups(parcels);
        EXPECT_EQ(groupsOf(state().ReportGroups), c.groups);
        EXPECT_EQ(state().ReportGroups.UBound(), c.groups.size());
    }
}

TEST_F(ReportGroupsTest, GroupTakesItsFirstParcelsOwnerAndEachLineItsParcel)
{
    model::ParcelList parcels;
    parcels.Add(parcel("1234567890", true, {{"5", 300}, {"10,2", 200}}, 1, 500));
    model::Parcel second = parcel("1234567890", true, {{"12,1", 70}}, 1, 70);
    second.NM = QStringLiteral("Інший|Третій");
    second.Points.Add({4, QStringLiteral("4"), 4, 4});
    parcels.Add(second);
    BuildReportGroups(parcels);

    ASSERT_EQ(state().ReportGroups.UBound(), 1);
    const ReportGroup &g = state().ReportGroups[1];
    EXPECT_EQ(g.NM, QStringLiteral("Власник 1234567890"));
    EXPECT_EQ(g.AU, QStringLiteral("адреса 1234567890"));
    EXPECT_EQ(g.PP, QStringLiteral("паспорт 1234567890"));
    ASSERT_EQ(g.Lines.UBound(), 2);
    const ReportLine &l2 = g.Lines[2];
    EXPECT_EQ(l2.Number, QStringLiteral("70"));
    EXPECT_EQ(l2.AD, QStringLiteral("вул. Садова"));
    EXPECT_EQ(l2.PZ, QStringLiteral("1,2,01.01.2020"));
    EXPECT_EQ(l2.Area, 70);
    EXPECT_EQ(l2.PointCount, 4);
    EXPECT_TRUE(l2.Note.isEmpty());
    EXPECT_EQ(g.Lines[1].Sums, (CategorySums{QString(), 300, 200, 0, 0}));
    EXPECT_EQ(l2.Sums, (CategorySums{QString(), 0, 0, 70, 0}));
    // The module's sums are those of the last parcel grouped.
    EXPECT_EQ(state().CatSum3, 70);
    EXPECT_EQ(state().CatSum1, 0);

    // A rebuild starts afresh.
    parcels[1].Selected = 0;
    BuildReportGroups(parcels);
    ASSERT_EQ(state().ReportGroups.UBound(), 1);
    EXPECT_EQ(state().ReportGroups[1].NM, QStringLiteral("Інший|Третій"));
}

TEST_F(ReportGroupsTest, CommonLandTotalCountsMarkedParcelsSelectedOrNot)
{
    model::ParcelList parcels;
    parcels.Add(parcel("1111111111", false, {}, 0, 400)); // marked, not selected: counts
    parcels.Add(parcel("2222222222", true, {}, 1, 900));  // selected, not marked: does not
    parcels.Add(parcel("3333333333", true, {}, 0, 25));   // both
    state().TotalArea = 12345;
    BuildReportGroups(parcels);
    EXPECT_EQ(state().TotalArea, 425);

    for (model::Parcel &p : parcels)
        p.Selected = 0;
    BuildReportGroups(parcels);
    EXPECT_EQ(state().ReportGroups.UBound(), 0);
    EXPECT_EQ(state().TotalArea, 425);
}

TEST_F(ReportGroupsTest, LandUseCodesCountInTheirCategory)
{
    const struct {
        const char *cn;
        int category;
    } cases[] = {
        {"5", 1}, {"5,рілля", 1}, {" 5", 1}, {"8", 2}, {"10,2", 2}, {"11", 3}, {"12,1", 3}, {"6", 4}, {"7", 4},
        {"9", 4}, {"4", 4}, {"13", 4}, {"5.5", 4}, {"4.5", 4}, {"11.5", 3}, {"12.5", 3}, {"Рілля", 4},
        {"", 4}, {",5", 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cn);
        EXPECT_EQ(LandUseCategory(QString::fromUtf8(c.cn)), c.category);
    }

    model::ParcelList parcels;
    parcels.Add(parcel("1234567890", true, {{"5", 1}, {"8", 2}, {"10", 4}, {"11", 8}, {"12", 16}, {"", 32}, {"1", 64}}));
    parcels.Add(parcel("1234567891", true));
    SumLandUseCategories(parcels, 1);
    EXPECT_EQ(state().CatSum1, 1);
    EXPECT_EQ(state().CatSum2, 6);
    EXPECT_EQ(state().CatSum3, 24);
    EXPECT_EQ(state().CatSum4, 96);
    // Without land-use areas every sum is 0.
    SumLandUseCategories(parcels, 2);
    EXPECT_EQ(LandUseCategorySums(parcels[2]), CategorySums{});
    EXPECT_EQ(state().CatSum4, 0);
}

TEST_F(ReportGroupsTest, FindReportGroupNeedsEightCharacters)
{
    ReportGroupList groups;
    groups.Add({QString(), QString(), QStringLiteral("1234567"), QString(), {}});
    groups.Add({QString(), QString(), QStringLiteral("12345678"), QString(), {}});
    groups.Add({QString(), QString(), QStringLiteral("12345678"), QString(), {}});
    EXPECT_EQ(FindReportGroup(groups, QStringLiteral("1234567")), 0);
    EXPECT_EQ(FindReportGroup(groups, QStringLiteral("12345678")), 2);
    EXPECT_EQ(FindReportGroup(groups, QStringLiteral("123456789")), 0);
    EXPECT_EQ(FindReportGroup(ReportGroupList(), QStringLiteral("12345678")), 0);
}
