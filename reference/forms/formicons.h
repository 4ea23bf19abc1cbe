#pragma once

#include <QIcon>

namespace reference {

/// The pictures of the reference dialogs' picture buttons, drawn at 16 x 16.
QIcon OfficialsIcon();  ///< a person: the officials of a district or council
QIcon AddIcon();        ///< a plus
QIcon EditIcon();       ///< a pencil
QIcon AcceptIcon();     ///< a tick
QIcon CancelIcon();     ///< a cross

} // namespace reference
