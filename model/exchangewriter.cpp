#include "model/exchangewriter.h"

#include "common/error.h"
#include "model/exchangeformat.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "platform/savefile.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace model {

namespace {

QString trailingBlanksCut(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' '))
        --n;
    return text.left(n);
}

// A coordinate with at most 15 significant digits, no trailing zeros and never an exponent, which
// the reader could not take back.
QString coordinateText(double v)
{
    if (!std::isfinite(v) || v == 0)
        return QStringLiteral("0");
    const int magnitude = int(std::floor(std::log10(std::fabs(v))));
    const int decimals = std::clamp(14 - magnitude, 0, 340);
    QString text = QString::number(v, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// The same text, quickly, for the coordinates of every survey: whole centimetres. A double that
// is the nearest one to a count of centimetres below 10^15 rounds to exactly that count at 15
// significant digits, so the text is the count's.
void appendCoordinate(QByteArray &out, double v)
{
    const double cents = std::nearbyint(v * 100);
    if (!(std::fabs(cents) < 1e15) || cents / 100 != v) {
        out += coordinateText(v).toLatin1();
        return;
    }
    long long c = (long long)cents;
    if (c < 0) {
        out += '-';
        c = -c;
    }
    AppendInt(out, c / 100);
    const int fraction = int(c % 100);
    if (fraction != 0) {
        out += '.';
        out += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += char('0' + fraction % 10);
    }
}

QString hectareText(double squareMetres)
{
    return QString::number(squareMetres / 10000, 'f', 4);
}

class Writer {
public:
    Writer(int kind, std::vector<ReplacedText> *replaced)
        : m_page(kind == SaveIn5Win ? platform::CodePage::Win : platform::CodePage::Dos), m_replaced(replaced)
    {
    }

    /// The parcel whose lines follow (0 for the header and the gbd list).
    void setParcel(int parcel) { m_parcel = parcel; }

    void line(const QString &text)
    {
        put(text);
        m_out += "\r\n";
    }
    void quoted(const char *key, const QString &value)
    {
        m_out += key;
        m_out += '"';
        put(value, key);
        m_out += "\",\r\n";
    }
    void plain(const char *key, const QString &value)
    {
        m_out += key;
        put(value);
        m_out += ",\r\n";
    }

    void points(const Ring &ring, int parcel, const char *where)
    {
        const int k = ring.UBound();
        for (int p = 1; p <= k; ++p) {
            const BoundaryPoint &pt = ring[p];
            if (pt.NP.contains(QLatin1Char(',')) || pt.NP.contains(QLatin1Char('"')))
                throw zova::Error(QStringLiteral("Назва пікету \"%1\" (ділянка %2, %3, пікет %4) "
                                                 "містить кому або лапки; виправте її перед записом")
                                      .arg(pt.NP)
                                      .arg(parcel)
                                      .arg(QString::fromUtf8(where))
                                      .arg(p));
            m_out += "N=";
            AppendInt(m_out, pt.Index);
            m_out += ",NP=\"";
            put(pt.NP, "NP");
            m_out += "\",X=";
            appendCoordinate(m_out, pt.X);
            m_out += ",Y=";
            appendCoordinate(m_out, pt.Y);
            m_out += p < k ? ",MX=0.01,MY=0.01,\r\n" : ",MX=0.01,MY=0.01\r\n";
        }
    }

    void gbd(const BoundaryPoint &p)
    {
        m_out += "P,N=";
        put(p.NP, "P,N");
        m_out += ",CD=0,X=";
        m_out += QByteArray::number(p.X, 'f', 2);
        m_out += ",Y=";
        m_out += QByteArray::number(p.Y, 'f', 2);
        m_out += ",MX=0.01,MY=0.01\r\n";
    }

    void reserve(qsizetype bytes) { m_out.reserve(bytes); }
    QByteArray take() { return std::move(m_out); }

private:
    // A text in the file's code page, its line breaks turned into blanks. The characters of a
    // field (its key given) that the page lacks become "?", and are noted.
    void put(const QString &text, const char *field = nullptr)
    {
        const QString line = OneLine(text);
        if (field && m_replaced)
            note(line, field);
        AppendEncoded(m_out, line, m_page);
    }

    void note(const QString &text, const char *key)
    {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            return;
        const QString lost = platform::Unencodable(text, m_page);
        if (lost.isEmpty())
            return;
        QString field = QString::fromLatin1(key);
        if (field.endsWith(QLatin1Char('=')))
            field.chop(1);
        for (ReplacedText &r : *m_replaced)
            if (r.Parcel == m_parcel && r.Field == field) {
                for (QChar c : lost)
                    if (!r.Characters.contains(c))
                        r.Characters += c;
                return;
            }
        m_replaced->push_back({m_parcel, field, lost});
    }

    platform::CodePage m_page;
    std::vector<ReplacedText> *m_replaced;
    int m_parcel = 0;
    QByteArray m_out;
};

// A reader takes every DS line as the code of the parcels that follow it, and KT as the parcel's
// own code; the lines are written so that reading them back gives each parcel the codes it has.
// `lastDs` is the DS value the reader holds when it comes to this parcel.
void in4Parcel(Writer &w, const Parcel &p, int i, QString &lastDs)
{
    const QString code = trailingBlanksCut(p.KoatuuPart);
    w.line(QStringLiteral("# Участок %1").arg(i));
    if (KoatuuText(code) != KoatuuText(lastDs))
        w.quoted("DS=", code); // a parcel of another territory than the one before it
    lastDs = code;
    w.quoted("SR,SC=", p.Number);
    w.quoted("NM=", p.NM);
    w.quoted("AD=", p.AD);
    w.quoted("PF=", QStringLiteral("1.1,особиста"));
    w.plain("AS=", hectareText(p.Area));
    w.line(QStringLiteral("PS=0.00,"));
    w.line(QStringLiteral("MS=0.00,"));
    w.line(QStringLiteral("# Доп. информация"));
    w.quoted("AU=", p.AU);
    w.quoted("PZ=", p.PZ);
    w.quoted("KF=", p.KF);
    w.quoted("PP=", p.PP);
    w.quoted("KZ=", TrimBlanks(p.KZ));
    w.quoted("DS=", code);
    w.quoted("KV=", QString::number(p.KV));
    w.quoted("ZN=", QString::number(p.ZN));
    w.quoted("DB=", p.DB);
    w.quoted("KT=", TrimBlanks(p.ParcelKoatuu));
    w.points(p.Points, i, "межа");
    for (int j = 1; j <= p.LandUses.UBound(); ++j) {
        const LandUseArea &u = p.LandUses[j];
        w.line(QStringLiteral("# Угодие %1 (%2)").arg(j).arg(i));
        w.line(QStringLiteral("CL,CI=%1,LC=\"%1\",").arg(j));
        w.quoted("CN=", u.CN);
        w.plain("AL=", hectareText(u.Area));
        w.line(QStringLiteral("PL=0.00,"));
        w.line(QStringLiteral("ML=0.00,"));
        w.points(u.Points, i, "угіддя");
    }
}

void in5Parcel(Writer &w, const Parcel &p, int i)
{
    w.quoted("SR,SC=", p.Number);
    w.quoted("NM=", p.NM);
    w.quoted("AD=", p.AD);
    w.quoted("AU=", p.AU);
    w.quoted("PZ=", p.PZ);
    w.quoted("KF=", p.KF);
    w.quoted("PP=", p.PP);
    w.quoted("KZ=", p.KZ);
    w.points(p.Points, i, "межа");
    for (const LandUseArea &u : p.LandUses) {
        w.quoted("CN=", u.CN);
        w.points(u.Points, i, "угіддя");
    }
}

// Exact equality of coordinates as a hash key: +0 and -0 are one position.
struct Position {
    double x, y;
    bool operator==(const Position &o) const { return x == o.x && y == o.y; }
};
size_t qHash(const Position &p, size_t seed = 0)
{
    const double x = p.x == 0 ? 0.0 : p.x, y = p.y == 0 ? 0.0 : p.y;
    uint64_t a, b;
    std::memcpy(&a, &x, sizeof a);
    std::memcpy(&b, &y, sizeof b);
    return ::qHash(a, seed) ^ (::qHash(b, seed) * 0x9E3779B97F4A7C15ull);
}

} // namespace

bool PointExists(const Ring &points, double x, double y)
{
    for (const BoundaryPoint &p : points)
        if (p.X == x && p.Y == y)
            return true;
    return false;
}

Ring GbdPointList(const ParcelList &parcels)
{
    Ring list;
    QSet<Position> seen;
    for (const Parcel &parcel : parcels)
        for (const BoundaryPoint &p : parcel.Points) {
            // NaN equals nothing, so like PointExists it is never a repetition.
            if (p.X == p.X && p.Y == p.Y) {
                const Position at{p.X, p.Y};
                if (seen.contains(at))
                    continue;
                seen.insert(at);
            }
            BoundaryPoint entry;
            entry.NP = p.NP;
            entry.X = p.X;
            entry.Y = p.Y;
            entry.Index = list.UBound() + 1;
            list.Add(std::move(entry));
        }
    return list;
}

QByteArray ExchangeFileBytes(const ParcelList &parcels, const SaveHeader &header, int kind,
                             bool selectedOnly, std::vector<ReplacedText> *replaced)
{
    if (kind < SaveIn5Dos || kind > SaveIn4)
        throw zova::Error(QStringLiteral("Невідомий вид файлу для запису: %1").arg(kind));
    // Nothing that is not a finite number reaches a file; the gbd list has every parcel's ring.
    for (int i = 1; i <= parcels.UBound(); ++i)
        if (kind == SaveGbd || !selectedOnly || parcels[i].Selected != 0)
            CheckFinite(parcels[i], i, kind == SaveIn4);
    if (replaced)
        replaced->clear();
    Writer w(kind, replaced);
    qsizetype points = 0;
    for (const Parcel &p : parcels) {
        points += p.Points.UBound();
        for (const LandUseArea &u : p.LandUses)
            points += u.Points.UBound();
    }
    w.reserve(points * 64 + parcels.UBound() * 1024);
    if (kind == SaveGbd) {
        for (const BoundaryPoint &p : GbdPointList(parcels))
            w.gbd(p);
        return w.take();
    }
    if (kind == SaveIn4) {
        // The first line mixes Latin P and p into the Cyrillic words, as every in4 file has it.
        w.line(QStringLiteral("# Технология ТЕ") + QLatin1String("PP") + QStringLiteral("ИТО") +
               QLatin1String("P") + QStringLiteral("ИЯ, ква") + QLatin1String("p") +
               QStringLiteral("тал"));
        w.quoted("BL,BC=", QStringLiteral("1"));
        w.quoted("DS=", header.Koatuu);
        w.quoted("SD=", header.TerritoryText);
        w.quoted("SZ=", QStringLiteral("га."));
        w.quoted("DT=", header.Date.toString(QStringLiteral("dd.MM.yyyy")));
    }
    QString lastDs = header.Koatuu;
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const Parcel &p = parcels[i];
        if (selectedOnly && p.Selected == 0)
            continue;
        w.setParcel(i);
        if (kind == SaveIn4)
            in4Parcel(w, p, i, lastDs);
        else
            in5Parcel(w, p, i);
    }
    // The last DS line read is the file's code: the header's code closes the file when a parcel's
    // line has put another one in force.
    w.setParcel(0);
    if (kind == SaveIn4 && lastDs != header.Koatuu)
        w.quoted("DS=", header.Koatuu);
    return w.take();
}

void WriteExchangeFile(const QString &path, const ParcelList &parcels, const SaveHeader &header,
                       int kind, bool selectedOnly, std::vector<ReplacedText> *replaced)
{
    const QByteArray bytes = ExchangeFileBytes(parcels, header, kind, selectedOnly, replaced);
    QString error;
    if (!platform::WriteFileWhole(path, bytes, &error))
        throw zova::Error(QStringLiteral("Не вдалося записати файл: %1").arg(error), path);
}

std::vector<ReplacedText> SaveExchangeFile(const QString &fileName, bool selectedOnly)
{
    const State &s = state();
    std::vector<ReplacedText> replaced;
    WriteExchangeFile(fileName, s.Parcels, {s.Koatuu, s.TerritoryText, QDate::currentDate()},
                      s.FileFilter, selectedOnly, &replaced);
    return replaced;
}

} // namespace model
