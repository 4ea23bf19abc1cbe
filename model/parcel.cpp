#include "model/parcel.h"

#include "common/error.h"

#include <algorithm>
#include <cmath>

namespace model {

int CreateParcel(ParcelList &parcels)
{
    return parcels.Add(Parcel());
}

double PolygonArea(const Ring &ring)
{
    const int k = ring.UBound();
    if (k < 1)
        return 0;
    double sum = 0;
    for (int i = 1; i < k; ++i) {
        const BoundaryPoint &a = ring[i];
        const BoundaryPoint &b = ring[i + 1];
        sum += (b.X - a.X) * (b.Y + a.Y) / 2;
    }
    const BoundaryPoint &first = ring[1];
    const BoundaryPoint &last = ring[k];
    sum += (first.X - last.X) * (last.Y + first.Y) / 2;
    return sum;
}

double NormaliseRing(Ring &ring)
{
    const double area = PolygonArea(ring);
    if (area > 0) {
        // Only the names and coordinates move: Index keeps telling the position as read.
        const int k = ring.UBound();
        for (int i = 1, j = k; i < j; ++i, --j) {
            BoundaryPoint &a = ring[i];
            BoundaryPoint &b = ring[j];
            std::swap(a.NP, b.NP);
            std::swap(a.X, b.X);
            std::swap(a.Y, b.Y);
        }
        // The area is the reversed ring's, so that a ring read back clockwise gets the very same
        // value. Its sum, taken in the other order, can round to the other sign for wild
        // coordinates; then the first sum stands.
        const double reversed = -PolygonArea(ring);
        return reversed > 0 ? reversed : area;
    }
    return area == 0 ? 0.0 : -area; // never a negative zero
}

void RunAreaPhase(ParcelList &parcels, platform::ProgressSink *progress)
{
    const int n = parcels.UBound();
    // A progress bar shows no more than a few hundred steps; telling it every parcel of a
    // large file would cost more than the areas themselves.
    const int step = std::max(1, n / 500);
    for (int i = 1; i <= n; ++i) {
        if (progress && (i % step == 0 || i == n))
            progress->setValue(i);
        Parcel &parcel = parcels[i];
        parcel.Area = NormaliseRing(parcel.Points);
        for (LandUseArea &landUse : parcel.LandUses)
            landUse.Area = NormaliseRing(landUse.Points);
    }
}

void CheckAreasComputed(const ParcelList &parcels, const std::function<int(int parcel, int landUse)> &lineOf)
{
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const Parcel &p = parcels[i];
        if (!std::isfinite(p.Area))
            throw zova::Error(QStringLiteral("Площа ділянки %1 не обчислюється: координати завеликі").arg(i),
                              QString(), lineOf(i, 0));
        for (int j = 1; j <= p.LandUses.UBound(); ++j)
            if (!std::isfinite(p.LandUses[j].Area))
                throw zova::Error(QStringLiteral("Площа угіддя %1 ділянки %2 не обчислюється: координати завеликі")
                                      .arg(j)
                                      .arg(i),
                                  QString(), lineOf(i, j));
    }
}

namespace {

void checkRing(const Ring &ring, const QString &where)
{
    for (int k = 1; k <= ring.UBound(); ++k)
        if (!std::isfinite(ring[k].X) || !std::isfinite(ring[k].Y))
            throw zova::Error(QStringLiteral("%1, пікет %2: координата не є скінченним числом; "
                                             "виправте її перед записом")
                                  .arg(where)
                                  .arg(k));
}

} // namespace

void CheckFinite(const Parcel &parcel, int index, bool areas)
{
    const QString where = QStringLiteral("Ділянка %1").arg(index);
    if (areas && !std::isfinite(parcel.Area))
        throw zova::Error(where + QStringLiteral(": площа не є скінченним числом"));
    checkRing(parcel.Points, where);
    for (int j = 1; j <= parcel.LandUses.UBound(); ++j) {
        const QString area = where + QStringLiteral(", угіддя %1").arg(j);
        if (areas && !std::isfinite(parcel.LandUses[j].Area))
            throw zova::Error(area + QStringLiteral(": площа не є скінченним числом"));
        checkRing(parcel.LandUses[j].Points, area);
    }
}

} // namespace model
