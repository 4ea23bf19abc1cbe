#include "mainwindow/bulkvalues.h"

#include "common/error.h"
#include "common/numbers.h"
#include "mainwindow/parceledits.h"

namespace mainwindow {

QStringList ValueKeyNames()
{
    return {QStringLiteral("AD"), QStringLiteral("AU"), QStringLiteral("PZ"), QStringLiteral("CN"),
            QStringLiteral("KZ"), QStringLiteral("KV"), QStringLiteral("ZN"), QStringLiteral("DB"),
            QStringLiteral("KF"), QStringLiteral("DS")};
}

namespace {

/// The text field of a key; nullptr for a key without one. P is Parcel or const Parcel.
template <typename P>
auto textField(P &p, int key) -> decltype(&p.AD)
{
    switch (key) {
    case KeyAD: return &p.AD;
    case KeyAU: return &p.AU;
    case KeyPZ: return &p.PZ;
    case KeyKZ: return &p.KZ;
    case KeyKF: return &p.KF;
    case KeyDS: return &p.ParcelKoatuu;
    default: return nullptr;
    }
}

QChar nodeLetterOf(int key)
{
    switch (key) {
    case KeyAD: return QLatin1Char('d');
    case KeyAU: return QLatin1Char('a');
    case KeyPZ: return QLatin1Char('r');
    case KeyCN: return QLatin1Char('u');
    case KeyKZ: return QLatin1Char('z');
    default: return QChar();
    }
}

void addWholeParcelArea(model::Parcel &p, const QString &code)
{
    model::LandUseArea area;
    area.CN = code;
    area.Area = p.Area;
    area.Points.Reserve(p.Points.UBound());
    for (const model::BoundaryPoint &b : p.Points)
        area.Points.Add(b);
    p.LandUses.Add(std::move(area));
}

} // namespace

Assignment AssignValue(model::ParcelList &parcels, int key, const QString &v, bool addLandUse)
{
    Assignment result;
    const int n = parcels.UBound();
    switch (key) {
    case KeyAD:
    case KeyAU:
    case KeyPZ:
    case KeyKZ:
        for (int i = 1; i <= n; ++i)
            *textField(parcels[i], key) = v;
        result.nodeLetter = nodeLetterOf(key);
        break;
    case KeyKV:
    case KeyZN: {
        // The value is checked once, before any parcel is written.
        int16_t value = 0;
        if (!v.trimmed().isEmpty()) {
            const std::optional<int16_t> checked = Int16Value(v);
            if (!checked)
                throw zova::Error(QStringLiteral("Значення %1 не вміщується у %2: можна від -32768 до 32767.")
                                      .arg(v, key == KeyKV ? QStringLiteral("квартал") : QStringLiteral("зону")));
            value = *checked;
        }
        for (int i = 1; i <= n; ++i)
            (key == KeyKV ? parcels[i].KV : parcels[i].ZN) = value;
        break;
    }
    case KeyCN:
        if (addLandUse) {
            for (int i = 1; i <= n; ++i) {
                addWholeParcelArea(parcels[i], v);
                result.grown << i;
            }
        } else {
            for (int i = 1; i <= n; ++i)
                for (model::LandUseArea &a : parcels[i].LandUses)
                    a.CN = v;
            result.nodeLetter = nodeLetterOf(key);
        }
        break;
    default:
        return result; // DB, KF, DS: nothing to write
    }
    result.changed = n >= 1;
    return result;
}

QList<int> ParcelsMatching(const model::ParcelList &parcels, int key, const QString &v)
{
    QList<int> found;
    const int n = parcels.UBound();
    switch (key) {
    case KeyAD:
    case KeyPZ:
    case KeyKZ:
    case KeyKF:
    case KeyDS:
        for (int i = 1; i <= n; ++i)
            if (*textField(parcels[i], key) == v)
                found << i;
        break;
    case KeyCN:
        for (int i = 1; i <= n; ++i)
            for (const model::LandUseArea &a : parcels[i].LandUses)
                if (a.CN == v) {
                    found << i;
                    break;
                }
        break;
    case KeyDB: {
        if (v.isEmpty())
            break;
        const QChar op = v.front();
        const double w = zova::LeadingNumber(v.mid(1));
        for (int i = 1; i <= n; ++i) {
            const double d = zova::LeadingNumber(parcels[i].DB);
            if ((op == QLatin1Char('>') && d > w) || (op == QLatin1Char('<') && d < w)
                || (op == QLatin1Char('=') && d == w))
                found << i;
        }
        break;
    }
    default:
        break; // AU, KV, ZN select nothing
    }
    return found;
}

} // namespace mainwindow
