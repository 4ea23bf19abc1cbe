#pragma once

#include <QPoint>
#include <QWidget>

namespace mainwindow {

/// A straight line laid over its parent widget, from (X1, Y1) to (X2, Y2) in the parent's pixels.
/// It covers the whole parent, follows its size and lets every mouse event through to it.
class GuideLine : public QWidget {
public:
    explicit GuideLine(QWidget *parent);

    QPoint first() const { return m_first; }
    QPoint second() const { return m_second; }
    void setFirst(QPoint p);
    void setSecond(QPoint p);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint m_first;
    QPoint m_second;
};

} // namespace mainwindow
