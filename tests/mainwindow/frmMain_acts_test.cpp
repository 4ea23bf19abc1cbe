// Acts made from the main window as the operator makes them: the kind from its option buttons, who
// signs and where the act is kept from its two lists; the saved acts read back by python-docx.

#include "tests/mainwindow/mainwindowtesting.h"

#include "documents/docoptions.h"
#include "tests/documents_builders/builderstesting.h"

#include <QComboBox>
#include <QJsonArray>
#include <QRadioButton>
#include <QTabWidget>

using mainwindowtesting::MainWindowTest;

TEST_F(MainWindowTest, ActsFollowTheKindSignerAndStorageChosenInTheWindow)
{
    // The program folder of this window needs the built templates.
    ASSERT_TRUE(QFile::link(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots")),
                            QDir(programDir).filePath(QStringLiteral("Dots"))));
    frmMain &w = openWithSample();
    // What the territory dialog adds to what the file gives: the district and its administration's head.
    reference::state().DistrictName = QStringLiteral("Києво-Святошинський район");
    reference::state().GolAdm = QStringLiteral("Головко Адам Петрович");
    node(QStringLiteral("5o"))->setCheckState(0, Qt::Checked); // two owners
    const model::Parcel &p = model::state().Parcels[5];
    const QString adm = QStringLiteral("Києво-Святошинської райдержадміністрації");

    const struct {
        const char *name, *option;
        int who, storage;
        QString file;
        QStringList texts;
    } cases[] = {
        {"new state act, the administration's head, kept by the administration", "Opt_6", 2, 3,
         QStringLiteral("3222486201_01_024_0005.docx"),
         {QStringLiteral("Голова ") + adm, QStringLiteral("Головко Адам Петрович"),
          QStringLiteral("Києво-Святошинській райдержадміністрації"), p.NM.section(QLatin1Char('|'), 1, 1),
          QStringLiteral("50 %")}},
        {"land-share act, the council's head, kept by the land office", "Opt_4", 1, 1, p.Number + QStringLiteral(".docx"),
         {QStringLiteral("Власник: ") + p.NM, QStringLiteral("(земельна ділянка в рахунок земельної частки (паю))"),
          QStringLiteral("Голова ") + reference::state().CouncilGenitive2 + QStringLiteral(" ради"),
          QStringLiteral("Києво-Святошинському райвідділі зем.ресурсів")}},
    };
    int run = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto *tabs = control<QTabWidget>("SSTab1");
        tabs->setCurrentWidget(control("tabActs"));
        control<QRadioButton>(c.option)->click();
        control<QComboBox>("cmbWho")->setCurrentIndex(c.who - 1);
        control<QComboBox>("cmbZberig")->setCurrentIndex(c.storage - 1);
        dialogtesting::keepPicture(&w, QStringLiteral("frmMain-act-%1").arg(++run));
        const QStringList made = makeSavedDocuments(QDir(testsupport::tempDir()).filePath(QStringLiteral("acts-%1").arg(run)));
        ASSERT_EQ(made.size(), 1) << prompts->messages().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(QFileInfo(made[0]).fileName(), c.file);
        EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Збережено документів: 1")))
            << prompts->messages().last().toStdString();

        const QJsonObject docx = builderstesting::readWithPythonDocx(made[0]);
        QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
        for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                texts += row.toVariant().toStringList();
        const QString all = texts.join(QLatin1Char('\n'));
        for (const QString &t : c.texts)
            EXPECT_TRUE(all.contains(t)) << t.toStdString() << "\n in \n" << all.toStdString();
    }
}
