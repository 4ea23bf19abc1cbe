#pragma once

#include <QString>
#include <optional>

namespace reference {

/// A typed parameter read as a number: the whole text (without its blanks, which may group the
/// thousands) must be one, with "." or "," (or the system's separator, if it is another) as the
/// decimal separator. Empty for a text that is not a number ("abc", "", "0,3 га") or is beyond
/// the range of a Double.
std::optional<double> ParameterValue(const QString &text);

/// A parameter as the dialog shows it: the system's number format, no group separators.
QString ParameterText(double value);

} // namespace reference
