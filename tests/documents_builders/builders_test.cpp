// The plan drawing, the tables and the output names, each on a small parcel in a real template.

#include "common/numbers.h"
#include "documents/boundaryneighbours.h"
#include "documents/catalogtable.h"
#include "documents/docbatch.h"
#include "documents/landtable.h"
#include "documents/neighbourtable.h"
#include "documents/neighbourtext.h"
#include "documents/outputnames.h"
#include "documents/placement.h"
#include "documents/planshapes.h"
#include "documents/plantemplates.h"
#include "documents/zovadocuments.h"
#include "office/wordapp.h"
#include "reference/lookups.h"
#include "tests/documents/parcelfixtures.h"
#include "tests/documents_builders/builderstesting.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

using namespace documents;
using documents_test::ParcelOf;
using documents_test::SquareOf;

namespace {

class Drawing : public builderstesting::BuilderTest {
protected:
    /// Puts the parcels into the model and prepares parcel `index` as DocParcel1.
    DocParcel &prepare(std::initializer_list<model::Parcel> parcels, int32_t index = 1)
    {
        model::state().Parcels.Clear();
        for (const model::Parcel &p : parcels)
            model::state().Parcels.Add(p);
        state().CurDocParcel = index;
        PrepareDocParcel(index);
        return state().DocParcel1;
    }
    office::Document &newDocument(const char *file = "plma4p.dotx")
    {
        office::Document &doc = app.Documents_Add(builderstesting::dotPath(QString::fromLatin1(file)));
        templateShapes = doc.ShapesCount(); // the north arrow
        return doc;
    }
    static DrawOptions nothingShown()
    {
        DrawOptions o;
        o.ShowLengths = o.ShowPointNumbers = o.ShowNeighbours = o.ShowLandUse = false;
        return o;
    }

    office::WordApp app;
    platform::RecordingProgress step;
    int templateShapes = 0;
};

} // namespace

TEST_F(Drawing, OutlineAndCirclesFormOneNamedGroupDrawnToScale)
{
    for (uint8_t groupNumber : {1, 2}) {
        SCOPED_TRACE(groupNumber);
        DocParcel &parcel = prepare({SquareOf(QStringLiteral("Іваненко"), 5000, 3000, 10)});
        office::Document &doc = newDocument();
        int32_t scale = 500;
        const office::Shape group = DrawParcelShapes(doc, parcel, 300, 260, scale, false, groupNumber, nothingShown(), step);
        const QString name = groupNumber == 1 ? QStringLiteral("main") : QStringLiteral("main1");
        EXPECT_EQ(group.Name(), name);
        EXPECT_EQ(doc.ShapesCount(), templateShapes + 1);
        EXPECT_EQ(group.ItemNames().size(), 8); // four sides, four circles
        // 10 m at 1:500 is 2 cm on paper; the circles stand 1.5 pt beyond the corners.
        EXPECT_NEAR(group.Bounds().width(), CmToPoints(2) + 3, 0.01);
        EXPECT_NEAR(group.Bounds().height(), CmToPoints(2) + 3, 0.01);
        EXPECT_NEAR(group.Bounds().center().x(), 300, 0.01);
        EXPECT_EQ(state().DrawScale, 500);
        EXPECT_EQ(step.value, 18);
        doc.Close();
    }
}

namespace {

/// Every value reported, in order.
struct StepLog : platform::ProgressSink {
    void setPhase(const QString &) override {}
    void setRange(int, int) override {}
    void setValue(int v) override { values << v; }
    QList<int> values;
};

} // namespace

TEST_F(Drawing, StepsFollowTheWorkAndTheExtentsStepOnlyWithTheAutomaticScale)
{
    const QList<int> tail = {7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18};
    for (bool autoScale : {false, true}) {
        SCOPED_TRACE(autoScale);
        DocParcel &parcel = prepare({SquareOf(QStringLiteral("Іваненко"), 5000, 3000, 10)});
        office::Document &doc = newDocument();
        int32_t scale = 500;
        StepLog log;
        DrawParcelShapes(doc, parcel, 300, 260, scale, autoScale, 1, nothingShown(), log);
        EXPECT_EQ(log.values, (autoScale ? QList<int>{5, 6} : QList<int>{5}) + tail);
        doc.Close();
    }
}

TEST_F(Drawing, LabelsAreGatheredByKindOnlyInGroupMode)
{
    // A right triangle with legs of 30 and 40 m: sides 30.00, 50.00 and 40.00.
    const model::Parcel triangle = ParcelOf(QStringLiteral("Іваненко"), {{1000, 1000}, {1030, 1000}, {1000, 1040}});
    DrawOptions o = nothingShown();
    o.ShowLengths = o.ShowPointNumbers = true;

    o.GroupMode = true;
    DocParcel &parcel = prepare({triangle});
    office::Document &grouped = newDocument();
    int32_t scale = 500;
    DrawParcelShapes(grouped, parcel, 300, 260, scale, false, 1, o, step);
    EXPECT_EQ(grouped.ShapesCount(), templateShapes + 3);
    for (const char *name : {"main", "MyLm 4", "MyPm 4"})
        EXPECT_TRUE(grouped.HasShape(QString::fromLatin1(name))) << name;
    QStringList lengths;
    for (const QString &item : grouped.Shapes(QStringLiteral("MyLm 4")).ItemNames())
        lengths << item;
    EXPECT_EQ(lengths.size(), 3);
    grouped.Close();

    o.GroupMode = false;
    prepare({triangle});
    office::Document &loose = newDocument();
    DrawParcelShapes(loose, state().DocParcel1, 300, 260, scale, false, 1, o, step);
    EXPECT_EQ(loose.ShapesCount(), templateShapes + 1 + 3 + 3);
    const QString saved = loose.SaveAs(testsupport::tempDir() + QStringLiteral("/labels.docx"));
    loose.Close();
    QStringList boxes = builderstesting::readWithPythonDocx(saved)[QStringLiteral("boxes")].toVariant().toStringList();
    boxes.sort();
    QStringList expected = {zova::Format2(30), zova::Format2(50), zova::Format2(40), QStringLiteral(" 1"),
                            QStringLiteral(" 2"), QStringLiteral(" 3"), QStringLiteral("Пн")};
    expected.sort();
    EXPECT_EQ(boxes, expected);
}

TEST_F(Drawing, SideLengthOffsetsDependOnDirectionAndTheClosingSide)
{
    const struct {
        double dir;
        bool closing;
        QPointF offset;
    } cases[] = {
        {0, false, {-20, -5}},   {44.9, false, {-20, -5}}, {45, false, {-10, -10}}, {135, false, {25, -5}},
        {135, true, {20, -5}},   {230, false, {20, 5}},        {230, true, {-5, 20}},   {359.9, true, {-20, 10}},
        {360, false, {0, 0}},    {-1, true, {0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SideLabelOffset(c.dir, c.closing), c.offset) << c.dir << (c.closing ? " closing" : "");
}

// A label keeps its place where its text is free, and otherwise goes to the nearest place clear
// of the drawing's texts and lines inside its region; lines give way before texts do.
TEST(ClearLabelBox, NearestPlaceClearOfTextsAndLinesInsideTheRegion)
{
    const QRectF box(100, 100, 100, 25); // its text "12.34 га." stands at (130.25, 103.6)-(169.75, 115.6)
    const QString text = QStringLiteral("12.34 га.");
    const QRectF region(0, 0, 400, 300);
    const QRectF under(140, 108, 10, 12); // a land-use number just under the text's middle
    const struct {
        const char *name;
        std::vector<QRectF> taken;
        std::vector<QLineF> lines;
        QRectF region;
        std::optional<QRectF> result;
    } cases[] = {
        {"nothing in the way", {QRectF(0, 0, 20, 20)}, {QLineF(0, 50, 400, 50)}, region, box},
        {"a number under it goes up", {under}, {}, region, box.translated(0, -10)},
        {"a line above it sends it down", {under}, {QLineF(100, 95, 200, 95)}, region, box.translated(0, 18)},
        {"only crossing a line is left", {under}, {QLineF(100, 95, 200, 95), QLineF(100, 130, 200, 130)},
         QRectF(120, 80, 60, 60), box.translated(0, -10)},
        {"the region's top holds it down", {under}, {}, QRectF(0, 95, 400, 205), box.translated(0, 18)},
        {"no room at all", {QRectF(0, 0, 400, 300)}, {}, region, std::nullopt},
    };
    for (const auto &c : cases) {
        const std::optional<QRectF> got = ClearLabelBox(box, 10, text, c.taken, c.lines, c.region);
        ASSERT_EQ(got.has_value(), c.result.has_value()) << c.name;
        if (got) {
            EXPECT_EQ(*got, *c.result) << c.name << ": at " << got->left() << ", " << got->top();
        }
    }
}

TEST_F(Drawing, NeighbourStubsAndLettersFollowTheBoundaryDescription)
{
    // Two squares side by side: the east side of the first is the west side of the second.
    DocParcel &parcel = prepare({SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10),
                                 SquareOf(QStringLiteral("Петренко"), 1000, 1010, 10)});
    office::Document &doc = newDocument();
    DrawOptions o = nothingShown();
    o.ShowNeighbours = true;
    int32_t scale = 0;
    DrawParcelShapes(doc, parcel, 300, 260, scale, true, 1, o, step);
    EXPECT_EQ(scale, 200); // a 10 m parcel is drawn at 1:200
    int stubs = 0;
    for (const DocPoint &p : parcel.Points) {
        if (!p.HasBranch)
            continue;
        ++stubs;
        EXPECT_NEAR(std::hypot(p.BranchPageX - p.PageX, p.BranchPageY - p.PageY), StubLength, 1e-9);
    }
    EXPECT_GT(stubs, 0);
    EXPECT_EQ(doc.Shapes(QStringLiteral("main")).ItemNames().size(), 8 + stubs);
    EXPECT_TRUE(builderstesting::boxTexts(doc).contains(QStringLiteral("А"))) << builderstesting::boxTexts(doc).join(QLatin1Char('|')).toStdString();
    doc.Close();
}

TEST_F(Drawing, AParcelOfTwoPointsIsRefused)
{
    DocParcel &parcel = prepare({ParcelOf(QStringLiteral("Іваненко"), {{1000, 1000}, {1010, 1000}})});
    office::Document &doc = newDocument();
    int32_t scale = 500;
    EXPECT_THROW(DrawParcelShapes(doc, parcel, 300, 260, scale, false, 1, DrawOptions(), step), zova::Error);
    EXPECT_EQ(doc.ShapesCount(), templateShapes);
}

namespace {

using Tables = Drawing;

model::Parcel withLandUses(model::Parcel p, std::initializer_list<std::pair<const char *, double>> uses)
{
    for (const auto &[code, area] : uses) {
        model::LandUseArea a;
        a.CN = QString::fromUtf8(code);
        a.Area = area;
        p.LandUses.Add(a);
    }
    return p;
}

} // namespace

TEST_F(Tables, CatalogueListsVerticesSidesAndClosesTheRing)
{
    const struct {
        const char *name;
        model::Parcel parcel;
        int rows;
    } cases[] = {
        {"triangle", ParcelOf(QStringLiteral("І"), {{1000, 1000}, {1030, 1000}, {1000, 1040}}), 2 + 7},
        {"square", SquareOf(QStringLiteral("І"), 1000, 1000, 10), 2 + 9},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prepare({c.parcel});
        ASSERT_TRUE(BuildSideList(1));
        office::Document &doc = newDocument("plma4p_k.dotx");
        office::Table t = doc.Tables(FindZovaTemplate(1, 2)->CatalogueTable);
        ASSERT_EQ(t.RowCount(), 2);
        FillCatalogueTable(t, state().Sides, reference::state().plnF);
        const SideList &s = state().Sides;
        const int n = s.UBound();
        EXPECT_EQ(t.RowCount(), c.rows);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(t.Cell(2 * i + 1, 1).Text(), QString::number(i));
            EXPECT_EQ(t.Cell(2 * i + 1, 2).Text(), zova::Format2(s[i].X));
            EXPECT_EQ(t.Cell(2 * i + 1, 3).Text(), zova::Format2(s[i].Y));
            EXPECT_EQ(t.Cell(2 * i + 1, 4).Text(), QString());
            EXPECT_EQ(t.Cell(2 * i + 2, 4).Text(), zova::Format2(s[i].Length));
            EXPECT_EQ(t.Cell(2 * i + 2, 1).Text(), QString());
        }
        EXPECT_EQ(t.Cell(2 * n + 3, 1).Text(), QStringLiteral("1"));
        EXPECT_EQ(t.Cell(2 * n + 3, 2).Text(), zova::Format2(s[1].X));
        doc.Close();
    }
}

TEST_F(Tables, SixZemRowByVariant)
{
    model::Parcel p = withLandUses(SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 50), {{"5", 1200}, {"35", 300}, {"43", 400}});
    p.Area = 2500;
    const auto ha = [](double v) { return zova::Format4(v); };
    const QString owner = QStringLiteral("Іваненко"), skip = QStringLiteral("-");
    const QStringList areas = {ha(0.25), ha(0.12), ha(0.12), ha(0.12), ha(0), ha(0), ha(0)};
    const struct {
        int variant;
        const char *kz;
        QStringList cells; // columns 1 to 13 of row 6; "-" is not written
    } cases[] = {
        {5, "22", QStringList{"2.4", owner, "22"} + areas + QStringList{ha(0.03), ha(0.03), ha(0)}},
        {3, "99", QStringList{"0.0", owner, "99"} + areas + QStringList{ha(0.03), ha(0.03), ha(0)}},
        {6, "22", QStringList{"2.2.1", owner, "20"} + areas},
        {7, "22", QStringList{"2.4", owner, "22"} + areas + QStringList{ha(0), ha(0), skip}},
        {8, "22", QStringList{"2.4", owner, "22"} + areas + QStringList{ha(0.04), ha(0.04), skip}},
        {4, "99", QStringList{"2.2.1", owner, "20"} + areas},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.variant);
        p.KZ = QString::fromLatin1(c.kz);
        prepare({p});
        const ZovaTemplate *tpl = FindZovaTemplate(1, c.variant);
        office::Document &doc = newDocument(tpl->FileName.toLatin1().constData());
        office::Table t = doc.Tables(tpl->LandTable);
        FillLandTable(t, c.variant, state().DocParcel1, model::state().Parcels, 1, 0);
        for (int col = 1; col <= c.cells.size(); ++col) {
            if (c.cells[col - 1] != skip) {
                EXPECT_EQ(t.Cell(6, col).Text(), c.cells[col - 1]) << "column " << col;
            }
        }
        doc.Close();
    }
}

TEST_F(Tables, TheSamplesFillEveryCategoryOfTheSixZemRow)
{
    // Homesteads: a house part and a garden; a farm: arable land and an orchard; a homestead with a
    // yard; the field behind the row: arable land, orchard, hayfield and pasture.
    builderstesting::loadSample(QStringLiteral("sofiivska-win.in4"), 2);
    const QString zero = zova::Format4(0);
    const QString h[] = {zova::Format4(0.0740), zova::Format4(0.0533), zova::Format4(0.0475), zova::Format4(0.0734),
                         zova::Format4(0.0461), zova::Format4(0.0748), zova::Format4(0.3060), zova::Format4(0.1615),
                         zova::Format4(0.1499), zova::Format4(0.1644)};
    const struct {
        int parcel;
        QStringList columns; // 7 to 13: arable, orchards, hayfields, pastures, built-up, dwellings, yards
    } cases[] = {
        {1, {h[0], zero, zero, zero, h[1], h[1], zero}},
        {2, {h[2], h[3], zero, zero, zero, zero, zero}},
        {12, {zero, zero, zero, zero, zova::Format4(0.1210), h[4], h[5]}},
        {13, {h[6], h[7], h[8], h[9], zero, zero, zero}},
    };
    const ZovaTemplate *tpl = FindZovaTemplate(1, 3);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.parcel);
        state().CurDocParcel = c.parcel;
        PrepareDocParcel(c.parcel);
        office::Document &doc = newDocument(tpl->FileName.toLatin1().constData());
        office::Table t = doc.Tables(tpl->LandTable);
        FillLandTable(t, 3, state().DocParcel1, model::state().Parcels, c.parcel, 0);
        QStringList cells;
        for (int col = 7; col <= 13; ++col)
            cells << t.Cell(6, col).Text();
        EXPECT_EQ(cells.join(QLatin1Char(' ')).toStdString(), c.columns.join(QLatin1Char(' ')).toStdString());
        doc.Close();
    }
}

TEST_F(Tables, LandUseListInSquareMetresOrHectares)
{
    model::Parcel p = withLandUses(SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 50), {{"12", 500}, {"5", 1250.5}});
    for (uint8_t unit : {0, 1}) {
        SCOPED_TRACE(unit);
        prepare({p});
        office::Document &doc = newDocument("plma4p_k.dotx");
        office::Table t = doc.Tables(FindZovaTemplate(1, 2)->LandTable);
        const int before = t.RowCount();
        FillLandTable(t, 2, state().DocParcel1, model::state().Parcels, 1, unit);
        EXPECT_EQ(t.RowCount(), before + 2);
        EXPECT_EQ(t.Cell(2, 1).Text(), QStringLiteral("1"));
        EXPECT_EQ(t.Cell(3, 2).Text(), QStringLiteral("5"));
        EXPECT_EQ(t.Cell(3, 3).Text(), unit == 0 ? zova::Format2(1250.5) : zova::Format4(0.12505));
        doc.Close();
    }
}

TEST_F(Tables, NeighbourTableOneRowPerStretch)
{
    // A square with neighbours to the east, north and west: three stretches.
    prepare({SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10), SquareOf(QStringLiteral("Схід"), 1000, 1010, 10),
             SquareOf(QStringLiteral("Північ"), 1010, 1000, 10), SquareOf(QStringLiteral("Захід"), 1000, 990, 10)});
    BuildBoundaryNeighbours(1);
    const std::vector<NeighbourRow> rows = NeighbourTableRows(model::state().Parcels, 1);
    ASSERT_EQ(rows.size(), 3u);
    office::Document &doc = newDocument();
    const ZovaTemplate *tpl = FindZovaTemplate(1, 1);
    office::Table t = doc.Tables(tpl->NeighbourTable);
    const int before = t.RowCount();
    const QString column2 = t.Cell(1, 2).Text();
    FillNeighbourTable(t, model::state().Parcels, 1);
    EXPECT_EQ(t.RowCount(), before + 2);
    const QStringList spans = {QStringLiteral("Від А до Б"), QStringLiteral("Від Б до В"), QStringLiteral("Від В до А")};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(t.Cell(r, 1).Text(), spans[r - 1]);
        EXPECT_EQ(t.Cell(r, 3).Text(), rows[r - 1].Text);
    }
    EXPECT_EQ(t.Cell(1, 2).Text(), column2);

    // Nothing adjoins: the table stays as the template has it.
    prepare({SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10)});
    BuildBoundaryNeighbours(1);
    office::Table empty = newDocument().Tables(tpl->NeighbourTable);
    FillNeighbourTable(empty, model::state().Parcels, 1);
    EXPECT_EQ(empty.RowCount(), before);
}

TEST_F(Tables, TitleAndAreaTexts)
{
    DocParcel d;
    d.Parts.Add(DocPart{QStringLiteral("Іваненко Іван")});
    d.Number = QStringLiteral("12/3");
    d.AD = QStringLiteral("вул. Садова, 1");
    d.KZ = QStringLiteral("22");
    PlanOptions o;
    o.PurposeText = QStringLiteral("для городництва");
    EXPECT_EQ(PlanMainTitle(d, o, QStringLiteral("с. Гора")),
              QStringLiteral("Іваненко Іван (Ділянка № 12/3)\rдля городництва\rс. Гора вул. Садова, 1"));
    o.CiloveFlag = true;
    EXPECT_EQ(PlanMainTitle(d, o, QString()).section(QLatin1Char('\r'), 1, 1), reference::GetRow6ZemName(22));
    // Every row of the citizens' group has its purpose in the shipped database.
    d.KZ = QStringLiteral("23");
    EXPECT_EQ(PlanMainTitle(d, o, QString()).section(QLatin1Char('\r'), 1, 1), QStringLiteral("для ведення садівництва"));
    EXPECT_EQ(PlanAreaText(2500, 1), QStringLiteral("Площа ділянки становить - ") + zova::Format4(0.25) + QStringLiteral(" га."));
    EXPECT_EQ(PlanAreaText(2500, 0), QStringLiteral("Площа ділянки становить - ") + zova::Format2(2500) + QStringLiteral(" кв.м."));
}

TEST_F(Tables, PlanNamesByKindAndTablesOnlyWhereTheSwitchesAsk)
{
    // A catalogue template: the cadastral plan lists the catalogue, the allotment plan leaves it
    // as the template has it; the land and neighbour tables stay when their switches are off.
    const ZovaTemplate *tpl = FindZovaTemplate(1, 2);
    reference::state().PDur = QStringLiteral("Директор");
    reference::state().OrganTitle = QStringLiteral("ТОВ «Земпроект»");
    const struct {
        uint8_t kind;
        const char *zovaName, *s1, *s2;
        int catalogueRows;
    } cases[] = {
        {KindCadastralPlan, "Кадастровий план", "", "", 2 + 9},
        {KindAllotmentPlan, "", "Проект відведення земельної ділянки", "План відведення земельної ділянки", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        model::Parcel p = withLandUses(SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10), {{"5", 100}});
        p.Area = 100;
        prepare({p});
        state().Sides.Clear();
        ASSERT_TRUE(BuildSideList(1));
        office::Document &doc = newDocument("plma4p_k.dotx");
        const int landRows = doc.Tables(tpl->LandTable).RowCount();
        const int neighbourRows = doc.Tables(tpl->NeighbourTable).RowCount();
        PlanOptions o;
        o.Kind = c.kind;
        o.ZovaVariant = 2;
        o.ShowLandUse = o.ShowNeighbours = false;
        o.AutoScale = false;
        int32_t scale = 1000;
        FillZovaDocument(doc, *tpl, o, scale, step);
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("ZovaName")).Text(), QString::fromUtf8(c.zovaName));
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("s1")).Text(), QString::fromUtf8(c.s1));
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("s2")).Text(), QString::fromUtf8(c.s2));
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("pDur")).Text(), QStringLiteral("Директор"));
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("Organ")).Text(),
                  QStringLiteral("ТОВ «Земпроект»\r") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))
                      + QStringLiteral(" р."));
        EXPECT_EQ(doc.Bookmarks(QStringLiteral("Mash")).Text(), QStringLiteral("1000"));
        EXPECT_EQ(doc.Tables(tpl->CatalogueTable).RowCount(), c.catalogueRows);
        EXPECT_EQ(doc.Tables(tpl->LandTable).RowCount(), landRows);
        EXPECT_EQ(doc.Tables(tpl->NeighbourTable).RowCount(), neighbourRows);
        EXPECT_EQ(doc.Tables(tpl->AreaTable).Cell(1, 1).Text(), PlanAreaText(100, 0));
        EXPECT_EQ(step.value, 20);
        doc.Close();
    }
}

// A plan whose purpose line would be empty is made, and says so; the 6-zem row's name needs no
// purpose chosen in the window.
TEST_F(Tables, APlanWithoutAPurposeNamesIt)
{
    const ZovaTemplate *tpl = FindZovaTemplate(1, 1);
    const QString remark = QStringLiteral("Цільове призначення ділянки не вибрано: у плані воно порожнє");
    const struct {
        const char *name;
        bool rowName;
        QString purpose;
        bool named;
    } cases[] = {
        {"none chosen", false, QString(), true},
        {"blanks only", false, QStringLiteral("  "), true},
        {"chosen", false, QStringLiteral("для городництва"), false},
        {"the 6-zem row's name", true, QString(), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        model::Parcel p = SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10);
        p.KZ = QStringLiteral("22");
        prepare({p});
        office::Document &doc = newDocument();
        PlanOptions o;
        o.CiloveFlag = c.rowName;
        o.PurposeText = c.purpose;
        int32_t scale = 0;
        const PlanOutcome out = FillZovaDocument(doc, *tpl, o, scale, step);
        EXPECT_EQ(out.Problems.contains(remark), c.named) << out.Problems.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(doc.Bookmarks(QStringLiteral("MainSht")).Text().contains(PlanPurpose(state().DocParcel1, o)));
        doc.Close();
    }
}

TEST_F(Tables, ApprovalPlanCarriesTheApprovalsAndNeitherCatalogueNorLandTable)
{
    // Two bodies chosen, rows 3 to 8 empty; the land table and the catalogue switches say yes and
    // the variant is a catalogue one, but the approval plan has neither.
    prepare({withLandUses(SquareOf(QStringLiteral("Іваненко"), 1000, 1000, 10), {{"5", 100}}),
             SquareOf(QStringLiteral("Петренко"), 1000, 1010, 10)});
    ApprovalTexts &a = state().Approval;
    a.ApprHead = QStringLiteral("Гончаренко В.П.");
    a.ApprOrg[1] = QStringLiteral("Відділ містобудування та архітектури");
    a.ApprPib[1] = QStringLiteral("Олійник М.С.");
    a.ApprOrg[2] = QStringLiteral("Державна екологічна інспекція");
    a.ApprPib[2] = QStringLiteral("Ткаченко Л.Д.");
    const ZovaTemplate &tpl = ApprovalTemplate();
    office::Document &doc = newDocument("poga3l.dotx");
    office::Table approvals = doc.Tables(ApprovalTable);
    const int rows = approvals.RowCount();
    const int tables = doc.TablesCount();
    const QString numberRow = approvals.Cell(3, 1).Text(), signature = approvals.Cell(4, 2).Text();
    PlanOptions o;
    o.Kind = KindApprovalPlan;
    o.ZovaVariant = 4;
    o.AreaUnit = 1;
    int32_t scale = 0;
    FillZovaDocument(doc, tpl, o, scale, step);

    EXPECT_EQ(doc.Bookmarks(QStringLiteral("ZovaName")).Text(), QString());
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("s1")).Text(), QStringLiteral("Проект відведення земельної ділянки"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("s2")).Text(), QStringLiteral("План відведення земельної ділянки"));
    EXPECT_EQ(approvals.RowCount(), rows);
    EXPECT_EQ(approvals.Cell(1, 1).Text(), a.ApprHead);
    EXPECT_EQ(approvals.Cell(4, 1).Text(), a.ApprOrg[1]);
    EXPECT_EQ(approvals.Cell(4, 3).Text(), a.ApprPib[1]);
    EXPECT_EQ(approvals.Cell(6, 1).Text(), a.ApprOrg[2]);
    EXPECT_EQ(approvals.Cell(6, 3).Text(), a.ApprPib[2]);
    for (int row = 8; row <= 18; row += 2) {
        EXPECT_EQ(approvals.Cell(row, 1).Text(), QString()) << row;
        EXPECT_EQ(approvals.Cell(row, 3).Text(), QString()) << row;
    }
    EXPECT_EQ(approvals.Cell(3, 1).Text(), numberRow); // the rows between and column 2 stay
    EXPECT_EQ(approvals.Cell(4, 2).Text(), signature);
    EXPECT_EQ(doc.TablesCount(), tables);
    EXPECT_EQ(doc.Tables(tpl.NeighbourTable).Cell(1, 1).Text(), QStringLiteral("Від А до А"));
    EXPECT_EQ(doc.Tables(tpl.NeighbourTable).Cell(1, 3).Text(), QStringLiteral("Петренко"));
    EXPECT_EQ(doc.Tables(tpl.AreaTable).Cell(1, 1).Text(), PlanAreaText(state().DocParcel1.Area, 1));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("Mash")).Text(), QString::number(state().DrawScale));
    EXPECT_EQ(step.value, 21);
    doc.Close();
}

TEST(OutputNames, SafeNamesStayInTheFolderAndDifferWithinABatch)
{
    const struct {
        const char *in, *out;
    } names[] = {
        {"12/3_7", "12_3_7"}, {"..\\..\\etc", "_._.._etc"}, {".hidden", "_hidden"}, {"-rf", "_rf"},
        {"a\tb\nc", "a_b_c"}, {"  ", "x"}, {"", "x"}, {"Ділянка 5", "Ділянка 5"}, {"a:b*?", "a_b__"},
    };
    for (const auto &n : names)
        EXPECT_EQ(SafeFileName(QString::fromUtf8(n.in), QStringLiteral("x")), QString::fromUtf8(n.out)) << n.in;

    const QString dir = testsupport::tempDir() + QStringLiteral("/names");
    QDir().mkpath(dir);
    QFile existing(dir + QStringLiteral("/5_1.docx"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    // A file of an earlier run keeps its name (the new document replaces it); a name taken in the
    // same batch, in any letter case, gets a number.
    OutputNames reserve;
    const QString docx = QStringLiteral(".docx");
    EXPECT_EQ(reserve.Reserve(dir, QStringLiteral("5_1"), docx), dir + QStringLiteral("/5_1.docx"));
    EXPECT_EQ(reserve.Reserve(dir, QStringLiteral("5_1"), docx), dir + QStringLiteral("/5_1 (2).docx"));
    EXPECT_EQ(reserve.Reserve(dir, QStringLiteral("Ab"), docx), dir + QStringLiteral("/Ab.docx"));
    EXPECT_EQ(reserve.Reserve(dir, QStringLiteral("aB"), docx), dir + QStringLiteral("/aB (2).docx"));
    EXPECT_EQ(reserve.Reserve(dir, QStringLiteral("../up"), docx), dir + QStringLiteral("/_._up.docx"));
    EXPECT_EQ(PlanFileBaseName(QStringLiteral("12/3"), 7), QStringLiteral("12_3_7"));
    EXPECT_EQ(PlanFileBaseName(QString(), 7), QStringLiteral("ділянка_7"));
}
