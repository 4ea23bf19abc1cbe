#include "reference/parameters.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace reference {

std::optional<double> ParameterValue(const QString &text)
{
    // Operators type the separator they are used to, whatever the system's setting.
    QString t;
    for (QChar c : text)
        if (!c.isSpace())
            t += c;
    const QString sep = QLocale::system().decimalPoint();
    if (sep != QLatin1String(".") && sep != QLatin1String(","))
        t.replace(sep, QStringLiteral("."));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+([.][0-9]*)?|[.][0-9]+)$"));
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString ParameterText(double value)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

} // namespace reference
