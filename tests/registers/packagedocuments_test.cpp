// Documents 2 to 12 of the share kind, each made from its packed template by the package run and
// read back: every bookmark the document holds with its text, and the cells of its table for two
// owner groups of three parcels and one, and for a package without groups.

#include "common/numbers.h"
#include "office/package_p.h"
#include "office/wordapp.h"
#include "registers/packagebookmarks.h"
#include "registers/packagedocuments.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/registers/packagetesting.h"
#include "tests/registers/registerstesting.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace registers;

namespace {

QString ha(double squareMetres)
{
    return zova::Format4(squareMetres / 10000);
}

const QString RG = QStringLiteral("Київської");
const QString DG = QStringLiteral("Києво-Святошинського");
const QString CG = QStringLiteral("Софіївсько-Борщагівської сільської");
const QString CN = QStringLiteral("Софіївсько-Борщагівська сільська");
const QString RaiZem = QStringLiteral("Мороз В.В.");
const QString Golova = QStringLiteral("Ткаченко Г.С.");
const QString Arhit = QStringLiteral("Литвин О.О.");
const QString GolAdm = QStringLiteral("Гриценко П.П.");
const QString Org = QStringLiteral("ТОВ «Земпроект»");
const QString Dur = QStringLiteral("Коваленко І.П.");
const QString Skl = QStringLiteral("Шевчук О.М.");

const QString NM1 = QStringLiteral("Бойко Іван Петрович");
const QString NM2 = QStringLiteral("Дем’янчук Мар’яна Василівна|Дем’янчук Олег Іванович");
const QString PP1 = QStringLiteral("СК 123456, Києво-Святошинським РВ ГУ МВС 12.03.1998");
const QString PP2 = QStringLiteral("ВА 654321");
const QString AU1 = QStringLiteral("с. Петрівське, вул. Шевченка, 1");
const QString AU2 = QStringLiteral("м. Київ, вул. Хрещатик, 5|с. Петрівське");
const QString KF1 = QStringLiteral("1234567890");
const QString KF2 = QStringLiteral("2345678901");

// Areas a tenth of a square metre above their four decimals, so that the total of the unrounded
// areas (2.6080 ha) differs from the total of the rounded cells (2.6079 ha).
struct Parcel {
    const char *number, *grounds;
    double area, arable, perennial, hayfields, other;
    int points;
};
const Parcel parcels1[] = {{"12", "сертифікат КВ 0012", 12345.4, 5000, 3000, 2000, 2345.4, 8},
                           {"13", "сертифікат КВ 0013", 2500.4, 2500.4, 0, 0, 0, 4},
                           {"14а", "сертифікат КВ 0014", 10000.4, 0, 0, 10000.4, 0, 12}};
const Parcel parcel2 = {"7", "сертифікат КВ 0007", 1234, 1234, 0, 0, 0, 5};
const double SumArea = 26080.2, SumCat1 = 8734.4, SumCat2 = 3000, SumCat3 = 12000.4, SumCat4 = 2345.4;
const double CommonLand = 5000;

ReportGroup group(const QString &nm, const QString &pp, const QString &au, const QString &kf,
                  std::initializer_list<Parcel> parcels)
{
    ReportGroup g{nm, au, kf, pp, {}};
    for (const Parcel &p : parcels) {
        ReportLine line;
        line.Number = QString::fromUtf8(p.number);
        line.PZ = QString::fromUtf8(p.grounds);
        line.Area = p.area;
        line.PointCount = p.points;
        line.Sums = {QString(), p.arable, p.perennial, p.hayfields, p.other};
        g.Lines.Add(line);
    }
    return g;
}

/// One document's table: which table, and its rows after the heading rows as they must read.
struct Grid {
    int table = 1;
    int firstRow = 0;
    std::vector<QStringList> rows;
    int firstColumn = 1;
};

struct DocumentCase {
    int number;
    std::map<QString, QString> bookmarks; ///< every bookmark the document holds
    Grid grid;                            ///< for the two groups
    Grid empty;                           ///< for a package without groups
    bool rowsOf04cm = false;              ///< every row of the grid's table at least 0.4 cm high
};

/// The owner lists of documents 2, 10 and 11.
std::vector<QStringList> ownerList(const QString &c8a, const QString &c8b, const QString &c8c, const QString &c8d)
{
    return {{QStringLiteral(" 1"), NM1, PP1, AU1, KF1, QString(), ha(12345.4), c8a},
            {QString(), QString(), QString(), QString(), QString(), QString(), ha(2500.4), c8b},
            {QString(), QString(), QString(), QString(), QString(), QString(), ha(10000.4), c8c},
            {QStringLiteral(" 2"), NM2, PP2, AU2, KF2, QString(), ha(1234), c8d},
            {QString(), QStringLiteral("ВСЬОГО"), QString(), QString(), QString(), QString(), ha(SumArea), QString()}};
}
const QStringList emptyOwnerTotal = {QString(), QStringLiteral("ВСЬОГО"), QString(), QString(), QString(), QString(),
                                     ha(0), QString()};

/// The parcel and land table of documents 5, 6, 8 and 9.
std::vector<QStringList> areaTable()
{
    return {{QStringLiteral(" 1"), NM1, QStringLiteral("12"), ha(12345.4), ha(5000), ha(3000), ha(2000)},
            {QString(), QString(), QStringLiteral("13"), ha(2500.4), ha(2500.4), ha(0), ha(0)},
            {QString(), QString(), QStringLiteral("14а"), ha(10000.4), ha(0), ha(0), ha(10000.4)},
            {QStringLiteral(" 2"), NM2, QStringLiteral("7"), ha(1234), ha(1234), ha(0), ha(0)},
            {QString(), QStringLiteral("ВСЬОГО"), QString(), ha(SumArea), ha(SumCat1), ha(SumCat2), ha(SumCat3)}};
}
const QStringList emptyAreaTotal = {QString(), QStringLiteral("ВСЬОГО"), QString(), ha(0), ha(0), ha(0), ha(0)};

std::vector<DocumentCase> documentCases()
{
    const QString year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    const QString dash = QStringLiteral("–"), blank;
    const QString sign = QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ");
    const QString signA = QStringLiteral("КИЄВО-СВЯТОШИНСЬКА");
    // The words around the organisation, which go with it when there is none.
    const QString lead = QStringLiteral(" Виконавець робіт: "), stop = QStringLiteral(".");
    const QString bracket = QStringLiteral(" (виконавець робіт: ");
    // The words of the district's kind after its name, and those that stand without it.
    const QString ofDistrict = QStringLiteral(" району"), ofOffice = QStringLiteral(" районного");
    const QString office = QStringLiteral("районного"), officeNom = QStringLiteral("районний");
    const QString adm = QStringLiteral(" районної державної адміністрації");
    const QString headingAdm = QStringLiteral(" РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ");
    // The council's head and its kind, a village council's.
    const QString head = QStringLiteral("Сільський голова"), kind = QStringLiteral(" сільської");
    // The label over the land office's head, an addressee.
    const QString headLabel = QStringLiteral("Начальник відділу:");
    std::vector<DocumentCase> cases = {
        {2,
         {{"obl", QStringLiteral("КИЇВСЬКОЇ")}, {"reg", QStringLiteral("КИЄВО-СВЯТОШИНСЬКОГО")},
          {"reg_kind", QStringLiteral(" РАЙОНУ")}, {"reg1", DG}, {"reg1_kind", ofOffice},
          {"rada", QStringLiteral("СОФІЇВСЬКО-БОРЩАГІВСЬКА СІЛЬСЬКА ")}, {"radu", CG}, {"raizem", RaiZem},
          {"raizem_lead", headLabel}, {"golova", Golova}, {"golova1", Golova}, {"golova_kind", head}, {"golova1_kind", head}},
         {1, 3, ownerList(QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14а"), QStringLiteral("7"))},
         {1, 3, {emptyOwnerTotal}},
         true},
        {3,
         {{"radu", CG}, {"raizem", RaiZem}, {"raizem1", RaiZem}, {"raizem1_lead", QStringLiteral(" ")},
          {"raizem2", RaiZem}, {"reg", DG},
          {"reg_kind", ofDistrict}, {"reg1", DG}, {"reg1_kind", ofOffice}, {"reg2", DG}, {"reg2_kind", ofOffice},
          {"reg3", sign}, {"reg3_kind", QStringLiteral(" РАЙОННИЙ")}, {"reg4", DG}, {"reg4_kind", ofOffice},
          {"viddil", QStringLiteral("Районний")}, {"viddil1", office}, {"viddil2", office}},
         {1, 3, {{QStringLiteral(" 1"), NM1, QString()}, {QStringLiteral(" 2"), NM2, QString()}}},
         {1, 3, {}}},
        {4,
         {{"date", year}, {"dur", Dur}, {"raizem", RaiZem}, {"org", Org}, {"org_lead", lead}, {"org_tail", stop},
          {"org1", Org}, {"rada", CN + QLatin1Char(' ')},
          {"radu", CG}, {"radu1", CG}, {"radu2", CG}, {"reg", DG}, {"reg_kind", ofOffice}, {"reg1", DG},
          {"reg1_kind", ofDistrict}, {"reg2", DG}, {"reg2_kind", ofDistrict}, {"reg3", DG}, {"reg3_kind", ofOffice},
          {"reg4", DG}, {"reg4_kind", ofOffice}, {"viddil", QStringLiteral("Районний")}},
         {},
         {}},
        {5,
         {{"date", year}, {"date1", year}, {"org", Org}, {"org_lead", lead}, {"org_tail", stop}, {"radu", CG},
          {"radu1", CG}, {"raizem", RaiZem},
          {"raizem1", RaiZem}, {"reg", sign}, {"reg_kind", QStringLiteral(" РАЙОННИЙ")}, {"reg1", DG},
          {"reg1_kind", ofDistrict}, {"viddil", office}, {"viddil1", office}, {"viddil2", office}, {"viddil3", office},
          {"viddil4", officeNom}, {"council_kind", kind}},
         {1, 3, areaTable()},
         {1, 3, {emptyAreaTotal}}},
        {6,
         {{"date", year}, {"date1", year}, {"org", Org}, {"org_lead", lead}, {"org_tail", stop}, {"radu", CG},
          {"radu1", CG}, {"arhname", Arhit},
          {"arhname1", Arhit}, {"reg", signA}, {"reg_kind", headingAdm}, {"reg1", DG}, {"reg1_kind", ofDistrict},
          {"rayon", QStringLiteral("району")}, {"rayon1", QStringLiteral("району")}},
         {1, 3, areaTable()},
         {1, 3, {emptyAreaTotal}}},
        {7,
         {{"date", year}, {"golova", Golova}, {"golova1", Golova}, {"golova1_kind", QStringLiteral("сільський голова")},
          {"golova2", Golova}, {"org", Org},
          {"org_lead", QStringLiteral(" (")}, {"org_tail", QStringLiteral(")")}, {"org1", Org}, {"org1_lead", bracket},
          {"org1_tail", QStringLiteral(")")},
          {"radu", CG}, {"radu1", CG}, {"radu2", CG}, {"radu3", CG}, {"raizem", RaiZem}, {"raizem1", RaiZem},
          {"reg", DG}, {"reg_kind", ofOffice}, {"reg1", DG}, {"reg1_kind", ofDistrict}, {"reg2", DG},
          {"reg2_kind", ofOffice}, {"reg3", DG}, {"reg3_kind", ofOffice}, {"vuk", Skl}, {"vuk1", Skl}},
         {2, 2,
          {{QStringLiteral(" 1"), NM1, QStringLiteral("12"), QStringLiteral(" 8")},
           {QString(), QString(), QStringLiteral("13"), QStringLiteral(" 4")},
           {QString(), QString(), QStringLiteral("14а"), QStringLiteral(" 12")},
           {QStringLiteral(" 2"), NM2, QStringLiteral("7"), QStringLiteral(" 5")}}},
         {2, 2, {}}},
        {8,
         {{"arall", ha(SumArea)}, {"arzagkor", ha(CommonLand)}, {"golova", Golova}, {"golova1", Golova},
          {"golova_kind", head}, {"golova1_kind", head}, {"org", Org},
          {"org_lead", bracket}, {"org_tail", QStringLiteral(")")},
          {"rada", QStringLiteral("СОФІЇВСЬКО-БОРЩАГІВСЬКА СІЛЬСЬКА ")}, {"rada1", CN + QLatin1Char(' ')}, {"radu", CG},
          {"radu1", CG}, {"radu2", CG}, {"radu3", CG}, {"reg", QStringLiteral("КИЄВО-СВЯТОШИНСЬКОГО")},
          {"reg_kind", QStringLiteral(" РАЙОНУ")}, {"reg1", DG}, {"reg1_kind", ofDistrict}, {"reg2", DG},
          {"reg2_kind", ofDistrict}, {"viddil", office}},
         {1, 3, areaTable()},
         {1, 3, {emptyAreaTotal}}},
        {9,
         {{"arall", ha(SumArea)}, {"goladm", GolAdm}, {"goladm1", GolAdm}, {"org", Org}, {"org_lead", bracket},
          {"org_tail", QStringLiteral(")")}, {"radu", CG}, {"radu1", CG},
          {"reg", signA}, {"reg_kind", headingAdm}, {"reg1", QStringLiteral("Києво-Святошинської")}, {"reg1_kind", adm},
          {"viddil", QStringLiteral("Районному")}, {"adm", adm.trimmed()},
          {"adm_sign", QStringLiteral(" районної державної")}, {"adm_sign_kind", QStringLiteral("адміністрації")},
          {"adm_sign1", QStringLiteral(" районної державної")}, {"adm_sign1_kind", QStringLiteral("адміністрації")},
          {"zagkor", ha(CommonLand)}, {"council_kind", kind}},
         {1, 3, areaTable()},
         {1, 3, {emptyAreaTotal}}},
        {10,
         {{"ari", ha(SumCat4)}, {"arr", ha(SumCat1)}, {"arrall", ha(SumArea)}, {"ars", ha(SumCat2)},
          {"arsg", ha(SumCat1 + SumCat2 + SumCat3)}, {"date", year}, {"date1", year}, {"date2", year}, {"date3", year},
          {"dur", Dur}, {"org", Org}, {"radu", CG}, {"raizem", RaiZem}, {"raizem_lead", headLabel},
          {"raizem1", RaiZem}, {"reg", DG},
          {"reg_kind", ofOffice}, {"reg1", DG}, {"reg1_kind", ofDistrict}, {"viddil", office}},
         {1, 2,
          ownerList(QString::fromUtf8(parcels1[0].grounds), QString::fromUtf8(parcels1[1].grounds),
                    QString::fromUtf8(parcels1[2].grounds), QString::fromUtf8(parcel2.grounds))},
         {1, 2, {emptyOwnerTotal}}},
        {11,
         {{"radu", CG}},
         {1, 3, ownerList(QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14а"), QStringLiteral("7"))},
         {1, 3, {emptyOwnerTotal}},
         true},
        {12,
         {},
         // Columns 3 to 11 of rows 6 and 7 (the labels in columns 1 and 2 are the template's). A cell
         // the program does not compute stays blank: no dash claims that there is no such land.
         {1, 6,
          {{ha(SumArea), ha(SumCat1 + SumCat2 + SumCat3), ha(SumCat1 + SumCat2 + SumCat3), ha(SumCat1), ha(SumCat2),
            ha(SumCat3), blank, blank, blank},
           {ha(CommonLand), ha(CommonLand), blank, blank, blank, blank, blank, blank, ha(CommonLand)}},
          3},
         // Without groups or land of common use: the sums written as 0, the categories it finds
         // empty and the land of common use as the template's dash.
         {1, 6,
          {{ha(0), ha(0), ha(0), dash, dash, dash, blank, blank, blank},
           {dash, dash, blank, blank, blank, blank, blank, blank, dash}},
          3}},
    };
    return cases;
}

class PackageDocumentsTest : public packagetesting::PackageTest {
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        documents::options().DocAction = documents::ActionSave;
        reference::State &ref = reference::state();
        ref.CouncilName = CN;
        ref.OrganTitle = Org;
        ref.NDur = Dur;
        ref.NSkl = Skl;
        model::state().RaiZem = RaiZem;
        model::state().Golova = Golova;
        args.Arhit = Arhit;
        args.GolAdm = GolAdm;
        state().TotalArea = CommonLand;
        state().ReportMode = ReportShares;
    }

    static void twoGroups()
    {
        state().ReportGroups.Add(group(NM1, PP1, AU1, KF1, {parcels1[0], parcels1[1], parcels1[2]}));
        state().ReportGroups.Add(group(NM2, PP2, AU2, KF2, {parcel2}));
    }

    /// Makes documents 2 to 12 into the folder; every one must be made.
    void makeAll()
    {
        state().DocChosen.fill(false);
        for (int n = 2; n <= 12; ++n)
            state().DocChosen[size_t(n)] = true;
        office::WordApp app;
        platform::NullProgress progress;
        const PackageReport report = MakeReportDocuments(app, args, progress);
        ASSERT_TRUE(report.Failures.empty()) << report.FailureText().toStdString();
        ASSERT_EQ(report.Done.size(), 11u);
    }

    QString path(int number) const { return QDir(folder).filePath(QStringLiteral("p%1.docx").arg(number)); }

    /// Checks the cells of `grid`: every row from its first row, every column from its first column
    /// to the row's last; the grown tables end with those rows.
    static void expectGrid(office::Document &doc, const Grid &grid, bool tableEnds)
    {
        office::Table table = doc.Tables(grid.table);
        if (tableEnds) {
            EXPECT_EQ(table.RowCount(), grid.firstRow - 1 + int(grid.rows.size()));
        }
        for (size_t k = 0; k < grid.rows.size(); ++k) {
            const int row = grid.firstRow + int(k);
            const QStringList &expected = grid.rows[k];
            ASSERT_EQ(table.ColumnCount(row) - grid.firstColumn + 1, expected.size()) << "row " << row;
            for (int col = grid.firstColumn; col <= table.ColumnCount(row); ++col)
                EXPECT_EQ(table.Cell(row, col).Text(), expected[col - grid.firstColumn])
                    << "row " << row << ", column " << col;
        }
    }

    /// The text sizes (half-points) used in the rows of table `table` from row `firstRow` on.
    static QStringList dataSizes(const QString &docx, int table, int firstRow)
    {
        const QString xml = QString::fromUtf8(office::Package::read(docx).part(QStringLiteral("word/document.xml")));
        const QStringList tables = xml.split(QStringLiteral("<w:tbl>"));
        if (table >= tables.size())
            return {};
        const QStringList rows = tables[table].section(QStringLiteral("</w:tbl>"), 0, 0).split(QStringLiteral("<w:tr>"));
        QStringList sizes;
        static const QRegularExpression size(QStringLiteral("<w:sz w:val=\"(\\d+)\"/>"));
        for (int r = firstRow; r < rows.size(); ++r)
            for (auto it = size.globalMatch(rows[r]); it.hasNext();)
                sizes << it.next().captured(1);
        sizes.removeDuplicates();
        return sizes;
    }

    /// The tables the document does not grow have the rows of its template.
    static void expectOtherTablesAsTemplate(office::Document &doc, int number, int grown)
    {
        office::WordApp app;
        const PackageDocument *row = FindPackageDocument(number);
        ASSERT_NE(row, nullptr);
        office::Document &bare = app.Documents_Add(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/") + QLatin1String(row->Template)));
        ASSERT_EQ(doc.TablesCount(), bare.TablesCount());
        for (int t = 1; t <= bare.TablesCount(); ++t) {
            if (t != grown) {
                EXPECT_EQ(doc.Tables(t).RowCount(), bare.Tables(t).RowCount()) << "table " << t;
            }
        }
    }

};

} // namespace

TEST_F(PackageDocumentsTest, EveryDocumentFillsEachBookmarkAndItsTableForTwoOwners)
{
    // The areas take the system's decimal separator; the test runs once more under a Ukrainian
    // locale, where it is a comma.
    if (qEnvironmentVariableIsSet("ZOVA_EXPECT_COMMA")) {
        EXPECT_EQ(ha(SumArea), QStringLiteral("2,6080"));
    }
    twoGroups();
    makeAll();
    for (const DocumentCase &c : documentCases()) {
        SCOPED_TRACE(QStringLiteral("document %1").arg(c.number).toStdString());
        office::WordApp app;
        office::Document &doc = app.Documents_Open(path(c.number));

        // Every bookmark of the document, and nothing else, with its text.
        QStringList expectedNames;
        for (const auto &[name, text] : c.bookmarks) {
            expectedNames << name;
            EXPECT_EQ(doc.Bookmarks(name).Text(), text) << name.toStdString();
        }
        QStringList names = doc.BookmarkNames();
        names.sort();
        expectedNames.sort();
        EXPECT_EQ(names, expectedNames);

        if (!c.grid.rows.empty())
            expectGrid(doc, c.grid, c.number != 12);
        // Document 4 grows no table and document 12 only writes cells.
        expectOtherTablesAsTemplate(doc, c.number, c.grid.rows.empty() || c.number == 12 ? 0 : c.grid.table);
        if (!c.grid.rows.empty() && c.number != 12) {
            // The added rows write their texts in one size, whichever heading cell they stand under.
            const QStringList sizes = dataSizes(path(c.number), c.grid.table, c.grid.firstRow);
            EXPECT_EQ(sizes.size(), 1) << sizes.join(QLatin1Char(' ')).toStdString();
        }
        if (c.rowsOf04cm) {
            // 0.4 cm is 11.34 pt, 227 twentieths: every row of the table, the heading rows too.
            const QByteArray xml = office::Package::read(path(c.number)).part(QStringLiteral("word/document.xml"));
            EXPECT_EQ(xml.count("<w:trHeight w:val=\"227\" w:hRule=\"atLeast\"/>"), doc.Tables(1).RowCount());
        }
    }
}

TEST_F(PackageDocumentsTest, PackageWithoutGroupsGetsTotalsOfZeroAndDistrictFallback)
{
    // No groups, no land of common use, no district or council chosen.
    state().TotalArea = 0;
    reference::state().DistrictName.clear();
    reference::state().CouncilName.clear();
    makeAll();
    for (const DocumentCase &c : documentCases()) {
        SCOPED_TRACE(QStringLiteral("document %1").arg(c.number).toStdString());
        office::WordApp app;
        office::Document &doc = app.Documents_Open(path(c.number));
        if (c.empty.firstRow)
            expectGrid(doc, c.empty, c.number != 12);
        if (c.number == 12) {
            EXPECT_EQ(doc.Tables(1).RowCount(), 7);
        }
    }

    // The district and council words of every document made from the fallback names "Невизначений
    // район" and "Невизначена рада"; the templates add the word "рада" themselves.
    const struct {
        int number;
        const char *bookmark, *text;
    } districts[] = {
        {2, "reg", "НЕВИЗНАЧЕНОГО"}, {3, "reg3", "НЕВИЗНАЧЕНИЙ"}, {3, "reg", "Невизначеного"},
        {5, "reg", "НЕВИЗНАЧЕНИЙ"},  {6, "reg", "НЕВИЗНАЧЕНА"},   {8, "reg", "НЕВИЗНАЧЕНОГО"},
        {9, "reg", "НЕВИЗНАЧЕНА"},   {9, "reg1", "Невизначеної"}, {10, "reg1", "Невизначеного"},
        {2, "rada", "НЕВИЗНАЧЕНА "}, {2, "radu", "Невизначеної"}, {4, "rada", "Невизначена "},
        {8, "rada1", "Невизначена "}, {11, "radu", "Невизначеної"},
    };
    for (const auto &d : districts) {
        office::WordApp app;
        EXPECT_EQ(app.Documents_Open(path(d.number)).Bookmarks(QLatin1String(d.bookmark)).Text(), QString::fromUtf8(d.text))
            << d.number << " " << d.bookmark;
    }
    office::WordApp app;
    // The customer of the technical task reads as the council is called.
    EXPECT_EQ(app.Documents_Open(path(4)).Tables(1).Cell(4, 3).Text(), QStringLiteral("Невизначена рада"));
    EXPECT_EQ(app.Documents_Open(path(8)).Bookmarks(QStringLiteral("arall")).Text(), ha(0));
    EXPECT_EQ(app.Documents_Open(path(9)).Bookmarks(QStringLiteral("zagkor")).Text(), ha(0));
}

TEST_F(PackageDocumentsTest, DistrictWordsKeepANameTooShortToDecline)
{
    const struct {
        const char *genitive, *ending, *text;
    } cases[] = {
        {"Києво-Святошинського", "ий", "Києво-Святошинський"},
        {"Фастівського", "а", "Фастівська"},
        {"Фастівського", "ої", "Фастівської"},
        // A district whose first word has three letters or fewer keeps its whole name.
        {"Бар район", "ий", "Бар район"},
        {"м. Біла Церква", "а", "м. Біла Церква"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DistrictWithEnding(QString::fromUtf8(c.genitive), QString::fromUtf8(c.ending)), QString::fromUtf8(c.text))
            << c.genitive << " + " << c.ending;
}

// Documents 2 and 10 and the explication read back by python-docx: the land office's head
// stands in the nominative under a label, and the explication's blank cells are blank.
TEST_F(PackageDocumentsTest, TheAddresseesAndTheExplicationReadRightWithTheValuesInPlace)
{
    twoGroups();
    makeAll();
    for (int number : {2, 10}) {
        SCOPED_TRACE(number);
        const QStringList paragraphs =
            builderstesting::readWithPythonDocx(path(number))[QStringLiteral("paragraphs")].toVariant().toStringList();
        const qsizetype at = paragraphs.indexOf(QStringLiteral("До Києво-Святошинського районного відділу земельних ресурсів"));
        ASSERT_GE(at, 0) << paragraphs.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(paragraphs.mid(at + 1, 2), (QStringList{QStringLiteral("Начальник відділу:"), RaiZem}));
        EXPECT_FALSE(paragraphs.join(QLatin1Char('\n')).contains(QStringLiteral("Начальнику")));
    }
    const QJsonArray explication =
        builderstesting::readWithPythonDocx(path(12))[QStringLiteral("tables")].toArray()[0].toArray();
    const auto cells = [&](int row) { return explication[row - 1].toVariant().toStringList().mid(2); };
    const QString blank;
    EXPECT_EQ(cells(6), (QStringList{ha(SumArea), ha(SumCat1 + SumCat2 + SumCat3), ha(SumCat1 + SumCat2 + SumCat3),
                                     ha(SumCat1), ha(SumCat2), ha(SumCat3), blank, blank, blank}));
    EXPECT_EQ(cells(7), (QStringList{ha(CommonLand), ha(CommonLand), blank, blank, blank, blank, blank, blank,
                                     ha(CommonLand)}));
}

// With no land office head stored, the addressee of documents 2 and 10 is the office alone, with
// no label "Начальник відділу:" over nothing, and document 3 names the head by his post; the
// signature lines stay, for the name to be written by hand.
TEST_F(PackageDocumentsTest, NoLabelStandsOverAMissingName)
{
    twoGroups();
    model::state().RaiZem.clear();
    makeAll();
    const auto paragraphsOf = [this](int number) {
        return builderstesting::readWithPythonDocx(path(number))[QStringLiteral("paragraphs")].toVariant().toStringList();
    };
    for (int number : {2, 10}) {
        SCOPED_TRACE(number);
        const QStringList paragraphs = paragraphsOf(number);
        const QString all = paragraphs.join(QLatin1Char('\n'));
        EXPECT_TRUE(paragraphs.contains(QStringLiteral("До Києво-Святошинського районного відділу земельних ресурсів")))
            << all.toStdString();
        EXPECT_FALSE(all.contains(QStringLiteral("Начальник відділу:"))) << all.toStdString();
    }
    const QString p3 = paragraphsOf(3).join(QLatin1Char('\n'));
    EXPECT_TRUE(p3.contains(QStringLiteral("від районного відділу — начальник відділу.\n"))) << p3.toStdString();
    EXPECT_TRUE(p3.contains(QStringLiteral("земельних ресурсів\t____________\t\n"))) << p3.toStdString();
    const QString p10 = paragraphsOf(10).join(QLatin1Char('\n'));
    EXPECT_TRUE(p10.contains(QStringLiteral("Начальник районного відділу\nземельних ресурсів\t____________\t\n")))
        << p10.toStdString();
}

// The organisation, a name in the nominative, stands under the label "виконавець робіт:" (or in
// brackets after "представник виконавця робіт"), never after "розроблено", "розроблену" or
// "доручає", which want another case.
TEST_F(PackageDocumentsTest, TheOrganisationStandsUnderALabel)
{
    twoGroups();
    makeAll();
    const QRegularExpression governed(QStringLiteral("(розроблен\\w*|доручає) ") + QRegularExpression::escape(Org));
    for (int number : {4, 5, 6, 7, 8, 9}) {
        SCOPED_TRACE(number);
        const QJsonObject docx = builderstesting::readWithPythonDocx(path(number));
        QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
        for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                texts += row.toVariant().toStringList();
        const QString all = texts.join(QLatin1Char('\n'));
        EXPECT_TRUE(all.contains(QStringLiteral("иконавець робіт: ") + Org)) << all.toStdString();
        EXPECT_FALSE(all.contains(governed)) << all.toStdString();
        if (number == 7) {
            EXPECT_TRUE(texts.contains(QStringLiteral("представник виконавця робіт (") + Org + QLatin1Char(')')));
        }
    }
}

// Every document of both kinds of package read back by python-docx, for a district, for a city of
// regional importance (3210300000, whose centre the territory dialog and an opened file's code both
// name by the city council) and for a council below such a city: the city's documents name its own
// council, land office and administration, and no district.
TEST_F(PackageDocumentsTest, EveryDocumentNamesTheDistrictOrTheCityOfRegionalImportance)
{
    twoGroups();
    const QStringList notForACity = {QStringLiteral("району"), QStringLiteral("районн"), QStringLiteral("РАЙОН"),
                                     QStringLiteral("міської міськ"), QStringLiteral("м Біла"), QStringLiteral("м Ірпінь"),
                                     QStringLiteral("Києво-Святошинського"), QStringLiteral("КИЄВО")};
    const struct Territory {
        const char *name, *district, *centre, *council;
        bool city;
        std::map<int, QStringList> phrases; ///< by document, 0 the combined report
    } territories[] = {
        {"district", "Києво-Святошинський район", "Києво-Святошинський район", "Софіївсько-Борщагівська сільська", false,
         {{1, {QStringLiteral("на території Софіївсько-Борщагівської сільської ради"),
               QStringLiteral("Києво-Святошинського району Київської області")}},
          {2, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКОГО РАЙОНУ КИЇВСЬКОЇ ОБЛАСТІ"),
               QStringLiteral("До Києво-Святошинського районного відділу земельних ресурсів")}},
          {3, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ РАЙОННИЙ ВІДДІЛ"), QStringLiteral("Районний відділ земельних ресурсів просить"),
               QStringLiteral("сільської ради Києво-Святошинського району, заяви"), QStringLiteral("подати до районного відділу"),
               QStringLiteral("від районного відділу —"), QStringLiteral("Начальник Києво-Святошинського районного відділу")}},
          {4, {QStringLiteral("Начальник Києво-Святошинського районного відділу земельних ресурсів"),
               QStringLiteral("Районний відділ земельних ресурсів доручає"),
               QStringLiteral("сільської ради Києво-Святошинського району відповідно"),
               QStringLiteral("доручення Києво-Святошинського районного відділу земельних ресурсів")}},
          {5, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ РАЙОННИЙ ВІДДІЛ"), QStringLiteral("Начальник районного відділу земельних ресурсів"),
               QStringLiteral("районного відділу земельних ресурсів щодо"), QStringLiteral("доручення районного відділу"),
               QStringLiteral("районний відділ земельних ресурсів установив")}},
          {6, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКА РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ"), QStringLiteral("архітектор району")}},
          {7, {QStringLiteral("начальник Києво-Святошинського районного відділу земельних ресурсів"),
               QStringLiteral("сільської ради Києво-Святошинського району встановлено"),
               QStringLiteral("Копію акта передано до Києво-Святошинського районного відділу")}},
          {8, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКОГО РАЙОНУ"), QStringLiteral("висновки районного відділу"),
               QStringLiteral("у відділі земельних ресурсів Києво-Святошинського району.")}},
          {9, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКА РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ"), QStringLiteral("Районному відділу земельних"),
               QStringLiteral("заступника голови Києво-Святошинської районної державної адміністрації."),
               QStringLiteral("Голова районної державної\nадміністрації\t"),
               QStringLiteral("до розпорядження голови районної державної адміністрації")}},
          {10, {QStringLiteral("До Києво-Святошинського районного відділу земельних ресурсів"),
                QStringLiteral("сільської ради Києво-Святошинського району згідно"),
                QStringLiteral("Начальник районного відділу\nземельних ресурсів\t")}},
          {0, {QStringLiteral("на території Софіївсько-Борщагівської сільської ради Києво-Святошинського району\n"),
               QStringLiteral("сільської ради Києво-Святошинського району розроблена")}}}},
        {"city of regional importance", "м Біла Церква", "Білоцерківська міська", "Білоцерківська міська", true,
         {{1, {QStringLiteral("на території Білоцерківської міської ради\nм. Біла Церква Київської області"),
               QStringLiteral("ради м. Біла Церква Київської області розроблена")}},
          {2, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКА РАДА\nМ. БІЛА ЦЕРКВА КИЇВСЬКОЇ ОБЛАСТІ"),
               QStringLiteral("До Білоцерківського міського відділу земельних ресурсів")}},
          {3, {QStringLiteral("БІЛОЦЕРКІВСЬКИЙ МІСЬКИЙ ВІДДІЛ"), QStringLiteral("Міський відділ земельних ресурсів просить"),
               QStringLiteral("Білоцерківської міської ради м. Біла Церква, заяви"), QStringLiteral("подати до міського відділу"),
               QStringLiteral("від міського відділу —"), QStringLiteral("Начальник Білоцерківського міського відділу")}},
          {4, {QStringLiteral("Начальник Білоцерківського міського відділу земельних ресурсів"),
               QStringLiteral("Міський відділ земельних ресурсів доручає"),
               QStringLiteral("Білоцерківської міської ради м. Біла Церква відповідно"),
               QStringLiteral("Додаток до доручення Білоцерківського міського відділу земельних ресурсів"),
               QStringLiteral("доручення Білоцерківського міського відділу земельних ресурсів")}},
          {5, {QStringLiteral("БІЛОЦЕРКІВСЬКИЙ МІСЬКИЙ ВІДДІЛ"), QStringLiteral("Начальник міського відділу земельних ресурсів"),
               QStringLiteral("міського відділу земельних ресурсів щодо"), QStringLiteral("доручення міського відділу"),
               QStringLiteral("міський відділ земельних ресурсів установив"),
               QStringLiteral("на території Білоцерківської міської ради м. Біла Церква\n")}},
          {6, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКДЕРЖАДМІНІСТРАЦІЯ\nВІДДІЛ МІСТОБУДУВАННЯ"),
               QStringLiteral("архітектор міста")}},
          {7, {QStringLiteral("начальник Білоцерківського міського відділу земельних ресурсів"),
               QStringLiteral("Білоцерківської міської ради м. Біла Церква встановлено"),
               QStringLiteral("в архіві Білоцерківського міського відділу земельних ресурсів. Копію акта передано до "
                              "Білоцерківського міського відділу земельних ресурсів")}},
          {8, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКА РАДА\nМ. БІЛА ЦЕРКВА\n"), QStringLiteral("висновки міського відділу"),
               QStringLiteral("Білоцерківської міської ради м. Біла Церква загальною"),
               QStringLiteral("у відділі земельних ресурсів м. Біла Церква.")}},
          {9, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКДЕРЖАДМІНІСТРАЦІЯ\nРОЗПОРЯДЖЕННЯ"),
               QStringLiteral("Міському відділу земельних ресурсів забезпечити"),
               QStringLiteral("заступника голови Білоцерківської міськдержадміністрації."),
               QStringLiteral("Голова Білоцерківської\nміськдержадміністрації\t"),
               QStringLiteral("до розпорядження голови міськдержадміністрації")}},
          {10, {QStringLiteral("До Білоцерківського міського відділу земельних ресурсів"),
                QStringLiteral("Білоцерківської міської ради м. Біла Церква згідно"),
                QStringLiteral("Начальник міського відділу\nземельних ресурсів\t")}},
          {11, {QStringLiteral("(паїв) Білоцерківської міської ради, яким")}},
          {0, {QStringLiteral("на території Білоцерківської міської ради м. Біла Церква\n"),
               QStringLiteral("Білоцерківської міської ради м. Біла Церква розроблена")}}}},
        {"council below such a city", "м Ірпінь", "Ірпінська міська", "Гостомельська селищна", true,
         {{2, {QStringLiteral("ГОСТОМЕЛЬСЬКА СЕЛИЩНА РАДА\nМ. ІРПІНЬ КИЇВСЬКОЇ ОБЛАСТІ"),
               QStringLiteral("До Ірпінського міського відділу земельних ресурсів")}},
          {6, {QStringLiteral("ІРПІНСЬКА МІСЬКДЕРЖАДМІНІСТРАЦІЯ")}},
          {9, {QStringLiteral("заступника голови Ірпінської міськдержадміністрації.")}},
          {0, {QStringLiteral("на території Гостомельської селищної ради м. Ірпінь\n")}}}},
    };
    for (const Territory &t : territories) {
        SCOPED_TRACE(t.name);
        registerstesting::SetTerritory("Київська область", t.district, t.centre, t.council);
        folder = QDir(testsupport::tempDir()).filePath(QStringLiteral("territory-%1").arg(++runs));
        QDir().mkpath(folder);
        folders().ReportFolder = folder;
        state().DocChosen.fill(true);
        state().DocChosen[0] = false;
        state().ReportMode = ReportShares;
        office::WordApp app;
        platform::NullProgress progress;
        const PackageReport shares = MakeReportDocuments(app, args, progress);
        ASSERT_EQ(shares.Done.size(), 12u) << shares.FailureText().toStdString();
        state().ReportMode = ReportPrivate;
        const PackageReport combined = MakeReportDocuments(app, args, progress);
        ASSERT_EQ(combined.Done.size(), 1u) << combined.FailureText().toStdString();

        for (int number = 0; number <= 12; ++number) {
            SCOPED_TRACE(number);
            const QJsonObject docx = builderstesting::readWithPythonDocx(
                number == 0 ? combined.Done[0].Result.Path : QDir(folder).filePath(QStringLiteral("p%1.docx").arg(number)));
            QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
            for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
                for (const QJsonValue &row : table.toArray())
                    texts += row.toVariant().toStringList();
            const QString all = texts.join(QLatin1Char('\n'));
            if (const auto it = t.phrases.find(number); it != t.phrases.end()) {
                for (const QString &phrase : it->second)
                    EXPECT_TRUE(all.contains(phrase)) << phrase.toStdString() << "\n in \n" << all.toStdString();
            }
            // No word is left out with both blanks around it (the enterprise's name is not given).
            EXPECT_FALSE(all.contains(QStringLiteral("  "))) << all.toStdString();
            if (t.city) {
                for (const QString &wrong : notForACity)
                    EXPECT_FALSE(all.contains(wrong)) << wrong.toStdString() << "\n in \n" << all.toStdString();
            }
        }
    }
}

// The combined report's note names the organisation under a label after the sentence it closes,
// in the nominative, and leaves out the label and its stop when the title block names none.
TEST_F(PackageDocumentsTest, TheCombinedReportNamesTheOrganisationUnderALabelOrNotAtAll)
{
    twoGroups();
    state().ReportMode = ReportPrivate;
    const QString year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    const QString sentence = QStringLiteral("Технічна документація із землеустрою щодо складання документів, що посвідчують "
                                            "право власності на земельні ділянки громадянам на території %1 ради %2 району "
                                            "розроблена у %3 році на підставі рішення %1 ради про надання дозволу на "
                                            "розроблення документації та заяв громадян.")
                                 .arg(CG, DG, year);
    for (const QString &organisation : {Org, QString()}) {
        SCOPED_TRACE(organisation.toStdString());
        reference::state().OrganTitle = organisation;
        office::WordApp app;
        platform::NullProgress progress;
        const PackageReport report = MakeReportDocuments(app, args, progress);
        ASSERT_EQ(report.Done.size(), 1u) << report.FailureText().toStdString();
        EXPECT_EQ(report.WithoutOrganisation, organisation.isEmpty() ? std::vector<int>{0} : std::vector<int>{});
        const QStringList paragraphs =
            builderstesting::readWithPythonDocx(report.Done[0].Result.Path)[QStringLiteral("paragraphs")].toVariant().toStringList();
        const QString expected = organisation.isEmpty()
                                     ? sentence
                                     : sentence + QStringLiteral(" Виконавець робіт: ТОВ «ЗЕМПРОЕКТ».");
        EXPECT_TRUE(paragraphs.contains(expected)) << paragraphs.join(QLatin1Char('\n')).toStdString();
        for (const QString &p : paragraphs)
            EXPECT_FALSE(p.contains(QStringLiteral("  ")) || p.contains(QStringLiteral("розроблена ТОВ"))) << p.toStdString();
    }
}
