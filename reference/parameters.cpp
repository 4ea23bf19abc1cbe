#include "reference/parameters.h"

#include "common/numbers.h"

#include <QLocale>

namespace reference {

double ParameterNumber(const QString &text)
{
    // Operators type the separator they are used to, whatever the system's setting.
    QString t = text;
    const QString sep = QLocale::system().decimalPoint();
    if (sep != QLatin1String(".") && sep != QLatin1String(","))
        t.replace(sep, QStringLiteral("."));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return zova::LeadingNumber(t);
}

QString ParameterText(double value)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

} // namespace reference
