#include "mainwindow/treeimages.h"

#include "common/numbers.h"

#include <QHash>
#include <array>

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
    // Looked up once per position: the tree asks for a picture for every node it builds.
    static const std::array<QIcon, 18> icons = [] {
        std::array<QIcon, 18> list;
        for (int i = 1; i <= 17; ++i)
            list[i] = resourceIcon(QStringLiteral("tree%1").arg(i, 2, 10, QLatin1Char('0')));
        return list;
    }();
    return position >= 0 && position < int(icons.size()) ? icons[position] : QIcon();
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
