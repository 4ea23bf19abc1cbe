#pragma once

#include <QDoubleSpinBox>

/// A spin box for a line width in points, 0.25 to 5.00 in steps of 0.25, shown with two decimals and
/// the system's separator. It takes "," and "." alike as the decimal separator, whatever the locale.
class LineWidthBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit LineWidthBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;
    double valueFromText(const QString &text) const override;
    void fixup(QString &text) const override;

private:
    QString normalized(QString text) const;
};
