#include "referencetesting.h"

#include "reference/lookups.h"
#include "common/error.h"

using namespace reference;
using referencetesting::BaseTest;

TEST_F(BaseTest, Row6ZemNameByRowNumber)
{
    const std::vector<std::pair<int16_t, QString>> cases{
        {21, QStringLiteral("для ведення особистого селянського господарства")},
        {20, QStringLiteral("для ведення товарного сільськогосподарського виробництва (земельні частки (паї))")},
        {99, QStringLiteral("KZ is Empty")},
        {0, QStringLiteral("KZ is Empty")},
        {-5, QStringLiteral("KZ is Empty")},
    };
    for (const auto &[row, name] : cases)
        EXPECT_EQ(GetRow6ZemName(row), name) << row;
    exec(QStringLiteral("UPDATE row6zem SET name=NULL WHERE rownum=22"));
    EXPECT_EQ(GetRow6ZemName(22), QString());
}

// The shipped rows of form 6-zem: the citizens' group of section I with the form's codes, each
// named by the purpose a plan's title reads; the sub-rows of uncertain code are not there.
TEST_F(BaseTest, ShippedRowsOfForm6ZemCarryTheirCodesAndPurposes)
{
    const struct {
        int row;
        const char *code; // nullptr: no such row
        const char *name;
    } cases[] = {
        {18, "2.1", "для ведення селянського (фермерського) господарства"},
        {20, "2.2.1", "для ведення товарного сільськогосподарського виробництва (земельні частки (паї))"},
        {21, "2.3", "для ведення особистого селянського господарства"},
        {22, "2.4", "для будівництва і обслуговування жилого будинку, господарських будівель і споруд"},
        {23, "2.5", "для ведення садівництва"},
        {34, "2.7.2", "для індивідуального гаражного будівництва"},
        {40, "2.10", "для сінокосіння і випасання худоби"},
        {17, nullptr, "KZ is Empty"},
        {25, nullptr, "KZ is Empty"},
        {41, nullptr, "KZ is Empty"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(GetRow6ZemName(int16_t(c.row)), QString::fromUtf8(c.name));
        RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT rowcode FROM row6zem WHERE rownum = ?"), {c.row});
        EXPECT_EQ(rs.IsEmpty(), c.code == nullptr);
        if (c.code) {
            EXPECT_EQ(rs.Field(QStringLiteral("rowcode")), QString::fromUtf8(c.code));
        }
    }
    RecordSet all = BaseConn().Execute(QStringLiteral(
        "SELECT count(*) AS n, sum(rowcode IS NULL OR rowcode = '') AS nocode, sum(name NOT LIKE 'для %') AS nofor, "
        "min(rownum) AS first, max(rownum) AS last FROM row6zem"));
    EXPECT_EQ(all.Field(QStringLiteral("n")), QStringLiteral("19"));
    EXPECT_EQ(all.Field(QStringLiteral("nocode")), QStringLiteral("0"));
    EXPECT_EQ(all.Field(QStringLiteral("nofor")), QStringLiteral("0"));
    EXPECT_EQ(all.Field(QStringLiteral("first")) + QLatin1Char('-') + all.Field(QStringLiteral("last")), QStringLiteral("18-40"));
}

TEST_F(BaseTest, PzDescriptionByExactTwoCharacterCode)
{
    exec(QStringLiteral("INSERT INTO pz (code, desk) VALUES (?, ?)"), {QStringLiteral("О'"), QStringLiteral("з лапкою")});
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("РВ"), QStringLiteral("виконавчого комітету")},
        {QStringLiteral("РГ"), QStringLiteral("голови районної державної адміністрації")},
        {QStringLiteral("рв"), QStringLiteral("PZ is Empty")},  // letter case counts
        {QStringLiteral("ЖЖ"), QStringLiteral("PZ is Empty")},  // two characters, no row
        {QStringLiteral("О'"), QStringLiteral("з лапкою")},     // a quote is only a character
        {QStringLiteral("''"), QStringLiteral("PZ is Empty")},
        {QStringLiteral("Р"), QStringLiteral("PZ is Empty")},
        {QStringLiteral("РВХ"), QStringLiteral("PZ is Empty")},
        {QString(), QStringLiteral("PZ is Empty")},
    };
    for (const auto &[code, desk] : cases)
        EXPECT_EQ(GetPzDesk(code), desk) << code.toStdString();
}

TEST_F(BaseTest, MarkersOfImpossibleKeysNeedNoDatabase)
{
    CloseBase();
    EXPECT_EQ(GetRow6ZemName(0), QStringLiteral("KZ is Empty"));
    EXPECT_EQ(GetPzDesk(QStringLiteral("РВХ")), QStringLiteral("PZ is Empty"));
    EXPECT_THROW(GetRow6ZemName(21), zova::Error);
    EXPECT_THROW(GetPzDesk(QStringLiteral("РВ")), zova::Error);
}

TEST_F(BaseTest, FillersListRowsInDatabaseOrderWithTheirIds)
{
    const std::vector<ListItem> purposes = FillCilove();
    ASSERT_EQ(purposes.size(), 11u);
    EXPECT_EQ(purposes.front(), (ListItem{QStringLiteral("для ведення товарного сільськогосподарського виробництва"), 1}));
    EXPECT_EQ(purposes.back().data, 11);
    EXPECT_FALSE(BaseRs().IsOpen());

    // A row with an empty name is listed too, with its id.
    exec(QStringLiteral("INSERT INTO pog_name (id, OrganName) VALUES (9, NULL)"));
    exec(QStringLiteral("INSERT INTO pog_name (id, OrganName) VALUES (7, 'Кам''янська рада')"));
    const std::vector<ListItem> bodies = FillOrgans();
    ASSERT_EQ(bodies.size(), 6u);
    EXPECT_EQ(bodies.at(0).data, 1);
    EXPECT_EQ(bodies.at(4), (ListItem{QStringLiteral("Кам'янська рада"), 7}));
    EXPECT_EQ(bodies.at(5), (ListItem{QString(), 9}));

    exec(QStringLiteral("DELETE FROM cilove"));
    EXPECT_TRUE(FillCilove().empty());
    exec(QStringLiteral("DROP TABLE pog_name"));
    EXPECT_THROW(FillOrgans(), zova::Error);
    EXPECT_FALSE(BaseRs().IsOpen());
}
