#pragma once

#include "documents/docbatch.h"

#include <QString>
#include <cstdint>

class QWidget;

namespace registers {

/// "Зробити каталог координат": asks what to do with the documents (frmWord, modal), then shows
/// the progress window frmpr and the wait cursor while one catalogue per selected parcel is made
/// (MakeCatalogues), and tells the operator what was made and which parcels failed and why. Nothing
/// without a selected parcel or when the dialog is cancelled. `areaUnit`: 0 square metres, 1
/// hectares. Nothing escapes: failures end in a message. Returns the run's report.
documents::BatchReport MakeCatalogueCommand(QWidget *parent, const QString &programDir, uint8_t areaUnit);

/// "Список № 1" and "Список № 2": with the wait cursor, makes the list of the selected parcels and
/// leaves it open; list No 1 names the parcels it left out. A failure ends in a message.
void MakeSpis1Command(const QString &programDir);
void MakeSpis2Command(const QString &programDir);

/// "Зробити накладну": loads the title-block staff (the purpose text of the main window's combo
/// goes along) and makes the transmittal note, with the wait cursor. A failure ends in a message.
void MakeNaklCommand(const QString &programDir, const QString &purposeText);

/// The list with cadastral numbers that a double click on the main window's picture makes, with
/// the wait cursor; it names the parcels it left out. A failure ends in a message.
void MakeSpisKadKodeCommand(const QString &programDir);

} // namespace registers
