// The territory dialog on a copy of the built database: the cascading lists of the real
// classifier, the code of each level, the territory phrase and case forms, what an accept, a
// refusal and the close box leave, and the officials and council-list buttons.

#include "referencetesting.h"

#include "reference/forms/frmNames.h"
#include "reference/forms/frmTerra.h"
#include "reference/territory.h"
#include "tests/support/widgettesting.h"

#include <QCollator>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace reference;
using platform::MsgAnswer;
using referencetesting::BaseTest;
using widgettesting::whenModal;

namespace {

const QString kQuestion = QStringLiteral("Ви не визначили територію\nЗакрити діалог");

class TerraTest : public BaseTest {
protected:
    void SetUp() override
    {
        BaseTest::SetUp();
        model::CreateParcel(model::state().Parcels);
        model::CreateParcel(model::state().Parcels);
    }
    void TearDown() override
    {
        dlg.reset();
        BaseTest::TearDown();
    }
    frmTerra &open()
    {
        dlg = std::make_unique<frmTerra>();
        dlg->show();
        return *dlg;
    }
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        T *w = dlg->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox *list(const char *name) const { return control<QComboBox>(name); }
    QStringList items(const char *name) const
    {
        QStringList t;
        for (int i = 0; i < list(name)->count(); ++i)
            t << list(name)->itemText(i);
        return t;
    }
    /// Picks the item with this text as the operator does.
    void pick(const char *name, const QString &text)
    {
        QComboBox *l = list(name);
        const int i = l->findText(text);
        ASSERT_GE(i, 0) << name << " has no " << text.toStdString();
        l->setCurrentIndex(i);
        emit l->activated(i);
    }
    QString code() const { return control<QLabel>("lKadKode")->text(); }
    /// Officials on the rows of the Kyiv-Sviatoshyn district and the Sofiivska Borshchahivka council.
    static void setOfficials()
    {
        exec(QStringLiteral("UPDATE a_rada SET a_zem = 'Землевпорядник', a_arhit = 'Архітектор', a_goladm = 'Голова адм', "
                            "a_golova = 'Голова району' WHERE a_rada_id = 32224000"));
        exec(QStringLiteral("UPDATE a_rada SET a_golova = 'Голова ради' WHERE a_rada_id = 32224862"));
    }
    bool enabled(const char *name) const { return control(name)->isEnabled(); }
    void ok() { control<QPushButton>("bOk")->click(); }

    /// The program-wide territory, in one comparable list.
    static QStringList programTerritory()
    {
        const State &s = state();
        const model::State &m = model::state();
        QStringList t{m.Koatuu, m.TerritoryText, m.RaiZem, m.Golova, s.RegionName, s.DistrictName, s.CouncilName,
                      s.CentreName, s.CouncilGenitive, s.CouncilGenitive2, s.CouncilDative, s.Arhit, s.GolAdm,
                      QString::number(s.DistrictId), QString::number(s.CouncilId)};
        for (int i = 1; i <= m.Parcels.UBound(); ++i)
            t << m.Parcels[i].KoatuuPart.text();
        return t;
    }
    static void setProgramTerritory(const QString &value)
    {
        State &s = state();
        model::State &m = model::state();
        for (QString *v : {&m.Koatuu, &m.TerritoryText, &m.RaiZem, &m.Golova, &s.RegionName, &s.DistrictName,
                           &s.CouncilName, &s.CentreName, &s.CouncilGenitive, &s.CouncilGenitive2, &s.CouncilDative,
                           &s.Arhit, &s.GolAdm})
            *v = value;
        s.DistrictId = 7;
        s.CouncilId = 8;
        for (int i = 1; i <= m.Parcels.UBound(); ++i)
            m.Parcels[i].KoatuuPart = QStringLiteral("1234567890");
        m.Modified = false;
    }

    std::unique_ptr<frmTerra> dlg;
};

TEST_F(TerraTest, OpensOnKyivRegionWithItsDistrictsInAlphabeticalOrder)
{
    open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Визначіть територію"));
    EXPECT_EQ(list("cmbObl")->count(), 27);
    EXPECT_EQ(list("cmbObl")->currentText(), QStringLiteral("Київська область"));
    EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: 3200000000"));
    EXPECT_EQ(dlg->choice().Koatuu, QStringLiteral("3200000000"));
    EXPECT_EQ(dlg->choice().TerraLevel, 1);

    // 25 districts and 13 cities of regional importance, in the Ukrainian alphabet (І after З),
    // none chosen; the lists below are empty and the buttons off.
    const QStringList districts = items("cmbReg");
    EXPECT_EQ(districts.size(), 38);
    QStringList sorted = districts;
    QCollator collator{QLocale(QLocale::Ukrainian, QLocale::Ukraine)};
    std::sort(sorted.begin(), sorted.end(), [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    EXPECT_EQ(districts, sorted);
    EXPECT_LT(districts.indexOf(QStringLiteral("Згурівський район")), districts.indexOf(QStringLiteral("Іванківський район")));
    EXPECT_LT(districts.indexOf(QStringLiteral("Іванківський район")), districts.indexOf(QStringLiteral("Кагарлицький район")));
    EXPECT_EQ(list("cmbReg")->currentIndex(), -1);
    EXPECT_EQ(list("cmbRada")->count(), 0);
    EXPECT_EQ(list("cmbSelo")->count(), 0);
    for (const char *name : {"cmbSelo", "bR", "bG", "bAdd", "bEdit"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(TerraTest, CascadingListsFollowEachPick)
{
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    EXPECT_EQ(list("cmbRada")->count(), 28);
    EXPECT_TRUE(items("cmbRada").contains(QStringLiteral("Софіївсько-Борщагівська сільська")));
    EXPECT_EQ(list("cmbRada")->currentIndex(), -1);
    EXPECT_TRUE(enabled("cmbRada"));
    EXPECT_TRUE(enabled("bR"));
    EXPECT_TRUE(enabled("bAdd"));
    EXPECT_FALSE(enabled("bG"));
    EXPECT_EQ(dlg->choice().DistrictId, 32224000);
    EXPECT_EQ(dlg->choice().CouncilId, 0);
    EXPECT_EQ(dlg->choice().TerraLevel, 2);
    EXPECT_EQ(dlg->choice().CentreName, QStringLiteral("Києво-Святошинський район"));

    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    EXPECT_EQ(items("cmbSelo"), QStringList{QStringLiteral("Софіївська Борщагівка")});
    EXPECT_TRUE(enabled("cmbSelo"));
    EXPECT_TRUE(enabled("bG"));
    EXPECT_FALSE(enabled("bEdit")); // the council list holds no row of it to rename
    EXPECT_EQ(dlg->choice().CouncilId, 32224862);
    EXPECT_EQ(dlg->choice().CouncilName, QStringLiteral("Софіївсько-Борщагівська сільська"));
    EXPECT_EQ(dlg->choice().TerraLevel, 3);
    pick("cmbSelo", QStringLiteral("Софіївська Борщагівка"));
    EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: 3222486201"));
    widgettesting::keepPicture(dlg.get(), QStringLiteral("frmTerra"));

    // A district without councils of its own stands for its council.
    pick("cmbReg", QStringLiteral("м Біла Церква"));
    EXPECT_FALSE(enabled("cmbRada"));
    EXPECT_EQ(list("cmbRada")->count(), 0);
    EXPECT_EQ(dlg->choice().CouncilId, 32103000);
    EXPECT_EQ(dlg->choice().CentreName, QStringLiteral("Білоцерківська міська"));
    EXPECT_TRUE(prompts->calls.empty());
}

// Every level of the code, the phrase and the case forms that OK gives; a complete territory gives
// what the KOATUU resolution of a loaded file gives for the same code.
TEST_F(TerraTest, EachLevelGivesItsCodeAndOnlyACompleteTerritoryIsAccepted)
{
    struct Case {
        const char *label;
        QString region, district, council, settlement;
        QString code;
        bool complete;
        QString territory, councilName, genitive, dative, centre;
    };
    const QString ks = QStringLiteral("Києво-Святошинський район");
    const QString sb = QStringLiteral("Софіївсько-Борщагівська сільська");
    const QString kyivRegion = QStringLiteral("Київська область");
    const std::vector<Case> cases = {
        {"region only", kyivRegion, {}, {}, {}, QStringLiteral("3200000000"), false, {}, {}, {}, {}, {}},
        {"district with councils, none chosen", kyivRegion, ks, {}, {}, QStringLiteral("3222400000"), false, {}, {}, {}, {}, {}},
        {"council", kyivRegion, ks, sb, {}, QStringLiteral("3222486200"), true,
         QStringLiteral("Київська область Києво-Святошинський район Софіївсько-Борщагівська сільська рада"), sb,
         QStringLiteral("Софіївсько-Борщагівської сільської"), QStringLiteral("Софіївсько-Борщагівській сільській"), ks},
        {"settlement", kyivRegion, ks, sb, QStringLiteral("Софіївська Борщагівка"), QStringLiteral("3222486201"), true,
         QStringLiteral("Київська область Києво-Святошинський район Софіївсько-Борщагівська сільська рада "
                        "Софіївська Борщагівка"),
         sb, QStringLiteral("Софіївсько-Борщагівської сільської"), QStringLiteral("Софіївсько-Борщагівській сільській"), ks},
        {"city without councils", kyivRegion, QStringLiteral("м Біла Церква"), {}, {}, QStringLiteral("3210300000"), true,
         QStringLiteral("Київська область Білоцерківська міська рада"), QStringLiteral("Білоцерківська міська"),
         QStringLiteral("Білоцерківської міської"), QStringLiteral("Білоцерківській міській"),
         QStringLiteral("Білоцерківська міська")},
        {"city with councils, none chosen", kyivRegion, QStringLiteral("м Ірпінь"), {}, {}, QStringLiteral("3210900000"),
         true, QStringLiteral("Київська область Ірпінська міська рада"), QStringLiteral("Ірпінська міська"),
         QStringLiteral("Ірпінської міської"), QStringLiteral("Ірпінській міській"), QStringLiteral("Ірпінська міська")},
        {"district of Kyiv, no councils", QStringLiteral("м. Київ"), QStringLiteral("Солом'янський район"), {}, {},
         QStringLiteral("8038900000"), true, QStringLiteral("м. Київ Солом'янський район"), QStringLiteral("Київська міська"),
         QStringLiteral("Київської міської"), QStringLiteral("Київській міській"), QStringLiteral("Солом'янський район")},
        {"council under a city: the city printed with its point", kyivRegion, QStringLiteral("м Ірпінь"),
         QStringLiteral("Ворзельська селищна"), {}, QStringLiteral("3210945600"), true,
         QStringLiteral("Київська область м. Ірпінь Ворзельська селищна рада"), QStringLiteral("Ворзельська селищна"),
         QStringLiteral("Ворзельської селищної"), QStringLiteral("Ворзельській селищній"),
         QStringLiteral("Ірпінська міська")},
        {"Kyiv as a whole: the city council", QStringLiteral("м. Київ"), {}, {}, {}, QStringLiteral("8000000000"), true,
         QStringLiteral("м. Київ"), QStringLiteral("Київська міська"), QStringLiteral("Київської міської"),
         QStringLiteral("Київській міській"), QStringLiteral("Київська міська")},
        {"apostrophe in the council", QStringLiteral("Київська область"), QStringLiteral("м Прип'ять"), {}, {},
         QStringLiteral("3211100000"), true, QStringLiteral("Київська область Прип'ятська міська рада"),
         QStringLiteral("Прип'ятська міська"), QStringLiteral("Прип'ятської міської"), QStringLiteral("Прип'ятській міській"),
         QStringLiteral("Прип'ятська міська")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        prompts->calls.clear();
        setProgramTerritory(QStringLiteral("старе"));
        open();
        if (c.region != list("cmbObl")->currentText())
            pick("cmbObl", c.region);
        if (!c.district.isEmpty())
            pick("cmbReg", c.district);
        if (!c.council.isEmpty())
            pick("cmbRada", c.council);
        if (!c.settlement.isEmpty())
            pick("cmbSelo", c.settlement);
        EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: ") + c.code);
        EXPECT_EQ(dlg->choice().Koatuu, c.code);

        prompts->answers.push_back(MsgAnswer::No);
        ok();
        if (!c.complete) {
            // Asked, and No keeps the dialog open with nothing changed.
            ASSERT_EQ(prompts->calls.size(), 1u);
            EXPECT_EQ(prompts->calls[0].message.text, kQuestion);
            EXPECT_EQ(prompts->calls[0].message.title, QStringLiteral("Zemograf"));
            EXPECT_EQ(prompts->calls[0].message.buttons, platform::MsgButtons::YesNo);
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(model::state().Koatuu, QStringLiteral("старе"));
            EXPECT_EQ(model::state().Parcels[1].KoatuuPart.text(), QStringLiteral("1234567890"));
            EXPECT_FALSE(model::state().Modified);
            prompts->answers.clear();
            continue;
        }
        EXPECT_TRUE(prompts->calls.empty());
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_FALSE(dlg->isVisible());
        const model::State &m = model::state();
        const State &s = state();
        EXPECT_EQ(m.Koatuu, c.code);
        EXPECT_EQ(m.Parcels[1].KoatuuPart.text(), c.code);
        EXPECT_EQ(m.Parcels[2].KoatuuPart.text(), c.code);
        EXPECT_TRUE(m.Modified); // the parcels' new code is not in their file yet
        EXPECT_EQ(m.TerritoryText, c.territory);
        EXPECT_EQ(s.CouncilName, c.councilName);
        EXPECT_EQ(s.CouncilGenitive, c.genitive);
        EXPECT_EQ(s.CouncilGenitive2, c.genitive);
        EXPECT_EQ(s.CouncilDative, c.dative);
        EXPECT_EQ(s.CentreName, c.centre);
        EXPECT_EQ(s.RegionName, c.region);
        EXPECT_EQ(s.DistrictName, c.district);

        // The resolution of a file of this code prints the same (it does not name the settlement).
        const QStringList fromDialog{s.CouncilName, s.CentreName, s.CouncilGenitive, s.CouncilDative};
        QString resolved = c.code;
        ResolveKoatuu(resolved);
        EXPECT_EQ((QStringList{s.CouncilName, s.CentreName, s.CouncilGenitive, s.CouncilDative}), fromDialog);
        if (c.settlement.isEmpty()) {
            EXPECT_EQ(m.TerritoryText, c.territory);
        }
    }
}

// Five cities of regional importance have no councils of their own, and the classifier puts
// seven villages directly under them: the city's settlement list offers them, and each composes its
// own code, the city's part followed by "000" where a council's part stands.
TEST_F(TerraTest, ASettlementDirectlyUnderACityIsChosenFromTheCitysList)
{
    struct Case {
        QString region, city;
        QStringList settlements; // the city's list
        QString settlement, code, territory, council;
    };
    const QString mr = QStringLiteral(" міська рада ");
    const std::vector<Case> cases = {
        {QStringLiteral("Івано-Франківська область"), QStringLiteral("м Бурштин"), {QStringLiteral("Вигівка")},
         QStringLiteral("Вигівка"), QStringLiteral("2610300001"),
         QStringLiteral("Івано-Франківська область Бурштинська") + mr + QStringLiteral("Вигівка"),
         QStringLiteral("Бурштинська міська")},
        {QStringLiteral("Київська область"), QStringLiteral("м Обухів"),
         {QStringLiteral("Ленди"), QStringLiteral("Таценки")}, QStringLiteral("Ленди"), QStringLiteral("3211600001"),
         QStringLiteral("Київська область Обухівська") + mr + QStringLiteral("Ленди"), QStringLiteral("Обухівська міська")},
        {QStringLiteral("Київська область"), QStringLiteral("м Обухів"),
         {QStringLiteral("Ленди"), QStringLiteral("Таценки")}, QStringLiteral("Таценки"), QStringLiteral("3211600002"),
         QStringLiteral("Київська область Обухівська") + mr + QStringLiteral("Таценки"),
         QStringLiteral("Обухівська міська")},
        {QStringLiteral("Тернопільська область"), QStringLiteral("м Бережани"),
         {QStringLiteral("Лісники"), QStringLiteral("Рай")}, QStringLiteral("Лісники"), QStringLiteral("6110500001"),
         QStringLiteral("Тернопільська область Бережанська") + mr + QStringLiteral("Лісники"),
         QStringLiteral("Бережанська міська")},
        {QStringLiteral("Тернопільська область"), QStringLiteral("м Бережани"),
         {QStringLiteral("Лісники"), QStringLiteral("Рай")}, QStringLiteral("Рай"), QStringLiteral("6110500002"),
         QStringLiteral("Тернопільська область Бережанська") + mr + QStringLiteral("Рай"),
         QStringLiteral("Бережанська міська")},
        {QStringLiteral("Херсонська область"), QStringLiteral("м Гола Пристань"), {QStringLiteral("Білогрудове")},
         QStringLiteral("Білогрудове"), QStringLiteral("6510300001"),
         QStringLiteral("Херсонська область Голопристанська") + mr + QStringLiteral("Білогрудове"),
         QStringLiteral("Голопристанська міська")},
        {QStringLiteral("Чернігівська область"), QStringLiteral("м Новгород-Сіверський"),
         {QStringLiteral("Красна Гірка")}, QStringLiteral("Красна Гірка"), QStringLiteral("7410500002"),
         QStringLiteral("Чернігівська область Новгород-Сіверська") + mr + QStringLiteral("Красна Гірка"),
         QStringLiteral("Новгород-Сіверська міська")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.settlement.toStdString());
        prompts->calls.clear();
        setProgramTerritory(QStringLiteral("старе"));
        open();
        if (c.region != list("cmbObl")->currentText())
            pick("cmbObl", c.region);
        pick("cmbReg", c.city);
        EXPECT_FALSE(enabled("cmbRada"));
        EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: ") + c.code.left(5) + QStringLiteral("00000"));
        EXPECT_TRUE(enabled("cmbSelo"));
        EXPECT_EQ(items("cmbSelo"), c.settlements);
        EXPECT_EQ(list("cmbSelo")->currentIndex(), -1);
        pick("cmbSelo", c.settlement);
        EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: ") + c.code);
        EXPECT_EQ(dlg->choice().Koatuu, c.code);
        if (c.settlement == QStringLiteral("Рай"))
            widgettesting::keepPicture(dlg.get(), QStringLiteral("frmTerra-city-settlement"));

        ok();
        EXPECT_TRUE(prompts->calls.empty());
        ASSERT_EQ(dlg->result(), QDialog::Accepted);
        const model::State &m = model::state();
        EXPECT_EQ(m.Koatuu, c.code);
        EXPECT_EQ(m.Parcels[1].KoatuuPart.text(), c.code);
        EXPECT_EQ(m.Parcels[2].KoatuuPart.text(), c.code);
        EXPECT_EQ(m.TerritoryText, c.territory);
        EXPECT_EQ(state().CouncilName, c.council);
        EXPECT_EQ(state().CentreName, c.council);
        EXPECT_EQ(state().CouncilId, state().DistrictId);
        // A file of this code prints the same council (the resolution does not name the village).
        const QStringList fromDialog{state().CouncilName, state().CentreName, state().CouncilGenitive,
                                     state().CouncilDative};
        QString resolved = c.code;
        ResolveKoatuu(resolved);
        EXPECT_EQ((QStringList{state().CouncilName, state().CentreName, state().CouncilGenitive, state().CouncilDative}),
                  fromDialog);
        EXPECT_EQ(m.TerritoryText, c.territory.left(c.territory.size() - c.settlement.size() - 1));
    }

    // Another district empties the city's settlements; the city again offers them.
    open();
    pick("cmbReg", QStringLiteral("м Обухів"));
    pick("cmbSelo", QStringLiteral("Таценки"));
    pick("cmbReg", QStringLiteral("м Біла Церква"));
    EXPECT_EQ(list("cmbSelo")->count(), 0);
    EXPECT_FALSE(enabled("cmbSelo"));
    EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: 3210300000"));
    pick("cmbReg", QStringLiteral("м Обухів"));
    EXPECT_EQ(items("cmbSelo"), (QStringList{QStringLiteral("Ленди"), QStringLiteral("Таценки")}));
    pick("cmbObl", QStringLiteral("Львівська область"));
    EXPECT_EQ(list("cmbSelo")->count(), 0);
    EXPECT_FALSE(enabled("cmbSelo"));
}

// Every settlement of the shipped classifier, picked in the dialog as an operator would (region,
// district or city, council where there are councils, settlement), composes its own code. The
// database numbers the settlements 1 to n in the classifier's order.
TEST_F(TerraTest, EverySettlementOfTheClassifierComposesItsOwnCode)
{
    QFile file(testsupport::sourcePath(QStringLiteral("reference/data/KOATUU.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList expected{QString()}; // by a_selo_id
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString te = QString::fromLatin1(line.left(10));
        if (te.size() == 10 && te.at(0).isDigit() && !te.endsWith(QStringLiteral("00")))
            expected << te;
    }
    ASSERT_EQ(expected.size(), 28388 + 1);

    QStringList composed(expected.size());
    auto settlements = [&] {
        QComboBox *selo = list("cmbSelo");
        if (!selo->isEnabled())
            return;
        for (int i = 0; i < selo->count(); ++i) {
            selo->setCurrentIndex(i);
            emit selo->activated(i);
            const int id = selo->itemData(i).toInt();
            ASSERT_TRUE(id > 0 && id < composed.size());
            composed[id] = dlg->choice().Koatuu;
        }
    };
    open();
    for (int r = 0; r < list("cmbObl")->count(); ++r) {
        list("cmbObl")->setCurrentIndex(r);
        emit list("cmbObl")->activated(r);
        for (int d = 0; d < list("cmbReg")->count(); ++d) {
            list("cmbReg")->setCurrentIndex(d);
            emit list("cmbReg")->activated(d);
            settlements();
            for (int c = 0; c < list("cmbRada")->count(); ++c) {
                list("cmbRada")->setCurrentIndex(c);
                emit list("cmbRada")->activated(c);
                settlements();
            }
        }
    }
    int wrong = 0;
    for (int id = 1; id < expected.size(); ++id)
        if (composed[id] != expected[id] && ++wrong <= 20)
            ADD_FAILURE() << "settlement " << id << ": " << expected[id].toStdString() << " composed as \""
                          << composed[id].toStdString() << "\"";
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(TerraTest, ChangingRegionOrDistrictEmptiesEverythingBelowIt)
{
    setOfficials();
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    pick("cmbSelo", QStringLiteral("Софіївська Борщагівка"));
    EXPECT_EQ(dlg->choice().Golova, QStringLiteral("Голова ради"));
    EXPECT_EQ(dlg->choice().RaiZem, QStringLiteral("Землевпорядник"));

    // Another district: its councils, none chosen, no settlements, the district's officials.
    pick("cmbReg", QStringLiteral("Бориспільський район"));
    EXPECT_EQ(list("cmbRada")->currentIndex(), -1);
    EXPECT_FALSE(items("cmbRada").contains(QStringLiteral("Софіївсько-Борщагівська сільська")));
    EXPECT_EQ(list("cmbSelo")->count(), 0);
    EXPECT_FALSE(enabled("cmbSelo"));
    EXPECT_FALSE(enabled("bG"));
    EXPECT_FALSE(enabled("bEdit"));
    EXPECT_EQ(dlg->choice().CouncilId, 0);
    EXPECT_EQ(dlg->choice().CouncilName, QString());
    EXPECT_EQ(dlg->choice().Golova, QString());
    EXPECT_EQ(dlg->choice().RaiZem, QString());
    EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: 3220800000"));

    // Another region: nothing of the district or council stays.
    pick("cmbRada", list("cmbRada")->itemText(0));
    pick("cmbObl", QStringLiteral("Львівська область"));
    EXPECT_EQ(list("cmbReg")->currentIndex(), -1);
    EXPECT_TRUE(items("cmbReg").contains(QStringLiteral("Пустомитівський район")));
    EXPECT_EQ(list("cmbRada")->count(), 0);
    EXPECT_EQ(list("cmbSelo")->count(), 0);
    for (const char *name : {"cmbSelo", "bR", "bG", "bAdd", "bEdit"})
        EXPECT_FALSE(enabled(name)) << name;
    const TerritoryChoice &c = dlg->choice();
    EXPECT_EQ(c.TerraLevel, 1);
    EXPECT_EQ(c.Koatuu, QStringLiteral("4600000000"));
    EXPECT_EQ(c.DistrictId, 0);
    EXPECT_EQ(c.CouncilId, 0);
    EXPECT_EQ(c.RegionName, QStringLiteral("Львівська область"));
    for (const QString &v : {c.DistrictName, c.CouncilName, c.CentreName, c.RaiZem, c.Arhit, c.GolAdm, c.Golova})
        EXPECT_EQ(v, QString());
}

TEST_F(TerraTest, TheCloseBoxAndYesToTheQuestionKeepThePreviousTerritoryWhole)
{
    setProgramTerritory(QStringLiteral("було"));
    const QStringList before = programTerritory();
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    dlg->close();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(programTerritory(), before);

    // An incomplete territory and Yes: the dialog closes, nothing changes.
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    prompts->answers.push_back(MsgAnswer::Yes);
    ok();
    EXPECT_EQ(prompts->messages(), QStringList{kQuestion});
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(programTerritory(), before);
    EXPECT_FALSE(model::state().Modified);

    // Accepting the code the parcels already carry changes no parcel.
    for (int i = 1; i <= model::state().Parcels.UBound(); ++i)
        model::state().Parcels[i].KoatuuPart = QStringLiteral("3222486200");
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    ok();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(model::state().Modified);
}

// Typing into a list picks nothing: the code stays that of the last pick, while OK takes the
// texts as they stand.
TEST_F(TerraTest, TypedTextRunsNoHandlerAndOkTakesTheListsTexts)
{
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    pick("cmbRada", QStringLiteral("Чабанівська селищна"));
    widgettesting::typeText(list("cmbRada")->lineEdit(), QStringLiteral("!"));
    list("cmbRada")->lineEdit()->setText(QStringLiteral("Чабанівська  селищна"));
    EXPECT_EQ(dlg->choice().Koatuu, QStringLiteral("3222457400"));
    // Two blanks leave the second word empty: no case forms, so the question.
    prompts->answers.push_back(MsgAnswer::No);
    ok();
    EXPECT_EQ(prompts->messages(), QStringList{kQuestion});
    list("cmbRada")->lineEdit()->setText(QStringLiteral("Чабанівська селищна"));
    ok();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(state().CouncilDative, QStringLiteral("Чабанівській селищній"));
}

// Enter on a typed name picks it, as a click on the list would; it does not accept the dialog.
TEST_F(TerraTest, EnterOnATypedNamePicksItAndLeavesTheDialogOpen)
{
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    QLineEdit *typed = list("cmbRada")->lineEdit();
    typed->setFocus();
    typed->setText(QStringLiteral("Чабанівська селищна"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(list("cmbRada")->currentText(), QStringLiteral("Чабанівська селищна"));
    EXPECT_EQ(code(), QStringLiteral("Код КОАТУ: 3222457400"));
    EXPECT_EQ(dlg->choice().CouncilId, 32224574);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(TerraTest, OfficialsButtonsWriteTheRightRowsAndReachTheProgramOnAccept)
{
    setOfficials();
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));

    QPoint popupAt;
    QStringList roles;
    whenModal(QStringLiteral("frmNamesR"), [&](QWidget *w) {
        popupAt = w->pos();
        auto *lst = w->findChild<QTreeWidget *>(QStringLiteral("lstPibs"));
        for (int i = 0; i < lst->topLevelItemCount(); ++i)
            roles << lst->topLevelItem(i)->text(1);
        lst->topLevelItem(0)->setText(0, QStringLiteral("О'Коннор Петро"));
        lst->topLevelItem(1)->setText(0, QStringLiteral("Мар'яненко Ольга"));
        w->findChild<QToolButton *>(QStringLiteral("bOk"))->click();
    });
    control<QToolButton>("bR")->click();
    EXPECT_EQ(roles, (QStringList{QStringLiteral(" - Райзем"), QStringLiteral(" - Архітектор"), QStringLiteral(" - Голова Адм.")}));
    const QToolButton *bR = control<QToolButton>("bR");
    EXPECT_EQ(popupAt, bR->mapToGlobal(QPoint(bR->width() + 4, bR->height() + 5)));
    EXPECT_EQ(dlg->choice().RaiZem, QStringLiteral("О'Коннор Петро"));
    EXPECT_EQ(dlg->choice().Arhit, QStringLiteral("Мар'яненко Ольга"));

    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    EXPECT_EQ(dlg->choice().Golova, QStringLiteral("Голова ради"));
    whenModal(QStringLiteral("frmNames"), [&](QWidget *w) {
        auto *names = qobject_cast<frmNames *>(w);
        auto *txt = w->findChild<QLineEdit *>(QStringLiteral("txtName"));
        for (int i = 0; i < 7; ++i)
            names->Timer1_Timer();
        EXPECT_EQ(txt->text(), QStringLiteral("Голова ради"));
        txt->selectAll();
        widgettesting::typeText(txt, QStringLiteral("Д'Артаньян"));
        w->findChild<QToolButton *>(QStringLiteral("bOk"))->click();
    });
    control<QToolButton>("bG")->click();
    EXPECT_EQ(dlg->choice().Golova, QStringLiteral("Д'Артаньян"));

    auto row = [&](int id) {
        RecordSet rs = BaseConn().Execute(
            QStringLiteral("SELECT a_zem, a_arhit, a_goladm, a_golova FROM a_rada WHERE a_rada_id = ?"), {id});
        rs.MoveFirst();
        return QStringList{rs.Field(QStringLiteral("a_zem")), rs.Field(QStringLiteral("a_arhit")),
                           rs.Field(QStringLiteral("a_goladm")), rs.Field(QStringLiteral("a_golova"))};
    };
    // Written at once, each to its own row; the district's council head is left alone.
    EXPECT_EQ(row(32224000), (QStringList{QStringLiteral("О'Коннор Петро"), QStringLiteral("Мар'яненко Ольга"),
                                          QStringLiteral("Голова адм"), QStringLiteral("Голова району")}));
    EXPECT_EQ(row(32224862), (QStringList{QString(), QString(), QString(), QStringLiteral("Д'Артаньян")}));
    // No territory is accepted yet: the officials become the program's with this one.
    EXPECT_EQ(model::state().Golova, QString());
    ok();
    EXPECT_EQ(model::state().Golova, QStringLiteral("Д'Артаньян"));
    EXPECT_EQ(model::state().RaiZem, QStringLiteral("О'Коннор Петро"));
    EXPECT_EQ(state().Arhit, QStringLiteral("Мар'яненко Ольга"));
    EXPECT_EQ(state().GolAdm, QStringLiteral("Голова адм"));
}

// The council-list buttons work on the chosen district and council; renaming is offered only for
// a council that the list holds under its number in its district.
TEST_F(TerraTest, CouncilListButtonsAddToTheDistrictAndRenameTheChosenCouncil)
{
    exec(QStringLiteral("DELETE FROM Rada"));
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (32224862, 32224000, 'стара'), "
                        "(32224574, 32208000, 'чужа')"));
    open();
    pick("cmbReg", QStringLiteral("Києво-Святошинський район"));
    pick("cmbRada", QStringLiteral("Чабанівська селищна"));
    EXPECT_FALSE(enabled("bEdit"));
    whenModal(QStringLiteral("frmAddR"), [](QWidget *w) {
        w->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(QStringLiteral("Мар'янівська сільська"));
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        w->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    control<QToolButton>("bAdd")->click();

    pick("cmbRada", QStringLiteral("Софіївсько-Борщагівська сільська"));
    ASSERT_TRUE(enabled("bEdit"));
    QString shown;
    bool writable = false;
    whenModal(QStringLiteral("frmEditR"), [&](QWidget *w) {
        auto *txt = w->findChild<QLineEdit *>(QStringLiteral("txtRes"));
        shown = txt->text();
        writable = w->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled();
        txt->setText(QStringLiteral("Софіївська сільська"));
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        w->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    control<QToolButton>("bEdit")->click();
    EXPECT_EQ(shown, QStringLiteral("Софіївсько-Борщагівська сільська"));
    EXPECT_TRUE(writable);

    RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT Rada_id, Region_id, RadaName FROM Rada ORDER BY Rada_id"));
    QStringList rows;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        rows << QStringList{rs.Field(QStringLiteral("Rada_id")), rs.Field(QStringLiteral("Region_id")),
                            rs.Field(QStringLiteral("RadaName"))}.join(QLatin1Char('/'));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("32224574/32208000/чужа"),
                                 QStringLiteral("32224862/32224000/Софіївська сільська"),
                                 QStringLiteral("32224863/32224000/Мар'янівська сільська")}));
    // The territory lists come from the classifier and do not follow the council list.
    EXPECT_TRUE(items("cmbRada").contains(QStringLiteral("Софіївсько-Борщагівська сільська")));
    EXPECT_TRUE(prompts->calls.empty());
}

} // namespace
