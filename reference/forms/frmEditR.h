#pragma once

#include "reference/forms/textwritedialog.h"

#include <cstdint>
#include <memory>

namespace Ui {
class frmEditR;
}

/// The council-list edit dialog: renames the row of table Rada numbered like the council chosen in
/// the territory dialog; the territory dialog puts the council's text into it before showing it.
class frmEditR : public TextWriteDialog {
    Q_OBJECT
public:
    explicit frmEditR(int32_t councilId, QWidget *parent = nullptr);
    ~frmEditR() override;

protected:
    void write(const QString &text) override;

private:
    std::unique_ptr<Ui::frmEditR> ui;
    int32_t m_councilId;
};
