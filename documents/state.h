#pragma once

#include "documents/docparcel.h"
#include "documents/sides.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace documents {

/// What the approval form hands to the approval plan: the head of the commission and, in rows 1
/// to 8, the approving body and the person who signs for it (element 0 unused). A row whose body
/// was never chosen holds empty texts.
struct ApprovalTexts {
    static constexpr int Rows = 8;
    QString ApprHead;
    std::array<QString, Rows + 1> ApprOrg;
    std::array<QString, Rows + 1> ApprPib;
};

/// The program-wide values of the document side; they live for the whole run.
struct State {
    DocParcel DocParcel1;          ///< the parcel of the document being built
    DocParcel DocParcel2;          ///< the second parcel that a state act shows beside it
    int32_t CurDocParcel = 0;      ///< index in Parcels of the parcel being documented
    SideList Sides;                ///< side list of the current document's parcel
    int32_t DrawScale = 0;         ///< scale denominator of the plan drawn last
    QRectF DrawExtent;             ///< what the plan drawn last covers on the page, points: its lines and the text of its labels
    std::vector<QRectF> DrawTexts; ///< the text of each label of the plan drawn last and each of its vertex marks, page points
    std::vector<QLineF> DrawLines; ///< its outline's sides and its neighbour stubs, page points
    zova::OneBased<DocParcel> NearParcels; ///< working list of the neighbour search; empty between drawings
    zova::OneBased<DocParcel> Neighbours;  ///< parcels sharing a vertex with the parcel drawn last
    ApprovalTexts Approval;        ///< written by the approval form's batch; kept until its next run
};

/// The one instance.
State &state();
/// Back to the start values (tests).
void resetState();

} // namespace documents
