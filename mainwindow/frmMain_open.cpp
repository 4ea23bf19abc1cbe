// The open command: the dialog, the load with its progress window, and the window after it.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/error.h"
#include "draw/widget/picturebox.h"
#include "model/codepagecheck.h"
#include "model/exchangereader.h"
#include "model/forms/frmProgr.h"
#include "model/state.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"
#include "reference/territory.h"

#include <QApplication>
#include <QLabel>
#include <exception>
#include <new>


namespace {

// The five filters of the open dialog, 1 to 5 as the reader counts them.
const std::vector<platform::FileFilter> &openFilters()
{
    static const std::vector<platform::FileFilter> filters = {
        {QStringLiteral("Обмінні файли (*.in4)- DOS"), QStringLiteral("*.in4")},
        {QStringLiteral("Обмінні файли (*.in4)- WIN"), QStringLiteral("*.in4")},
        {QStringLiteral("Файли (*.in5)- DOS"), QStringLiteral("*.in5")},
        {QStringLiteral("Файли (*.in5)- WIN"), QStringLiteral("*.in5")},
        {QStringLiteral("Обмінні файли (Центр ДЗК)"), QStringLiteral("*.in4")},
    };
    return filters;
}

// Asks whether to go on when the file's texts look like another encoding read wrongly; the filter
// chosen stays the operator's choice.
bool goOnWithTheFilter(model::TextsLook look, int filter)
{
    if (look == model::TextsLook::Right)
        return true;
    const QString advice =
        look == model::TextsLook::Utf8
            ? QStringLiteral("Схоже, файл записано в кодуванні UTF-8, а програма читає обмінні файли лише в кодуваннях "
                             "DOS і WIN: в іменах і адресах будуть знаки, яких не буває в українському тексті.\n\n"
                             "Файл можна зберегти в кодуванні DOS (866) або WIN (1251) та відкрити знову.\n\n")
            : QStringLiteral("Схоже, файл записано в іншому кодуванні: в іменах і адресах є знаки, яких не "
                             "буває в українському тексті.\n\nЙого, мабуть, треба відкривати з фільтром\n«%1».\n\n")
                  .arg(openFilters()[model::OtherPageFilter(filter) - 1].label);
    const QString text =
        advice + QStringLiteral("Відкрити файл з вибраним фільтром\n«%1»?").arg(openFilters()[filter - 1].label);
    // Enter answers "Скасувати": a hurried key press keeps the parcels loaded before.
    const platform::MessageRequest request{text, platform::productTitle(), platform::MsgIcon::Exclamation,
                                           platform::MsgButtons::OkCancel, platform::MsgAnswer::Cancel};
    return platform::prompts().message(request) == platform::MsgAnswer::Ok;
}

} // namespace

// No panel texts that "Внести зміни" could write into a parcel of the new file, no zone or
// quarter, no points, no drawing and no summary.
void frmMain::ClearShownParcel()
{
    ui->lstKoord->clear();
    ClearParcelInfo();
    ui->tZone->setEnabled(false);
    ui->tKvart->setEnabled(false);
    ui->tZone->setText(QStringLiteral("0"));
    ui->tKvart->setText(QStringLiteral("0"));
    ui->pict->Cls();
    m_drawnParcel = 0;
    ui->lInfo->clear();
}

void frmMain::mnuOpen_Click()
{
    ShowOpenDialog();
}

void frmMain::ShowOpenDialog()
{
    // The file read replaces every parcel: changes not written would be lost without a word.
    if (!MayDropChanges(QStringLiteral("Відкрити інший файл без збереження?")))
        return;
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Відкрити обмінний файл");
    request.filters = openFilters();
    request.filterIndex = 1;
    request.mustExist = true;
    const platform::FileDialogResult answer = platform::prompts().openFile(request);
    if (!answer.accepted)
        return; // a cancelled dialog changes nothing
    OpenExchangeFile(answer.path, answer.filterIndex);
}

bool frmMain::OpenExchangeFile(const QString &path, int filter)
{
    platform::WaitCursor wait;
    frmProgr progress(this);
    progress.showWithCaption(QStringLiteral("Обробляємо..."));

    // The file is parsed into a model of its own; the window and the program-wide model change
    // only once it has been read whole.
    model::LoadResult result;
    model::TextsLook look = model::TextsLook::Right;
    try {
        result = model::LoadExchangeFile(path, filter, progress);
        look = model::ExchangeTextsLook(result.ImportLines, filter);
    } catch (const zova::Error &e) {
        progress.close();
        platform::MsgBox(QStringLiteral("Файл не відкрито.\n") + e.fullText(), platform::productTitle(),
                         platform::MsgIcon::Critical);
        return false;
    } catch (const std::bad_alloc &) {
        progress.close();
        platform::MsgBox(QStringLiteral("Файл не відкрито.\nНе вистачає пам'яті, щоб прочитати файл.\nФайл: ") + path,
                         platform::productTitle(), platform::MsgIcon::Critical);
        return false;
    } catch (const std::exception &e) {
        progress.close();
        platform::MsgBox(QStringLiteral("Файл не відкрито.\n%1\nФайл: %2").arg(QString::fromLocal8Bit(e.what()), path),
                         platform::productTitle(), platform::MsgIcon::Critical);
        return false;
    }
    if (!goOnWithTheFilter(look, filter)) {
        progress.close();
        return false;
    }
    const QString status = result.StatusText;

    model::CommitLoad(std::move(result), path, filter);
    ClearShownParcel();

    progress.setPhase(QStringLiteral("Зачекайте..."));
    reference::ResolveKoatuu(model::state().Koatuu);
    UpdateDataControls();
    FillTree();
    // The new tree has no checks: the count and the document commands must not tell of the
    // parcels selected in the previous file.
    UpdateSelection();
    progress.close();

    ui->lKoatu->setText(model::state().Koatuu);
    ui->lKoatu->repaint();
    stPanel2->setText(status);
    return true;
}
