// The picture: the guide line drawn with the mouse, the drawing fitted again after a resize, and
// the overview of all parcels.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/numbers.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/frmMap.h"
#include "mainwindow/guideline.h"
#include "mainwindow/state.h"
#include "mainwindow/treeimages.h"
#include "mainwindow/windowplace.h"
#include "model/state.h"
#include "registers/forms/registercommands.h"

#include <QMouseEvent>
#include <QTimer>

namespace {

/// A mouse position in whole pixels, halves to the even neighbour.
QPoint RoundedPosition(const QMouseEvent *event)
{
    const QPointF p = event->position();
    return QPoint(zova::RoundToInt32(p.x()), zova::RoundToInt32(p.y()));
}

} // namespace

void frmMain::bSplit_Click()
{
    mainwindow::State &s = mainwindow::state();
    s.MeasureMode = !s.MeasureMode;
    ui->bSplit->setIcon(mainwindow::SplitIcon(s.MeasureMode ? 1 : 2));
}

// Any button starts the line at the press.
void frmMain::pict_MouseDown(QMouseEvent *event)
{
    if (!mainwindow::state().MeasureMode)
        return;
    m_lineStart = RoundedPosition(event);
    ui->lDir->setFirst(m_lineStart);
    ui->lDir->setVisible(true);
}

// The second end follows the mouse whether a button is held or not; the line shows only while
// the button is down.
void frmMain::pict_MouseMove(QMouseEvent *event)
{
    if (!mainwindow::state().MeasureMode)
        return;
    m_lineEnd = RoundedPosition(event);
    ui->lDir->setSecond(m_lineEnd);
}

void frmMain::pict_MouseUp(QMouseEvent *)
{
    if (!mainwindow::state().MeasureMode)
        return;
    ui->lDir->setVisible(false);
}

// The list of the selected parcels with their cadastral numbers; no menu item reaches it.
void frmMain::pict_DblClick()
{
    registers::MakeSpisKadKodeCommand(m_programDir);
}

// One overview window: a second press brings the open one to the front without drawing again.
void frmMain::bMap_Click()
{
    if (m_map) {
        m_map->raise();
        m_map->activateWindow();
        return;
    }
    m_map = new frmMap(this);
    mainwindow::PlaceInsideScreen(m_map, this);
    m_map->show();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->MyTree->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            MyTree_MouseDown(static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::MouseButtonRelease)
            MyTree_MouseUp(static_cast<QMouseEvent *>(event));
    } else if (watched == ui->pict) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pict_MouseDown(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseMove:
            pict_MouseMove(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonRelease:
            pict_MouseUp(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonDblClick:
            pict_DblClick();
            break;
        case QEvent::Resize:
            // A resize clears the picture: the parcel is fitted to the new size once it settles.
            if (m_drawnParcel > 0)
                m_pictRedraw->start();
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

frmMap *frmMain::mapWindow() const
{
    return m_map.data();
}
