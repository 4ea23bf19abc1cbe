#include "mainwindow/windowplace.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace mainwindow {

void PlaceInsideScreen(QWidget *window, const QWidget *over)
{
    QScreen *screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
    if (!window || !screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is not known before the window is shown; leave room for a usual one.
    const QSize frame(16, 48);
    const QSize size = window->size().boundedTo(area.size() - frame).expandedTo(window->minimumSize());
    window->resize(size);

    QRect placed(QPoint(0, 0), size + frame);
    placed.moveCenter(over ? over->frameGeometry().center() : area.center());
    if (placed.right() > area.right())
        placed.moveRight(area.right());
    if (placed.bottom() > area.bottom())
        placed.moveBottom(area.bottom());
    if (placed.left() < area.left())
        placed.moveLeft(area.left());
    if (placed.top() < area.top())
        placed.moveTop(area.top());
    window->move(placed.topLeft());
}

} // namespace mainwindow
