// The batch import: which files a folder offers, how contour files, point lists and exchange
// files are stored as lines, and the parcels the two batch parsers make of them.

#include "model/batchimport.h"

#include "common/error.h"
#include "model/exchangereader.h"
#include "model/exchangewriter.h"
#include "platform/codepage.h"
#include "tests/model/printing.h"
#include "tests/model/unreadablefiles.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace model;

namespace {

// A fixture folder of DOS texts (IBM866, CR LF), written from the test's own lines.
struct Folder {
    QString path = testsupport::tempDir();

    Folder &file(const QString &name, const QStringList &lines)
    {
        QFile f(QDir(path).filePath(name));
        const QByteArray bytes = platform::Encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                                                  platform::CodePage::Dos);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << name.toStdString();
        return *this;
    }
};

zova::OneBased<QString> linesOf(const QStringList &lines)
{
    zova::OneBased<QString> out;
    for (const QString &line : lines)
        out.Add(line);
    return out;
}

QStringList stored(const BatchLines &lines)
{
    QStringList out;
    for (const QString &line : lines.Lines)
        out << line;
    return out;
}

const QStringList square = {"1 0 0", "2 0 10", "3 10 10", "4 10 0"}; // counter-clockwise

} // namespace

TEST(BatchFiles, PatternIgnoresLetterCaseAndListsByName)
{
    Folder f;
    f.file("b.ART", {"b"}).file("a.art", {"a"}).file("C.Art", {"c"}).file("d.txt", {"d"});
    f.file("list.TXT", {"1 2 3"}).file("x.in4", {}).file("plan.doc", {}).file("akt.DOCX", {});
    QDir(f.path).mkdir(QStringLiteral("folder.art"));

    EXPECT_EQ(BatchFiles(f.path, BatchContour), (QStringList{"a.art", "b.ART", "C.Art"}));
    EXPECT_EQ(BatchFiles(f.path, BatchPointList), (QStringList{"d.txt", "list.TXT"}));
    EXPECT_EQ(BatchFiles(f.path, BatchIn4), (QStringList{"x.in4"}));
    EXPECT_EQ(BatchFiles(f.path, BatchPrint), (QStringList{"akt.DOCX", "plan.doc"}));
    EXPECT_TRUE(BatchFiles(f.path + QStringLiteral("/missing"), BatchContour).isEmpty());
}

TEST(ReadImportFiles, ContourFileTerminatorsAndResumeLines)
{
    const struct {
        const char *name;
        QList<QStringList> files; // each file's lines, read in this order
        QStringList lines;
    } cases[] = {
        {"a name, then points", {{"Поле 1", "1 0 0", "2 0 5"}}, {"NMПоле 1", "N=1 0 0", "N=2 0 5"}},
        {"a terminator drops the line before it and stops storing until l",
         {{"P", "1 0 0", "2 0 5", "\\\\\\", "9 9 9", "l", "3 5 5"}},
         {"NMP", "N=1 0 0", "N=3 5 5"}},
        {"a terminator after the name removes the name", {{"P", "///", "1 0 0"}}, {}},
        {"two terminators remove two lines", {{"P", "1 0 0", "2 0 5", "///", "///"}}, {"NMP"}},
        {"terminators and l are found among blanks", {{"P", "1 0 0", "  ///  ", " l ", "2 0 5"}}, {"NMP", "N=2 0 5"}},
        {"a blank line among the points is stored", {{"P", "1 0 0", "", "2 0 5"}}, {"NMP", "N=1 0 0", "N=", "N=2 0 5"}},
        {"a file beginning with l adds to the parcel before it",
         {{"P", "1 0 0"}, {"l", "2 0 5"}},
         {"NMP", "N=1 0 0", "N=2 0 5"}},
        {"each file begins with its name", {{"P", "1 0 0", "///"}, {"Q", "2 0 5"}}, {"NMP", "NMQ", "N=2 0 5"}},
    };
    for (const auto &c : cases) {
        Folder f;
        QStringList names;
        for (int i = 0; i < c.files.size(); ++i) {
            names << QStringLiteral("f%1.art").arg(i);
            f.file(names.last(), c.files[i]);
        }
        const BatchLines lines = ReadImportFiles(f.path, names, BatchContour);
        EXPECT_EQ(stored(lines), c.lines) << c.name;
    }
}

TEST(ReadImportFiles, PointListsMakeOneParcelOfAllFiles)
{
    Folder f;
    f.file("a.txt", {"1 0 0", "   ", "2 0 10"}).file("b.txt", {"", "3 10 10"}).file("c.txt", {"  ", ""});

    const BatchLines lines = ReadImportFiles(f.path, {"a.txt", "b.txt"}, BatchPointList);
    EXPECT_EQ(stored(lines), (QStringList{"NMNoName", "N=1 0 0", "N=2 0 10", "N=3 10 10"}));
    EXPECT_EQ(lines.fileOf(4), QDir(f.path).filePath("b.txt"));
    EXPECT_EQ(lines.lineOf(4), 2);

    const BatchImport blank = ImportBatch(f.path, {"c.txt"}, BatchPointList);
    ASSERT_EQ(blank.Result.Parcels.UBound(), 1);
    EXPECT_EQ(blank.Result.Parcels[1].NM, "NoName");
    EXPECT_EQ(blank.Result.Parcels[1].Points.UBound(), 0);
    EXPECT_EQ(blank.Result.StatusText, "Ділянок: 1; Угідь: 0; Пікетів: 0");
}

TEST(ReadImportFiles, FailuresNameTheFileAndLine)
{
    Folder f;
    f.file("a.art", {"P", "1 0 0"}).file("b.art", {"///", "1 0 0"}).file("c.art", {"l", "1 0 0", "2 5 5"});
    f.file("d.in4", {"SR=\"1\",", "NM=\"x\",", "N=1,NP=\"1\",X=1"}).file("e.art", {"P", "///"});

    const struct {
        QStringList names;
        int mode;
        const char *file;
        int line;
    } cases[] = {
        {{"b.art"}, BatchContour, "b.art", 1},        // a terminator with nothing before it
        {{"c.art"}, BatchContour, "c.art", 2},        // a point before any name
        {{"a.art", "gone.art"}, BatchContour, "gone.art", 0}, // a file that cannot be opened
        {{"a.art", "d.in4"}, BatchIn4, "d.in4", 3},   // a point line of two fields
        {{"e.art"}, BatchContour, "", 0},             // no parcel at all
    };
    for (const auto &c : cases) {
        try {
            ImportBatch(f.path, c.names, c.mode);
            ADD_FAILURE() << c.file << " imported";
        } catch (const zova::Error &e) {
            EXPECT_EQ(e.file(), *c.file ? QDir(f.path).filePath(QString::fromUtf8(c.file)) : QString()) << c.file;
            EXPECT_EQ(e.line(), c.line) << c.file;
        }
    }
}

TEST(ParseContourLines, PointLineWords)
{
    const struct {
        const char *line;
        bool point;
        const char *name;
        double x, y;
    } cases[] = {
        {"N=12 5580000.25 520000.5", true, "12", 5580000.25, 520000.5},
        {"N=  12   100   200", true, "12", 100, 200}, // runs of blanks, a leading blank
        {"N=7 межа 1.5 -2.5", true, "7", 1.5, -2.5},  // a code between the name and X
        {"N=7 a 1 2 b c d", true, "7", 1, 2},
        {"N=1 871.256 2", true, "1", 871.25, 2},      // two decimals, cut
        {"N=1 2 3 4 5 6 7 8", false, "", 0, 0},       // eight words
        {"N=1 2", false, "", 0, 0},
        {"N=Назва X Y", false, "", 0, 0},
        {"N=1 12,5 3", false, "", 0, 0},
        {"N=1\t2\t3", false, "", 0, 0},               // tabs do not separate
    };
    for (const auto &c : cases) {
        const BatchResult r = ParseContourLines(linesOf({"NMP", QString::fromUtf8(c.line)}));
        ASSERT_EQ(r.Parcels.UBound(), 1);
        const Ring &ring = r.Parcels[1].Points;
        EXPECT_EQ(ring.UBound(), c.point ? 1 : 0) << c.line;
        EXPECT_EQ(r.SkippedLines, c.point ? 0 : 1) << c.line;
        EXPECT_EQ(r.PointCount, c.point ? 1 : 0) << c.line;
        if (c.point && ring.UBound() == 1) {
            EXPECT_EQ(ring[1].NP, QString::fromUtf8(c.name)) << c.line;
            EXPECT_DOUBLE_EQ(ring[1].X, c.x) << c.line;
            EXPECT_DOUBLE_EQ(ring[1].Y, c.y) << c.line;
            EXPECT_EQ(ring[1].Index, 1) << c.line;
        }
    }
}

TEST(ParseContourLines, ParcelsNumbersAreasAndCounts)
{
    QStringList lines{"NMПерша"};
    for (const QString &p : square)
        lines << QStringLiteral("N=") + p;
    lines << "N=" << "N=зайвий рядок" << "NM" << "NMТретя" << "N=1 0 0" << "N=2 0 5" << "XX ignored";
    const BatchResult r = ParseContourLines(linesOf(lines));

    ASSERT_EQ(r.Parcels.UBound(), 3);
    const Parcel &first = r.Parcels[1];
    EXPECT_EQ(first.NM, "Перша");
    EXPECT_EQ(first.Number, " 1");
    EXPECT_DOUBLE_EQ(first.Area, 100);
    // Counter-clockwise as listed, so turned: the last point comes first, the indexes stay.
    EXPECT_EQ(first.Points[1].NP, "4");
    EXPECT_EQ(first.Points[4].NP, "1");
    EXPECT_EQ(first.Points[4].Index, 4);
    EXPECT_EQ(first.JointOwnership, 1);
    EXPECT_EQ(first.LandUses.UBound(), 0);

    EXPECT_EQ(r.Parcels[2].NM, "NoName");
    EXPECT_EQ(r.Parcels[2].Number, " 2");
    EXPECT_EQ(r.Parcels[2].Area, 0);
    EXPECT_EQ(r.Parcels[3].Points.UBound(), 2);
    EXPECT_EQ(r.Parcels[3].Area, 0); // two points span no area

    EXPECT_EQ(r.SkippedLines, 1);    // the blank point line is no error, the words are
    EXPECT_EQ(r.FirstSkipped, 7);
    EXPECT_EQ(r.StatusText, "Ділянок: 3; Угідь: 0; Пікетів: 6; Пропущено рядків: 1");
    EXPECT_EQ(ParseContourLines({}).StatusText, "Ділянок: 0; Угідь: 0; Пікетів: 0");
}

TEST(ImportBatch, ContourFilesGiveOneParcelPerFileAndTellTheFirstSkippedLine)
{
    Folder f;
    f.file("b.art", QStringList{"Друга"} + square).file("a.art", QStringList{"Перша", "1 0 0", "2 0 5", "3 5 5"});
    f.file("c.art", {"Третя", "1 0 0", "заголовок X Y", "2 5 5"});

    const BatchImport import = ImportBatch(f.path, BatchFiles(f.path, BatchContour), BatchContour);
    const ParcelList &parcels = import.Result.Parcels;
    ASSERT_EQ(parcels.UBound(), 3);
    EXPECT_EQ(parcels[1].NM, "Перша");
    EXPECT_EQ(parcels[2].NM, "Друга");
    EXPECT_DOUBLE_EQ(parcels[2].Area, 100);
    EXPECT_EQ(parcels[3].Points.UBound(), 2);
    EXPECT_EQ(import.FirstSkippedAt, "файл c.art, рядок 3");
    EXPECT_EQ(import.Result.StatusText, "Ділянок: 3; Угідь: 0; Пікетів: 9; Пропущено рядків: 1");
}

// A contour file's only text is its parcel's name: a name of two words saved in Windows or in
// UTF-8 is told by its name, while a DOS name, also one with a stray sign, is not.
TEST(ImportBatch, ContourFilesInAnotherEncodingAreToldByTheirName)
{
    const struct {
        const char *name;
        platform::CodePage page; // Dos, Win, or Utf8 for UTF-8
        bool utf8;
        std::optional<TextsLook> look; // nothing: read as it should be
    } cases[] = {
        {"Коваленко Ірина", platform::CodePage::Win, false, TextsLook::OtherPage},
        {"Бондар Петро", platform::CodePage::Win, false, TextsLook::OtherPage},
        {"Поле Шевченка", platform::CodePage::Win, false, TextsLook::OtherPage},
        {"Бондар Петро", platform::CodePage::Dos, true, TextsLook::Utf8},
        {"Бондар Петро", platform::CodePage::Dos, false, std::nullopt},
        {"Ділянка ■ 5", platform::CodePage::Dos, false, std::nullopt},
        {"Степ ═ 5", platform::CodePage::Dos, false, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << (c.utf8 ? " UTF-8" : c.page == platform::CodePage::Win ? " WIN" : " DOS"));
        const QString folder = testsupport::tempDir();
        const QString text = (QStringList{QString::fromUtf8(c.name)} + square).join(QStringLiteral("\r\n"));
        QFile f(QDir(folder).filePath(QStringLiteral("a.art")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.utf8 ? text.toUtf8() : platform::Encode(text, c.page));
        f.close();
        const BatchImport import = ImportBatch(folder, {QStringLiteral("a.art")}, BatchContour);
        if (!c.look) {
            EXPECT_TRUE(import.Misread.empty());
            continue;
        }
        EXPECT_EQ(import.Misread.size(), 1u);
        for (const BatchImport::MisreadFile &m : import.Misread) {
            EXPECT_EQ(m.name, QStringLiteral("a.art"));
            EXPECT_EQ(m.look, *c.look);
        }
    }
}

TEST(ParseIn4Batch, ParcelKeysLandUsesAndPoints)
{
    const BatchResult r = ParseIn4Batch(linesOf({
        "N=1,NP=\"0\",X=9,Y=9,",          // before any parcel: counted, not stored
        "DS=\"3222486201\",", "BC=\"5\",", "ZM=\"Коваль\",", "GL=\"Мельник\",",
        "SD=\"12\",",
        "SR=\"0017\",",
        "NM=\"Бондар\",",
        "AD=\"вул. Садова, 1\",", "AU=\"м. Київ\",",
        "PZ=\"  РС,12,01.02.2003  \",", "PP=\"паспорт\",",
        "KZ=\" 21 \",", "KU=\" 2233445566 \",",
        "KT=\"3222486299\",", "TT=\"3222486299\",", "KK=\"32224862990\",", "DB=\"4\",",
        "N=1,NP=\"1\",X=0,Y=0,",
        "N=2,NP=\"2\",X=0,Y=10,",
        "CN=\"001.00\",",
        "N=1,NP=\"1\",X=0,Y=0,", "N=2,NP=\"2\",X=10,Y=0,", "N=3,NP=\"3\",X=10,Y=10,",
        "NM=\"Шевчук\",",                   // opens a parcel without an SR of its own
        "ZN=\"3\",", "KV=\"24\",", "KF=\"111\",",
    }));
    ASSERT_EQ(r.Parcels.UBound(), 2);
    const Parcel &p = r.Parcels[1];
    EXPECT_EQ(p.NM, "Бондар");
    EXPECT_EQ(p.Number, "0017");
    EXPECT_EQ(p.ZN, 12);
    EXPECT_EQ(p.KV, 0);
    EXPECT_EQ(p.AD, "вул. Садова, 1");
    EXPECT_EQ(p.AU, "м. Київ");
    EXPECT_EQ(p.PZ, "  РС,12,01.02.2003  "); // grounds keep their blanks
    EXPECT_EQ(p.KZ, "21");
    EXPECT_EQ(p.KF, "2233445566");
    EXPECT_EQ(p.PP, "паспорт");
    EXPECT_EQ(p.KoatuuPart, KoatuuText());
    EXPECT_TRUE(p.ParcelKoatuu.isEmpty());
    EXPECT_TRUE(p.DB.isEmpty());
    EXPECT_EQ(p.Points.UBound(), 2);
    EXPECT_EQ(p.Points[2].Index, 2);
    ASSERT_EQ(p.LandUses.UBound(), 1);
    EXPECT_EQ(p.LandUses[1].CN, "001.00");
    EXPECT_EQ(p.LandUses[1].Points.UBound(), 3);
    EXPECT_DOUBLE_EQ(p.LandUses[1].Area, 50);

    const Parcel &q = r.Parcels[2];
    EXPECT_EQ(q.Number, "0017"); // the last SR or SC before it
    EXPECT_EQ(q.ZN, 3);
    EXPECT_EQ(q.KV, 24);
    EXPECT_EQ(q.KF, "111");
    EXPECT_EQ(r.StatusText, "Ділянок: 2; Угідь: 1; Пікетів: 6");
}

TEST(ParseIn4Batch, NeighbourRecordsAndZones)
{
    const struct {
        const char *name;
        QStringList lines;
        QStringList numbers, names;
        QList<int> zones;
    } cases[] = {
        {"a neighbour's record is named by the NM after it",
         {"SD=\"2\",", "SC=\"0001\",", "NM=\"A\",", "NB=\"x\",", "NM=\"Сусід\",", "AD=\"поруч\",",
          "N=1,NP=\"1\",X=0,Y=0,", "N=2,NP=\"2\",X=0,Y=1,", "N=3,NP=\"3\",X=1,Y=1,", "N=4,NP=\"4\",X=1,Y=0,",
          "NM=\"B\","},
         {"0001", "sm2", "0001"}, {"A", "Сусід", "B"}, {2, 2, 2}},
        {"two records in a row, the first unnamed", {"NB", "NB", "NM=\"Другий\","}, {"sm1", "sm2"}, {"", "Другий"}, {0, 0}},
        {"an NM before any SR names nothing and the next opens",
         {"SD=\"4\",", "NM=\"заголовок\",", "NM=\"A\","}, {""}, {"A"}, {4}},
        {"a territory phrase in SD is zone 0",
         {"SD=\"Київська обл., Києво-Святошинський р-н\",", "SR=\"5\",", "NM=\"A\","}, {"5"}, {"A"}, {0}},
        {"no SD at all is zone 0", {"SR=\"5\",", "NM=\"A\","}, {"5"}, {"A"}, {0}},
        {"SD between parcels applies to the parcels after it",
         {"SD=\"1\",", "SR=\"1\",", "NM=\"A\",", "SD=\"7\",", "SR=\"2\",", "NM=\"B\","}, {"1", "2"}, {"A", "B"}, {1, 7}},
    };
    for (const auto &c : cases) {
        const BatchResult r = ParseIn4Batch(linesOf(c.lines));
        QStringList numbers, names;
        QList<int> zones;
        for (const Parcel &p : r.Parcels) {
            numbers << p.Number;
            names << p.NM;
            zones << p.ZN;
        }
        EXPECT_EQ(numbers, c.numbers) << c.name;
        EXPECT_EQ(names, c.names) << c.name;
        EXPECT_EQ(zones, c.zones) << c.name;
    }
}

TEST(ParseIn4Batch, BadLinesAreNamedByTheirIndex)
{
    const struct {
        const char *name;
        QStringList lines;
        int line;
    } cases[] = {
        {"a land-use area before any parcel", {"SD=\"1\",", "CN=\"001\","}, 2},
        {"a point of a parcel that was never opened", {"NM=\"x\",", "N=1,NP=\"1\",X=0,Y=0,"}, 2},
        {"a zone beyond 16 bits", {"SR=\"1\",", "NM=\"x\",", "ZN=\"40000\","}, 3},
        {"a point without coordinates", {"SR=\"1\",", "NM=\"x\",", "N=1,NP=\"1\",X=,Y=1,"}, 3},
    };
    for (const auto &c : cases) {
        try {
            ParseIn4Batch(linesOf(c.lines));
            ADD_FAILURE() << c.name;
        } catch (const zova::Error &e) {
            EXPECT_EQ(e.line(), c.line) << c.name;
        }
    }
}

// Several files this program wrote, read in one run, give the parcels an open of each gives.
TEST(ImportBatch, FilesThisProgramWroteImportAsTheyOpen)
{
    platform::NullProgress progress;
    const LoadResult sample =
        LoadExchangeFile(testsupport::sourcePath(QStringLiteral("samples/sofiivska-dos.in4")), 1, progress);
    ASSERT_GE(sample.Parcels.UBound(), 2);
    Folder f;
    SaveHeader header;
    header.Koatuu = sample.Koatuu;
    header.TerritoryText = QStringLiteral("Київська обл., Києво-Святошинський р-н"); // the SD the writer puts out
    for (const char *name : {"a.in4", "B.IN4"})
        WriteExchangeFile(QDir(f.path).filePath(QString::fromLatin1(name)), sample.Parcels, header, SaveIn4, false);

    const BatchImport import = ImportBatch(f.path, BatchFiles(f.path, BatchIn4), BatchIn4);
    const ParcelList &parcels = import.Result.Parcels;
    const int n = sample.Parcels.UBound();
    ASSERT_EQ(parcels.UBound(), 2 * n);
    for (int i = 1; i <= 2 * n; ++i) {
        const Parcel &got = parcels[i];
        const Parcel &want = sample.Parcels[(i - 1) % n + 1];
        EXPECT_EQ(got.NM, want.NM) << i;
        EXPECT_EQ(got.Number, want.Number) << i;
        EXPECT_EQ(got.AD, want.AD) << i;
        EXPECT_EQ(got.KF, want.KF) << i;
        EXPECT_EQ(got.KV, want.KV) << i;
        EXPECT_EQ(got.ZN, want.ZN) << i;
        EXPECT_EQ(got.Points, want.Points) << i;
        EXPECT_EQ(got.LandUses, want.LandUses) << i;
        EXPECT_DOUBLE_EQ(got.Area, want.Area) << i;
    }
    EXPECT_EQ(import.Result.StatusText, QStringLiteral("Ділянок: %1; Угідь: %2; Пікетів: %3")
                                            .arg(2 * n)
                                            .arg(2 * sample.LandUseCount)
                                            .arg(2 * sample.PointCount));
}

// A named pipe, a link to /dev/zero or a file far too large is refused at once, as the open
// command refuses it, whatever the mode; so are files that together are far too large.
TEST(ImportBatch, WhatIsNoRegularFileOrFarTooLargeIsRefusedAtOnce)
{
    for (const unreadable::Kind &u : unreadable::kinds())
        for (const int mode : {BatchContour, BatchPointList, BatchIn4}) {
            SCOPED_TRACE(testing::Message() << u.what << " mode " << mode);
            Folder f;
            f.file("a" + BatchPattern(mode).mid(1), QStringList{"Перша"} + square);
            const QString name = "x" + BatchPattern(mode).mid(1);
            ASSERT_TRUE(u.make(QDir(f.path).filePath(name)));
            QElapsedTimer clock;
            clock.start();
            try {
                const unreadable::PipeWatch watch(QDir(f.path).filePath(name));
                ImportBatch(f.path, {"a" + BatchPattern(mode).mid(1), name}, mode);
                ADD_FAILURE() << "no error";
            } catch (const zova::Error &e) {
                EXPECT_TRUE(e.message().startsWith(QString::fromUtf8(u.said))) << e.message().toStdString();
                EXPECT_EQ(e.file(), QDir(f.path).filePath(name));
            }
            EXPECT_LT(clock.elapsed(), 1000);
        }

    Folder f;
    for (const char *name : {"a.txt", "b.txt"}) {
        QFile sparse(QDir(f.path).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(200) << 20));
    }
    QElapsedTimer clock;
    clock.start();
    try {
        ImportBatch(f.path, {"a.txt", "b.txt"}, BatchPointList);
        ADD_FAILURE() << "no error";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.message(), "Вибрані файли разом завеликі (400 МБ): програма читає файли до 256 МБ.");
    }
    EXPECT_LT(clock.elapsed(), 1000);
}
