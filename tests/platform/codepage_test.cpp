#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
const QString kUkrainian = QStringLiteral("Ґрунт і Іван, їжак: «Київ» — 12.50");
}

TEST(CodePage, WindowsRoundTripKeepsEveryLetter)
{
    const QByteArray bytes = Encode(kUkrainian, CodePage::Win);
    EXPECT_EQ(bytes.size(), kUkrainian.size());
    EXPECT_EQ(Decode(bytes, CodePage::Win), kUkrainian);
    EXPECT_TRUE(Representable(kUkrainian, CodePage::Win));
}

TEST(CodePage, DosSubstitutesTheFourMissingLetters)
{
    const QString text = QStringLiteral("Ґ ґ І і Ї ї Є є");
    const QByteArray bytes = Encode(text, CodePage::Dos);
    // IBM866 has Ї ї Є є but not Ґ ґ І і: those become Г г I i.
    EXPECT_EQ(Decode(bytes, CodePage::Dos), QStringLiteral("Г г I i Ї ї Є є"));
    EXPECT_FALSE(Representable(text, CodePage::Dos));
    EXPECT_TRUE(Representable(QStringLiteral("Ї ї Є є Шевченко"), CodePage::Dos));
}

TEST(CodePage, DosKnownBytes)
{
    EXPECT_EQ(Encode(QStringLiteral("АаЯя"), CodePage::Dos), QByteArray("\x80\xA0\x9F\xEF"));
    EXPECT_EQ(Decode(QByteArray("\x80\xA0\x9F\xEF"), CodePage::Dos), QStringLiteral("АаЯя"));
    EXPECT_EQ(Encode(QStringLiteral("АаЯя"), CodePage::Win), QByteArray("\xC0\xE0\xDF\xFF"));
}

TEST(CodePage, UnmappableBecomesOneQuestionMarkEach)
{
    EXPECT_EQ(Encode(QString::fromUtf8("a€b\xF0\x9F\x98\x80" "c"), CodePage::Dos), QByteArray("a?b?c"));
    EXPECT_EQ(Encode(QStringLiteral("日本"), CodePage::Win), QByteArray("??"));
    EXPECT_EQ(Encode(QStringLiteral("€"), CodePage::Win), QByteArray("\x88"));
}

TEST(CodePage, UnencodableNamesWhatBecomesAQuestionMark)
{
    const struct {
        const char *text;
        CodePage page;
        const char *lost;
    } cases[] = {
        {"Мар’яна «Колос» Мар’яна", CodePage::Dos, "’«»"},
        {"Євген Їжак, Фёдор", CodePage::Dos, ""},    // IBM866 has Є Ї ё
        {"Іван Ґудзь, вул. Гоголя", CodePage::Dos, ""}, // written as I and Г, as agreed
        {"a€b\xF0\x9F\x98\x80" "c?", CodePage::Dos, "€\xF0\x9F\x98\x80"},
        {"Мар’яна «Колос» №5", CodePage::Win, ""},
        {"日本", CodePage::Win, "日本"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Unencodable(QString::fromUtf8(c.text), c.page), QString::fromUtf8(c.lost)) << c.text;
}

TEST(CodePage, EveryByteDecodesToOneCharacter)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(Decode(all, CodePage::Dos).size(), 256);
    EXPECT_EQ(Encode(Decode(all, CodePage::Dos), CodePage::Dos), all);
}
