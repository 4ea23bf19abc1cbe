#pragma once

#include "model/parcel.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace mainwindow {

/// The exchange keys of the bulk dialog; the value is the item data of the key in its list.
enum ValueKey : int {
    KeyAD = 1,
    KeyAU = 2,
    KeyPZ = 3,
    KeyCN = 4,
    KeyKZ = 5,
    KeyKV = 6,
    KeyZN = 7,
    KeyDB = 8,
    KeyKF = 9,
    KeyDS = 10,
};

/// The key names in list order ("AD", "AU", ... "DS"); entry k - 1 has the item data k.
QStringList ValueKeyNames();

/// What an assignment did to the parcels, for the tree that shows them.
struct Assignment {
    bool changed = false;     ///< a key that writes something wrote into every parcel
    QChar nodeLetter;         ///< last letter of the keys of the nodes that take the value; null for none
    QList<int> grown;         ///< parcels that got a new land-use area (its index is their last)
};

/// Assignment mode: writes `v` (exactly as typed) into field `key` of every parcel. AD, AU, PZ,
/// KZ take the text; KV and ZN its leading number rounded (0 for a blank value); CN replaces every
/// land-use code, or with `addLandUse` gives every parcel one more land-use area with that code,
/// the parcel's area and a copy of its boundary points. DB, KF, DS write nothing.
/// A KV or ZN value that does not fit -32768..32767 throws zova::Error before any parcel changes.
Assignment AssignValue(model::ParcelList &parcels, int key, const QString &v, bool addLandUse);

/// Selection mode: the parcels whose field matches `v`, in index order. AD, PZ, KZ, KF, DS: the
/// same text exactly; CN: any land-use code the same; DB: `v` is an operator (">", "<", "=")
/// followed by a number, compared with the leading number of DB. AU, KV, ZN match nothing.
QList<int> ParcelsMatching(const model::ParcelList &parcels, int key, const QString &v);

} // namespace mainwindow
