#include "model/exchangeformat.h"

#include "common/error.h"

#include "tests/model/printing.h"

#include <gtest/gtest.h>

using namespace model;

TEST(QuotedValue, TakesTheTextBetweenQuoteAndFinalTwoCharacters)
{
    const struct {
        const char *line, *value;
    } cases[] = {
        {"NM=\"Петренко Іван Степанович\",", "Петренко Іван Степанович"},
        {"NM=\"Петренко\"", "Петренк"},              // no final comma: the last letter goes
        {"AD=\"вул. Шевченка, 5 \"\"кв\"\"\",", "вул. Шевченка, 5 \"\"кв\"\""},
        {"SD=1,", "SD="},                            // no quote: the whole line less two
        {"NM=\"\",", ""},
        {"NM=\"x", ""},                              // fewer than two after the quote
        {"NM=\"", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QuotedValue(QString::fromUtf8(c.line)), QString::fromUtf8(c.value)) << c.line;
}

TEST(LineField, SplitsPointLines)
{
    const QString line = QStringLiteral("N=3,NP=\"12\",X=871.25,Y=345.5,MX=0.01,MY=0.01");
    EXPECT_EQ(LineField(line, 1), "12");
    EXPECT_EQ(LineField(line, 2), "871.25");
    EXPECT_EQ(LineField(line, 3), "345.5");
    EXPECT_EQ(LineField(line, 0), "");
    EXPECT_EQ(LineField(line, 4), "");

    const struct {
        const char *line;
        int k;
        const char *value;
    } cases[] = {
        {"N=1,NP=\"п'ять\",X=1,Y=2", 1, "п'ять"},   // exactly four fields, no final comma
        {"N=1,NP=\"7,X=1,Y=2", 1, "7"},             // no closing quote: to the field's end
        {"N=1,NP=\"7\",X=,Y=2", 2, ""},
        {"N=1,NP=\"7\",X,Y=2", 2, ""},
        {"N=1,NP=\"7\",X=1,Y=-2.5,", 3, "-2.5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LineField(QString::fromUtf8(c.line), c.k), QString::fromUtf8(c.value)) << c.line;
}

TEST(LineField, RefusesShortLinesAndNamesWithoutQuote)
{
    const char *bad[] = {"N=1,NP=\"1\",X=5", "N=1", "N=1,NP=1,X=5,Y=6"};
    for (const char *line : bad)
        EXPECT_THROW(LineField(QString::fromLatin1(line), 1), zova::Error) << line;
}

TEST(DecimalValue, KeepsAtMostTwoFractionDigits)
{
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"871.256", 871.25}, {"871.2", 871.2},   {"871", 871},      {"871.", 871},
        {"12,5", 12},        {"5586123.45", 5586123.45},            {"0.07", 0.07},
        {"-5.25", -5.25},    {"-0.5", -0.5},     {"-12", -12},      {" 871 .2", 871.2},
        {"1.2.3", 1.2},      {"abc", 0},         {"7.x", 7},        {"1E3", 1000},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(DecimalValue(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_THROW(DecimalValue(QString()), zova::Error);
}

TEST(CentreVariant, ComposesAddressesAndShortensGrounds)
{
    const struct {
        QString (*compose)(const QString &);
        const char *value, *result;
    } cases[] = {
        {CentreParcelAddress, "Київська обл.,вул. Садова,5,-,12",
         "Київська обл. вул. Садова буд.5 кв.12"},
        {CentreParcelAddress, "с. Софіївська Борщагівка", "с. Софіївська Борщагівка буд. корп. кв."},
        {CentreParcelAddress, "обл,село,1,2,3,зайве,ще", "обл село буд.1 корп.2 кв.3"},
        {CentreParcelAddress, "a,b, - ,-,-", "a b "}, // three blanks: two passes leave one
        {CentreOwnerAddress, "Україна,03000,Київська,район,м. Київ,вул. Лісова,7,-,3,x",
         "м. Київ вул. Лісова буд.7 кв.3"},
        {CentreGrounds, " РС,12,01.02.2003,зайве ", "РС,12,01.02.2003"},
        {CentreGrounds, " РС,12,01.02.2003 ", "РС,12,01.02.2003"},
        {CentreGrounds, "рішення сесії", "рішення сесії"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.compose(QString::fromUtf8(c.value)), QString::fromUtf8(c.result)) << c.value;
}
