#pragma once

#include <QDialog>
#include <memory>

class QButtonGroup;

namespace Ui {
class frmOpt;
}

/// The line-style options "Опції": line type and width of the parcel outline and of the land-use
/// area outlines in the plan drawing. Every change goes into documents::options() at once; both
/// buttons only close the dialog.
class frmOpt : public QDialog {
    Q_OBJECT
public:
    explicit frmOpt(QWidget *parent = nullptr);
    ~frmOpt() override;

    /// Shows the dialog modally over `parent`.
    static void Show(QWidget *parent);

private:
    void cmbObj_Click(int index);
    void lOpt_Click(int index);
    void txtVal_Change(double width);

    std::unique_ptr<Ui::frmOpt> ui;
    QButtonGroup *lOpt = nullptr;
    bool showing = false;  ///< set while the controls are filled from the variables
};
