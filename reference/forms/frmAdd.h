#pragma once

#include "reference/forms/bodypersondialog.h"

#include <memory>

namespace Ui {
class frmAdd;
}

/// The approval-body add dialog "Додати (погодження)": adds approving bodies, each with the person
/// who signs for it, as often as asked. The caller refills its body lists when it closes.
class frmAdd : public BodyPersonDialog {
    Q_OBJECT
public:
    explicit frmAdd(QWidget *parent = nullptr);
    ~frmAdd() override;

protected:
    void write(const QString &body, const QString &person) override;

private:
    std::unique_ptr<Ui::frmAdd> ui;
};
