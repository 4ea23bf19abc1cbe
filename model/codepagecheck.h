#pragma once

#include "common/onebased.h"
#include "platform/codepage.h"

#include <QString>
#include <QStringList>

namespace model {

/// What texts read in one of the two code pages look like.
enum class TextsLook {
    Right,     ///< Ukrainian text, or too little beyond ASCII to tell
    OtherPage, ///< the other of the two code pages reads them as Ukrainian
    Utf8,      ///< their bytes are UTF-8 that spells Ukrainian
};

/// Judges texts as read in `page`: when they hold many characters that Ukrainian text never holds
/// (box drawing, Ў, Ђ, ‰ and the like), UTF-8 when their bytes decode as UTF-8 to Ukrainian
/// letters, the other page when it gives letters in their place. A stray sign is Right.
TextsLook JudgeTexts(const QStringList &texts, platform::CodePage page);

/// JudgeTexts over the names and addresses (the values of the NM, AD and AU lines) of exchange
/// lines read with an open dialog's filter (1 to 5).
TextsLook ExchangeTextsLook(const zova::OneBased<QString> &lines, int filter);

/// The filter of the same kind in the other code page (the DOS in4 for the centre's files, which
/// are WIN).
int OtherPageFilter(int filter);

} // namespace model
