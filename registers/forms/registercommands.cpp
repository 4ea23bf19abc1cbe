#include "registers/forms/registercommands.h"

#include "common/error.h"
#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "documents/forms/frmpr.h"
#include "office/wordapp.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"
#include "reference/staff.h"
#include "registers/cadastrallist.h"
#include "registers/catalogue.h"
#include "registers/lists.h"
#include "registers/transmittalnote.h"

#include <QDir>
#include <QStringList>
#include <exception>
#include <functional>

namespace registers {

namespace {

void Tell(const QString &text, platform::MsgIcon icon)
{
    platform::MsgBox(text, platform::productTitle(), icon, platform::MsgButtons::Ok);
}

/// Tells the operator when a document left for them could not be opened.
void TellIfNotOpened(const LeftOpen &left)
{
    if (!left.Opened)
        Tell(QStringLiteral("Документ збережено, але не відкрито (не знайдено програми, що відкриває документи Word):\n")
                 + QDir::toNativeSeparators(left.Path),
             platform::MsgIcon::Exclamation);
}

/// Runs a command; a failure becomes a message.
void Guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const zova::Error &e) {
        Tell(e.message(), platform::MsgIcon::Critical);
    } catch (const std::exception &e) {
        Tell(QString::fromLocal8Bit(e.what()), platform::MsgIcon::Critical);
    }
}

/// Makes a document for the operator with the wait cursor, and says so when nothing opened it;
/// then tells what the document was made without: its remarks, and the parcels a list was made
/// without, under `leftOutHeading` ("До списку № 1").
void LeaveOpenCommand(const std::function<ListResult(office::WordApp &)> &make, const QString &leftOutHeading = {})
{
    Guarded([&] {
        ListResult result;
        {
            platform::WaitCursor wait;
            office::WordApp app;
            result = make(app);
        }
        TellIfNotOpened(result);
        QStringList lines = result.Remarks;
        if (!result.LeftOut.empty()) {
            lines << QStringLiteral("%1 не внесено ділянки (%2):").arg(leftOutHeading).arg(result.LeftOut.size());
            for (const documents::BatchFailure &f : result.LeftOut)
                lines << QStringLiteral("№ %1 (%2): %3").arg(f.Number).arg(f.ParcelIndex).arg(f.Reason);
        }
        if (!lines.isEmpty())
            Tell(lines.join(QLatin1Char('\n')), platform::MsgIcon::Exclamation);
    });
}

} // namespace

documents::BatchReport MakeCatalogueCommand(QWidget *parent, const QString &programDir, uint8_t areaUnit)
{
    documents::BatchReport report;
    Guarded([&] {
        if (documents::SelectedParcelCount() == 0)
            return;
        frmWord::Show(parent);
        if (!documents::options().DocDialogOk)
            return;
        frmpr progress(parent);
        progress.showNow();
        {
            platform::WaitCursor wait;
            office::WordApp app;
            report = MakeCatalogues(app, programDir, areaUnit, progress.overall(), progress.step());
        }
        progress.close();
        Tell(report.Summary(), report.Failures.empty() && !report.AnyNotOpened() ? platform::MsgIcon::Information
                                                                                 : platform::MsgIcon::Exclamation);
    });
    return report;
}

void MakeSpis1Command(const QString &programDir)
{
    LeaveOpenCommand([&](office::WordApp &app) { return MakeSpis1(app, programDir); },
                     QStringLiteral("До списку № 1"));
}

void MakeSpis2Command(const QString &programDir)
{
    LeaveOpenCommand([&](office::WordApp &app) { return MakeSpis2(app, programDir); });
}

void MakeNaklCommand(const QString &programDir, const QString &purposeText)
{
    LeaveOpenCommand([&](office::WordApp &app) {
        reference::LoadStaffNames(purposeText);
        return ListResult{MakeNakl(app, programDir), {}};
    });
}

void MakeSpisKadKodeCommand(const QString &programDir)
{
    LeaveOpenCommand([&](office::WordApp &app) { return MakeSpisKadKode(app, programDir); },
                     QStringLiteral("До списку з кадастровими номерами"));
}

} // namespace registers
