#include "model/mifexport.h"

#include "common/error.h"
#include "model/exchangeformat.h"
#include "platform/codepage.h"
#include "platform/savefile.h"

#include <QDir>
#include <cmath>
#include <vector>

namespace model {

namespace {

void put(QByteArray &out, const QString &line)
{
    out += platform::Encode(line, platform::CodePage::Win);
    out += "\r\n";
}

void header(QByteArray &out, const char *const columns[], int count)
{
    put(out, QStringLiteral("Version 300"));
    put(out, QStringLiteral("Charset \"WindowsCyrillic\""));
    put(out, QStringLiteral("Delimiter \",\""));
    put(out, QStringLiteral(
                 "CoordSys NonEarth Units \"m\" Bounds (-100000, -100000) (10000000, 10000000)"));
    put(out, QStringLiteral("Columns %1").arg(count));
    for (int i = 0; i < count; ++i)
        put(out, QStringLiteral("  ") + QLatin1String(columns[i]));
    put(out, QStringLiteral("Data"));
    put(out, QString());
}

// "0.0000" with "." whatever the locale. Survey coordinates are whole tenths of a millimetre or
// coarser: a double nearest to such a count has exactly its text, built here without formatting.
void appendCoordinate(QByteArray &out, double v)
{
    const double units = std::nearbyint(v * 10000);
    if (!(std::fabs(v) < 1e11) || units / 10000 != v) {
        const QByteArray text = QByteArray::number(v, 'f', 4);
        out += text == "-0.0000" ? QByteArray("0.0000") : text;
        return;
    }
    long long u = (long long)units;
    if (u < 0) {
        out += '-';
        u = -u;
    }
    AppendInt(out, u / 10000);
    const int fraction = int(u % 10000);
    const char tail[5] = {'.', char('0' + fraction / 1000), char('0' + fraction / 100 % 10),
                          char('0' + fraction / 10 % 10), char('0' + fraction % 10)};
    out.append(tail, 5);
}

void vertex(QByteArray &out, const BoundaryPoint &p, char end)
{
    appendCoordinate(out, p.Y);
    out += ' ';
    appendCoordinate(out, p.X);
    out += end;
}

void region(QByteArray &out, const Ring &ring)
{
    // A ring too short to be a region stops a GIS reader, and every object after it is lost to
    // it: no vertex is written as no geometry, one as a point and two as a line.
    switch (ring.UBound()) {
    case 0:
        out += "none\r\n";
        return;
    case 1:
        out += "Point ";
        vertex(out, ring[1], '\r');
        out += '\n';
        return;
    case 2:
        out += "Line ";
        vertex(out, ring[1], ' ');
        vertex(out, ring[2], '\r');
        out += '\n';
        return;
    default:
        break;
    }
    out += "Region  1\r\n  ";
    AppendInt(out, ring.UBound());
    out += "\r\n";
    for (const BoundaryPoint &p : ring) {
        vertex(out, p, '\r');
        out += '\n';
    }
}

// A MID text value: a comma, then the value in double quotes, its own quotes doubled and its line
// breaks turned into blanks.
void appendText(QByteArray &out, const QString &value)
{
    QString text = OneLine(value);
    if (text.contains(QLatin1Char('"')))
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    out += ",\"";
    AppendEncoded(out, text, platform::CodePage::Win);
    out += '"';
}

} // namespace

MifFiles MifMidBytes(const ParcelList &parcels)
{
    static const char *const dilColumns[] = {"ID Integer",    "NM Char(254)", "AD Char(254)",
                                             "AU Char(254)",  "KF Char(12)",  "PP Char(200)",
                                             "KZ Char(4)",    "PZ Char(254)", "SC Char(50)"};
    static const char *const ugdColumns[] = {"SR_ID Integer", "CN Char(254)"};
    MifFiles f;
    qsizetype ringPoints = 0, areaPoints = 0;
    for (const Parcel &p : parcels) {
        ringPoints += p.Points.UBound();
        for (const LandUseArea &u : p.LandUses)
            areaPoints += u.Points.UBound();
    }
    f.DilMif.reserve(ringPoints * 26 + parcels.UBound() * 20 + 512);
    f.UgdMif.reserve(areaPoints * 26 + parcels.UBound() * 20 + 512);
    for (int i = 1; i <= parcels.UBound(); ++i)
        CheckFinite(parcels[i], i, false);
    header(f.DilMif, dilColumns, 9);
    header(f.UgdMif, ugdColumns, 2);
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const Parcel &p = parcels[i];
        AppendInt(f.DilMid, i);
        for (const QString *value : {&p.NM, &p.AD, &p.AU, &p.KF, &p.PP, &p.KZ, &p.PZ, &p.Number})
            appendText(f.DilMid, *value);
        f.DilMid += "\r\n";
        region(f.DilMif, p.Points);
        for (const LandUseArea &u : p.LandUses) {
            AppendInt(f.UgdMid, i);
            appendText(f.UgdMid, u.CN);
            f.UgdMid += "\r\n";
            region(f.UgdMif, u.Points);
        }
    }
    return f;
}

void ExportMifMid(const ParcelList &parcels, const QString &folder)
{
    MifFiles f = MifMidBytes(parcels);
    const QDir dir(folder);
    const auto path = [&dir](const char *name) { return dir.filePath(QLatin1String(name)); };
    // All four are written before any takes its name: a failure leaves the four old files, never
    // a new dil beside an old ugd.
    const std::vector<platform::FileContent> files = {{path("dil.mif"), std::move(f.DilMif)},
                                                      {path("dil.mid"), std::move(f.DilMid)},
                                                      {path("ugd.mif"), std::move(f.UgdMif)},
                                                      {path("ugd.mid"), std::move(f.UgdMid)}};
    QString failed, error;
    if (!platform::WriteFilesTogether(files, &failed, &error))
        throw zova::Error(QStringLiteral("Не вдалося записати файл: %1").arg(error), failed);
}

} // namespace model
