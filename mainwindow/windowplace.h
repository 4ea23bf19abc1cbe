#pragma once

class QWidget;

namespace mainwindow {

/// Puts a window that is about to be shown inside the available area of the screen of `over`
/// (the primary screen when `over` is null): centred over `over`, shrunk to the area when it is
/// larger, with room left for the title bar and frame the window manager adds.
void PlaceInsideScreen(QWidget *window, const QWidget *over);

} // namespace mainwindow
