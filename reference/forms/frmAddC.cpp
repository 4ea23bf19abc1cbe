#include "reference/forms/frmAddC.h"
#include "ui_frmAddC.h"

#include "reference/purposes.h"

frmAddC::frmAddC(QWidget *parent) : TextWriteDialog(parent), ui(std::make_unique<Ui::frmAddC>())
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->Command1, ui->Command2);
}

frmAddC::~frmAddC() = default;

void frmAddC::write(const QString &text)
{
    reference::AddPurpose(text);
}
