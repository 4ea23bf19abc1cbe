#pragma once

#include "platform/prompts.h"

class QWidget;

namespace platform {

/// The prompts seam over Qt's message boxes and file, folder and font dialogs.
class QtPrompts : public Prompts {
public:
    MsgAnswer message(const MessageRequest &request) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
};

} // namespace platform
