#include "reference/forms/formicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace reference {

namespace {

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2.0, 2.0);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

QPen pen(const QColor &c, double width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor ink(40, 48, 60);

} // namespace

QIcon OfficialsIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(ink, 1.0));
        p.setBrush(QColor(235, 190, 60));
        p.drawEllipse(QPointF(8, 5), 3, 3);
        p.setBrush(QColor(52, 110, 190));
        QPainterPath body;
        body.moveTo(2.5, 15);
        body.cubicTo(2.5, 9.5, 13.5, 9.5, 13.5, 15);
        body.closeSubpath();
        p.drawPath(body);
    });
}

QIcon AddIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(60, 150, 70), 2.5));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    });
}

QIcon EditIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(ink, 1.0));
        p.setBrush(QColor(235, 190, 60));
        p.drawPolygon(QPolygonF({{3, 13}, {3.5, 10.5}, {11, 3}, {13, 5}, {5.5, 12.5}}));
        p.setPen(pen(ink, 1.2));
        p.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
    });
}

QIcon AcceptIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(60, 150, 70), 2.5));
        p.drawPolyline(QPolygonF({{3, 8.5}, {6.5, 12}, {13, 4}}));
    });
}

QIcon CancelIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(pen(QColor(200, 60, 50), 2.5));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

} // namespace reference
