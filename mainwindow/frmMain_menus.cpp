// Menus, toolbar and picture buttons of the main window: which command each one runs.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/error.h"
#include "common/numbers.h"
#include "documents/forms/planbatch.h"
#include "documents/planoptions.h"
#include "mainwindow/frmHelp.h"
#include "mainwindow/state.h"
#include "mainwindow/windowplace.h"
#include "model/state.h"
#include "model/forms/savecommands.h"
#include "platform/prompts.h"
#include "reference/forms/fillers.h"
#include "reference/forms/frmAddC.h"
#include "reference/forms/frmEditC.h"
#include "reference/forms/frmFnt.h"
#include "reference/forms/frmParam.h"
#include "reference/forms/frmShtamp.h"
#include "reference/forms/frmTerra.h"
#include "reference/state.h"
#include "registers/forms/packagecommand.h"
#include "registers/forms/registercommands.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

void frmMain::connectCommands()
{
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(ui->tBar, &QToolBar::actionTriggered, this, &frmMain::tBar_ButtonClick);
    connect(ui->MyTree, &QTreeWidget::itemChanged, this, &frmMain::MyTree_ItemChanged);
    connect(ui->MyTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node) {
        // A click on a check box checks the parcel; it does not make it current.
        if (m_clickChangedCheck) {
            m_clickChangedCheck = false;
            return;
        }
        MyTree_NodeClick(node);
    });
    connect(ui->mnuZsp, &QAction::triggered, this, &frmMain::mnuZsp_Click);
    connect(ui->bSplit, &QToolButton::clicked, this, &frmMain::bSplit_Click);
    connect(ui->bMap, &QToolButton::clicked, this, &frmMain::bMap_Click);
    connectOptions();

    connect(ui->mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui->mnuSel, &QAction::triggered, this, &frmMain::mnuSel_Click);
    connect(ui->mnuFnt, &QAction::triggered, this, &frmMain::mnuFnt_Click);
    connect(ui->mnuCil, &QAction::triggered, this, &frmMain::mnuCil_Click);
    connect(ui->mnuCilove, &QAction::triggered, this, &frmMain::mnuCilove_Click);
    connect(ui->mnuDS, &QAction::triggered, this, &frmMain::mnuDS_Click);
    connect(ui->mnuZmist, &QAction::triggered, this, &frmMain::mnuZmist_Click);
    connect(ui->mnuSave, &QAction::triggered, this, [] { model::mnuSave_Click(); });
    connect(ui->mnuSaveCheket, &QAction::triggered, this, [] { model::mnuSaveCheket_Click(); });
    connect(ui->mnuExpMif, &QAction::triggered, this, [this] { model::mnuExpMif_Click(m_dataDir); });
    connect(ui->mnuGo, &QAction::triggered, this, &frmMain::mnuGo_Click);
    connect(ui->bGo, &QPushButton::clicked, this, &frmMain::mnuGo_Click);
    connect(ui->mnuKat, &QAction::triggered, this, &frmMain::mnuKat_Click);
    connect(ui->mnuSpis1, &QAction::triggered, this, [this] { registers::MakeSpis1Command(m_programDir); });
    connect(ui->mnuSpis2, &QAction::triggered, this, [this] { registers::MakeSpis2Command(m_programDir); });
    connect(ui->mnuNakl, &QAction::triggered, this,
            [this] { registers::MakeNaklCommand(m_programDir, ui->cmbCil->currentText()); });
    connect(ui->mnuTerra, &QAction::triggered, this, &frmMain::mnuTerra_Click);
    connect(ui->mnuShtamp, &QAction::triggered, this, &frmMain::mnuShtamp_Click);
    connect(ui->bAdd, &QToolButton::clicked, this, &frmMain::bAdd_Click);
    connect(ui->bEdit, &QToolButton::clicked, this, &frmMain::bEdit_Click);
    connect(ui->mnuArt, &QAction::triggered, this, &frmMain::mnuArt_Click);
    connect(ui->mnuImpTxt, &QAction::triggered, this, &frmMain::mnuImpTxt_Click);
    connect(ui->mnuManyIn4, &QAction::triggered, this, &frmMain::mnuManyIn4_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
}

void frmMain::tBar_ButtonClick(QAction *button)
{
    const QString key = button ? button->property("key").toString() : QString();
    // Keys are compared case-sensitively; a key without a command does nothing.
    if (key == QLatin1String("OpenF"))
        mnuOpen_Click();
    else if (key == QLatin1String("Exit"))
        mnuExit_Click();
    else if (key == QLatin1String("Sel"))
        mnuSel_Click();
    else if (key == QLatin1String("Save"))
        model::mnuSave_Click();
    else if (key == QLatin1String("SaveChk"))
        model::mnuSaveCheket_Click();
    else if (key == QLatin1String("GoGo"))
        mnuGo_Click();
    else if (key == QLatin1String("Kat"))
        mnuKat_Click();
    else if (key == QLatin1String("GetTerra"))
        mnuTerra_Click();
    else if (key == QLatin1String("EditSht"))
        mnuShtamp_Click();
    else if (key == QLatin1String("Change"))
        mnuMass_Click();
}

documents::PlanOptions frmMain::planOptions() const
{
    const mainwindow::State &s = mainwindow::state();
    documents::PlanOptions o;
    // The first kind button, by index, that is set.
    for (int i = 0; i < 8; ++i)
        if (ui->Opt->button(i) && ui->Opt->button(i)->isChecked()) {
            o.Kind = static_cast<uint8_t>(i);
            break;
        }
    o.Paper = static_cast<uint8_t>(ui->cmbType->currentData().toInt());
    o.AutoScale = !ui->OPtMash_1->isChecked();
    o.Scale = static_cast<int32_t>(zova::LeadingNumber(ui->cmbMash->currentText()));
    o.ZovaVariant = s.ZovaVariant;
    o.ShowLengths = s.ShowLengths;
    o.ShowPointNumbers = s.ShowPointNumbers;
    o.ShowNeighbours = s.ShowNeighbours;
    o.ShowLandUse = s.ShowLandUse;
    o.GroupMode = s.GroupMode;
    o.AreaUnit = s.AreaUnit;
    o.CiloveFlag = s.CiloveFlag;
    o.DsFlag = s.DsFlag;
    o.WhoChoice = s.WhoChoice;
    o.StorageChoice = s.StorageChoice;
    o.PurposeText = ui->cmbCil->currentText();
    o.ProgramDir = m_programDir;
    return o;
}

// "Зробити план": nothing without a checked parcel; the documentation package kinds open the
// package dialog, the others make their documents. Each road reports its own failures.
void frmMain::mnuGo_Click()
{
    if (!AnyParcelChecked())
        return;
    const documents::PlanOptions options = planOptions();
    if (registers::IsPackageKind(options.Kind))
        registers::MakePackageCommand(this, options);
    else // the approval form reads the window's choices anew each time it makes its plans
        documents::MakePlanCommand(this, options, [this] { return planOptions(); });
}

// "Зробити каталог координат": one catalogue per checked parcel.
void frmMain::mnuKat_Click()
{
    if (!AnyParcelChecked())
        return;
    registers::MakeCatalogueCommand(this, m_programDir, mainwindow::state().AreaUnit);
}

// The territory dialog changes the program's territory only when accepted; then the label shows
// the new code.
void frmMain::mnuTerra_Click()
{
    frmTerra dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ui->lKoatu->setText(model::state().Koatuu);
    ui->lKoatu->repaint();
}

void frmMain::mnuShtamp_Click()
{
    frmShtamp dialog(this);
    dialog.exec();
}

// The purpose dialogs write at once: the list follows every write and the closing of the dialog.
void frmMain::bAdd_Click()
{
    frmAddC dialog(this);
    connect(&dialog, &frmAddC::written, this, &frmMain::RefillPurposes);
    dialog.exec();
    RefillPurposes();
}

void frmMain::bEdit_Click()
{
    frmEditC dialog(this);
    connect(&dialog, &frmEditC::written, this, &frmMain::RefillPurposes);
    dialog.exec();
    RefillPurposes();
}

// The purpose chosen stays chosen through the refill, found again by its row, so that what the
// list shows is what the documents print: a renamed one under its new name. One that is no longer
// in the database leaves none chosen, and the documents then say that none is.
void frmMain::RefillPurposes()
{
    const int before = ui->cmbCil->currentIndex();
    const QVariant row = before >= 0 ? ui->cmbCil->itemData(before) : QVariant();
    try {
        reference::FillCilove(ui->cmbCil);
    } catch (const zova::Error &e) {
        platform::MsgBox(e.fullText(), platform::productTitle(), platform::MsgIcon::Critical);
    }
    const int found = row.isValid() ? ui->cmbCil->findData(row) : -1;
    ui->cmbCil->setCurrentIndex(found);
    reference::State &r = reference::state();
    if (found >= 0) {
        r.PurposeName = ui->cmbCil->currentText();
    } else if (row.isValid()) {
        r.PurposeName.clear();
        r.PurposeId = 0;
    }
    ui->bEdit->setEnabled(found >= 0);
}

void frmMain::mnuFnt_Click()
{
    frmFnt dialog(this);
    dialog.exec();
}

void frmMain::mnuCil_Click()
{
    const reference::State &r = reference::state();
    frmParam dialog(this);
    dialog.setFields(r.BuildArea, r.AreaRange, r.KZ21Text, r.KZ22Text);
    dialog.exec();
}

// The menu's check mark and its flag are turned separately; both start in agreement.
void frmMain::mnuCilove_Click()
{
    mainwindow::State &s = mainwindow::state();
    s.CiloveFlag = !s.CiloveFlag;
    ui->mnuCilove->setChecked(s.CiloveFlag);
}

void frmMain::mnuDS_Click()
{
    mainwindow::State &s = mainwindow::state();
    s.DsFlag = !s.DsFlag;
    ui->mnuDS->setChecked(s.DsFlag);
}

// The help is an HTML file in the program folder under the name the program has always used; it
// shows in the program's own help window, which stays open beside the main window.
void frmMain::mnuZmist_Click()
{
    const QString helpFile = QDir(m_programDir).filePath(QStringLiteral("ZOVA.HLP"));
    if (!QFileInfo(helpFile).isFile()) {
        platform::MsgBox(QStringLiteral("Не можу знайти файл допомоги."), QStringLiteral("Вибачайте"),
                         platform::MsgIcon::Information, platform::MsgButtons::Ok);
        return;
    }
    if (!m_help) {
        m_help = new frmHelp(helpFile, this);
        mainwindow::PlaceInsideScreen(m_help, this);
    } else {
        m_help->ShowContents();
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

frmHelp *frmMain::helpWindow() const
{
    return m_help;
}
