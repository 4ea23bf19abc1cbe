#pragma once

#include "reference/forms/textwritedialog.h"

#include <cstdint>
#include <memory>

namespace Ui {
class frmAddC;
}

/// The land-use purpose add dialog: adds purposes to table cilove.
class frmAddC : public TextWriteDialog {
    Q_OBJECT
public:
    explicit frmAddC(QWidget *parent = nullptr);
    ~frmAddC() override;

protected:
    void write(const QString &text) override;

private:
    std::unique_ptr<Ui::frmAddC> ui;
};
