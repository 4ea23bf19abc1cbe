#include "model/mifexport.h"

#include "common/error.h"
#include "model/exchangeformat.h"
#include "platform/codepage.h"

#include <QDir>
#include <QSaveFile>
#include <memory>

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

QString coordinate(double v)
{
    QString text = QString::number(v, 'f', 4);
    return text == QLatin1String("-0.0000") ? QStringLiteral("0.0000") : text;
}

void region(QByteArray &out, const Ring &ring)
{
    if (ring.isEmpty()) {
        // A region of no vertices is no region: GIS readers take "none" for a missing geometry.
        put(out, QStringLiteral("none"));
        return;
    }
    put(out, QStringLiteral("Region  1"));
    put(out, QStringLiteral("  %1").arg(ring.UBound()));
    for (const BoundaryPoint &p : ring)
        put(out, coordinate(p.Y) + QLatin1Char(' ') + coordinate(p.X));
}

QString midText(const QString &value)
{
    QString text = OneLine(value);
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1String(",\"") + text + QLatin1Char('"');
}

} // namespace

MifFiles MifMidBytes(const ParcelList &parcels)
{
    static const char *const dilColumns[] = {"ID Integer",    "NM Char(254)", "AD Char(254)",
                                             "AU Char(254)",  "KF Char(12)",  "PP Char(200)",
                                             "KZ Char(4)",    "PZ Char(254)", "SC Char(50)"};
    static const char *const ugdColumns[] = {"SR_ID Integer", "CN Char(254)"};
    MifFiles f;
    header(f.DilMif, dilColumns, 9);
    header(f.UgdMif, ugdColumns, 2);
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const Parcel &p = parcels[i];
        put(f.DilMid, QString::number(i) + midText(p.NM) + midText(p.AD) + midText(p.AU) +
                          midText(p.KF) + midText(p.PP) + midText(p.KZ) + midText(p.PZ) +
                          midText(p.Number));
        region(f.DilMif, p.Points);
        for (const LandUseArea &u : p.LandUses) {
            put(f.UgdMid, QString::number(i) + midText(u.CN));
            region(f.UgdMif, u.Points);
        }
    }
    return f;
}

void ExportMifMid(const ParcelList &parcels, const QString &folder)
{
    const MifFiles f = MifMidBytes(parcels);
    const QDir dir(folder);
    const std::pair<const char *, const QByteArray *> files[] = {
        {"dil.mif", &f.DilMif}, {"dil.mid", &f.DilMid}, {"ugd.mif", &f.UgdMif}, {"ugd.mid", &f.UgdMid}};
    // All four are opened before any is written, and each replaces its old file only when whole.
    std::unique_ptr<QSaveFile> out[4];
    for (int i = 0; i < 4; ++i) {
        out[i] = std::make_unique<QSaveFile>(dir.filePath(QLatin1String(files[i].first)));
        if (!out[i]->open(QIODevice::WriteOnly))
            throw zova::Error(QStringLiteral("Не вдалося створити файл: %1").arg(out[i]->errorString()),
                              out[i]->fileName());
    }
    for (int i = 0; i < 4; ++i) {
        const QByteArray &bytes = *files[i].second;
        if (out[i]->write(bytes) != bytes.size() || !out[i]->commit())
            throw zova::Error(QStringLiteral("Не вдалося записати файл: %1").arg(out[i]->errorString()),
                              out[i]->fileName());
    }
}

} // namespace model
