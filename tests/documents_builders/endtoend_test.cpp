// The whole "Зробити план" road: a sample file, two ticked parcels, the document-action dialog
// answered "save without opening", and the saved plans read back by python-docx and LibreOffice.

#include "common/numbers.h"
#include "documents/forms/planbatch.h"
#include "documents/plantemplates.h"
#include "reference/territory.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace documents;

namespace {

QString joinedCells(const QJsonArray &table)
{
    QStringList cells;
    for (const QJsonValue &row : table)
        for (const QJsonValue &c : row.toArray())
            cells << c.toString();
    return cells.join(QLatin1Char('\n'));
}

QString cellAt(const QJsonArray &tables, int table, int row, int column)
{
    return tables.at(table - 1).toArray().at(row - 1).toArray().at(column - 1).toString();
}

// The territory the samples' code names, as the plans print it before the parcel's address.
const QString kTerritory =
    QStringLiteral("Київська область Києво-Святошинський район Софіївсько-Борщагівська сільська рада");

class EndToEnd : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        builderstesting::loadSample();
        reference::ResolveKoatuu(model::state().Koatuu); // as the main window does after a load
        exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.', nSkl = 'Шевчук О.М.', "
                            "nKresl = 'Бойко Т.В.', nChek = 'Мельник С.А.'"));
        exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("plans-%1").arg(++runs));
        QDir().mkpath(out);
        options().OutputFolder = OutputFolderOf(out);
        options().DocAction = ActionSave;
        model::state().Parcels[2].Selected = -1;
        model::state().Parcels[5].Selected = -1;
    }

    /// Runs the command, answering the document-action dialog with "Далі" and watching the
    /// progress window while it works.
    BatchReport makePlans(const PlanOptions &plan)
    {
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
            w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        return MakePlanCommand(nullptr, plan);
    }

    /// Checks one saved plan of the parcel `index` in Word's reading and LibreOffice's.
    void checkPlan(const QString &path, const PlanOptions &plan, int index)
    {
        SCOPED_TRACE(path.toStdString());
        const model::Parcel &parcel = model::state().Parcels[index];
        const ZovaTemplate *tpl = FindZovaTemplate(plan.Paper, plan.ZovaVariant);
        ASSERT_NE(tpl, nullptr);

        const QJsonObject docx = builderstesting::readWithPythonDocx(path);
        const QJsonArray tables = docx[QStringLiteral("tables")].toArray();
        QString all = docx[QStringLiteral("paragraphs")].toVariant().toStringList().join(QLatin1Char('\n'));
        all += QLatin1Char('\n') + docx[QStringLiteral("footers")].toVariant().toStringList().join(QLatin1Char('\n'));
        for (const QJsonValue &t : tables)
            all += QLatin1Char('\n') + joinedCells(t.toArray());
        const QString owner = parcel.NM;
        const QString number = QStringLiteral("(Ділянка № ") + parcel.Number + QLatin1Char(')');
        const QStringList expected = {owner + QLatin1Char(' ') + number, kTerritory + QLatin1Char(' ') + parcel.AD,
                                      QStringLiteral("Коваленко І.П."),
                                      QStringLiteral("Мельник С.А."), QStringLiteral("ТОВ «Земпроект»"),
                                      QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" р."),
                                      QStringLiteral("Площа ділянки становить - ")};
        for (const QString &text : expected)
            EXPECT_TRUE(all.contains(text)) << text.toStdString() << "\n in \n" << all.toStdString();
        EXPECT_TRUE(all.contains(plan.Kind == KindCadastralPlan ? QStringLiteral("Кадастровий план")
                                                                 : QStringLiteral("План відведення земельної ділянки")));

        // Catalogue rows (cadastral plans on catalogue templates): vertex 1, its X and Y, and the
        // closing row that repeats it.
        const model::BoundaryPoint &p1 = parcel.Points[1];
        if (plan.Kind == KindCadastralPlan && tpl->CatalogueTable != 0) {
            EXPECT_EQ(cellAt(tables, tpl->CatalogueTable, 3, 1), QStringLiteral("1"));
            EXPECT_EQ(cellAt(tables, tpl->CatalogueTable, 3, 2), zova::Format2(p1.X));
            EXPECT_EQ(cellAt(tables, tpl->CatalogueTable, 3, 3), zova::Format2(p1.Y));
        }
        // The 6-zem row: owner, row number from KZ, the parcel's area in hectares.
        EXPECT_EQ(cellAt(tables, tpl->LandTable, 6, 2), owner);
        EXPECT_EQ(cellAt(tables, tpl->LandTable, 6, 3), parcel.KZ);
        EXPECT_EQ(cellAt(tables, tpl->LandTable, 6, 4), zova::Format4(parcel.Area / 10000));
        // The row's code of form 6-zem, as the shipped database gives it.
        EXPECT_EQ(cellAt(tables, tpl->LandTable, 6, 1), parcel.KZ == QStringLiteral("21") ? QStringLiteral("2.3") : QStringLiteral("2.4"));

        // LibreOffice sees the same texts, and the drawing: its vertex numbers and side lengths.
        const QString pdf = builderstesting::toPdf(path, QFileInfo(path).absolutePath());
        const QString text = QString::fromUtf8(builderstesting::run(QStringLiteral("pdftotext"),
                                                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
        const QString flat = QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        QStringList seen = {parcel.Number, kTerritory, QStringLiteral("Коваленко І.П."), QStringLiteral("ТОВ «Земпроект»"),
                            QStringLiteral("Площа ділянки становить"), QStringLiteral("Від А до Б"),
                            zova::Format4(parcel.Area / 10000)};
        if (plan.Kind == KindCadastralPlan)
            seen << zova::Format2(p1.X);
        for (const QString &t : seen)
            EXPECT_TRUE(flat.contains(t)) << t.toStdString() << "\n in \n" << flat.toStdString();
        EXPECT_TRUE(flat.contains(owner.section(QLatin1Char(' '), 0, 0))) << owner.toStdString();

        // The outline is drawn: the PDF holds stroked line segments of the drawing.
        const QString svg = QDir(QFileInfo(path).absolutePath()).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".svg"));
        builderstesting::run(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), pdf, svg});
        QFile f(svg);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray paths = f.readAll();
        EXPECT_GT(paths.count("stroke"), 2 * parcel.Points.UBound()) << "too few stroked paths in " << svg.toStdString();

        // A copy of the PDF to look at, when pictures are asked for.
        const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
        if (!keep.isEmpty())
            QFile::copy(pdf, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(out).fileName() + QLatin1Char('-') + QFileInfo(pdf).fileName()));
    }

    QString out;
    static inline int runs = 0;
};

} // namespace

TEST_F(EndToEnd, TwoPlansOnEachPaperAndKindAreSavedAndReadBack)
{
    const struct {
        const char *name;
        uint8_t kind, paper;
    } cases[] = {
        {"cadastral plan, A4 portrait", KindCadastralPlan, 1},
        {"cadastral plan, A3 landscape", KindCadastralPlan, 4},
        {"allotment plan, A4 portrait", KindAllotmentPlan, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        PlanOptions plan;
        plan.Kind = c.kind;
        plan.Paper = c.paper;
        plan.ZovaVariant = 3;
        plan.PurposeText = QStringLiteral("для будівництва і обслуговування житлового будинку");
        plan.ProgramDir = testsupport::programDir();
        const BatchReport report = makePlans(plan);
        ASSERT_TRUE(report.Failures.empty()) << report.Summary().toStdString();
        ASSERT_EQ(report.Done.size(), 2u);
        const QStringList files = QDir(out).entryList({QStringLiteral("*.docx")}, QDir::Files, QDir::Name);
        EXPECT_EQ(files.size(), 2) << files.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(report.Done[0].Path, QDir(out).filePath(PlanFileBaseName(model::state().Parcels[2].Number, 2) + QStringLiteral(".docx")));
        checkPlan(report.Done[0].Path, plan, 2);
        checkPlan(report.Done[1].Path, plan, 5);
        // The operator is told what was made, and nothing else.
        ASSERT_FALSE(prompts->messages().isEmpty());
        EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("Збережено документів: 2")))
            << prompts->messages().last().toStdString();
        TearDown();
    }
    SetUp();
}

TEST_F(EndToEnd, AChosenScaleTooLargeForTheSheetIsMadeAndTheOperatorWarned)
{
    PlanOptions plan;
    plan.ProgramDir = testsupport::programDir();
    plan.ZovaVariant = 3;
    plan.AutoScale = false;
    plan.Scale = 100;
    const BatchReport report = makePlans(plan);
    EXPECT_EQ(report.Done.size(), 2u);
    ASSERT_EQ(report.Outside.size(), 2u);
    ASSERT_FALSE(prompts->calls.empty());
    const platform::MessageRequest &told = prompts->calls.back().message;
    EXPECT_EQ(told.icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(told.text.contains(QStringLiteral("№ %1 (2): у масштабі 1:100").arg(model::state().Parcels[2].Number)))
        << told.text.toStdString();
}

TEST_F(EndToEnd, CancelledDialogOrNothingTickedMakesNothing)
{
    PlanOptions plan;
    plan.ProgramDir = testsupport::programDir();
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
        w->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    EXPECT_TRUE(MakePlanCommand(nullptr, plan).Done.empty());
    EXPECT_FALSE(options().DocDialogOk);

    for (model::Parcel &p : model::state().Parcels)
        p.Selected = 0;
    EXPECT_TRUE(MakePlanCommand(nullptr, plan).Done.empty());
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();
}
