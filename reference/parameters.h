#pragma once

#include <QString>

namespace reference {

/// The number at the start of a typed parameter: "." and "," (and the system's separator, if it
/// is another) both serve as the decimal separator; blanks are skipped; reading stops at the first
/// character that cannot continue the number; an empty or non-numeric text gives 0.
double ParameterNumber(const QString &text);

/// A parameter as the dialog shows it: the system's number format, no group separators.
QString ParameterText(double value);

} // namespace reference
