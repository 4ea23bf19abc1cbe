#include "documents/drawingregion.h"

#include <QStringList>

namespace documents {

QRectF TemplateRegion(const office::Document &doc, const QString &name)
{
    const QStringList parts = doc.Variables(name).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return {};
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok); // QString::toDouble reads "." whatever the locale
        if (!ok)
            return {};
    }
    return QRectF(v[0], v[1], v[2], v[3]);
}

bool DrawingFitsTemplate(office::Document &doc, const QRectF &extent, const char *regionName)
{
    const QRectF region = TemplateRegion(doc, QString::fromLatin1(regionName));
    if (region.isEmpty())
        return true;
    if (!region.contains(extent))
        return false;
    const QString arrow = QString::fromLatin1(NorthArrowShape);
    return !doc.HasShape(arrow) || !doc.Shapes(arrow).Bounds().intersects(extent);
}

} // namespace documents
