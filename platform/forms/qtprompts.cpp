#include "platform/forms/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace platform {

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

FileDialogResult runFileDialog(const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(owner(), request.title, request.directory);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The filter labels carry their own wording ("Обмінні файли (*.in4)- DOS"); the pattern Qt
    // needs after them is not shown a second time.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // A file chosen for saving is replaced without a question, as the operator chose it by name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(save ? QFileDialog::AnyFile : (request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    QStringList names;
    for (const FileFilter &f : request.filters)
        names << QStringLiteral("%1 (%2)").arg(f.label, f.pattern);
    dialog.setNameFilters(names);
    const int index = request.filterIndex >= 1 && request.filterIndex <= int(names.size()) ? request.filterIndex : 1;
    if (!names.isEmpty())
        dialog.selectNameFilter(names.at(index - 1));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileDialogResult r;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return r;
    r.accepted = true;
    r.path = dialog.selectedFiles().first();
    r.fileTitle = QFileInfo(r.path).fileName();
    // With the details hidden, some Qt versions report the shown label rather than the filter.
    const QString chosen = dialog.selectedNameFilter().trimmed();
    r.filterIndex = int(names.indexOf(chosen)) + 1;
    for (size_t i = 0; r.filterIndex < 1 && i < request.filters.size(); ++i)
        if (request.filters[i].label.trimmed() == chosen)
            r.filterIndex = int(i) + 1;
    if (r.filterIndex < 1)
        r.filterIndex = index;
    return r;
}

QMessageBox::StandardButton standardButton(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Abort: return QMessageBox::Abort;
    case MsgAnswer::Retry: return QMessageBox::Retry;
    case MsgAnswer::Ignore: return QMessageBox::Ignore;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

// The answer of the button that closed the box. Every button has its own; a result that names
// none of them (the box closed some other way) gives the answer that changes nothing: Cancel, No,
// Abort, or OK where that is the only button.
MsgAnswer answerOf(int result, MsgButtons buttons)
{
    switch (result) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Abort: return MsgAnswer::Abort;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Ignore: return MsgAnswer::Ignore;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

} // namespace

MsgAnswer QtPrompts::message(const MessageRequest &request)
{
    QMessageBox box(owner());
    box.setText(request.text);
    box.setWindowTitle(request.title.isEmpty() ? productTitle() : request.title);
    switch (request.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (request.buttons) {
    case MsgButtons::Ok: buttons = QMessageBox::Ok; break;
    case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MsgButtons::AbortRetryIgnore: buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore; break;
    case MsgButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::RetryCancel: buttons = QMessageBox::Retry | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    if (request.defaultAnswer)
        box.setDefaultButton(standardButton(*request.defaultAnswer));
    // A message waits for the operator: it shows the arrow even amid work that put up the
    // hourglass, which comes back once the message is answered.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return answerOf(answer, request.buttons);
}

FileDialogResult QtPrompts::openFile(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

FileDialogResult QtPrompts::saveFile(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtPrompts::chooseFolder(const QString &title, const QString &start)
{
    const QString dir = QFileDialog::getExistingDirectory(owner(), title, start);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice &initial)
{
    QFont font(initial.name, initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, owner());
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
}

} // namespace platform
