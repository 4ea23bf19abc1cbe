#pragma once

#include "common/error.h"
#include "model/parcel.h"
#include "platform/progresssink.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace model {

/// A parsed exchange file, not yet in state().
struct LoadResult {
    ParcelList Parcels;
    zova::OneBased<QString> ImportLines;
    QString Koatuu;
    int16_t DefaultZone = 0, DefaultQuarter = 0;
    QString RaiZem, Golova;
    /// Whether the file had ZM and GL lines: without them the officials of earlier files or of the
    /// territory dialog stay.
    bool HasRaiZem = false, HasGolova = false;
    int ParcelCount = 0, LandUseCount = 0, PointCount = 0;
    QString StatusText; ///< "Ділянок: n; Угідь: m; Пікетів: k"
};

/// Filters of the open dialog: 1 in4 DOS, 2 in4 WIN, 3 in5 DOS, 4 in5 WIN, 5 the State Land
/// Cadastre centre's in4 (WIN, addresses in parts).
constexpr int CentreFilter = 5;

/// Splits the bytes of an exchange file into lines and decodes them in the filter's code page
/// (IBM866 for 1 and 3, windows-1251 otherwise), each passed through the line converter. A line
/// ends at CR, CR LF or a lone LF; a last line without an end counts too.
zova::OneBased<QString> DecodeExchangeLines(const QByteArray &bytes, int filter);

/// The largest file the readers of outside files take, in bytes: far beyond any exchange file,
/// contour file or point list (a district's in4 file of a few thousand parcels holds a few MB),
/// and small enough that its lines and parcels, which take about eight times its size, leave an
/// office computer room.
constexpr qint64 MaxInputFileSize = qint64(256) << 20;

/// Bytes in megabytes, rounded up.
qint64 Megabytes(qint64 bytes);

/// The refusal of a file larger than MaxInputFileSize, naming it and its size.
zova::Error TooLargeFile(qint64 size, const QString &path);

/// Reads a file the operator chose whole. What is not a regular file (a folder, a named pipe, a
/// device such as /dev/zero, also through a link) and a file larger than MaxInputFileSize are
/// refused before a byte is read: a pipe would keep the program waiting, a device fill its memory.
/// Throws zova::Error naming the file for them, when the file cannot be opened or read, and when
/// the memory runs out.
QByteArray ReadInputFile(const QString &path);

/// Reads a file whole as ReadInputFile does and decodes its lines as DecodeExchangeLines does.
zova::OneBased<QString> ReadExchangeLines(const QString &path, int filter);

/// Parses the lines of an exchange file into a new model and runs the area phase. Reports an
/// empty phase at the start (the window's caption says "Обробляємо..."), then "Ділянка...",
/// "Угіддя...", "Площі...", "Зачекайте..." and the line reached. Throws zova::Error with the line number (and no file) on a bad line.
LoadResult ParseExchangeLines(zova::OneBased<QString> lines, int filter,
                              platform::ProgressSink &progress);
LoadResult ParseExchangeLines(zova::OneBased<QString> lines, int filter);

/// Reads the file (filter 1..5 chooses code page and variant), converts each line, parses and
/// runs the area phase. Throws zova::Error naming the file and the line on failure, and naming
/// the file when no parcel opens in it (not an exchange file, or one without parcels) or when the
/// memory runs out. Touches no program-wide state; the caller resolves the KOATUU code after
/// CommitLoad.
LoadResult LoadExchangeFile(const QString &path, int filter, platform::ProgressSink &progress);

/// Hands a successful load over to state(): Parcels, ImportLines, Koatuu, the header values and
/// the officials the file gave, CurParcel = 0, FileName/FileTitle/FileFilter as given.
void CommitLoad(LoadResult &&result, const QString &path, int filter);

} // namespace model
