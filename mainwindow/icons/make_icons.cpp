// Draws the main window's pictures into PNG files beside this source. Run it after changing a
// picture (target zova_make_icons, not built by default); the PNGs are kept in the repository and
// compiled into the program as a Qt resource.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <functional>

namespace {

QString outDir;

// Every picture is drawn in a 16 x 16 unit space and scaled to its size.
void make(const QString &name, int size, const std::function<void(QPainter &)> &draw)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    p.end();
    img.save(QDir(outDir).filePath(name + QStringLiteral(".png")));
}

QPen pen(const QColor &c, double w = 1.0) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

const QColor ink(40, 48, 60);
const QColor blue(52, 110, 190);
const QColor green(60, 150, 70);
const QColor red(200, 60, 50);
const QColor yellow(235, 190, 60);
const QColor paper(250, 250, 245);

void parcelShape(QPainter &p, const QColor &fill)
{
    p.setPen(pen(ink));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({{2, 4}, {11, 2}, {14, 9}, {8, 14}, {2, 11}}));
}

void documentShape(QPainter &p)
{
    p.setPen(pen(ink));
    p.setBrush(paper);
    p.drawPolygon(QPolygonF({{3, 1.5}, {10, 1.5}, {13, 4.5}, {13, 14.5}, {3, 14.5}}));
    p.drawPolyline(QPolygonF({{10, 1.5}, {10, 4.5}, {13, 4.5}}));
}

void lines(QPainter &p, double x1, double x2, std::initializer_list<double> ys)
{
    p.setPen(pen(QColor(120, 130, 140), 0.8));
    for (double y : ys)
        p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void house(QPainter &p, double x, double y, double s, const QColor &wall)
{
    p.setPen(pen(ink));
    p.setBrush(wall);
    p.drawRect(QRectF(x, y + s * 0.45, s, s * 0.55));
    p.setBrush(red);
    p.drawPolygon(QPolygonF({{x - s * 0.15, y + s * 0.5}, {x + s / 2, y}, {x + s * 1.15, y + s * 0.5}}));
}

void arrow(QPainter &p, double angleDeg)
{
    p.translate(8, 8);
    p.rotate(angleDeg);
    p.setPen(pen(ink));
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({{0, -6.5}, {5.5, -0.5}, {2, -0.5}, {2, 6}, {-2, 6}, {-2, -0.5}, {-5.5, -0.5}}));
}

void treeImages()
{
    // 1 an ordinary parcel
    make("tree01", 16, [](QPainter &p) { parcelShape(p, QColor(142, 193, 241)); });
    // 2 a land-use area
    make("tree02", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(97, 233, 196));
        p.drawPolygon(QPolygonF({{3, 3}, {13, 5}, {12, 13}, {4, 12}}));
        p.setPen(pen(green, 0.8));
        p.drawLine(QPointF(5, 10), QPointF(10, 6));
        p.drawLine(QPointF(6, 12), QPointF(12, 8));
    });
    // 3 the grounds for granting in the tree of a batch import: a plain document
    make("tree03", 16, [](QPainter &p) {
        documentShape(p);
        lines(p, 5, 11, {6, 8, 10, 12});
    });
    // 4 the parcel's address
    make("tree04", 16, [](QPainter &p) { house(p, 3, 2, 10, yellow); });
    // 5 the parcel number
    make("tree05", 16, [](QPainter &p) {
        p.setPen(pen(ink, 1.3));
        p.drawLine(QPointF(6, 2), QPointF(5, 14));
        p.drawLine(QPointF(11, 2), QPointF(10, 14));
        p.drawLine(QPointF(2.5, 6), QPointF(13.5, 6));
        p.drawLine(QPointF(2, 10.5), QPointF(13, 10.5));
    });
    // 6 the identifier of the second parcel: a chain link
    make("tree06", 16, [](QPainter &p) {
        p.setPen(pen(blue, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 5, 8, 6), 3, 3);
        p.drawRoundedRect(QRectF(6.5, 5, 8, 6), 3, 3);
    });
    // 7 the owner's address in the tree of a batch import: an envelope with a stamp
    make("tree07", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(255, 244, 214));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.drawPolyline(QPolygonF({{1.5, 3.5}, {8, 9}, {14.5, 3.5}}));
        p.setBrush(blue);
        p.drawRect(QRectF(11, 5, 2.5, 2.5));
    });
    // 8 land of joint ownership: two owners on a parcel
    make("tree08", 16, [](QPainter &p) {
        parcelShape(p, QColor(250, 210, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(6, 6.5), 1.5, 1.5);
        p.drawEllipse(QPointF(10, 6.5), 1.5, 1.5);
        p.drawPie(QRectF(3.5, 8.5, 5, 5), 0, 180 * 16);
        p.drawPie(QRectF(7.5, 8.5, 5, 5), 0, 180 * 16);
    });
    // 9 a second parcel: two parcels side by side
    make("tree09", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(142, 193, 241));
        p.drawRect(QRectF(1.5, 2.5, 7, 7));
        p.setBrush(QColor(190, 160, 230));
        p.drawRect(QRectF(7.5, 6.5, 7, 7));
    });
    // 10 the row of form 6-zem: a small table
    make("tree10", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(255, 230, 120));
        p.drawRect(QRectF(1.5, 6.5, 13, 3.5));
        p.drawLine(QPointF(6, 2.5), QPointF(6, 13.5));
    });
    // 11 the owner's address: an envelope
    make("tree11", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.drawPolyline(QPolygonF({{1.5, 3.5}, {8, 9}, {14.5, 3.5}}));
    });
    // 12 the identification number: a card with digits
    make("tree12", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(220, 235, 250));
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.5, 1.5);
        p.setPen(pen(blue, 1.2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(3.5 + i * 2.8, 6.5), QPointF(3.5 + i * 2.8, 9.5));
    });
    // 13 the identity document: a passport
    make("tree13", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(60, 90, 150));
        p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1, 1);
        p.setPen(pen(yellow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 7), 2.2, 2.2);
        p.drawLine(QPointF(5.5, 11.5), QPointF(10.5, 11.5));
    });
    // 14 the grounds for granting: a document with a seal
    make("tree14", 16, [](QPainter &p) {
        documentShape(p);
        lines(p, 5, 11, {6, 8, 10});
        p.setPen(pen(red));
        p.setBrush(QColor(240, 120, 110));
        p.drawEllipse(QPointF(10.5, 12), 2, 2);
    });
    // 15 a parcel of row 22: a dwelling house on its parcel
    make("tree15", 16, [](QPainter &p) {
        parcelShape(p, QColor(142, 193, 241));
        house(p, 5, 4, 6, paper);
    });
    // 16 a parcel of row 21: personal peasant farming, a field with rows of crops
    make("tree16", 16, [](QPainter &p) {
        parcelShape(p, QColor(200, 230, 140));
        p.setPen(pen(green, 1.1));
        p.drawLine(QPointF(4, 10), QPointF(9, 4));
        p.drawLine(QPointF(6, 12), QPointF(12, 5));
    });
    // 17 the parcel's own KOATUU: a map pin
    make("tree17", 16, [](QPainter &p) {
        QPainterPath pin;
        pin.moveTo(8, 15);
        pin.cubicTo(4, 10, 3, 8, 3, 6);
        pin.arcTo(QRectF(3, 1, 10, 10), 180, -180);
        pin.cubicTo(13, 8, 12, 10, 8, 15);
        p.setPen(pen(ink));
        p.setBrush(red);
        p.drawPath(pin);
        p.setBrush(paper);
        p.drawEllipse(QPointF(8, 6), 2, 2);
    });
    // the coordinate list's point marker
    make("point", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(8, 8), 1, 1);
    });
}

void toolbarImages()
{
    const int s = 24;
    make("tb_open", s, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(yellow);
        p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {15, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
    });
    make("tb_terra", s, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(190, 225, 170));
        p.drawPolygon(QPolygonF({{1.5, 3}, {5.5, 1.5}, {10.5, 3}, {14.5, 1.5}, {14.5, 13}, {10.5, 14.5}, {5.5, 13}, {1.5, 14.5}}));
        p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 13));
        p.drawLine(QPointF(10.5, 3), QPointF(10.5, 14.5));
        p.setBrush(red);
        p.drawEllipse(QPointF(8, 7.5), 1.8, 1.8);
    });
    make("tb_stamp", s, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 8.5, 13, 6));
        p.drawLine(QPointF(6, 8.5), QPointF(6, 14.5));
        p.drawLine(QPointF(1.5, 11.5), QPointF(14.5, 11.5));
        p.setBrush(QColor(160, 100, 60));
        p.drawRect(QRectF(6.5, 1.5, 3, 4));
        p.drawRoundedRect(QRectF(4, 5.5, 8, 2.5), 1, 1);
    });
    make("tb_exit", s, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(200, 170, 130));
        p.drawRect(QRectF(2.5, 1.5, 8, 13));
        p.setPen(pen(red, 1.6));
        p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
        p.drawPolyline(QPolygonF({{12, 5.5}, {14.5, 8}, {12, 10.5}}));
    });
    make("tb_go", s, [](QPainter &p) {
        documentShape(p);
        p.setPen(pen(ink, 0.8));
        p.setBrush(QColor(142, 193, 241));
        p.drawPolygon(QPolygonF({{5, 6}, {10, 5}, {11.5, 9.5}, {7.5, 12.5}, {4.5, 10.5}}));
    });
    make("tb_kat", s, [](QPainter &p) {
        documentShape(p);
        p.setPen(pen(ink, 0.7));
        for (double y : {5.5, 8.0, 10.5, 13.0})
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        p.drawLine(QPointF(6.5, 4), QPointF(6.5, 13.5));
        p.drawLine(QPointF(9.5, 4), QPointF(9.5, 13.5));
    });
    make("tb_sel", s, [](QPainter &p) {
        for (int i = 0; i < 3; ++i) {
            const double y = 1.5 + i * 5;
            p.setPen(pen(ink));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, y, 4, 4));
            p.setPen(pen(green, 1.3));
            p.drawPolyline(QPolygonF({{2.3, y + 2}, {3.4, y + 3.2}, {5.2, y + 0.6}}));
            p.setPen(pen(QColor(120, 130, 140), 1));
            p.drawLine(QPointF(7.5, y + 2), QPointF(14.5, y + 2));
        }
    });
    const auto disk = [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(blue);
        p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 7, 4.5));
        p.setBrush(QColor(220, 225, 235));
        p.drawRect(QRectF(3.5, 8.5, 9, 6));
    };
    make("tb_save", s, disk);
    make("tb_savechk", s, [disk](QPainter &p) {
        disk(p);
        p.setPen(pen(green, 1.8));
        p.drawPolyline(QPolygonF({{5, 11.5}, {7.3, 13.5}, {11.5, 9}}));
    });
    make("tb_change", s, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 5.5, 9, 9));
        lines(p, 3, 9, {8, 10.5, 13});
        p.translate(10, 6);
        p.rotate(45);
        p.setPen(pen(ink));
        p.setBrush(yellow);
        p.drawRect(QRectF(-1.5, -6, 3, 9));
        p.setBrush(red);
        p.drawRect(QRectF(-1.5, -7.5, 3, 1.5));
    });
}

void otherImages()
{
    // Status bar animation: a globe with a satellite that circles it once in twelve frames.
    for (int f = 1; f <= 12; ++f) {
        make(QStringLiteral("frame%1").arg(f, 2, 10, QLatin1Char('0')), 16, [f](QPainter &p) {
            p.setPen(pen(ink, 0.8));
            p.setBrush(QColor(120, 180, 235));
            p.drawEllipse(QPointF(8, 8), 5, 5);
            p.setPen(pen(green, 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(8, 8), 2, 5);
            p.drawLine(QPointF(3, 8), QPointF(13, 8));
            const double a = (f - 1) * 2 * M_PI / 12;
            p.setPen(pen(ink, 0.6));
            p.setBrush(yellow);
            p.drawEllipse(QPointF(8 + 6.5 * std::sin(a), 8 - 6.5 * std::cos(a)), 1.6, 1.6);
        });
    }
    // The guide-line button: 1 the mode is on, 2 it is off.
    make("split_on", 16, [](QPainter &p) {
        p.setPen(pen(red, 1.6));
        p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
        p.setBrush(red);
        p.drawEllipse(QPointF(2.5, 13.5), 1.5, 1.5);
    });
    make("split_off", 16, [](QPainter &p) {
        QPen dashed = pen(QColor(130, 130, 130), 1.2);
        dashed.setDashPattern({2, 2});
        p.setPen(dashed);
        p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    });
    // Coordinate shift: X is the northing (up), Y the easting (right).
    make("shift_xplus", 16, [](QPainter &p) { arrow(p, 0); });
    make("shift_xminus", 16, [](QPainter &p) { arrow(p, 180); });
    make("shift_yplus", 16, [](QPainter &p) { arrow(p, 90); });
    make("shift_yminus", 16, [](QPainter &p) { arrow(p, 270); });
    make("add", 16, [](QPainter &p) {
        p.setPen(pen(green, 2.4));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    });
    make("edit", 16, [](QPainter &p) {
        p.translate(8, 8);
        p.rotate(45);
        p.setPen(pen(ink));
        p.setBrush(yellow);
        p.drawRect(QRectF(-2, -6.5, 4, 10));
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({{-2, 3.5}, {2, 3.5}, {0, 7}}));
    });
    make("map", 16, [](QPainter &p) {
        p.setPen(pen(ink));
        p.setBrush(QColor(142, 193, 241));
        p.drawRect(QRectF(1.5, 1.5, 6, 6));
        p.drawRect(QRectF(8.5, 1.5, 6, 6));
        p.setBrush(QColor(97, 233, 196));
        p.drawRect(QRectF(1.5, 8.5, 13, 6));
    });
    make("zova", 32, [](QPainter &p) {
        p.setPen(pen(ink, 0.8));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
        parcelShape(p, QColor(142, 193, 241));
        p.setBrush(QColor(97, 233, 196));
        p.drawPolygon(QPolygonF({{8, 5}, {11, 4}, {12.5, 8.5}, {9, 10}}));
    });
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZOVA_ICON_DIR);
    QDir().mkpath(outDir);
    treeImages();
    toolbarImages();
    otherImages();
    return 0;
}
