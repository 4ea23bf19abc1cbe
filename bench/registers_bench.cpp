// The coordinate catalogues of 100 parcels and list No 1 of all 20,000 parcels of the generated
// file, each made and saved.

#include "bench/generated_model.h"
#include "documents/docoptions.h"
#include "platform/desktop.h"
#include "registers/catalogue.h"
#include "registers/lists.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString programDir() { return QStringLiteral(ZOVA_PROGRAM_DIR); }

/// The generated file loaded into the model, a copy of the reference database open, and a desktop
/// that opens nothing; once per run.
QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        platform::setDesktop(std::make_unique<platform::RecordingDesktop>());
        return bench::LoadGeneratedModel(dir.path(), programDir());
    }();
    (void)ready;
    return dir;
}

/// Selects the first `count` parcels and no other.
void selectFirst(int count)
{
    model::ParcelList &parcels = model::state().Parcels;
    for (int i = 1; i <= parcels.UBound(); ++i)
        parcels[i].Selected = i <= count ? -1 : 0;
}

} // namespace

static void BM_HundredCataloguesMadeAndSaved(benchmark::State &state)
{
    QTemporaryDir &dir = workDir();
    selectFirst(100);
    size_t failures = 0, made = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = dir.filePath(QStringLiteral("catalogues-%1").arg(++run));
        QDir().mkpath(out);
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        documents::options().DocAction = documents::ActionSave;
        state.ResumeTiming();

        office::WordApp app;
        platform::NullProgress overall, step;
        const documents::BatchReport report = registers::MakeCatalogues(app, programDir(), 1, overall, step);
        failures += report.Failures.size();
        made += report.Done.size();
    }
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["made"] = static_cast<double>(made) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HundredCataloguesMadeAndSaved)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)
    ->ReportAggregatesOnly(true);

static void BM_ListOneOfTwentyThousandParcels(benchmark::State &state)
{
    QTemporaryDir &dir = workDir();
    selectFirst(model::state().Parcels.UBound());
    size_t leftOut = 0;
    for (auto _ : state) {
        office::WordApp app;
        app.SetWorkFolder(dir.path());
        leftOut += registers::MakeSpis1(app, programDir()).LeftOut.size();
    }
    state.counters["rows"] = model::state().Parcels.UBound();
    state.counters["leftOut"] = static_cast<double>(leftOut);
}
BENCHMARK(BM_ListOneOfTwentyThousandParcels)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);
