#include "common/numbers.h"
#include "common/error.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace zova {

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The text with the skipped characters removed, so the number reader can look ahead freely.
QString compact(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            out.append(c);
    return out;
}

double radixNumber(const QString &s, int pos, int radix)
{
    double value = 0;
    bool any = false;
    for (; pos < s.size(); ++pos) {
        int digit = -1;
        const QChar c = s.at(pos);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (radix == 16 && c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'))
            digit = c.toUpper().unicode() - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
        any = true;
    }
    return any ? value : 0.0;
}

} // namespace

namespace {

// The leading number of the text; *overflow is set when it lies beyond the range of a Double
// (the result is then 0).
double leadingNumber(const QString &text, bool *overflow)
{
    const QString s = compact(text);
    int pos = 0;
    const int n = s.size();

    if (n >= 2 && s.at(0) == QLatin1Char('&')) {
        const QChar kind = s.at(1).toUpper();
        const double value = kind == QLatin1Char('H') ? radixNumber(s, 2, 16)
                           : kind == QLatin1Char('O') ? radixNumber(s, 2, 8) : 0.0;
        *overflow = std::isinf(value);
        return *overflow ? 0.0 : value;
    }

    QString number;
    if (pos < n && (s.at(pos) == QLatin1Char('+') || s.at(pos) == QLatin1Char('-')))
        number.append(s.at(pos++));
    int mantissaDigits = 0;
    while (pos < n && s.at(pos).isDigit() && s.at(pos).unicode() < 128) {
        number.append(s.at(pos++));
        ++mantissaDigits;
    }
    if (pos < n && s.at(pos) == QLatin1Char('.')) {
        number.append(QLatin1Char('.'));
        ++pos;
        while (pos < n && s.at(pos).isDigit() && s.at(pos).unicode() < 128) {
            number.append(s.at(pos++));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (pos < n) {
        const QChar e = s.at(pos).toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            int look = pos + 1;
            QString exponent = QStringLiteral("e");
            if (look < n && (s.at(look) == QLatin1Char('+') || s.at(look) == QLatin1Char('-')))
                exponent.append(s.at(look++));
            int expDigits = 0;
            while (look < n && s.at(look).isDigit() && s.at(look).unicode() < 128) {
                exponent.append(s.at(look++));
                ++expDigits;
            }
            if (expDigits > 0)
                number.append(exponent);
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    // Qt gives an infinity for a number too large and 0 for one too small: only the first is lost.
    *overflow = !ok && std::isinf(value);
    return ok ? value : 0.0;
}

} // namespace

double LeadingNumber(const QString &text)
{
    bool overflow = false;
    return leadingNumber(text, &overflow);
}

double FiniteLeadingNumber(const QString &text)
{
    bool overflow = false;
    const double value = leadingNumber(text, &overflow);
    if (overflow)
        throw Error(QStringLiteral("Число поза межами допустимого: %1").arg(text.trimmed().left(40)));
    return value;
}

namespace {

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

[[noreturn]] void overflow()
{
    throw Error(QStringLiteral("Переповнення: число не вміщується в поле"));
}

} // namespace

int16_t RoundToInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        overflow();
    return static_cast<int16_t>(r);
}

uint8_t RoundToByte(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= 0.0 && r <= 255.0))
        overflow();
    return static_cast<uint8_t>(r);
}

int32_t RoundToInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        overflow();
    return static_cast<int32_t>(r);
}

namespace {

/// "-0.00" reads oddly in a file or a table (a difference of equal areas is a hair below zero); a
/// value that rounds to zero is written without a sign.
QString WithoutNegativeZero(QString text)
{
    if (!text.startsWith(QLatin1Char('-')))
        return text;
    for (QChar c : text.mid(1))
        if (c.isDigit() && c != QLatin1Char('0'))
            return text;
    return text.mid(1);
}

QString FormatFixed(double value, int decimals)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return WithoutNegativeZero(locale.toString(value, 'f', decimals));
}

} // namespace

QString Format2(double value)
{
    return FormatFixed(value, 2);
}

QString Format4(double value)
{
    return FormatFixed(value, 4);
}

QString FormatDot(double value, int decimals)
{
    return WithoutNegativeZero(QString::number(value, 'f', decimals));
}

QString SignedText(long long value)
{
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

} // namespace zova
