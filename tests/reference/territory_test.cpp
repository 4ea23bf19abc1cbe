#include "referencetesting.h"

#include "reference/officials.h"
#include "reference/territory.h"
#include "reference/territorychoice.h"

using namespace reference;
using referencetesting::BaseTest;

namespace {

struct Names {
    QString territory, centre, council, genitive, dative;
    bool operator==(const Names &) const = default;
};

Names current()
{
    const State &s = state();
    EXPECT_EQ(s.CouncilGenitive2, s.CouncilGenitive);
    return {model::state().TerritoryText, s.CentreName, s.CouncilName, s.CouncilGenitive, s.CouncilDative};
}

void setNames(const Names &n)
{
    model::state().TerritoryText = n.territory;
    State &s = state();
    s.CentreName = n.centre;
    s.CouncilName = n.council;
    s.CouncilGenitive = s.CouncilGenitive2 = n.genitive;
    s.CouncilDative = n.dative;
}

std::ostream &operator<<(std::ostream &os, const Names &n)
{
    return os << n.territory.toStdString() << " | " << n.centre.toStdString() << " | " << n.council.toStdString()
              << " | " << n.genitive.toStdString() << " | " << n.dative.toStdString();
}

const Names kOld{"старий текст", "старий центр", "стара рада", "старої", "старій"};

} // namespace

TEST_F(BaseTest, KoatuuCodesResolveToTerritoryNames)
{
    const QString ks = QStringLiteral("Києво-Святошинський район");
    const QString sb = QStringLiteral("Софіївсько-Борщагівська сільська");
    const Names chain{QStringLiteral("Київська область ") + ks + QLatin1Char(' ') + sb + QStringLiteral(" рада"), ks, sb,
                      QStringLiteral("Софіївсько-Борщагівської сільської"),
                      QStringLiteral("Софіївсько-Борщагівській сільській")};
    const Names noDistrict{QStringLiteral("Київська область"), QStringLiteral("Невизначений район"),
                           QStringLiteral("Невизначена рада"), QStringLiteral("Невизначеної"),
                           QStringLiteral("Невизначеній")};
    struct Case {
        const char *label;
        QString code;
        QString message; // empty: none
        Names expected;
    };
    const std::vector<Case> cases{
        {"council with settlement", QStringLiteral("3222486201"), {}, chain},
        {"settlement digits unused", QStringLiteral("3222486299"), {}, chain},
        {"nine characters", QStringLiteral("322248620"), QStringLiteral("Невірно визначено коату"), kOld},
        {"eleven characters", QStringLiteral("32224862011"), QStringLiteral("Невірно визначено коату"), kOld},
        {"unknown region", QStringLiteral("0000000000"), QStringLiteral("Не вірно визначено коату (Область)"), kOld},
        {"unknown district", QStringLiteral("3299986201"), {}, noDistrict},
        {"unknown district, no council part", QStringLiteral("3299900000"), {}, noDistrict},
        {"leading zero of the region", QStringLiteral("0500000000"), {},
         {QStringLiteral("Вінницька область"), noDistrict.centre, noDistrict.council, noDistrict.genitive,
          noDistrict.dative}},
        {"unknown council", QStringLiteral("3222499900"), {},
         {QStringLiteral("Київська область ") + ks, ks, noDistrict.council, noDistrict.genitive, noDistrict.dative}},
        {"settlement council", QStringLiteral("3222457400"), {},
         {QStringLiteral("Київська область ") + ks + QStringLiteral(" Чабанівська селищна рада"), ks,
          QStringLiteral("Чабанівська селищна"), QStringLiteral("Чабанівської селищної"),
          QStringLiteral("Чабанівській селищній")}},
        {"city of district importance", QStringLiteral("3222410300"), {},
         {QStringLiteral("Київська область ") + ks + QStringLiteral(" Боярська міська рада"), ks,
          QStringLiteral("Боярська міська"), QStringLiteral("Боярської міської"), QStringLiteral("Боярській міській")}},
        {"city of regional importance", QStringLiteral("3210300000"), {},
         {QStringLiteral("Київська область Білоцерківська міська рада"), QStringLiteral("Білоцерківська міська"),
          QStringLiteral("Білоцерківська міська"), QStringLiteral("Білоцерківської міської"),
          QStringLiteral("Білоцерківській міській")}},
        {"district of Kyiv", QStringLiteral("8038900000"), {},
         {QStringLiteral("м. Київ Солом'янський район"), QStringLiteral("Солом'янський район"),
          QStringLiteral("Київська міська"), QStringLiteral("Київської міської"), QStringLiteral("Київській міській")}},
        {"Kyiv as a whole: the city council", QStringLiteral("8000000000"), {},
         {QStringLiteral("м. Київ"), QStringLiteral("Київська міська"), QStringLiteral("Київська міська"),
          QStringLiteral("Київської міської"), QStringLiteral("Київській міській")}},
        {"Sevastopol as a whole: the city council", QStringLiteral("8500000000"), {},
         {QStringLiteral("м. Севастополь"), QStringLiteral("Севастопольська міська"),
          QStringLiteral("Севастопольська міська"), QStringLiteral("Севастопольської міської"),
          QStringLiteral("Севастопольській міській")}},
        {"district itself: the district council", QStringLiteral("3222400000"), {},
         {QStringLiteral("Київська область ") + ks, ks, QStringLiteral("Києво-Святошинська районна"),
          QStringLiteral("Києво-Святошинської районної"), QStringLiteral("Києво-Святошинській районній")}},
        {"council under a city of regional importance", QStringLiteral("3210945601"), {},
         {QStringLiteral("Київська область м. Ірпінь Ворзельська селищна рада"), QStringLiteral("Ірпінська міська"),
          QStringLiteral("Ворзельська селищна"), QStringLiteral("Ворзельської селищної"),
          QStringLiteral("Ворзельській селищній")}},
        {"second region", QStringLiteral("4623686401"), {},
         {QStringLiteral("Львівська область Пустомитівський район Сокільницька сільська рада"),
          QStringLiteral("Пустомитівський район"), QStringLiteral("Сокільницька сільська"),
          QStringLiteral("Сокільницької сільської"), QStringLiteral("Сокільницькій сільській")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        prompts->calls.clear();
        setNames(kOld);
        model::state().Koatuu = c.code;
        ResolveKoatuu(model::state().Koatuu);
        EXPECT_EQ(model::state().Koatuu, c.code);
        EXPECT_EQ(current(), c.expected);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompts->calls.empty());
        } else {
            ASSERT_EQ(prompts->calls.size(), 1u);
            EXPECT_EQ(prompts->calls[0].message.text, c.message);
            EXPECT_EQ(prompts->calls[0].message.title, QStringLiteral("Zemograf"));
            EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Critical);
        }
    }
}

// The region and the district (or city) come from the code as the territory dialog lists them, so
// that an opened file's acts name its own administration, not one chosen or opened before; a code
// that resolves nothing changes no name. The officials stay as the file or the dialog gave them.
// The names follow the code; the officials no file carries (the architect, the administration's
// head) follow it once it names another district than the one they were taken for, and the
// officials the files carry are the reader's.
TEST_F(BaseTest, KoatuuResolutionNamesTheRegionAndDistrictAndTheirOfficials)
{
    WriteDistrictOfficials(32103000, {QStringLiteral("зем Б"), QStringLiteral("архітектор Б"),
                                      QStringLiteral("голова адм Б"), std::nullopt});
    const QString stored = QStringLiteral("Б"), none = QStringLiteral("-"), untouched = QString();
    const struct {
        const char *label, *code, *region, *district;
        QString officials; // after a change of district: the row's ("Б"), none stored, or untouched
    } cases[] = {
        {"council of a district", "3222486201", "Київська область", "Києво-Святошинський район", none},
        {"the district itself", "3222400000", "Київська область", "Києво-Святошинський район", none},
        {"city of regional importance", "3210300000", "Київська область", "м Біла Церква", stored},
        {"council under such a city", "3210945601", "Київська область", "м Ірпінь", none},
        {"district of Kyiv", "8038900000", "м. Київ", "Солом'янський район", none},
        {"Kyiv as a whole", "8000000000", "м. Київ", "", none},
        {"unknown district", "3299986201", "Київська область", "", none},
        {"nine characters", "322248620", "обл", "р-н", untouched},
        {"unknown region", "0000000000", "обл", "р-н", untouched},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        State &s = state();
        const auto setOfficials = [&s] {
            s.Arhit = QStringLiteral("архітектор");
            s.GolAdm = QStringLiteral("голова адм");
            model::state().RaiZem = QStringLiteral("райзем");
            model::state().Golova = QStringLiteral("голова");
        };
        s.RegionName = QStringLiteral("обл");
        s.DistrictName = QStringLiteral("р-н");
        s.DistrictId = -1; // officials of some other district
        setOfficials();
        QString code = QString::fromLatin1(c.code);
        ResolveKoatuu(code);
        EXPECT_EQ(s.RegionName, QString::fromUtf8(c.region));
        EXPECT_EQ(s.DistrictName, QString::fromUtf8(c.district));
        if (c.officials == stored) {
            EXPECT_EQ(s.Arhit, QStringLiteral("архітектор Б"));
            EXPECT_EQ(s.GolAdm, QStringLiteral("голова адм Б"));
        } else if (c.officials == none) {
            EXPECT_EQ(s.Arhit, QString());
            EXPECT_EQ(s.GolAdm, QString());
        } else {
            EXPECT_EQ(s.Arhit, QStringLiteral("архітектор"));
            EXPECT_EQ(s.GolAdm, QStringLiteral("голова адм"));
        }
        EXPECT_EQ(model::state().RaiZem, QStringLiteral("райзем"));
        EXPECT_EQ(model::state().Golova, QStringLiteral("голова"));

        // The same district again: the officials held for it (the dialog's, say) stay.
        setOfficials();
        ResolveKoatuu(code);
        EXPECT_EQ(s.Arhit, QStringLiteral("архітектор"));
        EXPECT_EQ(s.GolAdm, QStringLiteral("голова адм"));
    }
}

TEST_F(BaseTest, KoatuuDatabaseFailureIsReportedOnceAndChangesNothing)
{
    exec(QStringLiteral("DROP TABLE a_rada"));
    setNames(kOld);
    QString code = QStringLiteral("3222486201");
    EXPECT_NO_THROW(ResolveKoatuu(code));
    EXPECT_EQ(current(), kOld);
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().at(0).startsWith(QStringLiteral("Помилка бази даних")));
    EXPECT_FALSE(BaseRs().IsOpen());
}

TEST(CouncilCaseForms, BuiltFromTheFirstTwoWordsThatExist)
{
    const std::vector<std::tuple<QString, QString, QString>> cases{
        {QStringLiteral("Петрівська сільська"), QStringLiteral("Петрівської сільської"), QStringLiteral("Петрівській сільській")},
        {QStringLiteral("Нова Петрівська сільська"), QStringLiteral("Нової Петрівської"), QStringLiteral("Новій Петрівській")},
        {QStringLiteral("Петрівська  сільська"), QStringLiteral("Петрівської сільської"), QStringLiteral("Петрівській сільській")},
        {QStringLiteral("Київська"), QStringLiteral("Київської"), QStringLiteral("Київській")},
        {QStringLiteral("Київська "), QStringLiteral("Київської"), QStringLiteral("Київській")},
        // The documents write the word "рада" after the forms themselves.
        {QStringLiteral("Невизначена рада"), QStringLiteral("Невизначеної"), QStringLiteral("Невизначеній")},
        {QString(), QString(), QString()},
    };
    for (const auto &[name, genitive, dative] : cases) {
        const CaseForms f = CouncilCaseForms(name);
        EXPECT_EQ(f.genitive, genitive) << name.toStdString();
        EXPECT_EQ(f.dative, dative) << name.toStdString();
    }
}

// Officials corrected in the officials dialogs reach the program at once only where they belong
// to the accepted territory; the council's head only from the row whose head the program prints.
TEST(CorrectedOfficials, ReachTheProgramOnlyForTheAcceptedTerritory)
{
    constexpr int32_t district = 32224000, council = 32224862, other = 32200000;
    const DistrictOfficials names{QStringLiteral("Земельник"), QStringLiteral("Архітектор"), QStringLiteral("Адміністратор"),
                                  QStringLiteral("Голова")};
    const struct {
        const char *name;
        int32_t publishedDistrict, publishedCouncil;
        bool districtDialog; // else the council-head dialog
        int32_t id;
        bool officials, head; // reach the program
    } cases[] = {
        {"a council accepted, its district's officials", district, council, true, district, true, false},
        {"a district that is its own council", district, district, true, district, true, true},
        {"a city with councils, none chosen", district, 0, true, district, true, true},
        {"another district's officials", district, council, true, other, false, false},
        {"no territory accepted yet", 0, 0, true, district, false, false},
        {"the accepted council's head", district, council, false, council, false, true},
        {"another council's head", district, council, false, other, false, false},
        {"a head while no territory is accepted", 0, 0, false, council, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        resetState();
        model::resetState();
        state().DistrictId = c.publishedDistrict;
        state().CouncilId = c.publishedCouncil;
        model::state().RaiZem = model::state().Golova = state().Arhit = state().GolAdm = QStringLiteral("було");
        if (c.districtDialog)
            PublishDistrictOfficials(c.id, names);
        else
            PublishCouncilHead(c.id, *names.golova);
        EXPECT_EQ(model::state().RaiZem, c.officials ? names.zem : QStringLiteral("було"));
        EXPECT_EQ(state().Arhit, c.officials ? names.arhit : QStringLiteral("було"));
        EXPECT_EQ(state().GolAdm, c.officials ? names.goladm : QStringLiteral("було"));
        EXPECT_EQ(model::state().Golova, c.head ? *names.golova : QStringLiteral("було"));
    }
    resetState();
    model::resetState();
}
