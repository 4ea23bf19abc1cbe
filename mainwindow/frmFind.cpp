#include "mainwindow/frmFind.h"
#include "ui_frmFind.h"

#include "mainwindow/frmMain.h"
#include "model/state.h"
#include "platform/prompts.h"

frmFind::frmFind(frmMain &main) : QDialog(&main), ui(std::make_unique<Ui::frmFind>()), m_main(main)
{
    ui->setupUi(this);
    // No default button: Enter in the code box searches once, through the box itself.
    connect(ui->tFind, &QLineEdit::returnPressed, this, &frmFind::bOk_Click);
    connect(ui->bOk, &QPushButton::clicked, this, &frmFind::bOk_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &QDialog::reject);
}

frmFind::~frmFind() = default;

void frmFind::bOk_Click()
{
    const QString code = ui->tFind->text().trimmed();
    if (code.isEmpty())
        return;
    // The first parcel, by index, whose number is the code exactly and that has a node.
    const model::ParcelList &parcels = model::state().Parcels;
    int found = 0;
    for (int i = 1; i <= parcels.UBound() && !found; ++i)
        if (parcels[i].Number == code && m_main.ParcelNode(i))
            found = i;
    if (!found) {
        platform::MsgBox(QStringLiteral("Не існує ділянки з таким кодом"), platform::productTitle(),
                         platform::MsgIcon::None, platform::MsgButtons::Ok);
        return;
    }
    m_main.ShowFoundParcel(found);
    if (ui->bChek->isChecked())
        m_main.SelectFoundParcel(found);
}
