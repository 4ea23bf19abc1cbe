// The transmittal note and the list with cadastral numbers: their rows, the territory in the
// case forms the note needs, and the defaults for a territory not chosen.

#include "common/numbers.h"
#include "reference/staff.h"
#include "reference/state.h"
#include "registers/cadastrallist.h"
#include "registers/territorynames.h"
#include "registers/transmittalnote.h"
#include "tests/registers/registerstesting.h"

#include <QJsonObject>
#include <gtest/gtest.h>

using namespace registers;
using registerstesting::RectangleOf;
using registerstesting::rowTexts;

TEST(TerritoryNames, DistrictGenitiveAndWord)
{
    const struct {
        const char *name, *genitive, *word;
    } cases[] = {
        {"Києво-Святошинський район", "Києво-Святошинського", "Києво-Святошинський"},
        {"Фастівський", "Фастівського", "Фастівський"},
        {"м Біла Церква", "м Біла Церква", "м Біла Церква"},
        {"  Макарівський район", "Макарівського", "Макарівський"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DistrictGenitive(QString::fromUtf8(c.name)), QString::fromUtf8(c.genitive));
        EXPECT_EQ(DistrictWord(QString::fromUtf8(c.name)), QString::fromUtf8(c.word));
    }
}

// The council's head and the council's kind come from its status word, the word after its name,
// however the operator typed it; a council of no known kind gets neither a village's nor a town's.
TEST(TerritoryNames, CouncilWordsFollowTheStatusWord)
{
    const struct {
        const char *council, *head, *kind;
    } cases[] = {
        {"Софіївсько-Борщагівська сільська", "Сільський голова", " сільської"},
        {"Петрівська сільська рада", "Сільський голова", " сільської"},
        {"Чабанівська селищна", "Селищний голова", " селищної"},
        {"ГОСТОМЕЛЬСЬКА СЕЛИЩНА", "Селищний голова", " селищної"},
        {"Білоцерківська міська", "Міський голова", " міської"},
        {"  Боярська   міська ", "Міський голова", " міської"},
        {"Києво-Святошинська районна", "Голова районної ради", " районної"},
        // The name itself is never taken for the kind.
        {"Міська", "Голова ради", ""},
        {"Новосільська сільська", "Сільський голова", " сільської"},
        {"Невизначена рада", "Голова ради", ""},
        {"", "Голова ради", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.council);
        const CouncilWords words = CouncilWordsOf(QString::fromUtf8(c.council));
        EXPECT_EQ(words.head, QString::fromUtf8(c.head));
        EXPECT_EQ(words.kind, QString::fromUtf8(c.kind));
    }
}

namespace {

class Notes : public registerstesting::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        model::Parcel unselected = RectangleOf(QStringLiteral("0003"), QStringLiteral("Не вибрана"), 0, 0, 10, 10);
        unselected.Selected = 0;
        model::Parcel second = RectangleOf(QStringLiteral("34"), QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна"),
                                           0, 0, 50, 50);
        second.ZN = 5;
        second.KV = 12;
        setParcels({RectangleOf(QStringLiteral("0034"), QStringLiteral("Дем'янчук Мар'яна Василівна"), 0, 0, 25, 100),
                    unselected, second, unselected});
    }
};

} // namespace

TEST_F(Notes, TransmittalNoteRowsStaffAndTerritory)
{
    exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.'"));
    exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
    reference::LoadStaffNames(QString());
    model::state().RaiZem = QStringLiteral("Петренко П.П.");
    reference::State &r = reference::state();
    r.RegionName = QStringLiteral("Київська");
    r.DistrictName = QStringLiteral("Києво-Святошинський район");
    r.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");

    const QString path = MakeNakl(*app, programDir()).Path;
    EXPECT_EQ(desktop->opened, QStringList{path});
    office::Document &doc = reopen(path);
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("ndur")).Text(), QStringLiteral("Коваленко І.П."));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("raizem")).Text(), QStringLiteral("Петренко П.П."));
    EXPECT_EQ(doc.Tables(1).Cell(1, 1).Text(), QStringLiteral("ТОВ «ЗЕМПРОЕКТ»"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("radu")).Text(), QStringLiteral("Софіївсько-Борщагівської сільської"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("regionu")).Text(), QStringLiteral("Києво-Святошинського"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("viddil")).Text(), QStringLiteral("Києво-Святошинський"));
    // The addressee reads in the nominative after its labels.
    const QStringList paragraphs =
        builderstesting::readWithPythonDocx(path)[QStringLiteral("paragraphs")].toVariant().toStringList();
    for (const QString &line : {QStringLiteral("Одержувач: Києво-Святошинський районний відділ земельних ресурсів"),
                                QStringLiteral("Начальник відділу:"), QStringLiteral("Петренко П.П.")})
        EXPECT_TRUE(paragraphs.contains(line)) << line.toStdString() << "\n in \n" << paragraphs.join(QLatin1Char('\n')).toStdString();

    // Item 1 is the template's; the parcels follow from row 4 with items 2 and 3, and one empty
    // row ends the table.
    const office::Table t = doc.Tables(3);
    ASSERT_EQ(t.RowCount(), 6);
    EXPECT_EQ(t.Cell(3, 1).Text(), QStringLiteral("1."));
    EXPECT_EQ(rowTexts(t, 4).mid(0, 2), (QStringList{QStringLiteral("2."), QStringLiteral(" ~ Дем'янчук Мар'яна Василівна")}));
    EXPECT_EQ(rowTexts(t, 5).mid(0, 2),
              (QStringList{QStringLiteral("3."), QStringLiteral(" ~ Бойко Іван Петрович|Бойко Марія Іванівна")}));
    EXPECT_EQ(rowTexts(t, 6), (QStringList{{}, {}, {}}));
}

// The addressee and the territory as the note reads them: a district's land office and "району";
// a city of regional importance (listed "м Біла Церква" by the territory dialog, its council's
// name its centre's) has a city's office and is named without "району", also for a council below it.
TEST_F(Notes, TheNoteNamesADistrictOrACityOfRegionalImportance)
{
    const struct {
        const char *district, *centre, *council, *addressee, *territory;
    } cases[] = {
        {"Києво-Святошинський район", "Києво-Святошинський район", "Софіївсько-Борщагівська сільська",
         "Києво-Святошинський районний", "Софіївсько-Борщагівської сільської ради Києво-Святошинського району"},
        {"м Біла Церква", "Білоцерківська міська", "Білоцерківська міська", "Білоцерківський міський",
         "Білоцерківської міської ради м. Біла Церква"},
        {"м Ірпінь", "Ірпінська міська", "Гостомельська селищна", "Ірпінський міський",
         "Гостомельської селищної ради м. Ірпінь"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.district);
        registerstesting::SetTerritory("Київська", c.district, c.centre, c.council);
        const QString path = MakeNakl(*app, programDir()).Path;
        const QStringList paragraphs =
            builderstesting::readWithPythonDocx(path)[QStringLiteral("paragraphs")].toVariant().toStringList();
        const QString all = paragraphs.join(QLatin1Char('\n'));
        EXPECT_TRUE(paragraphs.contains(QStringLiteral("Одержувач: %1 відділ земельних ресурсів").arg(QString::fromUtf8(c.addressee))))
            << all.toStdString();
        EXPECT_TRUE(paragraphs.contains(QStringLiteral("на передачу документації із землеустрою щодо земельних ділянок на "
                                                       "території %1").arg(QString::fromUtf8(c.territory))))
            << all.toStdString();
        EXPECT_FALSE(all.contains(QStringLiteral("м Біла"))) << all.toStdString();
    }
}

// With no land office head stored the note is addressed to the office alone, with no label
// "Начальник відділу:" over nothing; the director's signature line stays for a hand-written name.
TEST_F(Notes, NoLabelStandsOverAMissingHead)
{
    registerstesting::SetTerritory("Київська", "Києво-Святошинський район", "Києво-Святошинський район",
                                   "Софіївсько-Борщагівська сільська");
    model::state().RaiZem = QStringLiteral(" ");
    const QStringList paragraphs = builderstesting::readWithPythonDocx(MakeNakl(*app, programDir()).Path)[QStringLiteral("paragraphs")]
                                       .toVariant()
                                       .toStringList();
    const QString all = paragraphs.join(QLatin1Char('\n'));
    EXPECT_TRUE(paragraphs.contains(QStringLiteral("Одержувач: Києво-Святошинський районний відділ земельних ресурсів")))
        << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Начальник відділу"))) << all.toStdString();
}

TEST_F(Notes, TerritoryNotChosenTakesTheDefaultsAndKeepsThem)
{
    reference::state().CouncilName = QStringLiteral("   ");
    office::Document &doc = reopen(MakeNakl(*app, programDir()).Path);
    const reference::State &r = reference::state();
    EXPECT_EQ(r.RegionName, QStringLiteral("Невизначена область"));
    EXPECT_EQ(r.DistrictName, QStringLiteral("Невизначений район"));
    EXPECT_EQ(r.CouncilName, QStringLiteral("Невизначена рада"));
    // The template writes the word "ради" after the council: the fallback name is put into the
    // genitive without its own last word.
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("radu")).Text(), QStringLiteral("Невизначеної"));
    EXPECT_TRUE(doc.Text().contains(QStringLiteral("на території Невизначеної ради Невизначеного району")));
    EXPECT_FALSE(doc.Text().contains(QStringLiteral("радої")));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("regionu")).Text(), QStringLiteral("Невизначеного"));
    EXPECT_EQ(doc.Bookmarks(QStringLiteral("viddil")).Text(), QStringLiteral("Невизначений"));

    // The defaults are written even when the template is missing.
    reference::state().RegionName.clear();
    EXPECT_THROW(MakeSpisKadKode(*app, testsupport::tempDir()), zova::Error);
    EXPECT_EQ(r.RegionName, QStringLiteral("Невизначена область"));
}

TEST_F(Notes, CadastralListRowsAndNumbers)
{
    const QString path = MakeSpisKadKode(*app, programDir()).Path;
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("Кадастрові номери.docx"));
    const office::Table t = reopen(path).Tables(1);
    ASSERT_EQ(t.RowCount(), 4);
    EXPECT_EQ(rowTexts(t, 2), (QStringList{QStringLiteral("1."), QStringLiteral(" Дем'янчук Мар'яна Василівна"),
                                           zova::Format4(0.25), QStringLiteral("3222486201:01:024:0034")}));
    EXPECT_EQ(rowTexts(t, 3), (QStringList{QStringLiteral("2."), QStringLiteral(" Бойко Іван Петрович|Бойко Марія Іванівна"),
                                           zova::Format4(0.25), QStringLiteral("3222486201:05:012:34")}));
    EXPECT_EQ(rowTexts(t, 4), (QStringList{{}, {}, {}, {}}));
}

// Parcels of one quarter numbered "34", "0034/1" and "0034" are three parcels in the list: each
// number is printed as stored, none merged into another's "…:0034".
TEST_F(Notes, CadastralListKeepsEveryParcelsOwnNumber)
{
    model::ParcelList &parcels = model::state().Parcels;
    parcels.Clear();
    const QStringList numbers = {QStringLiteral("34"), QStringLiteral("0034/1"), QStringLiteral("0034"),
                                 QStringLiteral("12а")};
    for (const QString &number : numbers)
        parcels.Add(RectangleOf(number, QStringLiteral("Бойко Іван Петрович"), 0, 0, 50, 50));
    const office::Table t = reopen(MakeSpisKadKode(*app, programDir()).Path).Tables(1);
    ASSERT_EQ(t.RowCount(), 2 + numbers.size());
    QStringList printed;
    for (int k = 0; k < numbers.size(); ++k)
        printed << t.Cell(2 + k, 4).Text();
    EXPECT_EQ(printed, (QStringList{QStringLiteral("3222486201:01:024:34"), QStringLiteral("3222486201:01:024:0034/1"),
                                    QStringLiteral("3222486201:01:024:0034"), QStringLiteral("3222486201:01:024:12а")}));
}
