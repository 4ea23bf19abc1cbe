#pragma once

#include "model/parcel.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

namespace model {

/// The kinds of the save dialog, in the order of its filter list.
enum SaveKind : int {
    SaveIn5Dos = 1,  ///< in5, IBM866
    SaveIn5Win = 2,  ///< in5, windows-1251
    SaveGbd = 3,     ///< gbd point list of every parcel, IBM866
    SaveIn4 = 4,     ///< standard in4 with header, IBM866
};

/// What the writer puts into a file besides the parcels.
struct SaveHeader {
    QString Koatuu;         ///< DS of the in4 header
    QString TerritoryText;  ///< SD of the in4 header
    QDate Date;             ///< DT of the in4 header
};

/// A text field that the file's code page could not hold whole: the characters listed were
/// written as "?" (the agreed neighbours of І і Ґ ґ in DOS are no loss).
struct ReplacedText {
    int Parcel = 0;      ///< position in Parcels; 0 for the header and the gbd list
    QString Field;       ///< the key: "NM", "AD", "CN", "NP", "SD" ...
    QString Characters;  ///< each character replaced, once
    bool operator==(const ReplacedText &) const = default;
};

/// True when one of points 1..n has exactly these coordinates (no tolerance).
bool PointExists(const Ring &points, double x, double y);

/// The gbd list: every distinct position of the parcels' rings (land-use outlines are not
/// used), under the name of its first occurrence in parcel and ring order.
Ring GbdPointList(const ParcelList &parcels);

/// The bytes of a file of the given kind, CR LF line ends; selectedOnly leaves out the parcels
/// whose Selected is 0 (a gbd list always covers every parcel). Line breaks inside values become
/// blanks. Throws zova::Error naming the parcel and the point when a point name holds a comma or
/// a double quote, which no reader could take back, or when a coordinate or an area written is not
/// a finite number. In an in4 file each parcel's DS line carries
/// its KoatuuPart and its KT line its ParcelKoatuu; a DS line stands before a parcel whose code
/// differs from the parcel's before it, and the header's code closes such a file, so that reading
/// it back gives every parcel, and the file, the codes they had.
/// When `replaced` is given, it receives the fields whose characters became "?", by parcel and
/// field in the order written.
QByteArray ExchangeFileBytes(const ParcelList &parcels, const SaveHeader &header, int kind,
                             bool selectedOnly, std::vector<ReplacedText> *replaced = nullptr);

/// Writes the file through a temporary file beside it, so a failed save leaves the old file
/// whole. Throws zova::Error naming the file on failure.
void WriteExchangeFile(const QString &path, const ParcelList &parcels, const SaveHeader &header,
                       int kind, bool selectedOnly, std::vector<ReplacedText> *replaced = nullptr);

/// The save of the model state: the kind is state().FileFilter, the header values come from
/// state() and the date is today's. Returns the fields whose characters became "?".
std::vector<ReplacedText> SaveExchangeFile(const QString &fileName, bool selectedOnly);

} // namespace model
