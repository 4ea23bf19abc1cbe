// The options panel: document kind, plan variant, storage and signatory, paper, scale, area unit,
// land-use purpose and what the plan drawing shows. Each choice goes at once into its variable.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/numbers.h"
#include "mainwindow/state.h"
#include "model/state.h"
#include "reference/state.h"

#include <exception>

namespace {

uint8_t ChosenData(const QComboBox *combo)
{
    return static_cast<uint8_t>(combo->currentData().toInt());
}

} // namespace

void frmMain::connectOptions()
{
    connect(ui->chGroup, &QCheckBox::stateChanged, this, &frmMain::chGroup_Click);
    connect(ui->chLen, &QCheckBox::stateChanged, this, &frmMain::chLen_Click);
    connect(ui->chPoint, &QCheckBox::stateChanged, this, &frmMain::chPoint_Click);
    connect(ui->chSm, &QCheckBox::stateChanged, this, &frmMain::chSm_Click);
    connect(ui->chUgd, &QCheckBox::stateChanged, this, &frmMain::chUgd_Click);
    // Queued: filling the list passes through its first entry before it ends with none chosen, and
    // only what the list shows once the fill is done is a choice.
    connect(ui->cmbCil, &QComboBox::currentIndexChanged, this, &frmMain::cmbCil_Click, Qt::QueuedConnection);
    connect(ui->cmbZova, &QComboBox::currentIndexChanged, this, &frmMain::cmbZova_Click);
    connect(ui->cmbWho, &QComboBox::currentIndexChanged, this, &frmMain::cmbWho_Click);
    connect(ui->cmbZberig, &QComboBox::currentIndexChanged, this, &frmMain::cmbZberig_Click);
    // Option buttons report the one that became set, by the operator or by the program.
    connect(ui->optArea, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            optArea_Click(id);
    });
    connect(ui->OPtMash, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            OPtMash_Click(id);
    });
    connect(ui->Opt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Opt_Click(id);
    });
}

// A grey (partly checked) box counts as checked.
void frmMain::chGroup_Click()
{
    mainwindow::state().GroupMode = ui->chGroup->checkState() != Qt::Unchecked;
}

void frmMain::chLen_Click()
{
    mainwindow::state().ShowLengths = ui->chLen->checkState() != Qt::Unchecked;
}

void frmMain::chPoint_Click()
{
    mainwindow::state().ShowPointNumbers = ui->chPoint->checkState() != Qt::Unchecked;
}

void frmMain::chSm_Click()
{
    mainwindow::state().ShowNeighbours = ui->chSm->checkState() != Qt::Unchecked;
}

void frmMain::chUgd_Click()
{
    mainwindow::state().ShowLandUse = ui->chUgd->checkState() != Qt::Unchecked;
}

void frmMain::cmbCil_Click()
{
    if (ui->cmbCil->currentIndex() < 0)
        return; // the list was emptied or refilled: no purpose is chosen
    try {
        // The identifier is read first: one beyond 16 bits leaves the previous purpose whole, so
        // the name and the identifier always belong to one entry.
        const int16_t id = zova::RoundToInt16(ui->cmbCil->currentData().toDouble());
        reference::State &r = reference::state();
        r.PurposeName = ui->cmbCil->currentText();
        r.PurposeId = id;
        ui->bEdit->setEnabled(true);
    } catch (const std::exception &) {
    }
}

void frmMain::cmbZova_Click()
{
    if (ui->cmbZova->currentIndex() >= 0)
        mainwindow::state().ZovaVariant = ChosenData(ui->cmbZova);
}

void frmMain::cmbWho_Click()
{
    if (ui->cmbWho->currentIndex() >= 0)
        mainwindow::state().WhoChoice = ChosenData(ui->cmbWho);
}

void frmMain::cmbZberig_Click()
{
    if (ui->cmbZberig->currentIndex() >= 0)
        mainwindow::state().StorageChoice = ChosenData(ui->cmbZberig);
}

void frmMain::optArea_Click(int index)
{
    mainwindow::state().AreaUnit = static_cast<uint8_t>(index);
}

// The scale list is used only when the scale is given by hand; otherwise the plan command fits it.
void frmMain::OPtMash_Click(int index)
{
    ui->cmbMash->setEnabled(index == 1);
}

void frmMain::Opt_Click(int index)
{
    // The preliminary approval plan has a paper of its own.
    ui->cmbType->setEnabled(index != 2 && model::state().Parcels.UBound() >= 1);
    if (index == 0) {
        ui->cmbZova->setEnabled(true);
        cmbZova_Click();
    } else {
        ui->cmbZova->setEnabled(false);
        ui->cmbZova->setCurrentIndex(0);
        cmbZova_Click(); // also when "План" was chosen already
    }
    if (index == 3 || index == 4) {
        ui->cmbZberig->setCurrentIndex(1);
        cmbZberig_Click();
    } else if (index == 6) {
        ui->cmbZberig->setCurrentIndex(0);
        cmbZberig_Click();
    }
}
