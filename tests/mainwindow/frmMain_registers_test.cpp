// The registers' commands of the main window: the catalogue from the menu and the toolbar, the
// lists and the transmittal note from their menu items, and the list with cadastral numbers from a
// double click on the picture.

#include "tests/mainwindow/mainwindowtesting.h"
#include "tests/documents_forms/dialogtesting.h"

#include "office/wordapp.h"
#include "reference/baseconnection.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

using mainwindowtesting::MainWindowTest;

namespace {

class RegisterCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The program folder of the test gets the built templates; documents left open go to the
        // work folder in a data folder of the test's own.
        QFile::link(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots")), QDir(programDir).filePath(QStringLiteral("Dots")));
        dataHome = std::make_unique<testsupport::ScopedEnv>("XDG_DATA_HOME", QFile::encodeName(testsupport::tempDir()));
        workFolder = office::WordApp().WorkFolder();
        // The title block as an office fills it; the note names what it has no name for.
        reference::BaseConn().Execute(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.'"));
        reference::BaseConn().Execute(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
        frmMain &w = open();
        answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
        control<QAction>("mnuOpen")->trigger();
        (void)w;
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        dataHome.reset();
    }
    QStringList opened() const
    {
        QStringList names;
        for (const QString &path : desktop->opened)
            names << QFileInfo(path).fileName();
        return names;
    }

    std::unique_ptr<testsupport::ScopedEnv> dataHome;
    QString workFolder;
};

} // namespace

TEST_F(RegisterCommands, CatalogueFromTheMenuAndTheToolbar)
{
    frmMain &w = *window;
    EXPECT_FALSE(control<QAction>("mnuKat")->isEnabled());
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("Kat")));
    EXPECT_TRUE(prompts->messages().isEmpty()); // nothing checked: nothing asked

    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(control<QAction>("mnuKat")->isEnabled());
    const QString out = QDir(testsupport::tempDir()).filePath(QStringLiteral("catalogues"));
    QDir().mkpath(out);
    documents::options().OutputFolder = documents::OutputFolderOf(out);
    auto saveWithoutOpening = [] {
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
            d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
    };
    saveWithoutOpening();
    w.tBar_ButtonClick(w.tBarButton(QStringLiteral("Kat")));
    saveWithoutOpening();
    control<QAction>("mnuKat")->trigger();

    // The second run asks before it replaces the first one's file, and "Так" replaces it.
    const QString number = model::state().Parcels[2].Number;
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name), QStringList{number + QStringLiteral("_k.docx")});
    ASSERT_EQ(prompts->messages().size(), 3);
    EXPECT_TRUE(prompts->messages()[1].contains(QStringLiteral("з тими самими іменами: 1."))) << prompts->messages()[1].toStdString();
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Збережено документів: 1")))
        << prompts->messages().last().toStdString();
    EXPECT_GT(model::state().Parcels[2].Perimeter, 0);
}

TEST_F(RegisterCommands, ListsAndTheNoteFromTheirMenuItems)
{
    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    node(QStringLiteral("5o"))->setCheckState(0, Qt::Checked);
    for (const char *item : {"mnuSpis1", "mnuSpis2", "mnuNakl"})
        control<QAction>(item)->trigger();
    EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(opened(), (QStringList{QStringLiteral("Список 1.docx"), QStringLiteral("Список 2.docx"),
                                     QStringLiteral("Накладна.docx")}));
    for (const QString &path : desktop->opened)
        EXPECT_EQ(QFileInfo(path).absolutePath(), workFolder);

    // A parcel whose 6-zem row is not a number is named, and the list is made without it.
    model::state().Parcels[5].KZ = QStringLiteral("н/д");
    control<QAction>("mnuSpis1")->trigger();
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages()[0].contains(QStringLiteral("№ ") + model::state().Parcels[5].Number))
        << prompts->messages()[0].toStdString();
    EXPECT_EQ(opened().last(), QStringLiteral("Список 1 (2).docx"));

    // A note that nothing on the desktop could open is saved, and the operator is told where.
    desktop->result = false;
    control<QAction>("mnuNakl")->trigger();
    ASSERT_EQ(prompts->messages().size(), 2);
    EXPECT_TRUE(prompts->messages()[1].contains(QStringLiteral("не відкрито"))) << prompts->messages()[1].toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(workFolder).filePath(QStringLiteral("Накладна (2).docx"))));
}

TEST_F(RegisterCommands, CadastralListFromADoubleClickOnThePicture)
{
    node(QStringLiteral("2o"))->setCheckState(0, Qt::Checked);
    node(QStringLiteral("7o"))->setCheckState(0, Qt::Checked);
    QWidget *pict = control("pict");
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), pict->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pict, &click);

    ASSERT_EQ(opened(), QStringList{QStringLiteral("Кадастрові номери.docx")});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    office::WordApp app;
    office::Table t = app.Documents_Open(desktop->opened[0]).Tables(1);
    ASSERT_EQ(t.RowCount(), 4);
    const model::Parcel &p = model::state().Parcels[7];
    EXPECT_EQ(t.Cell(3, 1).Text(), QStringLiteral("2."));
    EXPECT_EQ(t.Cell(3, 2).Text(), QLatin1Char(' ') + p.NM);
    EXPECT_TRUE(t.Cell(3, 4).Text().startsWith(p.KoatuuPart.text() + QStringLiteral(":01:024:"))) << t.Cell(3, 4).Text().toStdString();
}
