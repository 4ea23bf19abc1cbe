#include "referencetesting.h"

#include "reference/fonts.h"
#include "reference/parameters.h"
#include "reference/startup.h"
#include "platform/regkey.h"
#include "tests/support/fulldisk.h"

#include <QLocale>

using namespace reference;
using platform::RegKey;

namespace {

void setValue(const char *name, const QVariant &value, int type = RegKey::RegSz)
{
    RegKey().SetKeyValue(FontsKey(), QString::fromLatin1(name), value, type);
}

QString storedText(const char *name)
{
    return FontValueText(RegKey().QueryValue(FontsKey(), QString::fromLatin1(name)));
}

class StartTest : public referencetesting::StartTestBase {};

// The five records hold the defaults an office starts with.
void expectDefaultFonts()
{
    const State &s = state();
    const QString face = QStringLiteral("Times New Roman");
    EXPECT_EQ(s.gaNameF, (FontSetting{face, 12, true, false}));
    EXPECT_EQ(s.gaF, (FontSetting{face, 10, false, false}));
    EXPECT_EQ(s.plnF, (FontSetting{face, 8, false, false}));
    EXPECT_EQ(s.shtF, (FontSetting{face, 10, false, false}));
    EXPECT_EQ(s.SmF, (FontSetting{face, 8, false, false}));
}

} // namespace

TEST_F(StartTest, FirstStartWritesDefaultsLoadsThemAndOpensTheBase)
{
    const QString dir = QFileInfo(referencetesting::copyOfBase()).path();
    ASSERT_TRUE(StartUp(testsupport::tempDir(), dir));
    EXPECT_TRUE(BaseConn().IsOpen());
    EXPECT_TRUE(prompts->calls.empty());
    expectDefaultFonts();
    EXPECT_EQ(storedText("gaNameFBold"), QStringLiteral("True"));
    EXPECT_EQ(storedText("SmFItalic"), QStringLiteral("False"));
}

// A first start whose settings take nothing (a full disk under the settings folder) says so, and
// the documents of the run still take the default fonts, not a nameless font of size 0.
TEST_F(StartTest, DefaultsThatCannotBeStoredServeTheRunAllTheSame)
{
    const std::vector<testsupport::FullDisk::Way> ways = testsupport::FullDisk::ways();
    // The start also opens the database: a file size limit would hold for it too.
    if (ways.back() != testsupport::FullDisk::Tmpfs)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString dir = QFileInfo(referencetesting::copyOfBase()).path();
    testsupport::FullDisk disk(testsupport::FullDisk::Tmpfs);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, disk.dir());
    disk.fill(0);
    const bool started = StartUp(testsupport::tempDir(), dir);
    disk.release();
    const bool stored = QFileInfo::exists(RegKey::FileName());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir());

    ASSERT_TRUE(started);
    EXPECT_FALSE(stored);
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages()[0].startsWith(QStringLiteral("Не вдалося зберегти налаштування шрифтів")))
        << prompts->messages()[0].toStdString();
    expectDefaultFonts();
}

TEST_F(StartTest, StoredFaceDecidesWhetherDefaultsAreWrittenAgain)
{
    const QString dir = QFileInfo(referencetesting::copyOfBase()).path();
    // name stored -> size of plnF after the start
    for (const auto &[face, size] : std::vector<std::pair<QString, int16_t>>{
             {QStringLiteral("X"), 8}, {QString(), 8}, {QStringLiteral("Ar"), 99}, {QStringLiteral("Arial"), 99}}) {
        setValue("gaNameFName", face);
        setValue("plnFSize", QStringLiteral("99"));
        ASSERT_TRUE(StartUp(testsupport::tempDir(), dir));
        EXPECT_EQ(state().plnF.FontSize, size) << face.toStdString();
        EXPECT_EQ(state().gaNameF.FontName, face.size() > 1 ? face : QStringLiteral("Times New Roman"));
    }
}

TEST_F(StartTest, MissingBaseEndsTheStartWithAMessageAfterTheFonts)
{
    EXPECT_FALSE(StartUp(testsupport::tempDir(), testsupport::tempDir()));
    EXPECT_FALSE(BaseConn().IsOpen());
    ASSERT_EQ(prompts->calls.size(), 1u);
    EXPECT_TRUE(prompts->calls[0].message.text.contains(QStringLiteral("mybase.dat")));
    EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(prompts->calls[0].message.title, QStringLiteral("Zemograf"));
    EXPECT_EQ(state().plnF.FontSize, 8);
}

TEST(FontFromTexts, SizesRoundHalfToEvenAndFlagsReadTrueOrNonZero)
{
    const std::vector<std::pair<QString, int16_t>> sizes{
        {"10", 10}, {"10.5", 10}, {"11.5", 12}, {"8.4", 8}, {"abc", 0}, {"", 0}, {"12pt", 12}, {"99999", 0}};
    for (const auto &[text, size] : sizes)
        EXPECT_EQ(FontFromTexts("F", text, "", "").FontSize, size) << text.toStdString();
    const std::vector<std::pair<QString, bool>> flags{
        {"True", true}, {"1", true}, {"-1", true}, {"False", false}, {"0", false}, {"", false}, {"true", false}};
    for (const auto &[text, on] : flags) {
        EXPECT_EQ(FontFromTexts("F", "8", text, "").Bold, on) << text.toStdString();
        EXPECT_EQ(FontFromTexts("F", "8", "", text).Italic, on) << text.toStdString();
    }
}

TEST(LoadFonts, NumbersStoredAsNumbersReadAsTheirDigits)
{
    referencetesting::clearSettings();
    resetState();
    WriteDefaultFonts();
    setValue("plnFSize", 14, RegKey::RegDword);
    setValue("plnFBold", 1, RegKey::RegDword);
    setValue("SmFName", QStringLiteral("Мар'яна Sans"));
    LoadFonts();
    EXPECT_EQ(state().plnF, (FontSetting{QStringLiteral("Times New Roman"), 14, true, false}));
    EXPECT_EQ(state().SmF.FontName, QStringLiteral("Мар'яна Sans"));
    EXPECT_EQ(storedText("plnFSize"), QStringLiteral("14"));
}

TEST(ParameterValue, ReadsEitherDecimalSeparatorAndRefusesWhatIsNoNumber)
{
    const std::vector<std::pair<QString, double>> numbers{
        {"0.5", 0.5}, {"0,5", 0.5}, {" 0.25 ", 0.25}, {"1", 1}, {"-2,5", -2.5}, {"1 000", 1000}, {"+3", 3},
        {",5", 0.5}, {"7.", 7}, {"0", 0}};
    for (const auto &[text, value] : numbers) {
        ASSERT_TRUE(ParameterValue(text).has_value()) << text.toStdString();
        EXPECT_DOUBLE_EQ(*ParameterValue(text), value) << text.toStdString();
    }
    for (const QString &text : QStringList{"abc", "", "  ", "0,3 га", "1.5.7", "12abc", "-", "1e3", QString(400, QLatin1Char('9'))})
        EXPECT_FALSE(ParameterValue(text).has_value()) << text.toStdString();
    const QString sep = QLocale::system().decimalPoint();
    EXPECT_EQ(ParameterText(0.25), QStringLiteral("0") + sep + QStringLiteral("25"));
    EXPECT_DOUBLE_EQ(ParameterValue(ParameterText(1234.5)).value_or(0), 1234.5);
}
