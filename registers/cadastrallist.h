#pragma once

#include "office/wordapp.h"
#include "registers/templates.h"

#include <QString>

namespace registers {

/// The list of the selected parcels with their cadastral numbers (Dots/spis_kadkode.dotx), made
/// in `app` and left open for the operator: in table 1, from row 2, one row per parcel with its
/// item number ("1."), " " and the owner names, the area in hectares and the cadastral number
/// (the parcel's KOATUU part, zone "00", quarter "000", and the parcel number at least four
/// digits). Blank territory names get their defaults first, and keep them. A parcel that no plan
/// could draw (FiguresPrintable) gets no row. Returns where the list was saved, whether it was
/// opened and the parcels left out; throws zova::Error when the template is missing or the document fails.
ListResult MakeSpisKadKode(office::WordApp &app, const QString &programDir);

} // namespace registers
