#include "registers/packagerun.h"

#include "common/error.h"
#include "common/numbers.h"
#include "common/text.h"
#include "documents/docoptions.h"
#include "model/state.h"
#include "reference/state.h"
#include "reference/territory.h"
#include "registers/folders.h"
#include "registers/packagebookmarks.h"
#include "registers/packagedocuments.h"
#include "registers/state.h"
#include "registers/templates.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <exception>

namespace registers {

const ReportGroupList &PackageRun::groups() const
{
    static const ReportGroupList none;
    return Groups ? *Groups : none;
}

PlaceWords PackageRun::place(PlaceRole role) const
{
    return PlaceWordsOf(DistrictName, CentreName, role);
}

bool PackageRun::city() const
{
    return IsCityOfRegionalImportance(DistrictName, CentreName);
}

PackageRun FormPackageRun(const PackageArguments &args)
{
    reference::State &ref = reference::state();
    const State &s = state();
    PackageRun run;
    run.Groups = &s.ReportGroups;
    ApplyTerritoryDefaults();
    run.RegionGen = RegionGenitive(ref.RegionName);
    run.DistrictGen = DistrictGenitive(ref.DistrictName);
    run.DistrictName = ref.DistrictName;
    run.CentreName = ref.CentreName;
    run.CouncilName = reference::CouncilWithoutWordCouncil(ref.CouncilName);
    run.CouncilGen = reference::CouncilCaseForms(run.CouncilName).genitive;
    for (const ReportGroup &group : s.ReportGroups)
        for (const ReportLine &line : group.Lines) {
            run.SumArea += line.Area;
            run.SumCat1 += line.Sums.CatSum1;
            run.SumCat2 += line.Sums.CatSum2;
            run.SumCat3 += line.Sums.CatSum3;
            run.SumCat4 += line.Sums.CatSum4;
        }
    run.TotalArea = s.TotalArea;
    run.Year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    run.OrganTitle = ref.OrganTitle;
    run.NDur = ref.NDur;
    run.NSkl = ref.NSkl;
    run.PurposeName = ref.PurposeName;
    run.RaiZem = model::state().RaiZem;
    run.Golova = model::state().Golova;
    run.KspName = args.KspName;
    run.Arhit = args.Arhit;
    run.GolAdm = args.GolAdm;
    run.StartPage = args.StartPage;
    run.PageStep = args.PageStep;
    run.PageNumbers = s.PageNumbers;
    return run;
}

PageNumbering ReadPageNumbering(const QString &pageText, const QString &stepText, const ReportGroupList &groups,
                                bool pageNumbers)
{
    PageNumbering result;
    const double page = zova::LeadingNumber(pageText);
    const double step = zova::LeadingNumber(stepText);
    // Halves go to the even neighbour, so -0.5 is still page 0 and 32767.5 is already too far.
    if (!(page >= -0.5 && page < 32767.5)) {
        result.Error = QStringLiteral("Починати зі сторінки: вкажіть число від 0 до 32767");
        return result;
    }
    if (!(step >= -0.5 && step < 255.5)) {
        result.Error = QStringLiteral("Крок: вкажіть число від 0 до 255");
        return result;
    }
    result.StartPage = zova::RoundToInt16(page);
    result.PageStep = zova::RoundToByte(step);
    if (pageNumbers) {
        long long lines = 0;
        for (const ReportGroup &group : groups)
            lines += group.Lines.UBound();
        if (result.StartPage + static_cast<long long>(result.PageStep) * lines > 32767)
            result.Error = QStringLiteral("Номери сторінок змісту перейдуть за 32767: зменшіть початкову сторінку або крок");
    }
    return result;
}

QString ElapsedText(const QDateTime &start, const QDateTime &end)
{
    const qint64 seconds = std::max<qint64>(0, start.secsTo(end));
    QString text = QStringLiteral("Пішло часу - ");
    if (seconds >= 3600)
        text += QString::number(seconds / 3600) + QStringLiteral(" год. ");
    return text + QString::number(seconds % 3600 / 60) + QStringLiteral(" хв. ") + QString::number(seconds % 60)
         + QStringLiteral(" сек.");
}

namespace {

/// Where the documents of `numbers` stand in a message: "у документі 6", "у документах 1, 4";
/// "у звіті" for the combined report (0), which is made alone.
QString documentsText(const std::vector<int> &numbers)
{
    QStringList shown;
    for (int number : numbers) {
        if (number == 0)
            return QStringLiteral("у звіті");
        shown << QString::number(number);
    }
    return shown.size() == 1 ? QStringLiteral("у документі ") + shown[0]
                             : QStringLiteral("у документах ") + shown.join(QStringLiteral(", "));
}

} // namespace

QString PackageReport::FailureText() const
{
    QStringList lines;
    if (!WithoutOrganisation.empty())
        lines << UnnamedOrganisationText(documentsText(WithoutOrganisation));
    for (const auto &[who, numbers] : WithoutSigner)
        lines << UnnamedSignerText(who, documentsText(numbers));
    if (WithoutPurpose)
        lines << QStringLiteral("Цільове призначення ділянки не вибрано: у звіті воно порожнє");
    if (!Failures.empty()) {
        lines << QStringLiteral("Не вдалося зробити документи пакета (%1):").arg(Failures.size());
        for (const PackageFailure &f : Failures) {
            const QString name = f.Number == 0 ? QStringLiteral("Звіт")
                                               : QStringLiteral("Документ %1 «%2»").arg(f.Number).arg(PackageDocumentCaption(f.Number));
            lines << name + QStringLiteral(": ") + f.Reason;
        }
    }
    if (!LeftOut.empty()) {
        lines << QStringLiteral("Документи пакета зроблено без ділянок (%1):").arg(LeftOut.size());
        for (const documents::BatchFailure &f : LeftOut)
            lines << QStringLiteral("№ %1 (%2): %3").arg(f.Number).arg(f.ParcelIndex).arg(f.Reason);
    }
    QStringList notOpened;
    for (const PackageDone &d : Done)
        if (d.Result.Fate == documents::DocumentFate::NotOpened)
            notOpened << d.Result.Path;
    lines << documents::NotOpenedLines(notOpened);
    return lines.join(QLatin1Char('\n'));
}

namespace {

/// The path of a package document: its file name in the package folder, joined at use.
QString documentPath(office::WordApp &app, const PackageDocument &row, uint8_t action)
{
    return QDir(documents::DocumentFolder(app, folders().ReportFolder, action)).filePath(QLatin1String(row.FileName));
}

/// What a document has a place for that the run had no name for.
struct Unnamed {
    bool organisation = false;
    std::vector<Signer> signers;
};

/// Makes one document from its row: the template, the filling, and what `action` says; it replaces
/// a file of its name only where `names` allows it. `unnamed` tells what the document has a place
/// for that the run had no name for.
documents::DocumentResult makeDocument(office::WordApp &app, const PackageDocument &row, PackageRun &run,
                                       const QString &programDir, uint8_t action, const documents::OutputNames &names,
                                       Unnamed &unnamed)
{
    const QString templatePath = ExistingTemplatePath(programDir, QLatin1String(row.Template));

    const QString path = documentPath(app, row, action);
    office::Document &doc = app.Documents_Add(templatePath);
    return documents::CloseOnFailure(app, doc, [&] {
        row.Fill(doc, run);
        unnamed.organisation = run.OrganTitle.trimmed().isEmpty() && NamesOrganisation(doc);
        unnamed.signers = UnnamedSigners(doc, run);
        return documents::FinishDocument(doc, path, action, names.MayReplace(path));
    });
}

/// Makes one document and records what became of it; a failure is recorded and does not stop the run.
void makeInto(PackageReport &report, int number, office::WordApp &app, const PackageDocument *row, PackageRun &run,
              const QString &programDir, uint8_t action, const documents::OutputNames &names)
{
    try {
        if (!row)
            throw zova::Error(QStringLiteral("ще не реалізовано"));
        Unnamed unnamed;
        report.Done.push_back({number, makeDocument(app, *row, run, programDir, action, names, unnamed)});
        if (unnamed.organisation)
            report.WithoutOrganisation.push_back(number);
        for (Signer who : unnamed.signers)
            report.WithoutSigner[who].push_back(number);
    } catch (const zova::Error &e) {
        report.Failures.push_back({number, e.message()});
    } catch (const std::exception &e) {
        report.Failures.push_back({number, QString::fromLocal8Bit(e.what())});
    }
}

} // namespace

PackageReport MakeReportDocuments(office::WordApp &app, PackageArguments &args, platform::ProgressSink &progress)
{
    PackageReport report;
    PackageRun run = FormPackageRun(args);
    const QString programDir = args.ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : args.ProgramDir;
    const State &s = state();
    documents::OutputNames names;
    if (s.ReportMode == ReportShares) {
        const uint8_t action = documents::options().DocAction;
        QStringList paths;
        for (int i = 1; i <= 12; ++i)
            if (const PackageDocument *row = FindPackageDocument(i); row && s.DocChosen[size_t(i)])
                paths << documentPath(app, *row, action);
        documents::AskBeforeReplacingFiles(names, action, paths);
        progress.setRange(0, 12);
        for (int i = 1; i <= 12; ++i) {
            if (s.DocChosen[size_t(i)])
                makeInto(report, i, app, FindPackageDocument(i), run, programDir, action, names);
            progress.setValue(i);
        }
        args.StartPage = run.StartPage;
    } else if (s.ReportMode == ReportPrivate && args.CombinedReport) {
        // The combined report is always left for the operator, whatever the document action says.
        makeInto(report, 0, app, &CombinedReportDocument(), run, programDir, documents::ActionOpen, names);
        // Its title names the purpose chosen in the window; made without one, it says so as the acts do.
        report.WithoutPurpose = !report.Done.empty() && run.PurposeName.trimmed().isEmpty();
    }
    if (!report.Done.empty())
        report.LeftOut = s.LeftOut;
    return report;
}

} // namespace registers
