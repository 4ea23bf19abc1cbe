#include "documents/plantemplates.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace documents;

TEST(ZovaTemplates, OneRowPerPaperAndVariant)
{
    const struct {
        int paper, variant;
        const char *file;
        int land, neighbour, area, catalogue;
    } cases[] = {
        {1, 1, "plma4p.dotx", 2, 3, 4, 0},
        {1, 2, "plma4p_k.dotx", 3, 4, 5, 2},
        {1, 8, "plma4p_epr_grom.dotx", 3, 2, 4, 0},
        {2, 3, "plma4l_kepr.dotx", 2, 1, 4, 5},
        {3, 4, "plma3p_kepa.dotx", 4, 2, 5, 3},
        {4, 6, "plma3l_epa.dotx", 3, 1, 2, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const ZovaTemplate *t = FindZovaTemplate(c.paper, c.variant);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->FileName, QString::fromLatin1(c.file));
        EXPECT_EQ(t->LandTable, c.land);
        EXPECT_EQ(t->NeighbourTable, c.neighbour);
        EXPECT_EQ(t->AreaTable, c.area);
        EXPECT_EQ(t->CatalogueTable, c.catalogue);
        EXPECT_EQ(t->BuildsSides(), c.variant >= 2 && c.variant <= 4);
    }
    // Commercial and public use exist on A4 portrait only; nothing outside the table.
    for (auto [paper, variant] : {std::pair{2, 7}, {3, 8}, {4, 7}, {0, 1}, {5, 1}, {1, 0}, {1, 9}})
        EXPECT_EQ(FindZovaTemplate(paper, variant), nullptr) << paper << "/" << variant;

    QSet<QString> files;
    for (const ZovaTemplate &t : ZovaTemplates())
        files.insert(t.FileName);
    EXPECT_EQ(files.size(), 26);
}

namespace {

QString roleName(const ZovaTemplate &t, int index)
{
    if (index == t.LandTable)
        return QStringLiteral("land");
    if (index == t.NeighbourTable)
        return QStringLiteral("neighbour");
    if (index == t.AreaTable)
        return QStringLiteral("area");
    return QStringLiteral("catalogue");
}

} // namespace

// Half the side of the square around the drawing centre that the largest automatic drawing
// takes: 236.25 pt across (25 m at 1:300) and 37 pt of stubs and letters beyond its vertices.
constexpr double LargestDrawingHalf = 156;

// Every packed plan template, and the approval plan's, carries exactly the bookmarks and the
// tables, at their numbers and of the shape, that the builder fills; its title block, on every
// sheet, in the footer; and the regions of its page in their places.
TEST(ZovaTemplates, PackedTemplatesCarryWhatTheBuilderFills)
{
    QJsonArray expectations;
    std::vector<ZovaTemplate> templates = ZovaTemplates();
    templates.push_back(ApprovalTemplate());
    for (const ZovaTemplate &t : templates) {
        QJsonObject tables;
        for (int index : {t.LandTable, t.NeighbourTable, t.AreaTable, t.CatalogueTable})
            if (index != 0)
                tables.insert(QString::number(index), roleName(t, index));
        if (&t == &templates.back())
            tables.insert(QString::number(ApprovalTable), QStringLiteral("approval"));
        const bool list = LandTableKindOf(t.Variant) == LandTableKind::UseList;
        expectations.append(QJsonObject{
            {QStringLiteral("file"), t.FileName},
            {QStringLiteral("path"), QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/") + t.FileName)},
            {QStringLiteral("paper"), t.Paper},
            {QStringLiteral("bookmarks"), QJsonArray::fromStringList(ZovaBookmarks())},
            {QStringLiteral("tables"), tables},
            {QStringLiteral("landColumns"), LandTableColumns(t.Variant)},
            {QStringLiteral("landRow"), list ? 0 : SixZemDataRow},
            {QStringLiteral("catalogueHeadingRows"), CatalogueHeadingRows},
            {QStringLiteral("centre"), QJsonArray{t.CentreX, t.CentreY}},
            {QStringLiteral("largestDrawingHalf"), LargestDrawingHalf},
        });
    }
    QProcess checker;
    checker.start(QStringLiteral("/usr/bin/python3"),
                  {testsupport::sourcePath(QStringLiteral("tests/plantemplates/check_templates.py"))});
    ASSERT_TRUE(checker.waitForStarted());
    checker.write(QJsonDocument(expectations).toJson());
    checker.closeWriteChannel();
    ASSERT_TRUE(checker.waitForFinished(60000));
    EXPECT_EQ(checker.exitCode(), 0) << checker.readAllStandardError().toStdString();
    EXPECT_EQ(checker.readAllStandardOutput().trimmed().toStdString(), std::string());
}
