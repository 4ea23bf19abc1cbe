#pragma once

#include "documents/docparcel.h"
#include "documents/planoptions.h"
#include "documents/planshapes.h"
#include "documents/plantemplates.h"
#include "documents/state.h"
#include "office/document.h"
#include "platform/progresssink.h"

#include <QStringList>
#include <cstdint>

namespace documents {

/// The purpose line of a plan: the 6-zem row's name with `CiloveFlag`, else the purpose text (empty
/// when no purpose is chosen).
QString PlanPurpose(const DocParcel &doc, const PlanOptions &options);
/// The three title lines of a plan: the first owner and the parcel number, the purpose (the 6-zem
/// row's name with `CiloveFlag`, else the purpose text) and the territory with the parcel address.
QString PlanMainTitle(const DocParcel &doc, const PlanOptions &options, const QString &territory);
/// The area line of a plan, in square metres or, with `areaUnit` 1, in hectares.
QString PlanAreaText(double squareMetres, uint8_t areaUnit);

/// Writes the approvals into the approval plan's table: the head of the commission into cell
/// (1, 1), body k into cell (2k + 2, 1) and its person into cell (2k + 2, 3) for k = 1 to 8, empty
/// texts included; the other cells keep the template's text. Throws office::Error when the table
/// lacks one of these cells.
void FillApprovalTable(office::Table table, const ApprovalTexts &texts);

/// What became of a plan besides the document itself.
struct PlanOutcome {
    bool Fits = true;     ///< the drawing stays in the template's drawing region
    QStringList Problems; ///< what the plan could not be given, one line each in Ukrainian
};

/// Fills a plan document (cadastral or allotment plan, or the approval plan, by options.Kind) opened
/// from `tpl` for the parcel in DocParcel1 at CurDocParcel: names (the approval plan bears the
/// allotment plan's), titles, title block, catalogue (cadastral plans on catalogue templates), the
/// drawing to scale around the template's centre, the scale, the land table (templates that have one),
/// the approvals (the approval plan, from state().Approval), the neighbour table and the area. `scale`
/// is the drawing's scale in and out. Reports 2, 3 and 5 to 20 to `step`. The outcome tells when the
/// drawing leaves the template's drawing region and when the plan has no purpose line (the document is
/// made all the same). Throws office::Error when the template lacks a bookmark or a table, zova::Error
/// when the parcel cannot be drawn or the database fails.
PlanOutcome FillZovaDocument(office::Document &doc, const ZovaTemplate &tpl, const PlanOptions &options,
                             int32_t &scale, platform::ProgressSink &step, NearParcelSearch *search = nullptr);

} // namespace documents
