#include "documents/neighbourtext.h"

#include <gtest/gtest.h>

using namespace documents;

namespace {

/// A list whose parcel 1 has `n` neighbour entries with the texts T1 ... Tn.
model::ParcelList WithEntries(int n)
{
    model::ParcelList parcels;
    model::Parcel p;
    p.NeighbourList.assign(1, model::NeighbourEntry());
    for (int k = 1; k <= n; ++k)
        p.NeighbourList.push_back(model::NeighbourEntry{k + 1, QStringLiteral("T%1").arg(k)});
    parcels.Add(p);
    return parcels;
}

QString Lines(const char *text)
{
    // The tables below write the carriage return as "|".
    return QString::fromUtf8(text).replace(QLatin1Char('|'), QLatin1Char('\r'));
}

} // namespace

TEST(NeighbourLetter, CodePageOrderAndBeyond)
{
    const struct {
        int k;
        const char *letter;
    } cases[] = {{1, "А"}, {2, "Б"}, {3, "В"}, {4, "Г"}, {5, "Д"}, {6, "Е"}, {7, "Ж"}, {8, "З"},
                 {9, "И"}, {10, "Й"}, {32, "Я"}, {33, "а"}, {64, "я"}, {65, "А1"}, {66, "Б1"},
                 {128, "я1"}, {129, "А2"}, {0, ""}};
    for (const auto &c : cases)
        EXPECT_EQ(NeighbourLetter(c.k), QString::fromUtf8(c.letter)) << c.k;
}

TEST(NeighbourBoundaryText, Layouts)
{
    const struct {
        int entries;
        bool full, four;
        const char *text;
    } cases[] = {
        {0, true, false, ""},
        {0, false, true, ""},
        {1, true, false, "Від А до А T1"},
        {1, false, true, "А T1"},
        {1, false, false, "А T1"},
        {3, true, true, "Від А до Б T1|Від Б до В T2|Від В до А T3"},
        {3, false, true, "T1|T2|А T3"},
        {4, false, true, "T1|T2|T3|А T4"},
        {5, false, true, "T1|T2|T3|Д T4|Від Д до А T5"},
        {6, false, true, "T1|T2|T3|Д T4|Від Д до Е T5|Від Е до А T6"},
        {6, false, false, "T1|T2|T3|T4|T5|А T6"},
        {7, false, false, "T1|T2|T3|T4|T5|Ж T6|Від Ж до А T7"},
        {8, false, false, "T1|T2|T3|T4|T5|Ж T6|Від Ж до З T7|Від З до А T8"},
    };
    for (const auto &c : cases) {
        const model::ParcelList parcels = WithEntries(c.entries);
        EXPECT_EQ(NeighbourBoundaryText(parcels, 1, c.full, c.four), Lines(c.text))
            << c.entries << " full " << c.full << " four " << c.four;
    }
    EXPECT_EQ(NeighbourBoundaryText(WithEntries(3), 2, true, false), QString());
    // A parcel never built has no list at all.
    model::ParcelList unbuilt;
    unbuilt.Add(model::Parcel());
    EXPECT_EQ(NeighbourBoundaryText(unbuilt, 1, true, false), QString());
}

TEST(NeighbourBoundaryText, OwnersAreWrittenUnchangedAndLettersGoOnPast64)
{
    model::ParcelList parcels = WithEntries(70);
    parcels[1].NeighbourList[2].Text = QStringLiteral("Іваненко І.І.|Петренко П.П.");
    const QStringList lines = NeighbourBoundaryText(parcels, 1, true, false).split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 70);
    EXPECT_EQ(lines[1], QStringLiteral("Від Б до В Іваненко І.І.|Петренко П.П."));
    EXPECT_EQ(lines[63], QStringLiteral("Від я до А1 T64"));
    EXPECT_EQ(lines[64], QStringLiteral("Від А1 до Б1 T65"));
    EXPECT_EQ(lines[69], QStringLiteral("Від Е1 до А T70"));
}

TEST(NeighbourTableRows, OneRowPerEntry)
{
    const std::vector<NeighbourRow> three = {{QStringLiteral("Від А до Б"), QStringLiteral("T1")},
                                             {QStringLiteral("Від Б до В"), QStringLiteral("T2")},
                                             {QStringLiteral("Від В до А"), QStringLiteral("T3")}};
    EXPECT_EQ(NeighbourTableRows(WithEntries(3), 1), three);
    const std::vector<NeighbourRow> one = {{QStringLiteral("Від А до А"), QStringLiteral("T1")}};
    EXPECT_EQ(NeighbourTableRows(WithEntries(1), 1), one);
    EXPECT_TRUE(NeighbourTableRows(WithEntries(0), 1).empty());
}

// The act forms print no letters of their own: every line of an act's description carries its
// stretch and a tab to the neighbour, so the neighbours stand in one column, also on the lines that
// the short layout gives in full (past the fourth or sixth); read with a blank for the tab it is the
// full layout.
TEST(ActNeighbourDescription, EveryLineHasItsLettersAndATabToTheNeighbour)
{
    for (int n = 0; n <= 9; ++n) {
        const model::ParcelList parcels = WithEntries(n);
        const QString act = ActNeighbourDescription(parcels, 1);
        EXPECT_EQ(QString(act).replace(QLatin1Char('\t'), QLatin1Char(' ')), NeighbourBoundaryText(parcels, 1, true, false)) << n;
        EXPECT_EQ(act.count(QLatin1Char('\t')), n) << n;
    }
    EXPECT_EQ(ActNeighbourDescription(WithEntries(5), 1),
              Lines("Від А до Б\tT1|Від Б до В\tT2|Від В до Г\tT3|Від Г до Д\tT4|Від Д до А\tT5"));
    EXPECT_EQ(ActNeighbourDescription(WithEntries(1), 1), QStringLiteral("Від А до А\tT1"));
    EXPECT_EQ(ActNeighbourDescription(WithEntries(3), 7), QString()); // no such parcel
}
