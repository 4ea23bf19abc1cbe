// The current parcel: clicks on the tree, the information panel, the coordinate list, the summary
// line and the drawing of the parcel in the picture.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/error.h"
#include "common/numbers.h"
#include "draw/drawerror.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/parceldrawing.h"
#include "mainwindow/state.h"
#include "mainwindow/treeimages.h"
#include "model/state.h"

#include <QCursor>
#include <QMouseEvent>
#include <exception>

namespace {

/// What a click on a field node says in the summary line, by the field's letter.
QString FieldTitle(QChar letter)
{
    switch (letter.unicode()) {
    case 'r': return QStringLiteral("Підстава надання ділянки");
    case 'a': return QStringLiteral("Адреса проживання власника");
    case 'd': return QStringLiteral("Адреса ділянки");
    case 'k': return QStringLiteral("Ідентифікаційний номер");
    case 'p': return QStringLiteral("Документ, що посвідчує особу");
    case 'z': return QStringLiteral("Рядок згідно форми 6-зем");
    case 'c': return QStringLiteral("Номер земельної ділянки");
    case 'w': return QStringLiteral("ID другої ділянки");
    case 'y': return QStringLiteral("КОАТУ ділянки");
    default: return QString();
    }
}

/// One row per point: key "<k>po", the position k, then X and Y as "0.00".
void FillPointRows(QTreeWidget *list, const model::Ring &ring)
{
    list->clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(ring.UBound());
    const QIcon icon = mainwindow::PointIcon();
    for (int k = 1; k <= ring.UBound(); ++k) {
        auto *row = new QTreeWidgetItem;
        row->setData(0, frmMain::KeyRole, QString::number(k) + QStringLiteral("po"));
        row->setText(0, QString::number(k));
        row->setIcon(0, icon);
        row->setText(1, zova::Format2(ring[k].X));
        row->setText(2, zova::Format2(ring[k].Y));
        rows.append(row);
    }
    list->addTopLevelItems(rows);
}

} // namespace

bool frmMain::IsParcel(int i)
{
    return i >= 1 && i <= model::state().Parcels.UBound();
}

void frmMain::MyTree_MouseDown(QMouseEvent *event)
{
    LastMouseButton = static_cast<uint8_t>(event->button());
    m_pressedNode = ui->MyTree->itemAt(event->position().toPoint());
    m_clickChangedCheck = false;
}

// The left button's click comes from the tree itself, after it has toggled a check box; the other
// buttons make a click of their own when they are released over the node they went down on.
void frmMain::MyTree_MouseUp(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        return;
    QTreeWidgetItem *node = ui->MyTree->itemAt(event->position().toPoint());
    if (node && node == m_pressedNode) {
        ui->MyTree->setCurrentItem(node);
        MyTree_NodeClick(node);
    }
}

void frmMain::MyTree_NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    UpdateSelection();
    const QString key = NodeKey(node);
    model::State &m = model::state();
    m.CurParcel = static_cast<int32_t>(zova::LeadingNumber(key));
    if (key.isEmpty() || !IsParcel(m.CurParcel))
        return;
    const int cur = m.CurParcel;
    const model::Parcel &p = m.Parcels[cur];
    const uint8_t unit = mainwindow::state().AreaUnit;
    const QChar kind = key.back();
    QString s;
    try {
        if (kind == QLatin1Char('o')) {
            ShowParcelInfo(cur);
            ShowZoneAndQuarter(cur);
            DrawCurrentParcel(cur);
            s = QStringLiteral("Площа ділянки: ") + mainwindow::AreaText(p.Area, unit) + QStringLiteral("; Код: ")
                + p.Number + QStringLiteral("; ID: ") + QString::number(cur) + QLatin1Char('\r');
            FillCoordList();
        } else {
            // The panel always shows the current parcel, so that "Внести зміни" writes a parcel's
            // own texts back into it; the operator's unsaved typing stays while the parcel stays.
            if (m_panelParcel != cur)
                ShowParcelInfo(cur);
            // Disabled before "0" goes in: the boxes write into the current parcel only while enabled.
            ui->tZone->setEnabled(false);
            ui->tKvart->setEnabled(false);
            ui->tZone->setText(QStringLiteral("0"));
            ui->tKvart->setText(QStringLiteral("0"));
            if (kind == QLatin1Char('u')) {
                const int16_t j = zova::RoundToInt16(zova::LeadingNumber(key.section(QLatin1Char('_'), 1)));
                mainwindow::state().CurLandUse = j;
                const model::LandUseArea &area = p.LandUses[j];
                s = QStringLiteral("Площа угіддя: ") + mainwindow::AreaText(area.Area, unit) + QLatin1Char('\r');
                FillPointRows(ui->lstKoord, area.Points);
            } else {
                s = FieldTitle(kind);
            }
        }
    } catch (const std::exception &) {
        return; // a key that names nothing loaded ends the click; what was set stays
    }
    ui->lInfo->setText(s);

    if (LastMouseButton != 1 && kind == QLatin1Char('o')) {
        ui->mnuZsp->setChecked(p.JointOwnership == 0);
        ui->mnuSecond->setChecked(p.SecondParcel != 0);
        ui->mnuPopup->popup(QCursor::pos());
    }
}

void frmMain::ShowParcelInfo(int i)
{
    if (!IsParcel(i)) {
        ClearParcelInfo();
        return;
    }
    const model::Parcel &p = model::state().Parcels[i];
    ui->tNM->setText(p.NM);
    ui->tAD->setText(p.AD);
    ui->tAU->setText(p.AU);
    ui->tKZ->setText(QString::number(zova::LeadingNumber(p.KZ), 'g', 15).trimmed());
    ui->tPP->setText(p.PP);
    ui->tKF->setText(p.KF);
    ui->tPZ->setText(p.PZ);
    m_panelParcel = i;
}

void frmMain::ClearParcelInfo()
{
    for (QLineEdit *box : {ui->tNM, ui->tAD, ui->tAU, ui->tKZ, ui->tPP, ui->tKF, ui->tPZ})
        box->clear();
    m_panelParcel = 0;
}

// Enabled before the values go in, so that the boxes' change handlers write the parcel's own
// values back into it.
void frmMain::ShowZoneAndQuarter(int parcel)
{
    const model::Parcel &p = model::state().Parcels[parcel];
    ui->tZone->setEnabled(true);
    ui->tKvart->setEnabled(true);
    ui->tZone->setText(QString::number(p.ZN));
    ui->tKvart->setText(QString::number(p.KV));
}

void frmMain::FillCoordList()
{
    const int cur = model::state().CurParcel;
    if (!IsParcel(cur))
        return;
    FillPointRows(ui->lstKoord, model::state().Parcels[cur].Points);
}

// A parcel that cannot be fitted (no points, all on one line) leaves an empty picture rather than
// the drawing of the parcel shown before.
void frmMain::DrawCurrentParcel(int parcel)
{
    try {
        mainwindow::DrawParcel(model::state().Parcels[parcel], *ui->pict);
        m_drawnParcel = parcel;
    } catch (const draw::DrawError &) {
        ui->pict->Cls();
        m_drawnParcel = 0;
    } catch (const zova::Error &) {
        ui->pict->Cls();
        m_drawnParcel = 0;
    }
}

void frmMain::ShowFoundParcel(int index)
{
    if (!IsParcel(index))
        return;
    if (QTreeWidgetItem *node = ParcelNode(index))
        ui->MyTree->setCurrentItem(node);
    model::state().CurParcel = index;
    const model::Parcel &p = model::state().Parcels[index];
    ShowParcelInfo(index);
    ShowZoneAndQuarter(index);
    DrawCurrentParcel(index);
    ui->lInfo->setText(QStringLiteral("Площа ділянки: ") + mainwindow::AreaText(p.Area, mainwindow::state().AreaUnit)
                       + QStringLiteral("; Код: ") + p.Number + QLatin1Char('\r'));
    FillCoordList();
}

void frmMain::mnuZsp_Click()
{
    const int cur = model::state().CurParcel;
    if (!IsParcel(cur))
        return;
    model::Parcel &p = model::state().Parcels[cur];
    model::state().Modified = true;
    // The mark goes on the current parcel's own node, whichever node the tree has selected.
    QTreeWidgetItem *node = ParcelNode(cur);
    if (p.JointOwnership != 0) {
        ui->mnuZsp->setChecked(true);
        p.JointOwnership = 0;
        if (node)
            setNodeImage(node, mainwindow::ImgJointOwnership);
    } else {
        ui->mnuZsp->setChecked(false);
        p.JointOwnership = 1;
        if (node)
            setNodeImage(node, p.SecondParcel != 0 ? mainwindow::ImgSecondParcel : mainwindow::ImgParcel);
    }
}
