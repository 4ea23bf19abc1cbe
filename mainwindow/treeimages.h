#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace mainwindow {

/// Positions in the tree's picture list, as the node keys and the flags choose them.
enum TreeImage : int {
    ImgParcel = 1,
    ImgLandUse = 2,
    ImgBatchGrounds = 3,  ///< PZ in the tree of a batch import
    ImgAddress = 4,       ///< AD
    ImgNumber = 5,        ///< Number
    ImgSecondId = 6,      ///< DB
    ImgBatchOwnerAddress = 7, ///< AU in the tree of a batch import
    ImgJointOwnership = 8,
    ImgSecondParcel = 9,
    ImgRow6Zem = 10,      ///< KZ
    ImgOwnerAddress = 11, ///< AU
    ImgIdNumber = 12,     ///< KF
    ImgIdDocument = 13,   ///< PP
    ImgGrounds = 14,      ///< PZ
    ImgRow22 = 15,        ///< parcel of 6-zem row 22
    ImgRow21 = 16,        ///< parcel of 6-zem row 21
    ImgKoatuu = 17,       ///< ParcelKoatuu
};

/// The picture at a position of the tree's list (1..17); a null icon for a position not drawn.
/// The tree of a batch import shows its identification numbers and identity documents with the
/// pictures 5 and 6 of the list, as it always has.
QIcon TreeIcon(int position);
/// The point marker of the coordinate list.
QIcon PointIcon();
/// Frame 1..12 of the status bar animation.
QPixmap AnimationFrame(int frame);
/// The two pictures of the guide-line button: 1 the mode is on, 2 it is off.
QIcon SplitIcon(int position);

/// The picture of a parcel node by its 6-zem row: the leading number of the text compared exactly,
/// 21 gives 16, 22 gives 15, anything else (a fraction, 0, an empty text) 1.
int RowIcon(const QString &kz);

} // namespace mainwindow
