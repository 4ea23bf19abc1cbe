// The approval-body dialogs: their write buttons, what they store, and a write that fails.

#include "referencetesting.h"

#include "reference/approvalbodies.h"
#include "reference/forms/fillers.h"
#include "reference/forms/frmAdd.h"
#include "reference/forms/frmEdit.h"
#include "reference/lookups.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace reference;
using referencetesting::BaseTest;

namespace {

template <class T> T *control(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

/// Sets the two texts as typing would (each change runs the enabling rule).
void type(QWidget &w, const QString &body, const QString &person)
{
    control<QLineEdit>(w, "txtRes")->setText(body);
    control<QLineEdit>(w, "txtPib")->setText(person);
}

const QString kTen = QStringLiteral("Облводресу");        // 10 characters
const QString kEleven = QStringLiteral("Облводресур");    // 11
const QString kFour = QStringLiteral("Іван"), kFive = QStringLiteral("Іван ");

using ApprovalDialogs = BaseTest;

} // namespace

TEST_F(ApprovalDialogs, AddIsEnabledByTheLengthsOfBothTextsAndStoresThePair)
{
    frmAdd w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Додати (погодження)"));
    QPushButton *add = control<QPushButton>(w, "Command1");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(w, "txtRes")->text().isEmpty());
    const struct {
        QString body, person;
        bool enabled;
    } cases[] = {{kTen, kFive, false}, {kEleven, kFour, false}, {kEleven, kFive, true}, {kTen + QLatin1Char(' '), kFive, true}};
    for (const auto &c : cases) {
        type(w, c.body, c.person);
        EXPECT_EQ(add->isEnabled(), c.enabled) << c.body.size() << "/" << c.person.size();
    }

    type(w, QStringLiteral("Служба автомобільних доріг"), QStringLiteral("Лисенко П.П."));
    add->click();
    const std::vector<ListItem> bodies = FillOrgans();
    EXPECT_EQ(bodies.back().text, QStringLiteral("Служба автомобільних доріг"));
    EXPECT_EQ(ApprovalPerson(bodies.back().data), QStringLiteral("Лисенко П.П."));
    EXPECT_TRUE(control<QLineEdit>(w, "txtRes")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(w, "txtPib")->text().isEmpty());
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(w.isVisible()); // open for the next one
}

TEST_F(ApprovalDialogs, AcceptIsEnabledOnlyWhileABodyIsChosen)
{
    exec(QStringLiteral("UPDATE pog_name SET OrganName = 'Екоінспекц' WHERE id = 3")); // 10 characters
    frmEdit w;
    FillOrgans(w.cEdit());
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Редагувати"));
    QPushButton *accept = control<QPushButton>(w, "Command1");
    EXPECT_FALSE(accept->isEnabled());

    // Texts long enough, typed with no body chosen: nothing to write them to.
    type(w, QStringLiteral("Служба автомобільних доріг"), QStringLiteral("Лисенко П.П."));
    EXPECT_FALSE(accept->isEnabled());

    // Choosing a body shows it and its person and enables "Прийняти", short name or not; the next
    // change applies the rule again.
    w.cEdit()->setCurrentIndex(w.cEdit()->findData(3));
    emit w.cEdit()->activated(w.cEdit()->currentIndex());
    EXPECT_EQ(control<QLineEdit>(w, "txtRes")->text(), QStringLiteral("Екоінспекц"));
    EXPECT_EQ(control<QLineEdit>(w, "txtPib")->text(), ApprovalPerson(3));
    EXPECT_TRUE(accept->isEnabled());
    type(w, QStringLiteral("Екоінспекц"), QStringLiteral("Ткаченко Л.Д."));
    EXPECT_FALSE(accept->isEnabled());
    type(w, QStringLiteral("Державна екоінспекція"), QStringLiteral("Ткаченко Л.Д."));
    EXPECT_TRUE(accept->isEnabled());

    accept->click();
    EXPECT_EQ(ApprovalPerson(3), QStringLiteral("Ткаченко Л.Д."));
    EXPECT_EQ(w.cEdit()->itemText(w.cEdit()->findData(3)), QStringLiteral("Державна екоінспекція"));
    EXPECT_EQ(w.cEdit()->currentIndex(), -1);
    EXPECT_TRUE(control<QLineEdit>(w, "txtRes")->text().isEmpty());
    EXPECT_FALSE(accept->isEnabled());
    type(w, QStringLiteral("Служба автомобільних доріг"), QStringLiteral("Лисенко П.П."));
    EXPECT_FALSE(accept->isEnabled());
}

TEST_F(ApprovalDialogs, AWriteTheDatabaseRefusesIsReportedAndTheTextsStay)
{
    exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON pog_pib BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    const size_t before = FillOrgans().size();
    frmAdd w;
    w.show();
    type(w, QStringLiteral("Служба автомобільних доріг"), QStringLiteral("Лисенко П.П."));
    control<QPushButton>(w, "Command1")->click();
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().first().startsWith(QStringLiteral("Зміни не записано в базу даних.")))
        << prompts->messages().first().toStdString();
    EXPECT_EQ(control<QLineEdit>(w, "txtRes")->text(), QStringLiteral("Служба автомобільних доріг"));
    EXPECT_TRUE(control<QPushButton>(w, "Command1")->isEnabled());
    EXPECT_EQ(FillOrgans().size(), before);
}
