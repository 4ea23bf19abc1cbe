// Editing the parcels in the main window on the sample file: the zone and quarter boxes, the text
// search, the panel's button, in-place edits, the tree's keys, the second-parcel mark, land-use
// code normalisation, the coordinate shift and the question before leaving or opening another file
// over unsaved changes.

#include "tests/mainwindow/mainwindowtesting.h"

#include "common/numbers.h"
#include "mainwindow/treeimages.h"
#include "platform/forms/qtprompts.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/model/printing.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <limits>

using mainwindowtesting::MainWindowTest;
using namespace mainwindow;

namespace {

class EditTest : public MainWindowTest {
protected:
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    model::Parcel &parcel(int i) const { return model::state().Parcels[i]; }
    QString nodeText(const char *key) const { return node(QString::fromLatin1(key))->text(0); }
    int image(const char *key) const { return frmMain::NodeImage(node(QString::fromLatin1(key))); }

    /// Replaces the box's text by typing, as the operator does: select all, then the keys (the
    /// first replaces the selection); an empty text deletes it.
    void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    /// A key typed into the tree with the node `key` selected.
    void keyInTree(const char *key, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = {})
    {
        tree()->setCurrentItem(node(QString::fromLatin1(key)));
        QKeyEvent e(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(tree(), &e);
    }

    /// Edits a node's text through the tree's own editor, ending with Enter.
    void editLabel(const char *key, const QString &text)
    {
        QTreeWidgetItem *n = node(QString::fromLatin1(key));
        tree()->setCurrentItem(n);
        tree()->editItem(n);
        auto *editor = tree()->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr) << key;
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor commits through a queued call; then it goes away, so that the next edit finds
        // its own.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(EditTest, ZoneAndQuarterBoxesWriteTheCurrentParcelAndReadBack)
{
    openWithSample();
    clickNode(QStringLiteral("3o"));
    ASSERT_TRUE(box("tKvart")->isEnabled());
    type(box("tKvart"), QStringLiteral("99"));
    type(box("tZone"), QStringLiteral("7"));
    EXPECT_EQ(parcel(3).KV, 99);
    EXPECT_EQ(parcel(3).ZN, 7);
    EXPECT_EQ(parcel(4).KV, 24);
    EXPECT_TRUE(model::state().Modified);

    // Click away and back: the typed values are the parcel's own.
    clickNode(QStringLiteral("4o"));
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("24"));
    clickNode(QStringLiteral("3o"));
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("99"));
    EXPECT_EQ(box("tZone")->text(), QStringLiteral("7"));

    // Each keystroke writes; the last value stands. Letters after the number are ignored.
    const struct {
        const char *typed;
        int16_t zone;
    } cases[] = {{"12.5", 12}, {"13.5", 14}, {"12a", 12}, {"-3", -3}, {"abc", 0}};
    for (const auto &c : cases) {
        type(box("tZone"), QString::fromUtf8(c.typed));
        EXPECT_EQ(parcel(3).ZN, c.zone) << c.typed;
    }
    // What does not fit a quarter cannot be typed: the last digit is refused.
    type(box("tKvart"), QStringLiteral("40000"));
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("4000"));
    EXPECT_EQ(parcel(3).KV, 4000);
    // An emptied box shows "0" at once and writes 0.
    type(box("tKvart"), QString());
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("0"));
    EXPECT_EQ(parcel(3).KV, 0);

    // After a land-use node the boxes are off and show "0"; nothing reaches a parcel.
    clickNode(QStringLiteral("5_1u"));
    EXPECT_FALSE(box("tKvart")->isEnabled());
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("0"));
    QTest::keyClicks(box("tKvart"), QStringLiteral("5"));
    EXPECT_EQ(parcel(5).KV, 24);
}

TEST_F(EditTest, TextSearchMovesOnlyTheTreeSelection)
{
    frmMain &w = openWithSample();
    clickNode(QStringLiteral("2o"));
    const int drawn = w.drawnParcel();
    QLineEdit *find = box("tFind");

    // Typed letter by letter (the test library types only Latin letters).
    for (const QChar c : QStringLiteral("Ткач")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(find, &press);
    }
    EXPECT_EQ(find->text(), QStringLiteral("Ткач"));
    EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("6o"));
    dialogtesting::keepPicture(&w, QStringLiteral("frmMain-search"));
    // The current parcel, panel, drawing and checks stay.
    EXPECT_EQ(model::state().CurParcel, 2);
    EXPECT_EQ(w.drawnParcel(), drawn);
    EXPECT_EQ(box("tNM")->text(), parcel(2).NM);

    // An address start finds the first node whose text begins so: the owner's address of parcel 1.
    find->setText(QStringLiteral("с. Софіївська Борщагівка, вул. Садова, 1"));
    EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("1_a"));
    // Letter case counts, and a text longer than every node finds nothing: the selection stays.
    find->setText(QStringLiteral("ткач"));
    EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("1_a"));
    find->setText(QStringLiteral("Ткаченко Сергій Іванович і ще хтось"));
    EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("1_a"));
    // An empty text begins every text: the first node.
    find->clear();
    EXPECT_EQ(frmMain::NodeKey(tree()->currentItem()), QStringLiteral("1o"));
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));
}

TEST_F(EditTest, PanelButtonWritesItsParcelAndItsNodes)
{
    openWithSample();
    // Before a parcel is shown the panel belongs to none: typing and the button change nothing.
    const model::ParcelList loaded = model::state().Parcels;
    box("tNM")->setText(QStringLiteral("Нікому"));
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(model::state().Parcels, loaded);
    EXPECT_FALSE(model::state().Modified);

    // Run once more under a locale with a decimal comma: the row is still stored with ".".
    if (qEnvironmentVariableIsSet("ZOVA_EXPECT_COMMA")) {
        ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
    clickNode(QStringLiteral("2o"));
    box("tNM")->setText(QStringLiteral("Новий Власник"));
    box("tAD")->setText(QStringLiteral("вул. Нова, 5 "));
    box("tAU")->setText(QStringLiteral("м. Київ"));
    box("tPZ")->setText(QStringLiteral("РД,1,01.01.2001"));
    box("tPP")->setText(QStringLiteral("паспорт АА 1"));
    box("tKF")->setText(QStringLiteral("1111111111"));
    box("tKZ")->setText(QStringLiteral("21.5"));
    // Another node of the same parcel keeps the typing; the button writes parcel 2.
    clickNode(QStringLiteral("2_c"));
    control<QPushButton>("Command1")->click();

    const model::Parcel &p = parcel(2);
    EXPECT_EQ(p.NM, QStringLiteral("Новий Власник"));
    EXPECT_EQ(p.AD, QStringLiteral("вул. Нова, 5 ")); // stored as typed
    EXPECT_EQ(p.KZ, QStringLiteral("21.5"));          // "." in any locale
    EXPECT_EQ(nodeText("2o"), p.NM);
    const struct {
        const char *key;
        const QString &text;
    } nodes[] = {{"2_a", p.AU}, {"2_k", p.KF}, {"2_p", p.PP}, {"2_r", p.PZ}, {"2_d", p.AD}, {"2_z", p.KZ}};
    for (const auto &n : nodes)
        EXPECT_EQ(nodeText(n.key), n.text) << n.key;
    EXPECT_EQ(image("2o"), ImgParcel); // 21.5 is no row 21
    EXPECT_EQ(parcel(1).NM, QStringLiteral("Дем'янчук Мар'яна Василівна"));
    EXPECT_TRUE(model::state().Modified);

    // The row's leading number stops at the comma; an empty box stores 0.
    const struct {
        const char *typed;
        const char *kz;
        int image;
    } rows[] = {{"22,5", "22", ImgRow22}, {"21", "21", ImgRow21}, {"", "0", ImgParcel}};
    for (const auto &r : rows) {
        box("tKZ")->setText(QString::fromUtf8(r.typed));
        control<QPushButton>("Command1")->click();
        EXPECT_EQ(p.KZ, QString::fromUtf8(r.kz)) << r.typed;
        EXPECT_EQ(nodeText("2_z"), QString::fromUtf8(r.kz)) << r.typed;
        EXPECT_EQ(image("2o"), r.image) << r.typed;
    }
}

TEST_F(EditTest, InPlaceEditsGoIntoTheFieldTheNodeShows)
{
    openWithSample();
    clickNode(QStringLiteral("5o"));
    const model::Parcel before = parcel(5);

    editLabel("5o", QStringLiteral("Бойко Іван"));
    EXPECT_EQ(parcel(5).NM, QStringLiteral("Бойко Іван"));
    EXPECT_EQ(parcel(5).KZ, before.KZ);
    EXPECT_EQ(parcel(5).Number, before.Number);
    EXPECT_EQ(box("tNM")->text(), QStringLiteral("Бойко Іван")); // the panel cannot write it back

    editLabel("5_z", QStringLiteral("21 "));
    EXPECT_EQ(parcel(5).KZ, QStringLiteral("21 ")); // as typed
    EXPECT_EQ(image("5o"), ImgRow21);
    editLabel("5_2u", QStringLiteral("01,рілля зрошувана"));
    EXPECT_EQ(parcel(5).LandUses[2].CN, QStringLiteral("01,рілля зрошувана"));
    EXPECT_EQ(parcel(5).LandUses[1].CN, before.LandUses[1].CN);
    editLabel("5_c", QStringLiteral("0105"));
    editLabel("5_w", QStringLiteral("7"));
    editLabel("5_y", QStringLiteral("3222486202"));
    EXPECT_EQ(parcel(5).Number, QStringLiteral("0105"));
    EXPECT_EQ(parcel(5).DB, QStringLiteral("7"));
    EXPECT_EQ(parcel(5).ParcelKoatuu, QStringLiteral("3222486202"));

    // A field of another parcel than the panel's leaves the panel alone.
    editLabel("6_d", QStringLiteral("вул. Садова, 6а"));
    EXPECT_EQ(parcel(6).AD, QStringLiteral("вул. Садова, 6а"));
    EXPECT_EQ(box("tAD")->text(), parcel(5).AD);
    EXPECT_TRUE(model::state().Modified);
}

TEST_F(EditTest, CopyPasteAndCutLinkASecondParcel)
{
    openWithSample();
    const QString dbBefore = parcel(8).DB;
    keyInTree("8_d", Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(parcel(8).DB, dbBefore); // nothing remembered yet

    keyInTree("3_k", Qt::Key_C, Qt::ControlModifier);
    keyInTree("3_1u", Qt::Key_V, Qt::ControlModifier); // onto itself: nothing
    EXPECT_EQ(parcel(3).DB, QString());
    keyInTree("8_d", Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(parcel(8).DB, QStringLiteral(" 3"));
    EXPECT_EQ(nodeText("8_w"), QStringLiteral(" 3"));
    EXPECT_EQ(node(QStringLiteral("8o"))->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(model::state().Modified);

    // The Ukrainian layout gives the same commands on the same keys (С, Ч).
    keyInTree("4o", static_cast<Qt::Key>(0x0421), Qt::ControlModifier);
    keyInTree("9_r", static_cast<Qt::Key>(0x0427), Qt::ControlModifier);
    EXPECT_EQ(parcel(9).DB, QStringLiteral(" 4"));
    EXPECT_EQ(nodeText("9_w"), QStringLiteral(" 4"));
    // Cut also selects the whole parcel and counts it.
    QTreeWidgetItem *p9 = node(QStringLiteral("9o"));
    EXPECT_EQ(p9->checkState(0), Qt::Checked);
    for (int c = 0; c < p9->childCount(); ++c)
        EXPECT_EQ(p9->child(c)->checkState(0), Qt::Checked) << c;
    EXPECT_EQ(parcel(9).Selected, -1);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
}

TEST_F(EditTest, QuestionMarkSplitsLongNumbersAndNamesTheOnesItCannot)
{
    openWithSample();
    // The loader splits seven-character numbers itself; these come from edits.
    editLabel("6_c", QStringLiteral("0310006"));
    editLabel("12_c", QStringLiteral("1000012"));
    editLabel("2_c", QStringLiteral("АБ0002"));
    clickNode(QStringLiteral("6o"));
    const int before = prompts->messages().size();
    keyInTree("1o", Qt::Key_Question, Qt::NoModifier, QStringLiteral("?"));

    EXPECT_EQ(parcel(6).Number, QStringLiteral("0006"));
    EXPECT_EQ(parcel(6).KV, 31);
    EXPECT_EQ(parcel(12).Number, QStringLiteral("0012"));
    EXPECT_EQ(parcel(12).KV, 100);
    EXPECT_EQ(parcel(3).KV, 24);
    EXPECT_EQ(nodeText("6_c"), QStringLiteral("0006"));
    EXPECT_EQ(nodeText("12_c"), QStringLiteral("0012"));
    EXPECT_EQ(box("tKvart")->text(), QStringLiteral("31")); // the current parcel's box follows
    EXPECT_EQ(parcel(2).Number, QStringLiteral("АБ0002"));
    EXPECT_EQ(nodeText("2_c"), QStringLiteral("АБ0002"));
    const platform::MessageRequest &m = prompts->calls.back().message;
    EXPECT_EQ(m.title, QStringLiteral("No Comment"));
    EXPECT_EQ(m.icon, platform::MsgIcon::Information);
    const QString refused = QStringLiteral("Усе зроблено пане...\n\nНе розділено (перед останніми чотирма знаками не "
                                           "номер кварталу):\nАБ0002 (ділянка 2)");
    EXPECT_EQ(m.text, refused);

    // Again: nothing more is split; the message still names the number it cannot split.
    keyInTree("1o", Qt::Key_Question, Qt::NoModifier, QStringLiteral("?"));
    EXPECT_EQ(prompts->messages().size(), before + 2);
    EXPECT_EQ(prompts->messages().last(), refused);
    EXPECT_EQ(parcel(6).KV, 31);
}

TEST_F(EditTest, SecondParcelMarkAndItsPicture)
{
    openWithSample();
    QAction *second = control<QAction>("mnuSecond");
    second->trigger(); // no current parcel: nothing
    EXPECT_FALSE(model::state().Modified);

    clickNode(QStringLiteral("3o"));
    ASSERT_EQ(image("3o"), ImgRow22);
    second->trigger();
    EXPECT_NE(parcel(3).SecondParcel, 0);
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(image("3o"), ImgSecondParcel);
    second->trigger();
    EXPECT_EQ(parcel(3).SecondParcel, 0);
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(image("3o"), ImgRow22); // the row picture, whatever it showed before

    // A mark that is not -1 (from elsewhere) is cleared too.
    parcel(3).SecondParcel = 1;
    second->trigger();
    EXPECT_EQ(parcel(3).SecondParcel, 0);

    // Land of joint ownership keeps its picture; only the flag turns.
    control<QAction>("mnuZsp")->trigger();
    ASSERT_EQ(image("3o"), ImgJointOwnership);
    second->trigger();
    EXPECT_NE(parcel(3).SecondParcel, 0);
    EXPECT_EQ(image("3o"), ImgJointOwnership);
    EXPECT_TRUE(model::state().Modified);
}

TEST_F(EditTest, LandUseCodesNormalisedInModelAndTree)
{
    openWithSample();
    model::ParcelList &ps = model::state().Parcels;
    ps[1].LandUses[1].CN = QStringLiteral("  1aрілля ");
    ps[1].LandUses[2].CN = QStringLiteral("пасовище");
    ps[2].LandUses[1].CN = QStringLiteral("1,сад");
    ps[2].LandUses[2].CN = QStringLiteral("16");
    const QString sampleCode = ps[3].LandUses[1].CN; // the file's codes have their comma already
    ASSERT_TRUE(sampleCode.contains(QLatin1Char(',')));
    window->FillTree();
    control<QAction>("mnuEditParts")->trigger();

    const struct {
        int i, j;
        QString code;
    } want[] = {{1, 1, QStringLiteral("01,рілля")}, {1, 2, QStringLiteral("05,совище")},
                {2, 1, QStringLiteral("1,сад")},    {2, 2, QStringLiteral("16")},
                {3, 1, sampleCode}};
    for (const auto &w : want) {
        const QString key = QStringLiteral("%1_%2u").arg(w.i).arg(w.j);
        EXPECT_EQ(ps[w.i].LandUses[w.j].CN, w.code) << key.toStdString();
        EXPECT_EQ(node(key)->text(0), w.code) << key.toStdString();
    }
    EXPECT_TRUE(model::state().Modified);
}

TEST_F(EditTest, ShiftMovesEveryPointOrReportsWhyNot)
{
    openWithSample();
    clickNode(QStringLiteral("2o"));
    const model::ParcelList before = model::state().Parcels;
    QLineEdit *val = box("tVal");
    auto press = [&](const char *name) { control<QToolButton>(name)->click(); };

    const int shown = prompts->messages().size();
    press("byPlus"); // no value
    EXPECT_EQ(prompts->calls.back().message.text, QStringLiteral("А значення хто введе ?..."));
    EXPECT_EQ(prompts->calls.back().message.title, QStringLiteral("Уважніше"));
    val->setText(QStringLiteral("   "));
    press("bxMinus");
    EXPECT_EQ(prompts->messages().size(), shown + 2);
    EXPECT_EQ(model::state().Parcels, before);
    EXPECT_FALSE(model::state().Modified);

    // Only digits, "." and "/" enter the box.
    val->clear();
    QTest::keyClicks(val, QStringLiteral("-1,0a0/2"));
    EXPECT_EQ(val->text(), QStringLiteral("100/2"));
    press("byPlus");
    const model::ParcelList &now = model::state().Parcels;
    for (int i = 1; i <= now.UBound(); ++i) {
        EXPECT_EQ(now[i].Points[1].Y, before[i].Points[1].Y + 100) << i;
        EXPECT_EQ(now[i].Points[1].X, before[i].Points[1].X) << i;
        for (int j = 1; j <= now[i].LandUses.UBound(); ++j)
            EXPECT_EQ(now[i].LandUses[j].Points.last().Y, before[i].LandUses[j].Points.last().Y + 100) << i;
    }
    // The coordinate list of the current parcel follows.
    EXPECT_EQ(control<QTreeWidget>("lstKoord")->topLevelItem(0)->text(2), zova::Format2(now[2].Points[1].Y));
    EXPECT_TRUE(model::state().Modified);
    press("byMinus");
    press("bxPlus");
    press("bxMinus");
    for (int i = 1; i <= now.UBound(); ++i)
        EXPECT_NEAR(now[i].Points[1].Y, before[i].Points[1].Y, 1e-6);

    // A point that cannot move: a message, and no point moved.
    model::state().Parcels[12].Points[2].X = std::numeric_limits<double>::max();
    const model::ParcelList kept = model::state().Parcels;
    val->setText(QStringLiteral("1") + QString(308, QLatin1Char('0')));
    press("bxPlus");
    EXPECT_EQ(prompts->calls.back().message.title, QStringLiteral("Помилка"));
    EXPECT_TRUE(prompts->calls.back().message.text.startsWith(QStringLiteral("Якась помилочка трапилась:\n")));
    EXPECT_EQ(model::state().Parcels, kept);

    // "." shifts by nothing.
    model::state().Parcels = before;
    val->setText(QStringLiteral("."));
    press("byPlus");
    EXPECT_EQ(model::state().Parcels, before);
}

TEST_F(EditTest, OpeningAnotherFileOverUnsavedChangesAsksFirst)
{
    openWithSample();
    const model::ParcelList loaded = model::state().Parcels;
    // Nothing changed: the file opens again without a question.
    const size_t before = prompts->calls.size();
    openSample();
    ASSERT_EQ(prompts->calls.size(), before + 1);
    EXPECT_EQ(prompts->calls.back().kind, platform::ScriptedPrompts::Kind::OpenFile);

    clickNode(QStringLiteral("2o"));
    type(box("tKvart"), QStringLiteral("25"));
    // "Ні": no dialog, the changed parcels stay.
    prompts->answers.push_back(platform::MsgAnswer::No);
    control<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(prompts->calls.back().kind, platform::ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts->calls.back().message.defaultAnswer, platform::MsgAnswer::No);
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Відкрити інший файл без збереження?")));
    EXPECT_EQ(parcel(2).KV, 25);
    EXPECT_TRUE(model::state().Modified);
    // "Так": the file replaces them.
    prompts->answers.push_back(platform::MsgAnswer::Yes);
    openSample();
    EXPECT_EQ(model::state().Parcels, loaded);
    EXPECT_FALSE(model::state().Modified);
}

TEST_F(EditTest, LeavingWithUnsavedChangesAsksFirst)
{
    frmMain &w = openWithSample();
    const int shown = prompts->messages().size();
    // Loaded and untouched: closes without a word.
    EXPECT_TRUE(w.QueryUnload());
    EXPECT_EQ(prompts->messages().size(), shown);

    clickNode(QStringLiteral("2o"));
    type(box("tKvart"), QStringLiteral("25"));
    prompts->answers.push_back(platform::MsgAnswer::No);
    w.close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(reference::BaseConn().IsOpen());
    EXPECT_EQ(prompts->calls.back().message.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(prompts->calls.back().message.defaultAnswer, platform::MsgAnswer::No);
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Вийти без збереження?")));
    // On the real message box Enter answers "Ні": the work stays.
    std::unique_ptr<platform::Prompts> scripted = platform::setPrompts(std::make_unique<platform::QtPrompts>());
    QMessageBox::StandardButton enterPresses = QMessageBox::NoButton;
    widgettesting::whenModal(QString(), [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        enterPresses = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);
    });
    w.close();
    platform::setPrompts(std::move(scripted));
    EXPECT_EQ(enterPresses, QMessageBox::No);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(reference::BaseConn().IsOpen());
    prompts->answers.push_back(platform::MsgAnswer::No);
    control<QAction>("mnuExit")->trigger();
    EXPECT_TRUE(w.isVisible());

    // A save of some of the parcels keeps the question; a save of all of them ends it.
    const QString out = QDir(testsupport::tempDir()).filePath(QStringLiteral("part.in4"));
    node(QStringLiteral("1o"))->setCheckState(0, Qt::Checked);
    answerOpen(out, 4);
    control<QAction>("mnuSaveCheket")->trigger();
    ASSERT_TRUE(QFileInfo(out).isFile());
    EXPECT_TRUE(model::state().Modified);
    answerOpen(QDir(testsupport::tempDir()).filePath(QStringLiteral("points.gbd")), 3);
    control<QAction>("mnuSave")->trigger();
    EXPECT_TRUE(model::state().Modified); // a point list keeps no texts
    answerOpen(QDir(testsupport::tempDir()).filePath(QStringLiteral("all.in5")), 2);
    control<QAction>("mnuSave")->trigger();
    EXPECT_FALSE(model::state().Modified);
    EXPECT_TRUE(w.QueryUnload());

    // A change after the save, answered "Yes": the window closes.
    control<QAction>("mnuZsp")->trigger();
    EXPECT_TRUE(model::state().Modified);
    prompts->answers.push_back(platform::MsgAnswer::Yes);
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(reference::BaseConn().IsOpen());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}
