#include "model/forms/savecommands.h"
#include "platform/forms/waitcursor.h"

#include "common/error.h"
#include "model/exchangewriter.h"
#include "model/mifexport.h"
#include "model/state.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QDir>
#include <algorithm>

namespace model {

namespace {

using platform::WaitCursor;

void failed(const QString &what, const zova::Error &e)
{
    platform::MsgBox(what + QLatin1Char('\n') + e.fullText(), platform::productTitle(),
                     platform::MsgIcon::Critical);
}

// What the operator is told when characters became "?": one line per parcel with its fields and
// the characters, at most a screenful.
QString replacedReport(const std::vector<ReplacedText> &replaced, int kind)
{
    QStringList lines;
    std::vector<int> parcels;
    for (const ReplacedText &r : replaced)
        if (std::find(parcels.begin(), parcels.end(), r.Parcel) == parcels.end())
            parcels.push_back(r.Parcel);
    const int shown = 15;
    for (size_t k = 0; k < parcels.size() && k < size_t(shown); ++k) {
        const int i = parcels[k];
        QStringList fields;
        QString characters;
        for (const ReplacedText &r : replaced) {
            if (r.Parcel != i)
                continue;
            fields << r.Field;
            for (QChar c : r.Characters)
                if (!characters.contains(c))
                    characters += c;
        }
        QStringList spaced;
        for (QChar c : characters)
            spaced << QString(c);
        const QString where = i == 0 ? QStringLiteral("заголовок і список пікетів")
                                     : QStringLiteral("ділянка %1 (%2)").arg(i).arg(state().Parcels[i].NM.left(40));
        lines << QStringLiteral("%1: %2 — %3").arg(where, fields.join(QStringLiteral(", ")), spaced.join(QLatin1Char(' ')));
    }
    if (parcels.size() > size_t(shown))
        lines << QStringLiteral("… і ще ділянок: %1").arg(parcels.size() - size_t(shown));
    return QStringLiteral("Файл записано, але в кодуванні %1 немає деяких знаків, їх записано як «?»:\n")
               .arg(kind == SaveIn5Win ? QStringLiteral("WIN") : QStringLiteral("DOS")) +
           lines.join(QLatin1Char('\n'));
}

/// True when a file of this kind holds every parcel with its texts: an in4 or in5 file of all
/// parcels, or of the selected ones when every parcel is selected. A gbd point list keeps none of
/// the texts.
bool WroteEveryParcel(int kind, bool selectedOnly)
{
    if (kind == SaveGbd)
        return false;
    if (!selectedOnly)
        return true;
    for (const Parcel &p : state().Parcels)
        if (p.Selected == 0)
            return false;
    return true;
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
    std::vector<ReplacedText> replaced;
    try {
        WaitCursor wait;
        replaced = SaveExchangeFile(s.FileName, s.SaveSelectedOnly != 0);
        if (WroteEveryParcel(s.FileFilter, s.SaveSelectedOnly != 0))
            s.Modified = false;
    } catch (const zova::Error &e) {
        s.FileName.clear();
        failed(QStringLiteral("Файл не записано."), e);
        return;
    }
    // The file is written as the format wants it; the operator learns which texts changed.
    if (!replaced.empty())
        platform::MsgBox(replacedReport(replaced, s.FileFilter), platform::productTitle(),
                         platform::MsgIcon::Exclamation);
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
