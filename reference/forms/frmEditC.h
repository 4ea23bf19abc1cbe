#pragma once

#include "reference/forms/textwritedialog.h"

#include <cstdint>
#include <memory>

namespace Ui {
class frmEditC;
}

/// The land-use purpose edit dialog: opens with the purpose last chosen in the main window
/// (reference::state().PurposeName) and renames that purpose (PurposeId), as often as asked.
class frmEditC : public TextWriteDialog {
    Q_OBJECT
public:
    explicit frmEditC(QWidget *parent = nullptr);
    ~frmEditC() override;

protected:
    void write(const QString &text) override;

private:
    std::unique_ptr<Ui::frmEditC> ui;
};
