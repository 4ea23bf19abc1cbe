#include "reference/forms/frmAdd.h"
#include "ui_frmAdd.h"

#include "reference/approvalbodies.h"

frmAdd::frmAdd(QWidget *parent) : BodyPersonDialog(parent), ui(std::make_unique<Ui::frmAdd>())
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->txtPib, ui->Command1, ui->Command2);
}

frmAdd::~frmAdd() = default;

void frmAdd::write(const QString &body, const QString &person)
{
    reference::AddApprovalBody(body, person);
}
