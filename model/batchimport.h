#pragma once

#include "model/batchreader.h"
#include "model/codepagecheck.h"
#include "model/parcel.h"
#include "platform/progresssink.h"

#include <QString>
#include <vector>

namespace model {

/// A parsed batch import, not yet in state().
struct BatchResult {
    ParcelList Parcels;
    int ParcelCount = 0, LandUseCount = 0, PointCount = 0;
    /// Point lines of contour files and point lists that hold no point (not a name and two
    /// numbers) and were left out; blank lines are not counted.
    int SkippedLines = 0;
    int FirstSkipped = 0; ///< index in the lines of the first of them; 0 when none
    QString StatusText;   ///< "Ділянок: n; Угідь: m; Пікетів: k", and the skipped lines when any
};

/// Parses the lines that the batch reader stored from contour files and point lists: one parcel
/// per name line ("NM" and the name; "NoName" when empty; number " 1", " 2"... by position), one
/// point per point line ("N=" and the file's line: a name and X, Y separated by blanks, or
/// a name, a code, X, Y and up to three further words). The points get running indexes; each ring
/// is turned clockwise and the areas computed. Lines that hold no point are counted in
/// SkippedLines. Throws zova::Error with the line's index (no file) for a point before any name, a
/// number beyond any coordinate, and a parcel whose area its coordinates are too large to compute
/// (the exchange reader's "Площа ділянки … не обчислюється", at the line of its farthest point).
BatchResult ParseContourLines(const zova::OneBased<QString> &lines);

/// Parses the lines of several exchange files read as one: parcels open at SR or SC followed by
/// NM, and at NB (a neighbour's record numbered "sm" and its position, named by the NM after
/// it); SD gives the zone of the parcels opened after it, a parcel opened by NM takes the number
/// of the last SR or SC line; the parcel keys, land-use areas and points as in an exchange file.
/// Header keys other than SD change nothing. Runs the area phase. Throws zova::Error with the
/// line's index (no file) on a bad line, and at the line that opened a parcel or a land-use area
/// whose area its coordinates are too large to compute, as the exchange reader does.
BatchResult ParseIn4Batch(const zova::OneBased<QString> &lines);

/// What the batch dialog's button runs in modes 1 to 3: reads the files and parses their lines,
/// telling the sink the phases "Читаємо..." and "Обробляємо...". Throws zova::Error naming the
/// file and its line on failure, and when the files hold no parcel; touches no program-wide state.
struct BatchImport {
    BatchLines Lines;
    BatchResult Result;
    /// "файл, рядок" of the first skipped line, empty when none was skipped.
    QString FirstSkippedAt;
    /// A file whose texts, read in the DOS code page, look like another encoding read wrongly.
    struct MisreadFile {
        QString name;   ///< without folder
        TextsLook look; ///< OtherPage (the Windows code page) or Utf8
    };
    /// Such files, in reading order: exchange files by their names and addresses, contour files
    /// and point lists by all their lines.
    std::vector<MisreadFile> Misread;
};
BatchImport ImportBatch(const QString &folder, const QStringList &names, int mode,
                        platform::ProgressSink *progress = nullptr);

/// Hands a successful import over to state(): Parcels, ImportLines, CurParcel = 0, and no change
/// marked. The header values, the officials and the file of the last open stay as they were.
void CommitBatch(BatchImport &&import);

} // namespace model
