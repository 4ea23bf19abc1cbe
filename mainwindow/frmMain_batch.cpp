// The batch commands: import a folder of contour files, point lists or exchange files, and print
// a folder of documents; and how the window shows the imported parcels.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "model/batchreader.h"
#include "model/forms/frmArt.h"
#include "model/state.h"

#include <QLabel>

void frmMain::mnuArt_Click()
{
    ShowBatchDialog(model::BatchContour);
}

void frmMain::mnuImpTxt_Click()
{
    ShowBatchDialog(model::BatchPointList);
}

void frmMain::mnuManyIn4_Click()
{
    ShowBatchDialog(model::BatchIn4);
}

void frmMain::mnuPrint_Click()
{
    ShowBatchDialog(model::BatchPrint);
}

void frmMain::ShowBatchDialog(int mode)
{
    // An import replaces every parcel: changes not written would be lost without a word.
    if (mode != model::BatchPrint && !MayDropChanges(QStringLiteral("Імпортувати файли без збереження?")))
        return;
    BatchDialog(mode)->exec();
}

std::unique_ptr<frmArt> frmMain::BatchDialog(int mode)
{
    model::state().BatchMode = static_cast<uint8_t>(mode);
    BatchHooks hooks;
    hooks.ClearPicture = [this] { ClearShownParcel(); };
    hooks.EnableMainControls = [this] { EnableMainControls(); };
    hooks.RebuildMainTree = [this] {
        RebuildMainTree();
        // The new tree has no checks: the count and the document commands follow it.
        UpdateSelection();
    };
    hooks.SetStatusText = [this](const QString &text) { stPanel2->setText(text); };
    return std::make_unique<frmArt>(std::move(hooks), this);
}

void frmMain::EnableMainControls()
{
    // The same controls as after an open, the MIF export among them: imported parcels are
    // exported like opened ones.
    UpdateDataControls();
}
