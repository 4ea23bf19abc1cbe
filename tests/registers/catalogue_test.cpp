// The coordinate catalogue: the rows of a parcel's vertices and sides, its area and perimeter, and
// a run over the selected parcels with its failures and file names.

#include "common/numbers.h"
#include "documents/docparcel.h"
#include "registers/catalogue.h"
#include "tests/registers/registerstesting.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace registers;
using registerstesting::rowTexts;

namespace {

class Catalogue : public registerstesting::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        documents::options().DocAction = documents::ActionSave;
        documents::options().OutputFolder = documents::OutputFolderOf(out);
    }
    documents::BatchReport run(uint8_t areaUnit = 0, const QString &dir = programDir())
    {
        return MakeCatalogues(*app, dir, areaUnit, overall, step);
    }
    platform::RecordingProgress overall, step;
};

} // namespace

TEST_F(Catalogue, RectangleGivesVertexAndSideRowsPerimeterAndArea)
{
    // 20 m north by 30 m east, clockwise: sides run north, east, south and west.
    setParcels({registerstesting::RectangleOf(QStringLiteral("7"), QStringLiteral("Іваненко Іван Іванович"),
                                              5000, 3000, 30, 20)});
    const documents::BatchReport report = run(0);
    ASSERT_TRUE(report.Failures.empty()) << report.Summary().toStdString();
    ASSERT_EQ(report.Done.size(), 1u);
    EXPECT_EQ(report.Done[0].Path, QDir(out).filePath(QStringLiteral("7_k.docx")));
    EXPECT_DOUBLE_EQ(model::state().Parcels[1].Perimeter, 100.0);
    EXPECT_EQ(documents::state().Sides.UBound(), 4);

    office::Document &doc = reopen(report.Done[0].Path);
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("User")).Text(), QStringLiteral("Іваненко Іван Іванович"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("Area")).Text(), zova::Format2(600) + QStringLiteral(" кв.м."));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("Perum")).Text(), zova::Format2(100) + QStringLiteral(" м."));

    const office::Table table = doc.Tables(1);
    ASSERT_EQ(table.RowCount(), 11); // two heading rows, 2 x 4 rows, the closing vertex
    const QString right = QStringLiteral("90°00’00”");
    const QString x0 = zova::Format2(5000), x1 = zova::Format2(5020), y0 = zova::Format2(3000), y1 = zova::Format2(3030);
    const QStringList expected[] = {
        {QStringLiteral(" 1"), right, {}, {}, x0, y0},
        {{}, {}, QStringLiteral("0°00’00”"), zova::Format2(20), {}, {}},
        {QStringLiteral(" 2"), right, {}, {}, x1, y0},
        {{}, {}, QStringLiteral("90°00’00”"), zova::Format2(30), {}, {}},
        {QStringLiteral(" 3"), right, {}, {}, x1, y1},
        {{}, {}, QStringLiteral("180°00’00”"), zova::Format2(20), {}, {}},
        {QStringLiteral(" 4"), right, {}, {}, x0, y1},
        {{}, {}, QStringLiteral("270°00’00”"), zova::Format2(30), {}, {}},
        {QStringLiteral("1"), right, {}, {}, x0, y0},
    };
    for (int row = 3; row <= 11; ++row)
        EXPECT_EQ(rowTexts(table, row), expected[row - 3]) << "row " << row;

    // Hectares when the area unit says so.
    setParcels({registerstesting::RectangleOf(QStringLiteral("8"), QStringLiteral("Н"), 0, 0, 30, 20)});
    const documents::BatchReport inHectares = run(1);
    ASSERT_EQ(inHectares.Done.size(), 1u);
    EXPECT_EQ(reopen(inHectares.Done[0].Path).Bookmarks(QStringLiteral("Area")).Text(),
              zova::Format4(0.06) + QStringLiteral(" га."));
}

TEST_F(Catalogue, RunGoesOverTheSelectedParcelsAndReportsThoseWithoutPoints)
{
    using registerstesting::RectangleOf;
    model::Parcel noPoints = RectangleOf(QStringLiteral("33"), QStringLiteral("Без точок"), 0, 0, 10, 10);
    noPoints.Points.Clear();
    model::Parcel unselected = RectangleOf(QStringLiteral("44"), QStringLiteral("Не вибрана"), 0, 0, 10, 10);
    unselected.Selected = 0;
    // Two numbers that give one file name.
    setParcels({RectangleOf(QStringLiteral("12/1"), QStringLiteral("Перший"), 0, 0, 10, 10), unselected, noPoints,
                RectangleOf(QStringLiteral("12\\1"), QStringLiteral("Другий"), 100, 0, 10, 20), unselected});

    const documents::BatchReport report = run();
    EXPECT_EQ(report.Selected, 3);
    EXPECT_EQ(overall.max, 3);
    EXPECT_EQ(overall.phases, (QStringList{QStringLiteral("Загальний процес 1 з 3"), QStringLiteral("Загальний процес 2 з 3"),
                                           QStringLiteral("Загальний процес 3 з 3")}));
    EXPECT_EQ(step.value, 21);

    ASSERT_EQ(report.Done.size(), 2u);
    EXPECT_EQ(QFileInfo(report.Done[0].Path).fileName(), QStringLiteral("12_1_k.docx"));
    EXPECT_EQ(QFileInfo(report.Done[1].Path).fileName(), QStringLiteral("12_1_k (2).docx"));
    EXPECT_EQ(reopen(report.Done[1].Path).Bookmarks(QStringLiteral("User")).Text(), QStringLiteral("Другий"));

    ASSERT_EQ(report.Failures.size(), 1u);
    EXPECT_EQ(report.Failures[0].ParcelIndex, 3);
    EXPECT_TRUE(report.Summary().contains(QStringLiteral("№ 33 (3): ділянка не має точок межі"))) << report.Summary().toStdString();

    const model::ParcelList &parcels = model::state().Parcels;
    EXPECT_DOUBLE_EQ(parcels[1].Perimeter, 40);
    EXPECT_DOUBLE_EQ(parcels[2].Perimeter, 0);
    EXPECT_DOUBLE_EQ(parcels[3].Perimeter, 0);
    EXPECT_DOUBLE_EQ(parcels[4].Perimeter, 60);
}

TEST_F(Catalogue, MissingTemplateIsReportedAfterThePerimetersAreStored)
{
    setParcels({registerstesting::RectangleOf(QStringLiteral("1"), QStringLiteral("Н"), 0, 0, 10, 10)});
    try {
        run(0, testsupport::tempDir());
        FAIL() << "a missing template must be reported";
    } catch (const zova::Error &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Немає шаблону документа: "))) << e.message().toStdString();
    }
    EXPECT_DOUBLE_EQ(model::state().Parcels[1].Perimeter, 40);
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

TEST(CatalogueTexts, FileNamesAndAreas)
{
    EXPECT_EQ(CatalogueFileBaseName(QStringLiteral("0034")), QStringLiteral("0034_k"));
    EXPECT_EQ(CatalogueFileBaseName(QStringLiteral("12/1\\2")), QStringLiteral("12_1_2_k"));
    EXPECT_EQ(documents::AreaText(2500.126, 0), zova::Format2(2500.13) + QStringLiteral(" кв.м."));
    EXPECT_EQ(documents::AreaText(2500.126, 1), zova::Format4(0.2500) + QStringLiteral(" га."));
}
