// Lists No 1 and No 2: the split of each parcel's area by land use and by purpose, the parcels
// left out, and the tables written into the documents.

#include "common/numbers.h"
#include "reference/state.h"
#include "registers/lists.h"
#include "tests/registers/registerstesting.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace registers;
using registerstesting::RectangleOf;
using registerstesting::rowTexts;

namespace {

model::Parcel ParcelWith(const QString &kz, double area, std::initializer_list<std::pair<const char *, double>> uses = {})
{
    model::Parcel p = RectangleOf(QStringLiteral("1"), QStringLiteral("Н"), 0, 0, 10, 10);
    p.KZ = kz;
    p.Area = area;
    for (const auto &[cn, a] : uses)
        p.LandUses.Add(model::LandUseArea{QString::fromUtf8(cn), a, {}});
    return p;
}

} // namespace

TEST(ListOne, SplitsBuildingAndFarmingLandByRowAndArea)
{
    const struct {
        const char *name;
        const char *kz;
        double area, buildArea, areaRange;
        double building, farming;
        int buildingCount, farmingCount;
    } cases[] = {
        {"row 21 is farming land", "21", 3000, 0.25, 1, 0, 3000, 0, 1},
        {"row 22 up to the limit is building land", "22", 2501, 0.25, 1, 2501, 0, 1, 0},
        {"row 22 above the limit is split", "22", 3000, 0.25, 1, 2500, 500, 1, 1},
        {"just above the limit", "22", 2501.5, 0.25, 1, 2500, 1.5, 1, 1},
        {"a larger building area", "22", 3000, 0.30, 1, 3000, 0, 1, 0},
        {"a wider range", "22", 2600, 0.25, 100, 2600, 0, 1, 0},
        {"any other row is treated as 22", "1", 100, 0.25, 1, 100, 0, 1, 0},
        {"blanks around the row", " 21 ", 700, 0.25, 1, 0, 700, 0, 1},
        {"a fraction rounds half to even", "20.5", 700, 0.25, 1, 700, 0, 1, 0},
        {"and up", "21.4", 700, 0.25, 1, 0, 700, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const List1 list = BuildList1(documents_test::ListOf({ParcelWith(QString::fromUtf8(c.kz), c.area)}), c.buildArea,
                                      c.areaRange);
        ASSERT_EQ(list.Rows.UBound(), 1);
        EXPECT_DOUBLE_EQ(list.Rows[1].AreaByCategory6, c.building);
        EXPECT_DOUBLE_EQ(list.Rows[1].AreaByCategory7, c.farming);
        EXPECT_DOUBLE_EQ(list.Totals.Building, c.building);
        EXPECT_DOUBLE_EQ(list.Totals.Farming, c.farming);
        EXPECT_EQ(list.Totals.BuildingCount, c.buildingCount);
        EXPECT_EQ(list.Totals.FarmingCount, c.farmingCount);
    }
}

TEST(ListOne, LandUseCodesFallIntoTheirColumns)
{
    model::Parcel p = ParcelWith(QStringLiteral("22"), 2000,
                                 {{"5,рілля", 100}, {"8", 200}, {"12,під забудовою", 300}, {"6.1", 50}, {"9,сад", 10}, {"6", 5}});
    model::Parcel other = ParcelWith(QStringLiteral("21"), 1000, {{"5", 40}});
    const List1 list = BuildList1(documents_test::ListOf({p, other}), 0.25, 1);
    ASSERT_EQ(list.Rows.UBound(), 2);
    const ListRow &r = list.Rows[1];
    EXPECT_DOUBLE_EQ(r.AreaByCategory1, 2000);
    EXPECT_DOUBLE_EQ(r.AreaByCategory3, 105); // codes 5 and 6; 6.1 is neither
    EXPECT_DOUBLE_EQ(r.AreaByCategory4, 210); // codes 8 and 9
    EXPECT_DOUBLE_EQ(r.AreaByCategory2, 315);
    EXPECT_DOUBLE_EQ(r.AreaByCategory5, 1685); // the code-12 area and the rest
    EXPECT_EQ(r.KzCode, 22);
    EXPECT_DOUBLE_EQ(list.Totals.Area, 3000);
    EXPECT_DOUBLE_EQ(list.Totals.SumA, 145);
    EXPECT_DOUBLE_EQ(list.Totals.SumB, 210);
}

TEST(ListOne, ParcelsWhoseRowIsNotANumberAreLeftOutByNumber)
{
    model::Parcel empty = ParcelWith(QString(), 500);
    empty.Number = QStringLiteral("0007");
    model::Parcel letters = ParcelWith(QStringLiteral("2x"), 600);
    letters.Number = QStringLiteral("0009");
    model::Parcel unselected = ParcelWith(QStringLiteral("abc"), 700);
    unselected.Selected = 0;
    const List1 list = BuildList1(documents_test::ListOf({empty, ParcelWith(QStringLiteral("22"), 800), letters, unselected}),
                                  0.25, 1);
    EXPECT_EQ(list.Rows.UBound(), 1);
    EXPECT_DOUBLE_EQ(list.Totals.Area, 800);
    ASSERT_EQ(list.LeftOut.size(), 2u);
    EXPECT_EQ(list.LeftOut[0].Number, QStringLiteral("0007"));
    EXPECT_EQ(list.LeftOut[0].ParcelIndex, 1);
    EXPECT_EQ(list.LeftOut[1].Number, QStringLiteral("0009"));
    EXPECT_TRUE(list.LeftOut[1].Reason.contains(QStringLiteral("«2x»")));
    EXPECT_FALSE(KzCodeOf(QStringLiteral("99999")).has_value());
}

namespace {

class ListDocuments : public registerstesting::RegistersTest {
protected:
    office::Table table(const QString &path) { return reopen(path).Tables(1); }
};

} // namespace

TEST_F(ListDocuments, ListOneWritesRowsTotalsAndCounts)
{
    model::Parcel a = ParcelWith(QStringLiteral("22"), 3000, {{"5", 1000}, {"8", 500}});
    a.Number = QStringLiteral("0001");
    a.NM = QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна");
    a.AD = QStringLiteral("вул. Садова, 9");
    model::Parcel b = ParcelWith(QStringLiteral("21"), 1200);
    b.Number = QStringLiteral("0002");
    b.NM = QStringLiteral("Ткаченко Сергій Іванович");
    b.AD = QStringLiteral("вул. Садова, 11");
    model::Parcel unselected = ParcelWith(QStringLiteral("22"), 999);
    unselected.Selected = 0;
    setParcels({a, unselected, b});
    reference::state().BuildArea = 0.25;
    reference::state().AreaRange = 1.0;

    const ListResult result = MakeSpis1(*app, programDir());
    EXPECT_TRUE(result.LeftOut.empty());
    EXPECT_EQ(desktop->opened, QStringList{result.Path});
    EXPECT_EQ(QFileInfo(result.Path).fileName(), QStringLiteral("Список 1.docx"));

    office::Document &doc = reopen(result.Path);
    const office::Table t = doc.Tables(1);
    ASSERT_EQ(t.RowCount(), 6); // three heading rows, two parcels, the totals
    auto ha = [](double m2) { return zova::Format4(m2 / 10000); };
    EXPECT_EQ(rowTexts(t, 4), (QStringList{QStringLiteral(" 1."), QStringLiteral("0001"),
                                           QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна\rвул. Садова, 9"),
                                           ha(3000), ha(1500), ha(1000), ha(500), ha(1500), ha(2500), ha(500)}));
    EXPECT_EQ(rowTexts(t, 5), (QStringList{QStringLiteral(" 2."), QStringLiteral("0002"),
                                           QStringLiteral("Ткаченко Сергій Іванович\rвул. Садова, 11"), ha(1200), ha(0),
                                           ha(0), ha(0), ha(1200), ha(0), ha(1200)}));
    EXPECT_EQ(rowTexts(t, 6), (QStringList{{}, {}, QStringLiteral("Всього"), ha(4200), ha(1500), ha(1000), ha(500), ha(2700),
                                           ha(2500), ha(1700)}));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("stat")).Text(),
              QStringLiteral("Ділянок для будівництва та обслуговування жилого будинку -  1\r"
                             "Ділянок для ведення особистого селянського господарства -  2"));
}

TEST_F(ListDocuments, ListOneWithoutParcelsHasItsTotalsInRowFour)
{
    model::Parcel p = ParcelWith(QStringLiteral("22"), 1000);
    p.Selected = 0;
    setParcels({p});
    const ListResult result = MakeSpis1(*app, programDir());
    office::Document &doc = reopen(result.Path);
    const office::Table t = doc.Tables(1);
    ASSERT_EQ(t.RowCount(), 4);
    const QString zero = zova::Format4(0);
    EXPECT_EQ(rowTexts(t, 4), (QStringList{{}, {}, QStringLiteral("Всього"), zero, zero, zero, zero, zero, zero, zero}));
    EXPECT_TRUE(doc.Bookmarks(QStringLiteral("stat")).Text().endsWith(QStringLiteral(" -  0")));

    // Zero areas in the purpose columns take the system's separator like every other cell. The
    // test runs once more under a Ukrainian locale, where that separator is a comma.
    if (qEnvironmentVariableIsSet("ZOVA_EXPECT_COMMA")) {
        EXPECT_EQ(zero, QStringLiteral("0,0000"));
    }
}

TEST_F(ListDocuments, ListTwoEndsWithOneEmptyRow)
{
    model::Parcel a = ParcelWith(QString(), 0);
    a.Number = QStringLiteral("0005");
    a.NM = QStringLiteral("Коваленко Наталія Миколаївна");
    a.AD = QStringLiteral("вул. Садова, 2");
    model::Parcel b = a;
    b.Number = QStringLiteral("0006");
    setParcels({a, b});
    const ListResult first = MakeSpis2(*app, programDir());
    const office::Table t = table(first.Path);
    ASSERT_EQ(t.RowCount(), 6);
    EXPECT_EQ(rowTexts(t, 4), (QStringList{QStringLiteral(" 1."), QStringLiteral("0005"),
                                           QStringLiteral("Коваленко Наталія Миколаївна\rвул. Садова, 2"), QString()}));
    EXPECT_EQ(rowTexts(t, 5)[0], QStringLiteral(" 2."));
    EXPECT_EQ(rowTexts(t, 6), (QStringList{{}, {}, {}, {}}));

    // A second list leaves the first one as it is.
    const ListResult second = MakeSpis2(*app, programDir());
    EXPECT_EQ(QFileInfo(second.Path).fileName(), QStringLiteral("Список 2 (2).docx"));
    EXPECT_EQ(desktop->opened, (QStringList{first.Path, second.Path}));
}

TEST_F(ListDocuments, MissingTemplateMakesNothing)
{
    setParcels({ParcelWith(QStringLiteral("22"), 1000)});
    EXPECT_THROW(MakeSpis1(*app, testsupport::tempDir()), zova::Error);
    EXPECT_THROW(MakeSpis2(*app, testsupport::tempDir()), zova::Error);
    EXPECT_TRUE(desktop->opened.isEmpty());
    EXPECT_EQ(app->Documents_Count(), 0);
}
