#include "mainwindow/frmMatrix.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

frmMatrix::frmMatrix(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMatrix"));
    setWindowTitle(QStringLiteral("The Matrix"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(Picture());
    layout->addWidget(picture);
    setFixedSize(sizeHint());
}

QPixmap frmMatrix::Picture()
{
    constexpr int columns = 24;
    constexpr int rows = 18;
    constexpr int cell = 16;
    QPixmap pixmap(columns * cell, rows * cell);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(cell - 2);
    painter.setFont(font);
    const QString glyphs = QStringLiteral("0123456789ЗЕМОГРАФзова:;=+*<>");
    // A fixed pattern: each column has a bright head and a trail that fades above it.
    for (int c = 0; c < columns; ++c) {
        const int head = (c * 7 + 5) % rows;
        const int length = 4 + (c * 5) % 9;
        for (int k = 0; k < length; ++k) {
            const int r = head - k;
            if (r < 0)
                break;
            const int green = k == 0 ? 255 : 220 - k * 180 / length;
            painter.setPen(k == 0 ? QColor(200, 255, 200) : QColor(0, green, 40));
            const QChar ch = glyphs.at((c * 31 + r * 17) % glyphs.size());
            painter.drawText(QRect(c * cell, r * cell, cell, cell), Qt::AlignCenter, QString(ch));
        }
    }
    return pixmap;
}

void frmMatrix::mouseDoubleClickEvent(QMouseEvent *)
{
    accept();
}
