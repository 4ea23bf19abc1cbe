#include "reference/forms/frmEditC.h"
#include "ui_frmEditC.h"

#include "reference/purposes.h"
#include "reference/state.h"

frmEditC::frmEditC(QWidget *parent) : TextWriteDialog(parent), ui(std::make_unique<Ui::frmEditC>())
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->Command1, ui->Command2);
    setText(reference::state().PurposeName);
}

frmEditC::~frmEditC() = default;

void frmEditC::write(const QString &text)
{
    reference::RenamePurpose(reference::state().PurposeId, text);
}
