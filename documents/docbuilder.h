#pragma once

#include "documents/outputnames.h"
#include "documents/planoptions.h"
#include "documents/planshapes.h"
#include "office/wordapp.h"
#include "platform/progresssink.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace documents {

/// What became of one document.
enum class DocumentFate {
    None,     ///< the kind makes no document of its own (the documentation package kinds)
    Opened,   ///< saved and opened for the operator
    NotOpened, ///< to be opened, saved, but nothing on the desktop could open it
    Saved,    ///< saved
    Printed,  ///< saved and sent to the printer
    Left,     ///< left open in the application, unsaved
};

struct DocumentResult {
    DocumentFate Fate = DocumentFate::None;
    QString Path; ///< the saved file; empty unless saved
    bool DrawingOutside = false; ///< the drawing leaves the template's drawing region
    int32_t Scale = 0;           ///< the scale the drawing used
    QStringList Problems;        ///< what the document could not be given, one line each
};

/// The template path of a plan for the paper and variant under `programDir`; empty when there is
/// no plan template for them.
QString PlanTemplatePath(const QString &programDir, int paper, int variant);

/// The base name (without folder and extension) a plan of parcel `index` numbered `number` is
/// saved under: the number, "_" and the index, made safe for a file name.
QString PlanFileBaseName(const QString &number, int32_t index);

/// The base name (without folder and extension) the document of `kind` for the parcel at `index`
/// of the model is saved under, made safe for a file name: a plan's number and index, an approval
/// plan's or an approval act's number, the new state act's cadastral number (with `dsFlag` off,
/// the parcel's own KOATUU in place of the file's). Within a batch the session's OutputNames
/// keeps the names of parcels numbered alike apart.
QString DocumentBaseName(uint8_t kind, bool dsFlag, int32_t index);

/// Finishes a filled document under `path` by `action` (ActionOpen, ActionSave, ActionSavePrint):
/// opens it, saves it, or saves and prints it, and closes it; any other action leaves it open in
/// the application. It is saved under `path` or, when a file is there, under the first free
/// " (2)", " (3)", ... beside it (platform::FreeName); a saved one replaces the file there only
/// when `mayReplace` says so. An opened one never does (NotOpened when nothing on the desktop
/// could open it). Throws zova::Error when the save or the print fails.
DocumentResult FinishDocument(office::Document &doc, const QString &path, uint8_t action, bool mayReplace);

/// The lines that tell the operator which documents were saved but not opened, because nothing
/// on the desktop could open them: a count, the reason and the files (native separators). Empty
/// when `paths` is.
QStringList NotOpenedLines(const QStringList &paths);

/// What the documents of one batch share: the names handed out so far and the neighbour search.
struct DocumentSession {
    OutputNames Names;
    NearParcelSearch Neighbours;
};

/// Returns fill()'s result for the document `doc` just added to `app`; when fill throws, closes
/// `doc` unsaved (while it is still the application's active document) and throws on.
template <typename Fill>
auto CloseOnFailure(office::WordApp &app, office::Document &doc, Fill &&fill) -> decltype(fill())
{
    try {
        return fill();
    } catch (...) {
        if (app.ActiveDocument() == &doc)
            doc.Close();
        throw;
    }
}

/// The folder a finished document goes to: `chosen` when the operator chose one (not empty),
/// otherwise the application's work folder for a document left open (as an unsaved Word document
/// stays in Word) and its default folder for one saved. The folder is made when it is missing.
QString DocumentFolder(office::WordApp &app, const QString &chosen, uint8_t action);

/// The folder a batch's documents go to by documents::options(): DocumentFolder with the output
/// folder, when one of more than two characters is chosen, and the document action.
QString BatchFolder(office::WordApp &app);

/// Before a batch that finishes its documents by `action` saves them under `paths`: when the
/// action saves, asks through `names` whether to replace the files there
/// (OutputNames::AskBeforeReplacing); an opened document replaces none, so nothing is asked then.
void AskBeforeReplacingFiles(OutputNames &names, uint8_t action, const QStringList &paths);

/// The same before a batch of documents::options() goes through the selected parcels, for the
/// files in the batch folder that the documents `baseName(index)`.docx of the selected parcels
/// would replace.
void AskBeforeReplacingFiles(office::WordApp &app, OutputNames &names,
                             const std::function<QString(int32_t index)> &baseName);

/// The folder and the name of a batch's document by documents::options(): the batch folder, a
/// name `baseName`.docx that `names` keeps distinct within the batch; then FinishDocument by the
/// document action, replacing a file only where `names` allows it.
DocumentResult FinishBatchDocument(office::WordApp &app, office::Document &doc, OutputNames &names,
                                   const QString &baseName);

/// Builds the document of options.Kind for the parcel in DocParcel1 (index CurDocParcel) in
/// `app` from its template under the program folder, and then opens, saves, or saves and prints
/// it by documents::options().DocAction, in the output folder (the application's default folder
/// while none is chosen) under a name the session hands out. `scale` is the drawing's scale in and
/// out. Reports 1 to 21 to `step`. Throws zova::Error (office::Error among them) naming what
/// failed: no template for the paper and variant, a missing template file, a bookmark or table
/// the template lacks, a parcel that cannot be drawn, a failed save or print; a document that
/// failed is closed unsaved. A drawing that leaves its region is made all the same and reported
/// in the result, as is what an act could not be given.
DocumentResult MakeParcelDocument(office::WordApp &app, const PlanOptions &options, int32_t &scale,
                                  DocumentSession &session, platform::ProgressSink &step);

} // namespace documents
