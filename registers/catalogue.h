#pragma once

#include "documents/docbatch.h"
#include "documents/sides.h"
#include "model/parcel.h"
#include "office/wordapp.h"
#include "platform/progresssink.h"

#include <QString>
#include <cstdint>

namespace registers {

/// The template of the coordinate catalogue under the program folder (Dots/katalog.dotx).
QString CatalogueTemplatePath(const QString &programDir);

/// The name a parcel's catalogue is saved under, without folder and extension: the parcel number
/// followed by "_k", made safe for a file name ("/" and "\" become "_").
QString CatalogueFileBaseName(const QString &number);

/// Fills a catalogue made from the template: the bookmarks User (the owner names as stored),
/// Area and Perum (the perimeter, "0.00 м."), and below the two heading rows of table 1 one row per
/// vertex (running number with a leading blank, inner angle, X, Y) and between them one row per
/// side (direction angle, length), closed by a row that repeats vertex 1 numbered "1". Reports 9,
/// 11, 13 and 17 to `step`. Throws office::Error when a bookmark or the table is missing.
void FillCatalogue(office::Document &doc, const model::Parcel &parcel, const documents::SideList &sides,
                   uint8_t areaUnit, platform::ProgressSink &step);

/// The coordinate catalogue of every selected parcel of the model, in index order, one document
/// each in `app`: rebuilds the program-wide side list from the parcel's points, stores the sum of
/// the side lengths in the parcel's Perimeter, fills the template and opens, saves, or saves and
/// prints the document by the document action, under names distinct within the run. A parcel
/// without boundary points, one that no plan could draw (documents::CheckParcelPlaceable, with the
/// plans' reason), or one whose document fails, is recorded with its number and reason and the run
/// goes on. `overall` counts the parcels with the label "Загальний процес i з n"; `step` the
/// stages of each catalogue (1 to 21). Throws zova::Error when the template is missing, after
/// the perimeters of all selected parcels are stored.
documents::BatchReport MakeCatalogues(office::WordApp &app, const QString &programDir, uint8_t areaUnit,
                                      platform::ProgressSink &overall, platform::ProgressSink &step);

} // namespace registers
