#include "office/error.h"
#include "office/wordapp.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using office::Shape;

namespace {

QString templatePath()
{
    return QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/test/officetest.dotx"));
}

QByteArray run(const QString &program, const QStringList &args, int timeoutMs = 600000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The PDF LibreOffice makes of a document, through the program's own conversion command.
QString convertToPdf(const QString &docx)
{
    return testsupport::ConvertToPdf(docx, testsupport::tempDir());
}

// Fills the test template the way the document builders do: bookmarks, the catalogue table and
// a parcel drawing of lines, vertex circles and labels joined into one group "main".
QString makeFilledDocument(const QString &folder)
{
    office::WordApp app;
    app.SetDefaultFolder(folder);
    office::Document &doc = app.Documents_Add(templatePath());
    doc.Bookmarks(QStringLiteral("ZovaName")).SetFontName(QStringLiteral("Arial"));
    doc.Bookmarks(QStringLiteral("zovaname")).SetText(QStringLiteral("Кадастровий план"));
    doc.Bookmarks(QStringLiteral("Owner")).SetText(QStringLiteral("Іваненко Петро"));
    doc.Bookmarks(QStringLiteral("SM")).SetText(QStringLiteral("Від А до Б землі запасу\r   Від Б до А дорога"));
    doc.Bookmarks(QStringLiteral("Mash")).SetText(QStringLiteral("500"));

    office::Table table = doc.Tables(1);
    table.SetFont(QStringLiteral("Arial"), 9, false, true);
    for (int i = 0; i < 3; ++i)
        table.Rows_Add();
    const char *const cells[3][4] = {{"1", "5512.10", "3310.55", ""}, {"", "", "", "70.71"}, {"2", "5562.10", "3360.55", ""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            table.Cell(r + 3, c + 1).SetText(QString::fromUtf8(cells[r][c]));

    // A square of side 200 pt at (150, 450)-(350, 650): thick sides, a dashed diagonal stub
    // with a stealth arrowhead, circles on the corners and labels.
    const double xs[] = {150, 350, 350, 150}, ys[] = {450, 450, 650, 650};
    for (int i = 0; i < 4; ++i) {
        Shape side = doc.AddLine(xs[i], ys[i], xs[(i + 1) % 4], ys[(i + 1) % 4]);
        side.SetDashStyle(1);
        side.SetWeight(3);
        side.SetName(i == 0 ? QStringLiteral("main") : QStringLiteral("new"));
        if (i > 0)
            doc.Group({QStringLiteral("main"), QStringLiteral("new")}).SetName(QStringLiteral("main"));
    }
    for (int i = 0; i < 4; ++i) {
        Shape oval = doc.AddOval(xs[i] - 1.5, ys[i] - 1.5, 3, 3);
        oval.SetName(QStringLiteral("new"));
        doc.Group({QStringLiteral("main"), QStringLiteral("new")}).SetName(QStringLiteral("main"));
    }
    Shape stub = doc.AddLine(350, 450, 450, 350);
    stub.SetEndArrowhead(4, 1, 3);
    stub.SetDashStyle(4);
    stub.SetWeight(2);
    stub.SetName(QStringLiteral("new"));
    doc.Group({QStringLiteral("main"), QStringLiteral("new")}).SetName(QStringLiteral("main"));

    Shape letter = doc.AddTextBox(452, 330, 22, 32);
    letter.SetFontSize(10);
    letter.SetBold(true);
    letter.SetAlignment(1);
    letter.SetNoSpacing();
    letter.SetText(QStringLiteral("А"));
    Shape area = doc.AddTextBox(200, 380, 100, 25);
    area.SetFontSize(10);
    area.SetAlignment(1);
    area.SetNoSpacing();
    area.SetText(QStringLiteral("Ділянка № 1\r0,4000 га."));
    area.SetHeight(50);
    area.SetName(QStringLiteral("area"));
    return doc.SaveAs(QStringLiteral("filled"));
}

class FilledDocument : public ::testing::Test {
protected:
    static void SetUpTestSuite() { path = makeFilledDocument(testsupport::tempDir()); }
    static QString path;
};
QString FilledDocument::path;

TEST_F(FilledDocument, ReadsBackThroughOffice)
{
    ASSERT_TRUE(QFileInfo(path).isFile());
    EXPECT_TRUE(path.endsWith(QLatin1String("/filled.docx")));
    office::WordApp app;
    office::Document &doc = app.Documents_Open(path);
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("ZovaName")).Text(), QStringLiteral("Кадастровий план"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("owner")).Text(), QStringLiteral("Іваненко Петро"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("Sm")).Text(), QStringLiteral("Від А до Б землі запасу\r   Від Б до А дорога"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("Mash")).Text(), QStringLiteral("500"));

    office::Table table = doc.Tables(1);
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.Cell(1, 2).Text(), QStringLiteral("Координати"));
    EXPECT_EQ(table.Cell(3, 2).Text(), QStringLiteral("5512.10"));
    EXPECT_EQ(table.Cell(4, 4).Text(), QStringLiteral("70.71"));
    EXPECT_EQ(table.Cell(5, 1).Text(), QStringLiteral("2"));
    EXPECT_EQ(table.ColumnCount(4), 4);

    // One group holds the sides, the circles and the stub; the labels stand on their own.
    EXPECT_EQ(doc.ShapesCount(), 3);
    Shape main = doc.Shapes(QStringLiteral("main"));
    EXPECT_EQ(main.Type(), Shape::Kind::Group);
    EXPECT_EQ(main.ItemNames().size(), 9);
    const QRectF box = main.Bounds();
    EXPECT_NEAR(box.left(), 148.5, 0.01);
    EXPECT_NEAR(box.top(), 350, 0.01);
    EXPECT_NEAR(box.right(), 450, 0.01);
    EXPECT_NEAR(box.bottom(), 651.5, 0.01);
    Shape label = doc.Shapes(QStringLiteral("area"));
    EXPECT_EQ(label.Type(), Shape::Kind::TextBox);
    EXPECT_EQ(label.Text(), QStringLiteral("Ділянка № 1\r0,4000 га."));
    EXPECT_NEAR(label.Bounds().height(), 50, 0.01);
}

TEST_F(FilledDocument, ReadsBackThroughPythonDocx)
{
    const QByteArray out = run(QStringLiteral("/usr/bin/python3"),
                               {testsupport::sourcePath(QStringLiteral("tests/office/read_docx.py")), path});
    const QJsonObject json = QJsonDocument::fromJson(out).object();
    ASSERT_FALSE(json.isEmpty()) << out.toStdString();

    const QJsonArray paragraphs = json[QStringLiteral("paragraphs")].toArray();
    ASSERT_GE(paragraphs.size(), 4);
    EXPECT_EQ(paragraphs[0].toString(), QStringLiteral("Кадастровий план"));
    EXPECT_EQ(paragraphs[1].toString(), QStringLiteral("Власник: Іваненко Петро (кінець)"));
    EXPECT_EQ(paragraphs[2].toString(), QStringLiteral("Межі: Від А до Б землі запасу"));
    EXPECT_EQ(paragraphs[3].toString(), QStringLiteral("   Від Б до А дорога"));

    const QJsonObject bookmarks = json[QStringLiteral("bookmarks")].toObject();
    EXPECT_EQ(bookmarks[QStringLiteral("ZovaName")].toString(), QStringLiteral("Кадастровий план"));
    EXPECT_EQ(bookmarks[QStringLiteral("Sm")].toString(), QStringLiteral("Від А до Б землі запасу\r   Від Б до А дорога"));
    EXPECT_EQ(bookmarks[QStringLiteral("Mash")].toString(), QStringLiteral("500"));

    const QJsonArray rows = json[QStringLiteral("tables")].toArray()[0].toArray();
    ASSERT_EQ(rows.size(), 5);
    const QStringList expected[] = {{"1", "5512.10", "3310.55", ""}, {"", "", "", "70.71"}, {"2", "5562.10", "3360.55", ""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(rows[r + 2].toArray()[c].toString(), expected[r][c]) << "row " << r + 3 << " column " << c + 1;

    for (const QJsonValue &font : json[QStringLiteral("tableFonts")].toArray()) {
        EXPECT_EQ(font[QStringLiteral("name")].toString(), QStringLiteral("Arial"));
        EXPECT_EQ(font[QStringLiteral("size")].toDouble(), 9.0);
        EXPECT_FALSE(font[QStringLiteral("bold")].toBool(true));
        EXPECT_TRUE(font[QStringLiteral("italic")].toBool());
    }
    EXPECT_FALSE(json[QStringLiteral("tableFonts")].toArray().isEmpty());
}

TEST_F(FilledDocument, LibreOfficeShowsTextsInOrderAndShapesInPlace)
{
    const QString pdf = convertToPdf(path);
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    qsizetype at = 0;
    for (const char *piece : {"Кадастровий план", "Власник: Іваненко Петро (кінець)", "Від А до Б землі запасу",
                              "Від Б до А дорога", "Координати", "5512.10", "70.71", "5562.10", "500",
                              "Кінець документа"}) {
        const qsizetype found = text.indexOf(QString::fromUtf8(piece), at);
        EXPECT_GE(found, 0) << piece << " after offset " << at << " in\n" << text.toStdString();
        if (found >= 0)
            at = found;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Ділянка № 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("0,4000 га.")));

    // At 72 dots per inch a pixel is a point, so the shapes' page points are pixel positions.
    const QString png = qEnvironmentVariableIsSet("ZOVA_KEEP_PNG") ? qEnvironmentVariable("ZOVA_KEEP_PNG")
                                                                  : QFileInfo(pdf).path() + QStringLiteral("/page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QStringLiteral("1"),
                                     QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, png});
    QImage image(png + QStringLiteral(".png"));
    ASSERT_FALSE(image.isNull());
    ASSERT_NEAR(image.width(), 595, 1); // A4 is 595.3 points wide
    auto dark = [&](int x, int y) {
        // The darkest pixel within one point, as lines are anti-aliased.
        int best = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                best = std::min(best, qGray(image.pixel(x + dx, y + dy)));
        return best < 100;
    };
    const struct {
        int x, y;
        bool ink;
        const char *what;
    } probes[] = {
        {250, 450, true, "top side"},       {350, 550, true, "right side"}, {250, 650, true, "bottom side"},
        {150, 550, true, "left side"},      {250, 550, false, "inside"},    {100, 550, false, "left of the parcel"},
        {400, 550, false, "right of it"},   {250, 700, false, "below it"},
    };
    for (const auto &p : probes)
        EXPECT_EQ(dark(p.x, p.y), p.ink) << p.what << " at " << p.x << ", " << p.y;
    // The stub is dashed: along it both ink and gaps.
    int ink = 0, gap = 0;
    for (int t = 10; t < 90; ++t)
        (dark(350 + t, 450 - t) ? ink : gap)++;
    EXPECT_GT(ink, 10);
    EXPECT_GT(gap, 5);
}

} // namespace
