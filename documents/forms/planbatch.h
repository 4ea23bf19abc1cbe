#pragma once

#include "documents/docbatch.h"
#include "documents/forms/frmPogodzh.h"
#include "documents/planoptions.h"

class QWidget;

namespace documents {

/// The document batch of a command: asks what to do with the documents (frmWord, modal; nothing
/// more when cancelled), shows the progress window frmpr (modeless) and the wait cursor, makes one
/// document of options.Kind per selected parcel in one application, and tells the operator at the
/// end what was made, what an act lacks and which parcels failed and why. A plan whose paper has
/// no template of the variant is refused with a message first. Returns the batch's report (empty
/// when none ran).
BatchReport RunDocumentCommand(QWidget *parent, const PlanOptions &options);

/// The "Зробити план" command: with at least one parcel selected, loads the title-block staff,
/// then for the plan and act kinds runs the batch (RunDocumentCommand); for the approval plan it
/// shows the approval form modeless (frmPogodzh), which reads the main window's choices through
/// `current` when it makes its documents (`options` when none is given). The documentation
/// package kinds have a command of their own and do nothing here. Nothing escapes: failures end
/// in a message. Returns the batch's report (empty when no batch ran).
BatchReport MakePlanCommand(QWidget *parent, const PlanOptions &options,
                            frmPogodzh::OptionsSource current = {});

} // namespace documents
