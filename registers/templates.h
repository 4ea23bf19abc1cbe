#pragma once

#include "common/error.h"
#include "documents/docbatch.h"
#include "model/parcel.h"
#include "office/wordapp.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace registers {

/// The path of the template `file` (".dotx", may hold a subfolder) under the program folder's Dots/.
QString TemplatePath(const QString &programDir, const QString &file);
/// True when a template file exists at the path.
bool TemplateExists(const QString &path);
/// The error that names a missing template.
zova::Error MissingTemplate(const QString &path);
/// TemplatePath(programDir, file) when a template file is there; throws MissingTemplate otherwise.
QString ExistingTemplatePath(const QString &programDir, const QString &file);

/// A document left for the operator: where it was saved, whether the desktop opened it, and the
/// lines that tell what it was made without (a signer's name not stored), for the closing message.
struct LeftOpen {
    QString Path;
    bool Opened = false;
    QStringList Remarks;
};

/// A list left open for the operator, and the selected parcels it was made without.
struct ListResult : LeftOpen {
    std::vector<documents::BatchFailure> LeftOut;
};

/// Leaves a finished document for the operator as an unsaved Word document would stay: saves it
/// in the application's work folder as `baseName`.docx, or, while a file of that name is there
/// already (an earlier list may still be open), as "`baseName` (2).docx", " (3)", ...
/// (platform::FreeName), never in place of a file, also while another copy of the program saves
/// there; has the desktop open it and closes it
/// here. Throws office::Error when the save fails.
LeftOpen LeaveOpen(office::WordApp &app, office::Document &doc, const QString &baseName);

/// Writes one row of `table` per selected parcel of the model, in index order, from row `firstRow`
/// on, adding a row to the table for each, so that one empty row ends it. `write` gets the row, the
/// parcel's count among the selected ones (from 1) and the parcel. With `take`, only the parcels
/// whose index it takes get a row, and the count goes on without gaps.
void WriteSelectedParcelRows(office::Table &table, int firstRow,
                             const std::function<void(int row, int k, const model::Parcel &parcel)> &write,
                             const std::function<bool(int32_t index)> &take = {});

/// True when parcel `index` of `parcels` may have its figures printed, as the plans would draw it
/// (documents::CheckParcelPlaceable, with `landUse` its land-use areas too); otherwise false, with
/// the parcel's number and the plans' reason added to `leftOut`.
bool FiguresPrintable(const model::ParcelList &parcels, int32_t index, bool landUse,
                      std::vector<documents::BatchFailure> &leftOut);

} // namespace registers
