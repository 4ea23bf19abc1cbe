#include "mainwindow/frmVal.h"
#include "ui_frmVal.h"

#include "common/error.h"
#include "mainwindow/bulkvalues.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/treewalk.h"
#include "model/state.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"

using namespace mainwindow;

frmVal::frmVal(frmMain &main) : QDialog(&main), ui(std::make_unique<Ui::frmVal>()), m_main(main)
{
    ui->setupUi(this);
    const QStringList keys = ValueKeyNames();
    for (int k = 0; k < keys.size(); ++k)
        ui->cmbVal->addItem(keys[k], k + 1);
    ui->cmbVal->setCurrentIndex(-1);
    connect(ui->cmbVal, &QComboBox::currentIndexChanged, this, &frmVal::cmbVal_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmVal::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

frmVal::~frmVal() = default;

// Only the land-use code can add land-use areas; choosing another key takes the choice back.
void frmVal::cmbVal_Click()
{
    if (ui->cmbVal->currentData().toInt() == KeyCN) {
        ui->bAddUgd->setEnabled(true);
    } else {
        ui->bAddUgd->setChecked(false);
        ui->bAddUgd->setEnabled(false);
    }
}

void frmVal::Command1_Click()
{
    if (ui->cmbVal->currentIndex() < 0)
        return; // no key chosen: nothing to do, the dialog stays
    const int key = ui->cmbVal->currentData().toInt();
    const QString v = ui->txtVal->text();
    try {
        const platform::WaitCursor wait;
        if (ui->bChek->isChecked())
            Select(key, v);
        else
            Assign(key, v);
    } catch (const zova::Error &e) {
        // Nothing was written; the operator can correct the value.
        platform::MsgBox(e.message(), platform::productTitle(), platform::MsgIcon::Exclamation);
        return;
    }
    accept();
}

void frmVal::Assign(int key, const QString &v)
{
    model::State &m = model::state();
    const Assignment done = AssignValue(m.Parcels, key, v, ui->bAddUgd->isChecked());
    if (done.changed)
        m.Modified = true;
    if (!done.nodeLetter.isNull()) {
        const BulkNodeChanges quiet(m_main.parcelTree());
        ForEachNode(m_main.parcelTree(), [&](QTreeWidgetItem *node) {
            if (frmMain::NodeKey(node).endsWith(done.nodeLetter))
                node->setText(0, v);
            return true;
        });
    }
    for (int i : done.grown)
        m_main.AddLandUseNode(i, m.Parcels[i].LandUses.UBound());
    // The panel shows the new value, as the tree does.
    if (!done.nodeLetter.isNull())
        m_main.ShowPanelField(m_main.panelParcel(), done.nodeLetter);
}

// Adds to the selection: the parcel's flag and its node's check box (the node alone).
void frmVal::Select(int key, const QString &v)
{
    model::ParcelList &parcels = model::state().Parcels;
    const BulkNodeChanges quiet(m_main.parcelTree());
    for (int i : ParcelsMatching(parcels, key, v)) {
        parcels[i].Selected = -1;
        m_main.SetNodeCheckedQuietly(m_main.ParcelNode(i), true);
    }
}
