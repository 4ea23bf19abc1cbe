#include "documents/forms/frmPogodzh.h"
#include "ui_frmPogodzh.h"

#include "common/error.h"
#include "documents/forms/planbatch.h"
#include "documents/state.h"
#include "platform/prompts.h"
#include "reference/approvalbodies.h"
#include "reference/forms/dbmessages.h"
#include "reference/forms/fillers.h"
#include "reference/forms/frmAdd.h"
#include "reference/forms/frmEdit.h"
#include "reference/staff.h"

#include <QPointer>
#include <array>
#include <exception>

namespace {

using reference::TellNotRead;

QPointer<frmPogodzh> &openForm()
{
    static QPointer<frmPogodzh> form;
    return form;
}

} // namespace

frmPogodzh::frmPogodzh(OptionsSource options, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPogodzh>()), m_options(std::move(options))
{
    ui->setupUi(this);
    setModal(false);
    for (int row = 1; row <= documents::ApprovalTexts::Rows; ++row)
        connect(c(row), &QComboBox::activated, this, [this, row] { c_Click(row); });
    connect(ui->Command1, &QPushButton::clicked, this, &frmPogodzh::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmPogodzh::Command2_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &frmPogodzh::Command5_Click);
    connect(ui->bGo, &QPushButton::clicked, this, &frmPogodzh::bGo_Click);
    Form_Load();
}

frmPogodzh::~frmPogodzh() = default;

frmPogodzh *frmPogodzh::ShowModeless(QWidget *parent, OptionsSource options)
{
    QPointer<frmPogodzh> &form = openForm();
    if (form && form->isVisible()) { // a closed one is on its way out
        form->m_options = std::move(options);
    } else {
        form = new frmPogodzh(std::move(options), parent);
        form->setAttribute(Qt::WA_DeleteOnClose);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

QComboBox *frmPogodzh::c(int row) const
{
    const std::array<QComboBox *, 8> lists = {ui->c1, ui->c2, ui->c3, ui->c4, ui->c5, ui->c6, ui->c7, ui->c8};
    return lists.at(static_cast<size_t>(row - 1));
}

QLabel *frmPogodzh::l(int row) const
{
    const std::array<QLabel *, 8> labels = {ui->l1, ui->l2, ui->l3, ui->l4, ui->l5, ui->l6, ui->l7, ui->l8};
    return labels.at(static_cast<size_t>(row - 1));
}

void frmPogodzh::Form_Load()
{
    try {
        for (int row = 1; row <= documents::ApprovalTexts::Rows; ++row)
            reference::FillOrgans(c(row));
    } catch (const zova::Error &e) {
        TellNotRead(e);
    }
    for (int row = 1; row <= documents::ApprovalTexts::Rows; ++row)
        reference::ClearLabel(l(row));
}

// The person of the body chosen in the row; empty when it has none.
void frmPogodzh::c_Click(int row)
{
    QComboBox *list = c(row);
    reference::ClearLabel(l(row));
    if (list->currentIndex() < 0)
        return;
    try {
        l(row)->setText(reference::ApprovalPerson(list->currentData().toInt()));
    } catch (const zova::Error &e) {
        TellNotRead(e);
    }
}

void frmPogodzh::Command1_Click()
{
    frmEdit dialog(this);
    try {
        reference::FillOrgans(dialog.cEdit());
    } catch (const zova::Error &e) {
        TellNotRead(e);
    }
    dialog.exec();
    RefillBodies();
}

void frmPogodzh::Command2_Click()
{
    frmAdd dialog(this);
    dialog.exec();
    RefillBodies();
}

void frmPogodzh::Command5_Click()
{
    close();
}

void frmPogodzh::RefillBodies()
{
    for (int row = 1; row <= documents::ApprovalTexts::Rows; ++row) {
        QComboBox *list = c(row);
        const QVariant chosen = list->currentIndex() >= 0 ? list->currentData() : QVariant();
        try {
            reference::FillOrgans(list);
        } catch (const zova::Error &e) {
            TellNotRead(e);
            return;
        }
        if (chosen.isValid())
            list->setCurrentIndex(list->findData(chosen));
        c_Click(row);
    }
}

void frmPogodzh::bGo_Click()
{
    using namespace documents;
    try {
        PlanOptions options = m_options ? m_options() : PlanOptions();
        options.Kind = KindApprovalPlan;
        options.Paper = 3; // the approval plan has one sheet of its own, whatever the main window shows
        if (SelectedParcelCount() == 0) {
            platform::MsgBox(QStringLiteral("Не вибрано жодної ділянки."), platform::productTitle(),
                             platform::MsgIcon::Exclamation);
            return;
        }
        reference::LoadStaffNames(options.PurposeText);
        ApprovalTexts &texts = state().Approval;
        texts.ApprHead = ui->txtGlv->text();
        for (int row = 1; row <= ApprovalTexts::Rows; ++row) {
            texts.ApprOrg[static_cast<size_t>(row)] = c(row)->currentText();
            texts.ApprPib[static_cast<size_t>(row)] = l(row)->text();
        }
        m_report = RunDocumentCommand(this, options);
    } catch (const zova::Error &e) {
        platform::MsgBox(e.message(), platform::productTitle(), platform::MsgIcon::Critical);
    } catch (const std::exception &e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::productTitle(), platform::MsgIcon::Critical);
    }
}
