#include "model/exchangeformat.h"

#include "common/error.h"
#include "common/numbers.h"

#include <QStringList>
#include <charconv>

namespace model {

namespace {

const QChar Quote = QLatin1Char('"');
const QChar Comma = QLatin1Char(',');

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The number reader of the whole program, with a quick way for the common case of a plain run of
// digits (what every coordinate of a survey file is made of).
double numberOf(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    if (i < n && n - i <= 15) {
        double value = 0;
        qsizetype j = i;
        for (; j < n; ++j) {
            const char16_t c = text[j].unicode();
            if (c < u'0' || c > u'9')
                break;
            value = value * 10 + (c - u'0');
        }
        if (j == n)
            return negative ? -value : value;
    }
    return zova::FiniteLeadingNumber(text.toString());
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.mid(b, e - b);
}

QString reduceBlanks(QString text)
{
    // Two passes, as the format's addresses have always been tidied: longer runs of blanks can
    // keep a double blank.
    for (int pass = 0; pass < 2; ++pass)
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return text;
}

// Parts first..first+4 of a comma-separated address, parts first+2..first+4 with the prefixes.
QString composeAddress(const QString &value, int first, int used)
{
    QStringList parts = value.split(Comma);
    while (parts.size() < used)
        parts.append(QString());
    static const QString prefixes[3] = {QStringLiteral("буд."), QStringLiteral("корп."),
                                        QStringLiteral("кв.")};
    for (int p = 0; p < 3; ++p) {
        QString &part = parts[first + 2 + p];
        part = trimmedBlanks(part) == QLatin1String("-") ? QString() : prefixes[p] + part;
    }
    QString text = parts[first];
    for (int p = first + 1; p <= first + 4; ++p)
        text += QLatin1Char(' ') + parts[p];
    return reduceBlanks(text);
}

} // namespace

QString QuotedValue(QStringView line)
{
    const qsizetype quote = line.indexOf(Quote);
    const QStringView after = quote < 0 ? line : line.mid(quote + 1);
    if (after.size() < 2)
        return QString();
    return after.left(after.size() - 2).toString();
}

PointFields SplitPointLine(QStringView line)
{
    qsizetype commas[4];
    int found = 0;
    for (qsizetype from = 0; found < 4;) {
        const qsizetype c = line.indexOf(Comma, from);
        if (c < 0)
            break;
        commas[found++] = c;
        from = c + 1;
    }
    if (found < 3)
        throw zova::Error(QStringLiteral("У рядку пікету менше чотирьох полів"));
    const qsizetype end3 = found == 4 ? commas[3] : line.size();
    auto field = [&](qsizetype from, qsizetype to) { return line.mid(from, to - from); };
    const QStringView f1 = field(commas[0] + 1, commas[1]);
    const QStringView f2 = field(commas[1] + 1, commas[2]);
    const QStringView f3 = field(commas[2] + 1, end3);

    PointFields out;
    const qsizetype q1 = f1.indexOf(Quote);
    if (q1 < 0)
        throw zova::Error(QStringLiteral("У назві пікету немає лапок"));
    const qsizetype q2 = f1.indexOf(Quote, q1 + 1);
    out.Name = q2 < 0 ? f1.mid(q1 + 1) : f1.mid(q1 + 1, q2 - q1 - 1);
    out.X = f2.size() > 2 ? f2.mid(2) : QStringView();
    out.Y = f3.size() > 2 ? f3.mid(2) : QStringView();
    return out;
}

BoundaryPoint ReadPointLine(QStringView line)
{
    const PointFields f = SplitPointLine(line);
    BoundaryPoint p;
    p.NP = f.Name.toString();
    p.X = DecimalValue(f.X);
    p.Y = DecimalValue(f.Y);
    return p;
}

QString LineField(QStringView line, int k)
{
    if (k < 1 || k > 3)
        return QString();
    const PointFields f = SplitPointLine(line);
    return (k == 1 ? f.Name : k == 2 ? f.X : f.Y).toString();
}

double DecimalValue(QStringView text)
{
    if (text.isEmpty())
        throw zova::Error(QStringLiteral("Порожнє значення координати"));
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return numberOf(text);
    const QStringView wholeText = text.left(dot);
    QStringView fraction = text.mid(dot + 1);
    const qsizetype nextDot = fraction.indexOf(QLatin1Char('.'));
    if (nextDot >= 0)
        fraction = fraction.left(nextDot);

    const qsizetype digits = trimmedBlanks(fraction).size();
    double part;
    if (digits == 1)
        part = numberOf(fraction) * 0.1;
    else if (digits == 2)
        part = numberOf(fraction) * 0.01;
    else
        part = numberOf(fraction.left(2)) * 0.01;

    // The sign belongs to the whole value: "-5.25" is minus five and a quarter.
    bool negative = false;
    for (QChar c : wholeText) {
        if (isSkipped(c))
            continue;
        negative = c == QLatin1Char('-');
        break;
    }
    const double whole = numberOf(wholeText);
    return negative ? whole - part : whole + part;
}

uint32_t LineKey(const QString &line)
{
    if (line.size() < 2)
        return 0;
    const char16_t a = line[0].unicode(), b = line[1].unicode();
    if (a > 0x7f || b > 0x7f)
        return 0;
    return KeyCode(char(a), char(b));
}

int16_t KeyNumber(const QString &value)
{
    return zova::RoundToInt16(zova::FiniteLeadingNumber(value));
}

QString TrimBlanks(QStringView text)
{
    return trimmedBlanks(text).toString();
}

QString OneLine(QString text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

void AppendInt(QByteArray &out, long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

platform::CodePage FilterCodePage(int filter)
{
    return filter == 1 || filter == 3 ? platform::CodePage::Dos : platform::CodePage::Win;
}

void AppendEncoded(QByteArray &out, const QString &text, platform::CodePage page)
{
    const qsizetype at = out.size();
    const qsizetype n = text.size();
    out.resize(at + n);
    char *dst = out.data() + at;
    const QChar *src = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i].unicode();
        if (c >= 0x80) {
            out.resize(at);
            out += platform::Encode(text, page);
            return;
        }
        dst[i] = char(c);
    }
}

QString CentreParcelAddress(const QString &value)
{
    return composeAddress(value, 0, 6);
}

QString CentreOwnerAddress(const QString &value)
{
    return composeAddress(value, 4, 10);
}

QString CentreGrounds(const QString &value)
{
    const QString trimmed = TrimBlanks(value);
    const QStringList parts = trimmed.split(Comma);
    if (parts.size() == 4)
        return parts[0] + Comma + parts[1] + Comma + parts[2];
    return trimmed;
}

} // namespace model
