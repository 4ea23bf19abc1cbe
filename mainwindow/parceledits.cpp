#include "mainwindow/parceledits.h"

#include "common/error.h"
#include "common/numbers.h"

#include <cmath>

namespace mainwindow {

std::optional<int16_t> Int16Value(const QString &text)
{
    try {
        return zova::RoundToInt16(zova::LeadingNumber(text));
    } catch (const zova::Error &) {
        return std::nullopt;
    }
}

QString NormalisedLandUseCode(const QString &cn)
{
    const QString t = cn.trimmed();
    if (t.size() <= 2 || t.contains(QLatin1Char(',')))
        return cn;
    double category = zova::LeadingNumber(t.left(2));
    if (category == 0)
        category = 5;
    // Two characters hold at most a two-digit number; a fraction ("1." or ".5") is rounded as
    // the number format rounds, halves away from zero.
    const long long whole = std::llround(category);
    const QString digits = QStringLiteral("%1").arg(std::llabs(whole), 2, 10, QLatin1Char('0'));
    return (whole < 0 ? QStringLiteral("-") : QString()) + digits + QLatin1Char(',') + t.mid(2);
}

namespace {

/// The quarter a leading part of a parcel number gives: digits only (blanks around allowed) and
/// no more than a quarter holds.
std::optional<int16_t> QuarterOf(const QString &lead)
{
    const QString t = lead.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok || value > 32767)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

} // namespace

NumberSplit SplitLongNumbers(model::ParcelList &parcels)
{
    NumberSplit result;
    for (int i = 1; i <= parcels.UBound(); ++i) {
        model::Parcel &p = parcels[i];
        if (p.Number.size() <= 4)
            continue;
        const std::optional<int16_t> kv = QuarterOf(p.Number.left(p.Number.size() - 4));
        if (!kv) {
            result.refused << QStringLiteral("%1 (ділянка %2)").arg(p.Number).arg(i);
            continue;
        }
        p.KV = *kv;
        p.Number = p.Number.right(4);
        result.split << i;
    }
    return result;
}

namespace {

template <typename F>
bool forEachPoint(model::ParcelList &parcels, F &&f)
{
    for (model::Parcel &p : parcels) {
        for (model::BoundaryPoint &b : p.Points)
            if (!f(b))
                return false;
        for (model::LandUseArea &a : p.LandUses)
            for (model::BoundaryPoint &b : a.Points)
                if (!f(b))
                    return false;
    }
    return true;
}

} // namespace

void ShiftAllPoints(model::ParcelList &parcels, bool xAxis, double delta)
{
    double model::BoundaryPoint::*coord = xAxis ? &model::BoundaryPoint::X : &model::BoundaryPoint::Y;
    // First look whether every point can move, then move them: a shift never stops half-way.
    const bool fits = forEachPoint(parcels, [&](model::BoundaryPoint &b) { return std::isfinite(b.*coord + delta); });
    if (!fits)
        throw zova::Error(QStringLiteral("Переповнення: координата після зсуву виходить за межі чисел"));
    forEachPoint(parcels, [&](model::BoundaryPoint &b) {
        b.*coord += delta;
        return true;
    });
}

} // namespace mainwindow
