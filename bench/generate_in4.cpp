#include "bench/generate_in4.h"

#include "common/error.h"
#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace bench {

namespace {

// Coordinates in centimetres from the grid, so that two parcels compute a shared vertex alike.
struct Grid {
    GeneratedIn4 s;
    qint64 x0 = 558000000, y0 = 52000000; // 5 580 000 m north, 520 000 m east
    qint64 wCm() const { return qint64(s.width * 100); }
    qint64 dCm() const { return qint64(s.depth * 100); }
    qint64 x(int row) const { return x0 + row * dCm(); }
    qint64 y(int col) const { return y0 + col * wCm(); }
};

QByteArray cm(qint64 v)
{
    QByteArray out = QByteArray::number(v / 100);
    const int frac = int(v % 100);
    if (frac != 0) {
        out += '.';
        out += QByteArray::number(frac).rightJustified(2, '0');
        if (out.endsWith('0'))
            out.chop(1);
    }
    return out;
}

struct Vertex {
    qint64 x, y;
    qint64 name;
};

// The clockwise ring of cell (row, col): up the west side, along the north, down the east side
// and back along the south, with `perSide` points inside each side.
std::vector<Vertex> cellRing(const Grid &g, int row, int col, int perSide)
{
    const int rows = (g.s.parcels + g.s.columns - 1) / g.s.columns;
    const qint64 corners = qint64(rows + 1) * (g.s.columns + 1);
    const qint64 vertical = corners + 1;
    const qint64 horizontal = vertical + qint64(rows) * (g.s.columns + 1) * perSide;
    auto corner = [&](int r, int c) {
        return Vertex{g.x(r), g.y(c), 1 + qint64(r) * (g.s.columns + 1) + c};
    };
    // Point t (1..perSide) of the west-to-east side at row r from column c, or of the
    // south-to-north side at column c from row r.
    auto onVertical = [&](int r, int c, int t) {
        return Vertex{g.x(r) + g.dCm() * t / (perSide + 1), g.y(c),
                      vertical + (qint64(r) * (g.s.columns + 1) + c) * perSide + t - 1};
    };
    auto onHorizontal = [&](int r, int c, int t) {
        return Vertex{g.x(r), g.y(c) + g.wCm() * t / (perSide + 1),
                      horizontal + (qint64(r) * g.s.columns + c) * perSide + t - 1};
    };
    std::vector<Vertex> ring;
    ring.push_back(corner(row, col));
    for (int t = 1; t <= perSide; ++t)
        ring.push_back(onVertical(row, col, t));
    ring.push_back(corner(row + 1, col));
    for (int t = 1; t <= perSide; ++t)
        ring.push_back(onHorizontal(row + 1, col, t));
    ring.push_back(corner(row + 1, col + 1));
    for (int t = perSide; t >= 1; --t)
        ring.push_back(onVertical(row, col + 1, t));
    ring.push_back(corner(row, col + 1));
    for (int t = perSide; t >= 1; --t)
        ring.push_back(onHorizontal(row, col, t));
    return ring;
}

void pointLines(QByteArray &out, const std::vector<Vertex> &ring, bool useNames)
{
    for (size_t i = 0; i < ring.size(); ++i) {
        const Vertex &v = ring[i];
        out += "N=" + QByteArray::number(qint64(i + 1)) + ",NP=\"" +
               QByteArray::number(useNames ? v.name : qint64(i + 1)) + "\",X=" + cm(v.x) +
               ",Y=" + cm(v.y) + (i + 1 < ring.size() ? ",MX=0.01,MY=0.01,\r\n" : ",MX=0.01,MY=0.01\r\n");
    }
}

} // namespace

qint64 WriteGeneratedIn4(const QString &path, const GeneratedIn4 &shape)
{
    Grid g;
    g.s = shape;
    const int ringPerSide = (shape.ringPoints - 4) / 4;
    const int usePerSide = (shape.landUsePoints - 4) / 4;
    const auto dos = [](const QString &text) {
        return platform::Encode(text, platform::CodePage::Dos);
    };

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw zova::Error(QStringLiteral("Не вдалося створити файл"), path);
    QByteArray out;
    out += dos(QStringLiteral("# Технология ТЕPPИТОPИЯ, кваpтал\r\n"));
    out += "BL,BC=\"1\",\r\nDS=\"3222486201\",\r\n";
    out += dos(QStringLiteral("SD=\"1\",\r\nSZ=\"га.\",\r\n"));
    out += "DT=\"14.05.2008\",\r\n";
    static const char *const surnames[] = {"Бондаренко", "Дем'янчук", "Коваленко", "Олійник",
                                           "Солов'яненко", "Ткаченко", "Шевчук", "Кравець"};
    for (int i = 1; i <= shape.parcels; ++i) {
        const int row = (i - 1) / shape.columns, col = (i - 1) % shape.columns;
        const double hectares = shape.width * shape.depth / 10000;
        const QString owner = QString::fromUtf8(surnames[i % 8]) +
                              QStringLiteral(" Марія Іванівна №%1").arg(i);
        out += dos(QStringLiteral("# Участок %1\r\nSR,SC=\"%2\",\r\nNM=\"%3\",\r\n"
                                  "AD=\"с. Софіївська Борщагівка, вул. Садова, %1\",\r\n"
                                  "PF=\"1.1,особиста\",\r\n")
                       .arg(i)
                       .arg(i % 10000, 4, 10, QLatin1Char('0'))
                       .arg(owner));
        out += "AS=" + QByteArray::number(hectares, 'f', 4) + ",\r\nPS=0.00,\r\nMS=0.00,\r\n";
        out += dos(QStringLiteral("# Доп. информация\r\nAU=\"м. Київ, вул. Прорізна, %1\",\r\n"
                                  "PZ=\"РС,15.03.2005,12 сесії 4 скликання\",\r\nKF=\"%2\",\r\n"
                                  "PP=\"паспорт СН %3\",\r\nKZ=\"22\",\r\nDS=\"3222486201\",\r\n"
                                  "KV=\"%4\",\r\nZN=\"1\",\r\nDB=\"\",\r\nKT=\"3222486201\",\r\n")
                       .arg(i)
                       .arg(2000000000 + i)
                       .arg(100000 + i)
                       .arg(1 + row / 10));
        pointLines(out, cellRing(g, row, col, ringPerSide), true);

        // The land-use area: the cell shrunk by 2 m on every side, its own names 1..k.
        Grid inner = g;
        inner.s.width = shape.width - 4;
        inner.s.depth = shape.depth - 4;
        inner.x0 = g.x(row) + 200 - qint64(row) * inner.dCm();
        inner.y0 = g.y(col) + 200 - qint64(col) * inner.wCm();
        out += dos(QStringLiteral("# Угодие 1 (%1)\r\n").arg(i));
        out += "CL,CI=1,LC=\"1\",\r\n";
        out += dos(QStringLiteral("CN=\"01,рілля\",\r\n"));
        out += "AL=" + QByteArray::number((shape.width - 4) * (shape.depth - 4) / 10000, 'f', 4) +
               ",\r\nPL=0.00,\r\nML=0.00,\r\n";
        pointLines(out, cellRing(inner, row, col, usePerSide), false);

        if (out.size() > (1 << 20)) {
            if (file.write(out) != out.size())
                throw zova::Error(QStringLiteral("Не вдалося записати файл"), path);
            out.clear();
        }
    }
    if (file.write(out) != out.size() || !file.commit())
        throw zova::Error(QStringLiteral("Не вдалося записати файл"), path);
    return QFile(path).size();
}

QStringList SplitIn4(const QString &path, const QString &folder, int parts)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw zova::Error(QStringLiteral("Не вдалося відкрити файл"), path);
    const QByteArray bytes = in.readAll();
    // Every parcel of the generated file begins at its SR line.
    QList<qsizetype> starts;
    for (qsizetype at = bytes.indexOf("\r\nSR,"); at >= 0; at = bytes.indexOf("\r\nSR,", at + 2))
        starts << at + 2;
    if (starts.isEmpty() || parts < 1)
        throw zova::Error(QStringLiteral("У файлі немає ділянок"), path);
    const QByteArray header = bytes.left(starts.first());
    const QString base = QFileInfo(path).completeBaseName();
    QStringList paths;
    for (int part = 0; part < parts; ++part) {
        const qsizetype first = starts.size() * part / parts;
        const qsizetype next = starts.size() * (part + 1) / parts;
        const qsizetype from = starts[first];
        const qsizetype to = next < starts.size() ? starts[next] : bytes.size();
        paths << QDir(folder).filePath(QStringLiteral("%1-%2.in4").arg(base).arg(part + 1, 2, 10, QLatin1Char('0')));
        QSaveFile out(paths.last());
        if (!out.open(QIODevice::WriteOnly) || out.write(header) != header.size() ||
            out.write(bytes.constData() + from, to - from) != to - from || !out.commit())
            throw zova::Error(QStringLiteral("Не вдалося записати файл"), paths.last());
    }
    return paths;
}

} // namespace bench
