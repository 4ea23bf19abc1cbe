#pragma once

#include "common/onebased.h"

#include <QString>

namespace model {

/// The filter of the open dialog that a file seems to need: when the names and addresses (the NM,
/// AD and AU lines) as read with `filter` hold many characters that Ukrainian text never holds
/// (box drawing, Ў, Ђ, ‰ and the like) and the other code page gives letters in their place, the
/// filter of the same kind in the other code page (the DOS in4 for the centre's files); 0 when the
/// texts look right.
int SuggestedFilter(const zova::OneBased<QString> &lines, int filter);

} // namespace model
