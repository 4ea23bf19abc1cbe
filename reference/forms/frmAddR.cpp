#include "reference/forms/frmAddR.h"
#include "ui_frmAddR.h"

#include "reference/councillist.h"

frmAddR::frmAddR(int32_t districtId, QWidget *parent) : TextWriteDialog(parent), ui(std::make_unique<Ui::frmAddR>()), m_districtId(districtId)
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->Command1, ui->Command2);
}

frmAddR::~frmAddR() = default;

void frmAddR::write(const QString &text)
{
    reference::AddCouncil(m_districtId, text);
}
