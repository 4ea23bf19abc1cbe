#include "platform/scriptedprompts.h"

#include <QFileInfo>

namespace platform {

namespace {
MsgAnswer firstButton(MsgButtons b)
{
    switch (b) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    }
    return MsgAnswer::Ok;
}

template <typename T>
std::optional<T> pop(std::deque<T> &q)
{
    if (q.empty())
        return std::nullopt;
    T v = std::move(q.front());
    q.pop_front();
    return v;
}
} // namespace

MsgAnswer ScriptedPrompts::message(const MessageRequest &request)
{
    calls.push_back(Call{Kind::Message, request, {}, {}, {}});
    return pop(answers).value_or(firstButton(request.buttons));
}

FileDialogResult ScriptedPrompts::openFile(const FileDialogRequest &request)
{
    calls.push_back(Call{Kind::OpenFile, {}, request, {}, {}});
    FileDialogResult r = pop(files).value_or(FileDialogResult{});
    if (r.accepted && r.fileTitle.isEmpty())
        r.fileTitle = QFileInfo(r.path).fileName();
    return r;
}

FileDialogResult ScriptedPrompts::saveFile(const FileDialogRequest &request)
{
    calls.push_back(Call{Kind::SaveFile, {}, request, {}, {}});
    FileDialogResult r = pop(files).value_or(FileDialogResult{});
    if (r.accepted && r.fileTitle.isEmpty())
        r.fileTitle = QFileInfo(r.path).fileName();
    return r;
}

std::optional<QString> ScriptedPrompts::chooseFolder(const QString &title, const QString &)
{
    calls.push_back(Call{Kind::Folder, {}, {}, title, {}});
    return pop(folders).value_or(std::nullopt);
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(const FontChoice &initial)
{
    calls.push_back(Call{Kind::Font, {}, {}, {}, initial});
    return pop(fonts).value_or(std::nullopt);
}

QStringList ScriptedPrompts::messages() const
{
    QStringList out;
    for (const Call &c : calls)
        if (c.kind == Kind::Message)
            out << c.message.text;
    return out;
}

} // namespace platform
