#include "model/mifexport.h"

#include "common/error.h"
#include "model/exchangereader.h"
#include "platform/codepage.h"
#include "tests/model/points.h"
#include "tests/model/printing.h"
#include "tests/support/fulldisk.h"
#include "tests/support/lockedfiles.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

using namespace model;

namespace {

QString text(const QByteArray &bytes)
{
    return platform::Decode(bytes, platform::CodePage::Win);
}

// Parcel 1: four points, no land-use areas. Parcel 2: no points, three land-use areas, the
// last without points, and texts with commas, quotes and a line break.
ParcelList fixture()
{
    ParcelList parcels;
    Parcel &a = parcels[CreateParcel(parcels)];
    a.NM = QStringLiteral("Дем'янчук Мар'яна");
    a.AD = QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 1");
    a.KZ = QStringLiteral("22");
    a.Number = QStringLiteral("0001");
    for (const auto &[x, y] : {std::pair{5585419.54, 526130.69}, {5585469.5, 526130.0},
                               {5585470.0, 526156.15}, {-12.5, 0.0}})
        a.Points.Add(MakePoint(x, y));
    Parcel &b = parcels[CreateParcel(parcels)];
    b.NM = QStringLiteral("ТОВ \"Колос\"");
    b.PZ = QStringLiteral("РС,12,\r\n15.03.2005");
    for (const char *code : {"01,рілля", "02,сад", "16"}) {
        LandUseArea u;
        u.CN = QString::fromUtf8(code);
        if (u.CN != QLatin1String("16"))
            for (const auto &[x, y] : {std::pair{0.0, 0.0}, {0.0, 10.0}, {10.0, 0.0}})
                u.Points.Add(MakePoint(x, y));
        b.LandUses.Add(u);
    }
    return parcels;
}

} // namespace

TEST(MifMidBytes, HeadersRowsAndRegions)
{
    ParcelList parcels = fixture();
    for (int n : {1, 2}) {
        Parcel &p = parcels[CreateParcel(parcels)];
        p.Points.Add(MakePoint(5, 7));
        if (n == 2)
            p.Points.Add(MakePoint(-6.5, 8.25));
    }
    const MifFiles f = MifMidBytes(parcels);
    const QString header = QStringLiteral(
        "Version 300\r\nCharset \"WindowsCyrillic\"\r\nDelimiter \",\"\r\n"
        "CoordSys NonEarth Units \"m\" Bounds (-100000, -100000) (10000000, 10000000)\r\n");
    EXPECT_EQ(text(f.DilMif),
              header + QStringLiteral(
                  "Columns 9\r\n  ID Integer\r\n  NM Char(254)\r\n  AD Char(254)\r\n"
                  "  AU Char(254)\r\n  KF Char(12)\r\n  PP Char(200)\r\n  KZ Char(4)\r\n"
                  "  PZ Char(254)\r\n  SC Char(50)\r\nData\r\n\r\n"
                  "Region  1\r\n  4\r\n526130.6900 5585419.5400\r\n526130.0000 5585469.5000\r\n"
                  "526156.1500 5585470.0000\r\n0.0000 -12.5000\r\n"
                  "none\r\nPoint 7.0000 5.0000\r\nLine 7.0000 5.0000 8.2500 -6.5000\r\n"));
    EXPECT_EQ(text(f.DilMid),
              QStringLiteral("1,\"Дем'янчук Мар'яна\",\"с. Софіївська Борщагівка, вул. Садова, 1\","
                             "\"\",\"\",\"\",\"22\",\"\",\"0001\"\r\n"
                             "2,\"ТОВ \"\"Колос\"\"\",\"\",\"\",\"\",\"\",\"\",\"РС,12, 15.03.2005\",\"\"\r\n"
                             "3,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n4,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    EXPECT_EQ(text(f.UgdMif),
              header + QStringLiteral("Columns 2\r\n  SR_ID Integer\r\n  CN Char(254)\r\nData\r\n\r\n"
                                      "Region  1\r\n  3\r\n0.0000 0.0000\r\n10.0000 0.0000\r\n"
                                      "0.0000 10.0000\r\n"
                                      "Region  1\r\n  3\r\n0.0000 0.0000\r\n10.0000 0.0000\r\n"
                                      "0.0000 10.0000\r\n"
                                      "none\r\n"));
    EXPECT_EQ(text(f.UgdMid), QStringLiteral("2,\"01,рілля\"\r\n2,\"02,сад\"\r\n2,\"16\"\r\n"));
}

TEST(MifMidBytes, NothingThatIsNotAFiniteNumberIsWritten)
{
    ParcelList parcels = fixture();
    parcels[2].LandUses[2].Points[3].X = std::numeric_limits<double>::infinity();
    try {
        MifMidBytes(parcels);
        ADD_FAILURE() << "an infinite coordinate written";
    } catch (const zova::Error &e) {
        EXPECT_TRUE(e.message().startsWith("Ділянка 2, угіддя 2, пікет 3")) << e.message().toStdString();
    }
}

TEST(ExportMifMid, ReplacesEarlierOutputAndReportsFailures)
{
    const QString dir = testsupport::tempDir();
    ParcelList many = fixture();
    many.Add(many[1]);
    ExportMifMid(many, dir);
    ExportMifMid(fixture(), dir);
    QFile mid(QDir(dir).filePath("dil.mid"));
    ASSERT_TRUE(mid.open(QIODevice::ReadOnly));
    EXPECT_EQ(mid.readAll(), MifMidBytes(fixture()).DilMid);

    try {
        ExportMifMid(fixture(), QDir(dir).filePath("missing/folder"));
        ADD_FAILURE() << "exported into a missing folder";
    } catch (const zova::Error &e) {
        EXPECT_TRUE(e.file().endsWith("dil.mif")) << e.file().toStdString();
    }
}

namespace {

// Areas of the polygons that ogrinfo read, in feature order, with one attribute per feature.
struct OgrFeature {
    QString attribute;
    double area = 0;
    QString geometry; ///< POLYGON, POINT, LINESTRING; empty for none
};

std::vector<OgrFeature> ogrFeatures(const QString &path, const QString &field)
{
    QProcess ogr;
    ogr.start(QStringLiteral("ogrinfo"), {QStringLiteral("-ro"), QStringLiteral("-al"),
                                          QStringLiteral("-q"), path});
    if (!ogr.waitForFinished(60000) || ogr.exitCode() != 0) {
        ADD_FAILURE() << "ogrinfo failed on " << path.toStdString() << ": "
                      << ogr.readAllStandardError().toStdString();
        return {};
    }
    const QByteArray errors = ogr.readAllStandardError();
    EXPECT_FALSE(errors.contains("ERROR")) << errors.toStdString();
    std::vector<OgrFeature> features;
    const QString out = QString::fromUtf8(ogr.readAllStandardOutput());
    const QRegularExpression fieldLine(QStringLiteral("^  %1 \\(String\\) = (.*)$").arg(field));
    const QRegularExpression polygon(QStringLiteral("^  POLYGON \\(\\((.*)\\)\\)$"));
    const QRegularExpression geometryLine(QStringLiteral("^  (POLYGON|POINT|LINESTRING) "));
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("OGRFeature")))
            features.emplace_back();
        if (features.empty())
            continue;
        if (const auto m = fieldLine.match(line); m.hasMatch())
            features.back().attribute = m.captured(1);
        if (const auto m = geometryLine.match(line); m.hasMatch())
            features.back().geometry = m.captured(1);
        if (const auto m = polygon.match(line); m.hasMatch()) {
            std::vector<std::pair<double, double>> pts;
            for (const QString &pair : m.captured(1).split(QLatin1Char(','))) {
                const QStringList xy = pair.trimmed().split(QLatin1Char(' '));
                pts.emplace_back(xy.value(0).toDouble(), xy.value(1).toDouble());
            }
            // Taken from the first vertex: products of survey coordinates would drown the area.
            double twice = 0;
            const auto [x0, y0] = pts.front();
            for (size_t i = 0; i + 1 < pts.size(); ++i)
                twice += (pts[i].first - x0) * (pts[i + 1].second - y0) -
                         (pts[i + 1].first - x0) * (pts[i].second - y0);
            features.back().area = std::fabs(twice) / 2;
        }
    }
    return features;
}

} // namespace

TEST(ExportMifMid, AGisReaderOpensTheSampleExport)
{
    platform::NullProgress progress;
    const LoadResult r = LoadExchangeFile(
        testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2, progress);
    const QString dir = testsupport::tempDir();
    ExportMifMid(r.Parcels, dir);

    const std::vector<OgrFeature> parcels = ogrFeatures(QDir(dir).filePath("dil.mif"), "NM");
    ASSERT_EQ(int(parcels.size()), r.Parcels.UBound());
    for (int i = 1; i <= r.Parcels.UBound(); ++i) {
        EXPECT_EQ(parcels[i - 1].attribute, r.Parcels[i].NM);
        EXPECT_NEAR(parcels[i - 1].area, r.Parcels[i].Area, 1e-4) << i;
    }

    const std::vector<OgrFeature> areas = ogrFeatures(QDir(dir).filePath("ugd.mif"), "CN");
    ASSERT_EQ(int(areas.size()), r.LandUseCount);
    size_t k = 0;
    for (const Parcel &p : r.Parcels)
        for (const LandUseArea &u : p.LandUses) {
            EXPECT_EQ(areas[k].attribute, u.CN);
            EXPECT_NEAR(areas[k].area, u.Area, 1e-4) << k;
            ++k;
        }
}

TEST(ExportMifMid, RingsTooShortForARegionStillReachAGisReader)
{
    // After the fixture's parcel without points: parcels of one and of two points, with land-use
    // areas of one and two points among whole ones.
    ParcelList parcels = fixture();
    for (int n : {1, 2}) {
        Parcel &p = parcels[CreateParcel(parcels)];
        p.NM = QStringLiteral("%1 пікет(и)").arg(n);
        for (int k = 0; k < n; ++k)
            p.Points.Add(MakePoint(100 + k, 200 + k));
        for (int m : {1, 3, 2}) {
            LandUseArea u;
            u.CN = QStringLiteral("%1 of %2").arg(m).arg(n);
            for (int k = 0; k < m; ++k)
                u.Points.Add(MakePoint(100 + k, 200 + k * k));
            p.LandUses.Add(u);
        }
    }
    const QString dir = testsupport::tempDir();
    ExportMifMid(parcels, dir);

    const std::vector<OgrFeature> read = ogrFeatures(QDir(dir).filePath("dil.mif"), "NM");
    ASSERT_EQ(read.size(), 4u);
    const char *const parcelGeometry[] = {"POLYGON", "", "POINT", "LINESTRING"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(read[i].attribute, parcels[i + 1].NM);
        EXPECT_EQ(read[i].geometry, parcelGeometry[i]) << i;
    }
    const std::vector<OgrFeature> areas = ogrFeatures(QDir(dir).filePath("ugd.mif"), "CN");
    ASSERT_EQ(areas.size(), 9u);
    const char *const areaGeometry[] = {"POLYGON", "POLYGON", "", "POINT", "POLYGON", "LINESTRING",
                                        "POINT", "POLYGON", "LINESTRING"};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(areas[k].geometry, areaGeometry[k]) << k;
    EXPECT_EQ(areas[8].attribute, "2 of 2");
}

TEST(ExportMifMid, AFailureWhileWritingTheThirdFileLeavesAllFourOldFiles)
{
    // dil.mif and dil.mid fit into the room left; ugd.mif, with a long land-use outline, does not.
    ParcelList parcels = fixture();
    LandUseArea outline;
    outline.CN = QStringLiteral("01");
    for (int i = 0; i < 2000; ++i)
        outline.Points.Add(MakePoint(5585000 + i, 526000 + (i % 7)));
    parcels[2].LandUses.Add(outline);
    const char *const names[] = {"dil.mif", "dil.mid", "ugd.mif", "ugd.mid"};
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        const QDir dir(disk.dir());
        for (const char *name : names) {
            QFile old(dir.filePath(name));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(QByteArray("old ") + name);
        }
        disk.fill(12288);
        try {
            ExportMifMid(parcels, dir.path());
            ADD_FAILURE() << "exported onto a full disk";
        } catch (const zova::Error &e) {
            EXPECT_EQ(e.file(), dir.filePath("ugd.mif"));
        }
        disk.release();
        for (const char *name : names) {
            QFile old(dir.filePath(name));
            ASSERT_TRUE(old.open(QIODevice::ReadOnly));
            EXPECT_EQ(old.readAll(), QByteArray("old ") + name);
        }
        EXPECT_EQ(dir.entryList(QDir::Files).size(), 4); // no temporary file left behind
    }
}

TEST(ExportMifMid, ARenameRefusedOnTheThirdFileLeavesAllFourOldFiles)
{
    // In a folder shared as /tmp is, ugd.mif belongs to another user: the new dil.mif and dil.mid
    // take their names, ugd.mif cannot.
    const char *const names[] = {"dil.mif", "dil.mid", "ugd.mif", "ugd.mid"};
    testsupport::SharedFolder shared;
    const QDir dir(shared.dir());
    for (const char *name : names) {
        QFile old(dir.filePath(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray("old ") + name);
    }
    ASSERT_TRUE(shared.giveAway(dir.filePath("ugd.mif")));
    ASSERT_TRUE(shared.holdToTheRule());
    try {
        ExportMifMid(fixture(), dir.path());
        ADD_FAILURE() << "replaced a file of another user";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.file(), dir.filePath("ugd.mif"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("дію не дозволено"))) << e.message().toStdString();
    }
    for (const char *name : names) {
        QFile old(dir.filePath(name));
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old ") + name) << name;
    }
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 4); // nothing kept or written is left behind
}
