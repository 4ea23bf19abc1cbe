#pragma once

#include "reference/forms/textwritedialog.h"

#include <cstdint>
#include <memory>

namespace Ui {
class frmAddR;
}

/// The council-list add dialog: adds councils of the district chosen in the territory dialog to
/// table Rada, each numbered after the highest number there.
class frmAddR : public TextWriteDialog {
    Q_OBJECT
public:
    explicit frmAddR(int32_t districtId, QWidget *parent = nullptr);
    ~frmAddR() override;

protected:
    void write(const QString &text) override;

private:
    std::unique_ptr<Ui::frmAddR> ui;
    int32_t m_districtId;
};
