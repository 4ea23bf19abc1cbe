#include "documents/docbuilder.h"

#include "common/error.h"
#include "documents/docoptions.h"
#include "documents/docparcel.h"
#include "documents/plantemplates.h"
#include "documents/sides.h"
#include "documents/state.h"
#include "documents/stateacts.h"
#include "documents/zovadocuments.h"
#include "model/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace documents {

QString ProgramFolderOf(const PlanOptions &options)
{
    return options.ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.ProgramDir;
}

QString PlanTemplatePath(const QString &programDir, int paper, int variant)
{
    const ZovaTemplate *tpl = FindZovaTemplate(paper, variant);
    if (!tpl)
        return QString();
    return QDir(programDir).filePath(QStringLiteral("Dots/") + tpl->FileName);
}

QString PlanFileBaseName(const QString &number, int32_t index)
{
    return SafeFileName(number, QStringLiteral("ділянка")) + QLatin1Char('_') + QString::number(index);
}

QString DocumentBaseName(uint8_t kind, bool dsFlag, int32_t index)
{
    const model::Parcel &parcel = model::state().Parcels[index];
    const QString fallback = QStringLiteral("ділянка");
    switch (kind) {
    case KindApprovalPlan:
    case KindApprovalAct:
    case KindApprovalActShares:
        return SafeFileName(parcel.Number, fallback);
    case KindNewStateAct: {
        const QString cadNumber = CadastralNumber(parcel.KoatuuPart.text(), parcel.ZN, parcel.KV, parcel.Number);
        return SafeFileName(dsFlag ? cadNumber : parcel.ParcelKoatuu + cadNumber.mid(10), fallback);
    }
    default:
        return PlanFileBaseName(parcel.Number, index);
    }
}

namespace {

/// The template file of a kind with one; throws when there is none for the choice or it is missing.
QString TemplateOf(const PlanOptions &options, const ZovaTemplate *&plan)
{
    const QString dots = QDir(ProgramFolderOf(options)).filePath(QStringLiteral("Dots"));
    QString file;
    if (IsPlanKind(options.Kind)) {
        plan = FindZovaTemplate(options.Paper, options.ZovaVariant);
        if (!plan)
            throw zova::Error(QStringLiteral("Для цього формату аркуша немає плану варіанта %1")
                                  .arg(options.ZovaVariant));
        file = plan->FileName;
    } else if (options.Kind == KindApprovalPlan) {
        plan = &ApprovalTemplate(); // whatever the paper and variant
        file = plan->FileName;
    } else {
        switch (options.Kind) {
        case KindApprovalAct: file = QStringLiteral("aprvl.dotx"); break;
        case KindApprovalActShares: file = QStringLiteral("aprvlp.dotx"); break;
        case KindNewStateAct: file = QStringLiteral("aktnew.dotx"); break;
        default: return QString();
        }
    }
    const QString path = QDir(dots).filePath(file);
    if (!QFileInfo(path).isFile())
        throw zova::Error(QStringLiteral("Немає шаблону документа: ") + QDir::toNativeSeparators(path));
    return path;
}

} // namespace

QString DocumentFolder(office::WordApp &app, const QString &chosen, uint8_t action)
{
    const QString folder = !chosen.isEmpty() ? chosen : action == ActionOpen ? app.WorkFolder() : app.DefaultFolder();
    QDir().mkpath(folder); // a fresh account has no Documents folder yet
    return folder;
}

DocumentResult FinishDocument(office::Document &doc, const QString &path, uint8_t action, bool mayReplace)
{
    DocumentResult result;
    switch (action) {
    case ActionOpen:
        // An opened document stands for one that Word would leave unsaved: it takes a name no file
        // has, for the word processor may still show a document of an earlier run under this name
        // (and would show that one again), and a file there may be one the operator saved.
        // Counted as opened only when something opened it; saved either way.
        result.Fate = doc.ShowDocument(path) ? DocumentFate::Opened : DocumentFate::NotOpened;
        result.Path = doc.FullName();
        doc.Close();
        break;
    case ActionSave:
        result.Path = mayReplace ? doc.SaveAs(path) : doc.SaveAsNew(path);
        result.Fate = DocumentFate::Saved;
        doc.Close();
        break;
    case ActionSavePrint:
        result.Path = mayReplace ? doc.SaveAs(path) : doc.SaveAsNew(path);
        doc.PrintOut();
        result.Fate = DocumentFate::Printed;
        doc.Close();
        break;
    default:
        result.Fate = DocumentFate::Left;
        break;
    }
    return result;
}

QString BatchFolder(office::WordApp &app)
{
    const DocOptions &opts = documents::options();
    // A folder of two characters or fewer is no choice of the operator's.
    const QString chosen = opts.OutputFolder.size() > 2 ? opts.OutputFolder : QString();
    return DocumentFolder(app, chosen, opts.DocAction);
}

void AskBeforeReplacingFiles(OutputNames &names, uint8_t action, const QStringList &paths)
{
    // An opened document never replaces a file, and one left open is not saved.
    if (action == ActionSave || action == ActionSavePrint)
        names.AskBeforeReplacing(paths);
}

void AskBeforeReplacingFiles(office::WordApp &app, OutputNames &names,
                             const std::function<QString(int32_t index)> &baseName)
{
    const QString folder = BatchFolder(app);
    // The names the batch will hand out, in its order, from names of its own.
    OutputNames planned = names;
    QStringList paths;
    const model::ParcelList &parcels = model::state().Parcels;
    for (int32_t index = 1; index <= parcels.UBound(); ++index)
        if (parcels[index].Selected != 0)
            paths << planned.Reserve(folder, baseName(index), QStringLiteral(".docx"));
    AskBeforeReplacingFiles(names, documents::options().DocAction, paths);
}

DocumentResult FinishBatchDocument(office::WordApp &app, office::Document &doc, OutputNames &names,
                                   const QString &baseName)
{
    const QString path = names.Reserve(BatchFolder(app), baseName, QStringLiteral(".docx"));
    return FinishDocument(doc, path, documents::options().DocAction, names.MayReplace(path));
}

QStringList NotOpenedLines(const QStringList &paths)
{
    if (paths.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Збережено, але не відкрито: %1").arg(paths.size()),
                      QStringLiteral("Не знайдено програми, що відкриває документи Word (LibreOffice Writer).")};
    for (const QString &path : paths)
        lines << QDir::toNativeSeparators(path);
    return lines;
}

DocumentResult MakeParcelDocument(office::WordApp &app, const PlanOptions &options, int32_t &scale,
                                  DocumentSession &session, platform::ProgressSink &step)
{
    State &st = state();
    const ZovaTemplate *plan = nullptr;
    const QString templatePath = TemplateOf(options, plan);
    if (templatePath.isEmpty())
        return {};
    if (plan && plan->BuildsSides())
        BuildSideList(st.CurDocParcel);

    step.setValue(1);
    office::Document &doc = app.Documents_Add(templatePath);
    DocumentResult result = CloseOnFailure(app, doc, [&] {
        QStringList problems;
        bool fits = true;
        if (plan) {
            const PlanOutcome made = FillZovaDocument(doc, *plan, options, scale, step, &session.Neighbours);
            fits = made.Fits;
            problems = made.Problems;
        } else { // the acts: every other kind has no template
            const ActOutcome act = options.Kind == KindNewStateAct
                                       ? FillNewStateAct(doc, options, scale, step, &session.Neighbours)
                                       : FillApprovalAct(doc, options, scale, step, &session.Neighbours);
            fits = act.Fits;
            problems = act.Problems;
        }

        DocumentResult made =
            FinishBatchDocument(app, doc, session.Names, DocumentBaseName(options.Kind, options.DsFlag, st.CurDocParcel));
        made.DrawingOutside = !fits;
        made.Problems = problems;
        made.Scale = st.DrawScale;
        return made;
    });
    step.setValue(21);
    return result;
}

} // namespace documents
