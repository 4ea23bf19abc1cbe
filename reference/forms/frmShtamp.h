#pragma once

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class frmShtamp;
}
class QLineEdit;

/// The title-block dialog: the executing organisation (`txtOrg`, table organ) and the post and
/// name of the four people who sign the plans (`pDur` ... `nChek`, table worker), as the tables
/// hold them when it opens. `bOk` stores all nine texts as typed, adding the row to a table that
/// has none, and closes; a failed write says why and keeps the dialog open with what was typed.
/// `bNo` and the close box store nothing.
class frmShtamp : public QDialog {
    Q_OBJECT
public:
    explicit frmShtamp(QWidget *parent = nullptr);
    ~frmShtamp() override;

private:
    void Form_Load();
    void bOk_Click();
    /// The eight staff boxes, in the order of the worker columns.
    std::array<QLineEdit *, 8> staffBoxes() const;

    std::unique_ptr<Ui::frmShtamp> ui;
};
