#pragma once

#include "platform/prompts.h"

#include <deque>

namespace platform {

/// Prompts for tests: records every call and answers from queues. With an empty queue a message
/// gets the first button's answer (Ok or Yes, Abort, Retry) and a dialog is cancelled.
class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Message, OpenFile, SaveFile, Folder, Font };
    struct Call {
        Kind kind;
        MessageRequest message;     ///< for messages
        FileDialogRequest file;     ///< for file dialogs
        QString title;              ///< for the folder chooser
        FontChoice font;            ///< for the font chooser: the initial font
    };

    MsgAnswer message(const MessageRequest &request) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;

    std::deque<MsgAnswer> answers;
    std::deque<FileDialogResult> files;           ///< for open and save dialogs alike
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<FontChoice>> fonts;

    std::vector<Call> calls;
    /// The texts of the messages shown, in order.
    QStringList messages() const;
};

} // namespace platform
