#pragma once

#include <QString>
#include <cstdint>

namespace zova {

/// Reads the leading number of a text the way every typed or stored number is read in the
/// program: blanks, tabs and line feeds are skipped wherever they stand ("1 2" reads 12), an
/// optional sign, digits, an optional "." with fraction digits and an optional exponent (E or D)
/// form the number; "&H" and "&O" give hexadecimal and octal whole numbers. Reading stops at the
/// first character that cannot continue the number; a text without a leading number gives 0.
/// The decimal separator is always ".", whatever the locale. A number beyond the range of a
/// Double ("1e309", "1D400") gives 0 here.
double LeadingNumber(const QString &text);
/// The same reading for numbers that come from files and forms, where a number beyond the range
/// of a Double is an error: throws zova::Error ("Число поза межами допустимого") for it.
double FiniteLeadingNumber(const QString &text);

/// Rounds half to even and checks that the value fits a 16-bit signed field; throws zova::Error
/// ("Переповнення") when it does not.
int16_t RoundToInt16(double value);
/// The same for an unsigned 8-bit field (0..255).
uint8_t RoundToByte(double value);
/// The same for a 32-bit signed field.
int32_t RoundToInt32(double value);

/// The value as "0.00" with the system locale's decimal separator.
QString Format2(double value);
/// The value as "0.0000" with the system locale's decimal separator.
QString Format4(double value);
/// The value with a fixed number of decimals and "." as separator, for files.
QString FormatDot(double value, int decimals);
/// A signed whole-number text: one leading blank before a non-negative value (" 5", "-5").
QString SignedText(long long value);
/// Square metres to hectares.
inline double Hectares(double squareMetres) { return squareMetres / 10000.0; }

} // namespace zova
