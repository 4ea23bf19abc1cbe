#include "model/exchangewriter.h"

#include "common/error.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "tests/model/points.h"
#include "tests/model/printing.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

using namespace model;

namespace {

// Two parcels: the first with a land-use area and a point name in Cyrillic, the second selected,
// with a short KOATUU, blanks around KZ and a line break in its address.
ParcelList fixture()
{
    ParcelList parcels;
    Parcel &a = parcels[CreateParcel(parcels)];
    a.KoatuuPart = QStringLiteral("3222486201");
    a.ZN = 1;
    a.KV = 24;
    a.Number = QStringLiteral("0001");
    a.NM = QStringLiteral("Дем'янчук Мар'яна Василівна");
    a.AD = QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 1");
    a.AU = a.AD;
    a.PZ = QStringLiteral("РС,12,15.03.2005");
    a.PP = QStringLiteral("паспорт СН 214578");
    a.KZ = QStringLiteral("22");
    a.KF = QStringLiteral("2834511207");
    a.ParcelKoatuu = QStringLiteral("3222486201");
    a.Area = 250;
    a.Points.Add(MakePoint(5585419.54, 526130.69, 1, "1"));
    a.Points.Add(MakePoint(5585469.5, 526130, 2, "2а"));
    a.Points.Add(MakePoint(5585420, 526156.15, 3, "3"));
    LandUseArea u;
    u.CN = QStringLiteral("12,під житловою забудовою");
    u.Area = 25;
    u.Points.Add(MakePoint(5585419.54, 526130.69, 1, "1"));
    u.Points.Add(MakePoint(5585469.5, 526130, 2, "2а"));
    u.Points.Add(MakePoint(5585440.92, 526154.54, 3, "4"));
    a.LandUses.Add(u);

    Parcel &b = parcels[CreateParcel(parcels)];
    b.KoatuuPart = QStringLiteral("32224");
    b.ZN = -3;
    b.KV = 7;
    b.Number = QStringLiteral("0002");
    b.NM = QStringLiteral("Гнатюк Любов Остапівна");
    b.AD = QStringLiteral("вул. Садова,\r\n2");
    b.KZ = QStringLiteral(" 21 ");
    b.ParcelKoatuu = QStringLiteral(" 3222486201 ");
    b.Area = 12345.67;
    b.Selected = -1;
    b.Points.Add(MakePoint(5585419.54, 526130.69, 1, "1"));   // shares a vertex with parcel 1
    b.Points.Add(MakePoint(-12.345, 0.5, 2, "7"));
    b.Points.Add(MakePoint(5585400, 526100, 3, "8"));
    return parcels;
}

const SaveHeader header{QStringLiteral("3222486201"),
                        QStringLiteral("Софіївсько-Борщагівська сільська рада"), QDate(2026, 3, 7)};

// The first field in which two models differ, for a readable failure.
std::string difference(const ParcelList &a, const ParcelList &b)
{
    if (a.UBound() != b.UBound())
        return "parcel count";
    for (int i = 0; i <= a.UBound(); ++i) {
        const Parcel &p = a[i], &q = b[i];
        const std::pair<const char *, bool> fields[] = {
            {"KoatuuPart", p.KoatuuPart == q.KoatuuPart}, {"ZN", p.ZN == q.ZN}, {"KV", p.KV == q.KV},
            {"Number", p.Number == q.Number}, {"NM", p.NM == q.NM}, {"AD", p.AD == q.AD},
            {"AU", p.AU == q.AU}, {"PZ", p.PZ == q.PZ}, {"PP", p.PP == q.PP}, {"KZ", p.KZ == q.KZ},
            {"KF", p.KF == q.KF}, {"ParcelKoatuu", p.ParcelKoatuu == q.ParcelKoatuu},
            {"DB", p.DB == q.DB}, {"Area", p.Area == q.Area}, {"Points", p.Points == q.Points},
            {"LandUses", p.LandUses == q.LandUses}};
        for (const auto &[name, same] : fields)
            if (!same)
                return "parcel " + std::to_string(i) + " " + name;
    }
    return "none";
}

// Writes the golden files anew when ZOVA_WRITE_GOLDEN is set; look at them before committing.
QByteArray golden(const QString &name, const QByteArray &made = QByteArray())
{
    if (!made.isNull() && qEnvironmentVariableIsSet("ZOVA_WRITE_GOLDEN")) {
        QFile out(QStringLiteral(ZOVA_SOURCE_DIR "/tests/model/data/") + name);
        if (out.open(QIODevice::WriteOnly))
            out.write(made);
    }
    QFile file(testsupport::sourcePath(QStringLiteral("tests/model/data/") + name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "no golden file " << name.toStdString();
    return file.readAll();
}

LoadResult loadSample(const char *name, int filter)
{
    platform::NullProgress progress;
    return LoadExchangeFile(testsupport::sourcePath(QStringLiteral("samples/") + name), filter,
                            progress);
}

} // namespace

TEST(ExchangeFileBytes, EachKindMatchesItsGoldenFile)
{
    const struct {
        int kind;
        bool selectedOnly;
        const char *golden;
    } cases[] = {
        {SaveIn5Dos, false, "golden-dos.in5"},
        {SaveIn5Win, false, "golden-win.in5"},
        {SaveGbd, false, "golden.gbd"},
        {SaveGbd, true, "golden.gbd"},          // a gbd list always covers every parcel
        {SaveIn4, false, "golden.in4"},
        {SaveIn4, true, "golden-selected.in4"},
    };
    for (const auto &c : cases) {
        const QByteArray made = ExchangeFileBytes(fixture(), header, c.kind, c.selectedOnly);
        EXPECT_EQ(made, golden(c.golden, made)) << c.golden;
    }
}

TEST(ExchangeFileBytes, NumberTexts)
{
    // Coordinates: 15 significant digits, "." always, no trailing zeros, never an exponent.
    const struct {
        double value;
        const char *coordinate, *twoDecimals;
    } coordinates[] = {
        {311.25, "311.25", "311.25"},
        {12, "12", "12.00"},
        {-5.25, "-5.25", "-5.25"},
        {0.1 + 0.2, "0.3", "0.30"},
        {1.0 / 3, "0.333333333333333", "0.33"},
        {5585419.123456789, "5585419.12345679", "5585419.12"},
        {1e-7, "0.0000001", "0.00"},
        {2e15, "2000000000000000", "2000000000000000.00"},
        {-0.0, "0", "0.00"},
    };
    for (const auto &c : coordinates) {
        ParcelList parcels;
        Parcel &p = parcels[CreateParcel(parcels)];
        p.Points.Add(MakePoint(c.value, 7, 1, "1"));
        const QByteArray in5 = ExchangeFileBytes(parcels, header, SaveIn5Win, false);
        EXPECT_TRUE(in5.contains(QByteArray(",X=") + c.coordinate + ",Y=7,")) << c.coordinate << "\n" << in5.constData();
        const QByteArray gbd = ExchangeFileBytes(parcels, header, SaveGbd, false);
        EXPECT_EQ(gbd, QByteArray("P,N=1,CD=0,X=") + c.twoDecimals + ",Y=7.00,MX=0.01,MY=0.01\r\n");
    }

    // Areas as hectares with exactly four decimals.
    const struct {
        double squareMetres;
        const char *hectares;
    } areas[] = {{2500, "0.2500"}, {120345, "12.0345"}, {0, "0.0000"}, {12345.67, "1.2346"}};
    for (const auto &c : areas) {
        ParcelList parcels;
        Parcel &p = parcels[CreateParcel(parcels)];
        p.Area = c.squareMetres;
        LandUseArea u;
        u.Area = c.squareMetres;
        p.LandUses.Add(u);
        const QByteArray in4 = ExchangeFileBytes(parcels, header, SaveIn4, false);
        EXPECT_TRUE(in4.contains(QByteArray("\r\nAS=") + c.hectares + ",\r\nPS=0.00,\r\n")) << c.hectares;
        EXPECT_TRUE(in4.contains(QByteArray("\r\nAL=") + c.hectares + ",\r\nPL=0.00,\r\n")) << c.hectares;
    }
}

TEST(ExchangeFileBytes, NothingSelected)
{
    const ParcelList none;
    EXPECT_TRUE(ExchangeFileBytes(none, header, SaveIn5Win, true).isEmpty());
    EXPECT_TRUE(ExchangeFileBytes(none, header, SaveGbd, false).isEmpty());
    const QByteArray in4 = ExchangeFileBytes(none, header, SaveIn4, true);
    EXPECT_EQ(in4.count("\r\n"), 6);
    EXPECT_TRUE(in4.endsWith("DT=\"07.03.2026\",\r\n"));
}

TEST(ExchangeFileBytes, RefusesPointNamesNoReaderCouldTakeBack)
{
    for (const char *name : {"1,2", "5\"a"}) {
        ParcelList parcels = fixture();
        parcels[2].Points[2].NP = QString::fromUtf8(name);
        try {
            ExchangeFileBytes(parcels, header, SaveIn4, false);
            ADD_FAILURE() << name << ": written";
        } catch (const zova::Error &e) {
            EXPECT_TRUE(e.message().contains("ділянка 2")) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains("пікет 2")) << e.message().toStdString();
        }
        // The gbd list does not read names back.
        EXPECT_NO_THROW(ExchangeFileBytes(parcels, header, SaveGbd, false));
    }
}

namespace {

// What a reader of a file of this kind can give back of a model: the DOS code page has no І і Ґ ґ,
// and the in5 layout has no codes, zone, quarter or second parcel.
ParcelList asWrittenIn(ParcelList parcels, int kind)
{
    for (Parcel &p : parcels) {
        if (kind != SaveIn5Win)
            for (QString *text : {&p.Number, &p.NM, &p.AD, &p.AU, &p.PZ, &p.PP, &p.KZ, &p.KF,
                                  &p.ParcelKoatuu, &p.DB})
                *text = platform::Decode(platform::Encode(*text, platform::CodePage::Dos),
                                         platform::CodePage::Dos);
        for (LandUseArea &u : p.LandUses)
            if (kind != SaveIn5Win)
                u.CN = platform::Decode(platform::Encode(u.CN, platform::CodePage::Dos), platform::CodePage::Dos);
        if (kind != SaveIn4) {
            p.KoatuuPart = QString();
            p.ParcelKoatuu.clear();
            p.DB.clear();
            p.ZN = p.KV = 0;
        }
    }
    return parcels;
}

int readFilterOf(int kind)
{
    return kind == SaveIn4 ? 1 : kind == SaveIn5Dos ? 3 : 4;
}

} // namespace

// Read, write, read: every sample in every kind that holds parcels gives back the model that kind
// can hold.
TEST(ExchangeFileBytes, NothingThatIsNotAFiniteNumberIsWritten)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        void (*spoil)(ParcelList &, double);
        double value;
        std::initializer_list<int> refusingKinds;
        const char *where;
    } cases[] = {
        {"parcel area", [](ParcelList &p, double v) { p[2].Area = v; }, nan, {SaveIn4}, "Ділянка 2: площа"},
        {"land-use area", [](ParcelList &p, double v) { p[1].LandUses[1].Area = v; }, inf, {SaveIn4},
         "Ділянка 1, угіддя 1: площа"},
        {"parcel X", [](ParcelList &p, double v) { p[2].Points[3].X = v; }, -inf,
         {SaveIn5Dos, SaveIn5Win, SaveGbd, SaveIn4}, "Ділянка 2, пікет 3"},
        {"land-use Y", [](ParcelList &p, double v) { p[1].LandUses[1].Points[2].Y = v; }, nan,
         {SaveIn5Dos, SaveIn5Win, SaveGbd, SaveIn4}, "Ділянка 1, угіддя 1, пікет 2"},
    };
    for (const auto &c : cases) {
        ParcelList parcels = fixture();
        c.spoil(parcels, c.value);
        for (int kind : {SaveIn5Dos, SaveIn5Win, SaveGbd, SaveIn4}) {
            const bool refused = std::find(c.refusingKinds.begin(), c.refusingKinds.end(), kind) != c.refusingKinds.end();
            try {
                const QByteArray bytes = ExchangeFileBytes(parcels, header, kind, false);
                EXPECT_FALSE(refused) << c.name << " written in kind " << kind;
                EXPECT_FALSE(bytes.contains("nan") || bytes.contains("inf")) << c.name << " kind " << kind;
            } catch (const zova::Error &e) {
                EXPECT_TRUE(refused) << c.name << " kind " << kind;
                EXPECT_TRUE(e.message().startsWith(QString::fromUtf8(c.where))) << e.message().toStdString();
            }
        }
    }
    // A selected-only save writes, and so checks, the selected parcels alone.
    ParcelList parcels = fixture();
    parcels[1].Area = nan;
    EXPECT_NO_THROW(ExchangeFileBytes(parcels, header, SaveIn4, true));
}

TEST(ExchangeFileBytes, ReadingBackGivesTheSameModel)
{
    const struct {
        const char *sample;
        int readFilter;
    } samples[] = {
        {"sofiivska-dos.in4", 1}, {"sofiivska-win.in4", 2}, {"sofiivska-dos.in5", 3},
        {"sofiivska-win.in5", 4}, {"sofiivska-centre.in4", 5},
    };
    for (const auto &s : samples)
        for (int kind : {SaveIn5Dos, SaveIn5Win, SaveIn4}) {
            SCOPED_TRACE(std::string(s.sample) + " kind " + std::to_string(kind));
            const LoadResult first = loadSample(s.sample, s.readFilter);
            const QByteArray bytes =
                ExchangeFileBytes(first.Parcels, {first.Koatuu, QString(), QDate(2026, 3, 7)}, kind, false);
            const LoadResult again =
                ParseExchangeLines(DecodeExchangeLines(bytes, readFilterOf(kind)), readFilterOf(kind));
            EXPECT_EQ(difference(again.Parcels, asWrittenIn(first.Parcels, kind)), "none");
            EXPECT_EQ(again.StatusText, first.StatusText);
            EXPECT_EQ(again.Koatuu, kind == SaveIn4 ? first.Koatuu : QString());
        }
}

// The cadastral number is made of the parcel's code (KoatuuPart, or ParcelKoatuu when the
// documents do not take the file's code), zone, quarter and number: all of them come back.
TEST(ExchangeFileBytes, CodesAndCadastralNumberPartsSurviveASave)
{
    // An in4 whose parcels have no code of their own (no KT, TT or KK lines).
    zova::OneBased<QString> lines = loadSample("sofiivska-win.in4", 2).ImportLines;
    zova::OneBased<QString> withoutOwnCodes;
    for (const QString &line : lines)
        if (!line.startsWith("KT") && !line.startsWith("TT") && !line.startsWith("KK"))
            withoutOwnCodes.Add(line);
    const LoadResult in4 = ParseExchangeLines(withoutOwnCodes, 2);
    // An in5 with the territory chosen afterwards: every parcel takes its code.
    LoadResult in5 = loadSample("sofiivska-win.in5", 4);
    in5.Koatuu = QStringLiteral("3222486201");
    for (Parcel &p : in5.Parcels)
        p.KoatuuPart = in5.Koatuu;
    // Parcels of two territories, one with a code of its own.
    LoadResult mixed = in4;
    mixed.Parcels[3].KoatuuPart = QStringLiteral("3222410100");
    mixed.Parcels[4].KoatuuPart = QStringLiteral("3222410100");
    mixed.Parcels[4].ParcelKoatuu = QStringLiteral("3222410101");
    mixed.Parcels[12].KoatuuPart = QStringLiteral("3222410100");

    const std::pair<const char *, const LoadResult *> sources[] = {
        {"in4 without KT", &in4}, {"in5 with the territory", &in5}, {"two territories", &mixed}};
    for (const auto &[name, source] : sources) {
        SCOPED_TRACE(name);
        ASSERT_EQ(source->Parcels.UBound(), 13);
        EXPECT_TRUE(source->Parcels[2].ParcelKoatuu.isEmpty() || source == &mixed);
        for (bool selectedOnly : {false, true}) {
            ParcelList parcels = source->Parcels;
            for (int i : {2, 4, 5})
                parcels[i].Selected = -1;
            const QByteArray bytes = ExchangeFileBytes(
                parcels, {source->Koatuu, QString(), QDate(2026, 3, 7)}, SaveIn4, selectedOnly);
            const LoadResult again = ParseExchangeLines(DecodeExchangeLines(bytes, 1), 1);
            EXPECT_EQ(again.Koatuu, source->Koatuu);
            const std::vector<int> written =
                selectedOnly ? std::vector<int>{2, 4, 5} : std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
            ASSERT_EQ(again.Parcels.UBound(), int(written.size()));
            for (int k = 1; k <= again.Parcels.UBound(); ++k) {
                const Parcel &was = parcels[written[k - 1]], &is = again.Parcels[k];
                EXPECT_EQ(is.KoatuuPart.text(), was.KoatuuPart.text()) << "parcel " << written[k - 1];
                EXPECT_EQ(is.ParcelKoatuu, was.ParcelKoatuu) << "parcel " << written[k - 1];
                EXPECT_EQ(std::tuple(is.ZN, is.KV, is.Number), std::tuple(was.ZN, was.KV, was.Number));
            }
        }
    }
}

TEST(ExchangeFileBytes, DosKindsKeepCyrillicPointNames)
{
    ParcelList parcels = fixture();
    for (int kind : {SaveIn5Dos, SaveIn4}) {
        const QByteArray bytes = ExchangeFileBytes(parcels, header, kind, false);
        const int filter = kind == SaveIn4 ? 1 : 3;
        const LoadResult r = ParseExchangeLines(DecodeExchangeLines(bytes, filter), filter);
        EXPECT_EQ(r.Parcels[1].Points[2].NP, "2а") << kind;
        EXPECT_EQ(r.Parcels[2].AD, "вул. Садова, 2") << kind;
    }
}

TEST(ExchangeFileBytes, CharactersTheCodePageLacksAreReportedByParcelAndField)
{
    ParcelList parcels = fixture();
    parcels[1].NM = QStringLiteral("Дем’янчук Мар’яна Василівна");
    parcels[1].AU = QStringLiteral("Фермерське господарство «Колос»");
    parcels[1].LandUses[1].CN = QStringLiteral("12,під «забудовою»");
    parcels[2].NM = QStringLiteral("Євгенія Їжак (Фёдорова), Іванівна, Ґудзь"); // IBM866 holds all these
    parcels[2].Points[2].NP = QStringLiteral("7’");
    const std::vector<ReplacedText> dos = {{1, "NM", "’"}, {1, "AU", "«»"}, {1, "CN", "«»"}, {2, "NP", "’"}};
    const struct {
        int kind;
        std::vector<ReplacedText> expected;
    } cases[] = {
        {SaveIn5Dos, dos},
        {SaveIn4, dos},
        {SaveGbd, {{0, "P,N", "’"}}},
        {SaveIn5Win, {}},
    };
    for (const auto &c : cases) {
        std::vector<ReplacedText> replaced{{9, "old", "x"}};
        const QByteArray bytes = ExchangeFileBytes(parcels, header, c.kind, false, &replaced);
        EXPECT_EQ(replaced, c.expected) << "kind " << c.kind;
        // The file is still written, with "?" in the place of what was lost.
        if (c.kind == SaveIn5Dos) {
            EXPECT_TRUE(bytes.contains(platform::Encode(QStringLiteral("NM=\"Дем?янчук Мар?яна"), platform::CodePage::Dos)));
        }
    }
}

TEST(GbdPointList, EveryPositionOnceUnderItsFirstName)
{
    ParcelList parcels = fixture();
    parcels[2].Points.Add(parcels[2].Points[1]);         // a closing repetition
    parcels[2].Points.Add(MakePoint(std::nextafter(5585400.0, 6e6), 526100, 5, "next"));
    parcels[2].Points.Add(MakePoint(0.0, 0.0, 6, "zero"));
    parcels[2].Points.Add(MakePoint(-0.0, 0.0, 7, "minus zero"));
    const Ring list = GbdPointList(parcels);
    QStringList names;
    for (const BoundaryPoint &p : list)
        names.append(p.NP);
    EXPECT_EQ(names, QStringList({"1", "2а", "3", "7", "8", "next", "zero"}));
    EXPECT_TRUE(PointExists(list, 5585469.5, 526130));
    EXPECT_FALSE(PointExists(list, 5585469.5, 526130.0000001));
    EXPECT_FALSE(PointExists(Ring(), 0, 0));
}

TEST(GbdPointList, NoSixteenBitLimit)
{
    ParcelList parcels;
    Parcel &p = parcels[CreateParcel(parcels)];
    for (int i = 1; i <= 40000; ++i)
        p.Points.Add(MakePoint(5585000 + i * 0.01, 526000, i, "n"));
    EXPECT_EQ(GbdPointList(parcels).UBound(), 40000);
}

TEST(WriteExchangeFile, FailureLeavesTheOldFileAndNamesTheFile)
{
    const QString path = QDir(testsupport::tempDir()).filePath("old.in4");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content\r\n");
    }
    ParcelList bad = fixture();
    bad[1].Points[1].NP = QStringLiteral("1,1");
    EXPECT_THROW(WriteExchangeFile(path, bad, header, SaveIn4, false), zova::Error);
    QFile check(path);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "old content\r\n");
    check.close();

    // A folder nobody may write in, whoever runs the tests.
    const QString unwritable = QStringLiteral("/proc/version");
    try {
        WriteExchangeFile(unwritable, fixture(), header, SaveIn5Win, false);
        ADD_FAILURE() << "written into /proc";
    } catch (const zova::Error &e) {
        EXPECT_EQ(e.file(), unwritable);
    }

    WriteExchangeFile(path, fixture(), header, SaveIn4, false);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), golden("golden.in4"));
}

TEST(WriteExchangeFile, ReadOnlyFolderKeepsTheOldFile)
{
    const QString dir = testsupport::tempDir();
    const QString path = QDir(dir).filePath("old.in5");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content\r\n");
    }
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(QDir(dir).filePath("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "permissions do not bind this user (root); /proc stands in above";
    }
    EXPECT_THROW(WriteExchangeFile(path, fixture(), header, SaveIn5Win, false), zova::Error);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile check(path);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "old content\r\n");
}

TEST(SaveExchangeFile, UsesTheStateAndTodaysDate)
{
    resetState();
    state().Parcels = fixture();
    state().Koatuu = header.Koatuu;
    state().FileFilter = SaveIn4;
    const QString path = QDir(testsupport::tempDir()).filePath("today.in4");
    SaveExchangeFile(path, true);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("DT=\"" + QDate::currentDate().toString("dd.MM.yyyy").toLatin1() + "\","));
    EXPECT_FALSE(bytes.contains(platform::Encode(QStringLiteral("# Участок 1"), platform::CodePage::Dos)));
    resetState();
}
