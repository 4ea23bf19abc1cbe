// The preliminary approval road: "Зробити план" with the approval kind opens the approval form
// alone; the form lists the bodies with their persons, keeps its choices across the bodies'
// dialogs, and its "Зробити" makes the approval plans, read back by python-docx and LibreOffice.

#include "common/numbers.h"
#include "documents/boundaryneighbours.h"
#include "documents/forms/frmPogodzh.h"
#include "documents/forms/planbatch.h"
#include "documents/neighbourtext.h"
#include "documents/plantemplates.h"
#include "reference/approvalbodies.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace documents;

namespace {

class Approval : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        builderstesting::loadSample();
        exec(QStringLiteral("UPDATE pog_pib SET pib = 'Олійник М.С.' WHERE id = 1"));
        exec(QStringLiteral("UPDATE pog_pib SET pib = 'Ткаченко Л.Д.' WHERE id = 3"));
        exec(QStringLiteral("DELETE FROM pog_pib WHERE id = 4")); // a body whose person was never entered
        exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.'"));
        exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("approval"));
        QDir().mkpath(out);
        options().OutputFolder = OutputFolderOf(out);
        options().DocAction = ActionSave;
        model::state().Parcels[2].Selected = -1;
        model::state().Parcels[5].Selected = -1;
        window.ProgramDir = testsupport::programDir();
        window.AreaUnit = 1;
        window.PurposeText = QStringLiteral("для будівництва і обслуговування житлового будинку");
    }
    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<frmPogodzh *>(w))
                w->close();
        BuilderTest::TearDown();
    }

    /// Chooses body `id` in row `row`, as the operator's pick does.
    static void choose(frmPogodzh &form, int row, int id)
    {
        QComboBox *list = form.c(row);
        list->setCurrentIndex(list->findData(id));
        emit list->activated(list->currentIndex());
    }
    static QStringList listTexts(const QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
    frmPogodzh::OptionsSource source()
    {
        return [this] { return window; };
    }

    QString out;
    PlanOptions window; ///< the main window's choices as the form reads them
};

QString cell(const QJsonArray &tables, int table, int row, int column)
{
    return tables.at(table - 1).toArray().at(row - 1).toArray().at(column - 1).toString();
}

} // namespace

TEST_F(Approval, MakePlanOpensOnlyTheFormWhichListsEveryBodyWithNoneChosen)
{
    window.Kind = KindApprovalPlan;
    EXPECT_TRUE(MakePlanCommand(nullptr, window, source()).Done.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // no document dialog
    frmPogodzh *form = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<frmPogodzh *>(w); f && f->isVisible())
            form = f;
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Погодження"));
    EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("lll"))->text(), QStringLiteral("Кому, що, для чого і ким передається"));
    const QStringList bodies = listTexts(form->c(1));
    EXPECT_EQ(bodies.size(), 4);
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(listTexts(form->c(row)), bodies) << row;
        EXPECT_EQ(form->c(row)->currentIndex(), -1) << row;
        EXPECT_TRUE(form->l(row)->text().isEmpty()) << row;
    }

    // A body shows its person; the same body in two rows shows it twice; a body with no person
    // row shows nothing.
    choose(*form, 1, 1);
    choose(*form, 5, 1);
    choose(*form, 2, 4);
    EXPECT_EQ(form->l(1)->text(), QStringLiteral("Олійник М.С."));
    EXPECT_EQ(form->l(5)->text(), QStringLiteral("Олійник М.С."));
    EXPECT_EQ(form->l(2)->text(), QString());
    EXPECT_TRUE(prompts->messages().isEmpty());

    // The command again raises the same form, its choices kept.
    MakePlanCommand(nullptr, window, source());
    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        open += qobject_cast<frmPogodzh *>(w) && w->isVisible() ? 1 : 0;
    EXPECT_EQ(open, 1);
    EXPECT_EQ(form->c(1)->currentData().toInt(), 1);
    dialogtesting::keepPicture(form, QStringLiteral("frmPogodzh"));
}

TEST_F(Approval, EditingAndAddingBodiesKeepTheChoicesAndShowTheNewNames)
{
    frmPogodzh form(source());
    form.show();
    choose(form, 1, 1);
    choose(form, 3, 3);

    // "Редагувати": body 1 renamed and given a new person, then the dialog closed.
    dialogtesting::whenModal(QStringLiteral("frmEdit"), [](QWidget *w) {
        auto *list = w->findChild<QComboBox *>(QStringLiteral("cEdit"));
        list->setCurrentIndex(list->findData(1));
        emit list->activated(list->currentIndex());
        w->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(QStringLiteral("Відділ містобудування та архітектури"));
        w->findChild<QLineEdit *>(QStringLiteral("txtPib"))->setText(QStringLiteral("Бондар Г.О."));
        dialogtesting::keepPicture(w, QStringLiteral("frmEdit"));
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        w->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(form.c(1)->currentText(), QStringLiteral("Відділ містобудування та архітектури"));
    EXPECT_EQ(form.l(1)->text(), QStringLiteral("Бондар Г.О."));
    EXPECT_EQ(form.c(3)->currentData().toInt(), 3);
    EXPECT_EQ(form.l(3)->text(), QStringLiteral("Ткаченко Л.Д."));
    EXPECT_EQ(form.c(2)->currentIndex(), -1);

    // "Додати": the new body is in every list, and the choices stay.
    dialogtesting::whenModal(QStringLiteral("frmAdd"), [](QWidget *w) {
        w->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(QStringLiteral("Служба автомобільних доріг"));
        w->findChild<QLineEdit *>(QStringLiteral("txtPib"))->setText(QStringLiteral("Лисенко П.П."));
        dialogtesting::keepPicture(w, QStringLiteral("frmAdd"));
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        w->close();
    });
    form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    for (int row = 1; row <= 8; ++row)
        EXPECT_TRUE(listTexts(form.c(row)).contains(QStringLiteral("Служба автомобільних доріг"))) << row;
    EXPECT_EQ(form.l(1)->text(), QStringLiteral("Бондар Г.О."));
    EXPECT_EQ(form.c(3)->currentData().toInt(), 3);
    choose(form, 4, form.c(4)->itemData(form.c(4)->findText(QStringLiteral("Служба автомобільних доріг"))).toInt());
    EXPECT_EQ(form.l(4)->text(), QStringLiteral("Лисенко П.П."));
}

TEST_F(Approval, TheBatchPutsTheChosenBodiesIntoEachParcelsPlanReadBackByWordAndLibreOffice)
{
    frmPogodzh form(source());
    form.show();
    choose(form, 1, 1);
    choose(form, 2, 3);
    choose(form, 3, 1);
    form.findChild<QLineEdit *>(QStringLiteral("txtGlv"))->setText(QStringLiteral("Гончаренко В.П."));
    const QString body1 = form.c(1)->currentText(), body3 = form.c(2)->currentText();
    dialogtesting::keepPicture(&form, QStringLiteral("frmPogodzh-chosen"));

    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
        w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    form.findChild<QPushButton *>(QStringLiteral("bGo"))->click();
    const BatchReport &report = form.lastReport();
    ASSERT_TRUE(report.Failures.empty()) << report.Summary().toStdString();
    ASSERT_EQ(report.Done.size(), 2u);
    EXPECT_TRUE(form.isVisible()); // the form stays for the next run
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Збережено документів: 2")));

    const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
    const int32_t parcels[] = {2, 5};
    for (int i = 0; i < 2; ++i) {
        const int32_t index = parcels[i];
        const model::Parcel &parcel = model::state().Parcels[index];
        SCOPED_TRACE(parcel.Number.toStdString());
        const QString path = report.Done[size_t(i)].Path;
        EXPECT_EQ(path, QDir(out).filePath(SafeFileName(parcel.Number, QString()) + QStringLiteral(".docx")));
        BuildBoundaryNeighbours(index);
        const std::vector<NeighbourRow> neighbours = NeighbourTableRows(model::state().Parcels, index);
        ASSERT_FALSE(neighbours.empty());
        const QString area = zova::Format4(parcel.Area / 10000);

        const QJsonObject docx = builderstesting::readWithPythonDocx(path);
        const QJsonArray tables = docx[QStringLiteral("tables")].toArray();
        ASSERT_EQ(tables.size(), 4);
        EXPECT_EQ(cell(tables, 1, 1, 1), QStringLiteral("Гончаренко В.П."));
        EXPECT_EQ(cell(tables, 1, 4, 1), body1);
        EXPECT_EQ(cell(tables, 1, 4, 3), QStringLiteral("Олійник М.С."));
        EXPECT_EQ(cell(tables, 1, 6, 1), body3);
        EXPECT_EQ(cell(tables, 1, 6, 3), QStringLiteral("Ткаченко Л.Д."));
        EXPECT_EQ(cell(tables, 1, 8, 1), body1);
        EXPECT_EQ(cell(tables, 1, 10, 1), QString());
        EXPECT_EQ(cell(tables, 2, 1, 1), QStringLiteral("Площа ділянки становить - ") + area + QStringLiteral(" га."));
        ASSERT_EQ(tables.at(3).toArray().size(), int(neighbours.size()));
        for (size_t r = 0; r < neighbours.size(); ++r) {
            EXPECT_EQ(cell(tables, 4, int(r) + 1, 1), neighbours[r].Span);
            EXPECT_EQ(cell(tables, 4, int(r) + 1, 3), neighbours[r].Text);
        }
        const QString paragraphs = docx[QStringLiteral("paragraphs")].toVariant().toStringList().join(QLatin1Char('\n'));
        EXPECT_TRUE(paragraphs.contains(QStringLiteral("План відведення земельної ділянки")));
        EXPECT_TRUE(paragraphs.contains(QStringLiteral("(Ділянка № ") + parcel.Number + QLatin1Char(')')));

        const QString pdf = builderstesting::toPdf(path, out);
        const QString text = QString::fromUtf8(builderstesting::run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
                                 .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        for (const QString &t : {QStringLiteral("ПОГОДЖЕННЯ"), QStringLiteral("Гончаренко В.П."), QStringLiteral("Олійник М.С."),
                                 QStringLiteral("Ткаченко Л.Д."), body3, area, neighbours.front().Span,
                                 neighbours.front().Text.section(QLatin1Char(' '), 0, 0), QStringLiteral("Коваленко І.П.")})
            EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n in \n" << text.toStdString();
        if (!keep.isEmpty()) { // the first page as a picture, to look at
            const QString png = QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("approval-%1").arg(index));
            builderstesting::run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                              QStringLiteral("-singlefile"), pdf, png});
            QFile::copy(path, png + QStringLiteral(".docx"));
        }
    }
}

TEST_F(Approval, NothingTickedOrTheDocumentDialogCancelledMakesNothing)
{
    frmPogodzh form(source());
    form.show();
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
        w->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    form.findChild<QPushButton *>(QStringLiteral("bGo"))->click();
    EXPECT_TRUE(form.lastReport().Done.empty());
    EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();

    for (model::Parcel &p : model::state().Parcels)
        p.Selected = 0;
    form.findChild<QPushButton *>(QStringLiteral("bGo"))->click();
    EXPECT_EQ(prompts->messages(), QStringList{QStringLiteral("Не вибрано жодної ділянки.")});
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}
