#pragma once

#include <QString>

namespace model {

/// "Записати файл": every parcel (the gbd list always covers every parcel).
void mnuSave_Click();
/// "Записати у файл вибране": only the selected parcels.
void mnuSaveCheket_Click();
/// The save dialog and the save of the kind chosen. A cancelled dialog writes nothing; a failed
/// save shows a message naming the file and leaves the old file as it was; a save in which
/// characters the code page lacks became "?" says which parcels and fields changed. FileName,
/// FileTitle and FileFilter keep the choice (FileName empty after a cancel or a failure).
void ShowSaveDialog();
/// "mif/mid": writes dil.mif, dil.mid, ugd.mif and ugd.mid of every parcel into the Export folder
/// of `dataDir` (the operator's data folder) and says where; a failure shows a message naming the
/// file.
void mnuExpMif_Click(const QString &dataDir);

} // namespace model
