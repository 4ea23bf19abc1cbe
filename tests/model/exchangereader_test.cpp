#include "model/exchangereader.h"

#include "common/error.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cmath>
#include <sys/resource.h>
#include "tests/model/printing.h"
#include "tests/model/unreadablefiles.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

zova::OneBased<QString> linesOf(std::initializer_list<const char *> lines)
{
    zova::OneBased<QString> out;
    for (const char *line : lines)
        out.Add(QString::fromUtf8(line));
    return out;
}

LoadResult parse(std::initializer_list<const char *> lines, int filter = 2)
{
    return ParseExchangeLines(linesOf(lines), filter);
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(testsupport::tempDir()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// One parcel with every parcel key, framed by the header keys.
const std::initializer_list<const char *> everyKey = {
    "# коментар",
    "ZM=\"Коваль О. П.\",",
    "GL=\"Мельник Г. І.\",",
    "DS=\"3222486201\",",
    "SD=\"3\",",
    "BC=\"24\",",
    "SR=\"0017\",",
    "NM=\"Бондар Олена Іванівна\",",
    "AD=\"с. Софіївська Борщагівка, вул. Горького, 12\",",
    "AU=\"с. Софіївська Борщагівка, вул. Горького, 12\",",
    "PZ=\"  РС,12,01.02.2003  \",",
    "PP=\"паспорт СН 123456\",",
    "KZ=\" 21 \",",
    "KF=\" 2233445566 \",",
    "DB=\"4\",",
    "KV=\"25\",",
    "ZN=\"2.5\",",
    "TT=\"3222486299\",",
    "N=1,NP=\"1\",X=5586100.00,Y=526200.00,MX=0.01,MY=0.01,",
    "N=2,NP=\"2\",X=5586100.00,Y=526230.00,MX=0.01,MY=0.01,",
    "N=3,NP=\"3\",X=5586120.00,Y=526230.00,MX=0.01,MY=0.01,",
    "N=4,NP=\"4\",X=5586120.00,Y=526200.00,MX=0.01,MY=0.01",
    "CN=\"01,рілля\",",
    "N=1,NP=\"1\",X=5586100.00,Y=526200.00,",
    "N=2,NP=\"5\",X=5586110.00,Y=526200.00,",
    "N=3,NP=\"6\",X=5586110.00,Y=526230.00,",
};

} // namespace

TEST(ParseExchangeLines, EveryKeyReachesItsField)
{
    const LoadResult r = parse(everyKey);
    EXPECT_EQ(r.RaiZem, "Коваль О. П.");
    EXPECT_EQ(r.Golova, "Мельник Г. І.");
    EXPECT_TRUE(r.HasRaiZem && r.HasGolova);
    EXPECT_EQ(r.Koatuu, "3222486201");
    EXPECT_EQ(r.DefaultZone, 3);
    EXPECT_EQ(r.DefaultQuarter, 24);
    ASSERT_EQ(r.Parcels.UBound(), 1);
    const Parcel &p = r.Parcels[1];
    EXPECT_EQ(p.KoatuuPart.text(), "3222486201");
    EXPECT_EQ(p.Number, "0017");
    EXPECT_EQ(p.NM, "Бондар Олена Іванівна");
    EXPECT_EQ(p.AD, "с. Софіївська Борщагівка, вул. Горького, 12");
    EXPECT_EQ(p.AU, p.AD);
    EXPECT_EQ(p.PZ, "РС,12,01.02.2003");
    EXPECT_EQ(p.PP, "паспорт СН 123456");
    EXPECT_EQ(p.KZ, "21");
    EXPECT_EQ(p.KF, "2233445566");
    EXPECT_EQ(p.DB, "4");
    EXPECT_EQ(p.KV, 25);  // the KV line overrides the header's quarter
    EXPECT_EQ(p.ZN, 2);   // 2.5 rounds to the even neighbour
    EXPECT_EQ(p.ParcelKoatuu, "3222486299");
    ASSERT_EQ(p.Points.UBound(), 4);
    EXPECT_DOUBLE_EQ(p.Area, 600);
    ASSERT_EQ(p.LandUses.UBound(), 1);
    EXPECT_EQ(p.LandUses[1].CN, "01,рілля");
    EXPECT_DOUBLE_EQ(p.LandUses[1].Area, 150);
    EXPECT_EQ(p.JointOwnership, 1);
    EXPECT_EQ(r.StatusText, "Ділянок: 1; Угідь: 1; Пікетів: 7");
}

TEST(ParseExchangeLines, SingleKeysActAsTheTableSays)
{
    struct Case {
        const char *name;
        std::initializer_list<const char *> lines;
        QString Parcel::*field;
        const char *expected;
    };
    const Case cases[] = {
        {"KT sets the parcel's code", {"NM=\"a\",", "KT=\"4623686401\","}, &Parcel::ParcelKoatuu,
         "4623686401"},
        {"KK of 11 characters is cut", {"NM=\"a\",", "KK=\"32224862019\","}, &Parcel::ParcelKoatuu,
         "3222486201"},
        {"KK of 10 characters is ignored", {"NM=\"a\",", "KK=\"3222486201\","},
         &Parcel::ParcelKoatuu, ""},
        {"KU fills KF", {"NM=\"a\",", "KU=\" 1234567890\","}, &Parcel::KF, "1234567890"},
        {"lower-case key is ignored", {"NM=\"a\",", "ad=\"x\","}, &Parcel::AD, ""},
        {"AD unchanged outside the centre", {"NM=\"a\",", "AD=\"x,y,1,-,2\","}, &Parcel::AD,
         "x,y,1,-,2"},
        {"PZ of four parts kept outside the centre", {"NM=\"a\",", "PZ=\"РС,1,2,3\","},
         &Parcel::PZ, "РС,1,2,3"},
        {"key line without final comma", {"NM=\"Петренко\""}, &Parcel::NM, "Петренк"},
        {"later key of the same parcel wins", {"NM=\"a\",", "PP=\"1\",", "PP=\"2\","}, &Parcel::PP,
         "2"},
    };
    for (const Case &c : cases) {
        const LoadResult r = parse(c.lines);
        ASSERT_EQ(r.Parcels.UBound(), 1) << c.name;
        EXPECT_EQ(r.Parcels[1].*c.field, QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(ParseExchangeLines, HeaderNumbersAndLookalikeKeys)
{
    // A territory phrase in SD reads as zone 0; BL,BC is not BC; CL,CI opens no land-use area.
    const LoadResult r = parse({"BC=\"7\",", "BL,BC=\"1\",", "SD=\"Київська обл.\",",
                                "NM=\"a\",", "CL,CI=1,LC=\"1\",", "CN=\"02\","});
    EXPECT_EQ(r.DefaultZone, 0);
    EXPECT_EQ(r.DefaultQuarter, 7);
    EXPECT_EQ(r.Parcels[1].KV, 7);
    EXPECT_EQ(r.LandUseCount, 1);
}

TEST(ParseExchangeLines, PendingNumberRules)
{
    const LoadResult r = parse({
        "BC=\"5\",",
        "SC=\"0120007\",", "NM=\"seven characters\",",
        "NM=\"takes the number before it\",",
        "SR=\"0031\",", "NM=\"four characters\",",
        "SC=\"0120008\",", "NM=\"KV line wins\",", "KV=\"40\",",
        "SC=\"12345678\",", "NM=\"eight characters\",",
    });
    ASSERT_EQ(r.Parcels.UBound(), 5);
    const struct {
        const char *number;
        int quarter;
    } expected[] = {{"0007", 12}, {"0007", 12}, {"0031", 5}, {"0008", 40}, {"12345678", 5}};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(r.Parcels[i].Number, expected[i - 1].number) << r.Parcels[i].NM.toStdString();
        EXPECT_EQ(r.Parcels[i].KV, expected[i - 1].quarter) << r.Parcels[i].NM.toStdString();
    }
    EXPECT_EQ(parse({"NM=\"a\","}).Parcels[1].Number, "");
    EXPECT_EQ(parse({"NM=\"a\","}).Parcels[1].KV, 0);
}

TEST(ParseExchangeLines, HeaderLinesActOnTheParcelsThatFollow)
{
    const LoadResult r = parse({"DS=\"3222486201\",", "SD=\"1\",", "NM=\"first\",",
                                "DS=\"4623686401\",", "SD=\"2\",", "AD=\"still first\",",
                                "NM=\"second\","});
    EXPECT_EQ(r.Parcels[1].KoatuuPart.text(), "3222486201");
    EXPECT_EQ(r.Parcels[1].ZN, 1);
    EXPECT_EQ(r.Parcels[1].AD, "still first");
    EXPECT_EQ(r.Parcels[2].KoatuuPart.text(), "4623686401");
    EXPECT_EQ(r.Parcels[2].ZN, 2);
    EXPECT_EQ(r.Koatuu, "4623686401");

    // A short code is padded; a file without header leaves the parts blank.
    EXPECT_EQ(parse({"DS=\"32224\",", "NM=\"a\","}).Parcels[1].KoatuuPart.text(), "32224     ");
    const LoadResult in5 = parse({"SR,SC=\"1\",", "NM=\"a\","}, 4);
    EXPECT_EQ(in5.Parcels[1].KoatuuPart.text(), QString(10, QLatin1Char(' ')));
    EXPECT_EQ(in5.Parcels[1].ZN, 0);
    EXPECT_EQ(in5.Parcels[1].KV, 0);
    EXPECT_FALSE(in5.HasRaiZem || in5.HasGolova);
}

TEST(ParseExchangeLines, PointTargetsAndCounts)
{
    const LoadResult r = parse({
        "N=1,NP=\"lost\",X=1,Y=1,",            // before any NM: counted, not stored
        "NM=\"one\",",
        "N=1,NP=\"1\",X=0,Y=0,", "N=2,NP=\"2\",X=0,Y=10,", "N=3,NP=\"3\",X=10,Y=10,",
        "CN=\"01\",",
        "N=1,NP=\"a\",X=0,Y=0,", "N=2,NP=\"b\",X=0,Y=5,", "N=3,NP=\"c\",X=5,Y=5,",
        "CN=\"02\",",
        "N=1,NP=\"d\",X=5,Y=5,",
        "NM=\"two\",",
        "N=1,NP=\"e\",X=0,Y=0,",
        "CN=\"03\",",
    });
    ASSERT_EQ(r.Parcels.UBound(), 2);
    EXPECT_EQ(r.Parcels[1].Points.UBound(), 3);
    EXPECT_EQ(r.Parcels[1].LandUses[1].Points.UBound(), 3);
    EXPECT_EQ(r.Parcels[1].LandUses[2].Points.UBound(), 1);
    EXPECT_EQ(r.Parcels[2].Points.UBound(), 1);
    EXPECT_TRUE(r.Parcels[2].LandUses[1].Points.isEmpty());
    EXPECT_EQ(r.Parcels[0], Parcel());
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(r.Parcels[1].Points[j].Index, j);
    EXPECT_EQ(r.StatusText, "Ділянок: 2; Угідь: 3; Пікетів: 9");
    EXPECT_EQ(r.ParcelCount, 2);
    EXPECT_EQ(r.LandUseCount, 3);
    EXPECT_EQ(r.PointCount, 9);
}

TEST(ParseExchangeLines, KeysBeforeTheFirstParcelLandOnElementZero)
{
    const LoadResult r = parse({"AD=\"nowhere\",", "CN=\"01\",", "N=1,NP=\"1\",X=1,Y=1,",
                                "NM=\"a\","});
    EXPECT_EQ(r.Parcels.UBound(), 1);
    EXPECT_EQ(r.Parcels[0].AD, "nowhere");
    EXPECT_EQ(r.Parcels[1].AD, "");
    EXPECT_EQ(r.LandUseCount, 1);
    EXPECT_EQ(r.PointCount, 1);
    EXPECT_TRUE(r.Parcels[1].Points.isEmpty());
}

TEST(ParseExchangeLines, CentreVariant)
{
    const std::initializer_list<const char *> lines = {
        "SC=\"0240001\",", "SR=\"9999\",",
        "NM=\"a\",",
        "AD=\"Київська обл.,вул. Садова,5,-,12\",",
        "AU=\"Україна,08131,Київська,Києво-Святошинський,с. Софіївська Борщагівка,вул. Садова,5,-,12,\",",
        "PZ=\"РС,12,01.02.2003,0\",",
        "SR=\"0002\",",
        "NM=\"b\",",
    };
    const LoadResult centre = ParseExchangeLines(linesOf(lines), CentreFilter);
    EXPECT_EQ(centre.Parcels[1].Number, "0001");
    EXPECT_EQ(centre.Parcels[1].KV, 24);
    EXPECT_EQ(centre.Parcels[1].AD, "Київська обл. вул. Садова буд.5 кв.12");
    EXPECT_EQ(centre.Parcels[1].AU, "с. Софіївська Борщагівка вул. Садова буд.5 кв.12");
    EXPECT_EQ(centre.Parcels[1].PZ, "РС,12,01.02.2003");
    EXPECT_EQ(centre.Parcels[2].Number, "0001");  // SR ignored: the last SC holds

    const LoadResult plain = ParseExchangeLines(linesOf(lines), 2);
    EXPECT_EQ(plain.Parcels[1].Number, "9999");
    EXPECT_EQ(plain.Parcels[2].Number, "0002");
}

TEST(ParseExchangeLines, ReportsItsPhases)
{
    platform::RecordingProgress progress;
    ParseExchangeLines(linesOf(everyKey), 2, progress);
    // The label starts empty: "Обробляємо..." is the caption the window shows.
    const QStringList expected = {"", "Ділянка...", "Угіддя...", "Площі...",
                                  "Зачекайте..."};
    EXPECT_EQ(progress.phases, expected);
    EXPECT_EQ(progress.max, int(everyKey.size()));
}

TEST(ParseExchangeLines, BadLinesNameTheirLine)
{
    const struct {
        const char *name;
        std::initializer_list<const char *> lines;
        int line;
    } cases[] = {
        {"three fields", {"NM=\"a\",", "N=1,NP=\"1\",X=5"}, 2},
        {"no quote in the name", {"NM=\"a\",", "CN=\"1\",", "N=1,NP=1,X=5,Y=6,"}, 3},
        {"empty X", {"NM=\"a\",", "N=1,NP=\"1\",X=5,Y=6,", "N=2,NP=\"2\",X=,Y=6,"}, 3},
        {"empty Y", {"NM=\"a\",", "N=1,NP=\"1\",X=5,Y=,"}, 2},
        {"zone out of range", {"SD=\"40000\","}, 1},
        // Numbers beyond a Double, and coordinates whose area is none.
        {"X of 1D400", {"NM=\"a\",", "N=1,NP=\"1\",X=1D400,Y=6,"}, 2},
        {"Y of 1e309", {"NM=\"a\",", "N=1,NP=\"1\",X=5,Y=1e309,"}, 2},
        {"whole part of 1e309", {"NM=\"a\",", "N=1,NP=\"1\",X=1e309.25,Y=6,"}, 2},
        {"quarter of 1e309", {"BC=\"1e309\","}, 1},
        {"parcel area of X=1e308",
         {"SC=\"1\",", "NM=\"a\",", "N=1,NP=\"1\",X=1e308,Y=1,", "N=2,NP=\"2\",X=-1e308,Y=1,",
          "N=3,NP=\"3\",X=0,Y=5,"},
         2},
        {"land-use area of X=1e308",
         {"NM=\"a\",", "N=1,NP=\"1\",X=0,Y=0,", "CN=\"01\",", "N=1,NP=\"1\",X=1e308,Y=1,",
          "N=2,NP=\"2\",X=-1e308,Y=1,", "N=3,NP=\"3\",X=0,Y=5,"},
         3},
    };
    for (const auto &c : cases) {
        try {
            parse(c.lines);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const zova::Error &e) {
            EXPECT_EQ(e.line(), c.line) << c.name;
            EXPECT_FALSE(e.message().isEmpty()) << c.name;
            if (QByteArray(c.name).contains("1e30") || QByteArray(c.name).contains("1D400")) {
                EXPECT_TRUE(e.message().contains("Число поза межами") || e.message().contains("не обчислюється"))
                    << c.name << ": " << e.message().toStdString();
            }
        }
    }
    // Point lines before any parcel are not read, so they cannot fail.
    EXPECT_NO_THROW(parse({"N=1,X"}));
}

TEST(ParseExchangeLines, NoSixteenBitLimits)
{
    zova::OneBased<QString> lines;
    lines.Add(QStringLiteral("NM=\"big\","));
    const int k = 40000;
    for (int i = 0; i < k; ++i) {
        // A zig-zag along a circle keeps every point distinct.
        const double a = 2 * M_PI * i / k;
        lines.Add(QStringLiteral("N=%1,NP=\"%1\",X=%2,Y=%3,")
                      .arg(i + 1)
                      .arg(5586000 + 1000 * std::cos(a), 0, 'f', 2)
                      .arg(526000 + 1000 * std::sin(a), 0, 'f', 2));
    }
    for (int i = 0; i < 33000; ++i)
        lines.Add(QStringLiteral("CN=\"01\","));
    const LoadResult r = ParseExchangeLines(std::move(lines), 2);
    EXPECT_EQ(r.Parcels[1].Points.UBound(), k);
    EXPECT_EQ(r.Parcels[1].Points[k].Index, k);
    EXPECT_NEAR(r.Parcels[1].Area, M_PI * 1e6, 1e3);
    EXPECT_EQ(r.LandUseCount, 33000);
}

TEST(DecodeExchangeLines, LineEndsAndCodePages)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR only", "a\rb\r", {"a", "b"}},
        {"LF only", "a\nb", {"a", "b"}},
        {"empty lines kept", "a\r\n\r\nb", {"a", "", "b"}},
        {"no end on the last line", "a\r\nb", {"a", "b"}},
        {"empty file", "", {}},
    };
    for (const auto &c : cases) {
        const zova::OneBased<QString> lines = DecodeExchangeLines(c.bytes, 2);
        QStringList got;
        for (const QString &l : lines)
            got.append(l);
        EXPECT_EQ(got, c.lines) << c.name;
    }

    // The same Cyrillic text in IBM866 (filters 1, 3) and windows-1251 (2, 4, 5).
    const QString text = QStringLiteral("NM=\"Їжак Євгенко, вул. Польова, 5\",");
    for (int filter : {1, 3})
        EXPECT_EQ(DecodeExchangeLines(platform::Encode(text, platform::CodePage::Dos), filter)[1],
                  text);
    for (int filter : {2, 4, 5})
        EXPECT_EQ(DecodeExchangeLines(platform::Encode(text, platform::CodePage::Win), filter)[1],
                  text);
    EXPECT_THROW(DecodeExchangeLines("a", 6), zova::Error);
}

TEST(LoadExchangeFile, FailuresNameTheFile)
{
    platform::NullProgress progress;
    const QString missing = QDir(testsupport::tempDir()).filePath("missing.in4");
    try {
        LoadExchangeFile(missing, 2, progress);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.file(), missing);
    }

    const QString huge = writeFile("huge.in4", "NM=\"a\",\r\nN=1,NP=\"1\",X=1e309,Y=1\r\n");
    try {
        LoadExchangeFile(huge, 2, progress);
        ADD_FAILURE() << "no error for 1e309";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.fullText(), "Число поза межами допустимого: 1e309\nФайл: " + huge + ", рядок 2");
    }

    const QString bad = writeFile("bad.in4", "NM=\"a\",\r\nN=1,NP=\"1\",X=1\r\n");
    try {
        LoadExchangeFile(bad, 2, progress);
        ADD_FAILURE() << "no error for a short point line";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.file(), bad);
        EXPECT_EQ(e.line(), 2);
        EXPECT_TRUE(e.fullText().contains("рядок 2"));
    }
}

TEST(CommitLoad, HandsTheModelOverAndKeepsOfficialsTheFileLacks)
{
    resetState();
    state().RaiZem = QStringLiteral("from the territory dialog");
    state().Golova = QStringLiteral("old head");
    state().CurParcel = 3;
    const QString path = writeFile(
        "two.in4", platform::Encode(QStringLiteral("GL=\"Мельник\",\r\nDS=\"3222486201\",\r\n"
                                                   "BC=\"2\",\r\nNM=\"a\",\r\nNM=\"b\",\r\n"),
                                    platform::CodePage::Win));
    platform::NullProgress progress;
    LoadResult r = LoadExchangeFile(path, 2, progress);
    CommitLoad(std::move(r), path, 2);

    const State &s = state();
    EXPECT_EQ(s.Parcels.UBound(), 2);
    EXPECT_EQ(s.ImportLines.UBound(), 5);
    EXPECT_EQ(s.Koatuu, "3222486201");
    EXPECT_EQ(s.DefaultQuarter, 2);
    EXPECT_EQ(s.RaiZem, "from the territory dialog");
    EXPECT_EQ(s.Golova, "Мельник");
    EXPECT_EQ(s.CurParcel, 0);
    EXPECT_EQ(s.FileName, path);
    EXPECT_EQ(s.FileTitle, "two.in4");
    EXPECT_EQ(s.FileFilter, 2);
    resetState();
}

TEST(LoadExchangeFile, OddInputGivesAModelOrAnError)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xff));
    const QByteArray longLine = "NM=\"" + QByteArray(1 << 20, 'x') + "\",\r\n";
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"binary garbage", garbage},
        {"a 1 MB line", longLine},
        {"cut in the middle of a point line", "NM=\"a\",\r\nN=1,NP=\"1\",X=5586"},
        {"cut inside a key line", "NM=\"Петр"},
        {"empty", ""},
    };
    platform::NullProgress progress;
    for (const auto &c : cases) {
        const QString path = writeFile("odd.in4", c.bytes);
        for (int filter = 1; filter <= 5; ++filter) {
            try {
                EXPECT_GT(LoadExchangeFile(path, filter, progress).ParcelCount, 0) << c.name;
            } catch (const zova::Error &e) {
                EXPECT_EQ(e.file(), path) << c.name;
                EXPECT_TRUE(e.line() > 0 || e.message().startsWith("У файлі немає жодної ділянки"))
                    << c.name << ": " << e.message().toStdString();
            }
        }
    }
}

TEST(LoadExchangeFile, AFileWithoutParcelsIsRefused)
{
    QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 600; ++i)
        picture.append(char((i * 131) & 0xff));
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"a picture renamed .in4", picture},
        {"an empty file", ""},
        {"a letter", "Шановний голово!\r\nПрошу виділити ділянку.\r\n"},
        {"a header without parcels", "DS=\"3222486201\",\r\nSD=\"1\",\r\n"},
    };
    platform::NullProgress progress;
    for (const auto &c : cases) {
        const QString path = writeFile("none.in4", c.bytes);
        try {
            LoadExchangeFile(path, 2, progress);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const zova::Error &e) {
            EXPECT_EQ(e.file(), path) << c.name;
            EXPECT_EQ(e.message(), "У файлі немає жодної ділянки (рядка NM=): це не обмінний файл або в ньому "
                                   "немає ділянок.") << c.name;
        }
    }
}

// Each is refused at once, before a byte is read, with a message that names the file; opened,
// a named pipe would wait for ever and /dev/zero fill the memory.
TEST(ReadInputFile, WhatIsNoRegularFileOrFarTooLargeIsRefusedAtOnce)
{
    for (const unreadable::Kind &u : unreadable::kinds()) {
        SCOPED_TRACE(u.what);
        const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("x.in4"));
        ASSERT_TRUE(u.make(path));
        QElapsedTimer clock;
        clock.start();
        platform::NullProgress progress;
        try {
            const unreadable::PipeWatch watch(path);
            LoadExchangeFile(path, 1, progress);
            ADD_FAILURE() << "no error";
        } catch (const zova::Error &e) {
            EXPECT_TRUE(e.message().startsWith(QString::fromUtf8(u.said))) << e.message().toStdString();
            EXPECT_EQ(e.file(), path);
        }
        EXPECT_LT(clock.elapsed(), 1000);
    }
}

// A lack of memory while a file is read and parsed is told in Ukrainian, naming the file.
TEST(ReadInputFile, ALackOfMemoryIsToldInUkrainian)
{
    // A file of 200 MB (sparse: zero bytes) read with less than that left to the program.
    const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("big.in4"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(200) << 20));
    }
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &old), 0);
    QFile status(QStringLiteral("/proc/self/status"));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("VmSize:");
    ASSERT_GE(at, 0);
    const rlim_t used = rlim_t(text.mid(at + 7, text.indexOf('\n', at) - at - 7).trimmed().split(' ').first().toLongLong()) * 1024;
    rlimit tight = old;
    tight.rlim_cur = used + (rlim_t(100) << 20);
    if (old.rlim_max != RLIM_INFINITY && tight.rlim_cur > old.rlim_max)
        GTEST_SKIP() << "the address space is limited already";
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
    platform::NullProgress progress;
    QString message, file;
    try {
        LoadExchangeFile(path, 1, progress);
    } catch (const zova::Error &e) {
        message = e.message();
        file = e.file();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    }
    ::setrlimit(RLIMIT_AS, &old);
    EXPECT_EQ(message, QStringLiteral("Не вистачає пам'яті, щоб прочитати файл."));
    EXPECT_EQ(file, path);
}
