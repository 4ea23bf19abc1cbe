// Approving bodies and their persons: each pair is stored whole or not at all.

#include "referencetesting.h"

#include "common/error.h"
#include "reference/approvalbodies.h"
#include "reference/lookups.h"

using namespace reference;
using referencetesting::BaseTest;

namespace {

class ApprovalBodies : public BaseTest {
protected:
    static int count(const QString &table)
    {
        RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT COUNT(*) AS n FROM ") + table);
        rs.MoveFirst();
        return rs.Value(QStringLiteral("n")).toInt();
    }
    static QString organName(int32_t id)
    {
        RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT OrganName FROM pog_name WHERE id = ?"), {id});
        return rs.IsEmpty() ? QStringLiteral("<none>") : (rs.MoveFirst(), rs.Field(QStringLiteral("OrganName")));
    }
};

} // namespace

TEST_F(ApprovalBodies, AddingStoresTheBodyAndItsPersonUnderTheIdTheBodyGot)
{
    // An id beyond 16 bits, and a body added after it: the person goes with the new body.
    exec(QStringLiteral("INSERT INTO pog_name (id, OrganName) VALUES (40000, 'Обласне управління водних ресурсів')"));
    exec(QStringLiteral("INSERT INTO pog_pib (id, pib) VALUES (40000, 'Лисенко П.П.')"));
    const int32_t id = AddApprovalBody(QStringLiteral("Служба автомобільних доріг в області"), QStringLiteral("О'Коннор Д.Й."));
    EXPECT_EQ(id, 40001);
    EXPECT_EQ(ApprovalPerson(id), QStringLiteral("О'Коннор Д.Й."));
    EXPECT_EQ(ApprovalPerson(40000), QStringLiteral("Лисенко П.П."));
    const std::vector<ListItem> bodies = FillOrgans();
    ASSERT_FALSE(bodies.empty());
    EXPECT_EQ(bodies.back(), (ListItem{QStringLiteral("Служба автомобільних доріг в області"), id}));
    EXPECT_FALSE(BaseRs().IsOpen());
}

TEST_F(ApprovalBodies, AFailedWriteOfEitherRowStoresNothing)
{
    const int bodies = count(QStringLiteral("pog_name")), persons = count(QStringLiteral("pog_pib"));
    const QString person = ApprovalPerson(2), body = organName(2);

    exec(QStringLiteral("CREATE TRIGGER refuse_person BEFORE INSERT ON pog_pib BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    EXPECT_THROW(AddApprovalBody(QStringLiteral("Служба автомобільних доріг в області"), QStringLiteral("Лисенко П.П.")),
                 zova::Error);
    EXPECT_EQ(count(QStringLiteral("pog_name")), bodies);
    EXPECT_EQ(count(QStringLiteral("pog_pib")), persons);

    exec(QStringLiteral("CREATE TRIGGER refuse_body BEFORE UPDATE ON pog_name BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    EXPECT_THROW(EditApprovalBody(2, QStringLiteral("Районна санітарна служба"), QStringLiteral("Лисенко П.П.")), zova::Error);
    EXPECT_EQ(ApprovalPerson(2), person);
    EXPECT_EQ(organName(2), body);
    EXPECT_FALSE(BaseRs().IsOpen());

    // The connection goes on working after a refused transaction.
    exec(QStringLiteral("DROP TRIGGER refuse_person"));
    EXPECT_GT(AddApprovalBody(QStringLiteral("Служба автомобільних доріг в області"), QStringLiteral("Лисенко П.П.")), 4);
}

TEST_F(ApprovalBodies, EditingWritesBothAndGivesABodyWithoutAPersonOne)
{
    EditApprovalBody(3, QStringLiteral("Державна екологічна інспекція в області"), QStringLiteral("Ткаченко Л.Д."));
    EXPECT_EQ(organName(3), QStringLiteral("Державна екологічна інспекція в області"));
    EXPECT_EQ(ApprovalPerson(3), QStringLiteral("Ткаченко Л.Д."));

    exec(QStringLiteral("DELETE FROM pog_pib WHERE id = 4"));
    EXPECT_EQ(ApprovalPerson(4), QString());
    EditApprovalBody(4, QStringLiteral("Відділ культури і туризму"), QStringLiteral("Мороз О.В."));
    EXPECT_EQ(ApprovalPerson(4), QStringLiteral("Мороз О.В."));

    // A body that is not there: nothing is written, not even its person.
    EXPECT_THROW(EditApprovalBody(99, QStringLiteral("Неіснуючий орган влади"), QStringLiteral("Мороз О.В.")), zova::Error);
    EXPECT_EQ(ApprovalPerson(99), QString());
    EXPECT_EQ(count(QStringLiteral("pog_pib WHERE id = 99")), 0);
}
