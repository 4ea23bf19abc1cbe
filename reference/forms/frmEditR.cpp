#include "reference/forms/frmEditR.h"
#include "ui_frmEditR.h"

#include "reference/councillist.h"

frmEditR::frmEditR(int32_t councilId, QWidget *parent) : TextWriteDialog(parent), ui(std::make_unique<Ui::frmEditR>()), m_councilId(councilId)
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->Command1, ui->Command2);
}

frmEditR::~frmEditR() = default;

void frmEditR::write(const QString &text)
{
    reference::RenameCouncil(m_councilId, text);
}
