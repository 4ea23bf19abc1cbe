#pragma once

#include "documents/docbatch.h"
#include "documents/planoptions.h"

class QWidget;

namespace documents {

/// The "Зробити план" command: with at least one parcel selected, loads the title-block staff,
/// then for the plan and act kinds asks what to do with the documents (frmWord, modal), shows the
/// progress window frmpr (modeless) and the wait cursor, makes one document per selected parcel
/// in one application, and tells the operator at the end what was made, what an act lacks and
/// which parcels failed and why.
/// The other kinds go to MakeOtherKindDocuments. Nothing escapes: failures end in a message.
/// Returns the batch's report (empty when no batch ran).
BatchReport MakePlanCommand(QWidget *parent, const PlanOptions &options);

/// The place where the road of the approval plan form plugs in; until it is built it says so to
/// the operator.
void MakeOtherKindDocuments(QWidget *parent, const PlanOptions &options);

} // namespace documents
