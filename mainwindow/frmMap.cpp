#include "mainwindow/frmMap.h"
#include "ui_frmMap.h"

#include "common/error.h"
#include "draw/draw.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/parceldrawing.h"
#include "model/state.h"
#include "platform/forms/waitcursor.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

frmMap::frmMap(QWidget *parent) : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmMap>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // A resize clears the picture; the drawing is fitted again once the size has settled.
    m_redraw = new QTimer(this);
    m_redraw->setSingleShot(true);
    m_redraw->setInterval(50);
    connect(m_redraw, &QTimer::timeout, this, &frmMap::Redraw);
    // The picture takes its laid-out size before the drawing is fitted into it.
    if (layout())
        layout()->activate();
    Form_Load();
    ui->pict->installEventFilter(this);
}

frmMap::~frmMap() = default;

draw::PictureBox *frmMap::picture() const
{
    return ui->pict;
}

void frmMap::Form_Load()
{
    const platform::WaitCursor wait;
    try {
        m_drawing = mainwindow::DrawAllParcels(model::state().Parcels, *ui->pict);
    } catch (const zova::Error &) {
        // Nothing to fit (no parcels, no first point, all points on one line): an empty picture.
        m_drawing.reset();
    } catch (const draw::DrawError &) {
        m_drawing.reset();
    }
}

void frmMap::Redraw()
{
    if (!m_drawing)
        return;
    try {
        m_drawing->DrawPict(*ui->pict, false);
    } catch (const draw::DrawError &) {
        ui->pict->Cls();
    }
}

bool frmMap::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->pict && event->type() == QEvent::Resize)
        m_redraw->start();
    return QWidget::eventFilter(watched, event);
}
