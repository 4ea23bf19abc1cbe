#include "tests/mainwindow/mainwindowtesting.h"

#include "mainwindow/frmHelp.h"
#include "mainwindow/frmMap.h"
#include "mainwindow/windowplace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using mainwindowtesting::MainWindowTest;

namespace {

const char *const DataControls[] = {"SSTab1", "cmbCil", "bMap", "frMash", "frArea", "cmbType", "bAdd", "frServ"};
const char *const NeedParcels[] = {"GoGo", "Kat", "Sel", "Save", "Change", "SaveChk"};
const char *const AlwaysThere[] = {"OpenF", "GetTerra", "EditSht", "Exit"};

model::Parcel parcel(const QString &nm, const QString &kz, int landUses)
{
    model::Parcel p;
    p.NM = nm;
    p.KZ = kz;
    p.AU = nm + QStringLiteral(" адреса");
    p.KF = QStringLiteral("KF") + nm;
    p.PP = QStringLiteral("паспорт");
    p.PZ = QStringLiteral("РС,1,01.01.2005");
    p.AD = QStringLiteral("вул. Садова");
    p.Number = QStringLiteral("0001");
    p.DB = QString();
    p.ParcelKoatuu = QStringLiteral("3222486201");
    for (int j = 1; j <= landUses; ++j) {
        model::LandUseArea a;
        a.CN = QStringLiteral("%1,угіддя").arg(j);
        p.LandUses.Add(a);
    }
    return p;
}

void setParcels(std::initializer_list<model::Parcel> parcels)
{
    model::state().Parcels.Clear();
    for (const model::Parcel &p : parcels)
        model::state().Parcels.Add(p);
}

} // namespace

TEST_F(MainWindowTest, StartsWithoutDataAndWithOptionDefaults)
{
    // The parameters and options of a previous run are set back.
    reference::state().BuildArea = 9;
    mainwindow::state().DsFlag = false;
    documents::options().OutputFolder = QStringLiteral("/old/");
    model::state().TerritoryText = QStringLiteral("стара");
    frmMain &w = open();

    EXPECT_EQ(model::state().Parcels.UBound(), 0);
    EXPECT_TRUE(model::state().TerritoryText.isEmpty());
    EXPECT_TRUE(documents::options().OutputFolder.isEmpty());
    EXPECT_EQ(reference::state().BuildArea, 0.25);
    EXPECT_EQ(reference::state().AreaRange, 1.0);
    const mainwindow::State &s = mainwindow::state();
    EXPECT_TRUE(s.DsFlag);
    EXPECT_FALSE(s.CiloveFlag);
    EXPECT_TRUE(s.ShowLengths && s.ShowPointNumbers && s.ShowNeighbours && s.ShowLandUse);
    EXPECT_FALSE(s.GroupMode);
    EXPECT_EQ(s.StorageChoice, 2);
    EXPECT_EQ(s.ZovaVariant, 1);
    EXPECT_EQ(s.WhoChoice, 1);
    EXPECT_EQ(s.AreaUnit, 0);

    for (const char *key : NeedParcels) {
        ASSERT_NE(w.tBarButton(QString::fromLatin1(key)), nullptr) << key;
        EXPECT_FALSE(w.tBarButton(QString::fromLatin1(key))->isEnabled()) << key;
        EXPECT_TRUE(w.tBarButton(QString::fromLatin1(key))->property("mixed").toBool()) << key;
    }
    for (const char *key : AlwaysThere)
        EXPECT_TRUE(w.tBarButton(QString::fromLatin1(key))->isEnabled()) << key;
    for (const char *name : DataControls)
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    for (const char *name : {"mnuSaveCheket", "mnuGo", "mnuKat", "mnuSel", "mnuMass", "mnuSave"})
        EXPECT_FALSE(control<QAction>(name)->isEnabled()) << name;
    EXPECT_FALSE(control("bGo")->isEnabled());
    EXPECT_FALSE(control<QMenu>("mnuExport")->menuAction()->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuOpen")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuDS")->isChecked());
    EXPECT_FALSE(control<QAction>("mnuCilove")->isChecked());
    EXPECT_TRUE(panel(3).isEmpty());

    EXPECT_FALSE(control("tZone")->isEnabled());
    EXPECT_FALSE(control("tKvart")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("tZone")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QComboBox>("cmbZova")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cmbZberig")->currentText(), QStringLiteral("Відповідна рада"));
    EXPECT_EQ(control<QComboBox>("cmbZberig")->currentData().toInt(), 2);
    EXPECT_EQ(control<QComboBox>("cmbType")->currentText(), QStringLiteral("A4 книжкова"));
    EXPECT_EQ(control<QComboBox>("cmbMash")->currentText(), QStringLiteral("100"));
    EXPECT_FALSE(control("cmbMash")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("Opt_0")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("OPtMash_0")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optArea_0")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chGroup")->isChecked());
    EXPECT_FALSE(control("bEdit")->isEnabled());

    // The purposes come from the database, none chosen.
    auto *cil = control<QComboBox>("cmbCil");
    EXPECT_GT(cil->count(), 0);
    EXPECT_EQ(cil->currentIndex(), -1);
    EXPECT_TRUE(QFileInfo(QDir(dataDir).filePath(QStringLiteral("Export"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("Export"))));
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(MainWindowTest, LayoutHoldsTheNamedControlsWithTheirCaptions)
{
    open();
    const struct {
        const char *name;
        const char *caption;
    } captions[] = {
        {"chLen", "Міри ліній"}, {"chPoint", "Номери точок"}, {"chSm", "Суміжники"}, {"chUgd", "Угіддя"},
        {"chGroup", "Групувати"}, {"Opt_0", "Кадастровий"}, {"Opt_2", "Попереднє погодження"},
        {"Opt_7", "Технічна документація (прив.власність)"}, {"OPtMash_1", "Вказати"}, {"optArea_1", "га."},
        {"Command1", "-=::: Внести зміни :::=-"}, {"lFind", "Пошук по тексту"}, {"lZone", "Зона"},
        {"lKvart", "Квартал"},
    };
    for (const auto &c : captions) {
        QWidget *w = control(c.name);
        ASSERT_NE(w, nullptr);
        const QString text = w->property("text").toString();
        EXPECT_EQ(text, QString::fromUtf8(c.caption)) << c.name;
    }
    const struct {
        const char *name;
        const char *title;
    } frames[] = {{"frMash", "Масштаб"}, {"frArea", "Площа"}};
    for (const auto &f : frames)
        EXPECT_EQ(control<QGroupBox>(f.name)->title(), QString::fromUtf8(f.title));
    for (const char *name : {"pict", "lDir", "lstKoord", "lInfo", "lKoatu", "tFind", "tVal", "bxMinus", "bxPlus",
                             "byMinus", "byPlus", "bSplit", "bGo", "bEdit", "tNM", "tAD", "tAU", "tPZ", "tKZ",
                             "tPP", "tKF", "SSTab2", "cmbWho", "lbHelp"})
        control(name);
    EXPECT_FALSE(control("lDir")->isVisibleTo(window.get()));
    EXPECT_EQ(control<QTabWidget>("SSTab1")->count(), 3);
    EXPECT_EQ(control<QTabWidget>("SSTab1")->tabText(1), QStringLiteral("Акти"));
    EXPECT_EQ(control<QTabWidget>("SSTab1")->tabText(2), QStringLiteral("Документи"));
    EXPECT_EQ(control<QTabWidget>("SSTab2")->tabText(0), QStringLiteral("Де зберігається"));
    auto *koord = control<QTreeWidget>("lstKoord");
    EXPECT_EQ(koord->headerItem()->text(0), QStringLiteral("N"));
    EXPECT_EQ(koord->headerItem()->text(2), QStringLiteral("Y"));
    auto *zova = control<QComboBox>("cmbZova");
    EXPECT_EQ(zova->count(), 8);
    EXPECT_EQ(zova->itemText(4), QStringLiteral("План + 6зем. (приватн.)  "));
    EXPECT_EQ(zova->itemData(7).toInt(), 8);
    EXPECT_EQ(control<QComboBox>("cmbMash")->itemText(9), QStringLiteral("50000"));
    const QTimer *t1 = window->findChild<QTimer *>(QStringLiteral("Timer1"));
    const QTimer *tmr = window->findChild<QTimer *>(QStringLiteral("tmr"));
    ASSERT_TRUE(t1 && tmr);
    EXPECT_TRUE(t1->isActive());
    EXPECT_EQ(t1->interval(), 200);
    EXPECT_FALSE(tmr->isActive());

    const struct {
        const char *name;
        const char *caption;
    } menus[] = {
        {"mnuOpen", "Відкрити файл"}, {"mnuSave", "Записати файл"}, {"mnuSaveCheket", "Записати у файл вибране"},
        {"mnuSel", "Вибрати все"}, {"mnuMass", "Присвоїти значення..."}, {"mnuTerra", "Визначити територію"},
        {"mnuShtamp", "Редагувати штамп"}, {"mnuFnt", "Шрифти..."}, {"mnuCil", "Параметри..."},
        {"mnuCilove", "Цільове в штампі згідно 6-зем."}, {"mnuDS", "Коату в кад.номері - ГЛОБАЛЬНЕ"},
        {"mnuFind", "Пошук по коду ділянки"}, {"mnuZmist", "Зміст"}, {"mnuAbout", "Про мене..."},
        {"mnuGo", "Зробити план"}, {"mnuKat", "Зробити каталог координат"}, {"mnuZsp", "Землі спільної (сумісної) вл."},
        {"mnuSecond", "Друга ділянка"}, {"mnuEditParts", "Обробити угіддя..."}, {"mnuExpMif", "mif/mid"},
        {"mnuArt", "*.art"}, {"mnuPrint", "Друкувати креслення"}, {"mnuNakl", "Зробити накладну"},
        {"mnuSpis1", "Список № 1"},
    };
    for (const auto &m : menus)
        EXPECT_EQ(control<QAction>(m.name)->text(), QString::fromUtf8(m.caption)) << m.name;
    EXPECT_EQ(control<QMenu>("mnuOpc")->title(), QStringLiteral("Опції"));
    EXPECT_EQ(control<QMenu>("mnuHelp")->title(), QStringLiteral("Допомога"));
    EXPECT_EQ(control<QMenu>("mnuImport")->title(), QStringLiteral("Імпорт"));
}

TEST_F(MainWindowTest, ExportFolderIsCreatedOnlyWhenNothingOfThatNameExists)
{
    const QString exportPath = QDir(dataDir).filePath(QStringLiteral("Export"));
    {
        // A plain file of that name stays and is reported.
        QFile f(exportPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    open();
    EXPECT_TRUE(QFileInfo(exportPath).isFile());
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().first().contains(QStringLiteral("Export")));
    window.reset();

    // An existing folder is left as it is, its files kept, and nothing is said.
    QFile::remove(exportPath);
    ASSERT_TRUE(QDir().mkdir(exportPath));
    QFile kept(QDir(exportPath).filePath(QStringLiteral("a.mif")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    prompts->calls.clear();
    open();
    EXPECT_TRUE(kept.exists());
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(MainWindowTest, FillTreeBuildsKeysTextsAndPicturesInParcelOrder)
{
    frmMain &w = open();
    setParcels({parcel("Іваненко", "22", 0), parcel("Петренко", "21", 0), parcel("Сидоренко", "", 1),
                parcel("Ковальчук", "21.0", 0), parcel("Бондар", "021", 0), parcel("Ткач", "21 сг", 0),
                parcel("Мельник", "21.5", 2)});
    w.FillTree();

    QTreeWidget *t = tree();
    ASSERT_EQ(t->topLevelItemCount(), 7);
    // 10 nodes per parcel and one per land-use area.
    int nodes = 0;
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        nodes += 1 + t->topLevelItem(i)->childCount();
    EXPECT_EQ(nodes, 10 * 7 + 3);

    const int images[] = {15, 16, 1, 16, 16, 16, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(frmMain::NodeImage(t->topLevelItem(i)), images[i]) << "parcel " << i + 1;

    QTreeWidgetItem *p7 = t->topLevelItem(6);
    EXPECT_EQ(frmMain::NodeKey(p7), QStringLiteral("7o"));
    EXPECT_EQ(p7->text(0), QStringLiteral("Мельник"));
    const struct {
        const char *key;
        QString text;
        int image;
    } children[] = {
        {"7_a", QStringLiteral("Мельник адреса"), 11}, {"7_k", QStringLiteral("KFМельник"), 12},
        {"7_p", QStringLiteral("паспорт"), 13}, {"7_r", QStringLiteral("РС,1,01.01.2005"), 14},
        {"7_d", QStringLiteral("вул. Садова"), 4}, {"7_z", QStringLiteral("21.5"), 10},
        {"7_c", QStringLiteral("0001"), 5}, {"7_w", QString(), 6}, {"7_y", QStringLiteral("3222486201"), 17},
        {"7_1u", QStringLiteral("1,угіддя"), 2}, {"7_2u", QStringLiteral("2,угіддя"), 2},
    };
    ASSERT_EQ(p7->childCount(), 11);
    for (int j = 0; j < 11; ++j) {
        QTreeWidgetItem *c = p7->child(j);
        EXPECT_EQ(frmMain::NodeKey(c), QString::fromLatin1(children[j].key));
        EXPECT_EQ(c->text(0), children[j].text) << children[j].key;
        EXPECT_EQ(frmMain::NodeImage(c), children[j].image) << children[j].key;
        EXPECT_EQ(c->checkState(0), Qt::Unchecked);
        EXPECT_FALSE(c->icon(0).isNull()) << children[j].key;
    }
    EXPECT_EQ(t->topLevelItem(0)->childCount(), 9);
    EXPECT_FALSE(p7->isExpanded());
    for (const char *key : {"Sel", "Save", "Change"}) {
        EXPECT_TRUE(w.tBarButton(QString::fromLatin1(key))->isEnabled());
        EXPECT_FALSE(w.tBarButton(QString::fromLatin1(key))->property("mixed").toBool());
    }
    EXPECT_FALSE(w.tBarButton(QStringLiteral("GoGo"))->isEnabled());

    // A refill without parcels empties the tree and still enables those commands.
    model::state().Parcels.Clear();
    w.FillTree();
    EXPECT_EQ(t->topLevelItemCount(), 0);
    EXPECT_TRUE(control<QAction>("mnuSave")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuMass")->isEnabled());
}

TEST_F(MainWindowTest, CheckingNodesSelectsWholeParcelsAndCounts)
{
    frmMain &w = open();
    setParcels({parcel("А", "22", 1), parcel("Б", "21", 0), parcel("В", "", 2)});
    w.FillTree();
    w.UpdateSelection();
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));
    EXPECT_FALSE(w.AnyParcelChecked());
    EXPECT_FALSE(control("bGo")->isEnabled());

    // The operator ticks a land-use node of parcel 1 and the parcel node of parcel 3.
    node(QStringLiteral("1_1u"))->setCheckState(0, Qt::Checked);
    node(QStringLiteral("3o"))->setCheckState(0, Qt::Checked);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 2"));
    EXPECT_EQ(model::state().Parcels[1].Selected, -1);
    EXPECT_EQ(model::state().Parcels[2].Selected, 0);
    EXPECT_EQ(model::state().Parcels[3].Selected, -1);
    for (const char *key : {"1o", "1_a", "1_y", "3_2u"})
        EXPECT_EQ(node(QString::fromLatin1(key))->checkState(0), Qt::Checked) << key;
    EXPECT_EQ(node(QStringLiteral("2o"))->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(w.AnyParcelChecked());
    for (const char *key : {"GoGo", "Kat", "SaveChk"}) {
        EXPECT_TRUE(w.tBarButton(QString::fromLatin1(key))->isEnabled());
        EXPECT_FALSE(w.tBarButton(QString::fromLatin1(key))->property("mixed").toBool());
    }
    for (const char *name : {"mnuSaveCheket", "mnuGo", "mnuKat"})
        EXPECT_TRUE(control<QAction>(name)->isEnabled()) << name;
    EXPECT_TRUE(control("bGo")->isEnabled());

    // Unticking a field node of parcel 1 clears the whole parcel.
    node(QStringLiteral("1_k"))->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(node(QStringLiteral("1o"))->checkState(0), Qt::Unchecked);
    EXPECT_EQ(model::state().Parcels[1].Selected, 0);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
    // A text change of a node is no check.
    node(QStringLiteral("2o"))->setText(0, QStringLiteral("Б2"));
    EXPECT_EQ(model::state().Parcels[2].Selected, 0);
}

TEST_F(MainWindowTest, EnablingFollowsCheckedNodesWhileTheCountFollowsFlags)
{
    frmMain &w = open();
    setParcels({parcel("А", "22", 0)});
    w.FillTree();
    {
        // A child checked without its parcel, as only a change outside the tree's handling can do.
        const QSignalBlocker quiet(tree());
        node(QStringLiteral("1_a"))->setCheckState(0, Qt::Checked);
    }
    w.UpdateSelection();
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));
    EXPECT_TRUE(w.tBarButton(QStringLiteral("GoGo"))->isEnabled());
}

TEST_F(MainWindowTest, SelectAllTogglesEverythingAndTheMark)
{
    frmMain &w = open();
    setParcels({parcel("А", "22", 1), parcel("Б", "21", 0)});
    w.FillTree();
    // A hand-made check in between does not move the mark.
    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);

    control<QAction>("mnuSel")->trigger();
    EXPECT_TRUE(control<QAction>("mnuSel")->isChecked());
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 2"));
    EXPECT_EQ(node(QStringLiteral("1_1u"))->checkState(0), Qt::Checked);
    EXPECT_EQ(model::state().Parcels[1].Selected, -1);

    // The toolbar's button runs the same command.
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("Sel")));
    EXPECT_FALSE(control<QAction>("mnuSel")->isChecked());
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 0"));
    EXPECT_FALSE(w.AnyParcelChecked());
    EXPECT_EQ(model::state().Parcels[2].Selected, 0);
    EXPECT_FALSE(w.tBarButton(QStringLiteral("Kat"))->isEnabled());
}

TEST_F(MainWindowTest, ToolbarDispatchesByKey)
{
    frmMain &w = open();
    // A key without a command, and a key in another case, do nothing.
    QAction point(QStringLiteral("Point"));
    point.setProperty("key", QStringLiteral("Point"));
    w.tBar_ButtonClick(&point);
    QAction lower(QStringLiteral("openf"));
    lower.setProperty("key", QStringLiteral("openf"));
    w.tBar_ButtonClick(&lower);
    EXPECT_TRUE(prompts->calls.empty());

    // "OpenF" asks for a file, with the five filters; cancelling changes nothing.
    w.tBarButton(QStringLiteral("OpenF"))->trigger();
    ASSERT_EQ(prompts->calls.size(), 1u);
    const platform::FileDialogRequest &r = prompts->calls[0].file;
    EXPECT_EQ(prompts->calls[0].kind, platform::ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(r.title, QStringLiteral("Відкрити обмінний файл"));
    EXPECT_TRUE(r.mustExist);
    EXPECT_EQ(r.filterIndex, 1);
    const char *const labels[] = {"Обмінні файли (*.in4)- DOS", "Обмінні файли (*.in4)- WIN", "Файли (*.in5)- DOS",
                                  "Файли (*.in5)- WIN", "Обмінні файли (Центр ДЗК)"};
    const char *const patterns[] = {"*.in4", "*.in4", "*.in5", "*.in5", "*.in4"};
    ASSERT_EQ(r.filters.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.filters[i].label, QString::fromUtf8(labels[i]));
        EXPECT_EQ(r.filters[i].pattern, QString::fromLatin1(patterns[i]));
    }
    EXPECT_EQ(model::state().Parcels.UBound(), 0);
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
}

TEST_F(MainWindowTest, AnimationRunsThroughTwelveFrames)
{
    frmMain &w = open();
    EXPECT_EQ(w.animationFrame(), 0);
    const struct {
        int ticks;
        int frame;
    } cases[] = {{1, 1}, {11, 12}, {1, 1}, {24, 1}};
    for (const auto &c : cases) {
        for (int i = 0; i < c.ticks; ++i)
            w.Timer1_Timer();
        EXPECT_EQ(w.animationFrame(), c.frame);
    }
    EXPECT_FALSE(control<QLabel>("stPanel1")->pixmap().isNull());
}

TEST_F(MainWindowTest, MenuFlagsToggleWithTheirMarks)
{
    open();
    auto *ds = control<QAction>("mnuDS");
    ds->trigger();
    EXPECT_FALSE(mainwindow::state().DsFlag);
    EXPECT_FALSE(ds->isChecked());
    ds->trigger();
    EXPECT_TRUE(mainwindow::state().DsFlag);
    EXPECT_TRUE(ds->isChecked());
    control<QAction>("mnuCilove")->trigger();
    EXPECT_TRUE(mainwindow::state().CiloveFlag);
    EXPECT_TRUE(control<QAction>("mnuCilove")->isChecked());
}

TEST_F(MainWindowTest, HelpShowsTheFileOfTheProgramFolderInItsOwnWindowOrSaysItIsMissing)
{
    open();
    control<QAction>("mnuZmist")->trigger();
    ASSERT_EQ(prompts->calls.size(), 1u);
    EXPECT_EQ(prompts->calls[0].message.text, QStringLiteral("Не можу знайти файл допомоги."));
    EXPECT_EQ(prompts->calls[0].message.title, QStringLiteral("Вибачайте"));
    EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Information);
    EXPECT_EQ(window->helpWindow(), nullptr);

    // A help file of two pages: contents with a link to a section, a page beside it, a web link.
    const auto write = [](const QString &path, const char *html) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html);
    };
    const QString helpFile = QDir(programDir).filePath(QStringLiteral("ZOVA.HLP"));
    write(helpFile, "<html><head><meta charset=\"utf-8\"></head><body><h1>Зміст</h1>"
                    "<a href=\"#open\">Відкриття</a> <a href=\"more.html\">Ще</a> <a href=\"https://example.org/\">Сайт</a>"
                    "<p style=\"margin-top:2000px\"><a name=\"open\"></a>Відкриття файлу</p></body></html>");
    write(QDir(programDir).filePath(QStringLiteral("more.html")), "<html><body><p>Друга сторінка</p></body></html>");
    control<QAction>("mnuZmist")->trigger();
    EXPECT_EQ(prompts->calls.size(), 1u);
    frmHelp *help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTextBrowser *text = help->browser();
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Зміст"))) << text->toPlainText().toStdString();
    EXPECT_TRUE(desktop->urls.isEmpty());

    emit text->anchorClicked(QUrl(QStringLiteral("#open")));
    EXPECT_EQ(text->source().fragment(), QStringLiteral("open"));
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Зміст")));
    emit text->anchorClicked(QUrl(QStringLiteral("more.html")));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Друга сторінка"));
    help->findChild<QPushButton *>(QStringLiteral("bBack"))->click();
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Зміст")));
    // A web address goes to the desktop; the help stays where it was.
    emit text->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(desktop->urls, QStringList{QStringLiteral("https://example.org/")});
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Зміст")));

    // Help again: the same window, back at its contents; a folder given with its trailing
    // separator finds the same file.
    emit text->anchorClicked(QUrl(QStringLiteral("more.html")));
    control<QAction>("mnuZmist")->trigger();
    EXPECT_EQ(window->helpWindow(), help);
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Зміст")));
    window = std::make_unique<frmMain>(programDir + QLatin1Char('/'), dataDir);
    control<QAction>("mnuZmist")->trigger();
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_EQ(window->helpWindow()->browser()->source().toLocalFile(), QFileInfo(helpFile).absoluteFilePath());
}

TEST_F(MainWindowTest, OverviewAndHelpOpenInsideTheScreen)
{
    frmMain &w = open();
    QFile help(QDir(programDir).filePath(QStringLiteral("ZOVA.HLP")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<p>Зміст</p>");
    help.close();
    const QRect area = w.screen()->availableGeometry();
    // The main window wherever the operator left it, even partly off the screen.
    for (const QPoint at : {QPoint(0, 0), QPoint(area.right() - 100, area.bottom() - 80), QPoint(-400, -300)}) {
        w.move(at);
        w.show();
        control<QToolButton>("bMap")->setEnabled(true);
        control<QToolButton>("bMap")->click();
        control<QAction>("mnuZmist")->trigger();
        for (QWidget *opened : {static_cast<QWidget *>(w.mapWindow()), static_cast<QWidget *>(w.helpWindow())}) {
            ASSERT_NE(opened, nullptr);
            EXPECT_TRUE(area.contains(opened->frameGeometry())) << at.x() << "," << at.y();
            opened->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A window larger than the screen is shrunk to it; one with room is centred over the other.
    QWidget big;
    big.resize(area.width() * 2, area.height() * 2);
    for (const QWidget *over : {static_cast<const QWidget *>(nullptr), static_cast<const QWidget *>(&w)}) {
        mainwindow::PlaceInsideScreen(&big, over);
        EXPECT_TRUE(area.contains(big.frameGeometry()));
        EXPECT_LT(big.height(), area.height());
    }
    QWidget small;
    small.resize(200, 100);
    w.move(area.topLeft());
    w.resize(600, 500);
    mainwindow::PlaceInsideScreen(&small, &w);
    // Up to the room kept for a title bar and frame that this platform does not draw.
    EXPECT_LE((small.frameGeometry().center() - w.frameGeometry().center()).manhattanLength(), 40);
}
TEST_F(MainWindowTest, ParametersDialogOpensWithTheCurrentValues)
{
    open();
    reference::state().KZ21Text = QStringLiteral("текст 21");
    QString tArr, t21;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        tArr = dialog->findChild<QLineEdit *>(QStringLiteral("tArr"))->text();
        t21 = dialog->findChild<QLineEdit *>(QStringLiteral("t21"))->text();
        qobject_cast<QDialog *>(dialog)->reject();
    });
    control<QAction>("mnuCil")->trigger();
    EXPECT_EQ(tArr, QLocale::system().toString(0.25));
    EXPECT_EQ(t21, QStringLiteral("текст 21"));

    bool fontsShown = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        fontsShown = dialog && dialog->objectName() == QStringLiteral("frmFnt");
        if (dialog)
            qobject_cast<QDialog *>(dialog)->reject();
    });
    control<QAction>("mnuFnt")->trigger();
    EXPECT_TRUE(fontsShown);
}

TEST_F(MainWindowTest, CloseBoxClosesTheDatabaseAndExitDoesNot)
{
    open();
    control<QAction>("mnuExit")->trigger();
    EXPECT_TRUE(reference::BaseConn().IsOpen());
    window->close();
    EXPECT_FALSE(reference::BaseConn().IsOpen());
    EXPECT_FALSE(window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    // The end of the program was asked for: until the application's loop has run, every later
    // dialog of this test program would return at once.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}
