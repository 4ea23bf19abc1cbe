#include "model/codepagecheck.h"

#include "model/exchangeformat.h"

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

    // A tenth of the characters odd, and at least two of them: a stray sign is no sign of a wrong
    // reading, but a contour file's name of two words read in the wrong page may have no more
    // than its two capitals odd ("╩ютрыхэъю ▓Ёшэр").
    bool looksWrong() const { return odd >= 2 && odd * 10 >= high; }
};

void count(const QString &text, Count &c)
{
    for (QChar ch : text) {
        // A byte order mark says nothing of the letters.
        if (ch.unicode() < 0x80 || ch.unicode() == 0xFEFF)
            continue;
        ++c.high;
        c.odd += !ukrainian(ch.unicode());
    }
}

// The bytes of the file that gave the text. Both pages are single-byte, so they come back from the
// text read; the one byte windows-1251 leaves undefined (0x98, a UTF-8 continuation byte of И and
// ј) was read as the replacement character.
QByteArray fileBytes(const QString &text, CodePage page)
{
    QByteArray bytes = platform::Encode(text, page);
    if (page == CodePage::Win)
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text.at(i).unicode() == 0xFFFD)
                bytes[i] = char(0x98);
    return bytes;
}

// UTF-8 sequences of two to four bytes, and bytes above ASCII that stand in no sequence.
struct Utf8Count {
    int sequences = 0;
    int stray = 0;
};

void countUtf8(const QByteArray &bytes, Utf8Count &c)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int length = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        bool whole = length > 0 && i + length <= n;
        for (int k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        if (whole) {
            ++c.sequences;
            i += length;
        } else {
            ++c.stray;
            ++i;
        }
    }
}

} // namespace

TextsLook JudgeTexts(const QStringList &texts, CodePage page)
{
    const CodePage other = page == CodePage::Dos ? CodePage::Win : CodePage::Dos;
    Count asRead, asOther, asUtf8;
    Utf8Count utf8;
    for (const QString &text : texts) {
        count(text, asRead);
        const QByteArray bytes = fileBytes(text, page);
        count(platform::Decode(bytes, other), asOther);
        countUtf8(bytes, utf8);
        count(QString::fromUtf8(bytes), asUtf8);
    }
    if (!asRead.looksWrong())
        return TextsLook::Right;
    // Neither page's Ukrainian text makes UTF-8 that decodes to Cyrillic: its letters would have to
    // follow the page's box-drawing signs (DOS) or its capitals Р and С (WIN) with signs.
    if (utf8.sequences >= 3 && utf8.stray * 20 <= utf8.sequences && !asUtf8.looksWrong())
        return TextsLook::Utf8;
    // The other page must read them far better. (A WIN text read as DOS keeps most small letters
    // as letters, so about a quarter turns odd; a DOS text read as WIN, about a half.)
    if (asOther.odd * 4 <= asRead.odd)
        return TextsLook::OtherPage;
    return TextsLook::Right;
}

TextsLook ExchangeTextsLook(const zova::OneBased<QString> &lines, int filter)
{
    QStringList texts;
    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("NM")) || line.startsWith(QLatin1String("AD")) ||
            line.startsWith(QLatin1String("AU")))
            texts << QuotedValue(line);
    return JudgeTexts(texts, FilterCodePage(filter));
}

int OtherPageFilter(int filter)
{
    switch (filter) {
    case 1: return 2;
    case 2: return 1;
    case 3: return 4;
    case 4: return 3;
    default: return 1; // the centre's files are WIN; one in DOS reads as a DOS in4
    }
}

} // namespace model
