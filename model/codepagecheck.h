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

/// Judges texts as read in `page` by reading their bytes in each encoding: what the page gives is
/// weighed against Ukrainian words (the signs Ukrainian text never holds, such as box drawing or
/// Ў, letters it never uses, capitals inside words, signs stuck to letters). Texts that read as
/// such, or nearly (a stray sign, a Russian letter), are Right; otherwise UTF-8 or the other page
/// when their bytes read there as words far better, and Right when neither does.
TextsLook JudgeTexts(const QStringList &texts, platform::CodePage page);

/// JudgeTexts over the names and addresses (the values of the NM, AD and AU lines) of exchange
/// lines read with an open dialog's filter (1 to 5).
TextsLook ExchangeTextsLook(const zova::OneBased<QString> &lines, int filter);

/// The filter of the same kind in the other code page (the DOS in4 for the centre's files, which
/// are WIN).
int OtherPageFilter(int filter);

} // namespace model
