#include "model/codepagecheck.h"

#include "model/exchangeformat.h"
#include "platform/codepage.h"

namespace model {

namespace {

using platform::CodePage;

// A character above ASCII that Ukrainian names and addresses hold: the Cyrillic letters of
// Ukrainian and Russian, and the usual typographic signs.
bool ukrainian(char16_t c)
{
    if (c >= u'А' && c <= u'я')
        return true;
    switch (c) {
    case u'Ё': case u'ё': case u'Є': case u'є': case u'І': case u'і': case u'Ї': case u'ї':
    case u'Ґ': case u'ґ': case u'№': case u'«': case u'»': case u'‘': case u'’': case u'“':
    case u'”': case u'„': case u'–': case u'—': case u'…':
        return true;
    default:
        return false;
    }
}

struct Count {
    int high = 0; // characters above ASCII
    int odd = 0;  // of those, the ones Ukrainian text never holds
};

void count(const QString &text, Count &c)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            continue;
        ++c.high;
        c.odd += !ukrainian(ch.unicode());
    }
}

} // namespace

int SuggestedFilter(const zova::OneBased<QString> &lines, int filter)
{
    const CodePage read = filter == 1 || filter == 3 ? CodePage::Dos : CodePage::Win;
    const CodePage other = read == CodePage::Dos ? CodePage::Win : CodePage::Dos;
    Count asRead, asOther;
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1String("NM")) && !line.startsWith(QLatin1String("AD")) &&
            !line.startsWith(QLatin1String("AU")))
            continue;
        const QString value = QuotedValue(line);
        count(value, asRead);
        // Both pages are single-byte: the bytes of the file come back from the text read.
        count(platform::Decode(platform::Encode(value, read), other), asOther);
    }
    // A stray sign or two is no sign of the wrong page: a tenth of the characters must be odd, and
    // the other page must read them far better. (A WIN text read as DOS keeps most small letters
    // as letters, so about a quarter turns odd; a DOS text read as WIN, about a half.)
    const bool wrong = asRead.odd >= 3 && asRead.odd * 10 >= asRead.high && asOther.odd * 4 <= asRead.odd;
    if (!wrong)
        return 0;
    switch (filter) {
    case 1: return 2;
    case 2: return 1;
    case 3: return 4;
    case 4: return 3;
    default: return 1; // the centre's files are WIN; one in DOS reads as a DOS in4
    }
}

} // namespace model
