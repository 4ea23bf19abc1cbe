#pragma once

#include "documents/docbatch.h"
#include "documents/planoptions.h"

class QWidget;

namespace documents {

/// The "Зробити план" command: with at least one parcel selected, loads the title-block staff,
/// then for the plan kinds asks what to do with the documents (frmWord, modal), shows the progress
/// window frmpr (modeless) and the wait cursor, makes one document per selected parcel in one
/// application, and tells the operator at the end what was made and which parcels failed and why.
/// The other kinds go to MakeOtherKindDocuments. Nothing escapes: failures end in a message.
/// Returns the batch's report (empty when no batch ran).
BatchReport MakePlanCommand(QWidget *parent, const PlanOptions &options);

/// The place where the roads of the kinds other than plans (approval plan form, acts, the
/// documentation package) plug in; until they are built it says so to the operator.
void MakeOtherKindDocuments(QWidget *parent, const PlanOptions &options);

} // namespace documents
