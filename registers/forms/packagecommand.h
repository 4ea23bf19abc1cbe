#pragma once

#include "documents/planoptions.h"

class QWidget;

namespace registers {

/// True for the two documentation package kinds of the main window's kind buttons.
inline bool IsPackageKind(int kind)
{
    return kind == documents::KindSharesDocumentation || kind == documents::KindPrivateDocumentation;
}

/// The "Зробити план" road of the documentation package kinds: loads the title-block staff, sets
/// the package kind (the share documents for KindSharesDocumentation, the technical documentation
/// for KindPrivateDocumentation), groups the selected parcels by owner and shows the package dialog
/// frmZvt modally with the kind's frame. Failures end in a message; nothing escapes.
void MakePackageCommand(QWidget *parent, const documents::PlanOptions &options);

} // namespace registers
