// The computations behind the editing commands: zone and quarter values, land-use code
// normalisation, long parcel numbers, the coordinate shift and the bulk assignment and selection.

#include "common/error.h"
#include "mainwindow/bulkvalues.h"
#include "mainwindow/parceledits.h"
#include "tests/model/printing.h"

#include <gtest/gtest.h>
#include <limits>

using namespace mainwindow;

namespace {

model::Ring ring(std::initializer_list<std::pair<double, double>> xy)
{
    model::Ring r;
    int k = 0;
    for (const auto &[x, y] : xy) {
        model::BoundaryPoint b;
        b.Index = ++k;
        b.NP = QString::number(k * 10);
        b.X = x;
        b.Y = y;
        r.Add(b);
    }
    return r;
}

model::Parcel parcel(const QString &number, std::initializer_list<QString> codes = {})
{
    model::Parcel p;
    p.Number = number;
    p.Area = 600;
    p.Points = ring({{0, 0}, {30, 0}, {30, 20}, {0, 20}});
    for (const QString &c : codes) {
        model::LandUseArea a;
        a.CN = c;
        a.Points = ring({{1, 1}, {2, 1}, {2, 2}});
        p.LandUses.Add(a);
    }
    return p;
}

} // namespace

TEST(Int16ValueTest, LeadingNumberRoundedHalfToEvenWithinTheField)
{
    const struct {
        const char *text;
        std::optional<int16_t> value;
    } cases[] = {
        {"12", 12},   {"12a", 12},  {"12.5", 12},          {"13.5", 14},       {"1 2", 12},
        {"", 0},      {"abc", 0},   {"-32768", -32768},    {"32767", 32767},   {"32767.5", std::nullopt},
        {"32768", std::nullopt},    {"-40000", std::nullopt}, {"1e9", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Int16Value(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NormalisedLandUseCodeTest, TwoDigitCategoryCommaAndTheRest)
{
    const struct {
        const char *code;
        const char *want;
    } cases[] = {
        {"12", "12"},                          // a bare category stays
        {"5", "5"},
        {"", ""},
        {" 7 ", " 7 "},                        // two characters once trimmed: left as it stands
        {"1,рілля", "1,рілля"},                 // a comma: left, even with a one-digit number
        {"160рілля", "16,0рілля"},
        {"1aрілля", "01,рілля"},                // the letter after the digit is dropped
        {"рілля", "05,лля"},                    // no number at the start
        {"00пасовище", "05,пасовище"},           // a number equal to zero
        {"  16 рілля зрошувана  ", "16, рілля зрошувана"}, // outer blanks go, inner blanks stay
        {"1.рілля", "01,рілля"},
    };
    for (const auto &c : cases) {
        const QString once = NormalisedLandUseCode(QString::fromUtf8(c.code));
        EXPECT_EQ(once, QString::fromUtf8(c.want)) << c.code;
        EXPECT_EQ(NormalisedLandUseCode(once), once) << "twice: " << c.code;
    }
}

TEST(SplitLongNumbersTest, LeadingPartGoesToTheQuarterOrTheNumberStays)
{
    model::ParcelList parcels;
    parcels.Add(parcel(QStringLiteral("0240006")));
    parcels.Add(parcel(QStringLiteral("0012")));
    parcels.Add(parcel(QStringLiteral("АБ0012")));
    parcels.Add(parcel(QStringLiteral("999990012")));
    parcels.Add(parcel(QStringLiteral("7 0013")));
    for (model::Parcel &p : parcels)
        p.KV = 3;

    const NumberSplit done = SplitLongNumbers(parcels);
    EXPECT_EQ(done.split, (QList<int>{1, 5}));
    EXPECT_EQ(parcels[1].KV, 24);
    EXPECT_EQ(parcels[1].Number, QStringLiteral("0006"));
    EXPECT_EQ(parcels[2].Number, QStringLiteral("0012")); // four characters: untouched
    EXPECT_EQ(parcels[2].KV, 3);
    // Numbers whose leading part is no quarter keep every character and their quarter.
    EXPECT_EQ(parcels[3].Number, QStringLiteral("АБ0012"));
    EXPECT_EQ(parcels[4].Number, QStringLiteral("999990012"));
    EXPECT_EQ(parcels[4].KV, 3);
    EXPECT_EQ(done.refused, (QStringList{QStringLiteral("АБ0012 (ділянка 3)"), QStringLiteral("999990012 (ділянка 4)")}));
    EXPECT_EQ(parcels[5].KV, 7);
    EXPECT_EQ(parcels[5].Number, QStringLiteral("0013"));
}

TEST(ShiftAllPointsTest, EveryPointOfParcelsAndLandUsesOrNone)
{
    model::ParcelList parcels;
    parcels.Add(parcel(QStringLiteral("1"), {QStringLiteral("01")}));
    parcels.Add(parcel(QStringLiteral("2"), {QStringLiteral("01"), QStringLiteral("12")}));
    const model::ParcelList before = parcels;

    ShiftAllPoints(parcels, false, 100);
    for (int i = 1; i <= 2; ++i) {
        for (int k = 1; k <= parcels[i].Points.UBound(); ++k) {
            EXPECT_EQ(parcels[i].Points[k].Y, before[i].Points[k].Y + 100);
            EXPECT_EQ(parcels[i].Points[k].X, before[i].Points[k].X);
        }
        for (int j = 1; j <= parcels[i].LandUses.UBound(); ++j)
            for (int k = 1; k <= parcels[i].LandUses[j].Points.UBound(); ++k)
                EXPECT_EQ(parcels[i].LandUses[j].Points[k].Y, before[i].LandUses[j].Points[k].Y + 100);
    }
    ShiftAllPoints(parcels, false, -100);
    EXPECT_EQ(parcels, before);

    // A point of the last land-use area cannot move: nothing moves.
    parcels[2].LandUses[2].Points[3].X = std::numeric_limits<double>::max();
    const model::ParcelList kept = parcels;
    EXPECT_THROW(ShiftAllPoints(parcels, true, std::numeric_limits<double>::max()), zova::Error);
    EXPECT_EQ(parcels, kept);
}

TEST(AssignValueTest, TextFieldsQuartersAndLandUseCodes)
{
    model::ParcelList parcels;
    parcels.Add(parcel(QStringLiteral("1")));
    parcels.Add(parcel(QStringLiteral("2"), {QStringLiteral("01"), QStringLiteral("12")}));

    Assignment a = AssignValue(parcels, KeyPZ, QStringLiteral(" РС,1,01.01.2001 "), false);
    EXPECT_TRUE(a.changed);
    EXPECT_EQ(a.nodeLetter, QLatin1Char('r'));
    EXPECT_EQ(parcels[2].PZ, QStringLiteral(" РС,1,01.01.2001 ")); // exactly as typed

    const struct {
        const char *v;
        int16_t kv;
    } quarters[] = {{"12abc", 12}, {"", 0}, {"   ", 0}, {"12.5", 12}, {"13.5", 14}};
    for (const auto &q : quarters) {
        a = AssignValue(parcels, KeyKV, QString::fromUtf8(q.v), false);
        EXPECT_TRUE(a.nodeLetter.isNull());
        EXPECT_EQ(parcels[1].KV, q.kv) << q.v;
        EXPECT_EQ(parcels[2].KV, q.kv) << q.v;
    }
    // A value that does not fit is refused before any parcel is written.
    parcels[1].ZN = 4;
    parcels[2].ZN = 5;
    EXPECT_THROW(AssignValue(parcels, KeyZN, QStringLiteral("40000"), false), zova::Error);
    EXPECT_EQ(parcels[1].ZN, 4);
    EXPECT_EQ(parcels[2].ZN, 5);

    a = AssignValue(parcels, KeyCN, QStringLiteral("16,рілля"), false);
    EXPECT_EQ(a.nodeLetter, QLatin1Char('u'));
    EXPECT_EQ(parcels[2].LandUses[1].CN, QStringLiteral("16,рілля"));
    EXPECT_EQ(parcels[2].LandUses[2].CN, QStringLiteral("16,рілля"));

    const model::ParcelList before = parcels;
    for (int key : {KeyDB, KeyKF, KeyDS})
        EXPECT_FALSE(AssignValue(parcels, key, QStringLiteral("9"), false).changed) << key;
    EXPECT_EQ(parcels, before);
}

TEST(AssignValueTest, NewLandUseAreaOverTheWholeParcel)
{
    model::ParcelList parcels;
    parcels.Add(parcel(QStringLiteral("1")));
    parcels.Add(parcel(QStringLiteral("2"), {QStringLiteral("01"), QStringLiteral("12")}));
    const Assignment a = AssignValue(parcels, KeyCN, QStringLiteral("02"), true);
    EXPECT_EQ(a.grown, (QList<int>{1, 2}));
    EXPECT_TRUE(a.nodeLetter.isNull()); // the old codes keep their text
    EXPECT_EQ(parcels[1].LandUses.UBound(), 1);
    ASSERT_EQ(parcels[2].LandUses.UBound(), 3);
    const model::LandUseArea &added = parcels[2].LandUses[3];
    EXPECT_EQ(added.CN, QStringLiteral("02"));
    EXPECT_EQ(added.Area, parcels[2].Area);
    EXPECT_EQ(added.Points, parcels[2].Points); // names, indexes and coordinates
    EXPECT_EQ(parcels[2].LandUses[1].CN, QStringLiteral("01"));
}

TEST(ParcelsMatchingTest, ExactTextsLandUseCodesAndSecondParcelComparisons)
{
    model::ParcelList parcels;
    const char *dbs[] = {"3", "4.9", "", "5", "7", "-2"};
    for (const char *db : dbs) {
        model::Parcel p = parcel(QStringLiteral("1"));
        p.DB = QString::fromLatin1(db);
        p.AD = QStringLiteral("вул. Садова");
        parcels.Add(p);
    }
    parcels[2].AD = QStringLiteral("вул. садова");
    parcels[3].AD = QStringLiteral("вул. Садова ");
    parcels[4].AD.clear();
    parcels[5].LandUses = parcel(QString(), {QStringLiteral("01"), QString()}).LandUses;
    parcels[6].LandUses = parcel(QString(), {QStringLiteral("01")}).LandUses;

    const struct {
        int key;
        const char *v;
        QList<int> want;
    } cases[] = {
        {KeyAD, "вул. Садова", {1, 5, 6}}, // letter case and a trailing blank count
        {KeyAD, "", {4}},
        {KeyCN, "01", {5, 6}},
        {KeyCN, "", {5}},                   // a parcel without land-use areas never matches
        {KeyDB, "<5", {1, 2, 3, 6}},        // an empty DB reads 0
        {KeyDB, ">", {1, 2, 4, 5}},
        {KeyDB, "=7", {5}},
        {KeyDB, "5", {}},                   // no operator
        {KeyDB, "", {}},
        {KeyAU, "", {}},
        {KeyKV, "0", {}},
        {KeyZN, "0", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParcelsMatching(parcels, c.key, QString::fromUtf8(c.v)), c.want) << c.key << " " << c.v;
}
