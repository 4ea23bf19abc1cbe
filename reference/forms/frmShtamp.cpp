#include "reference/forms/frmShtamp.h"
#include "ui_frmShtamp.h"

#include "reference/forms/dbmessages.h"
#include "reference/titleblock.h"
#include "common/error.h"

frmShtamp::frmShtamp(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmShtamp>())
{
    ui->setupUi(this);
    connect(ui->bOk, &QPushButton::clicked, this, &frmShtamp::bOk_Click);
    connect(ui->bNo, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

frmShtamp::~frmShtamp() = default;

std::array<QLineEdit *, 8> frmShtamp::staffBoxes() const
{
    return {ui->pDur, ui->nDur, ui->pSkl, ui->nSkl, ui->pKresl, ui->nKresl, ui->pChek, ui->nChek};
}

void frmShtamp::Form_Load()
{
    reference::TitleBlock block;
    try {
        block = reference::ReadTitleBlock();
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        // Empty boxes must not be stored over names the tables may hold.
        ui->bOk->setEnabled(false);
    }
    const auto boxes = staffBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setText(block.staff[i]);
        boxes[i]->setCursorPosition(0);
    }
    ui->txtOrg->setPlainText(block.organ);
}

void frmShtamp::bOk_Click()
{
    reference::TitleBlock block;
    const auto boxes = staffBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        block.staff[i] = boxes[i]->text();
    block.organ = ui->txtOrg->toPlainText();
    try {
        reference::WriteTitleBlock(block);
    } catch (const zova::Error &e) {
        reference::TellNotStored(e);
        return;
    }
    accept();
}
