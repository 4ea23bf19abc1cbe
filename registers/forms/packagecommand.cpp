#include "registers/forms/packagecommand.h"

#include "common/error.h"
#include "model/state.h"
#include "platform/prompts.h"
#include "reference/staff.h"
#include "registers/forms/frmZvt.h"
#include "registers/state.h"

#include <exception>

namespace registers {

void MakePackageCommand(QWidget *parent, const documents::PlanOptions &options)
{
    try {
        reference::LoadStaffNames(options.PurposeText);
        State &s = state();
        s.ReportMode = options.Kind == documents::KindSharesDocumentation ? ReportShares : ReportPrivate;
        BuildReportGroups(model::state().Parcels);
        frmZvt dialog(parent, options.ProgramDir);
        dialog.showFrame(s.ReportMode);
        dialog.exec();
    } catch (const zova::Error &e) {
        platform::MsgBox(e.message(), platform::productTitle(), platform::MsgIcon::Critical);
    } catch (const std::exception &e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::productTitle(), platform::MsgIcon::Critical);
    }
}

} // namespace registers
