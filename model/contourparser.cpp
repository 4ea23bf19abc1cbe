// The parcels of contour files and point lists.

#include "model/batchimport.h"

#include "common/error.h"
#include "common/numbers.h"
#include "model/exchangeformat.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace model {

namespace {

// A coordinate as these files write it: an optional sign, digits and an optional fraction after
// ".". Anything else ("X", "12,5", "1e3") is no coordinate, so the line is no point.
bool isCoordinate(QStringView word)
{
    qsizetype i = 0;
    if (i < word.size() && (word[i] == QLatin1Char('-') || word[i] == QLatin1Char('+')))
        ++i;
    int digits = 0;
    bool dot = false;
    for (; i < word.size(); ++i) {
        const QChar c = word[i];
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            ++digits;
        else if (c == QLatin1Char('.') && !dot)
            dot = true;
        else
            return false;
    }
    return digits > 0;
}

// The point of a file line: a name, X and Y; or a name, a code, X, Y and up to three more words.
// False when the line holds no point.
bool readPoint(QStringView line, BoundaryPoint &p)
{
    QList<QStringView> words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype w = words.size();
    if (w < 3 || w > 7)
        return false;
    const QStringView x = w == 3 ? words[1] : words[2];
    const QStringView y = w == 3 ? words[2] : words[3];
    if (!isCoordinate(x) || !isCoordinate(y))
        return false;
    p.NP = words[0].toString();
    p.X = DecimalValue(x);
    p.Y = DecimalValue(y);
    return true;
}

} // namespace

BatchResult ParseContourLines(const zova::OneBased<QString> &lines)
{
    BatchResult r;
    int current = 0;
    // Per parcel, the line of its point farthest from the origin and that distance (the larger
    // coordinate): the line an area too large to compute is told by. The name line of a point
    // list is of no file, so a point's line it is.
    std::vector<int> farthestLine{0};
    std::vector<double> farthest{0};
    for (int i = 1; i <= lines.UBound(); ++i) {
        const QString &line = lines[i];
        const uint32_t key = LineKey(line);
        if (key == KeyCode('N', 'M')) {
            current = CreateParcel(r.Parcels);
            ++r.ParcelCount;
            Parcel &p = r.Parcels[current];
            p.NM = line.size() > 2 ? line.mid(2) : QStringLiteral("NoName");
            p.Number = zova::SignedText(current);
            farthestLine.push_back(i);
            farthest.push_back(-1);
        } else if (key == KeyCode('N', '=')) {
            const QStringView text = QStringView(line).mid(2);
            if (TrimBlanks(text).isEmpty())
                continue; // a blank line among the points
            BoundaryPoint point;
            bool read = false;
            try {
                read = readPoint(text, point);
            } catch (const zova::Error &e) {
                throw zova::Error(e.message(), QString(), i); // a number beyond any coordinate
            }
            if (!read) {
                if (r.SkippedLines++ == 0)
                    r.FirstSkipped = i;
                continue;
            }
            if (current == 0)
                throw zova::Error(QStringLiteral("Пікет стоїть перед першою назвою ділянки"), QString(), i);
            const double distance = std::max(std::abs(point.X), std::abs(point.Y));
            if (distance > farthest[size_t(current)]) {
                farthest[size_t(current)] = distance;
                farthestLine[size_t(current)] = i;
            }
            Ring &ring = r.Parcels[current].Points;
            point.Index = ring.UBound() + 1;
            ring.Add(std::move(point));
            ++r.PointCount;
        }
    }
    RunAreaPhase(r.Parcels);
    CheckAreasComputed(r.Parcels, [&farthestLine](int parcel, int) { return farthestLine[size_t(parcel)]; });
    r.StatusText = QStringLiteral("Ділянок: %1; Угідь: 0; Пікетів: %2").arg(r.ParcelCount).arg(r.PointCount);
    if (r.SkippedLines > 0)
        r.StatusText += QStringLiteral("; Пропущено рядків: %1").arg(r.SkippedLines);
    return r;
}

} // namespace model
