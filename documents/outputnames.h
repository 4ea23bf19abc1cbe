#pragma once

#include <QSet>
#include <QString>

namespace documents {

/// A file name made only of safe characters: path separators, characters that file systems or
/// shells treat specially and control characters become "_", blanks at the ends are dropped, a
/// leading dot or dash becomes "_". Empty input (or input that leaves nothing) gives `fallback`.
QString SafeFileName(const QString &text, const QString &fallback);

/// `path` when no file is there; otherwise the first of "name_2.ext", "name_3.ext", ... beside it
/// that names no file.
QString UnusedPath(const QString &path);

/// Hands out the paths of one batch's documents in one folder: every path lies directly in the
/// folder, and none is handed out twice, so no document of the batch overwrites another; a file
/// left there by an earlier run under the same name is replaced when the document is saved (it is
/// written through a temporary file). A name taken in the batch gets "_2", "_3", ... before its
/// extension.
class OutputNames {
public:
    /// The full path for the document named `baseName` (made safe first) with `extension`
    /// (".docx") in `folder`.
    QString Reserve(const QString &folder, const QString &baseName, const QString &extension);

private:
    QSet<QString> m_taken;
};

} // namespace documents
