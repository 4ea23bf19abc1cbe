// The parcels of several exchange files read as one.

#include "model/batchimport.h"

#include "common/error.h"
#include "model/exchangeformat.h"

#include <vector>

namespace model {

namespace {

class In4BatchParser {
public:
    explicit In4BatchParser(BatchResult &result) : m_r(result) {}

    void run(const zova::OneBased<QString> &lines)
    {
        for (int i = 1; i <= lines.UBound(); ++i) {
            m_line = i;
            try {
                line(lines[i]);
            } catch (const zova::Error &e) {
                throw zova::Error(e.message(), QString(), i);
            }
        }
        RunAreaPhase(m_r.Parcels);
        // Told as the exchange reader tells them: by the line that opened the parcel or the area.
        CheckAreasComputed(m_r.Parcels, [this](int parcel, int landUse) {
            return landUse == 0 ? m_parcelLines[size_t(parcel)] : m_landUseLines[size_t(parcel)][size_t(landUse)];
        });
        m_r.StatusText = QStringLiteral("Ділянок: %1; Угідь: %2; Пікетів: %3")
                             .arg(m_r.ParcelCount)
                             .arg(m_r.LandUseCount)
                             .arg(m_r.PointCount);
    }

private:
    enum class Target { Nowhere, ParcelRing, LandUse };

    // Element 0 takes the keys that come before the first parcel; it has no rings of its own to
    // take land-use areas or points.
    Parcel &parcel() { return m_r.Parcels[m_parcel]; }
    void needParcel(const char *what) const
    {
        if (m_parcel == 0)
            throw zova::Error(QStringLiteral("%1 стоїть перед першою ділянкою").arg(QString::fromUtf8(what)));
    }

    void line(const QString &text)
    {
        switch (LineKey(text)) {
        case KeyCode('N', '='): point(text); break;
        case KeyCode('S', 'D'): m_zone = KeyNumber(QuotedValue(text)); break;
        case KeyCode('S', 'R'):
        case KeyCode('S', 'C'):
            m_newParcel = true;
            m_pendingNumber = QuotedValue(text);
            break;
        case KeyCode('N', 'B'):
            m_newParcel = false;
            openParcel();
            parcel().Number = QStringLiteral("sm") + QString::number(m_r.ParcelCount);
            break;
        case KeyCode('N', 'M'):
            if (m_newParcel) {
                openParcel();
                parcel().Number = m_pendingNumber;
            } else {
                // The owner's name of the neighbour's record just opened.
                m_target = Target::ParcelRing;
                m_newParcel = true;
            }
            parcel().NM = QuotedValue(text);
            break;
        case KeyCode('A', 'D'): parcel().AD = QuotedValue(text); break;
        case KeyCode('A', 'U'): parcel().AU = QuotedValue(text); break;
        case KeyCode('K', 'Z'): parcel().KZ = TrimBlanks(QuotedValue(text)); break;
        case KeyCode('P', 'Z'): parcel().PZ = QuotedValue(text); break;
        case KeyCode('K', 'F'):
        case KeyCode('K', 'U'): parcel().KF = TrimBlanks(QuotedValue(text)); break;
        case KeyCode('P', 'P'): parcel().PP = QuotedValue(text); break;
        case KeyCode('Z', 'N'): parcel().ZN = KeyNumber(QuotedValue(text)); break;
        case KeyCode('K', 'V'): parcel().KV = KeyNumber(QuotedValue(text)); break;
        case KeyCode('C', 'N'): {
            needParcel("Угіддя");
            m_target = Target::LandUse;
            ++m_r.LandUseCount;
            LandUseArea area;
            area.CN = QuotedValue(text);
            m_landUse = parcel().LandUses.Add(std::move(area));
            m_landUseLines[size_t(m_parcel)].push_back(m_line);
            break;
        }
        default: break;
        }
    }

    void openParcel()
    {
        ++m_r.ParcelCount;
        m_parcel = CreateParcel(m_r.Parcels);
        m_parcelLines.push_back(m_line);
        m_landUseLines.emplace_back(1, 0);
        parcel().ZN = m_zone;
        m_target = Target::ParcelRing;
    }

    void point(const QString &text)
    {
        ++m_r.PointCount;
        if (m_target == Target::Nowhere)
            return;
        needParcel("Пікет");
        BoundaryPoint p = ReadPointLine(text);
        Ring &ring = m_target == Target::ParcelRing ? parcel().Points : parcel().LandUses[m_landUse].Points;
        p.Index = ring.UBound() + 1;
        ring.Add(std::move(p));
    }

    BatchResult &m_r;
    int m_line = 0;
    int m_parcel = 0;
    // Per parcel, the line that opened it, and per land-use area of it the line of its CN.
    std::vector<int> m_parcelLines{0};
    std::vector<std::vector<int>> m_landUseLines{{0}};
    int m_landUse = 0;
    Target m_target = Target::Nowhere;
    bool m_newParcel = false;
    int16_t m_zone = 0;
    QString m_pendingNumber;
};

} // namespace

BatchResult ParseIn4Batch(const zova::OneBased<QString> &lines)
{
    BatchResult r;
    In4BatchParser(r).run(lines);
    return r;
}

} // namespace model
