#pragma once

#include <QDialog>

/// "The Matrix": a picture and nothing else; a double click closes it.
class frmMatrix : public QDialog {
    Q_OBJECT
public:
    explicit frmMatrix(QWidget *parent = nullptr);

    /// The picture shown, drawn once: green letters and digits running down a black field.
    static QPixmap Picture();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
