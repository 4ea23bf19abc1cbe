#include "mainwindow/treeimages.h"

#include "common/numbers.h"

#include <QHash>

namespace mainwindow {

namespace {

QIcon resourceIcon(const QString &name)
{
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QIcon(QStringLiteral(":/frmMain/%1.png").arg(name)));
    return *it;
}

} // namespace

QIcon TreeIcon(int position)
{
    switch (position) {
    case 1: case 2: case 4: case 5: case 6: case 8: case 9: case 10: case 11: case 12: case 13:
    case 14: case 15: case 16: case 17:
        return resourceIcon(QStringLiteral("tree%1").arg(position, 2, 10, QLatin1Char('0')));
    default:
        return QIcon();
    }
}

QIcon PointIcon()
{
    return resourceIcon(QStringLiteral("point"));
}

QPixmap AnimationFrame(int frame)
{
    return QPixmap(QStringLiteral(":/frmMain/frame%1.png").arg(frame, 2, 10, QLatin1Char('0')));
}

QIcon SplitIcon(int position)
{
    return resourceIcon(position == 1 ? QStringLiteral("split_on") : QStringLiteral("split_off"));
}

int RowIcon(const QString &kz)
{
    const double row = zova::LeadingNumber(kz);
    if (row == 21)
        return ImgRow21;
    if (row == 22)
        return ImgRow22;
    return ImgParcel;
}

} // namespace mainwindow
