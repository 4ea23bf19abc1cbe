#include "common/error.h"
#include "common/numbers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zova;

struct LeadingCase {
    const char *name;
    const char *text;
    double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, Reads)
{
    const LeadingCase &c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, LeadingNumberTest, ::testing::Values(
    LeadingCase{"plain", "42", 42},
    LeadingCase{"blanks inside", "1 2", 12},
    LeadingCase{"tabs and line feeds", "\t1\n2 .5", 12.5},
    LeadingCase{"leading blanks", "   7", 7},
    LeadingCase{"negative decimal", "-3.7", -3.7},
    LeadingCase{"plus sign", "+8", 8},
    LeadingCase{"exponent E", "1.5E2", 150},
    LeadingCase{"exponent D", "2D3", 2000},
    LeadingCase{"negative exponent", "25e-1", 2.5},
    LeadingCase{"exponent without digits stops", "3E", 3},
    LeadingCase{"hex", "&H1F", 31},
    LeadingCase{"hex lower case", "&hff", 255},
    LeadingCase{"octal", "&O17", 15},
    LeadingCase{"stops at letter", "21abc", 21},
    LeadingCase{"stops at second point", "1.2.3", 1.2},
    LeadingCase{"comma is no separator", "1,5", 1},
    LeadingCase{"leading point", ".5", 0.5},
    LeadingCase{"no number", "abc", 0},
    LeadingCase{"empty", "", 0},
    LeadingCase{"sign only", "-", 0},
    LeadingCase{"cyrillic text", "ділянка 5", 0},
    LeadingCase{"key of a tree node", "12_3u", 12}),
    [](const auto &info) {
        std::string n = info.param.name;
        for (char &ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(FiniteLeadingNumber, NumbersBeyondADoubleAreErrors)
{
    const QString hex = QStringLiteral("&H") + QString(300, QLatin1Char('F'));
    for (const QString &text : {QStringLiteral("1e309"), QStringLiteral("-1E309"), QStringLiteral("1D400"),
                                QStringLiteral("5.1e309"), hex}) {
        EXPECT_THROW(FiniteLeadingNumber(text), Error) << text.toStdString();
        EXPECT_EQ(LeadingNumber(text), 0) << text.toStdString(); // the lenient reading is unchanged
    }
    // Too small is no loss: it reads as 0.
    EXPECT_EQ(FiniteLeadingNumber(QStringLiteral("1e-400")), 0);
    EXPECT_EQ(FiniteLeadingNumber(QStringLiteral("1e308")), 1e308);
    EXPECT_EQ(FiniteLeadingNumber(QStringLiteral("abc")), 0);
}

TEST(LeadingNumber, IgnoresLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    EXPECT_DOUBLE_EQ(LeadingNumber(QStringLiteral("12.75")), 12.75);
    QLocale::setDefault(saved);
}

TEST(Rounding, HalfEvenInto16Bits)
{
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(-3.5), -4);
    EXPECT_EQ(RoundToInt16(2.6), 3);
    EXPECT_EQ(RoundToInt16(32767), 32767);
    EXPECT_EQ(RoundToInt16(-32768), -32768);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_THROW(RoundToInt16(32767.5), Error); // rounds to 32768
    EXPECT_THROW(RoundToInt16(40000), Error);
    EXPECT_THROW(RoundToInt16(-32769), Error);
}

TEST(Rounding, HalfEvenIntoBytes)
{
    EXPECT_EQ(RoundToByte(254.5), 254);
    EXPECT_EQ(RoundToByte(255), 255);
    EXPECT_THROW(RoundToByte(255.5), Error);
    EXPECT_THROW(RoundToByte(-1), Error);
    EXPECT_EQ(RoundToByte(-0.5), 0);
}

TEST(NumberTexts, UseTheSystemSeparator)
{
    const QString sep = QLocale::system().decimalPoint();
    EXPECT_EQ(Format2(12.346), QStringLiteral("12") + sep + QStringLiteral("35"));
    EXPECT_EQ(Format2(3), QStringLiteral("3") + sep + QStringLiteral("00"));
    EXPECT_EQ(Format4(1234.5 / 10000), QStringLiteral("0") + sep + QStringLiteral("1235"));
    EXPECT_EQ(Format2(12345678.9), QStringLiteral("12345678") + sep + QStringLiteral("90")); // no grouping
    EXPECT_EQ(FormatDot(-0.001, 2), QStringLiteral("0.00"));
    EXPECT_EQ(FormatDot(5.125, 3), QStringLiteral("5.125"));
    // A difference of equal areas a hair below zero shows no sign; a real negative keeps it.
    EXPECT_EQ(Format4((1210.0 - (475.0 + 735.00000000001)) / 10000), QStringLiteral("0") + sep + QStringLiteral("0000"));
    EXPECT_EQ(Format2(-0.004), QStringLiteral("0") + sep + QStringLiteral("00"));
    EXPECT_EQ(Format2(-0.006), QStringLiteral("-0") + sep + QStringLiteral("01"));
}

TEST(NumberTexts, SignedText)
{
    EXPECT_EQ(SignedText(5), QStringLiteral(" 5"));
    EXPECT_EQ(SignedText(0), QStringLiteral(" 0"));
    EXPECT_EQ(SignedText(-5), QStringLiteral("-5"));
    EXPECT_DOUBLE_EQ(Hectares(2500), 0.25);
}
