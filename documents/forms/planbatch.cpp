#include "documents/forms/planbatch.h"
#include "platform/forms/waitcursor.h"

#include "common/error.h"
#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "documents/forms/frmpr.h"
#include "documents/plantemplates.h"
#include "office/wordapp.h"
#include "platform/prompts.h"
#include "reference/staff.h"

#include <QApplication>
#include <exception>

namespace documents {

namespace {

using platform::WaitCursor;

void Tell(const QString &text, platform::MsgIcon icon)
{
    platform::MsgBox(text, platform::productTitle(), icon, platform::MsgButtons::Ok);
}

} // namespace

BatchReport RunDocumentCommand(QWidget *parent, const PlanOptions &options)
{
    if (IsPlanKind(options.Kind) && !FindZovaTemplate(options.Paper, options.ZovaVariant)) {
        Tell(QStringLiteral("Для цього формату аркуша немає плану варіанта %1").arg(options.ZovaVariant),
             platform::MsgIcon::Exclamation);
        return {};
    }

    frmWord::Show(parent);
    if (!documents::options().DocDialogOk)
        return {};

    frmpr progress(parent);
    progress.showNow();
    BatchReport report;
    {
        WaitCursor wait;
        office::WordApp app;
        report = RunDocumentBatch(app, options, progress.overall(), progress.step());
    }
    progress.close();
    Tell(report.Summary(), report.Clean() ? platform::MsgIcon::Information : platform::MsgIcon::Exclamation);
    return report;
}

BatchReport MakePlanCommand(QWidget *parent, const PlanOptions &options, frmPogodzh::OptionsSource current)
{
    try {
        if (SelectedParcelCount() == 0)
            return {};
        reference::LoadStaffNames(options.PurposeText);
        if (options.Kind == KindApprovalPlan) {
            if (!current)
                current = [options] { return options; };
            frmPogodzh::ShowModeless(parent, std::move(current));
            return {};
        }
        if (!IsBatchKind(options.Kind)) // the documentation package has its own command
            return {};
        return RunDocumentCommand(parent, options);
    } catch (const zova::Error &e) {
        Tell(e.message(), platform::MsgIcon::Critical);
    } catch (const std::exception &e) {
        Tell(QString::fromLocal8Bit(e.what()), platform::MsgIcon::Critical);
    }
    return {};
}

} // namespace documents
