#include "documents/forms/linewidthbox.h"

#include "documents/docoptions.h"

#include <QLocale>

LineWidthBox::LineWidthBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setLocale(locale);
    setDecimals(2);
    setRange(documents::MinLineWidth, documents::MaxLineWidth);
    setSingleStep(documents::LineWidthStep);
    setKeyboardTracking(false);
}

QString LineWidthBox::normalized(QString text) const
{
    const QString point = locale().decimalPoint();
    text.replace(QLatin1Char(','), point);
    text.replace(QLatin1Char('.'), point);
    return text;
}

QValidator::State LineWidthBox::validate(QString &text, int &pos) const
{
    // Rewrite the separator in place, so the field shows the one the locale uses.
    text = normalized(text);
    return QDoubleSpinBox::validate(text, pos);
}

double LineWidthBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(normalized(text));
}

void LineWidthBox::fixup(QString &text) const
{
    text = normalized(text);
    QDoubleSpinBox::fixup(text);
}
