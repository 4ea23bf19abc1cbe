#include "reference/forms/frmEdit.h"
#include "ui_frmEdit.h"

#include "common/error.h"
#include "reference/approvalbodies.h"
#include "reference/forms/dbmessages.h"
#include "reference/forms/fillers.h"

frmEdit::frmEdit(QWidget *parent) : BodyPersonDialog(parent), ui(std::make_unique<Ui::frmEdit>())
{
    ui->setupUi(this);
    wire(ui->txtRes, ui->txtPib, ui->Command1, ui->Command2);
    ui->cEdit->setCurrentIndex(-1);
    connect(ui->cEdit, &QComboBox::activated, this, &frmEdit::cEdit_Click);
}

frmEdit::~frmEdit() = default;

QComboBox *frmEdit::cEdit() const
{
    return ui->cEdit;
}

// The chosen body and its person; "Прийняти" is enabled whatever their lengths, until the next
// change of either text applies the rule again.
void frmEdit::cEdit_Click(int index)
{
    if (index < 0)
        return;
    ui->txtRes->setText(ui->cEdit->itemText(index));
    try {
        ui->txtPib->setText(reference::ApprovalPerson(ui->cEdit->itemData(index).toInt()));
    } catch (const zova::Error &e) {
        ui->txtPib->clear();
        reference::TellNotRead(e);
    }
    ui->Command1->setEnabled(true);
}

bool frmEdit::writable() const
{
    return ui->cEdit->currentIndex() >= 0;
}

void frmEdit::write(const QString &body, const QString &person)
{
    reference::EditApprovalBody(ui->cEdit->currentData().toInt(), body, person);
}

// The list shows the new names, with no body chosen.
void frmEdit::written()
{
    try {
        reference::FillOrgans(ui->cEdit);
    } catch (const zova::Error &e) {
        ui->cEdit->clear();
        reference::TellNotRead(e);
    }
}
