#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "documents/docoptions.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/state.h"
#include "mainwindow/treeimages.h"
#include "model/state.h"
#include "platform/prompts.h"
#include "reference/baseconnection.h"
#include "reference/startup.h"
#include "reference/state.h"
#include "registers/forms/frmSave.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

static void initIcons()
{
    Q_INIT_RESOURCE(icons);
}

frmMain::frmMain(const QString &programDir, const QString &dataDir, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()),
      m_programDir(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir),
      m_dataDir(dataDir.isEmpty() ? reference::UserDataFolder() : dataDir)
{
    initIcons();
    // The document-action dialog's folder button opens the folder picker.
    registers::installOutputFolderPicker();
    ui->setupUi(this);
    setupControls();
    connectCommands();
    connectEditing();
    Form_Load();
}

frmMain::~frmMain() = default;

// What the form's layout cannot say: item data of the lists, indexes of the option arrays,
// the status panels and the timers.
void frmMain::setupControls()
{
    for (QComboBox *combo : {ui->cmbZova, ui->cmbZberig, ui->cmbWho, ui->cmbType})
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemData(i, i + 1);
    for (int i = 0; i < ui->cmbMash->count(); ++i)
        ui->cmbMash->setItemData(i, 0);

    const QRadioButton *opts[] = {ui->Opt_0, ui->Opt_1, ui->Opt_2, ui->Opt_3,
                                  ui->Opt_4, ui->Opt_5, ui->Opt_6, ui->Opt_7};
    for (int i = 0; i < 8; ++i)
        ui->Opt->setId(const_cast<QRadioButton *>(opts[i]), i);
    ui->OPtMash->setId(ui->OPtMash_0, 0);
    ui->OPtMash->setId(ui->OPtMash_1, 1);
    ui->optArea->setId(ui->optArea_0, 0);
    ui->optArea->setId(ui->optArea_1, 1);

    ui->lstKoord->setColumnWidth(0, 60);
    ui->lstKoord->setColumnWidth(1, 110);
    ui->splitMain->setStretchFactor(0, 0);
    ui->splitMain->setStretchFactor(1, 1);
    ui->splitMain->setStretchFactor(2, 0);
    ui->splitMain->setSizes({340, 580, 360});

    stPanel1 = new QLabel(ui->stBar);
    stPanel1->setObjectName(QStringLiteral("stPanel1"));
    stPanel1->setFixedWidth(22);
    stPanel1->setAlignment(Qt::AlignCenter);
    stPanel2 = new QLabel(ui->stBar);
    stPanel2->setObjectName(QStringLiteral("stPanel2"));
    stPanel3 = new QLabel(ui->stBar);
    stPanel3->setObjectName(QStringLiteral("stPanel3"));
    ui->stBar->addWidget(stPanel1);
    ui->stBar->addWidget(stPanel2, 2);
    ui->stBar->addWidget(stPanel3, 1);
    lbHelp = new QLabel(ui->stBar);
    lbHelp->setObjectName(QStringLiteral("lbHelp"));

    // The tree's own clicks, and the picture's presses, moves and releases for the guide line.
    ui->MyTree->setContextMenuPolicy(Qt::PreventContextMenu);
    ui->MyTree->viewport()->installEventFilter(this);
    ui->pict->setMouseTracking(true);
    ui->pict->installEventFilter(this);
    m_pictRedraw = new QTimer(this);
    m_pictRedraw->setSingleShot(true);
    m_pictRedraw->setInterval(50);
    connect(m_pictRedraw, &QTimer::timeout, this, [this] {
        if (IsParcel(m_drawnParcel))
            DrawCurrentParcel(m_drawnParcel);
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    tmr = new QTimer(this); // laid out for a guide-line effect that nothing switches on
    tmr->setObjectName(QStringLiteral("tmr"));
    tmr->setInterval(25);
}

void frmMain::Form_Load()
{
    reference::SetDefaultParameters();
    mainwindow::resetState();
    documents::resetOptions(); // OutputFolder empty, documents left open, line types and widths

    CreateExportFolder();
    model::state().Parcels.Clear();
    m_frame = 0;
    model::state().TerritoryText.clear();

    // Setting the start positions runs the option handlers, which give the option variables
    // their start values and put the dependent controls into the matching state.
    ui->chGroup->setChecked(false);
    chGroup_Click();
    ui->bSplit->setIcon(mainwindow::SplitIcon(2));
    ui->tZone->setEnabled(false);
    ui->tKvart->setEnabled(false);
    ui->cmbZova->setCurrentIndex(0);
    cmbZova_Click();
    ui->optArea_0->setChecked(true);
    optArea_Click(0);

    for (const char *key : {"GoGo", "Kat", "Sel", "Save", "Change", "SaveChk"})
        setButtonState(QString::fromLatin1(key), false);

    chLen_Click();
    chPoint_Click();
    chSm_Click();
    chUgd_Click();

    ui->cmbZberig->setCurrentIndex(1);
    cmbZberig_Click();
    for (QAction *a : {ui->mnuSaveCheket, ui->mnuGo, ui->mnuKat, ui->mnuSel, ui->mnuMass, ui->mnuSave})
        a->setEnabled(false);
    // The button of "Зробити план" waits for a checked parcel like the menu and the toolbar do.
    ui->bGo->setEnabled(false);

    ui->Opt_0->setChecked(true);
    Opt_Click(0);
    ui->OPtMash_0->setChecked(true);
    OPtMash_Click(0);
    ui->cmbType->setCurrentIndex(0);
    ui->cmbWho->setCurrentIndex(0);
    cmbWho_Click();

    RefillPurposes();
    ui->cmbMash->setCurrentIndex(0);

    UpdateDataControls();
    stPanel3->clear();

    lbHelp->move(ui->stBar->width(), 0);
    Timer1->start();
}

// The export folder in the operator's data folder; the MIF/MID export writes there.
void frmMain::CreateExportFolder()
{
    const QString path = QDir(m_dataDir).filePath(QStringLiteral("Export"));
    const QFileInfo info(path);
    if (info.isDir())
        return;
    if (info.exists()) {
        platform::MsgBox(QStringLiteral("У теці даних програми замість теки Export є файл з цим ім'ям:\n%1\n"
                                        "Експорт у mif/mid не зможе туди писати.").arg(QDir::toNativeSeparators(path)),
                         platform::productTitle(), platform::MsgIcon::Exclamation);
        return;
    }
    if (!QDir().mkpath(path))
        platform::MsgBox(QStringLiteral("Не вдалося створити теку для експорту:\n%1").arg(QDir::toNativeSeparators(path)),
                         platform::productTitle(), platform::MsgIcon::Exclamation);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    reference::CloseBase();
    Timer1->stop();
    QCoreApplication::quit();
}

void frmMain::mnuExit_Click()
{
    // Ends at once: the unload handler does not run on this road. Changed parcels that were not
    // written are not dropped without a question.
    if (!QueryUnload())
        return;
    QCoreApplication::exit(0);
}

void frmMain::UpdateDataControls()
{
    const bool loaded = model::state().Parcels.UBound() >= 1;
    for (QWidget *w : {static_cast<QWidget *>(ui->SSTab1), static_cast<QWidget *>(ui->cmbCil),
                       static_cast<QWidget *>(ui->bMap), static_cast<QWidget *>(ui->frMash),
                       static_cast<QWidget *>(ui->frArea), static_cast<QWidget *>(ui->bAdd),
                       static_cast<QWidget *>(ui->frServ)})
        w->setEnabled(loaded);
    // The paper list stays off while the preliminary approval plan is chosen: it has its own paper.
    ui->cmbType->setEnabled(loaded && ui->Opt->checkedId() != 2);
    ui->mnuExport->menuAction()->setEnabled(loaded);
}

QAction *frmMain::tBarButton(const QString &key) const
{
    for (QAction *a : ui->tBar->actions())
        if (a->property("key").toString() == key)
            return a;
    return nullptr;
}

// A toolbar button that cannot be used is shown greyed ("mixed"); the flag is kept as a property.
void frmMain::setButtonState(const QString &key, bool enabled)
{
    if (QAction *a = tBarButton(key)) {
        a->setEnabled(enabled);
        a->setProperty("mixed", !enabled);
    }
}

void frmMain::Timer1_Timer()
{
    if (m_frame == 12)
        m_frame = 0;
    ++m_frame;
    stPanel1->setPixmap(mainwindow::AnimationFrame(m_frame));
}
