#include "mainwindow/guideline.h"

#include <QEvent>
#include <QPainter>

namespace mainwindow {

GuideLine::GuideLine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void GuideLine::setFirst(QPoint p)
{
    m_first = p;
    update();
}

void GuideLine::setSecond(QPoint p)
{
    m_second = p;
    update();
}

void GuideLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 1, Qt::DashLine));
    painter.drawLine(m_first, m_second);
}

bool GuideLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace mainwindow
