#include "referencetesting.h"

#include "reference/staff.h"
#include "common/error.h"

using namespace reference;
using referencetesting::BaseTest;

namespace {

int addParcel(const QString &nm, const QString &au)
{
    model::Parcel p;
    p.NM = nm;
    p.AU = au;
    return model::state().Parcels.Add(p);
}

std::vector<OwnerShare> ownersOf(const QString &nm, const QString &au)
{
    int i = addParcel(nm, au);
    zova::OneBased<OwnerShare> list;
    GetOwners(i, list);
    return std::vector<OwnerShare>(list.begin(), list.end());
}

} // namespace

TEST(GetOwners, SplitsNamesAndAddressesIntoEqualShares)
{
    model::resetState();
    using V = std::vector<OwnerShare>;
    const QString a = QStringLiteral("Іваненко Іван"), b = QStringLiteral("Мар'яна Петренко");
    struct Case {
        const char *label;
        QString nm, au;
        V expected;
    };
    const std::vector<Case> cases{
        {"two names, one address", a + "|" + b, "Київ", V{{a, "Київ", 50}, {b, "", 50}}},
        {"one name keeps the whole address", a, "Київ|Львів", V{{a, "Київ|Львів", 100}}},
        {"trailing separator is a second owner", a + "|", "", V{{a, "", 50}, {"", "", 50}}},
        {"surplus addresses are dropped", a + "|" + b, "1|2|3", V{{a, "1", 50}, {b, "2", 50}}},
        {"empty name is one owner", "", "", V{{"", "", 100}}},
        {"parts are not trimmed", " a | b", "x |", V{{" a ", "x ", 50}, {" b", "", 50}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ownersOf(c.nm, c.au), c.expected) << c.label;

    // 100 / n rounded half to even, not adjusted to add up to 100.
    for (const auto &[n, share] : std::vector<std::pair<int, int>>{{3, 33}, {6, 17}, {8, 12}, {16, 6}, {300, 0}}) {
        QStringList names;
        for (int k = 0; k < n; ++k)
            names << QString::number(k);
        const V owners = ownersOf(names.join(QLatin1Char('|')), QString());
        ASSERT_EQ(owners.size(), static_cast<size_t>(n));
        EXPECT_EQ(owners.back().Share, share) << n;
        EXPECT_EQ(owners.back().NM, QString::number(n - 1));
    }
}

TEST(GetOwners, ListKeepsElementZeroAndDropsWhatLiesBeyond)
{
    model::resetState();
    const int i = addParcel(QStringLiteral("A|B"), QString());
    zova::OneBased<OwnerShare> list;
    list[0] = OwnerShare{QStringLiteral("нульовий"), QString(), 1};
    for (int k = 0; k < 5; ++k)
        list.Add(OwnerShare{QStringLiteral("старий"), QString(), 7});
    GetOwners(i, list);
    EXPECT_EQ(list.UBound(), 2);
    EXPECT_EQ(list[0].NM, QStringLiteral("нульовий"));
    EXPECT_EQ(list[2].NM, QStringLiteral("B"));
    EXPECT_THROW(GetOwners(0, list), zova::Error);
    EXPECT_THROW(GetOwners(i + 1, list), zova::Error);
    EXPECT_EQ(list.UBound(), 2);
}

TEST_F(BaseTest, StaffNamesComeFromTheFirstRows)
{
    exec(QStringLiteral("UPDATE worker SET nDur=?, nSkl=NULL"), {QStringLiteral("Мар'яна Кам'янська")});
    exec(QStringLiteral("INSERT INTO worker (pDur, nDur) VALUES ('другий', 'другий')"));
    exec(QStringLiteral("UPDATE organ SET Organ='ТОВ «Земля»'"));
    exec(QStringLiteral("INSERT INTO organ (Organ) VALUES ('друга')"));
    state().NSkl = QStringLiteral("старе");
    LoadStaffNames(QStringLiteral("набрано вручну"));
    const State &s = state();
    EXPECT_EQ(s.PDur, QStringLiteral("Директор"));
    EXPECT_EQ(s.NDur, QStringLiteral("Мар'яна Кам'янська"));
    EXPECT_EQ(s.PSkl, QStringLiteral("Склав"));
    EXPECT_EQ(s.NSkl, QString());
    EXPECT_EQ(s.PKresl, QStringLiteral("Креслив"));
    EXPECT_EQ(s.PChek, QStringLiteral("Перевірив"));
    EXPECT_EQ(s.OrganTitle, QStringLiteral("ТОВ «Земля»"));
    EXPECT_EQ(s.PurposeText, QStringLiteral("набрано вручну"));
    EXPECT_FALSE(BaseRs().IsOpen());
}

TEST_F(BaseTest, StaffNamesOfEmptyTablesAreEmpty)
{
    exec(QStringLiteral("DELETE FROM worker"));
    exec(QStringLiteral("DELETE FROM organ"));
    state().PDur = QStringLiteral("старе");
    state().OrganTitle = QStringLiteral("старе");
    LoadStaffNames(QStringLiteral("мета"));
    EXPECT_EQ(state().PDur, QString());
    EXPECT_EQ(state().OrganTitle, QString());
    EXPECT_EQ(state().PurposeText, QStringLiteral("мета"));
}

TEST_F(BaseTest, StaffNamesFailOnAMissingTableAndKeepTheOldTexts)
{
    exec(QStringLiteral("DROP TABLE organ"));
    state().PDur = QStringLiteral("старе");
    state().PurposeText = QStringLiteral("старе");
    EXPECT_THROW(LoadStaffNames(QStringLiteral("мета")), zova::Error);
    EXPECT_EQ(state().PDur, QStringLiteral("старе"));
    EXPECT_EQ(state().PurposeText, QStringLiteral("старе"));
    EXPECT_FALSE(BaseRs().IsOpen());
}
