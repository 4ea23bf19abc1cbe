#pragma once

#include "reference/forms/bodypersondialog.h"

#include <memory>

class QComboBox;

namespace Ui {
class frmEdit;
}

/// The approval-body edit dialog "Редагувати": the caller fills the list `cEdit` with the bodies
/// (reference::FillOrgans) before showing it; choosing one shows its name and its person, and
/// "Прийняти" writes both, as often as asked. "Прийняти" is enabled only while a body is chosen.
/// The caller refills its body lists when it closes.
class frmEdit : public BodyPersonDialog {
    Q_OBJECT
public:
    explicit frmEdit(QWidget *parent = nullptr);
    ~frmEdit() override;

    QComboBox *cEdit() const;

protected:
    void write(const QString &body, const QString &person) override;
    bool writable() const override;
    void written() override;

private:
    void cEdit_Click(int index);

    std::unique_ptr<Ui::frmEdit> ui;
};
