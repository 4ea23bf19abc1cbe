#include "common/error.h"
#include "reference/koatuu.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace reference;

namespace {

QString dataFile(const char *name)
{
    return testsupport::sourcePath(QStringLiteral("reference/data/") + QString::fromUtf8(name));
}

const Territory &projectTerritory()
{
    static const Territory t = ReadTerritory(dataFile("KOATUU.csv"), dataFile("council-names.csv"));
    return t;
}

const TerritoryUnit *unit(const QString &code)
{
    for (const TerritoryUnit &u : projectTerritory().units)
        if (u.fullCode == code)
            return &u;
    return nullptr;
}

QString writeFile(const QString &name, const QString &text)
{
    const QString path = QDir(testsupport::tempDir()).filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    return path;
}

} // namespace

TEST(KoatuuSpelling, CapitalsBecomeTheSpellingADocumentPrints)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("КИЇВСЬКА"), QStringLiteral("Київська")},
        {QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ"), QStringLiteral("Києво-Святошинський")},
        {QStringLiteral("СОФІЇВСЬКА БОРЩАГІВКА"), QStringLiteral("Софіївська Борщагівка")},
        {QStringLiteral("СОЛОМ'ЯНСЬКИЙ"), QStringLiteral("Солом'янський")},
        {QStringLiteral("ПАСІКИ-ЗУБРИЦЬКІ"), QStringLiteral("Пасіки-Зубрицькі")},
        {QStringLiteral("ВАСИЛІВКА-НА-ДНІПРІ"), QStringLiteral("Василівка-на-Дніпрі")},
        {QStringLiteral("ВЕЛИКА БІЛОЗЕРКА(ЧАСТИНА 1 СЕЛА)"), QStringLiteral("Велика Білозерка (частина 1 села)")},
        {QStringLiteral("  ЇЖАКІВКА  "), QStringLiteral("Їжаківка")},
        {QString(), QString()},
    };
    for (const auto &[capitals, spelling] : cases)
        EXPECT_EQ(KoatuuSpelling(capitals), spelling) << capitals.toStdString();
}

TEST(ReadTerritory, EveryUnitOfTheClassifierWithItsNamesAndStatusWords)
{
    const Territory &t = projectTerritory();
    int levels[4] = {0, 0, 0, 0};
    for (const TerritoryUnit &u : t.units)
        ++levels[u.level];
    // The README of the classifier: 27 regions, 691 level-2 units; 11,534 councils (11,982 level-3
    // rows with a part of their own, less 448 headings), and 31 councils that settlements need.
    EXPECT_EQ(levels[1], 27);
    EXPECT_EQ(levels[2], 691);
    EXPECT_EQ(levels[3], 11534 + 27 + 4);
    EXPECT_EQ(t.settlements.size(), 28388u);

    struct Expected {
        const char *code;
        int id, parent;
        const char *admName, *name, *st, *cap;
    };
    const Expected cases[] = {
        {"3200000000", 10, 0, "Київська область", "Київська", "обласна", "м. Київ"},
        {"0100000000", 1, 0, "Автономна Республіка Крим", "Автономна Республіка Крим", "", "м. Сімферополь"},
        {"8000000000", 26, 0, "м. Київ", "Київська", "міська", ""},
        {"3222400000", 32224000, 10, "Києво-Святошинський район", "Києво-Святошинський", "район", "м. Київ"},
        {"3210300000", 32103000, 10, "м Біла Церква", "Білоцерківська", "міська", "м. Біла Церква"},
        {"8038900000", 80389000, 26, "Солом'янський район", "Солом'янський", "район", ""},
        {"3222486200", 32224862, 32224000, "Софіївсько-Борщагівська сільська рада", "Софіївсько-Борщагівська",
         "сільська", "с. Софіївська Борщагівка"},
        {"3222457400", 32224574, 32224000, "Чабанівська селищна рада", "Чабанівська", "селищна", "смт Чабани"},
        {"3222410300", 32224103, 32224000, "Боярська міська рада", "Боярська", "міська", "м. Боярка"},
        {"4623686400", 46236864, 46236000, "Сокільницька сільська рада", "Сокільницька", "сільська", "с. Сокільники"},
        {"3222481200", 32224812, 32224000, "Віто-Поштова сільська рада", "Віто-Поштова", "сільська", "с. Віта-Поштова"},
        {"3222483200", 32224832, 32224000, "Забірська сільська рада", "Забірська", "сільська", "с. Забір'я"},
        {"0110136300", 1101363, 1101000, "Залізнична районна рада", "Залізнична", "районна", "Залізничний район"},
        // the council of a city's settlements, given only as a heading
        {"0510690000", 5106900, 5106000, "Ладижинська міська рада", "Ладижинська", "міська", ""},
        // a village council the classifier's settlements name but the classifier lacks
        {"5110890100", 51108901, 51108000, "Бурлачобалківська сільська рада", "Бурлачобалківська", "сільська", ""},
    };
    for (const Expected &e : cases) {
        SCOPED_TRACE(e.code);
        const TerritoryUnit *u = unit(QString::fromLatin1(e.code));
        ASSERT_NE(u, nullptr);
        EXPECT_EQ(u->id, e.id);
        EXPECT_EQ(u->parentId, e.parent);
        EXPECT_EQ(u->admName, QString::fromUtf8(e.admName));
        EXPECT_EQ(u->name, QString::fromUtf8(e.name));
        EXPECT_EQ(u->st, QString::fromUtf8(e.st));
        EXPECT_EQ(u->cap, QString::fromUtf8(e.cap));
    }
    // Group headings are no units.
    EXPECT_EQ(unit(QStringLiteral("3222480000")), nullptr);
    EXPECT_EQ(unit(QStringLiteral("0110165000")), nullptr);

    auto settlement = [&](int council, int code) -> const TerritorySettlement * {
        for (const TerritorySettlement &s : t.settlements)
            if (s.councilId == council && s.code == code)
                return &s;
        return nullptr;
    };
    ASSERT_NE(settlement(32224862, 1), nullptr);
    EXPECT_EQ(settlement(32224862, 1)->name, QStringLiteral("Софіївська Борщагівка"));
    ASSERT_NE(settlement(46236864, 1), nullptr);
    EXPECT_EQ(settlement(46236864, 1)->name, QStringLiteral("Сокільники"));
    // Directly under a city of regional importance (council part 000): under the city.
    ASSERT_NE(settlement(26103000, 1), nullptr);
    EXPECT_EQ(settlement(26103000, 1)->name, QStringLiteral("Вигівка"));
}

TEST(ReadTerritory, AFaultyFileIsNamedWithItsLine)
{
    const QString names = writeFile(QStringLiteral("names.csv"), QStringLiteral("TE;NAME;STATUS\n"));
    const QString header = QStringLiteral("TE;NP;NU\n3200000000;;КИЇВСЬКА ОБЛАСТЬ/М.КИЇВ\n");
    struct Case {
        const char *label;
        QString classifier;
        int line;
        QString message;
    };
    const std::vector<Case> cases{
        {"wrong header", QStringLiteral("КОД;ВИД;НАЗВА\n"), 1, QStringLiteral("Перший рядок файлу")},
        {"two columns", header + QStringLiteral("3222400000;КИЄВО-СВЯТОШИНСЬКИЙ РАЙОН\n"), 3,
         QStringLiteral("Рядок не має вигляду")},
        {"short code", header + QStringLiteral("32224;;Х\n"), 3, QStringLiteral("Рядок не має вигляду")},
        {"unknown centre", header + QStringLiteral("3222400000;;КИЄВО-СВЯТОШИНСЬКИЙ РАЙОН/ХУТІР КИЇВ\n"), 3,
         QStringLiteral("Невідомий вид центру")},
        {"city without a council name", header + QStringLiteral("3210300000;М;БІЛА ЦЕРКВА\n"), 3,
         QStringLiteral("Немає назви ради для коду 3210300000")},
        {"council without a district", header + QStringLiteral("3222486200;;СОФІЇВСЬКО-БОРЩАГІВСЬКА/С.СОФІЇВСЬКА БОРЩАГІВКА\n"),
         3, QStringLiteral("Немає вищої одиниці 3222400000")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const QString path = writeFile(QStringLiteral("koatuu.csv"), c.classifier);
        try {
            ReadTerritory(path, names);
            ADD_FAILURE() << "no error";
        } catch (const zova::Error &e) {
            EXPECT_TRUE(e.message().startsWith(c.message)) << e.message().toStdString();
            EXPECT_EQ(e.file(), path);
            EXPECT_EQ(e.line(), c.line);
        }
    }
    EXPECT_THROW(ReadTerritory(QDir(testsupport::tempDir()).filePath(QStringLiteral("missing.csv")), names),
                 zova::Error);
}
