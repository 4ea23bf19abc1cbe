#pragma once

#include "documents/planoptions.h"
#include "documents/planshapes.h"
#include "model/parcel.h"
#include "office/document.h"
#include "platform/progresssink.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace reference {
struct State;
}

namespace documents {

/// What became of an act besides the document itself.
struct ActOutcome {
    bool Fits = true;     ///< every drawing stays in its region of the sheet
    QStringList Problems; ///< what the act could not be given, one line each in Ukrainian
};

/// The index of the second parcel that the field `db` of parcel `current` names: blank and "0"
/// name none (0, no problem); otherwise its leading number must be the index of another parcel
/// of `parcels`, else the result is 0 and `problem` says so.
int32_t SecondParcelIndex(const QString &db, int32_t current, const model::ParcelList &parcels, QString *problem);

/// One parcel of the new state act as its purpose text reads it.
struct PurposeParcel {
    QString KZ;      ///< the 6-zem row, compared as text with "21" and "22"
    double Area = 0; ///< square metres
};

/// The purpose text of the new state act for its parcel and, when there is one, its second
/// parcel: the text of row 21 or 22 (`ref`.KZ21Text, KZ22Text), the purpose chosen in the main
/// window (`ref`.PurposeName) for other rows, or the land split into its part for a house (up to
/// `ref`.BuildArea hectares, `ref`.AreaRange square metres allowed beyond) and the rest for a
/// personal farm, in the unit of `areaUnit` (1 hectares).
QString NewActPurpose(const PurposeParcel &first, const PurposeParcel *second, const reference::State &ref,
                      uint8_t areaUnit);

/// Fills the new state act opened from "aktnew" for the parcel in DocParcel1 at CurDocParcel:
/// the owner and the cadastral number, the issuing body, decision and office wording, the purpose,
/// the drawing around (280, 230) with its area label, the description by neighbours, the second
/// parcel (field DB) drawn around (600, 180) with its number, description and label, the total
/// area, the scale (one for both drawings), the co-owners in table 1 (rows added as needed) and
/// their signatures. Reports 2, 3, 5 to 21 to `step`. Throws office::Error when the template lacks
/// the owner's or the cadastral number's bookmark, zova::Error when the owners cannot be read;
/// anything missing after those is skipped and named in the outcome.
ActOutcome FillNewStateAct(office::Document &doc, const PlanOptions &options, int32_t &scale,
                           platform::ProgressSink &step, NearParcelSearch *search = nullptr);

/// Fills an act for private ownership opened from "aprvl" or "aprvlp" (the land-share form) for
/// the parcel in DocParcel1 at CurDocParcel: the owners and their addresses whole, the issuing
/// body, decision and office wording, the area and purpose, the drawing around (600, 230) with
/// its area in hectares on its centre, the scale and the description by neighbours. Reports 2,
/// 3, 5 to 21 to `step`. Throws office::Error when the template lacks the owner's bookmarks;
/// anything missing after those is skipped and named in the outcome.
ActOutcome FillApprovalAct(office::Document &doc, const PlanOptions &options, int32_t &scale,
                           platform::ProgressSink &step, NearParcelSearch *search = nullptr);

} // namespace documents
