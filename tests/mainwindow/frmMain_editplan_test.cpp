// A plan made after editing a parcel in the main window carries the edited owner and land-use
// code, as Word's reading (python-docx) and LibreOffice's (pdftotext) both show; plans print no
// cadastral number, so the edited quarter is read in the one the new state act of the parcel prints.

#include "tests/mainwindow/mainwindowtesting.h"

#include "documents/docoptions.h"
#include "documents/docparcel.h"
#include "documents/state.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/model/printing.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using mainwindowtesting::MainWindowTest;

TEST_F(MainWindowTest, PlanAfterEditingPrintsTheEditedValues)
{
    // The program folder of this window needs the built templates.
    ASSERT_TRUE(QFile::link(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots")),
                            QDir(programDir).filePath(QStringLiteral("Dots"))));
    openWithSample();
    for (const char *sql : {"UPDATE worker SET nDur = 'Коваленко І.П.', nSkl = 'Шевчук О.М.'",
                            "UPDATE organ SET Organ = 'ТОВ «Земпроект»'"})
        reference::BaseConn().Execute(QString::fromUtf8(sql));

    // The owner through the panel, the quarter through its box, a land-use code in the tree.
    clickNode(QStringLiteral("3o"));
    control<QLineEdit>("tNM")->setText(QStringLiteral("Гончаренко Тарас Петрович"));
    control<QPushButton>("Command1")->click();
    QLineEdit *quarter = control<QLineEdit>("tKvart");
    quarter->selectAll();
    QTest::keyClicks(quarter, QStringLiteral("87"));
    QTreeWidgetItem *use = node(QStringLiteral("3_1u"));
    tree()->setCurrentItem(use);
    tree()->editItem(use);
    auto *editor = tree()->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("03,багаторічні насадження"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    const model::Parcel &p = model::state().Parcels[3];
    ASSERT_EQ(p.NM, QStringLiteral("Гончаренко Тарас Петрович"));
    ASSERT_EQ(p.KV, 87);
    ASSERT_EQ(p.LandUses[1].CN, QStringLiteral("03,багаторічні насадження"));

    // The plan of that parcel, saved without opening.
    const QString out = QDir(testsupport::tempDir()).filePath(QStringLiteral("edited-plan"));
    node(QStringLiteral("3o"))->setCheckState(0, Qt::Checked);
    const QStringList made = makeSavedDocuments(out);
    ASSERT_EQ(made.size(), 1) << prompts->messages().join(QLatin1Char('|')).toStdString();

    const QString cadNumber = documents::CadastralNumber(p.KoatuuPart, p.ZN, 87, p.Number);
    EXPECT_TRUE(cadNumber.endsWith(QStringLiteral(":087:0003")));
    EXPECT_EQ(documents::state().DocParcel1.CadNumber, cadNumber);
    const QJsonObject docx = builderstesting::readWithPythonDocx(made[0]);
    QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
    texts += docx[QStringLiteral("boxes")].toVariant().toStringList();
    for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
        for (const QJsonValue &row : table.toArray())
            texts += row.toVariant().toStringList();
    const QString all = texts.join(QLatin1Char('\n'));
    for (const QString &edited : {p.NM, p.LandUses[1].CN})
        EXPECT_TRUE(all.contains(edited)) << edited.toStdString() << "\n in \n" << all.toStdString();

    const QString pdf = builderstesting::toPdf(made[0], out);
    const QString printed = QString::fromUtf8(builderstesting::run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
                                .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    for (const QString &edited : {QStringLiteral("Гончаренко Тарас Петрович"), QStringLiteral("03,багаторічні насадження")})
        EXPECT_TRUE(printed.contains(edited)) << edited.toStdString() << "\n in \n" << printed.toStdString();
    const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
    if (!keep.isEmpty())
        QFile::copy(pdf, QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("edited-plan.pdf")));

    // The new state act of the same parcel prints its cadastral number, with the edited quarter.
    control<QRadioButton>("Opt_6")->click();
    const QStringList acts = makeSavedDocuments(out + QStringLiteral("-act"));
    ASSERT_EQ(acts.size(), 1) << prompts->messages().join(QLatin1Char('|')).toStdString();
    const QString actText = QString::fromUtf8(builderstesting::run(
        QStringLiteral("pdftotext"), {builderstesting::toPdf(acts[0], out), QStringLiteral("-")}));
    EXPECT_TRUE(actText.contains(cadNumber)) << cadNumber.toStdString() << "\n in \n" << actText.toStdString();
}
