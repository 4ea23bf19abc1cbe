#include "documents/placement.h"

#include "common/error.h"
#include "common/numbers.h"
#include "documents/state.h"

#include <algorithm>
#include <cmath>

namespace documents {

UnplaceableDrawing::UnplaceableDrawing(const QString &reason)
    : zova::Error(QStringLiteral("Креслення ділянки не можна розмістити на аркуші: ") + reason), m_reason(reason)
{
}

UnplaceableDrawing::UnplaceableDrawing(const QString &whose, const UnplaceableDrawing &of)
    : zova::Error(QStringLiteral("Креслення %1 не можна розмістити на аркуші: %2").arg(whose, of.reason())),
      m_reason(of.reason())
{
}

uint8_t Quadrant(double dx, double dy)
{
    if (dx > 0 && dy > 0)
        return 1;
    if (dx < 0 && dy > 0)
        return 2;
    if (dx > 0 && dy < 0)
        return 4;
    return 3;
}

int32_t AutoScaleFor(double extent)
{
    static const struct {
        double above;
        int32_t scale;
    } steps[] = {{750, 25000}, {300, 10000}, {150, 5000}, {75, 2000}, {30, 1000},
                 {25, 500},    {15, 300},    {5, 200}};
    for (const auto &step : steps) {
        if (extent > step.above)
            return step.scale;
    }
    return 100;
}

int32_t AutoScaleOf(const DocParcel &parcel)
{
    // The extents start from the first vertex, so any coordinates count.
    const zova::OneBased<DocPoint> &points = parcel.Points;
    if (points.UBound() < 1)
        return AutoScaleFor(0);
    double minX = points[1].X, maxX = minX, minY = points[1].Y, maxY = minY;
    for (const DocPoint &p : points) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    return AutoScaleFor(std::max(maxX - minX, maxY - minY));
}

void PlaceParcel(DocParcel &parcel, double centreX, double centreY, int32_t &scale, bool autoScale)
{
    zova::OneBased<DocPoint> &points = parcel.Points;
    const int n = points.UBound();
    if (n < 1)
        throw zova::Error(QStringLiteral("Ділянка не має точок межі, її не можна накреслити"));

    double sumX = 0, sumY = 0;
    for (const DocPoint &p : points) {
        sumX += p.X;
        sumY += p.Y;
    }
    const double meanX = sumX / n;
    const double meanY = sumY / n;

    if (autoScale)
        scale = AutoScaleOf(parcel);
    if (scale <= 0)
        throw zova::Error(QStringLiteral("Масштаб має бути більшим за нуль"));
    state().DrawScale = scale;
    const double k = scale / 100.0;

    const auto pageX = [&](double y) { return centreX - CmToPoints((meanY - y) / k); };
    const auto pageY = [&](double x) { return centreY - CmToPoints((meanX - x) / k); };

    double minPageY = 0, maxPageY = 0;
    for (int i = 1; i <= n; ++i) {
        DocPoint &p = points[i];
        if (p.HasBranch) {
            const double d = std::hypot(p.Y - p.BranchY, p.X - p.BranchX);
            if (d > 0) {
                p.BranchX = p.X + (p.BranchX - p.X) / d;
                p.BranchY = p.Y + (p.BranchY - p.Y) / d;
                p.BranchPageX = pageX(p.BranchY);
                p.BranchPageY = pageY(p.BranchX);
            } else {
                p.HasBranch = false; // a branch point on its own vertex shows no direction
            }
        }
        p.PageX = pageX(p.Y);
        p.PageY = pageY(p.X);
        if (i == 1 || p.PageY < minPageY)
            minPageY = p.PageY;
        if (i == 1 || p.PageY > maxPageY)
            maxPageY = p.PageY;
    }

    // North up: flip about the middle of the picture's own height.
    const double mid = (maxPageY + minPageY) / 2;
    for (DocPoint &p : points)
        p.PageY = 2 * mid - p.PageY;

    for (DocPoint &p : points) {
        if (!p.HasBranch)
            continue;
        p.BranchPageY = 2 * mid - p.BranchPageY;
        const double dx = p.BranchPageX - p.PageX;
        const double dy = p.BranchPageY - p.PageY;
        const double d = std::hypot(dx, dy);
        p.BranchPageX = p.PageX + StubLength * dx / d;
        p.BranchPageY = p.PageY + StubLength * dy / d;
        p.BranchQuadrant = Quadrant(dx, dy);
    }

    for (DocItem &item : parcel.Items) {
        const int m = item.Points.UBound();
        if (m < 1)
            continue;
        double sumPageX = 0, sumPageY = 0;
        for (DocPoint &p : item.Points) {
            p.PageX = pageX(p.Y);
            p.PageY = 2 * mid - pageY(p.X);
            sumPageX += p.PageX;
            sumPageY += p.PageY;
        }
        item.CentreX = sumPageX / m;
        item.CentreY = sumPageY / m;
    }
}

namespace {

bool onSheet(double x, double y)
{
    return std::abs(x) <= MaxDrawnOffset && std::abs(y) <= MaxDrawnOffset; // false for NaN too
}

bool placed(const DocPoint &p)
{
    return onSheet(p.PageX, p.PageY) && (!p.HasBranch || onSheet(p.BranchPageX, p.BranchPageY));
}

/// A coordinate as the operator typed it, or in powers of ten where it has too many digits.
QString coordinate(double v)
{
    return std::abs(v) < 1e12 ? zova::Format2(v) : QString::number(v, 'g', 6);
}

QString coordinates(const DocPoint &p)
{
    return QStringLiteral("(X %1, Y %2)").arg(coordinate(p.X), coordinate(p.Y));
}

} // namespace

void CheckPlaceable(const DocParcel &parcel, bool landUse)
{
    const zova::OneBased<DocPoint> &points = parcel.Points;
    const int n = points.UBound();
    if (!std::all_of(points.begin(), points.end(), placed)) {
        double sumX = 0, sumY = 0;
        for (const DocPoint &p : points) {
            sumX += p.X;
            sumY += p.Y;
        }
        const double meanX = sumX / n, meanY = sumY / n;
        if (!std::isfinite(meanX) || !std::isfinite(meanY)) {
            // Coordinates whose sum is no number: the largest of them tells which they are.
            int largest = 1;
            for (int i = 2; i <= n; ++i)
                if (std::max(std::abs(points[i].X), std::abs(points[i].Y))
                    > std::max(std::abs(points[largest].X), std::abs(points[largest].Y)))
                    largest = i;
            throw UnplaceableDrawing(QStringLiteral("її координати надто великі для креслення, як у точки %1 %2; перевірте їх")
                                         .arg(largest)
                                         .arg(coordinates(points[largest])));
        }
        int farthest = 1;
        double distance = -1;
        for (int i = 1; i <= n; ++i) {
            const double d = std::hypot(points[i].X - meanX, points[i].Y - meanY);
            if (d > distance) {
                distance = d;
                farthest = i;
            }
        }
        throw UnplaceableDrawing(QStringLiteral("точка %1 %2 лежить надто далеко від інших; перевірте її координати")
                                     .arg(farthest)
                                     .arg(coordinates(points[farthest])));
    }
    if (!landUse)
        return;
    for (int a = 1; a <= parcel.Items.UBound(); ++a) {
        const zova::OneBased<DocPoint> &area = parcel.Items[a].Points;
        for (int k = 1; k <= area.UBound(); ++k)
            if (!onSheet(area[k].PageX, area[k].PageY))
                throw UnplaceableDrawing(QStringLiteral("точка %1 угіддя %2 %3 лежить надто далеко від ділянки; "
                                                        "перевірте її координати")
                                             .arg(k)
                                             .arg(a)
                                             .arg(coordinates(area[k])));
    }
}

void CheckParcelPlaceable(const model::ParcelList &parcels, int32_t index, bool landUse)
{
    DocParcel doc;
    PrepareParcel(doc, parcels, index, QString());
    if (doc.Points.UBound() < 1)
        return;
    // Placing sets the scale of the plan drawn last, which the acts print; no plan is drawn here.
    int32_t &drawScale = state().DrawScale;
    const int32_t drawn = drawScale;
    int32_t scale = 0;
    PlaceParcel(doc, 0, 0, scale, true);
    drawScale = drawn;
    CheckPlaceable(doc, landUse);
}

} // namespace documents
