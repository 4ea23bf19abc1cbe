// Building the territory tables of mybase.dat from the classifier: reading and spelling the
// 41,928 rows, and writing them with the schema and the seed into a new database file.

#include "reference/basefile.h"
#include "reference/koatuu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kSource = QStringLiteral(ZOVA_SOURCE_DIR "/reference/");

QString text(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

reference::Territory read()
{
    return reference::ReadTerritory(kSource + QStringLiteral("data/KOATUU.csv"),
                                    kSource + QStringLiteral("data/council-names.csv"));
}

void BM_ReadTerritory(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(read());
}
BENCHMARK(BM_ReadTerritory)->Unit(benchmark::kMillisecond);

void BM_BuildBase(benchmark::State &state)
{
    const reference::Territory territory = read();
    const QString schema = text(kSource + QStringLiteral("schema.sql"));
    const QString seed = text(kSource + QStringLiteral("seed.sql"));
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        const QString path = dir.filePath(QStringLiteral("mybase%1.dat").arg(++n));
        reference::BuildBase(path, schema, seed, territory, reference::kBaseDataVersion);
    }
}
BENCHMARK(BM_BuildBase)->Unit(benchmark::kMillisecond);

} // namespace
