#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmParam;
}

/// The parameters dialog: building area, allowed range and the purpose texts for the 6-zem rows
/// 21 and 22. Its accept button stores the four fields into reference::state(), unless a number
/// field holds no number: that is refused with a message and nothing is stored. The close box
/// stores nothing.
class frmParam : public QDialog {
    Q_OBJECT
public:
    explicit frmParam(QWidget *parent = nullptr);
    ~frmParam() override;

    /// Puts the four values into tArr, tDiap (system number format), t21 and t22.
    void setFields(double buildArea, double areaRange, const QString &kz21, const QString &kz22);

private:
    void Command1_Click();

    std::unique_ptr<Ui::frmParam> ui;
};
