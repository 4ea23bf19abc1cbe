#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace documents {

/// A file name made only of safe characters: path separators, characters that file systems or
/// shells treat specially and control characters become "_", blanks at the ends are dropped, a
/// leading dot or dash becomes "_". Empty input (or input that leaves nothing) gives `fallback`.
QString SafeFileName(const QString &text, const QString &fallback);

/// Hands out the paths of one batch's documents in one folder: every path lies directly in the
/// folder, and none is handed out twice, so no document of the batch overwrites another. A name
/// taken in the batch gets " (2)", " (3)", ... before its extension (platform::FreeName), a form
/// none of the documents' own names takes. A file already in the folder is
/// replaced only when the operator has let the batch replace it (AskBeforeReplacing); any other
/// document whose name a file has is saved under a free name beside it.
class OutputNames {
public:
    /// The full path for the document named `baseName` (made safe first) with `extension`
    /// (".docx") in `folder`.
    QString Reserve(const QString &folder, const QString &baseName, const QString &extension);

    /// Before a batch saves its documents under `paths`: when files with some of those names are
    /// in their folder already, asks the operator once, naming how many, whether to replace them
    /// ("Ні", which Enter presses, keeps them). Those files are the ones MayReplace then allows,
    /// none after "Ні".
    void AskBeforeReplacing(const QStringList &paths);
    /// True when the document saved under `path` may replace the file there: one that was there
    /// when the batch asked and that the operator let go.
    bool MayReplace(const QString &path) const;

private:
    QSet<QString> m_taken;
    QSet<QString> m_replaceable;
};

} // namespace documents
