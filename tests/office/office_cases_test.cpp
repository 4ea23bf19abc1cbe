#include "office/error.h"
#include "office/package_p.h"
#include "office/wordapp.h"
#include "platform/desktop.h"
#include "tests/support/fulldisk.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using office::Shape;

namespace {

QString templatePath()
{
    return QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/test/officetest.dotx"));
}

// A session whose bare file names go into a fresh folder, with a recording desktop.
struct Session {
    Session()
    {
        folder = testsupport::tempDir();
        app.SetDefaultFolder(folder);
        app.SetWorkFolder(folder + QStringLiteral("/work"));
        auto recording = std::make_unique<platform::RecordingDesktop>();
        desktop = recording.get();
        previous = platform::setDesktop(std::move(recording));
    }
    ~Session() { platform::setDesktop(std::move(previous)); }
    office::Document &add() { return app.Documents_Add(templatePath()); }

    office::WordApp app;
    QString folder;
    platform::RecordingDesktop *desktop = nullptr;
    std::unique_ptr<platform::Desktop> previous;
};

QByteArray mainContentType(const QString &path)
{
    const QByteArray types = office::Package::read(path).part(QStringLiteral("[Content_Types].xml"));
    const qsizetype at = types.indexOf("PartName=\"/word/document.xml\"");
    const qsizetype type = types.indexOf("ContentType=\"", at) + 13;
    return types.mid(type, types.indexOf('"', type) - type);
}

TEST(OfficeBookmarks, TextRules)
{
    const struct {
        const char *name;
        QString text;
        QString readBack;
        int paragraphs; // of the bookmark's range
    } cases[] = {
        {"plain", QStringLiteral("Сидоренко"), QStringLiteral("Сидоренко"), 1},
        {"leading blanks kept", QStringLiteral("   три пробіли"), QStringLiteral("   три пробіли"), 1},
        {"carriage return", QStringLiteral("перший\rдругий\r  третій"), QStringLiteral("перший\rдругий\r  третій"), 3},
        {"CR LF is one break", QStringLiteral("а\r\nб"), QStringLiteral("а\rб"), 2},
        {"line feed", QStringLiteral("а\nб"), QStringLiteral("а\rб"), 2},
        {"trailing return", QStringLiteral("а\r"), QStringLiteral("а\r"), 2},
        {"XML specials", QStringLiteral("<a & b> \"c\" 'd'"), QStringLiteral("<a & b> \"c\" 'd'"), 1},
        {"disallowed characters dropped", QStringLiteral("a\x01\x08z") + QChar(0xFFFE) + QChar(0xD800),
         QStringLiteral("az"), 1},
        {"tab", QStringLiteral("a\tb"), QStringLiteral("a\tb"), 1},
        {"empty", QString(), QString(), 1},
    };
    for (const auto &c : cases) {
        Session s;
        office::Document &doc = s.add();
        doc.Bookmarks(QStringLiteral("Sm")).SetText(c.text);
        const QString saved = doc.SaveAs(QStringLiteral("b"));
        office::Document &back = s.app.Documents_Open(saved);
        EXPECT_EQ(back.Bookmarks(QStringLiteral("Sm")).Text(), c.readBack) << c.name;
        // The paragraphs after the bookmark's own one take its indent and alignment, and the
        // text keeps the italics of the range's run; the text after it stays where it was.
        const QString body = back.Text();
        EXPECT_TRUE(body.contains(QStringLiteral("Межі: ") + c.readBack + QStringLiteral("\r№"))) << c.name;
        EXPECT_EQ(body.count(QLatin1Char('\r')), doc.Text().count(QLatin1Char('\r'))) << c.name;
        EXPECT_EQ(c.paragraphs, c.readBack.count(QLatin1Char('\r')) + 1) << c.name;
    }
}

TEST(OfficeBookmarks, NewParagraphsKeepParagraphAndRunFormatting)
{
    Session s;
    office::Document &doc = s.add();
    doc.Bookmarks(QStringLiteral("Sm")).SetText(QStringLiteral("один\rдва"));
    doc.Bookmarks(QStringLiteral("Owner")).SetText(QStringLiteral("x"));
    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("f"))).part(QStringLiteral("word/document.xml"));
    // Both paragraphs of the range carry the indent and justification, both runs the italics.
    EXPECT_EQ(xml.count("<w:ind w:left=\"567\"/><w:jc w:val=\"both\"/>"), 2);
    EXPECT_TRUE(xml.contains("<w:r><w:rPr><w:i/></w:rPr><w:t xml:space=\"preserve\">два</w:t></w:r><w:bookmarkEnd"));
    // An empty bookmark takes the formatting of the text before it.
    EXPECT_TRUE(xml.contains("<w:bookmarkStart w:id=\"1\" w:name=\"Owner\"/><w:r><w:t xml:space=\"preserve\">x</w:t></w:r><w:bookmarkEnd w:id=\"1\"/>"));
}

TEST(OfficeBookmarks, FontNameOfRangeAndOfEmptyRange)
{
    Session s;
    office::Document &doc = s.add();
    doc.Bookmarks(QStringLiteral("Owner")).SetFontName(QStringLiteral("Courier New"));
    doc.Bookmarks(QStringLiteral("Owner")).SetText(QStringLiteral("текст"));
    doc.Bookmarks(QStringLiteral("ZovaName")).SetText(QStringLiteral("План"));
    doc.Bookmarks(QStringLiteral("ZovaName")).SetFontName(QStringLiteral("Arial"));
    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("f"))).part(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(xml.contains("<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\" w:eastAsia=\"Courier New\" w:cs=\"Courier New\"/></w:rPr><w:t xml:space=\"preserve\">текст"));
    EXPECT_TRUE(xml.contains("<w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:eastAsia=\"Arial\" w:cs=\"Arial\"/></w:rPr><w:t xml:space=\"preserve\">План"));
}

TEST(OfficeErrors, MissingThingsAreCatchableAndNamed)
{
    Session s;
    office::Document &doc = s.add();
    EXPECT_TRUE(doc.HasBookmark(QStringLiteral("ZOVANAME")));
    const struct {
        const char *name;
        std::function<void()> call;
        const char *inMessage;
    } cases[] = {
        {"bookmark", [&] { doc.Bookmarks(QStringLiteral("NoSuch")); }, "NoSuch"},
        {"table", [&] { doc.Tables(3); }, "3"},
        {"table 0", [&] { doc.Tables(0); }, "0"},
        {"cell column", [&] { doc.Tables(1).Cell(2, 5); }, "(2, 5)"},
        {"cell row", [&] { doc.Tables(2).Cell(2, 1); }, "(2, 1)"},
        {"shape", [&] { doc.Shapes(QStringLiteral("main")); }, "main"},
        {"group member", [&] {
             doc.AddLine(0, 0, 1, 1).SetName(QStringLiteral("a"));
             doc.Group({QStringLiteral("a"), QStringLiteral("b")});
         }, "«b»"},
        {"group of one", [&] { doc.Group({QStringLiteral("a"), QStringLiteral("a")}); }, "дві"},
        {"text of a line", [&] { doc.AddLine(0, 0, 1, 1).SetText(QStringLiteral("x")); }, "написом"},
        {"missing template", [&] { s.app.Documents_Add(s.folder + QStringLiteral("/none.dotx")); }, "none.dotx"},
        {"save into a missing folder", [&] { doc.SaveAs(s.folder + QStringLiteral("/no/such/x")); }, "/no/such/x.docx"},
    };
    for (const auto &c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const office::Error &e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.inMessage))) << c.name << ": " << e.message().toStdString();
        }
    }

    const QString notZip = s.folder + QStringLiteral("/plain.dotx");
    QFile f(notZip);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a zip");
    f.close();
    try {
        s.app.Documents_Add(notZip);
        ADD_FAILURE() << "a text file opened as a template";
    } catch (const zova::Error &e) {
        EXPECT_TRUE(e.message().contains(notZip));
        EXPECT_EQ(e.file(), notZip);
    }
}

TEST(OfficeTables, RowsAddedLikeTheLastRowAndHeights)
{
    Session s;
    office::Document &doc = s.add();
    office::Table table = doc.Tables(1);
    ASSERT_EQ(table.RowCount(), 2);
    table.Rows_Add();
    table.Rows_Add();
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.ColumnCount(4), 4);
    EXPECT_EQ(table.Cell(4, 2).Text(), QString());
    EXPECT_EQ(table.Cell(2, 2).Text(), QStringLiteral("X"));
    table.Cell(4, 2).SetText(QStringLiteral("рядок\rдругий"));
    EXPECT_EQ(table.Cell(4, 2).Text(), QStringLiteral("рядок\rдругий"));
    table.Rows_SetHeight(11.34);
    doc.Tables(2).Cell(1, 1).SetText(QStringLiteral("Площа ділянки становить - 0,2500 га."));

    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("t"))).part(QStringLiteral("word/document.xml"));
    // Two heading rows, none added; each row at least 11.34 pt (227 twips); merges end.
    EXPECT_EQ(xml.count("<w:tblHeader/>"), 2);
    EXPECT_EQ(xml.count("<w:trHeight w:val=\"227\" w:hRule=\"atLeast\"/>"), 4);
    EXPECT_EQ(xml.count("<w:vMerge/>"), 2);
    // Every paragraph of the table keeps its alignment: 15 cells, one of them with two paragraphs.
    EXPECT_EQ(xml.count("<w:jc w:val=\"center\"/>"), 16);
    office::Document &back = s.app.Documents_Open(s.folder + QStringLiteral("/t.docx"));
    EXPECT_EQ(back.Tables(2).Cell(1, 1).Text(), QStringLiteral("Площа ділянки становить - 0,2500 га."));
    EXPECT_EQ(back.Bookmarks(QStringLiteral("Mash")).Text(), QString());
}

// A grown table's end kept with what follows: the last rows' paragraphs (one cell holding two)
// carry keepNext in its place among their properties, the earlier rows none, and rows added
// afterwards copy it from the last.
TEST(OfficeTables, LastRowsKeepWithWhatFollows)
{
    Session s;
    office::Document &doc = s.add();
    office::Table table = doc.Tables(1);
    for (int k = 0; k < 3; ++k)
        table.Rows_Add();
    table.Cell(5, 2).SetText(QStringLiteral("рядок\rдругий"));
    table.KeepLastRowsWithNext(2);
    office::Table area = doc.Tables(2);
    area.KeepLastRowsWithNext(5); // more rows than the table has: all of them, paragraphs without properties too

    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("k"))).part(QStringLiteral("word/document.xml"));
    const qsizetype fourth = xml.indexOf("<w:tr>", xml.indexOf("<w:tr>", xml.indexOf("<w:tr>", xml.indexOf("<w:tr>") + 1) + 1) + 1);
    EXPECT_EQ(xml.left(fourth).count("<w:keepNext/>"), 0);
    EXPECT_EQ(xml.count("<w:keepNext/>"), 4 + 5 + 2);
    EXPECT_TRUE(xml.contains("<w:pPr><w:keepNext/><w:jc w:val=\"center\"/>"));
    EXPECT_TRUE(xml.contains("<w:pPr><w:keepNext/></w:pPr><w:r><w:t>Площа"));
}

// A table kept with the one before it: the paragraphs between the two keep with next (once, however
// often it is asked), nothing before the body's first table does; rows kept whole add the mark to
// every row, and rows let break across sheets drop it.
TEST(OfficeTables, ParagraphsBeforeATableKeepWithIt)
{
    Session s;
    office::Document &doc = s.add();
    doc.Tables(1).KeepParagraphsBeforeWithNext();
    doc.Tables(2).KeepParagraphsBeforeWithNext();
    doc.Tables(2).KeepParagraphsBeforeWithNext();
    doc.Tables(1).Rows_SetAllowBreakAcrossPages(false);
    doc.Tables(2).Rows_SetAllowBreakAcrossPages(false);
    doc.Tables(2).Rows_SetAllowBreakAcrossPages(true);

    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("b"))).part(QStringLiteral("word/document.xml"));
    EXPECT_EQ(xml.count("<w:keepNext/>"), 1);
    const qsizetype between = xml.indexOf("<w:keepNext/>");
    EXPECT_GT(between, xml.indexOf("</w:tbl>"));
    EXPECT_LT(between, xml.lastIndexOf("<w:tbl>"));
    EXPECT_EQ(xml.count("<w:cantSplit/>"), 2); // the first table's two heading rows
    EXPECT_LT(xml.lastIndexOf("<w:cantSplit/>"), xml.indexOf("</w:tbl>"));
}

TEST(OfficeShapes, LinesRunFromTheirStartWhateverTheDirection)
{
    const struct {
        double x1, y1, x2, y2;
    } cases[] = {{10, 20, 110, 70}, {110, 20, 10, 70}, {10, 70, 110, 20}, {110, 70, 10, 20}, {50, 10, 50, 90}, {10, 40, 90, 40}};
    Session s;
    office::Document &doc = s.add();
    for (int i = 0; i < 6; ++i)
        doc.AddLine(cases[i].x1, cases[i].y1, cases[i].x2, cases[i].y2).SetName(QStringLiteral("l%1").arg(i));
    office::Document &back = s.app.Documents_Open(doc.SaveAs(QStringLiteral("l")));
    for (int i = 0; i < 6; ++i) {
        const QLineF line = back.Shapes(QStringLiteral("l%1").arg(i)).Line();
        EXPECT_EQ(line, QLineF(cases[i].x1, cases[i].y1, cases[i].x2, cases[i].y2)) << "case " << i;
    }
}

TEST(OfficeShapes, LineFormatting)
{
    Session s;
    office::Document &doc = s.add();
    for (int style = 0; style <= 9; ++style) {
        Shape line = doc.AddLine(0, style, 100, style);
        line.SetDashStyle(style);
        EXPECT_EQ(line.DashStyle(), style >= 1 && style <= 8 ? style : 1) << "dash " << style;
    }
    Shape stub = doc.AddLine(0, 0, 10, 10);
    EXPECT_EQ(stub.EndArrowheadStyle(), 1);
    EXPECT_NEAR(stub.Weight(), 0.75, 1e-9);
    stub.SetEndArrowhead(4, 1, 3);
    stub.SetWeight(1.5);
    EXPECT_EQ(stub.EndArrowheadStyle(), 4);
    EXPECT_NEAR(stub.Weight(), 1.5, 1e-9);
    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("s"))).part(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(xml.contains("<a:ln w=\"19050\"><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill><a:prstDash val=\"solid\"/>"
                             "<a:headEnd type=\"none\" w=\"sm\" len=\"sm\"/><a:tailEnd type=\"stealth\" w=\"lg\" len=\"sm\"/></a:ln>"));
    EXPECT_TRUE(xml.contains("<a:ln w=\"9525\" cap=\"rnd\"><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill><a:prstDash val=\"sysDot\"/>"));
}

TEST(OfficeShapes, JoiningKeepsOneFlatGroup)
{
    Session s;
    office::Document &doc = s.add();
    doc.AddLine(0, 0, 10, 0).SetName(QStringLiteral("main"));
    for (int i = 1; i <= 5; ++i) {
        doc.AddOval(i * 10, 0, 3, 3).SetName(QStringLiteral("new"));
        Shape g = doc.Group({QStringLiteral("main"), QStringLiteral("new")});
        g.SetName(QStringLiteral("main"));
    }
    // Label groups: the first two labels make a group, which then joins the main group.
    doc.AddTextBox(0, 100, 40, 20).SetName(QStringLiteral("sLm"));
    doc.AddTextBox(50, 100, 40, 20).SetName(QStringLiteral("sLmNew"));
    doc.Group({QStringLiteral("sLm"), QStringLiteral("sLmNew")}).SetName(QStringLiteral("MyLm 3"));
    EXPECT_EQ(doc.ShapesCount(), 2);
    Shape all = doc.Group({QStringLiteral("MyLm 3"), QStringLiteral("main")});
    EXPECT_EQ(all.Name(), QStringLiteral("MyLm 3"));
    all.SetName(QStringLiteral("main1"));
    EXPECT_EQ(doc.ShapesCount(), 1);

    office::Document &back = s.app.Documents_Open(doc.SaveAs(QStringLiteral("g")));
    EXPECT_EQ(back.ShapesCount(), 1);
    Shape group = back.Shapes(QStringLiteral("main1"));
    EXPECT_EQ(group.ItemNames(), (QStringList{"sLm", "sLmNew", "main", "new", "new", "new", "new", "new"}));
    EXPECT_EQ(group.Bounds(), QRectF(0, 0, 90, 120));
    const QByteArray xml = office::Package::read(s.folder + QStringLiteral("/g.docx")).part(QStringLiteral("word/document.xml"));
    EXPECT_EQ(xml.count("<wpg:wgp>"), 1);
    EXPECT_EQ(xml.count("<wp:anchor "), 1);
}

// A shape stands where a 32-bit EMU offset can say, at sizes the schema allows: anything else
// (no number, a place a few kilometres off the page) is refused before the shape is begun, and a
// document read with places beyond the schema refuses to join them rather than add them up.
TEST(OfficeShapes, PlacesBeyondWhatTheDocumentCanWriteAreRefused)
{
    Session s;
    office::Document &doc = s.add();
    const double far = office::MaxShapeOffset + 1, nan = std::nan("");
    const struct {
        const char *name;
        std::function<void()> add;
    } refused[] = {
        {"a line starting beyond the offset", [&] { doc.AddLine(far, 0, far + 10, 10); }},
        {"a line reaching 1e300 across", [&] { doc.AddLine(0, 0, 1e300, 0); }},
        {"an oval above the page", [&] { doc.AddOval(0, -far, 3, 3); }},
        {"a text box at no number", [&] { doc.AddTextBox(nan, 10, 40, 20); }},
        {"a text box of infinite height", [&] { doc.AddTextBox(10, 10, 40, INFINITY); }},
    };
    for (const auto &c : refused) {
        EXPECT_THROW(c.add(), office::Error) << c.name;
        EXPECT_EQ(doc.ShapesCount(), 0) << c.name;
    }
    Shape box = doc.AddTextBox(10, 10, 40, 20);
    EXPECT_THROW(box.SetHeight(1e300), office::Error);

    // The farthest place there is: its offset is the largest 32-bit number.
    doc.AddLine(-office::MaxShapeOffset, office::MaxShapeOffset, 0, office::MaxShapeOffset).SetName(QStringLiteral("edge"));
    const QString path = doc.SaveAs(QStringLiteral("far"));
    QByteArray xml = office::Package::read(path).part(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(xml.contains("<wp:posOffset>-2147483647</wp:posOffset>")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<wp:posOffset>2147483647</wp:posOffset>")) << xml.toStdString();

    office::Package package = office::Package::read(path);
    xml.replace("<wp:posOffset>-2147483647</wp:posOffset>", "<wp:posOffset>-9223372036854775807</wp:posOffset>");
    package.setPart(QStringLiteral("word/document.xml"), xml);
    QFile file(s.folder + QStringLiteral("/beyond.docx"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(package.write());
    file.close();
    office::Document &back = s.app.Documents_Open(file.fileName());
    back.Shapes(1).SetName(QStringLiteral("text"));
    try {
        back.Group({QStringLiteral("text"), QStringLiteral("edge")});
        ADD_FAILURE() << "joined a shape beyond the schema";
    } catch (const office::Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("«edge»"))) << e.message().toStdString();
    }
}

TEST(OfficeShapes, TextBoxFormattingBeforeAndAfterText)
{
    Session s;
    office::Document &doc = s.add();
    Shape box = doc.AddTextBox(10, 10, 100, 25);
    box.SetFontSize(8);
    box.SetBold(true);
    box.SetAlignment(1);
    box.SetNoSpacing();
    box.SetText(QStringLiteral(" 12\rдругий"));
    box.SetAlignment(0);
    box.SetHeight(50);
    EXPECT_EQ(box.Text(), QStringLiteral(" 12\rдругий"));
    EXPECT_EQ(box.Bounds(), QRectF(10, 10, 100, 50));
    const QByteArray xml = office::Package::read(doc.SaveAs(QStringLiteral("x"))).part(QStringLiteral("word/document.xml"));
    EXPECT_EQ(xml.count("<w:spacing w:before=\"0\" w:beforeAutospacing=\"0\" w:after=\"0\" w:afterAutospacing=\"0\"/><w:ind w:firstLine=\"0\"/><w:jc w:val=\"left\"/>"), 2);
    EXPECT_EQ(xml.count("<w:r><w:rPr><w:b/><w:bCs/><w:sz w:val=\"16\"/><w:szCs w:val=\"16\"/></w:rPr>"), 2);
}

TEST(OfficeSaving, NamesFoldersAndContentTypes)
{
    const struct {
        const char *given;
        const char *saved;
    } cases[] = {{"12_3_7", "12_3_7.docx"}, {"p1.doc", "p1.docx"}, {"a.DOCX", "a.DOCX"}, {"12.5_7", "12.5_7.docx"}};
    Session s;
    office::Document &doc = s.add();
    for (const auto &c : cases)
        EXPECT_EQ(doc.SaveAs(QString::fromUtf8(c.given)), s.folder + QLatin1Char('/') + QString::fromUtf8(c.saved)) << c.given;
    const QString elsewhere = testsupport::tempDir() + QStringLiteral("/out");
    EXPECT_EQ(doc.SaveAs(elsewhere), elsewhere + QStringLiteral(".docx"));
    EXPECT_EQ(doc.FullName(), elsewhere + QStringLiteral(".docx"));

    EXPECT_EQ(mainContentType(templatePath()), "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml");
    EXPECT_EQ(mainContentType(doc.FullName()), "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    // Only the parts of the package remain, no temporary file.
    EXPECT_EQ(QDir(QFileInfo(elsewhere).path()).entryList(QDir::Files), QStringList{"out.docx"});
}

TEST(OfficeSaving, AFullDiskKeepsTheOldDocument)
{
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        Session s;
        office::Document &doc = s.add();
        const QString path = QDir(disk.dir()).filePath(QStringLiteral("plan.docx"));
        doc.SaveAs(path);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        const QByteArray before = old.readAll();
        old.close();

        doc.Bookmarks(QStringLiteral("Owner")).SetText(QStringLiteral("Іваненко Петро"));
        disk.fill(0);
        try {
            doc.SaveAs(path);
            ADD_FAILURE() << "saved onto a full disk";
        } catch (const office::Error &e) {
            EXPECT_EQ(e.file(), path);
        }
        disk.release();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), before);
        EXPECT_EQ(QDir(disk.dir()).entryList(QDir::Files), QStringList{"plan.docx"});
    }
}

// A template with a footer: its bookmarks are the document's, its variables are read, and its
// shapes can be taken by number.
TEST(OfficeStories, FooterBookmarksVariablesAndShapesByNumber)
{
    Session s;
    office::Document &doc =
        s.app.Documents_Add(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/test/officestory.dotx")));
    EXPECT_EQ(doc.BookmarkNames(), (QStringList{QStringLiteral("Body"), QStringLiteral("Stamp")}));
    doc.Bookmarks(QStringLiteral("stamp")).SetText(QStringLiteral("Коваленко І.П."));
    EXPECT_EQ(doc.Variables(QStringLiteral("Region")), QStringLiteral("1.5 2 3 4"));
    EXPECT_EQ(doc.Variables(QStringLiteral("region")), QString()); // variable names keep their case
    EXPECT_EQ(doc.Variables(QStringLiteral("None")), QString());

    doc.AddLine(10, 20, 30, 40).SetName(QStringLiteral("a"));
    doc.AddTextBox(10, 20, 30, 40).SetName(QStringLiteral("b"));
    EXPECT_EQ(doc.Shapes(2).Name(), QStringLiteral("b"));
    EXPECT_THROW(doc.Shapes(3), office::Error);

    // Saved and printed: a change in the footer alone after saving is printed from a copy.
    const QString saved = doc.SaveAs(QStringLiteral("story"));
    doc.PrintOut();
    doc.Bookmarks(QStringLiteral("Stamp")).SetText(QStringLiteral("Шевчук О.М."));
    doc.PrintOut();
    ASSERT_EQ(s.desktop->printed.size(), 2);
    EXPECT_EQ(s.desktop->printed[0], saved);
    EXPECT_NE(s.desktop->printed[1], saved);
    doc.Close();

    office::Document &back = s.app.Documents_Open(saved);
    EXPECT_EQ(back.Bookmarks(QStringLiteral("Stamp")).Text(), QStringLiteral("Коваленко І.П."));
    EXPECT_EQ(back.Bookmarks(QStringLiteral("Body")).Text(), QStringLiteral("тіло"));
    const QByteArray footer = office::Package::read(saved).part(QStringLiteral("word/footer1.xml"));
    EXPECT_TRUE(footer.contains("PAGE")) << footer.constData();
}

TEST(OfficePrinting, DocumentsGoThroughTheDesktop)
{
    Session s;
    office::Document &doc = s.add();
    // Unsaved: printed from a copy; saved and unchanged: the saved file itself.
    doc.PrintOut();
    ASSERT_EQ(s.desktop->printed.size(), 1);
    EXPECT_TRUE(QFileInfo(s.desktop->printed[0]).isFile());
    const QString saved = doc.SaveAs(QStringLiteral("p"));
    doc.PrintOut();
    EXPECT_EQ(s.desktop->printed[1], saved);
    doc.Bookmarks(QStringLiteral("Owner")).SetText(QStringLiteral("пізніше"));
    doc.PrintOut();
    EXPECT_NE(s.desktop->printed[2], saved);

    // Left open: a bare name goes into the work folder, a full path where it says.
    EXPECT_TRUE(doc.ShowDocument(QStringLiteral("shown")));
    EXPECT_EQ(doc.FullName(), s.folder + QStringLiteral("/work/shown.docx"));
    EXPECT_TRUE(doc.ShowDocument(s.folder + QStringLiteral("/12_3_7")));
    EXPECT_EQ(doc.FullName(), s.folder + QStringLiteral("/12_3_7.docx"));
    EXPECT_EQ(s.desktop->opened, (QStringList{s.folder + QStringLiteral("/work/shown.docx"), s.folder + QStringLiteral("/12_3_7.docx")}));
    EXPECT_TRUE(QFileInfo(s.desktop->opened[0]).isFile());
    // Nothing to open it with: saved all the same, and said so.
    s.desktop->result = false;
    EXPECT_FALSE(doc.ShowDocument(QStringLiteral("unopened")));
    EXPECT_TRUE(QFileInfo(s.folder + QStringLiteral("/work/unopened.docx")).isFile());
    s.desktop->result = true;
    EXPECT_EQ(s.app.Documents_Count(), 1);
    doc.Close();
    EXPECT_EQ(s.app.ActiveDocument(), nullptr);

    s.desktop->result = false;
    office::Document &other = s.add();
    EXPECT_THROW(other.PrintOut(), office::Error);
}

TEST(OfficePrinting, BatchPagesAndCopies)
{
    Session s;
    const QString file = s.add().SaveAs(QStringLiteral("batch"));
    s.app.ActiveDocument()->Close();
    office::Document &opened = s.app.Documents_Open(file);
    EXPECT_EQ(s.app.ActiveDocument(), &opened);
    s.app.PrintOut(file, QStringLiteral("2"), 3);
    s.app.PrintOut(file, QStringLiteral("1"), 0); // a copy count below one prints one
    opened.Close();
    EXPECT_EQ(s.desktop->printedPages, (QStringList{file + QStringLiteral("|2|3"), file + QStringLiteral("|1|1")}));

    EXPECT_EQ(platform::printPdfCommand(QStringLiteral("/t/a.pdf"), QStringLiteral("2"), 3),
              (QStringList{"lp", "-n", "3", "-P", "2", "-o", "collate=true", "/t/a.pdf"}));
    EXPECT_EQ(platform::convertToPdfCommand(QStringLiteral("/d/a.docx"), QStringLiteral("/t"), QStringLiteral("/p")),
              (QStringList{"soffice", "-env:UserInstallation=file:///p", "--headless", "--convert-to", "pdf", "--outdir", "/t",
                           "/d/a.docx"}));

    s.desktop->result = false;
    try {
        s.app.PrintOut(file, QStringLiteral("1"), 1);
        ADD_FAILURE() << "a failed print passed";
    } catch (const office::Error &e) {
        EXPECT_TRUE(e.message().contains(file));
    }
    EXPECT_THROW(s.app.Documents_Open(s.folder + QStringLiteral("/missing.docx")), office::Error);
}

} // namespace
