// The batch commands of the main window: the menus open the batch dialog in their mode, and the
// window shows what an import brought, or keeps what it had when the import failed.

#include "tests/mainwindow/mainwindowtesting.h"

#include "model/batchreader.h"
#include "model/forms/frmArt.h"
#include "platform/codepage.h"
#include "tests/model/unreadablefiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using mainwindowtesting::MainWindowTest;

namespace {

QString folderWith(const std::vector<std::pair<const char *, QStringList>> &files)
{
    const QString folder = testsupport::tempDir();
    for (const auto &[name, lines] : files) {
        QFile f(QDir(folder).filePath(QString::fromLatin1(name)));
        const QByteArray bytes = platform::Encode(lines.join("\r\n") + "\r\n", platform::CodePage::Dos);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            ADD_FAILURE() << name;
    }
    return folder;
}

const QStringList twoParcels = {
    "BL,BC=\"1\",", "DS=\"3222486201\",", "SD=\"Київська обл., Києво-Святошинський р-н\",",
    "SR,SC=\"0001\",", "NM=\"Бондар\",", "AD=\"вул. Садова, 1\",", "AU=\"м. Київ\",", "PZ=\"РС,1\",",
    "KF=\"111\",", "PP=\"паспорт\",", "KZ=\"22\",",
    "N=1,NP=\"1\",X=0,Y=0,", "N=2,NP=\"2\",X=10,Y=0,", "N=3,NP=\"3\",X=10,Y=10,",
    "CN=\"001.00\",", "N=1,NP=\"1\",X=0,Y=0,", "N=2,NP=\"2\",X=5,Y=0,", "N=3,NP=\"3\",X=5,Y=5,",
    "CN=\"002.00\",",
    "NB=\"\",", "NM=\"Мороз\",",
};

} // namespace

TEST_F(MainWindowTest, BatchMenusOpenTheDialogInTheirMode)
{
    open();
    const struct {
        const char *menu;
        int mode;
        const char *caption;
    } menus[] = {
        {"mnuArt", model::BatchContour, "Виберіть каталог з файлами *.art"},
        {"mnuImpTxt", model::BatchPointList, "Виберіть каталог з файлами *.txt"},
        {"mnuManyIn4", model::BatchIn4, "Виберіть каталог з файлами *.in4"},
        {"mnuPrint", model::BatchPrint, "Виберіть каталог з файлами *.doc"},
    };
    for (const auto &m : menus) {
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QLatin1String("frmArt"))
                return;
            modal = true;
            caption = dialog->windowTitle();
            dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        });
        EXPECT_TRUE(control<QAction>(m.menu)->isEnabled()) << m.menu;
        control<QAction>(m.menu)->trigger();
        EXPECT_TRUE(modal) << m.menu;
        EXPECT_EQ(caption, QString::fromUtf8(m.caption)) << m.menu;
        EXPECT_EQ(model::state().BatchMode, m.mode) << m.menu;
    }
    EXPECT_EQ(model::state().Parcels.UBound(), 0); // cancelled: nothing imported
}

TEST_F(MainWindowTest, AnIn4ImportRightAfterTheStartShowsItsTreeAndCommands)
{
    frmMain &w = open();
    EXPECT_FALSE(control<QMenu>("mnuExport")->menuAction()->isEnabled());
    const QString folder = folderWith({{"a.in4", twoParcels}, {"b.in4", {"SR,SC=\"0002\",", "NM=\"Шевчук\","}}});

    std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchIn4);
    dialog->Dir1_Change(folder);
    dialog->Command1_Click();
    EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join("; ").toStdString();

    QTreeWidget *t = tree();
    ASSERT_EQ(t->topLevelItemCount(), 3);
    QTreeWidgetItem *first = t->topLevelItem(0);
    EXPECT_EQ(frmMain::NodeKey(first), "1o");
    EXPECT_EQ(first->text(0), "Бондар");
    EXPECT_EQ(frmMain::NodeImage(first), 1); // a 6-zem row 22 parcel keeps the plain picture
    const struct {
        const char *key, *text;
        int image;
    } children[] = {
        {"1_a", "м. Київ", 7}, {"1_d", "вул. Садова, 1", 4}, {"1_r", "РС,1", 3}, {"1_k", "111", 5},
        {"1_p", "паспорт", 6}, {"1_z", "22", 10},  {"1_1u", "001.00", 2},        {"1_2u", "002.00", 2},
    };
    ASSERT_EQ(first->childCount(), int(std::size(children)));
    for (int i = 0; i < first->childCount(); ++i) {
        EXPECT_EQ(frmMain::NodeKey(first->child(i)), children[i].key);
        EXPECT_EQ(first->child(i)->text(0), QString::fromUtf8(children[i].text)) << children[i].key;
        EXPECT_EQ(frmMain::NodeImage(first->child(i)), children[i].image) << children[i].key;
        EXPECT_FALSE(first->child(i)->icon(0).isNull()) << children[i].key;
        EXPECT_EQ(first->child(i)->checkState(0), Qt::Unchecked);
    }
    EXPECT_EQ(t->topLevelItem(1)->text(0), "Мороз");
    EXPECT_EQ(t->topLevelItem(1)->childCount(), 6);
    EXPECT_EQ(t->topLevelItem(2)->text(0), "Шевчук");

    for (const char *name : {"SSTab1", "cmbCil", "bMap", "frMash", "frArea", "cmbType", "bAdd", "frServ"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QMenu>("mnuExport")->menuAction()->isEnabled()); // exported like an opened file
    for (const char *key : {"Sel", "Save", "Change"}) {
        EXPECT_TRUE(w.tBarButton(QString::fromLatin1(key))->isEnabled()) << key;
        EXPECT_FALSE(w.tBarButton(QString::fromLatin1(key))->property("mixed").toBool()) << key;
    }
    for (const char *menu : {"mnuSel", "mnuSave", "mnuMass"})
        EXPECT_TRUE(control<QAction>(menu)->isEnabled()) << menu;
    EXPECT_EQ(panel(2), "Ділянок: 3; Угідь: 2; Пікетів: 6");
    EXPECT_EQ(panel(3), "Вибрано: 0");

    // The imported parcels are exported like opened ones.
    control<QAction>("mnuExpMif")->trigger();
    EXPECT_TRUE(QFileInfo(QDir(dataDir).filePath("Export/dil.mif")).isFile());
}

TEST_F(MainWindowTest, AnImportReplacesWhatWasShownAndFilesWithoutParcelsAreRefused)
{
    frmMain &w = open();
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    w.MyTree_NodeClick(node(QStringLiteral("2o")));
    ASSERT_EQ(w.panelParcel(), 2);
    ASSERT_EQ(w.drawnParcel(), 2);

    const QString contours = folderWith({{"a.art", {"Поле", "1 0 0", "2 0 10", "3 10 10"}}});
    std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchContour);
    dialog->Dir1_Change(contours);
    dialog->Command1_Click();
    EXPECT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), "Поле");
    EXPECT_EQ(w.panelParcel(), 0);
    EXPECT_EQ(w.drawnParcel(), 0);
    EXPECT_EQ(control<QTreeWidget>("lstKoord")->topLevelItemCount(), 0);
    EXPECT_TRUE(control<QLineEdit>("tNM")->text().isEmpty());
    EXPECT_EQ(model::state().CurParcel, 0);
    EXPECT_EQ(panel(2), "Ділянок: 1; Угідь: 0; Пікетів: 3");

    // Files without a parcel are refused; the imported parcel stays.
    const QString headerOnly = folderWith({{"a.in4", {"DS=\"3222486201\",", "SD=\"1\","}}});
    dialog = w.BatchDialog(model::BatchIn4);
    dialog->Dir1_Change(headerOnly);
    dialog->Command1_Click();
    EXPECT_EQ(prompts->messages(), QStringList{"Файли не імпортовано.\nУ вибраних файлах немає жодної ділянки."});
    EXPECT_EQ(tree()->topLevelItemCount(), 1);

    // Without parcels the tree procedures turn the commands that need them off.
    model::state().Parcels.Clear();
    w.EnableMainControls();
    w.RebuildMainTree();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    for (const char *name : {"SSTab1", "cmbCil", "bMap", "frServ"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    EXPECT_FALSE(control<QMenu>("mnuExport")->menuAction()->isEnabled());
    for (const char *key : {"Sel", "Save", "Change"})
        EXPECT_FALSE(w.tBarButton(QString::fromLatin1(key))->isEnabled()) << key;
    for (const char *menu : {"mnuSel", "mnuSave", "mnuMass"})
        EXPECT_FALSE(control<QAction>(menu)->isEnabled()) << menu;
}

TEST_F(MainWindowTest, AFailedImportLeavesTheWindowAsItWas)
{
    frmMain &w = open();
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    w.MyTree_NodeClick(node(QStringLiteral("3o")));
    const int parcels = tree()->topLevelItemCount();
    const QString status = panel(2);
    const QString owner = control<QLineEdit>("tNM")->text();

    // The first file begins with "l": its points belong to no parcel.
    const QString folder = folderWith({{"a.art", {"l", "1 0 0"}}, {"b.art", {"Друге", "2 0 5"}}});
    std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchContour);
    dialog->Dir1_Change(folder);
    dialog->Command1_Click();

    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages().first().endsWith("a.art, рядок 2")) << prompts->messages().first().toStdString();
    EXPECT_EQ(tree()->topLevelItemCount(), parcels);
    EXPECT_EQ(model::state().Parcels.UBound(), parcels);
    EXPECT_EQ(panel(2), status);
    EXPECT_EQ(control<QLineEdit>("tNM")->text(), owner);
    EXPECT_EQ(w.panelParcel(), 3);
    EXPECT_EQ(w.drawnParcel(), 3);
}

TEST_F(MainWindowTest, AnImportOverUnsavedChangesAsksFirstAndLeavesNothingMarked)
{
    frmMain &w = open();
    openSample();
    const model::ParcelList loaded = model::state().Parcels;
    const QString folder = folderWith({{"a.art", {"Поле", "1 0 0", "2 0 10", "3 10 10"}}});
    bool shown = false;
    // Runs the dialog once it is up: the folder's files imported.
    const auto importWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<frmArt *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = true;
            dialog->Dir1_Change(folder);
            dialog->Command1_Click();
        });
    };

    model::state().Modified = true; // as the window's edits leave it
    prompts->answers.push_back(platform::MsgAnswer::No);
    importWhenShown();
    control<QAction>("mnuArt")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(prompts->calls.back().message.defaultAnswer, platform::MsgAnswer::No);
    EXPECT_TRUE(prompts->messages().last().endsWith("Імпортувати файли без збереження?"));
    EXPECT_EQ(model::state().Parcels, loaded);
    EXPECT_TRUE(model::state().Modified);

    // Printing replaces nothing, so it does not ask.
    const size_t asked = prompts->calls.size();
    bool printShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            printShown = dialog->objectName() == QLatin1String("frmArt");
            dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        }
    });
    control<QAction>("mnuPrint")->trigger();
    EXPECT_TRUE(printShown);
    EXPECT_EQ(prompts->calls.size(), asked);

    // "Так": the import replaces the parcels, and nothing of them is changed yet, so leaving
    // asks nothing.
    prompts->answers.push_back(platform::MsgAnswer::Yes);
    importWhenShown();
    control<QAction>("mnuArt")->trigger();
    EXPECT_TRUE(shown);
    ASSERT_EQ(model::state().Parcels.UBound(), 1);
    EXPECT_FALSE(model::state().Modified);
    const size_t before = prompts->calls.size();
    EXPECT_TRUE(w.QueryUnload());
    EXPECT_EQ(prompts->calls.size(), before);
}

// Contour files read in the DOS code page: one saved in Windows and one in UTF-8 would bring
// their names in as nonsense; the window names both and keeps its parcels unless told otherwise.
TEST_F(MainWindowTest, ContourFilesInAnotherEncodingAreNamedBeforeTheyReplaceTheParcels)
{
    frmMain &w = open();
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    w.MyTree_NodeClick(node(QStringLiteral("2o")));
    const model::ParcelList loaded = model::state().Parcels;
    const QString status = panel(2);
    const QString owner = control<QLineEdit>("tNM")->text();

    const QString folder = folderWith({{"a.art", {"Поле Шевченка", "1 0 0", "2 0 10", "3 10 10"}}});
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile f(QDir(folder).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const QString text = QStringLiteral("Ділянка біля ставу\r\n1 0 0\r\n2 0 10\r\n3 10 10\r\n");
    write("b.art", platform::Encode(text, platform::CodePage::Win));
    write("c.art", text.toUtf8());

    // "Скасувати": nothing of the files is taken, and the window shows what it showed.
    prompts->calls.clear();
    prompts->answers.push_back(platform::MsgAnswer::Cancel);
    std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchContour);
    dialog->Dir1_Change(folder);
    dialog->Command1_Click();
    ASSERT_EQ(prompts->calls.size(), 1u);
    const platform::MessageRequest &m = prompts->calls[0].message;
    EXPECT_TRUE(m.text.contains("\n\nb.art — WIN\nc.art — UTF-8\n\n")) << m.text.toStdString();
    EXPECT_FALSE(m.text.contains("a.art"));
    EXPECT_TRUE(m.text.contains("зберегти в кодуванні DOS")) << m.text.toStdString();
    EXPECT_EQ(m.buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(model::state().Parcels, loaded);
    EXPECT_EQ(tree()->topLevelItemCount(), loaded.UBound());
    EXPECT_EQ(panel(2), status);
    EXPECT_EQ(control<QLineEdit>("tNM")->text(), owner);
    EXPECT_EQ(w.panelParcel(), 2);

    // "OK": imported as read, one parcel per file.
    prompts->answers.push_back(platform::MsgAnswer::Ok);
    dialog = w.BatchDialog(model::BatchContour);
    dialog->Dir1_Change(folder);
    dialog->Command1_Click();
    EXPECT_EQ(prompts->calls.size(), 2u);
    ASSERT_EQ(model::state().Parcels.UBound(), 3);
    EXPECT_EQ(model::state().Parcels[1].NM, "Поле Шевченка");
    EXPECT_EQ(tree()->topLevelItemCount(), 3);
}

// A named pipe, a link to /dev/zero, a folder or a file far too large among the files imported is
// refused at once with the reason, and the parcels loaded before stay.
TEST_F(MainWindowTest, AnImportOfWhatIsNoRegularFileOrFarTooLargeIsRefusedAtOnce)
{
    frmMain &w = open();
    openSample();
    const model::ParcelList loaded = model::state().Parcels;
    const QString counts = panel(2);
    for (const unreadable::Kind &u : unreadable::kinds()) {
        SCOPED_TRACE(u.what);
        const QString folder = folderWith({{"a.art", {"Поле", "1 0 0", "2 0 10", "3 10 10"}}});
        const QString path = QDir(folder).filePath(QStringLiteral("x.art"));
        ASSERT_TRUE(u.make(path));
        std::unique_ptr<frmArt> dialog = w.BatchDialog(model::BatchContour);
        dialog->Dir1_Change(folder);
        // The list offers the file far too large and the link to /dev/zero as files; either is
        // refused when read, as what the list leaves out would be.
        prompts->calls.clear();
        QElapsedTimer clock;
        clock.start();
        {
            const unreadable::PipeWatch watch(path);
            dialog->ReadImportFiles(folder + u'/', {QStringLiteral("a.art"), QStringLiteral("x.art")});
        }
        EXPECT_LT(clock.elapsed(), 1000);
        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_TRUE(prompts->messages()[0].startsWith(QStringLiteral("Файли не імпортовано.\n") + QString::fromUtf8(u.said)))
            << prompts->messages()[0].toStdString();
        EXPECT_EQ(model::state().Parcels, loaded);
        EXPECT_EQ(tree()->topLevelItemCount(), loaded.UBound());
        EXPECT_EQ(panel(2), counts);
    }
}
