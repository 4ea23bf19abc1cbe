// The officials, council-list, title-block and purpose dialogs on a copy of the built database.

#include "referencetesting.h"

#include "reference/forms/frmAddC.h"
#include "reference/forms/frmAddR.h"
#include "reference/forms/frmEditC.h"
#include "reference/forms/frmEditR.h"
#include "reference/forms/frmNames.h"
#include "reference/forms/frmNamesR.h"
#include "reference/forms/frmShtamp.h"
#include "reference/staff.h"
#include "reference/titleblock.h"
#include "tests/support/widgettesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

using namespace reference;
using referencetesting::BaseTest;

namespace {

constexpr int32_t kDistrict = 32224000; // Києво-Святошинський район
constexpr int32_t kCouncil = 32224862;  // Софіївсько-Борщагівська сільська

template <typename T = QWidget>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QString column(const QString &sql, const QVariantList &values = {})
{
    RecordSet rs = BaseConn().Execute(sql, values);
    if (rs.IsEmpty())
        return QStringLiteral("<no row>");
    rs.MoveFirst();
    return rs.Field(rs.Columns().at(0));
}

// What a line edit shows: its text, or the prompt standing in it while it is empty.
QString shownText(const QLineEdit *edit)
{
    return edit->text().isEmpty() ? edit->placeholderText() : edit->text();
}

QString golova(int32_t id)
{
    return column(QStringLiteral("SELECT a_golova FROM a_rada WHERE a_rada_id = ?"), {id});
}

// ---- council head ----

TEST_F(BaseTest, CouncilHeadPromptBlinksThenShowsTheStoredHead)
{
    exec(QStringLiteral("UPDATE a_rada SET a_golova = 'Іваненко І.І.' WHERE a_rada_id = ?"), {kCouncil});
    frmNames dlg(kCouncil);
    dlg.show();
    auto *txt = child<QLineEdit>(&dlg, "txtName");
    EXPECT_EQ(shownText(txt), frmNames::Prompt());
    EXPECT_EQ(frmNames::Prompt(), QStringLiteral("ТУТ ТРЕБА ВВЕСТИ ГОЛОВУ !"));
    widgettesting::keepPicture(&dlg, QStringLiteral("frmNames-prompt"));
    EXPECT_TRUE(child<QTimer>(&dlg, "Timer1")->isActive());
    EXPECT_EQ(child<QTimer>(&dlg, "Timer1")->interval(), 250);
    EXPECT_TRUE(dlg.windowFlags().testFlag(Qt::FramelessWindowHint));

    // Hidden and shown three times, then the stored head; the timer stops.
    std::vector<bool> hidden;
    for (int tick = 1; tick <= 6; ++tick) {
        dlg.Timer1_Timer();
        hidden.push_back(txt->isHidden());
        EXPECT_EQ(shownText(txt), frmNames::Prompt());
    }
    EXPECT_EQ(hidden, (std::vector<bool>{true, false, true, false, true, false}));
    dlg.Timer1_Timer();
    EXPECT_FALSE(txt->isHidden());
    EXPECT_EQ(shownText(txt), QStringLiteral("Іваненко І.І."));
    widgettesting::keepPicture(&dlg, QStringLiteral("frmNames"));
    EXPECT_FALSE(child<QTimer>(&dlg, "Timer1")->isActive());

    // An empty head gives an empty box.
    exec(QStringLiteral("UPDATE a_rada SET a_golova = NULL WHERE a_rada_id = ?"), {kCouncil});
    frmNames empty(kCouncil);
    for (int tick = 1; tick <= 7; ++tick)
        empty.Timer1_Timer();
    EXPECT_EQ(shownText(child<QLineEdit>(&empty, "txtName")), QString());
}

// The prompt is never stored, and the stored head never overwrites what the operator typed.
TEST_F(BaseTest, CouncilHeadKeepsWhatIsTypedAndNeverStoresThePrompt)
{
    struct Case {
        const char *label;
        std::function<void(QLineEdit *)> type; ///< what the operator does before the seventh tick
        int ticks;
        QString stored;
    };
    const std::vector<Case> cases = {
        {"accepted at once", [](QLineEdit *) {}, 0, QStringLiteral("Петренко")},
        {"accepted while hidden", [](QLineEdit *) {}, 3, QStringLiteral("Петренко")},
        {"typed over the prompt", [](QLineEdit *t) { widgettesting::typeText(t, QStringLiteral("О'Коннор")); }, 7,
         QStringLiteral("О'Коннор")},
        {"typed after the prompt", [](QLineEdit *t) {
             t->deselect();
             t->end(false);
             widgettesting::typeText(t, QStringLiteral("Мар'яна"));
         },
         7, QStringLiteral("Мар'яна")},
        {"typed and erased", [](QLineEdit *t) {
             widgettesting::typeText(t, QStringLiteral("Пе"));
             QTest::keyClick(t, Qt::Key_Backspace);
             QTest::keyClick(t, Qt::Key_Backspace);
         },
         7, QString()},
        // Nothing of the prompt goes into the name, wherever the operator clicks or erases in it.
        {"clicked into the prompt", [](QLineEdit *t) {
             QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(t->width() / 3, t->height() / 2));
             widgettesting::typeText(t, QStringLiteral("Петро"));
         },
         2, QStringLiteral("Петро")},
        {"erased at the end of the prompt", [](QLineEdit *t) {
             QTest::keyClick(t, Qt::Key_End);
             QTest::keyClick(t, Qt::Key_Backspace);
             widgettesting::typeText(t, QStringLiteral("Петро"));
         },
         7, QStringLiteral("Петро")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        exec(QStringLiteral("UPDATE a_rada SET a_golova = 'Петренко' WHERE a_rada_id = ?"), {kCouncil});
        frmNames dlg(kCouncil);
        dlg.show();
        auto *txt = child<QLineEdit>(&dlg, "txtName");
        c.type(txt);
        for (int tick = 0; tick < c.ticks; ++tick)
            dlg.Timer1_Timer();
        child<QToolButton>(&dlg, "bOk")->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(golova(kCouncil), c.stored);
        EXPECT_EQ(dlg.head(), c.stored);
        EXPECT_NE(golova(kCouncil), frmNames::Prompt());
    }
    // Cancel stores nothing, whatever was typed.
    const QString before = golova(kCouncil);
    frmNames dlg(kCouncil);
    widgettesting::typeText(child<QLineEdit>(&dlg, "txtName"), QStringLiteral("Хтось"));
    child<QToolButton>(&dlg, "bNo")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(golova(kCouncil), before);
    EXPECT_TRUE(prompts->calls.empty());
}

// Keys typed while the blinking box is hidden reach it, and typing ends the blinking, so no key
// of a name typed at once is lost.
TEST_F(BaseTest, CouncilHeadKeepsEveryKeyTypedWhileThePromptBlinks)
{
    exec(QStringLiteral("UPDATE a_rada SET a_golova = 'Петренко' WHERE a_rada_id = ?"), {kCouncil});
    frmNames dlg(kCouncil);
    dlg.show();
    auto *txt = child<QLineEdit>(&dlg, "txtName");
    dlg.Timer1_Timer();
    ASSERT_TRUE(txt->isHidden());
    widgettesting::typeText(&dlg, QStringLiteral("Пе")); // no box to take them: the dialog has them
    EXPECT_FALSE(txt->isHidden());
    dlg.Timer1_Timer();
    EXPECT_FALSE(txt->isHidden());
    widgettesting::typeText(txt, QStringLiteral("тро"));
    for (int tick = 0; tick < 6; ++tick)
        dlg.Timer1_Timer();
    EXPECT_FALSE(txt->isHidden());
    EXPECT_EQ(txt->text(), QStringLiteral("Петро"));
    child<QToolButton>(&dlg, "bOk")->click();
    EXPECT_EQ(golova(kCouncil), QStringLiteral("Петро"));
}

// ---- district officials ----

TEST_F(BaseTest, DistrictOfficialsListTheCouncilHeadOnlyForACityOrADistrictWithoutCouncils)
{
    exec(QStringLiteral("UPDATE a_rada SET a_zem = 'Зем', a_arhit = NULL, a_goladm = 'Адм', a_golova = 'Голова' "
                        "WHERE a_rada_id IN (32224000, 32109000, 80389000)"));
    struct Case {
        const char *label;
        int32_t id;
        QString text;
        bool councilsEnabled;
        int rows;
    };
    const std::vector<Case> cases = {
        {"district with councils", kDistrict, QStringLiteral("Києво-Святошинський район"), true, 3},
        {"city with councils", 32109000, QStringLiteral("м Ірпінь"), true, 4},
        {"district without councils", 80389000, QStringLiteral("Солом'янський район"), false, 4},
        {"a capital М is not the city mark", 32109000, QStringLiteral("М Ірпінь"), true, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        frmNamesR dlg(c.id, c.text, c.councilsEnabled);
        auto *lst = child<QTreeWidget>(&dlg, "lstPibs");
        ASSERT_EQ(lst->topLevelItemCount(), c.rows);
        QStringList names, roles, keys;
        for (int i = 0; i < c.rows; ++i) {
            names << lst->topLevelItem(i)->text(0);
            roles << lst->topLevelItem(i)->text(1);
            keys << lst->topLevelItem(i)->data(0, Qt::UserRole).toString();
            EXPECT_TRUE(lst->topLevelItem(i)->flags().testFlag(Qt::ItemIsEditable));
        }
        QStringList wantNames{QStringLiteral("Зем"), QString(), QStringLiteral("Адм")};
        QStringList wantRoles{QStringLiteral(" - Райзем"), QStringLiteral(" - Архітектор"), QStringLiteral(" - Голова Адм.")};
        QStringList wantKeys{QStringLiteral("1p"), QStringLiteral("2p"), QStringLiteral("3p")};
        if (c.rows == 4) {
            wantNames << QStringLiteral("Голова");
            wantRoles << QStringLiteral(" - Голова ради.");
            wantKeys << QStringLiteral("4p");
        }
        EXPECT_EQ(names, wantNames);
        EXPECT_EQ(roles, wantRoles);
        EXPECT_EQ(keys, wantKeys);

        // OK writes the rows by position; the council head only when listed.
        dlg.show();
        widgettesting::keepPicture(&dlg, QStringLiteral("frmNamesR-%1").arg(c.rows));
        for (int i = 0; i < c.rows; ++i)
            lst->topLevelItem(i)->setText(0, QStringLiteral("Нове ім'я %1").arg(i + 1));
        child<QToolButton>(&dlg, "bOk")->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        const QString sql = QStringLiteral("SELECT a_zem || '|' || a_arhit || '|' || a_goladm || '|' || a_golova FROM "
                                           "a_rada WHERE a_rada_id = ?");
        const QString head = c.rows == 4 ? QStringLiteral("Нове ім'я 4") : QStringLiteral("Голова");
        EXPECT_EQ(column(sql, {c.id}), QStringLiteral("Нове ім'я 1|Нове ім'я 2|Нове ім'я 3|") + head);
        EXPECT_EQ(dlg.officials().zem, QStringLiteral("Нове ім'я 1"));
        EXPECT_EQ(dlg.officials().golova.has_value(), c.rows == 4);
        exec(QStringLiteral("UPDATE a_rada SET a_zem = 'Зем', a_arhit = NULL, a_goladm = 'Адм', a_golova = 'Голова' "
                            "WHERE a_rada_id = ?"),
             {c.id});
    }
    // Cancel writes nothing.
    frmNamesR dlg(kDistrict, QStringLiteral("Києво-Святошинський район"), true);
    child<QTreeWidget>(&dlg, "lstPibs")->topLevelItem(0)->setText(0, QStringLiteral("Інший"));
    child<QToolButton>(&dlg, "bNo")->click();
    EXPECT_EQ(column(QStringLiteral("SELECT a_zem FROM a_rada WHERE a_rada_id = ?"), {kDistrict}), QStringLiteral("Зем"));

    // A name still in its editor (opened by a double click) when OK is clicked is the name stored.
    frmNamesR editing(kDistrict, QStringLiteral("Києво-Святошинський район"), true);
    editing.show();
    auto *lst = child<QTreeWidget>(&editing, "lstPibs");
    const QPoint second = lst->visualItemRect(lst->topLevelItem(1)).center();
    QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(lst->viewport(), Qt::LeftButton, {}, second);
    auto *editor = lst->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    widgettesting::typeText(editor, QStringLiteral("Мар'яненко О.І."));
    child<QToolButton>(&editing, "bOk")->click();
    EXPECT_EQ(column(QStringLiteral("SELECT a_arhit FROM a_rada WHERE a_rada_id = ?"), {kDistrict}),
              QStringLiteral("Мар'яненко О.І."));
}

// ---- council list ----

QString radaRows()
{
    RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT Rada_id, Region_id, RadaName FROM Rada ORDER BY Rada_id"));
    QStringList rows;
    if (!rs.IsEmpty())
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            rows << rs.Field(QStringLiteral("Rada_id")) + QLatin1Char('/') + rs.Field(QStringLiteral("Region_id"))
                        + QLatin1Char('/') + rs.Field(QStringLiteral("RadaName"));
    return rows.join(QLatin1Char(';'));
}

TEST_F(BaseTest, CouncilListNumbersNewRowsAfterTheHighestNumber)
{
    exec(QStringLiteral("DELETE FROM Rada"));
    frmAddR dlg(kDistrict);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Додати раду"));
    EXPECT_EQ(child<QLabel>(&dlg, "Label1")->text(), QStringLiteral("Введіть текст для додавання"));
    auto *txt = child<QLineEdit>(&dlg, "txtRes");
    auto *add = child<QPushButton>(&dlg, "Command1");
    EXPECT_EQ(add->text(), QStringLiteral("Додати"));

    // An empty list starts at 1; the dialog stays open, emptied, for the next one.
    txt->setText(QStringLiteral("Мар'янівська сільська"));
    add->click();
    EXPECT_EQ(radaRows(), QStringLiteral("1/32224000/Мар'янівська сільська"));
    EXPECT_EQ(txt->text(), QString());
    EXPECT_FALSE(add->isEnabled());

    exec(QStringLiteral("DELETE FROM Rada"));
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (1, 5, 'a'), (7, 5, 'c'), (2, 5, 'b')"));
    txt->setText(QStringLiteral("Нова сільська"));
    add->click();
    txt->setText(QStringLiteral("Ще одна сільська"));
    add->click();
    EXPECT_EQ(radaRows(), QStringLiteral("1/5/a;2/5/b;7/5/c;8/32224000/Нова сільська;9/32224000/Ще одна сільська"));
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(BaseTest, CouncilListRenameChangesOnlyTheNameOfTheCouncilsRow)
{
    exec(QStringLiteral("DELETE FROM Rada"));
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (?, ?, 'стара'), (3, 4, 'інша')"),
         {kCouncil, kDistrict});
    frmEditR dlg(kCouncil);
    dlg.setText(QStringLiteral("Софіївсько-Борщагівська сільська"));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Редагувати раду"));
    auto *txt = child<QLineEdit>(&dlg, "txtRes");
    auto *write = child<QPushButton>(&dlg, "Command1");
    EXPECT_EQ(write->text(), QStringLiteral("Прийняти"));
    EXPECT_TRUE(write->isEnabled());
    txt->setText(QStringLiteral("Мар'янівська сільська"));
    write->click();
    EXPECT_EQ(radaRows(), QStringLiteral("3/4/інша;32224862/32224000/Мар'янівська сільська"));
    EXPECT_EQ(txt->text(), QString());
    EXPECT_FALSE(write->isEnabled());

    // No row of that number: said, nothing written, the text kept.
    frmEditR missing(32224806);
    missing.setText(QStringLiteral("Бобрицька сільська"));
    child<QPushButton>(&missing, "Command1")->click();
    EXPECT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().at(0).contains(QStringLiteral("немає ради з номером 32224806")));
    EXPECT_EQ(child<QLineEdit>(&missing, "txtRes")->text(), QStringLiteral("Бобрицька сільська"));
    EXPECT_EQ(radaRows(), QStringLiteral("3/4/інша;32224862/32224000/Мар'янівська сільська"));
}

// The text dialogs enable their write button from six characters, counted as typed.
TEST_F(BaseTest, TextDialogsEnableWritingFromSixCharacters)
{
    frmAddR addR(kDistrict);
    frmEditR editR(kCouncil);
    frmAddC addC;
    frmEditC editC;
    for (TextWriteDialog *dlg : std::initializer_list<TextWriteDialog *>{&addR, &editR, &addC, &editC}) {
        SCOPED_TRACE(dlg->objectName().toStdString());
        auto *txt = child<QLineEdit>(dlg, "txtRes");
        auto *write = child<QPushButton>(dlg, "Command1");
        EXPECT_EQ(child<QPushButton>(dlg, "Command2")->text(), QStringLiteral("Відміна"));
        txt->setText(QStringLiteral("Мар'янівська сільська"));
        dlg->show();
        widgettesting::keepPicture(dlg, dlg->objectName());
        const std::pair<const char *, bool> steps[] = {
            {"", false}, {"12345", false}, {"123456", true}, {"     ", false}, {"  ab  ", true}, {"Ґанок", false}, {"Ґанок!", true},
        };
        for (const auto &[text, enabled] : steps) {
            txt->setText(QString::fromUtf8(text));
            EXPECT_EQ(write->isEnabled(), enabled) << text;
        }
        // Typing back to five characters disables it again.
        txt->setText(QStringLiteral("абвгде"));
        QTest::keyClick(txt, Qt::Key_Backspace);
        EXPECT_FALSE(write->isEnabled());
        child<QPushButton>(dlg, "Command2")->click();
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
    }
}

// ---- purposes ----

QString purposeName(int id)
{
    return column(QStringLiteral("SELECT CName FROM cilove WHERE Id = ?"), {id});
}

TEST_F(BaseTest, PurposesAreAddedAndTheChosenOneRenamed)
{
    frmAddC add;
    EXPECT_EQ(add.windowTitle(), QStringLiteral("Додати (Цільове)"));
    int written = 0;
    QObject::connect(&add, &TextWriteDialog::written, [&] { ++written; });
    auto *txt = child<QLineEdit>(&add, "txtRes");
    txt->setText(QStringLiteral("для догляду за сад'ом"));
    child<QPushButton>(&add, "Command1")->click();
    EXPECT_EQ(written, 1);
    EXPECT_EQ(txt->text(), QString());
    EXPECT_FALSE(child<QPushButton>(&add, "Command1")->isEnabled());
    EXPECT_EQ(column(QStringLiteral("SELECT Id FROM cilove WHERE CName = ?"), {QStringLiteral("для догляду за сад'ом")}),
              QStringLiteral("12"));

    // The edit dialog opens with the chosen purpose and renames it, as often as asked.
    state().PurposeName = QStringLiteral("для городництва");
    state().PurposeId = 6;
    frmEditC edit;
    EXPECT_EQ(edit.windowTitle(), QStringLiteral("Редагувати (цільове)"));
    auto *etxt = child<QLineEdit>(&edit, "txtRes");
    EXPECT_EQ(etxt->text(), QStringLiteral("для городництва"));
    EXPECT_TRUE(child<QPushButton>(&edit, "Command1")->isEnabled());
    etxt->setText(QStringLiteral("для городництва і саду"));
    child<QPushButton>(&edit, "Command1")->click();
    EXPECT_EQ(purposeName(6), QStringLiteral("для городництва і саду"));
    EXPECT_EQ(etxt->text(), QString());
    etxt->setText(QStringLiteral("для городу"));
    child<QPushButton>(&edit, "Command1")->click();
    EXPECT_EQ(purposeName(6), QStringLiteral("для городу"));
    EXPECT_EQ(state().PurposeName, QStringLiteral("для городництва"));

    // A short current purpose opens with the button off; a purpose gone from the table is said.
    state().PurposeName = QStringLiteral("сад");
    state().PurposeId = 99;
    frmEditC gone;
    EXPECT_FALSE(child<QPushButton>(&gone, "Command1")->isEnabled());
    child<QLineEdit>(&gone, "txtRes")->setText(QStringLiteral("будь-що ще"));
    child<QPushButton>(&gone, "Command1")->click();
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().at(0).contains(QStringLiteral("номером 99")));
    EXPECT_EQ(child<QLineEdit>(&gone, "txtRes")->text(), QStringLiteral("будь-що ще"));
}

// ---- title block ----

TitleBlock boxes(frmShtamp &dlg)
{
    TitleBlock b;
    for (size_t i = 0; i < b.staff.size(); ++i)
        b.staff[i] = child<QLineEdit>(&dlg, TitleBlock::StaffColumns()[i])->text();
    b.organ = child<QPlainTextEdit>(&dlg, "txtOrg")->toPlainText();
    return b;
}

void type(frmShtamp &dlg, const TitleBlock &b)
{
    for (size_t i = 0; i < b.staff.size(); ++i)
        child<QLineEdit>(&dlg, TitleBlock::StaffColumns()[i])->setText(b.staff[i]);
    child<QPlainTextEdit>(&dlg, "txtOrg")->setPlainText(b.organ);
}

const TitleBlock kBlock{{QStringLiteral("Директор"), QStringLiteral("О'Коннор П.С."), QStringLiteral("Склав"),
                         QStringLiteral("Мар'яненко О.І."), QStringLiteral("Креслив "), QStringLiteral("Бойко Т.В."),
                         QStringLiteral("Перевірив"), QString()},
                        QStringLiteral("ТОВ «Земля і право»")};

TEST_F(BaseTest, TitleBlockRoundTripsAndCancelKeepsTheTables)
{
    {
        frmShtamp dlg;
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Штамп"));
        EXPECT_EQ(boxes(dlg), ReadTitleBlock());
        EXPECT_EQ(boxes(dlg).staff[0], QStringLiteral("Директор"));
        type(dlg, kBlock);
        dlg.show();
        widgettesting::keepPicture(&dlg, QStringLiteral("frmShtamp"));
        child<QPushButton>(&dlg, "bOk")->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(ReadTitleBlock(), kBlock);
    {
        frmShtamp dlg;
        EXPECT_EQ(boxes(dlg), kBlock);
        type(dlg, TitleBlock{});
        child<QPushButton>(&dlg, "bNo")->click();
    }
    EXPECT_EQ(ReadTitleBlock(), kBlock);
    // The staff loader of the document commands reads what was accepted.
    LoadStaffNames(QStringLiteral("ціль"));
    EXPECT_EQ(state().NDur, QStringLiteral("О'Коннор П.С."));
    EXPECT_EQ(state().OrganTitle, QStringLiteral("ТОВ «Земля і право»"));

    // Tab order: the organisation, the posts, the names, the buttons.
    frmShtamp dlg;
    const QStringList wanted{QStringLiteral("txtOrg"), QStringLiteral("pDur"), QStringLiteral("pSkl"),
                             QStringLiteral("pKresl"), QStringLiteral("pChek"), QStringLiteral("nDur"),
                             QStringLiteral("nSkl"), QStringLiteral("nKresl"), QStringLiteral("nChek"),
                             QStringLiteral("bOk"), QStringLiteral("bNo")};
    QStringList order;
    QWidget *w = child(&dlg, "txtOrg");
    for (int guard = 0; guard < 100 && order.size() < wanted.size(); ++guard, w = w->nextInFocusChain())
        if (wanted.contains(w->objectName()))
            order << w->objectName();
    EXPECT_EQ(order, wanted);
}

TEST_F(BaseTest, TitleBlockFillsEmptyTablesAndLeavesFurtherRowsAlone)
{
    exec(QStringLiteral("DELETE FROM worker"));
    exec(QStringLiteral("DELETE FROM organ"));
    {
        frmShtamp dlg;
        EXPECT_EQ(boxes(dlg), TitleBlock{});
        type(dlg, kBlock);
        child<QPushButton>(&dlg, "bOk")->click();
    }
    EXPECT_EQ(ReadTitleBlock(), kBlock);
    EXPECT_EQ(column(QStringLiteral("SELECT count(*) FROM worker")), QStringLiteral("1"));
    EXPECT_EQ(column(QStringLiteral("SELECT count(*) FROM organ")), QStringLiteral("1"));

    exec(QStringLiteral("INSERT INTO organ (Organ) VALUES ('друга')"));
    exec(QStringLiteral("UPDATE worker SET nChek = NULL"));
    {
        frmShtamp dlg;
        EXPECT_EQ(boxes(dlg), kBlock);
        child<QPlainTextEdit>(&dlg, "txtOrg")->setPlainText(QStringLiteral("нова"));
        child<QPushButton>(&dlg, "bOk")->click();
    }
    EXPECT_EQ(column(QStringLiteral("SELECT group_concat(Organ, '|') FROM (SELECT Organ FROM organ ORDER BY rowid)")),
              QStringLiteral("нова|друга"));
    EXPECT_TRUE(prompts->calls.empty());
}

// ---- failed writes ----

// Every dialog that writes says so when the database refuses, keeps what was typed and stays open;
// the same click stores it once the database takes writes again.
TEST_F(BaseTest, AFailedWriteIsToldAndTheDialogKeepsItsValuesForARetry)
{
    exec(QStringLiteral("DELETE FROM Rada"));
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (?, ?, 'стара')"), {kCouncil, kDistrict});
    state().PurposeName = QStringLiteral("для городництва");
    state().PurposeId = 6;
    struct Case {
        const char *label;
        std::function<std::unique_ptr<QDialog>()> make;
        std::function<void(QDialog *)> fill;
        std::function<QString()> value;     ///< what the dialog stores, read from the database
        std::function<QString(QDialog *)> shown;
        const char *button;
        QString want;
    };
    auto lineText = [](const char *name) {
        return [name](QDialog *d) { return child<QLineEdit>(d, name)->text(); };
    };
    const QString head = QStringLiteral("О'Коннор");
    const std::vector<Case> cases = {
        {"council head", [] { return std::make_unique<frmNames>(kCouncil); },
         [&](QDialog *d) { widgettesting::typeText(child<QLineEdit>(d, "txtName"), head); }, [] { return golova(kCouncil); },
         lineText("txtName"), "bOk", head},
        {"district officials", [] { return std::make_unique<frmNamesR>(kDistrict, QStringLiteral("Район"), true); },
         [&](QDialog *d) { child<QTreeWidget>(d, "lstPibs")->topLevelItem(0)->setText(0, head); },
         [] { return column(QStringLiteral("SELECT a_zem FROM a_rada WHERE a_rada_id = ?"), {kDistrict}); },
         [](QDialog *d) { return child<QTreeWidget>(d, "lstPibs")->topLevelItem(0)->text(0); }, "bOk", head},
        {"title block", [] { return std::make_unique<frmShtamp>(); },
         [&](QDialog *d) { child<QLineEdit>(d, "nDur")->setText(head); },
         [] { return column(QStringLiteral("SELECT nDur FROM worker")); }, lineText("nDur"), "bOk", head},
        {"council add", [] { return std::make_unique<frmAddR>(kDistrict); },
         [](QDialog *d) { child<QLineEdit>(d, "txtRes")->setText(QStringLiteral("Нова сільська")); },
         [] { return column(QStringLiteral("SELECT RadaName FROM Rada WHERE Rada_id = ?"), {kCouncil + 1}); },
         lineText("txtRes"), "Command1", QStringLiteral("Нова сільська")},
        {"council rename", [] { return std::make_unique<frmEditR>(kCouncil); },
         [](QDialog *d) { child<QLineEdit>(d, "txtRes")->setText(QStringLiteral("Перейменована")); },
         [] { return column(QStringLiteral("SELECT RadaName FROM Rada WHERE Rada_id = ?"), {kCouncil}); },
         lineText("txtRes"), "Command1", QStringLiteral("Перейменована")},
        {"purpose add", [] { return std::make_unique<frmAddC>(); },
         [](QDialog *d) { child<QLineEdit>(d, "txtRes")->setText(QStringLiteral("для пасіки")); },
         [] { return column(QStringLiteral("SELECT CName FROM cilove WHERE CName = 'для пасіки'")); }, lineText("txtRes"),
         "Command1", QStringLiteral("для пасіки")},
        {"purpose rename", [] { return std::make_unique<frmEditC>(); },
         [](QDialog *d) { child<QLineEdit>(d, "txtRes")->setText(QStringLiteral("для городу")); },
         [] { return purposeName(6); }, lineText("txtRes"), "Command1", QStringLiteral("для городу")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        prompts->calls.clear();
        std::unique_ptr<QDialog> dlg = c.make();
        dlg->show();
        c.fill(dlg.get());
        const QString typed = c.shown(dlg.get());
        const QString before = c.value();
        exec(QStringLiteral("PRAGMA query_only = 1"));
        dlg->findChild<QAbstractButton *>(QString::fromLatin1(c.button))->click();
        exec(QStringLiteral("PRAGMA query_only = 0"));
        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_TRUE(prompts->messages().at(0).startsWith(QStringLiteral("Зміни не записано в базу даних.")));
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(c.shown(dlg.get()), typed);
        EXPECT_EQ(c.value(), before);
        EXPECT_FALSE(BaseRs().IsOpen());

        dlg->findChild<QAbstractButton *>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(prompts->messages().size(), 1);
        EXPECT_EQ(c.value(), c.want);
    }
}

} // namespace
