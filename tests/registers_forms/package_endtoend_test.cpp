// The documentation package end to end: the sample file with two owner groups, the package dialog
// opened by the "Зробити план" road of both package kinds, the twelve documents and the combined
// report read back by python-docx and rendered by LibreOffice, and the contents' page numbers
// checked against the rendered pages of the bound package (document 1 followed by each owner's
// plans).

#include "common/numbers.h"
#include "documents/forms/planbatch.h"
#include "documents/docbuilder.h"
#include "platform/desktop.h"
#include "platform/forms/qtprompts.h"
#include "registers/folders.h"
#include "registers/forms/frmSave.h"
#include "registers/forms/frmZvt.h"
#include "registers/forms/packagecommand.h"
#include "registers/forms/registercommands.h"
#include "reference/territory.h"
#include "registers/state.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QDate>
#include <QJsonArray>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>
#include <utility>
#include <vector>

using builderstesting::run;

namespace {

QString flat(const QString &text)
{
    return QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

int pageCount(const QString &pdf)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

/// The text of page `page` (from 1) of a PDF, blanks folded.
QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return flat(QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-layout"), pdf,
                                       QStringLiteral("-")})));
}

/// The text of a whole PDF line by line, blanks within a line folded.
QString lineText(const QString &pdf)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}))
        .replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

/// A copy of a made file to look at, when pictures are asked for.
void keep(const QString &file, const QString &name)
{
    const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        const QString target = QDir(QString::fromLocal8Bit(dir)).filePath(name);
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

/// Every paragraph and table cell of a saved document as python-docx reads it, one a line.
QString docxText(const QString &docx)
{
    const QJsonObject read = builderstesting::readWithPythonDocx(docx);
    QStringList texts = read[QStringLiteral("paragraphs")].toVariant().toStringList();
    for (const QJsonValue &table : read[QStringLiteral("tables")].toArray())
        for (const QJsonValue &row : table.toArray())
            texts += row.toVariant().toStringList();
    return texts.join(QLatin1Char('\n'));
}

class PackageEndToEnd : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        registers::resetState();
        registers::resetFolders();
        oldDesktop = platform::setDesktop(std::make_unique<platform::RecordingDesktop>());
        // The architect and the administration's head of every district and city, as an office
        // stores them in the territory dialog; the sample file names the other two officials.
        exec(QStringLiteral("UPDATE a_rada SET a_arhit = 'Литвин О.О.', a_goladm = 'Гриценко П.П.' WHERE a_rada_level = 2"));
        builderstesting::loadSample();
        reference::ResolveKoatuu(model::state().Koatuu); // as the main window's open command does
        exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.', nSkl = 'Шевчук О.М.', "
                            "nKresl = 'Бойко Т.В.', nChek = 'Мельник С.А.'"));
        exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
        // The territory as the territory dialog leaves it; the council comes from the file's code.
        reference::State &ref = reference::state();
        ref.RegionName = QStringLiteral("Київська область");
        ref.DistrictName = QStringLiteral("Києво-Святошинський район");
        ref.PurposeName = QStringLiteral("для будівництва і обслуговування житлового будинку");
        ASSERT_EQ(ref.CouncilName, QStringLiteral("Софіївсько-Борщагівська сільська"));

        // Two owner groups: parcels 2 and 5 of one owner, parcel 3 of another.
        model::ParcelList &parcels = model::state().Parcels;
        parcels[5].KF = parcels[2].KF;
        for (int i : {2, 3, 5})
            parcels[i].Selected = -1;
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("package"));
        QDir().mkpath(out);
    }
    void TearDown() override
    {
        platform::setDesktop(std::move(oldDesktop));
        registers::resetState();
        registers::resetFolders();
        BuilderTest::TearDown();
    }
    platform::RecordingDesktop &desktop() { return static_cast<platform::RecordingDesktop &>(platform::desktop()); }

    /// The "Зробити план" road of a package kind: the dialog opens with the kind's frame, the folder
    /// is picked, the numbering typed, the document-action dialog answered "save", and the dialog
    /// closed after the run. The run must tell the operator nothing unless `messages` takes what
    /// it told.
    void makePackage(uint8_t kind, const QString &expectedFrame, const QString &page, const QString &step,
                     QStringList *messages = nullptr)
    {
        documents::PlanOptions options;
        options.Kind = kind;
        options.ProgramDir = testsupport::programDir();
        options.PurposeText = reference::state().PurposeName;
        bool shown = false;
        dialogtesting::whenModal(QStringLiteral("frmZvt"), [&](QWidget *d) {
            shown = true;
            auto &zvt = *static_cast<frmZvt *>(d);
            EXPECT_EQ(zvt.shownFrame()->objectName(), expectedFrame);
            dialogtesting::whenModal(QStringLiteral("frmSave"), [&](QWidget *picker) {
                static_cast<frmSave *>(picker)->setCurrentFolder(out);
                picker->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            });
            d->findChild<QToolButton *>(QStringLiteral("bust"))->click();
            d->findChild<QLineEdit *>(QStringLiteral("txtPage"))->setText(page);
            d->findChild<QLineEdit *>(QStringLiteral("txtStep"))->setText(step);
            dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
                w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
                w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            });
            d->findChild<QToolButton *>(QStringLiteral("bGo"))->click();
            dialogtesting::keepPicture(d, QStringLiteral("frmZvt-after-run-%1").arg(kind));
            d->close();
        });
        const int told = prompts->messages().size();
        registers::MakePackageCommand(nullptr, options);
        ASSERT_TRUE(shown);
        if (messages)
            *messages = prompts->messages().mid(told);
        else
            EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();
    }

    /// The sample opened again with its code changed to `code`, as an office's file of that
    /// council would be, and the fixture's parcels selected.
    void openSampleWithCode(const char *code)
    {
        QFile sample(testsupport::sourcePath(QStringLiteral("samples/sofiivska-dos.in4")));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        const QString path = QDir(out).filePath(QStringLiteral("%1.in4").arg(QLatin1String(code)));
        QFile copy(path);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(sample.readAll().replace("3222486201", code));
        copy.close();
        platform::NullProgress progress;
        model::CommitLoad(model::LoadExchangeFile(path, 1, progress), path, 1);
        reference::ResolveKoatuu(model::state().Koatuu);
        model::ParcelList &parcels = model::state().Parcels;
        parcels[5].KF = parcels[2].KF;
        for (int i : {2, 3, 5})
            parcels[i].Selected = -1;
    }

    std::unique_ptr<platform::Desktop> oldDesktop;
    QString out;
};

} // namespace

TEST_F(PackageEndToEnd, TitleDocumentsContentsPointAtTheRenderedPagesOfTheBoundPackage)
{
    // Document 1 takes three pages and every owner's parcel one plan page: the owners begin on page 4.
    makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"));
    EXPECT_EQ(registers::state().ReportMode, registers::ReportShares);
    const registers::ReportGroupList &groups = registers::state().ReportGroups;
    ASSERT_EQ(groups.UBound(), 2);
    const QString p1 = QDir(out).filePath(QStringLiteral("p1.docx"));
    ASSERT_TRUE(QFile::exists(p1));

    // What python-docx reads.
    const QJsonObject docx = builderstesting::readWithPythonDocx(p1);
    const QString paragraphs = docx[QStringLiteral("paragraphs")].toVariant().toStringList().join(QLatin1Char('\n'));
    const QString year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    for (const QString &t : {QStringLiteral("ТОВ «ЗЕМПРОЕКТ»"), QStringLiteral("ТЕХНІЧНА ДОКУМЕНТАЦІЯ"),
                             QStringLiteral("на території Софіївсько-Борщагівської сільської ради"),
                             QStringLiteral("Києво-Святошинського району Київської області"),
                             QStringLiteral("Директор\t____________________\tКоваленко І.П."), year + QStringLiteral(" р."),
                             QStringLiteral("ПОЯСНЮВАЛЬНА ЗАПИСКА"), QStringLiteral("ЗМІСТ"),
                             QStringLiteral("розроблена у ") + year + QStringLiteral(" році. Виконавець робіт: ТОВ «ЗЕМПРОЕКТ».")})
        EXPECT_TRUE(paragraphs.contains(t)) << t.toStdString() << "\n in \n" << paragraphs.toStdString();
    const QJsonArray contents = docx[QStringLiteral("tables")].toArray().at(0).toArray();
    ASSERT_EQ(contents.size(), 3);
    const QStringList expectedRows[] = {
        {QStringLiteral("№ п/п"), QStringLiteral("Прізвище, ім’я та по батькові власника"), QStringLiteral("Примітка"),
         QStringLiteral("Сторінка")},
        {QStringLiteral(" 1"), groups[1].NM, QString(), QStringLiteral("4")},
        {QStringLiteral(" 2"), groups[2].NM, QString(), QStringLiteral("6")},
    };
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(contents.at(r).toVariant().toStringList(), expectedRows[r]) << r;

    // The rendered document: the title, the note and the contents each on the page the contents name.
    const QString p1Pdf = builderstesting::toPdf(p1, out);
    keep(p1Pdf, QStringLiteral("package-p1.pdf"));
    keep(p1, QStringLiteral("package-p1.docx"));
    ASSERT_EQ(pageCount(p1Pdf), 3);
    const QString contentsPage = pageText(p1Pdf, 3);
    const struct {
        const char *entry, *marker;
    } parts[] = {{"Титульний аркуш", "ТЕХНІЧНА ДОКУМЕНТАЦІЯ"}, {"Пояснювальна записка", "ПОЯСНЮВАЛЬНА ЗАПИСКА"},
                 {"Зміст", "ЗМІСТ"}};
    for (const auto &part : parts) {
        const QRegularExpressionMatch m = QRegularExpression(QString::fromUtf8(part.entry) + QStringLiteral("[ .…]*(\\d+)"))
                                              .match(contentsPage);
        ASSERT_TRUE(m.hasMatch()) << part.entry << "\n" << contentsPage.toStdString();
        const int page = m.captured(1).toInt();
        EXPECT_TRUE(pageText(p1Pdf, page).contains(QString::fromUtf8(part.marker))) << part.entry << " on page " << page;
    }
    for (const QString &t : {QStringLiteral("Київської"), QStringLiteral("Коваленко І.П."), QStringLiteral("Шевчук О.М.")})
        EXPECT_TRUE(pageText(p1Pdf, 1).contains(t)) << t.toStdString();
    EXPECT_TRUE(contentsPage.contains(QStringLiteral("Дем")) || contentsPage.contains(groups[1].NM.section(QLatin1Char(' '), 0, 0)));

    // The owners' plans, one per parcel, made by the plan command into their own folder.
    const QString plans = QDir(out).filePath(QStringLiteral("plans"));
    QDir().mkpath(plans);
    documents::options().OutputFolder = documents::OutputFolderOf(plans);
    documents::PlanOptions plan;
    plan.Kind = documents::KindCadastralPlan;
    plan.ZovaVariant = 1;
    plan.ProgramDir = testsupport::programDir();
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *w) {
        w->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    const documents::BatchReport made = documents::MakePlanCommand(nullptr, plan);
    ASSERT_TRUE(made.Failures.empty()) << made.Summary().toStdString();

    // Bind the package: document 1, then each group's parcels in the group's order.
    int bound = pageCount(p1Pdf);
    const model::ParcelList &parcels = model::state().Parcels;
    for (int g = 1; g <= groups.UBound(); ++g) {
        SCOPED_TRACE(g);
        const int firstPage = bound + 1;
        for (const registers::ReportLine &line : groups[g].Lines) {
            int index = 0;
            for (int i = 1; i <= parcels.UBound(); ++i)
                if (parcels[i].Selected != 0 && parcels[i].Number == line.Number)
                    index = i;
            ASSERT_NE(index, 0) << line.Number.toStdString();
            const QString docx = QDir(plans).filePath(documents::PlanFileBaseName(line.Number, index) + QStringLiteral(".docx"));
            const QString pdf = builderstesting::toPdf(docx, plans);
            EXPECT_EQ(pageCount(pdf), 1) << "one page per parcel, as the step says";
            if (&line == &groups[g].Lines[1]) {
                EXPECT_TRUE(pageText(pdf, 1).contains(groups[g].NM.section(QLatin1Char(' '), 0, 0)));
            }
            bound += pageCount(pdf);
        }
        EXPECT_EQ(contents.at(g).toArray().at(3).toString(), QString::number(firstPage));
    }
}

TEST_F(PackageEndToEnd, CombinedReportOfPrivateOwnershipIsLeftOpenAndReadsRight)
{
    documents::options().DocAction = documents::ActionSavePrint;
    makePackage(documents::KindPrivateDocumentation, QStringLiteral("frTd"), QString(), QString());
    EXPECT_EQ(registers::state().ReportMode, registers::ReportPrivate);
    const QString path = QDir(out).filePath(QStringLiteral("tdmany.docx"));
    EXPECT_EQ(desktop().opened, QStringList{path});
    EXPECT_TRUE(desktop().printed.isEmpty());
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("tdmany.docx")});

    double sumArea = 0;
    registers::CategorySums sums;
    for (int i : {2, 3, 5}) {
        const model::Parcel &p = model::state().Parcels[i];
        sumArea += p.Area;
        const registers::CategorySums s = registers::LandUseCategorySums(p);
        sums.CatSum1 += s.CatSum1;
        sums.CatSum2 += s.CatSum2;
        sums.CatSum3 += s.CatSum3;
        sums.CatSum4 += s.CatSum4;
    }
    const QJsonObject docx = builderstesting::readWithPythonDocx(path);
    const QString paragraphs = docx[QStringLiteral("paragraphs")].toVariant().toStringList().join(QLatin1Char('\n'));
    for (const QString &t : {QStringLiteral("для будівництва і обслуговування житлового будинку"),
                             QStringLiteral("на території Софіївсько-Борщагівської сільської ради Києво-Святошинського району"),
                             QStringLiteral("Загальна площа земельних ділянок становить ") + zova::Format4(sumArea / 10000)})
        EXPECT_TRUE(paragraphs.contains(t)) << t.toStdString() << "\n in \n" << paragraphs.toStdString();
    const QJsonArray table = docx[QStringLiteral("tables")].toArray().at(0).toArray();
    const QStringList areas = {zova::Format4(sumArea / 10000),       zova::Format4(sumArea / 10000),
                               zova::Format4(sums.CatSum1 / 10000), zova::Format4(sums.CatSum2 / 10000),
                               zova::Format4(sums.CatSum3 / 10000), zova::Format4(sums.CatSum4 / 10000), QString()};
    ASSERT_EQ(table.size(), areas.size());
    for (int r = 0; r < table.size(); ++r)
        EXPECT_EQ(table.at(r).toArray().at(1).toString(), areas[r]) << r;

    const QString pdf = builderstesting::toPdf(path, out);
    keep(pdf, QStringLiteral("package-tdmany.pdf"));
    keep(path, QStringLiteral("package-tdmany.docx"));
    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("ТЕХНІЧНА ДОКУМЕНТАЦІЯ")));
    const QString note = pageText(pdf, 2);
    for (const QString &t : {QStringLiteral("ПОЯСНЮВАЛЬНА ЗАПИСКА"), zova::Format4(sums.CatSum1 / 10000), QStringLiteral("Шевчук О.М.")})
        EXPECT_TRUE(note.contains(t)) << t.toStdString() << "\n in \n" << note.toStdString();
}

TEST_F(PackageEndToEnd, WholeShareKindPackageReadsAndRendersDocumentByDocument)
{
    makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"));
    const registers::ReportGroupList &groups = registers::state().ReportGroups;
    ASSERT_EQ(groups.UBound(), 2);
    const QString owner1 = groups[1].NM.section(QLatin1Char(' '), 0, 0);
    const QString owner2 = groups[2].NM.section(QLatin1Char(' '), 0, 0);
    const QString council = QStringLiteral("Софіївсько-Борщагівської сільської");

    // Each document's own words, and whether it lists the owners and closes its list with a total.
    const struct {
        int number;
        QStringList words;
        bool owners, total;
    } documentsMade[] = {
        {1, {QStringLiteral("ТЕХНІЧНА ДОКУМЕНТАЦІЯ"), QStringLiteral("ЗМІСТ")}, true, false},
        {2, {QStringLiteral("СОФІЇВСЬКО-БОРЩАГІВСЬКА СІЛЬСЬКА РАДА"), QStringLiteral("КЛОПОТАННЯ"),
             QStringLiteral("КИЄВО-СВЯТОШИНСЬКОГО РАЙОНУ КИЇВСЬКОЇ ОБЛАСТІ")}, true, true},
        {3, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ РАЙОННИЙ ВІДДІЛ ЗЕМЕЛЬНИХ РЕСУРСІВ"), QStringLiteral("ВИПИСКА")}, true, false},
        {4, {QStringLiteral("ДОРУЧЕННЯ"), QStringLiteral("ТЕХНІЧНЕ ЗАВДАННЯ"), QStringLiteral("Софіївсько-Борщагівська сільська рада")},
         false, false},
        {5, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКИЙ РАЙОННИЙ ВІДДІЛ ЗЕМЕЛЬНИХ РЕСУРСІВ"), QStringLiteral("ВИСНОВОК")}, true, true},
        {6, {QStringLiteral("КИЄВО-СВЯТОШИНСЬКА РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ"), QStringLiteral("ВИСНОВОК")}, true, true},
        {7, {QStringLiteral("АКТ"), QStringLiteral("Шевчук О.М.")}, true, false},
        {8, {QStringLiteral("РІШЕННЯ"), QStringLiteral("Софіївсько-Борщагівська сільська рада")}, true, true},
        {9, {QStringLiteral("РОЗПОРЯДЖЕННЯ"), QStringLiteral("Києво-Святошинської районної державної адміністрації")}, true, true},
        {10, {QStringLiteral("ЗАЯВКА"), QStringLiteral("ТОВ «Земпроект»"), QStringLiteral("Коваленко І.П.")}, true, true},
        {11, {QStringLiteral("СПИСОК")}, true, true},
        {12, {QStringLiteral("ЕКСПЛІКАЦІЯ ЗЕМЕЛЬ")}, false, false},
    };
    QStringList files;
    for (const auto &d : documentsMade)
        files << QDir(out).filePath(QStringLiteral("p%1.docx").arg(d.number));
    QStringList made = QDir(out).entryList({QStringLiteral("p*.docx")}, QDir::Files);
    made.sort();
    QStringList expected;
    for (const QString &f : files)
        expected << QFileInfo(f).fileName();
    expected.sort();
    ASSERT_EQ(made, expected);

    // LibreOffice converts the twelve in one run.
    const QString profile = QStringLiteral("file://") + QDir(testsupport::tempDir()).filePath(QStringLiteral("lo-package"));
    run(QStringLiteral("soffice"), QStringList{QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=") + profile,
                                               QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), out}
                                       + files);
    for (const auto &d : documentsMade) {
        SCOPED_TRACE(d.number);
        const QString docx = QDir(out).filePath(QStringLiteral("p%1.docx").arg(d.number));
        const QString pdf = QDir(out).filePath(QStringLiteral("p%1.pdf").arg(d.number));
        keep(docx, QStringLiteral("package-p%1.docx").arg(d.number));
        keep(pdf, QStringLiteral("package-p%1.pdf").arg(d.number));

        // python-docx reads the document: no cell keeps a placeholder of the bare template.
        const QJsonObject read = builderstesting::readWithPythonDocx(docx);
        for (const QJsonValue &table : read[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                for (const QJsonValue &cell : row.toArray())
                    EXPECT_FALSE(cell.toString().contains(QLatin1Char('['))) << cell.toString().toStdString();

        const int pages = pageCount(pdf);
        ASSERT_GE(pages, 1);
        QString text;
        for (int p = 1; p <= pages; ++p)
            text += pageText(pdf, p) + QLatin1Char(' ');
        for (const QString &w : d.words)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << "\n in \n" << text.toStdString();
        if (d.number != 12) {
            EXPECT_TRUE(text.contains(council)) << text.toStdString();
        }
        // Every bookmark was written: no placeholder of the bare template is left.
        EXPECT_FALSE(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")).match(text).hasMatch()) << text.toStdString();
        if (d.owners) {
            EXPECT_TRUE(text.contains(owner1) && text.contains(owner2)) << text.toStdString();
        }
        EXPECT_EQ(text.contains(QStringLiteral("ВСЬОГО")), d.total);

        // The officials' full names stand whole on one line wherever the document prints them, at
        // a signature too.
        const QString lines = lineText(pdf);
        for (const QString &name : {model::state().RaiZem, model::state().Golova})
            EXPECT_EQ(lines.count(name), flat(text).count(name)) << name.toStdString() << "\n in \n" << lines.toStdString();
    }
}

// A new office's package: the shipped database names no organisation, no staff and no district
// officials, and the sample file only the land office's and the council's heads. The run says
// which documents lack each, and none of them prints the organisation's label or brackets with
// nothing in them, or a full stop of its own; the transmittal note says the same of its own.
TEST_F(PackageEndToEnd, APackageFromTheShippedDatabaseNamesTheMissingOrganisationAndSigners)
{
    reference::CloseBase(); // the database as it ships, not as the fixture filled it
    QString error;
    ASSERT_TRUE(reference::OpenBase(referencetesting::copyOfBase(), &error)) << error.toStdString();
    reference::resetState();
    openSampleWithCode("3222486201"); // the sample as it is, opened on that database
    reference::state().PurposeName = QStringLiteral("для будівництва і обслуговування житлового будинку");

    const QString staff = QStringLiteral(" (Опції → Редагувати штамп)");
    const QString territory = QStringLiteral(" (Опції → Визначити територію)");
    QStringList told;
    makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"),
                &told);
    EXPECT_EQ(told.size(), 1) << told.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(told.value(0).toStdString(),
              (QStringList{QStringLiteral("Організацію-виконавця не задано: у документах 1, 4, 5, 6, 7, 8, 9, 10 її назви немає") + staff,
                           QStringLiteral("Директора не вказано: у документах 1, 4, 10 його прізвища немає") + staff,
                           QStringLiteral("Виконавця не вказано: у документах 1, 7 його прізвища немає") + staff,
                           QStringLiteral("Архітектора не вказано: у документі 6 його прізвища немає") + territory,
                           QStringLiteral("Голову адміністрації не вказано: у документі 9 його прізвища немає") + territory})
                  .join(QLatin1Char('\n'))
                  .toStdString());

    // Empty brackets, a label's colon before a stop or a bracket, a full stop standing alone.
    const QRegularExpression remnant(QStringLiteral("\\(\\s*\\)|:\\s*[.)]|(^|\\s)\\.(\\s|$)"));
    for (int number = 1; number <= 12; ++number) {
        SCOPED_TRACE(number);
        const QString path = QDir(out).filePath(QStringLiteral("p%1.docx").arg(number));
        keep(path, QStringLiteral("package-without-organisation-p%1.docx").arg(number));
        const QJsonObject docx = builderstesting::readWithPythonDocx(path);
        QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
        for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                texts += row.toVariant().toStringList();
        for (const QString &t : texts) {
            EXPECT_FALSE(remnant.match(t).hasMatch()) << t.toStdString();
            EXPECT_FALSE(t.contains(QStringLiteral("иконавець робіт:")) || t.contains(QStringLiteral("виконавця робіт (")))
                << t.toStdString();
        }
    }
    const QJsonObject p6 = builderstesting::readWithPythonDocx(QDir(out).filePath(QStringLiteral("p6.docx")));
    EXPECT_TRUE(p6[QStringLiteral("paragraphs")].toVariant().toStringList().contains(
        QStringLiteral("Технічну документацію розроблено у ") + QDate::currentDate().toString(QStringLiteral("yyyy"))
        + QStringLiteral(" році.")));

    // The operator reads it on the real message box, from a package made into another folder.
    {
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("package-again"));
        QDir().mkpath(out);
        const QString expected = told.value(0);
        auto scripted = platform::setPrompts(std::make_unique<platform::QtPrompts>());
        QString shown;
        widgettesting::whenModal(QString(), [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            dialogtesting::keepPicture(box, QStringLiteral("package-without-names"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QStringList none;
        makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"),
                    &none);
        platform::setPrompts(std::move(scripted));
        EXPECT_EQ(shown.toStdString(), expected.toStdString());
    }

    // The signature lines stay, for the names to be written by hand.
    for (const auto &[number, line] : {std::pair{6, QStringLiteral("архітектор району\t____________\t")},
                                       std::pair{9, QStringLiteral("адміністрації\t____________\t")}}) {
        const QStringList paragraphs =
            builderstesting::readWithPythonDocx(QDir(out).filePath(QStringLiteral("p%1.docx").arg(number)))[QStringLiteral("paragraphs")]
                .toVariant()
                .toStringList();
        EXPECT_TRUE(paragraphs.contains(line)) << number << ": " << paragraphs.join(QLatin1Char('\n')).toStdString();
    }

    // The combined report of the other kind lacks them too.
    makePackage(documents::KindPrivateDocumentation, QStringLiteral("frTd"), QString(), QString(), &told);
    EXPECT_EQ(told.size(), 1) << told.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(told.value(0).toStdString(),
              (QStringList{QStringLiteral("Організацію-виконавця не задано: у звіті її назви немає") + staff,
                           QStringLiteral("Директора не вказано: у звіті його прізвища немає") + staff,
                           QStringLiteral("Виконавця не вказано: у звіті його прізвища немає") + staff})
                  .join(QLatin1Char('\n'))
                  .toStdString());

    // And the transmittal note.
    const int before = prompts->messages().size();
    registers::MakeNaklCommand(testsupport::programDir(), reference::state().PurposeName);
    EXPECT_EQ(prompts->messages().mid(before).join(QLatin1Char('|')).toStdString(),
              (QStringList{QStringLiteral("Організацію-виконавця не задано: у накладній її назви немає") + staff,
                           QStringLiteral("Директора не вказано: у накладній його прізвища немає") + staff})
                  .join(QLatin1Char('\n'))
                  .toStdString());
    keep(desktop().opened.last(), QStringLiteral("note-without-names.docx"));
}

// A city of regional importance's file (the sample with the code 3210300000) opened after a
// district's territory was chosen, and no territory chosen for it: its code names the city, and
// every document of the package, made through the
// dialog and rendered by LibreOffice, names the city's council, land office and administration.
TEST_F(PackageEndToEnd, ACityOfRegionalImportancesFileGivesTheCitysPackage)
{
    QFile sample(testsupport::sourcePath(QStringLiteral("samples/sofiivska-dos.in4")));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QString city = QDir(out).filePath(QStringLiteral("city.in4"));
    QFile copy(city);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(sample.readAll().replace("3222486201", "3210300000"));
    copy.close();
    // Opened after the fixture's district, as it was accepted in the territory dialog.
    ASSERT_EQ(reference::state().DistrictName, QStringLiteral("Києво-Святошинський район"));
    platform::NullProgress progress;
    model::CommitLoad(model::LoadExchangeFile(city, 1, progress), city, 1);
    reference::ResolveKoatuu(model::state().Koatuu);
    reference::state().PurposeName = QStringLiteral("для ведення товарного сільськогосподарського виробництва");
    for (int i : {2, 3, 5})
        model::state().Parcels[i].Selected = -1;

    makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"));
    QStringList files;
    for (int n = 1; n <= 12; ++n)
        files << QDir(out).filePath(QStringLiteral("p%1.docx").arg(n));
    const QString profile = QStringLiteral("file://") + QDir(testsupport::tempDir()).filePath(QStringLiteral("lo-city"));
    run(QStringLiteral("soffice"), QStringList{QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=") + profile,
                                               QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), out}
                                       + files);
    const struct {
        int number;
        QStringList words;
    } documentsMade[] = {
        {1, {QStringLiteral("на території Білоцерківської міської ради м. Біла Церква Київської області")}},
        {2, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКА РАДА М. БІЛА ЦЕРКВА КИЇВСЬКОЇ ОБЛАСТІ"),
             QStringLiteral("До Білоцерківського міського відділу земельних ресурсів")}},
        {3, {QStringLiteral("БІЛОЦЕРКІВСЬКИЙ МІСЬКИЙ ВІДДІЛ ЗЕМЕЛЬНИХ РЕСУРСІВ"), QStringLiteral("Міський відділ земельних ресурсів просить")}},
        {4, {QStringLiteral("Міський відділ земельних ресурсів доручає")}},
        {5, {QStringLiteral("БІЛОЦЕРКІВСЬКИЙ МІСЬКИЙ ВІДДІЛ ЗЕМЕЛЬНИХ РЕСУРСІВ"), QStringLiteral("міський відділ земельних ресурсів установив")}},
        {6, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКДЕРЖАДМІНІСТРАЦІЯ"), QStringLiteral("архітектор міста")}},
        {7, {QStringLiteral("Білоцерківського міського відділу земельних ресурсів")}},
        {8, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКА РАДА М. БІЛА ЦЕРКВА"), QStringLiteral("висновки міського відділу")}},
        {9, {QStringLiteral("БІЛОЦЕРКІВСЬКА МІСЬКДЕРЖАДМІНІСТРАЦІЯ"), QStringLiteral("Голова Білоцерківської міськдержадміністрації")}},
        {10, {QStringLiteral("До Білоцерківського міського відділу земельних ресурсів"), QStringLiteral("Начальник міського відділу")}},
        {11, {QStringLiteral("Білоцерківської міської ради")}},
        {12, {QStringLiteral("ЕКСПЛІКАЦІЯ ЗЕМЕЛЬ")}},
    };
    for (const auto &d : documentsMade) {
        SCOPED_TRACE(d.number);
        const QString pdf = QDir(out).filePath(QStringLiteral("p%1.pdf").arg(d.number));
        keep(pdf, QStringLiteral("city-package-p%1.pdf").arg(d.number));
        keep(files[d.number - 1], QStringLiteral("city-package-p%1.docx").arg(d.number));
        QString text;
        for (int p = 1; p <= pageCount(pdf); ++p)
            text += pageText(pdf, p) + QLatin1Char(' ');
        for (const QString &w : d.words)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << "\n in \n" << text.toStdString();
        for (const char *wrong : {"район", "РАЙОН", "міської міськ", "м Біла"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(wrong))) << wrong << "\n in \n" << text.toStdString();
        EXPECT_FALSE(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")).match(text).hasMatch()) << text.toStdString();
    }

    makePackage(documents::KindPrivateDocumentation, QStringLiteral("frTd"), QString(), QString());
    const QString report = QDir(out).filePath(QStringLiteral("tdmany.docx"));
    const QString pdf = builderstesting::toPdf(report, out);
    keep(pdf, QStringLiteral("city-package-tdmany.pdf"));
    keep(report, QStringLiteral("city-package-tdmany.docx"));
    const QString text = pageText(pdf, 1) + QLatin1Char(' ') + pageText(pdf, 2);
    EXPECT_TRUE(text.contains(QStringLiteral("на території Білоцерківської міської ради м. Біла Церква"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("район"))) << text.toStdString();
}

// The council's head and the council are named by the council's kind, which its status word
// tells: the sample's village council, a town council of the same district and the city of
// regional importance, each opened from the sample with its own code (and the district's own
// council, whose code names the district alone). Every document of both kinds
// of package and the transmittal note, read back by python-docx: the town's and the city's print
// no village word, and the village's read as they always have.
TEST_F(PackageEndToEnd, TheCouncilAndItsHeadAreNamedByTheCouncilsKind)
{
    const struct {
        const char *name, *code, *council, *head, *kind;
    } councils[] = {
        {"village", "3222486201", "Софіївсько-Борщагівська сільська", "Сільський голова", "сільської"},
        {"town", "3222457400", "Чабанівська селищна", "Селищний голова", "селищної"},
        {"city of regional importance", "3210300000", "Білоцерківська міська", "Міський голова", "міської"},
        {"district council", "3222400000", "Києво-Святошинська районна", "Голова районної ради", "районної"},
    };
    // A village word, not the one of agriculture ("сільськогосподарського").
    const QRegularExpression villageWord(QStringLiteral("(^|[^\\w’'-])[Сс]ільськ(?!огосподар)"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    for (const auto &c : councils) {
        SCOPED_TRACE(c.name);
        openSampleWithCode(c.code);
        ASSERT_EQ(reference::state().CouncilName, QString::fromUtf8(c.council));
        const QString head = QString::fromUtf8(c.head), kind = QString::fromUtf8(c.kind);
        const QString headInText = head.left(1).toLower() + head.mid(1);
        // The places that name the head or the council by its kind, each as often as it stands there.
        const std::map<int, std::vector<std::pair<QString, int>>> phrases = {
            {2, {{QLatin1Char('\n') + head + QStringLiteral("\t____________\t"), 2}}},
            {5, {{QStringLiteral("на підставі рішення %1 ради, заяв").arg(kind), 1}}},
            {7, {{QStringLiteral("голова комісії — ") + headInText + QLatin1Char('\n'), 1}}},
            {8, {{QLatin1Char('\n') + head + QStringLiteral("\t____________\t"), 2}}},
            {9, {{QStringLiteral("у віданні %1 ради.").arg(kind), 1}}},
        };

        QDir(out).removeRecursively();
        QDir().mkpath(out);
        makePackage(documents::KindSharesDocumentation, QStringLiteral("frPai"), QStringLiteral("4"), QStringLiteral("1"));
        makePackage(documents::KindPrivateDocumentation, QStringLiteral("frTd"), QString(), QString());
        registers::MakeNaklCommand(testsupport::programDir(), reference::state().PurposeName);
        EXPECT_TRUE(prompts->messages().isEmpty()) << prompts->messages().join(QLatin1Char('|')).toStdString();
        ASSERT_FALSE(desktop().opened.isEmpty());
        const QString note = desktop().opened.last();
        ASSERT_TRUE(note.endsWith(QStringLiteral(".docx")) && QFileInfo(note).fileName().startsWith(QStringLiteral("Накладна")))
            << note.toStdString();

        for (int number = 0; number <= 13; ++number) {
            SCOPED_TRACE(number); // 0 the combined report, 13 the note
            const QString path = number == 0    ? QDir(out).filePath(QStringLiteral("tdmany.docx"))
                                 : number == 13 ? note
                                                : QDir(out).filePath(QStringLiteral("p%1.docx").arg(number));
            keep(path, QStringLiteral("council-%1-%2").arg(QLatin1String(c.code), QFileInfo(path).fileName()));
            const QString all = QLatin1Char('\n') + docxText(path) + QLatin1Char('\n');
            if (const auto it = phrases.find(number); it != phrases.end()) {
                for (const auto &[phrase, times] : it->second)
                    EXPECT_EQ(all.count(phrase), times) << phrase.toStdString() << "\n in \n" << all.toStdString();
            }
            if (QString::fromUtf8(c.name) != QStringLiteral("village")) {
                const QRegularExpressionMatch m = villageWord.match(all);
                EXPECT_FALSE(m.hasMatch()) << m.captured(0).toStdString() << "\n in \n" << all.toStdString();
            }
        }
    }
}
