#include "model/codepagecheck.h"
#include "model/exchangereader.h"

#include "platform/codepage.h"
#include "tests/support/testsupport.h"

#include "tests/model/printing.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace model;

namespace {

LoadResult load(const char *name, int filter)
{
    platform::NullProgress progress;
    return LoadExchangeFile(testsupport::sourcePath(QStringLiteral("samples/") + name), filter,
                            progress);
}

// What a DOS program makes of a text: IBM866 has no І і Ґ ґ.
QString bestFit(const QString &text)
{
    return platform::Decode(platform::Encode(text, platform::CodePage::Dos), platform::CodePage::Dos);
}

} // namespace

TEST(Samples, LoadIntoTheVillageCouncil)
{
    const struct {
        const char *file;
        int filter;
        const char *koatuu;
        int zone, quarter;
    } cases[] = {
        {"sofiivska-dos.in4", 1, "3222486201", 1, 24},
        {"sofiivska-win.in4", 2, "3222486201", 1, 24},
        {"sofiivska-dos.in5", 3, "", 0, 0},
        {"sofiivska-win.in5", 4, "", 0, 0},
        {"sofiivska-centre.in4", 5, "3222486201", 1, 24},
    };
    for (const auto &c : cases) {
        const LoadResult r = load(c.file, c.filter);
        EXPECT_EQ(r.StatusText, "Ділянок: 13; Угідь: 27; Пікетів: 256") << c.file;
        EXPECT_EQ(r.Koatuu, c.koatuu) << c.file;
        ASSERT_EQ(r.Parcels.UBound(), 13) << c.file;
        double total = 0;
        for (int i = 1; i <= r.Parcels.UBound(); ++i) {
            const Parcel &p = r.Parcels[i];
            EXPECT_EQ(p.ZN, c.zone) << c.file;
            EXPECT_EQ(p.KV, c.quarter) << c.file;
            if (i <= 12) { // the homesteads and farms of the two rows
                EXPECT_GT(p.Area, 1150) << c.file;
                EXPECT_LT(p.Area, 1350) << c.file;
            }
            double parts = 0;
            for (const LandUseArea &u : p.LandUses)
                parts += u.Area;
            EXPECT_NEAR(parts, p.Area, 1e-6) << c.file << " " << p.NM.toStdString();
            total += p.Area;
        }
        EXPECT_NEAR(total, 12 * 1250 + 7818, 200) << c.file;

        // The field behind the northern row: 42 points along the row and the stream, and the four
        // land uses whose areas the 6-zem table reads.
        const Parcel &field = r.Parcels[13];
        EXPECT_EQ(field.Points.UBound(), 42) << c.file;
        EXPECT_NEAR(field.Area, 7818, 1) << c.file;
        QStringList codes;
        for (const LandUseArea &u : field.LandUses)
            codes << u.CN.left(2);
        EXPECT_EQ(codes.join(QLatin1Char(' ')), "05 08 11 12") << c.file;
    }
}

TEST(Samples, DosAndWinReadAlike)
{
    const struct {
        const char *dos, *win;
        int dosFilter, winFilter;
    } pairs[] = {{"sofiivska-dos.in4", "sofiivska-win.in4", 1, 2},
                 {"sofiivska-dos.in5", "sofiivska-win.in5", 3, 4}};
    for (const auto &pair : pairs) {
        const LoadResult dos = load(pair.dos, pair.dosFilter);
        const LoadResult win = load(pair.win, pair.winFilter);
        ASSERT_EQ(dos.ImportLines.UBound(), win.ImportLines.UBound());
        for (int i = 1; i <= win.ImportLines.UBound(); ++i)
            EXPECT_EQ(dos.ImportLines[i], bestFit(win.ImportLines[i])) << pair.dos << " line " << i;
        EXPECT_EQ(bestFit(win.Parcels[1].NM), dos.Parcels[1].NM);
        EXPECT_EQ(win.Parcels[1].NM, "Дем'янчук Мар'яна Василівна");
        EXPECT_EQ(win.Parcels[5].NM, "Бойко Іван Петрович|Бойко Марія Іванівна");
    }
    EXPECT_EQ(load("sofiivska-win.in4", 2).Golova, "Дем'яненко Віра Іванівна");
}

TEST(Samples, TheWrongCodePageIsNoticed)
{
    // The Windows sample as a Linux editor saves it.
    QFile win(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")));
    ASSERT_TRUE(win.open(QIODevice::ReadOnly));
    const QString utf8 = QDir(testsupport::tempDir()).filePath(QStringLiteral("sofiivska-utf8.in4"));
    {
        QFile out(utf8);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(platform::Decode(win.readAll(), platform::CodePage::Win).toUtf8());
    }

    const struct {
        const char *file; // under samples/, or "utf8" for that copy
        int filter;
        TextsLook look;
    } cases[] = {
        {"sofiivska-dos.in4", 1, TextsLook::Right},     {"sofiivska-win.in4", 2, TextsLook::Right},
        {"sofiivska-dos.in5", 3, TextsLook::Right},     {"sofiivska-win.in5", 4, TextsLook::Right},
        {"sofiivska-centre.in4", 5, TextsLook::Right},  {"sofiivska-win.in4", 1, TextsLook::OtherPage},
        {"sofiivska-dos.in4", 2, TextsLook::OtherPage}, {"sofiivska-win.in5", 3, TextsLook::OtherPage},
        {"sofiivska-dos.in5", 4, TextsLook::OtherPage}, {"sofiivska-dos.in4", 5, TextsLook::OtherPage},
        {"utf8", 1, TextsLook::Utf8},                   {"utf8", 2, TextsLook::Utf8},
        {"utf8", 5, TextsLook::Utf8},
    };
    for (const auto &c : cases) {
        platform::NullProgress progress;
        const LoadResult r = qstrcmp(c.file, "utf8") == 0 ? LoadExchangeFile(utf8, c.filter, progress) : load(c.file, c.filter);
        EXPECT_EQ(ExchangeTextsLook(r.ImportLines, c.filter), c.look) << c.file << " with filter " << c.filter;
    }
    // The filter of the same kind in the other page; the centre's files are WIN, their DOS twin a DOS in4.
    EXPECT_EQ((std::vector<int>{OtherPageFilter(1), OtherPageFilter(2), OtherPageFilter(3), OtherPageFilter(4),
                                OtherPageFilter(5)}),
              (std::vector<int>{2, 1, 4, 3, 1}));

    // Typographic signs are Ukrainian text; a stray sign or two is no reason to warn.
    zova::OneBased<QString> lines;
    lines.Add(QStringLiteral("NM=\"ТОВ «Колос» № 2, Мар’яна — голова\","));
    lines.Add(QStringLiteral("AD=\"вул. Садова, 5 ■\","));
    EXPECT_EQ(ExchangeTextsLook(lines, 2), TextsLook::Right);
}

TEST(Samples, CentreAddressesAndNumbers)
{
    const LoadResult r = load("sofiivska-centre.in4", 5);
    const Parcel &first = r.Parcels[1];
    EXPECT_EQ(first.Number, "0001");
    EXPECT_EQ(first.AD, "с. Софіївська Борщагівка вул. Садова буд.1 ");
    EXPECT_EQ(first.AU, "с. Софіївська Борщагівка вул. Садова буд.1 ");
    EXPECT_EQ(first.PZ, "РС,15.03.2005,12 сесії 4 скликання");
    EXPECT_EQ(first.ParcelKoatuu, "3222486201");
    EXPECT_EQ(r.Parcels[2].AU, "м. Київ вул. Прорізна буд.8 кв.12");
}

TEST(Samples, NeighboursShareTheirVerticesExactly)
{
    const LoadResult r = load("sofiivska-win.in4", 2);
    const auto shared = [&](int a, int b) {
        int n = 0;
        for (const BoundaryPoint &p : r.Parcels[a].Points)
            for (const BoundaryPoint &q : r.Parcels[b].Points)
                n += p.X == q.X && p.Y == q.Y && p.NP == q.NP;
        return n;
    };
    EXPECT_EQ(shared(1, 2), 3);   // the street corner, the split point and the back corner
    EXPECT_EQ(shared(7, 8), 3);
    EXPECT_EQ(shared(1, 7), 0);   // the street lies between the rows
    for (int i = 1; i <= 5; ++i)  // the field behind the northern row: each parcel's back corners
        EXPECT_EQ(shared(i, 13), 2) << i;
    EXPECT_EQ(shared(6, 13), 1);
    EXPECT_EQ(shared(7, 13), 0);
    // Every ring runs clockwise after the load, whichever way the file had it.
    for (const Parcel &p : r.Parcels)
        EXPECT_LT(PolygonArea(p.Points), 0);
}
