#pragma once

#include "office/wordapp.h"
#include "registers/templates.h"

#include <QString>

namespace registers {

/// The transmittal note (Dots/nakladna.dotx) over the selected parcels of the model, made in `app`
/// and left open for the operator; the staff names must be loaded. Fills the head of the
/// organisation (ndur), the head of the district land office (raizem), the organisation in capitals
/// (table 1), the council and the district in the genitive (radu, regionu) and the land office's
/// adjective (viddil), with the words after them (NoteDistrictOf: a city of regional importance has
/// a city's office and no "району"), and in table 3, from row 4, one row per parcel: its item number ("2." for the first:
/// item 1 is the template's) and " ~ " with the owner names. Blank territory names get their
/// defaults first, and keep them. Returns where the note was saved and whether it was
/// opened, with a remark for the organisation, the director and the land office's head where
/// none is stored (the head's label "Начальник відділу:" is left out then); throws zova::Error
/// when the template is missing or the document fails.
LeftOpen MakeNakl(office::WordApp &app, const QString &programDir);

} // namespace registers
