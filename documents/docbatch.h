#pragma once

#include "documents/docbuilder.h"
#include "documents/planoptions.h"
#include "platform/progresssink.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace documents {

/// A parcel whose document could not be made, and why.
struct BatchFailure {
    int32_t ParcelIndex = 0;
    QString Number;
    QString Reason;
};

/// A parcel whose drawing leaves its region of the sheet at the scale it was drawn in.
struct OutsideDrawing {
    int32_t ParcelIndex = 0;
    QString Number;
    int32_t Scale = 0;
};

/// A document that was made without some of what it should hold, and what it lacks.
struct DocumentRemarks {
    int32_t ParcelIndex = 0;
    QString Number;
    QStringList Problems;
};

/// The outcome of a document batch.
struct BatchReport {
    int Selected = 0;                   ///< parcels the batch went through
    std::vector<DocumentResult> Done;   ///< one per document made, in parcel order
    std::vector<BatchFailure> Failures; ///< one per parcel that failed, in parcel order
    std::vector<OutsideDrawing> Outside; ///< one per document whose drawing leaves its region
    std::vector<DocumentRemarks> Remarks; ///< one per document made without some of its texts

    /// True when a document to be opened was saved but nothing could open it.
    bool AnyNotOpened() const;
    /// The closing message for the operator: how many documents were made and where, every
    /// parcel whose drawing leaves its region with the scale, every document made without some
    /// of its texts with what it lacks, and every parcel that failed with its reason.
    QString Summary() const;
    /// True when every document was made whole, in its region, and opened where it was to be,
    /// and none failed.
    bool Clean() const { return Failures.empty() && Outside.empty() && Remarks.empty() && !AnyNotOpened(); }
};

/// The number of parcels whose Selected flag is set.
int SelectedParcelCount();

/// Goes through the selected parcels of the model in their order, as a batch does: sets
/// report.Selected, `overall`'s range 0..selected at 0, and before each parcel `overall`'s value
/// and the label "Загальний процес i з n"; then calls visit(index) with the parcel's index.
void ForEachSelectedParcel(BatchReport &report, platform::ProgressSink &overall,
                           const std::function<void(int32_t)> &visit);

/// Runs make() for the parcel at `index`; a zova::Error or other std::exception it throws is
/// recorded in report.Failures with the parcel's number and the reason, and not thrown on.
void TryParcel(BatchReport &report, int32_t index, const std::function<void()> &make);

/// Makes the document of options.Kind for every selected parcel of the model, in the order of the
/// parcels, in one application: sets CurDocParcel, prepares DocParcel1 and builds the document.
/// A parcel that fails is recorded with its reason and the batch goes on with the next one.
/// `overall` gets the range 0..selected, the value and the label "Загальний процес i з n" before
/// each parcel; `step` the stages of each document. After the batch CurDocParcel is one past the
/// last parcel.
BatchReport RunDocumentBatch(office::WordApp &app, const PlanOptions &options, platform::ProgressSink &overall,
                             platform::ProgressSink &step);

} // namespace documents
