// The acts: their wording, the purpose of the new state act, the second parcel, and the three act
// templates filled for small parcels.

#include "common/numbers.h"
#include "documents/actwording.h"
#include "documents/docbatch.h"
#include "documents/docparcel.h"
#include "documents/drawingregion.h"
#include "documents/placement.h"
#include "documents/stateacts.h"
#include "reference/territory.h"
#include "office/wordapp.h"
#include "tests/documents/parcelfixtures.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/support/fulldisk.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <algorithm>
#include <gtest/gtest.h>

using namespace documents;
using documents_test::SquareOf;

namespace {

const QString Council = QStringLiteral("Софіївсько-Борщагівської сільської");
const QString CouncilDative = QStringLiteral("Софіївсько-Борщагівській сільській");
const QString District = QStringLiteral("Києво-Святошинський район");
const QString Head = QStringLiteral("Дем'яненко Віра Іванівна");
const QString AdmHead = QStringLiteral("Головко Адам Петрович");
const QString LandHead = QStringLiteral("Литвиненко Олександр Петрович");
const QString Purpose = QStringLiteral("для ведення особистого селянського господарства");

ActTerritory Territory()
{
    return {.DistrictName = District, .CentreName = District, .CouncilGenitive2 = Council, .CouncilDative = CouncilDative,
            .Golova = Head, .GolAdm = AdmHead};
}

/// A city of regional importance as the territory dialog leaves it: listed among the districts as
/// "м Біла Церква", its council's name its centre's.
ActTerritory CityTerritory()
{
    return {.DistrictName = QStringLiteral("м Біла Церква"), .CentreName = QStringLiteral("Білоцерківська міська"),
            .CouncilGenitive2 = QStringLiteral("Білоцерківської міської"),
            .CouncilDative = QStringLiteral("Білоцерківській міській"), .Golova = Head, .GolAdm = AdmHead};
}

/// The territory and officials of the program, as the territory dialog and the file leave them.
void SetTerritory()
{
    reference::State &r = reference::state();
    const ActTerritory t = Territory();
    r.DistrictName = t.DistrictName;
    r.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
    r.CentreName = t.CentreName;
    r.CouncilGenitive = r.CouncilGenitive2 = t.CouncilGenitive2;
    r.CouncilDative = t.CouncilDative;
    r.GolAdm = AdmHead;
    r.PurposeName = Purpose;
    model::state().Golova = Head;
    model::state().RaiZem = LandHead;
}

model::Parcel ActParcel(const QString &number, const QString &owner, double x, double y, double size)
{
    model::Parcel p = SquareOf(owner, x, y, size);
    p.Number = number;
    p.KoatuuPart = QStringLiteral("3222486201");
    p.ParcelKoatuu = QStringLiteral("3222486299");
    p.ZN = 1;
    p.KV = 24;
    p.KZ = QStringLiteral("22");
    p.AD = QStringLiteral("с. Софіївська Борщагівка, вул. Садова, ") + number;
    p.AU = QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 9");
    p.PZ = QStringLiteral("РВ,47,22.11.2006");
    p.Area = size * size;
    return p;
}

} // namespace

TEST(ActWording, ByGroundsSignerAndStorage)
{
    const QString adm = QStringLiteral("Києво-Святошинської райдержадміністрації");
    const struct {
        const char *name;
        const char *pz;
        uint8_t who, storage;
        const char *centre; // the district centre, when not the district's
        const char *body, *issuer, *decision, *office, *kept;
        QString council, head;
        bool issuerIsCouncil, keptAtCouncil, signingIsCouncil;
    } cases[] = {
        {"committee, kept by the land office", "РВ,12,01.02.2003", 1, 1, nullptr, "виконкому", nullptr,
         " від 01.02.2003р. № 12", "Києво-Святошинського районного", "Києво-Святошинському райвідділі зем.ресурсів",
         Council, Head, true, false, true},
        {"session, kept by the council", "РС,15.03.2005,15 сесії 5 скликання", 1, 2, nullptr, "15 сесії 5 скликання",
         nullptr, " від 15.03.2005р.", "Києво-Святошинського районного", "Софіївсько-Борщагівській сільській", Council,
         Head, true, true, true},
        {"order, kept by the administration", "РА,3,02.02.2007", 1, 3, nullptr, "розпорядження",
         "Києво-Святошинської райдержадміністрації", " від 02.02.2007р. № 3", "Києво-Святошинського районного",
         "Києво-Святошинській райдержадміністрації", adm, AdmHead, false, false, false},
        {"order of the administration's head", "РГ,4,03.03.2008", 1, 1, nullptr, "розпорядження",
         "Києво-Святошинської райдержадміністрації", " від 03.03.2008р. № 4", "Києво-Святошинського районного",
         "Києво-Святошинському райвідділі зем.ресурсів", adm, AdmHead, false, false, false},
        {"committee, the administration's head signs", "РВ,12,01.02.2003", 2, 1, nullptr, "виконкому", nullptr,
         " від 01.02.2003р. № 12", "Києво-Святошинського районного", "Києво-Святошинському райвідділі зем.ресурсів",
         adm, AdmHead, true, false, false},
        {"a city's land office", "РВ,12,01.02.2003", 1, 1, "Біла Церква", "виконкому", nullptr, " від 01.02.2003р. № 12",
         "Білого міського", "Білому міськвідділі зем.ресурсів", Council, Head, true, false, true},
        {"a city's council", "РВ,12,01.02.2003", 1, 2, "Біла Церква", "виконкому", nullptr, " від 01.02.2003р. № 12",
         "Білого міського", "Білій міській", Council, Head, true, true, true},
        {"a city's administration", "РВ,12,01.02.2003", 1, 3, "Біла Церква", "виконкому", nullptr,
         " від 01.02.2003р. № 12", "Білого міського", "Білій міськдержадміністрації", Council, Head, true, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ActTerritory t = Territory();
        if (c.centre)
            t.CentreName = QString::fromUtf8(c.centre);
        const ActWording w = ComputeActWording(QString::fromUtf8(c.pz), t, c.who, c.storage);
        EXPECT_EQ(w.BodyWord, QString::fromUtf8(c.body));
        EXPECT_EQ(w.Issuer, c.issuer ? QString::fromUtf8(c.issuer) : Council);
        EXPECT_EQ(w.DecisionText, QString::fromUtf8(c.decision));
        EXPECT_EQ(w.OfficeAdjective, QString::fromUtf8(c.office));
        EXPECT_EQ(w.KeptAt, QString::fromUtf8(c.kept));
        EXPECT_EQ(w.SigningCouncil, c.council);
        EXPECT_EQ(w.SigningHead, c.head);
        EXPECT_EQ(w.AdmGenitive, c.who == SignsAdministrationHead ? adm : QString());
        EXPECT_EQ(w.IssuerIsCouncil, c.issuerIsCouncil);
        EXPECT_EQ(w.KeptAtCouncil, c.keptAtCouncil);
        EXPECT_EQ(w.SigningIsCouncil, c.signingIsCouncil);
        EXPECT_TRUE(w.Problems.isEmpty()) << w.Problems.join(QLatin1Char('\n')).toStdString();
    }
}

// A city of regional importance: its administration and its office take the city council's
// adjective, for every grounds, signer and storage; a council below the city keeps the city's.
TEST(ActWording, ACityOfRegionalImportanceNamesItsOwnAdministration)
{
    const QString adm = QStringLiteral("Білоцерківської міськдержадміністрації");
    const QString council = QStringLiteral("Білоцерківської міської");
    const QString kept[] = {QString(), QStringLiteral("Білоцерківському міськвідділі зем.ресурсів"),
                            QStringLiteral("Білоцерківській міській"), QStringLiteral("Білоцерківській міськдержадміністрації")};
    for (const char *pz : {"РА,3,02.02.2007", "РГ,4,03.03.2008", "РВ,12,01.02.2003"})
        for (const uint8_t who : {SignsCouncilHead, SignsAdministrationHead})
            for (const uint8_t storage : {KeptAtLandOffice, KeptAtCouncil, KeptAtAdministration}) {
                SCOPED_TRACE(testing::Message() << pz << " who " << int(who) << " storage " << int(storage));
                const ActWording w = ComputeActWording(QString::fromUtf8(pz), CityTerritory(), who, storage);
                const bool order = w.Order;
                const bool admSigns = order || who == SignsAdministrationHead;
                EXPECT_EQ(w.Issuer, order ? adm : council);
                EXPECT_EQ(w.AdmGenitive, who == SignsAdministrationHead ? adm : QString());
                EXPECT_EQ(w.OfficeAdjective, QStringLiteral("Білоцерківського міського"));
                EXPECT_EQ(w.KeptAt, kept[storage]);
                EXPECT_EQ(w.SigningCouncil, admSigns ? adm : council);
                EXPECT_EQ(w.SigningHead, admSigns ? AdmHead : Head);
                EXPECT_TRUE(w.CityOffice);
                EXPECT_TRUE(w.Problems.isEmpty()) << w.Problems.join(QLatin1Char('\n')).toStdString();
            }
    // A settlement council below a city is in the city's administration.
    ActTerritory below = {.DistrictName = QStringLiteral("м Ірпінь"), .CentreName = QStringLiteral("Ірпінська міська"),
                          .CouncilGenitive2 = QStringLiteral("Гостомельської селищної"),
                          .CouncilDative = QStringLiteral("Гостомельській селищній"), .Golova = Head, .GolAdm = AdmHead};
    const ActWording w = ComputeActWording(QStringLiteral("РА,3,02.02.2007"), below, SignsAdministrationHead, KeptAtAdministration);
    EXPECT_EQ(w.Issuer, QStringLiteral("Ірпінської міськдержадміністрації"));
    EXPECT_EQ(w.SigningCouncil, QStringLiteral("Ірпінської міськдержадміністрації"));
    EXPECT_EQ(w.KeptAt, QStringLiteral("Ірпінській міськдержадміністрації"));
}

class ActWordingProblems : public builderstesting::BuilderTest {};

TEST_F(ActWordingProblems, WhatCannotBeWordedStaysEmptyAndIsNamed)
{
    exec(QStringLiteral("INSERT INTO pz (code, desk) VALUES ('РК', 'земельної комісії')"));
    const struct {
        const char *name;
        const char *pz;
        uint8_t who, storage;
        const char *district, *centre;
        const char *issuer, *decision, *office;
        const char *problem; // a part of the one problem expected, or none
    } cases[] = {
        {"a code of the grounds table", "РК,5,01.01.2001", 1, 1, nullptr, nullptr, "земельної комісії",
         " від 01.01.2001р. № 5", "Києво-Святошинського районного", nullptr},
        {"a code nobody knows", "ХХ,5,01.01.2001", 1, 1, nullptr, nullptr, "PZ is Empty", " від 01.01.2001р. № 5",
         "Києво-Святошинського районного", "«ХХ» не знайдено"},
        {"no date", "РВ,12", 1, 1, nullptr, nullptr, nullptr, "", "Києво-Святошинського районного", "немає дати рішення"},
        {"no grounds", "", 1, 1, nullptr, nullptr, "PZ is Empty", "", "Києво-Святошинського районного",
         "Не вказано підставу"},
        {"no district for the administration", "РВ,12,01.02.2003", 2, 1, "", nullptr, nullptr,
         " від 01.02.2003р. № 12", "Києво-Святошинського районного", "Не вибрано район"},
        {"a centre too short to cut", "РВ,12,01.02.2003", 1, 1, nullptr, "К", nullptr, " від 01.02.2003р. № 12", "",
         "з назви «К»"},
        {"no storage chosen", "РВ,12,01.02.2003", 1, 0, nullptr, nullptr, nullptr, " від 01.02.2003р. № 12", "",
         "де зберігається"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ActTerritory t = Territory();
        if (c.district)
            t.DistrictName = QString::fromUtf8(c.district);
        if (c.centre)
            t.CentreName = QString::fromUtf8(c.centre);
        const ActWording w = ComputeActWording(QString::fromUtf8(c.pz), t, c.who, c.storage);
        EXPECT_EQ(w.Issuer, c.issuer ? QString::fromUtf8(c.issuer) : Council);
        EXPECT_EQ(w.DecisionText, QString::fromUtf8(c.decision));
        EXPECT_EQ(w.OfficeAdjective, QString::fromUtf8(c.office));
        if (!c.problem) {
            EXPECT_TRUE(w.Problems.isEmpty()) << w.Problems.join(QLatin1Char('\n')).toStdString();
            continue;
        }
        ASSERT_EQ(w.Problems.size(), 1) << w.Problems.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(w.Problems[0].contains(QString::fromUtf8(c.problem), Qt::CaseInsensitive)) << w.Problems[0].toStdString();
    }
}

TEST(NewActPurpose, OneOrTwoParcelsByTheirRows)
{
    reference::State ref;
    ref.BuildArea = 0.25;
    ref.AreaRange = 1.0;
    ref.KZ21Text = QStringLiteral("ОСГ");
    ref.KZ22Text = QStringLiteral("ЖБ");
    ref.PurposeName = QStringLiteral("інше");
    const auto split = [](double house, double farm, bool ha) {
        return ha ? QStringLiteral("ЖБ - %1 га. і ОСГ - %2 га.").arg(zova::Format4(house / 10000), zova::Format4(farm / 10000))
                  : QStringLiteral("ЖБ - %1 кв.м. і ОСГ - %2 кв.м.").arg(zova::Format2(house), zova::Format2(farm));
    };
    const struct {
        const char *kz1;
        double a1;
        const char *kz2; // null: one parcel
        double a2;
        bool ha;
        QString purpose;
    } cases[] = {
        {"21", 5000, nullptr, 0, true, QStringLiteral("ОСГ")},
        {"22", 2500, nullptr, 0, true, QStringLiteral("ЖБ")},
        {"22", 2501, nullptr, 0, true, QStringLiteral("ЖБ")},
        {"22", 2600, nullptr, 0, true, split(2500, 100, true)},
        {"22", 2600, nullptr, 0, false, split(2500, 100, false)},
        {"05", 2600, nullptr, 0, true, QStringLiteral("інше")},
        {"22", 2000, "21", 3000, true, split(2000, 3000, true)},
        {"22", 2600, "21", 3000, true, split(2500, 3100, true)},
        {"21", 3000, "22", 2000, true, split(2000, 3000, true)},
        {"21", 3000, "22", 2600, false, split(2500, 3100, false)},
        {"22", 1000, "22", 1000, true, QStringLiteral("ЖБ")},
        {"22", 2000, "22", 1000, true, split(2500, 500, true)},
        {"21", 2000, "21", 1000, true, QStringLiteral("ОСГ")},
        {"05", 2000, "21", 1000, true, QStringLiteral("інше")},
    };
    for (const auto &c : cases) {
        const PurposeParcel first{QString::fromLatin1(c.kz1), c.a1};
        const PurposeParcel second{c.kz2 ? QString::fromLatin1(c.kz2) : QString(), c.a2};
        EXPECT_EQ(NewActPurpose(first, c.kz2 ? &second : nullptr, ref, c.ha ? 1 : 0), c.purpose)
            << c.kz1 << " " << c.a1 << " / " << (c.kz2 ? c.kz2 : "-") << " " << c.a2;
    }
}

TEST(SecondParcelIndex, OnlyAnotherLoadedParcel)
{
    const model::ParcelList parcels = documents_test::ListOf({SquareOf(QStringLiteral("А"), 0, 0),
                                                              SquareOf(QStringLiteral("Б"), 0, 20),
                                                              SquareOf(QStringLiteral("В"), 0, 40)});
    const struct {
        const char *db;
        int32_t index;
        bool problem;
    } cases[] = {{"", 0, false}, {"  ", 0, false}, {" 0 ", 0, false}, {"2", 2, false}, {" 3", 3, false},
                 {"1", 0, true}, {"4", 0, true},   {"-2", 0, true},   {"абв", 0, true}, {"2.5", 0, true}};
    for (const auto &c : cases) {
        QString problem;
        EXPECT_EQ(SecondParcelIndex(QString::fromUtf8(c.db), 1, parcels, &problem), c.index) << c.db;
        EXPECT_EQ(!problem.isEmpty(), c.problem) << c.db << ": " << problem.toStdString();
    }
}

namespace {

class Acts : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        SetTerritory();
        // Parcel 1 with its neighbours 2 (north) and 3 (east); parcel 4, the owner's field, far off.
        model::ParcelList &parcels = model::state().Parcels;
        parcels.Clear();
        parcels.Add(ActParcel(QStringLiteral("0009"), QStringLiteral("Бойко Іван Петрович"), 5000, 3000, 20));
        parcels.Add(ActParcel(QStringLiteral("0010"), QStringLiteral("Ткаченко Сергій Іванович"), 5020, 3000, 20));
        parcels.Add(ActParcel(QStringLiteral("0011"), QStringLiteral("Коваленко Наталія Миколаївна"), 5000, 3020, 20));
        model::Parcel field = ActParcel(QStringLiteral("0101"), QStringLiteral("Бойко Іван Петрович"), 7000, 7000, 90);
        field.KZ = QStringLiteral("21");
        parcels.Add(field);
        options().DocAction = ActionSave;
        options().OutputFolder = OutputFolderOf(testsupport::tempDir());
    }

    office::Document &fill(uint8_t kind, int32_t index = 1, const char *file = nullptr)
    {
        state().CurDocParcel = index;
        PrepareDocParcel(index);
        plan.Kind = kind;
        const QString name = file ? QString::fromLatin1(file)
                                  : kind == KindNewStateAct ? QStringLiteral("aktnew.dotx")
                                  : kind == KindApprovalAct ? QStringLiteral("aprvl.dotx")
                                                            : QStringLiteral("aprvlp.dotx");
        office::Document &doc = app.Documents_Add(builderstesting::dotPath(name));
        outcome = kind == KindNewStateAct ? FillNewStateAct(doc, plan, scale, step) : FillApprovalAct(doc, plan, scale, step);
        return doc;
    }
    static QString text(office::Document &doc, const char *bookmark)
    {
        return doc.Bookmarks(QString::fromLatin1(bookmark)).Text();
    }

    PlanOptions plan;
    int32_t scale = 0;
    ActOutcome outcome;
    office::WordApp app;
    platform::RecordingProgress step;
};

} // namespace

TEST_F(Acts, NewStateActOfOneOwner)
{
    office::Document &doc = fill(KindNewStateAct);
    EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(outcome.Fits);
    const struct {
        const char *bookmark;
        QString text;
    } expected[] = {
        {"oname", QStringLiteral("Бойко Іван Петрович")},
        {"kadkode", QStringLiteral("3222486201:01:024:0009")},
        {"raividdilu", QStringLiteral("Києво-Святошинського районного")},
        {"raividdilu1", QStringLiteral("Києво-Святошинського районного")},
        {"risdate", Council},
        {"risdate_rada", QStringLiteral(" ради")},
        {"radu", QStringLiteral(" від 22.11.2006р. № 47 (виконкому)")},
        {"radi", CouncilDative},
        {"radi_rada", QStringLiteral(" раді")},
        {"radu1", Council},
        {"golova", Head},
        {"oadr", QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 9")},
        {"adrdildetal", QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 0009")},
        {"raizem", LandHead},
        {"raizem1", LandHead},
        {"cilove", QStringLiteral("для ") + reference::state().KZ22Text + QLatin1Char('.')},
        {"area", zova::Format2(400) + QStringLiteral(" кв.м.")},
        {"mash", QStringLiteral("300")},
        // Neighbours: parcel 2 along the side from vertex 2, parcel 3 from vertex 3, each after its
        // letters and a tab.
        {"sm", QStringLiteral("Від А до Б\tТкаченко Сергій Іванович\rВід Б до А\tКоваленко Наталія Миколаївна")},
        {"golova_spiv", QString()},
        {"radu_spiv", QString()},
        {"viddilu_spiv", QString()},
        {"raizem_spiv", QString()},
    };
    for (const auto &e : expected)
        EXPECT_EQ(text(doc, e.bookmark), e.text) << e.bookmark;
    // One drawing with its area under the label, no second parcel; the co-owners' rows stay empty.
    EXPECT_TRUE(doc.HasShape(QStringLiteral("main")));
    EXPECT_FALSE(doc.HasShape(QStringLiteral("main1")));
    EXPECT_TRUE(builderstesting::boxTexts(doc).contains(zova::Format2(400) + QStringLiteral(" кв.м.")));
    EXPECT_FALSE(builderstesting::boxTexts(doc).join(QLatin1Char('|')).contains(QStringLiteral("Ділянка №")));
    EXPECT_EQ(doc.Tables(1).Cell(1, 2).Text(), QString());
    // The issuing body's wording stays in the document: the program's territory texts are as they were.
    EXPECT_EQ(reference::state().CouncilGenitive, Council);
    EXPECT_EQ(step.value, 21);
}

TEST_F(Acts, CoOwnersBeyondTheFormsRowsGetRowsOfTheirOwn)
{
    model::Parcel &p = model::state().Parcels[1];
    p.NM = QStringLiteral("Бойко Іван|Бойко Марія|Бойко Олег|Бойко Ганна|Бойко Петро");
    p.AU = QStringLiteral("вул. Садова, 9|вул. Садова, 9|м. Київ|вул. Лугова, 4");
    office::Document &doc = fill(KindNewStateAct);
    EXPECT_EQ(text(doc, "oname"), QStringLiteral("Бойко Іван"));
    EXPECT_EQ(text(doc, "oadr"), QStringLiteral("вул. Садова, 9"));
    office::Table table = doc.Tables(1);
    ASSERT_EQ(table.RowCount(), 4);
    const QStringList names = {QStringLiteral("Бойко Марія"), QStringLiteral("Бойко Олег"), QStringLiteral("Бойко Ганна"),
                               QStringLiteral("Бойко Петро")};
    const QStringList addresses = {QStringLiteral("вул. Садова, 9"), QStringLiteral("м. Київ"),
                                   QStringLiteral("вул. Лугова, 4"), QString()};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(table.Cell(r, 1).Text(), QString::number(r));
        EXPECT_EQ(table.Cell(r, 2).Text(), names[r - 1]);
        EXPECT_EQ(table.Cell(r, 3).Text(), addresses[r - 1]);
        EXPECT_EQ(table.Cell(r, 4).Text(), QStringLiteral("20 %"));
    }
    EXPECT_EQ(text(doc, "golova_spiv"), Head);
    EXPECT_EQ(text(doc, "radu_spiv"), Council + QStringLiteral(" ради"));
    EXPECT_EQ(text(doc, "viddilu_spiv"), QStringLiteral("Києво-Святошинського районного відділу земельних ресурсів"));
    EXPECT_EQ(text(doc, "raizem_spiv"), LandHead);
}

// The co-owners' list is signed by the body, the head and the land office that sign the act's
// front, whatever the grounds and the signer; grounds of a code the table lacks ("А") too.
TEST_F(Acts, CoOwnersSignAsTheFrontDoes)
{
    model::Parcel &p = model::state().Parcels[1];
    p.NM = QStringLiteral("Бойко Іван|Бойко Марія");
    const QString adm = QStringLiteral("Києво-Святошинської райдержадміністрації");
    const QString council = Council + QStringLiteral(" ради");
    const struct {
        const char *pz;
        uint8_t who;
        QString body, head;
    } cases[] = {
        {"РВ,47,22.11.2006", SignsCouncilHead, council, Head},
        {"РВ,47,22.11.2006", SignsAdministrationHead, adm, AdmHead},
        {"РА,3,02.02.2007", SignsCouncilHead, adm, AdmHead},
        {"РА,3,02.02.2007", SignsAdministrationHead, adm, AdmHead},
        {"РГ,4,03.03.2008", SignsCouncilHead, adm, AdmHead},
        {"А,3,02.02.2007", SignsCouncilHead, council, Head},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pz << " who " << int(c.who));
        p.PZ = QString::fromUtf8(c.pz);
        plan.WhoChoice = c.who;
        office::Document &doc = fill(KindNewStateAct);
        EXPECT_EQ(text(doc, "radu1") + text(doc, "radu1_rada"), c.body);
        EXPECT_EQ(text(doc, "golova"), c.head);
        EXPECT_EQ(text(doc, "radu_spiv"), c.body);
        EXPECT_EQ(text(doc, "golova_spiv"), c.head);
        EXPECT_EQ(text(doc, "viddilu_spiv"), text(doc, "raividdilu") + QStringLiteral(" відділу земельних ресурсів"));
        EXPECT_EQ(text(doc, "raizem_spiv"), text(doc, "raizem"));
        doc.Close();
    }
}

// A signature whose signer has no name (no administration's head stored for the district of an
// opened file, no council head in the file, no land office head) is named in the act's remarks,
// and only that one; the act is made all the same, the signature line without a name.
TEST_F(Acts, ASignatureWithoutItsSignersNameIsNamed)
{
    const struct {
        const char *name, *pz;
        uint8_t who;
        QString *emptied;
        const char *problem; // null: every signer has a name
    } cases[] = {
        {"the council's head signs", "РВ,47,22.11.2006", SignsCouncilHead, &model::state().Golova, "Голову ради не вказано"},
        {"the administration's head signs", "РВ,47,22.11.2006", SignsAdministrationHead, &reference::state().GolAdm,
         "Голову адміністрації не вказано"},
        {"an order signed by its administration", "РА,3,02.02.2007", SignsCouncilHead, &reference::state().GolAdm,
         "Голову адміністрації не вказано"},
        {"the land office's head", "РВ,47,22.11.2006", SignsCouncilHead, &model::state().RaiZem,
         "Начальника відділу земельних ресурсів не вказано"},
        {"the council's head missing, the administration's signs", "РА,3,02.02.2007", SignsAdministrationHead,
         &model::state().Golova, nullptr},
    };
    model::state().Parcels[1].NM = QStringLiteral("Бойко Іван|Бойко Марія");
    for (const uint8_t kind : {KindNewStateAct, KindApprovalAct, KindApprovalActShares})
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << ": " << c.name);
            SetTerritory();
            *c.emptied = QString();
            model::state().Parcels[1].PZ = QString::fromUtf8(c.pz);
            plan.WhoChoice = c.who;
            office::Document &doc = fill(kind);
            const QString problems = outcome.Problems.join(QLatin1Char('\n'));
            if (c.problem) {
                ASSERT_EQ(outcome.Problems.size(), 1) << problems.toStdString();
                EXPECT_TRUE(problems.startsWith(QString::fromUtf8(c.problem))) << problems.toStdString();
            } else {
                EXPECT_TRUE(outcome.Problems.isEmpty()) << problems.toStdString();
            }
            doc.Close();
        }
}

TEST_F(Acts, SecondParcelDrawnBesideAtOneScale)
{
    model::state().Parcels[1].DB = QStringLiteral("4");
    plan.AreaUnit = 1;
    office::Document &doc = fill(KindNewStateAct);
    EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
    const DocParcel &second = state().DocParcel2;
    EXPECT_EQ(second.ParcelIndex, 4);
    // The coarser of the two automatic scales, for both drawings and the act's one scale.
    const int32_t common = std::max(AutoScaleOf(state().DocParcel1), AutoScaleOf(second));
    EXPECT_EQ(common, 2000);
    EXPECT_EQ(scale, common);
    EXPECT_EQ(text(doc, "mash"), QStringLiteral("2000"));
    const auto width = [](const DocParcel &p) {
        double lo = p.Points[1].PageX, hi = lo;
        for (const DocPoint &v : p.Points) {
            lo = std::min(lo, v.PageX);
            hi = std::max(hi, v.PageX);
        }
        return hi - lo;
    };
    EXPECT_NEAR(width(state().DocParcel1), CmToPoints(20 / (common / 100.0)), 0.01); // 20 m at 1:2000
    EXPECT_NEAR(width(second), CmToPoints(90 / (common / 100.0)), 0.01);

    EXPECT_EQ(text(doc, "area"), zova::Format4(0.04 + 0.81) + QStringLiteral(" га."));
    // The split purpose ends the sentence on the "." of "га.", which is not doubled.
    EXPECT_EQ(text(doc, "cilove"), QStringLiteral("для %1 - %2 га. і %3 - %4 га.")
                                       .arg(reference::state().KZ22Text, zova::Format4(0.04), reference::state().KZ21Text,
                                            zova::Format4(0.81)));
    const QStringList boxes = builderstesting::boxTexts(doc);
    EXPECT_TRUE(boxes.contains(QStringLiteral("Ділянка № 1\r") + zova::Format4(0.04) + QStringLiteral(" га.")));
    EXPECT_TRUE(boxes.contains(QStringLiteral("Ділянка № 2\r") + zova::Format4(0.81) + QStringLiteral(" га.")));
    EXPECT_TRUE(boxes.contains(QStringLiteral("Кадастровий номер: 3222486201:01:024:0101")));
    // The field touches nothing: its description is empty, in a box of its own below it.
    EXPECT_TRUE(boxes.contains(QString()));
    EXPECT_TRUE(outcome.Fits);
    // Each drawing in its own region of the sheet.
    EXPECT_TRUE(TemplateRegion(doc, QStringLiteral("DrawingRegion")).contains(doc.Shapes(QStringLiteral("main")).Bounds()));
    EXPECT_TRUE(TemplateRegion(doc, QStringLiteral("DrawingRegion2")).contains(doc.Shapes(QStringLiteral("main1")).Bounds()));
}

// A second parcel that reaches up to the place of its cadastral number has the number above it;
// one too tall for that is made and reported as leaving its place.
TEST_F(Acts, TheSecondParcelsNumberStandsAboveATallDrawing)
{
    model::state().Parcels[1].DB = QStringLiteral("4");
    plan.AutoScale = false;
    for (const int32_t chosen : {1250, 1000}) { // the 90 m field 204 and 255 pt tall
        SCOPED_TRACE(chosen);
        scale = chosen;
        office::Document &doc = fill(KindNewStateAct);
        const QRectF extent = state().DrawExtent;
        ASSERT_LT(extent.top(), 105);
        QRectF number;
        for (int k = 1; k <= doc.ShapesCount(); ++k)
            if (doc.Shapes(k).Type() == office::Shape::Kind::TextBox
                && doc.Shapes(k).Text() == QStringLiteral("Кадастровий номер: 3222486201:01:024:0101"))
                number = doc.Shapes(k).Bounds();
        ASSERT_FALSE(number.isEmpty());
        EXPECT_GE(number.top(), TemplateRegion(doc, QStringLiteral("DrawingRegion2")).top());
        EXPECT_EQ(outcome.Fits, chosen == 1250);
        if (outcome.Fits) {
            EXPECT_LE(number.bottom(), extent.top());
        }
    }
}

// A DB that names no other loaded parcel makes a one-parcel act and says so; the second parcel
// of the act before it leaves nothing behind.
TEST_F(Acts, ABadSecondParcelIsReportedAndTheLastOneDoesNotLeak)
{
    model::state().Parcels[1].DB = QStringLiteral("4");
    model::state().Parcels[2].DB = QStringLiteral("99");
    model::state().Parcels[1].Selected = model::state().Parcels[2].Selected = -1;
    plan.Kind = KindNewStateAct;
    plan.ProgramDir = testsupport::programDir();
    const QString out = QDir(testsupport::tempDir()).filePath(QStringLiteral("second"));
    QDir().mkpath(out);
    options().OutputFolder = OutputFolderOf(out);
    platform::NullProgress overall;
    const BatchReport report = RunDocumentBatch(app, plan, overall, step);
    ASSERT_TRUE(report.Failures.empty()) << report.Summary().toStdString();
    ASSERT_EQ(report.Done.size(), 2u);
    ASSERT_EQ(report.Remarks.size(), 1u);
    EXPECT_EQ(report.Remarks[0].ParcelIndex, 2);
    EXPECT_TRUE(report.Summary().contains(QStringLiteral("«99» (поле DB)"))) << report.Summary().toStdString();
    EXPECT_EQ(QFileInfo(report.Done[0].Path).fileName(), QStringLiteral("3222486201_01_024_0009.docx"));

    office::Document &doc = app.Documents_Open(report.Done[1].Path);
    EXPECT_FALSE(doc.HasShape(QStringLiteral("main1")));
    EXPECT_FALSE(builderstesting::boxTexts(doc).join(QLatin1Char('|')).contains(QStringLiteral("Ділянка №")));
    EXPECT_EQ(text(doc, "area"), zova::Format2(400) + QStringLiteral(" кв.м."));
    EXPECT_EQ(state().DocParcel2.ParcelIndex, 0);
}

TEST_F(Acts, ApprovalActsOfBothKindsReadAlike)
{
    model::Parcel &p = model::state().Parcels[1];
    p.NM = QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна");
    p.AU = QStringLiteral("вул. Садова, 9|м. Київ");
    p.PZ = QStringLiteral("РА,3,02.02.2007");
    p.Area = 2500;
    plan.WhoChoice = SignsCouncilHead;
    plan.StorageChoice = KeptAtLandOffice;
    plan.AreaUnit = 0; // the approval acts write hectares whatever the unit
    const char *bookmarks[] = {"OwnName", "OwnName1", "OrgType", "OrgName1", "OrgName2", "OrgName3", "Golova", "DocDate",
                               "OwnAdr", "DilAdr", "RaiZem", "Area", "Cilove", "Mash", "sm1",
                               "OrgName1_rada", "OrgName2_rada", "OrgName3_rada"};
    QStringList texts[2];
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        office::Document &doc = fill(k == 0 ? KindApprovalAct : KindApprovalActShares);
        EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
        for (const char *b : bookmarks)
            texts[k] << text(doc, b);
        // The area label on the drawing's centre, in hectares.
        const DocParcel &parcel = state().DocParcel1;
        bool found = false;
        for (int i = 1; i <= doc.ShapesCount(); ++i) {
            office::Shape s = doc.Shapes(i);
            if (s.Type() == office::Shape::Kind::TextBox && s.Text() == zova::Format4(0.25) + QStringLiteral(" га.")) {
                found = true;
                EXPECT_NEAR(s.Bounds().center().x(), parcel.PageSumX, 0.01);
                EXPECT_NEAR(s.Bounds().center().y(), parcel.PageSumY, 0.01);
                EXPECT_EQ(s.Bounds().size(), QSizeF(90, 20));
            }
        }
        EXPECT_TRUE(found);
    }
    EXPECT_EQ(texts[0], texts[1]);
    const QStringList expected = {p.NM,
                                  p.NM,
                                  QStringLiteral("розпорядження"),
                                  QStringLiteral("Києво-Святошинської райдержадміністрації"),
                                  QStringLiteral("Києво-Святошинському райвідділі зем.ресурсів"),
                                  QStringLiteral("Києво-Святошинської райдержадміністрації"),
                                  AdmHead,
                                  QStringLiteral(" від 02.02.2007р. № 3"),
                                  p.AU,
                                  Council + QStringLiteral(" ради, с. Софіївська Борщагівка, вул. Садова, 0009"),
                                  LandHead,
                                  zova::Format4(0.25),
                                  Purpose + QLatin1Char('.'),
                                  QStringLiteral("300"),
                                  QStringLiteral("Від А до Б\tТкаченко Сергій Іванович\rВід Б до А\tКоваленко Наталія Миколаївна"),
                                  QString(),
                                  QString(),
                                  QString()};
    EXPECT_EQ(texts[0], expected);
}

// The form prints no letters, so a second parcel's flag (which asks for full lines) reads as
// every other act: the letters of each stretch, a tab, the neighbour.
TEST_F(Acts, ASecondParcelFlagGivesTheSameLines)
{
    model::state().Parcels[1].SecondParcel = 1;
    office::Document &doc = fill(KindApprovalAct);
    EXPECT_EQ(text(doc, "sm1"),
              QStringLiteral("Від А до Б\tТкаченко Сергій Іванович\rВід Б до А\tКоваленко Наталія Миколаївна"));
}

// A template that lacks bookmarks still gives an act; what it lacks is named.
TEST_F(Acts, WhatTheTemplateLacksIsNamedAndTheRestIsMade)
{
    model::state().Parcels[1].NM = QStringLiteral("Бойко Іван|Бойко Марія");
    office::Document &doc = fill(KindNewStateAct, 1, "test/actpartial.dotx");
    EXPECT_EQ(text(doc, "oname"), QStringLiteral("Бойко Іван"));
    EXPECT_TRUE(doc.HasShape(QStringLiteral("main")));
    const QString problems = outcome.Problems.join(QLatin1Char('\n'));
    for (const char *b : {"raividdilu", "risdate", "radu", "cilove", "sm", "area", "mash", "golova_spiv"})
        EXPECT_TRUE(problems.contains(QStringLiteral("«%1»").arg(QString::fromLatin1(b)))) << b << "\n" << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("таблиці 1"))) << problems.toStdString();
}

// Without the file's KOATUU the new state act names the parcel by its own, in the act and in
// the file's name; the approval acts keep the parcel's number as the name.
TEST_F(Acts, TheParcelsOwnKoatuuNamesTheNewStateActWhenAsked)
{
    model::state().Parcels[1].Selected = -1;
    plan.ProgramDir = testsupport::programDir();
    const QString out = testsupport::tempDir();
    options().OutputFolder = OutputFolderOf(out);
    const struct {
        uint8_t kind;
        bool dsFlag;
        QString kadkode, file;
    } cases[] = {
        {KindNewStateAct, true, QStringLiteral("3222486201:01:024:0009"), QStringLiteral("3222486201_01_024_0009.docx")},
        {KindNewStateAct, false, QStringLiteral("3222486299:01:024:0009"), QStringLiteral("3222486299_01_024_0009.docx")},
        {KindApprovalAct, false, QString(), QStringLiteral("0009.docx")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        plan.DsFlag = c.dsFlag;
        if (!c.kadkode.isEmpty()) {
            EXPECT_EQ(text(fill(c.kind), "kadkode"), c.kadkode);
        }
        plan.Kind = c.kind;
        platform::NullProgress overall;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);
        ASSERT_EQ(report.Done.size(), 1u) << report.Summary().toStdString();
        EXPECT_EQ(QFileInfo(report.Done[0].Path).fileName(), c.file);
        QFile::remove(report.Done[0].Path);
    }
}

TEST_F(Acts, AFailedSaveIsAFailureNotADocument)
{
    model::state().Parcels[1].Selected = -1;
    plan.Kind = KindNewStateAct;
    plan.ProgramDir = testsupport::programDir();
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        options().OutputFolder = OutputFolderOf(disk.dir());
        disk.fill();
        platform::NullProgress overall;
        const BatchReport report = RunDocumentBatch(app, plan, overall, step);
        disk.release();
        EXPECT_TRUE(report.Done.empty());
        ASSERT_EQ(report.Failures.size(), 1u);
        EXPECT_FALSE(report.Summary().contains(QStringLiteral("Збережено документів"))) << report.Summary().toStdString();
        EXPECT_TRUE(QDir(disk.dir()).entryList({QStringLiteral("*.docx")}, QDir::Files).isEmpty());
    }
}

// The decision an approval act names after "відповідно до": the grounds' own word once, the
// body that made it after "рішення", an order by its own word alone.
TEST(ActWording, TheDecisionIsNamedByItsOwnWordOnce)
{
    const QString adm = QStringLiteral("Києво-Святошинської райдержадміністрації");
    const struct {
        const char *pz;
        QString phrase; // DecisionLead, BodyWord, a blank and the issuer, as the template joins them
    } cases[] = {
        {"РВ,12,01.02.2003", QStringLiteral("рішення виконкому ") + Council},
        {"РС,15.03.2005,15 сесії 5 скликання", QStringLiteral("рішення 15 сесії 5 скликання ") + Council},
        {"РС,15.03.2005", QStringLiteral("рішення ") + Council}, // the session not given: said as a problem
        {"РА,3,02.02.2007", QStringLiteral("розпорядження ") + adm},
        {"РГ,4,03.03.2008", QStringLiteral("розпорядження ") + adm},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pz);
        const ActWording w = ComputeActWording(QString::fromUtf8(c.pz), Territory(), SignsCouncilHead, KeptAtLandOffice);
        EXPECT_EQ(w.DecisionLead + w.BodyWord + QLatin1Char(' ') + w.Issuer, c.phrase);
    }
}

TEST(PurposeForAct, APurposeWithoutForGetsItAndEndsWithOneFullStop)
{
    const struct {
        const char *purpose, *act;
    } cases[] = {
        {"будівництва та обслуговування жилого будинку", "для будівництва та обслуговування жилого будинку."},
        {"будівництва та обслуговування жилого будинку - 0.2500 га. і ведення особистого селянського господарства - "
         "0.0100 га.",
         "для будівництва та обслуговування жилого будинку - 0.2500 га. і ведення особистого селянського господарства - "
         "0.0100 га."},
        {"для ведення особистого селянського господарства", "для ведення особистого селянського господарства."},
        {"Для городництва", "Для городництва."},
        {"  ведення садівництва ", "для ведення садівництва."},
        {"для будівництва житлового будинку (присадибна ділянка)", "для будівництва житлового будинку (присадибна ділянка)."},
        {"длясадівництва", "для длясадівництва."}, // "для" only as a word of its own
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PurposeForAct(QString::fromUtf8(c.purpose)), QString::fromUtf8(c.act)) << c.purpose;
}

// The acts read back by python-docx with the values in place: every name stands in the
// nominative after its label, the decision is named once, the purpose reads "для …".
// An act whose purpose is left empty (none chosen in the window) is made and named for it; the new
// act of a row-22 parcel takes the row's own text and needs no choice.
TEST_F(Acts, AnActWithoutAPurposeIsNamed)
{
    reference::state().PurposeName.clear();
    for (const uint8_t kind : {KindApprovalAct, KindApprovalActShares, KindNewStateAct}) {
        SCOPED_TRACE(int(kind));
        model::state().Parcels[1].KZ = kind == KindNewStateAct ? QStringLiteral("5") : QStringLiteral("22");
        office::Document &doc = fill(kind);
        EXPECT_EQ(text(doc, kind == KindNewStateAct ? "cilove" : "Cilove"), QString());
        EXPECT_EQ(outcome.Problems, QStringList{QStringLiteral("Цільове призначення ділянки не вибрано: в акті воно порожнє")});
        doc.Close();
    }
    model::state().Parcels[1].KZ = QStringLiteral("22");
    fill(KindNewStateAct);
    EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Acts, TheActsReadRightWithTheValuesInPlace)
{
    exec(QStringLiteral("INSERT INTO pz (code, desk) VALUES ('РК', 'земельної комісії')"));
    model::Parcel &p = model::state().Parcels[1];
    p.NM = QStringLiteral("Солов'яненко Валентин Ігорович");
    const QString owner = p.NM;
    const struct {
        uint8_t kind;
        const char *pz;
        QStringList lines; // paragraphs, or the start of one
    } cases[] = {
        {KindNewStateAct, "РВ,47,22.11.2006",
         {QStringLiteral("Цей державний акт посвідчує право власності на земельну ділянку, надану відповідно до рішення ")
              + Council + QStringLiteral(" ради від 22.11.2006р. № 47 (виконкому)."),
          QStringLiteral("Власник: ") + owner, QStringLiteral("Адреса власника: с. Софіївська Борщагівка, вул. Садова, 9"),
          QStringLiteral("Площа земельної ділянки: ") + zova::Format2(400) + QStringLiteral(" кв.м."),
          QStringLiteral("Цільове призначення (використання) земельної ділянки: для ") + reference::state().KZ22Text
              + QLatin1Char('.')}},
        // An order names itself once, and a body that has no word of its own leaves no brackets.
        {KindNewStateAct, "РА,3,02.02.2007",
         {QStringLiteral("Цей державний акт посвідчує право власності на земельну ділянку, надану відповідно до "
                         "розпорядження Києво-Святошинської райдержадміністрації від 02.02.2007р. № 3.")}},
        {KindNewStateAct, "РК,5,01.01.2001",
         {QStringLiteral("Цей державний акт посвідчує право власності на земельну ділянку, надану відповідно до "
                         "рішення земельної комісії від 01.01.2001р. № 5.")}},
        {KindApprovalAct, "РА,3,02.02.2007",
         {QStringLiteral("Власник: ") + owner, QStringLiteral("Адреса власника: с. Софіївська Борщагівка, вул. Садова, 9"),
          QStringLiteral("Цей акт посвідчує, що відповідно до розпорядження Києво-Святошинської райдержадміністрації від "
                         "02.02.2007р. № 3 власнику передано у приватну власність земельну ділянку площею ")}},
        {KindApprovalActShares, "РВ,47,22.11.2006",
         {QStringLiteral("Власник: ") + owner,
          QStringLiteral("Цей акт посвідчує, що відповідно до рішення виконкому ") + Council
              + QStringLiteral(" ради від 22.11.2006р. № 47 власнику передано у приватну власність земельну ділянку в рахунок")}},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pz);
        p.PZ = QString::fromUtf8(c.pz);
        office::Document &doc = fill(c.kind);
        EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
        const QString path = doc.SaveAs(QDir(testsupport::tempDir()).filePath(QStringLiteral("act-%1.docx").arg(++n)));
        const QStringList paragraphs =
            builderstesting::readWithPythonDocx(path)[QStringLiteral("paragraphs")].toVariant().toStringList();
        for (const QString &line : c.lines)
            EXPECT_TRUE(std::any_of(paragraphs.begin(), paragraphs.end(), [&](const QString &t) { return t.startsWith(line); }))
                << line.toStdString() << "\n in \n" << paragraphs.join(QLatin1Char('\n')).toStdString();
        const QString all = paragraphs.join(QLatin1Char('\n'));
        for (const char *wrong : {"Видано", "власнику Солов", "рішення розпорядження", "мешкає", "..", "()",
                                  "рішення Києво-Святошинської райдержадміністрації", "(розпорядження)"})
            EXPECT_FALSE(all.contains(QString::fromUtf8(wrong))) << wrong;
    }
}

// The acts of a city of regional importance, whose territory an opened file's code and the
// territory dialog's "м Біла Церква" give: the city's administration in the genitive and the
// dative, its council and its land office for every grounds, signer and storage, and the
// co-owners' list signed as the front; read back from the saved documents.
TEST_F(Acts, ACityOfRegionalImportanceReadsRightInEveryAct)
{
    QString code = QStringLiteral("3210300000");
    reference::ResolveKoatuu(code);
    reference::state().DistrictName = QStringLiteral("м Біла Церква");
    reference::state().GolAdm = AdmHead; // the city's head, as its officials' pop-up gives it
    ASSERT_EQ(reference::state().CentreName, QStringLiteral("Білоцерківська міська"));
    model::Parcel &p = model::state().Parcels[1];
    p.NM = QStringLiteral("Бойко Іван Петрович|Бойко Марія Іванівна");
    const QString adm = QStringLiteral("Білоцерківської міськдержадміністрації");
    const QString council = QStringLiteral("Білоцерківської міської ради");
    const QString kept[] = {QString(), QStringLiteral("Білоцерківському міськвідділі зем.ресурсів"),
                            QStringLiteral("Білоцерківській міській раді"), QStringLiteral("Білоцерківській міськдержадміністрації")};
    const struct {
        const char *pz, *decision;
        bool order;
    } grounds[] = {{"РА,3,02.02.2007", " від 02.02.2007р. № 3", true},
                   {"РГ,4,03.03.2008", " від 03.03.2008р. № 4", true},
                   {"РВ,12,01.02.2003", " від 01.02.2003р. № 12", false}};
    int n = 0;
    for (const uint8_t kind : {KindNewStateAct, KindApprovalAct})
        for (const auto &g : grounds)
            for (const uint8_t who : {SignsCouncilHead, SignsAdministrationHead})
                for (const uint8_t storage : {KeptAtLandOffice, KeptAtCouncil, KeptAtAdministration}) {
                    SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " " << g.pz << " who " << int(who)
                                                    << " storage " << int(storage));
                    p.PZ = QString::fromUtf8(g.pz);
                    plan.WhoChoice = who;
                    plan.StorageChoice = storage;
                    office::Document &doc = fill(kind);
                    EXPECT_TRUE(outcome.Problems.isEmpty()) << outcome.Problems.join(QLatin1Char('\n')).toStdString();
                    const bool newAct = kind == KindNewStateAct;
                    const bool admSigns = g.order || who == SignsAdministrationHead;
                    const QString decision = QString::fromUtf8(g.decision);
                    const QString granted = g.order ? QStringLiteral("розпорядження ") + adm + decision
                                            : newAct ? QStringLiteral("рішення ") + council + decision + QStringLiteral(" (виконкому)")
                                                     : QStringLiteral("рішення виконкому ") + council + decision;
                    QStringList starts = {
                        (newAct ? QStringLiteral("Цей державний акт посвідчує право власності на земельну ділянку, надану "
                                                 "відповідно до ") + granted + QLatin1Char('.')
                                : QStringLiteral("Цей акт посвідчує, що відповідно до ") + granted
                                      + QStringLiteral(" власнику передано у приватну власність")),
                        QStringLiteral("Акт складено у двох примірниках, з яких перший видано власнику, другий зберігається в ")
                            + kept[storage] + QLatin1Char('.')};
                    if (newAct)
                        starts << QStringLiteral("Акт зареєстровано в Книзі записів реєстрації державних актів на право "
                                                 "власності на земельну ділянку Білоцерківського міського відділу земельних "
                                                 "ресурсів за №");
                    else
                        starts << QStringLiteral("Земельна ділянка розташована на території Білоцерківської міської ради, ")
                                      + p.AD + QLatin1Char('.');
                    const QString path = doc.SaveAs(QDir(testsupport::tempDir()).filePath(QStringLiteral("city-%1.docx").arg(++n)));
                    // python-docx reads the acts kept by the administration; the package the others.
                    const QStringList paragraphs =
                        storage == KeptAtAdministration
                            ? builderstesting::readWithPythonDocx(path)[QStringLiteral("paragraphs")].toVariant().toStringList()
                            : doc.Text().split(QLatin1Char('\r'));
                    const QString all = paragraphs.join(QLatin1Char('\n'));
                    for (const QString &line : starts)
                        EXPECT_TRUE(std::any_of(paragraphs.begin(), paragraphs.end(),
                                                [&](const QString &t) { return t.startsWith(line); }))
                            << line.toStdString() << "\n in \n" << all.toStdString();
                    // The front's signatures, and on the new act the co-owners' list's: one body,
                    // one head, one land office.
                    const int signatures = newAct ? 2 : 1;
                    EXPECT_EQ(paragraphs.count(QStringLiteral("Голова ") + (admSigns ? adm : council)), signatures) << all.toStdString();
                    EXPECT_EQ(paragraphs.count(QStringLiteral("________________\t") + (admSigns ? AdmHead : Head)), signatures);
                    EXPECT_EQ(paragraphs.count(newAct ? QStringLiteral("Начальник Білоцерківського міського відділу земельних ресурсів")
                                                      : QStringLiteral("Начальник міського відділу земельних ресурсів")),
                              signatures);
                    for (const char *wrong : {"Білоцерківська", "міської міськ", "району", "районн", "райдерж", "райвідділ",
                                              "відділу зем.ресурсів", "Голова Білоцерківської міськдержадміністрації ради"})
                        EXPECT_FALSE(all.contains(QString::fromUtf8(wrong))) << wrong << "\n in \n" << all.toStdString();
                    doc.Close();
                }
}
