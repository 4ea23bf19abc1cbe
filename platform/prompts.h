#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    /// The button that Enter presses; nothing for the first one. A question whose first answer
    /// loses the operator's work names the safe one here.
    std::optional<MsgAnswer> defaultAnswer;
};

/// One line of a file dialog's filter list: the label shown and the pattern ("*.in4").
struct FileFilter {
    QString label;
    QString pattern;
};

struct FileDialogRequest {
    QString title;
    std::vector<FileFilter> filters;
    int filterIndex = 1;      ///< 1-based, as the dialog reports it back
    bool mustExist = false;   ///< the chosen file must exist (open dialogs)
    QString directory;        ///< where the dialog starts; empty for the current folder
    QString fileName;         ///< the name proposed
};

struct FileDialogResult {
    bool accepted = false;    ///< false when the operator cancelled
    QString path;             ///< the full path chosen
    QString fileTitle;        ///< the file name without its folder
    int filterIndex = 1;      ///< 1-based index of the filter chosen
};

struct FontChoice {
    QString name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontChoice &) const = default;
};

/// Every question the program asks the operator goes through this seam, so a test can answer it.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual MsgAnswer message(const MessageRequest &request) = 0;
    virtual FileDialogResult openFile(const FileDialogRequest &request) = 0;
    virtual FileDialogResult saveFile(const FileDialogRequest &request) = 0;
    /// The folder chosen; nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &start) = 0;
    /// The font chosen; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
};

/// The prompts in use. Until one is installed, a scripted one that answers nothing is used, so
/// core code never shows a window by accident.
Prompts &prompts();
/// Installs the prompts to use and returns the one it replaces.
std::unique_ptr<Prompts> setPrompts(std::unique_ptr<Prompts> prompts);

/// The text with the system's English error descriptions that Qt passes on from the C library
/// ("Read-only file system", "No space left on device", "Permission denied" and the like) put into
/// Ukrainian, wherever in the text they stand. Every message box shows its text through it.
QString UkrainianSystemErrors(const QString &text);

/// Shorthand for a message box; system error descriptions in the text read in Ukrainian.
MsgAnswer MsgBox(const QString &text, const QString &title = QString(), MsgIcon icon = MsgIcon::None,
                 MsgButtons buttons = MsgButtons::Ok);

/// The product name that titles the program's messages.
inline QString productTitle() { return QStringLiteral("Zemograf"); }

} // namespace platform
