// The small dialogs of the main window on the sample file: bulk assignment and selection by value
// (frmVal), find by code (frmFind) and the About box (frmAbout, frmMatrix).

#include "tests/mainwindow/mainwindowtesting.h"

#include "common/numbers.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmFind.h"
#include "mainwindow/frmVal.h"
#include "mainwindow/treeimages.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/model/printing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>

using mainwindowtesting::MainWindowTest;
using namespace mainwindow;

namespace {

class DialogsTest : public MainWindowTest {
protected:
    model::Parcel &parcel(int i) const { return model::state().Parcels[i]; }

    template <typename T = QWidget>
    static T *in(QWidget *dialog, const char *name)
    {
        T *w = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    /// Runs the bulk dialog from its menu with a key (by its name), a value and the two boxes;
    /// returns whether it closed.
    bool runVal(const char *key, const QString &value, bool select = false, bool addArea = false)
    {
        bool closed = false;
        dialogtesting::whenModal(QStringLiteral("frmVal"), [&](QWidget *d) {
            auto *keys = in<QComboBox>(d, "cmbVal");
            keys->setCurrentIndex(keys->findText(QString::fromLatin1(key)));
            in<QLineEdit>(d, "txtVal")->setText(value);
            in<QCheckBox>(d, "bChek")->setChecked(select);
            if (addArea)
                in<QCheckBox>(d, "bAddUgd")->setChecked(true);
            in<QPushButton>(d, "Command1")->click();
            closed = !d->isVisible();
            if (!closed)
                in<QPushButton>(d, "Command2")->click();
        });
        control<QAction>("mnuMass")->trigger();
        return closed;
    }
};

} // namespace

TEST_F(DialogsTest, ValDialogStartsEmptyAndOffersNewAreasOnlyForTheLandUseCode)
{
    frmMain &w = openWithSample();
    bool checked = false;
    dialogtesting::whenModal(QStringLiteral("frmVal"), [&](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Присвоїти значення"));
        auto *keys = in<QComboBox>(d, "cmbVal");
        QStringList names;
        for (int i = 0; i < keys->count(); ++i) {
            names << keys->itemText(i);
            EXPECT_EQ(keys->itemData(i).toInt(), i + 1);
        }
        EXPECT_EQ(names.join(QLatin1Char(' ')), QStringLiteral("AD AU PZ CN KZ KV ZN DB KF DS"));
        EXPECT_EQ(keys->currentIndex(), -1);
        auto *add = in<QCheckBox>(d, "bAddUgd");
        EXPECT_FALSE(add->isEnabled());
        EXPECT_FALSE(in<QCheckBox>(d, "bChek")->isChecked());

        // No key: "Прийняти" does nothing and the dialog stays.
        in<QPushButton>(d, "Command1")->click();
        EXPECT_TRUE(d->isVisible());
        keys->setCurrentIndex(keys->findText(QStringLiteral("CN")));
        EXPECT_TRUE(add->isEnabled());
        add->setChecked(true);
        keys->setCurrentIndex(keys->findText(QStringLiteral("KZ")));
        EXPECT_FALSE(add->isChecked());
        EXPECT_FALSE(add->isEnabled());
        in<QLineEdit>(d, "txtVal")->setText(QStringLiteral("Значення"));
        dialogtesting::keepPicture(d, QStringLiteral("frmVal"));
        in<QPushButton>(d, "Command2")->click();
        checked = true;
    });
    // The toolbar's "Change" opens it too.
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("Change")));
    EXPECT_TRUE(checked);
    EXPECT_FALSE(model::state().Modified);
}

TEST_F(DialogsTest, ValAssignsEveryKeyToEveryParcelAndItsNodes)
{
    openWithSample();
    const struct {
        const char *key;
        const char *v;
        const char *nodeSuffix;
    } texts[] = {{"AD", "вул. Садова, б/н", "_d"}, {"AU", "м. Київ", "_a"}, {"PZ", "РС,1,01.01.2001", "_r"}};
    for (const auto &t : texts) {
        const QString v = QString::fromUtf8(t.v);
        EXPECT_TRUE(runVal(t.key, v)) << t.key;
        for (int i : {1, model::state().Parcels.UBound()})
            EXPECT_EQ(node(QString::number(i) + QString::fromLatin1(t.nodeSuffix))->text(0), v) << t.key << i;
    }
    EXPECT_EQ(parcel(7).AD, QStringLiteral("вул. Садова, б/н"));
    EXPECT_EQ(parcel(7).AU, QStringLiteral("м. Київ"));
    EXPECT_TRUE(model::state().Modified);

    // KZ: the texts at once, the row pictures once the dialog has closed, also over the marks.
    clickNode(QStringLiteral("2o"));
    control<QAction>("mnuZsp")->trigger();
    ASSERT_EQ(frmMain::NodeImage(node(QStringLiteral("2o"))), ImgJointOwnership);
    EXPECT_TRUE(runVal("KZ", QStringLiteral("21")));
    for (int i = 1; i <= model::state().Parcels.UBound(); ++i) {
        EXPECT_EQ(parcel(i).KZ, QStringLiteral("21"));
        EXPECT_EQ(node(QString::number(i) + QStringLiteral("_z"))->text(0), QStringLiteral("21"));
        EXPECT_EQ(frmMain::NodeImage(node(QString::number(i) + QStringLiteral("o"))), ImgRow21) << i;
    }

    // KV and ZN: the leading number; the current parcel's boxes follow.
    EXPECT_TRUE(runVal("KV", QStringLiteral("12abc")));
    EXPECT_EQ(parcel(5).KV, 12);
    EXPECT_EQ(control<QLineEdit>("tKvart")->text(), QStringLiteral("12"));
    EXPECT_TRUE(runVal("ZN", QStringLiteral("  ")));
    EXPECT_EQ(parcel(5).ZN, 0);
    // Out of range: refused with a message, nothing written, the dialog stays until cancelled.
    EXPECT_FALSE(runVal("KV", QStringLiteral("40000")));
    EXPECT_EQ(parcel(5).KV, 12);
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("40000")));

    // CN replaces every code and every land-use node's text.
    EXPECT_TRUE(runVal("CN", QStringLiteral("01,рілля")));
    EXPECT_EQ(parcel(3).LandUses[1].CN, QStringLiteral("01,рілля"));
    EXPECT_EQ(node(QStringLiteral("3_1u"))->text(0), QStringLiteral("01,рілля"));

    // DB, KF and DS write nothing.
    const model::ParcelList before = model::state().Parcels;
    for (const char *key : {"DB", "KF", "DS"})
        EXPECT_TRUE(runVal(key, QStringLiteral("5"))) << key;
    EXPECT_EQ(model::state().Parcels, before);
}

TEST_F(DialogsTest, ValAddsALandUseAreaOverEachParcel)
{
    openWithSample();
    const int areasBefore = parcel(4).LandUses.UBound();
    const QString firstCode = parcel(4).LandUses[1].CN;
    EXPECT_TRUE(runVal("CN", QStringLiteral("07,сіножаті"), false, true));
    ASSERT_EQ(parcel(4).LandUses.UBound(), areasBefore + 1);
    const model::LandUseArea &added = parcel(4).LandUses.last();
    EXPECT_EQ(added.CN, QStringLiteral("07,сіножаті"));
    EXPECT_EQ(added.Area, parcel(4).Area);
    EXPECT_EQ(added.Points, parcel(4).Points);
    EXPECT_EQ(parcel(4).LandUses[1].CN, firstCode);
    QTreeWidgetItem *p4 = node(QStringLiteral("4o"));
    QTreeWidgetItem *last = p4->child(p4->childCount() - 1);
    EXPECT_EQ(frmMain::NodeKey(last), QStringLiteral("4_%1u").arg(areasBefore + 1));
    EXPECT_EQ(last->text(0), QStringLiteral("07,сіножаті"));
    EXPECT_EQ(frmMain::NodeImage(last), ImgLandUse);
    // The new node behaves as any land-use node: a click shows the new area.
    clickNode(frmMain::NodeKey(last));
    EXPECT_EQ(control<QTreeWidget>("lstKoord")->topLevelItemCount(), parcel(4).Points.UBound());
}

TEST_F(DialogsTest, ValSelectsMatchingParcelsAndTheCountFollows)
{
    openWithSample();
    const int n = model::state().Parcels.UBound();
    // The parcels of a field's value in the sample, by index.
    auto parcelsWhere = [&](const std::function<bool(const model::Parcel &)> &match) {
        QList<int> out;
        for (int i = 1; i <= n; ++i)
            if (match(parcel(i)))
                out << i;
        return out;
    };
    auto selected = [&] { return parcelsWhere([](const model::Parcel &p) { return p.Selected != 0; }); };
    const QString code = parcel(2).LandUses[1].CN;
    const QList<int> row21 = parcelsWhere([](const model::Parcel &p) { return p.KZ == QStringLiteral("21"); });
    const QList<int> withCode = parcelsWhere([&](const model::Parcel &p) {
        return std::any_of(p.LandUses.begin(), p.LandUses.end(), [&](const model::LandUseArea &a) { return a.CN == code; });
    });
    ASSERT_FALSE(row21.contains(1));
    ASSERT_GE(row21.size(), 2);
    ASSERT_LT(withCode.size(), n);
    parcel(3).DB = QStringLiteral("2");
    parcel(row21[1]).DB = QStringLiteral("11");
    node(QStringLiteral("1o"))->setCheckState(0, Qt::Checked);
    ASSERT_EQ(panel(3), QStringLiteral("Вибрано: 1"));

    EXPECT_TRUE(runVal("KZ", QStringLiteral("21"), true));
    EXPECT_EQ(selected(), QList<int>{1} + row21); // adds to what was selected
    // The parcel node alone is checked; the count and the document commands follow.
    const QString chosen = QString::number(row21[0]);
    EXPECT_EQ(node(chosen + QStringLiteral("o"))->checkState(0), Qt::Checked);
    EXPECT_EQ(node(chosen + QStringLiteral("_a"))->checkState(0), Qt::Unchecked);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: %1").arg(row21.size() + 1));
    EXPECT_TRUE(control<QAction>("mnuGo")->isEnabled());
    EXPECT_FALSE(model::state().Modified);

    for (int i = 1; i <= n; ++i)
        node(QString::number(i) + QStringLiteral("o"))->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(runVal("DB", QStringLiteral(">5"), true));
    EXPECT_EQ(selected(), QList<int>{row21[1]});
    EXPECT_TRUE(runVal("CN", code, true));
    QList<int> want = withCode;
    if (!want.contains(row21[1]))
        want << row21[1];
    std::sort(want.begin(), want.end());
    EXPECT_EQ(selected(), want);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: %1").arg(want.size()));
    // Unchecking a selected parcel's node by hand takes its nodes and flag back.
    node(QString::number(want[0]) + QStringLiteral("o"))->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(parcel(want[0]).Selected, 0);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: %1").arg(want.size() - 1));
}

TEST_F(DialogsTest, ValSelectsByEveryTextKeyAndNotByTheOthers)
{
    openWithSample();
    model::Parcel &p = parcel(4);
    p.ParcelKoatuu = QStringLiteral("3222486299");
    auto withoutSelection = [](model::ParcelList list) {
        for (model::Parcel &q : list)
            q.Selected = 0;
        return list;
    };
    const struct {
        const char *key;
        QString v;
        bool selects;
    } cases[] = {
        {"AD", p.AD, true},       {"PZ", p.PZ, true},   {"KF", p.KF, true},
        {"DS", p.ParcelKoatuu, true}, {"AD", p.AD + QLatin1Char(' '), false},
        {"AU", p.AU, false},      {"KV", QString::number(p.KV), false}, {"ZN", QString::number(p.ZN), false},
    };
    for (const auto &c : cases) {
        for (int i = 1; i <= model::state().Parcels.UBound(); ++i) {
            parcel(i).Selected = 0;
            window->SetNodeCheckedQuietly(node(QString::number(i) + QStringLiteral("o")), false);
        }
        const model::ParcelList before = model::state().Parcels;
        EXPECT_TRUE(runVal(c.key, c.v, true)) << c.key;
        EXPECT_EQ(p.Selected != 0, c.selects) << c.key;
        EXPECT_EQ(node(QStringLiteral("4o"))->checkState(0) == Qt::Checked, c.selects) << c.key;
        // Only the flags change: a selection writes no field.
        EXPECT_EQ(withoutSelection(model::state().Parcels), withoutSelection(before)) << c.key;
    }
}

TEST_F(DialogsTest, FindShowsAndSelectsTheParcelByItsCode)
{
    frmMain &w = openWithSample();
    parcel(9).Number = QStringLiteral("0003"); // a second parcel with the same code
    const int messagesBefore = prompts->messages().size();
    bool done = false;
    dialogtesting::whenModal(QStringLiteral("frmFind"), [&](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Пошук"));
        auto *code = in<QLineEdit>(d, "tFind");
        auto *select = in<QCheckBox>(d, "bChek");
        EXPECT_TRUE(code->text().isEmpty());
        EXPECT_TRUE(select->isChecked());

        // Typed with blanks around it: trimmed; the lower index wins.
        code->setText(QStringLiteral("  0003 "));
        in<QPushButton>(d, "bOk")->click();
        EXPECT_EQ(model::state().CurParcel, 3);
        EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("3o"));
        EXPECT_EQ(w.drawnParcel(), 3);
        EXPECT_EQ(control<QLabel>("lInfo")->text(), QStringLiteral("Площа ділянки: ") + zova::Format2(parcel(3).Area)
                                                        + QStringLiteral(" кв.м.; Код: 0003\r"));
        EXPECT_EQ(control<QTreeWidget>("lstKoord")->topLevelItemCount(), parcel(3).Points.UBound());
        EXPECT_EQ(node(QStringLiteral("3o"))->checkState(0), Qt::Checked);
        EXPECT_EQ(node(QStringLiteral("3_a"))->checkState(0), Qt::Unchecked);
        EXPECT_EQ(parcel(3).Selected, -1);
        EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
        EXPECT_TRUE(d->isVisible());

        // Without selecting, by Enter in the code box: shown, not checked, the count kept.
        select->setChecked(false);
        code->setText(QStringLiteral("0012"));
        QTest::keyClick(code, Qt::Key_Return);
        EXPECT_EQ(model::state().CurParcel, 12);
        EXPECT_EQ(node(QStringLiteral("12o"))->checkState(0), Qt::Unchecked);
        EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
        EXPECT_EQ(prompts->messages().size(), messagesBefore); // one search, no message

        // A stored number is compared exactly: "12" is not "0012".
        code->setText(QStringLiteral("12"));
        in<QPushButton>(d, "bOk")->click();
        EXPECT_EQ(prompts->messages().size(), messagesBefore + 1);
        EXPECT_EQ(prompts->calls.back().message.text, QStringLiteral("Не існує ділянки з таким кодом"));
        EXPECT_EQ(prompts->calls.back().message.title, QStringLiteral("Zemograf"));
        EXPECT_EQ(model::state().CurParcel, 12);
        // Blanks only: nothing at all.
        code->setText(QStringLiteral("   "));
        in<QPushButton>(d, "bOk")->click();
        EXPECT_EQ(prompts->messages().size(), messagesBefore + 1);

        code->setText(QStringLiteral("0005"));
        select->setChecked(true);
        dialogtesting::keepPicture(d, QStringLiteral("frmFind"));
        in<QPushButton>(d, "Command1")->click();
        done = true;
    });
    control<QAction>("mnuFind")->trigger();
    EXPECT_TRUE(done);
}

TEST_F(DialogsTest, AboutBoxShowsTheProgramAndOpensTheMakersPage)
{
    frmMain &w = open();
    bool done = false;
    dialogtesting::whenModal(QStringLiteral("frmAbout"), [&](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Про програму"));
        EXPECT_EQ(in<QLabel>(d, "lblProductName")->text(), QStringLiteral("Zemograf"));
        EXPECT_EQ(in<QLabel>(d, "lblVersion")->text(), QStringLiteral("Версія 1.1.900"));
        const QString description = in<QLabel>(d, "lblDescription")->text();
        // Only what the program knows of itself: no maker's name or address that nobody gave it.
        EXPECT_EQ(description, QStringLiteral("Програма призначена для підготовки кадастрових планів, планів "
                                              "відводу, державних актів, технічної документації з файлів .in4")
                                   + (frmAbout::MakerPage().isEmpty() ? QString()
                                                                      : QStringLiteral("\n\nСайт: ") + frmAbout::MakerPage()));
        EXPECT_TRUE(in<QLabel>(d, "Label1")->text().isEmpty());
        // The link is there only when the build named the maker's page.
        EXPECT_EQ(in<QLabel>(d, "Image1")->isVisible(), !frmAbout::MakerPage().isEmpty());
        dialogtesting::keepPicture(d, QStringLiteral("frmAbout"));

        bool matrix = false;
        dialogtesting::whenModal(QStringLiteral("frmMatrix"), [&](QWidget *m) {
            EXPECT_EQ(m->windowTitle(), QStringLiteral("The Matrix"));
            dialogtesting::keepPicture(m, QStringLiteral("frmMatrix"));
            QTest::mouseDClick(m, Qt::LeftButton);
            matrix = !m->isVisible();
        });
        QTest::mouseDClick(in<QLabel>(d, "picIcon"), Qt::LeftButton);
        EXPECT_TRUE(matrix);
        in<QPushButton>(d, "cmdOK")->click();
        done = true;
    });
    control<QAction>("mnuAbout")->trigger();
    EXPECT_TRUE(done);

    // With a maker's page the picture opens it in the desktop's browser.
    const QString page = QStringLiteral("https://example.org/zova");
    frmAbout about(&w, page);
    about.show();
    QLabel *image = in<QLabel>(&about, "Image1");
    EXPECT_TRUE(image->isVisible());
    EXPECT_TRUE(in<QLabel>(&about, "lblDescription")->text().endsWith(QStringLiteral(".in4\n\nСайт: ") + page));
    dialogtesting::keepPicture(&about, QStringLiteral("frmAbout-page"));
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(desktop->urls, QStringList{page});
    // No browser: the box stays as it was, without a message.
    desktop->result = false;
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(prompts->messages().isEmpty());
}

// The information panel shows the shown parcel as the bulk assignment left it: "Внести зміни"
// afterwards keeps the assigned values, and what the operator typed into the other boxes.
TEST_F(DialogsTest, ValuesAssignedInBulkReachThePanelAndApplyingItKeepsThem)
{
    openWithSample();
    clickNode(QStringLiteral("2o"));
    const struct {
        const char *key, *v, *box;
        QString model::Parcel::*field;
    } cases[] = {
        {"AD", "вул. Нова, 3", "tAD", &model::Parcel::AD},
        {"AU", "м. Біла Церква", "tAU", &model::Parcel::AU},
        {"PZ", "РС,2,02.02.2002", "tPZ", &model::Parcel::PZ},
        {"KZ", "21", "tKZ", &model::Parcel::KZ},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        control<QLineEdit>("tNM")->setText(QStringLiteral("Надруковане ім'я"));
        ASSERT_TRUE(runVal(c.key, QString::fromUtf8(c.v)));
        EXPECT_EQ(control<QLineEdit>(c.box)->text(), QString::fromUtf8(c.v));
        EXPECT_EQ(control<QLineEdit>("tNM")->text(), QStringLiteral("Надруковане ім'я"));
        control<QPushButton>("Command1")->click();
        EXPECT_EQ(parcel(2).*c.field, QString::fromUtf8(c.v));
        EXPECT_EQ(parcel(2).NM, QStringLiteral("Надруковане ім'я"));
        EXPECT_EQ(parcel(3).*c.field, QString::fromUtf8(c.v));
    }
}
