#pragma once

#include "model/parcel.h"
#include "platform/codepage.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace model {

/// The value of a key line: the text after the first double quote less its last two characters
/// (the closing quote and the comma). A line without a quote is taken whole, less the same two
/// characters; empty when fewer than two characters follow the quote.
QString QuotedValue(QStringView line);

/// A field of a point line split at commas: k = 1 the point name between the first two double
/// quotes of field 1 (to the end of the field when the closing quote is missing), k = 2 the X text
/// (field 2 without "X="), k = 3 the Y text (field 3 without "Y="); any other k gives empty text.
/// Throws zova::Error when the line has fewer than four fields, or for k = 1 when field 1 holds no
/// double quote.
QString LineField(QStringView line, int k);

/// A coordinate with "." as decimal point whatever the locale, with at most two fraction digits:
/// further digits are cut, not rounded ("871.256" reads 871.25, "12,5" reads 12). A leading minus
/// applies to the whole value ("-5.25" reads -5.25). Throws zova::Error on an empty text.
double DecimalValue(QStringView text);

/// The key of a line (its first two characters, compared exactly) as one number to switch on:
/// LineKey(line) == KeyCode('N', 'M'). 0 for a line shorter than two characters or one that does
/// not begin with two ASCII characters.
constexpr uint32_t KeyCode(char a, char b)
{
    return (uint32_t(uint8_t(a)) << 16) | uint8_t(b);
}
uint32_t LineKey(const QString &line);

/// The value of a numeric key (BC, SD, ZN, KV): its leading number rounded half to even into a
/// 16-bit field; 0 when the value does not begin with a number ("Київська обл." reads 0). Throws
/// zova::Error when the number does not fit.
int16_t KeyNumber(const QString &value);

/// The text without leading and trailing blanks (only blanks: tabs stay).
QString TrimBlanks(QStringView text);

/// The text with every line break (CR LF, CR or LF) replaced by one blank, so that a value
/// written into a file never breaks its line.
QString OneLine(QString text);

/// Appends a whole number in decimal digits, without a temporary text.
void AppendInt(QByteArray &out, long long value);

/// The code page the open dialog's filter reads: DOS for the DOS in4 and in5 (1 and 3), WIN for
/// the others.
platform::CodePage FilterCodePage(int filter);

/// Appends the text in the code page; plain ASCII is copied as it is, without a conversion.
void AppendEncoded(QByteArray &out, const QString &text, platform::CodePage page);

/// The address composed from the comma-separated parts of the State Land Cadastre centre's files.
/// For a parcel address (AD) parts 0..4 are joined and parts 2, 3, 4 get the prefixes "буд.",
/// "корп.", "кв."; for an owner's address (AU) parts 4..8 are joined and parts 6, 7, 8 get them.
/// A part that is "-" is left out; double blanks are then reduced in two passes.
QString CentreParcelAddress(const QString &value);
QString CentreOwnerAddress(const QString &value);
/// The grounds text of the centre's files: of four comma-separated parts the last is dropped;
/// any other text is kept (trimmed).
QString CentreGrounds(const QString &value);

/// The parsed fields of a point line (name, X and Y texts as LineField gives them).
struct PointFields {
    QStringView Name;
    QStringView X;
    QStringView Y;
};
/// Splits a point line once for all three fields; throws as LineField does.
PointFields SplitPointLine(QStringView line);

/// The point of a point line: its name, and X and Y read by DecimalValue; Index stays 0. Throws
/// as SplitPointLine and DecimalValue do.
BoundaryPoint ReadPointLine(QStringView line);

} // namespace model
