#include "common/text.h"

#include <gtest/gtest.h>

using namespace zova;

TEST(Text, SplitWordsKeepsEmptyWords)
{
    EXPECT_EQ(SplitWords(QStringLiteral("Великосілецька  сільська")),
              (QStringList{QStringLiteral("Великосілецька"), QString(), QStringLiteral("сільська")}));
    EXPECT_EQ(SplitWords(QString()), QStringList{QString()});
}

TEST(Text, DropLastCharWorksOnCharacters)
{
    EXPECT_EQ(DropLastChar(QStringLiteral("сільська")), QStringLiteral("сільськ"));
    EXPECT_EQ(DropLastChar(QStringLiteral("я")), QString());
    EXPECT_EQ(DropLastChar(QString()), QString());
    EXPECT_EQ(DropLastChar(QString::fromUtf8("a\xF0\x9F\x98\x80")), QStringLiteral("a"));
}

TEST(Text, UpperCaseIsUnicode)
{
    EXPECT_EQ(UpperCase(QStringLiteral("ґрунт і їжак")), QStringLiteral("ҐРУНТ І ЇЖАК"));
}
