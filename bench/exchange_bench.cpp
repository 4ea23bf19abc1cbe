#include "bench/generate_in4.h"
#include "model/exchangereader.h"
#include "model/exchangewriter.h"
#include "model/mifexport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The 20,000-parcel file, written once per run.
const QString &generatedFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("generated.in4"));
        bench::WriteGeneratedIn4(p);
        return p;
    }();
    return path;
}

// Resident memory figures of this process from /proc, in bytes.
long long procStatus(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stoll(line.substr(key.size())) * 1024;
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Peak resident memory of one load, over what the process held before it, against the file size.
// It runs first, while the heap holds nothing of earlier loads.
void BM_LoadPeakMemory(benchmark::State &state)
{
    const QString &path = generatedFile();
    const double size = double(QFile(path).size());
    platform::NullProgress progress;
    double ratio = 0;
    for (auto _ : state) {
        malloc_trim(0);
        resetPeak();
        const long long before = procStatus("VmRSS");
        {
            model::LoadResult r = model::LoadExchangeFile(path, 1, progress);
            benchmark::DoNotOptimize(r.Parcels.UBound());
        }
        ratio = (procStatus("VmHWM") - before) / size;
    }
    state.counters["file_MB"] = size / 1e6;
    state.counters["peak_over_file"] = ratio;
}
BENCHMARK(BM_LoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The whole load: read, decode, convert, parse and the area phase.
void BM_LoadExchangeFile(benchmark::State &state)
{
    const QString &path = generatedFile();
    platform::NullProgress progress;
    for (auto _ : state) {
        auto r = std::make_unique<model::LoadResult>(model::LoadExchangeFile(path, 1, progress));
        benchmark::DoNotOptimize(r->Parcels.UBound());
        // Freeing the model belongs to the next load's caller, not to this one.
        state.PauseTiming();
        r.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_LoadExchangeFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The floor to compare with: the file read and split into lines, nothing else.
void BM_ReadLinesBare(benchmark::State &state)
{
    const QString &path = generatedFile();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        const QByteArray bytes = file.readAll();
        auto owned = std::make_unique<std::vector<QByteArray>>();
        std::vector<QByteArray> &lines = *owned;
        const char *data = bytes.constData();
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = start;
            while (end < bytes.size() && data[end] != '\r' && data[end] != '\n')
                ++end;
            lines.emplace_back(data + start, end - start);
            if (end + 1 < bytes.size() && data[end] == '\r' && data[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
        benchmark::DoNotOptimize(lines.size());
        state.PauseTiming();
        owned.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_ReadLinesBare)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

namespace {

// The model of the generated file, loaded once for the writers.
const model::LoadResult &generatedModel()
{
    static const model::LoadResult r = [] {
        platform::NullProgress progress;
        return model::LoadExchangeFile(generatedFile(), 1, progress);
    }();
    return r;
}

const QString &outputFolder()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

void writeKind(benchmark::State &state, int kind)
{
    const model::LoadResult &r = generatedModel();
    const model::SaveHeader header{r.Koatuu, QStringLiteral("Софіївсько-Борщагівська сільська рада"),
                                   QDate(2026, 3, 7)};
    const QString path = outputFolder() + QStringLiteral("/written");
    for (auto _ : state)
        model::WriteExchangeFile(path, r.Parcels, header, kind, false);
    state.counters["file_MB"] = QFile(path).size() / 1e6;
}

// The whole model saved as standard in4.
void BM_WriteIn4(benchmark::State &state)
{
    writeKind(state, model::SaveIn4);
}
BENCHMARK(BM_WriteIn4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The gbd list of the 400,000 ring points (distinct positions once), built and written.
void BM_WriteGbd(benchmark::State &state)
{
    writeKind(state, model::SaveGbd);
    state.counters["entries"] = model::GbdPointList(generatedModel().Parcels).UBound();
}
BENCHMARK(BM_WriteGbd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The four MIF/MID files of the whole model.
void BM_ExportMifMid(benchmark::State &state)
{
    const model::LoadResult &r = generatedModel();
    for (auto _ : state)
        model::ExportMifMid(r.Parcels, outputFolder());
}
BENCHMARK(BM_ExportMifMid)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
