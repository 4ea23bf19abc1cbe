#include "model/codepagecheck.h"

#include "model/exchangeformat.h"

namespace model {

namespace {

using platform::CodePage;

bool russianLetter(char16_t c)
{
    switch (c) {
    case u'Ы': case u'ы': case u'Ъ': case u'ъ': case u'Э': case u'э': case u'Ё': case u'ё':
        return true;
    default:
        return false;
    }
}

// The Cyrillic letters of Ukrainian words.
bool ukrainianLetter(char16_t c)
{
    if (c >= u'А' && c <= u'я')
        return !russianLetter(c);
    switch (c) {
    case u'Є': case u'є': case u'І': case u'і': case u'Ї': case u'ї': case u'Ґ': case u'ґ':
        return true;
    default:
        return false;
    }
}

// The typographic signs that Ukrainian names and addresses hold.
bool usualSign(char16_t c)
{
    switch (c) {
    case u'№': case u'«': case u'»': case u'‘': case u'’': case u'“': case u'”': case u'„': case u'–':
    case u'—': case u'…': case u'°': case u'·': case u'ʼ':
    case 0xFEFF: // a byte order mark says nothing of the letters
        return true;
    default:
        return false;
    }
}

bool letter(const QString &text, qsizetype i)
{
    return i >= 0 && i < text.size() && text.at(i).isLetter();
}

bool vowel(QChar c)
{
    return QStringView(u"аеєиіїоуюяыэёaeiouy").contains(c.toLower());
}

// How far a word (a run of letters) is from a Ukrainian or Russian one: capitals inside a word
// that has small letters ("хЄЁхэъю"), ы at its start, a hard sign before no е, ё, ю or я, э
// after a consonant, ы after a vowel cost 1 each; a soft or hard sign at its start, 2.
int wordCost(QStringView word)
{
    if (word.isEmpty())
        return 0;
    int cost = 0;
    const QChar first = word.front().toLower();
    if (first == u'ь' || first == u'ъ')
        cost += 2;
    else if (first == u'ы')
        cost += 1;
    bool small = false;
    int innerCapitals = 0;
    for (qsizetype k = 0; k < word.size(); ++k) {
        const QChar c = word[k].toLower();
        small = small || word[k].isLower();
        innerCapitals += k > 0 && word[k].isUpper();
        const QChar next = k + 1 < word.size() ? word[k + 1].toLower() : QChar();
        if (c == u'ъ' && !QStringView(u"еёюя").contains(next))
            ++cost;
        if (c == u'э' && k > 0 && !vowel(word[k - 1]))
            ++cost;
        if (c == u'ы' && k > 0 && vowel(word[k - 1]))
            ++cost;
    }
    return cost + (small ? innerCapitals : 0);
}

// How far a text is from Ukrainian (or Russian) words and the signs between them; 0 for one that
// reads as such. A sign that no such text holds (box drawing, Ў, Ђ, ‰, ®...) costs 2; a letter
// of Russian only (ы, ъ, э, ё), a no-break space, a sign stuck between two letters ("т«Ґ"), an
// apostrophe before a word, 1; a degree or number sign right after a letter ("ч№"), 2; and the
// words their costs.
qint64 cost(const QString &text)
{
    qint64 total = 0;
    qsizetype wordStart = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i).isLetter()) {
            if (wordStart < 0)
                wordStart = i;
        } else if (wordStart >= 0) {
            total += wordCost(QStringView(text).mid(wordStart, i - wordStart));
            wordStart = -1;
        }
        if (i == text.size())
            break;
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || ukrainianLetter(c))
            continue;
        if (!usualSign(c)) {
            total += russianLetter(c) || c == 0x00A0 ? 1 : 2;
            continue;
        }
        const bool before = letter(text, i - 1), after = letter(text, i + 1);
        if ((c == u'№' || c == u'°') && before)
            total += 2;
        else if ((c == u'’' || c == u'ʼ') && after && !before)
            total += 1;
        else if (before && after && c != u'’' && c != u'‘' && c != u'ʼ')
            total += 1;
    }
    return total;
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
    qint64 sequences = 0;
    qint64 stray = 0;
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
    qint64 asRead = 0, asOther = 0, asUtf8 = 0;
    Utf8Count utf8;
    for (const QString &text : texts) {
        asRead += cost(text);
        const QByteArray bytes = fileBytes(text, page);
        asOther += cost(platform::Decode(bytes, other));
        countUtf8(bytes, utf8);
        asUtf8 += cost(QString::fromUtf8(bytes));
    }
    // Every text reads as Ukrainian words but for a stray sign or a Russian letter.
    if (asRead < 2)
        return TextsLook::Right;
    // The other reading must be far better. A Ukrainian text read in the wrong page turns its
    // capitals into box drawing (WIN read as DOS) or signs (DOS read as WIN), its к, л, н into ъ,
    // ы, э, its р into Ё inside words, its ь into №; one in its own page costs nothing, as the
    // texts of either page read as UTF-8, whose every byte above ASCII stands in a sequence,
    // never do.
    if (utf8.sequences > 0 && utf8.stray == 0 && asUtf8 * 4 <= asRead)
        return TextsLook::Utf8;
    if (asOther * 4 <= asRead)
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
