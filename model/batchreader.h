#pragma once

#include "common/onebased.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace model {

/// Modes of the batch dialog: what its folder holds and what is done with it.
enum BatchModes : uint8_t {
    BatchContour = 1,   ///< contour files *.art, one parcel per file
    BatchPointList = 2, ///< point lists *.txt, all together one parcel
    BatchIn4 = 3,       ///< exchange files *.in4, read as one file
    BatchPrint = 4,     ///< Word documents printed page by page
};

/// The open dialog's filter that every batch file is read with: the DOS exchange files'. Contour
/// files and point lists are DOS texts too.
constexpr int BatchReadFilter = 1;

/// The file pattern a mode shows: "*.art", "*.txt", "*.in4", "*.doc".
QString BatchPattern(int mode);

/// The names (without folder) of the files of `folder` that a mode works on, in the order the
/// dialog lists them: by name, letter case ignored. The pattern matches whatever the case of the
/// name ("A.ART" and "b.art" both); printing also takes .docx files. Empty for a folder that
/// cannot be read.
QStringList BatchFiles(const QString &folder, int mode);

/// The lines the batch reader stored, and for each the file and the line it came from.
struct BatchLines {
    zova::OneBased<QString> Lines;
    QStringList Files;          ///< full paths of the files read, in reading order
    std::vector<int> FileOf{-1}; ///< per stored line: index in Files; -1 for a line of no file
    std::vector<int> LineOf{0};  ///< per stored line: its line number in that file, from 1

    void add(QString line, int file, int lineNumber);
    /// Drops the line stored last.
    void removeLast();
    /// The file of stored line i (empty for none) and the line in it (0 for none).
    QString fileOf(int i) const;
    int lineOf(int i) const;
};

/// Reads the named files of the folder as batch mode 1, 2 or 3 stores them (the DOS code page,
/// each line as the line converter gives it):
/// - contour file: the first line names a parcel ("NM" and the line), the following ones are its
///   points ("N=" and the line); a line "l" is skipped and resumes storing points; a line "\\\"
///   or "///" drops the line stored just before it and stops storing until the next "l";
/// - point list: one name line "NMNoName" first, then every line that is not blank as a point;
/// - exchange file: every line as it is.
/// Throws zova::Error naming the file (and the line) that cannot be read, or a terminator with no
/// line before it to drop.
BatchLines ReadImportFiles(const QString &folder, const QStringList &names, int mode);

} // namespace model
