#include "platform/codepage.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace platform {

namespace {

// Both pages are single-byte: the byte-to-character table comes from Qt's converter once, and the
// reverse table is built from it, so encoding never depends on a converter's error mode.
struct Table {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;
};

Table makeTable(const char *name)
{
    Table t;
    QStringDecoder decoder(name);
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        // The lower half is ASCII in both pages. ICU's IBM866 swaps some control bytes
        // (0x1A, 0x1C, 0x7F) as the PC display set does; files mean plain ASCII there.
        const QString s = b < 0x80 ? QString(QChar(b)) : decoder.decode(QByteArray(&byte, 1));
        const char16_t u = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
        t.toUnicode[b] = u;
        if (u != 0xFFFD && !t.fromUnicode.contains(u))
            t.fromUnicode.insert(u, byte);
    }
    return t;
}

const Table &table(CodePage page)
{
    static const Table dos = makeTable("IBM866");
    static const Table win = makeTable("windows-1251");
    return page == CodePage::Dos ? dos : win;
}

char16_t bestFit(char16_t u, CodePage page)
{
    if (page != CodePage::Dos)
        return u;
    switch (u) {
    case u'І': return u'I';
    case u'і': return u'i';
    case u'Ґ': return u'Г';
    case u'ґ': return u'г';
    default: return u;
    }
}

} // namespace

QString Decode(const QByteArray &bytes, CodePage page)
{
    const Table &t = table(page);
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(t.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

QByteArray Encode(const QString &text, CodePage page)
{
    const Table &t = table(page);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            out.append(static_cast<char>(u));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character, one "?"
        const auto it = t.fromUnicode.constFind(bestFit(u, page));
        out.append(it != t.fromUnicode.constEnd() ? it.value() : '?');
    }
    return out;
}

bool Representable(const QString &text, CodePage page)
{
    return Decode(Encode(text, page), page) == text;
}

QString Unencodable(const QString &text, CodePage page)
{
    const Table &t = table(page);
    QString lost;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80)
            continue;
        // A character beyond 16 bits is two units; it is lost whole.
        const qsizetype n = QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, n);
        if ((n == 2 || !t.fromUnicode.contains(bestFit(u, page))) && !lost.contains(character))
            lost += character;
        i += n - 1;
    }
    return lost;
}

} // namespace platform
