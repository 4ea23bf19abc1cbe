#include "model/forms/savecommands.h"
#include "platform/forms/waitcursor.h"

#include "common/error.h"
#include "model/exchangewriter.h"
#include "model/mifexport.h"
#include "model/state.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QDir>

namespace model {

namespace {

using platform::WaitCursor;

void failed(const QString &what, const zova::Error &e)
{
    platform::MsgBox(what + QLatin1Char('\n') + e.fullText(), platform::productTitle(),
                     platform::MsgIcon::Critical);
}

} // namespace

void mnuSave_Click()
{
    state().SaveSelectedOnly = 0;
    ShowSaveDialog();
}

void mnuSaveCheket_Click()
{
    state().SaveSelectedOnly = -1;
    ShowSaveDialog();
}

void ShowSaveDialog()
{
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Записати файл");
    request.filters = {
        {QStringLiteral("Обмінні файли (*.in5)- DOS"), QStringLiteral("*.in5")},
        {QStringLiteral("Обмінні файли (*.in5)- WIN"), QStringLiteral("*.in5")},
        {QStringLiteral("Файли (*.gbd)"), QStringLiteral("*.gbd")},
        {QStringLiteral("Стандартний файл (*.in4)"), QStringLiteral("*.in4")},
    };
    request.filterIndex = 1;
    const platform::FileDialogResult answer = platform::prompts().saveFile(request);
    State &s = state();
    if (!answer.accepted) {
        s.FileName.clear();
        return;
    }
    s.FileName = answer.path;
    s.FileTitle = answer.fileTitle;
    s.FileFilter = static_cast<uint8_t>(answer.filterIndex);
    try {
        WaitCursor wait;
        SaveExchangeFile(s.FileName, s.SaveSelectedOnly != 0);
    } catch (const zova::Error &e) {
        s.FileName.clear();
        failed(QStringLiteral("Файл не записано."), e);
    }
}

void mnuExpMif_Click(const QString &dataDir)
{
    const QString folder = QDir(dataDir).filePath(QStringLiteral("Export"));
    try {
        WaitCursor wait;
        ExportMifMid(state().Parcels, folder);
    } catch (const zova::Error &e) {
        failed(QStringLiteral("Файли не записано."), e);
        return;
    }
    platform::MsgBox(QStringLiteral("Файли було збережено в каталог:\n") +
                         QDir::toNativeSeparators(folder + QLatin1Char('/')),
                     platform::productTitle());
}

} // namespace model
