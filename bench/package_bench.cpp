// The whole documentation package of the share kind, all twelve documents, for 100 parcels of the
// generated file grouped under 10 owners, made and saved into a fresh folder.

#include "bench/generate_in4.h"
#include "documents/docoptions.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "office/wordapp.h"
#include "platform/progresssink.h"
#include "reference/state.h"
#include "registers/folders.h"
#include "registers/packagerun.h"
#include "registers/reportgroups.h"
#include "registers/state.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Parcels = 100;
constexpr int Owners = 10;

/// 100 parcels of 20 boundary points each, every tenth of them one owner's; once per run.
QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        const QString in4 = dir.filePath(QStringLiteral("generated.in4"));
        bench::GeneratedIn4 shape;
        shape.parcels = Parcels;
        shape.columns = 10;
        bench::WriteGeneratedIn4(in4, shape);
        platform::NullProgress progress;
        model::CommitLoad(model::LoadExchangeFile(in4, 1, progress), in4, 1);
        model::ParcelList &parcels = model::state().Parcels;
        for (int i = 1; i <= parcels.UBound(); ++i) {
            parcels[i].Selected = -1;
            parcels[i].KF = QStringLiteral("300000000%1").arg(i % Owners);
        }
        registers::BuildReportGroups(parcels);
        reference::State &ref = reference::state();
        ref.RegionName = QStringLiteral("Київська область");
        ref.DistrictName = QStringLiteral("Києво-Святошинський район");
        ref.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
        ref.OrganTitle = QStringLiteral("ТОВ «Земпроект»");
        registers::state().ReportMode = registers::ReportShares;
        registers::state().DocChosen.fill(true);
        registers::state().DocChosen[0] = false;
        return registers::state().ReportGroups.UBound() == Owners;
    }();
    if (!ready)
        throw std::runtime_error("the generated parcels did not give 10 owner groups");
    return dir;
}

} // namespace

static void BM_PackageOfHundredParcelsMadeAndSaved(benchmark::State &state)
{
    QTemporaryDir &dir = workDir();
    size_t failures = 0, made = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = dir.filePath(QStringLiteral("package-%1").arg(++run));
        QDir().mkpath(out);
        registers::folders().ReportFolder = out;
        documents::options().DocAction = documents::ActionSave;
        registers::PackageArguments args;
        args.ProgramDir = QStringLiteral(ZOVA_PROGRAM_DIR);
        args.StartPage = 4;
        args.PageStep = 1;
        state.ResumeTiming();

        office::WordApp app;
        platform::NullProgress progress;
        const registers::PackageReport report = registers::MakeReportDocuments(app, args, progress);
        failures += report.Failures.size();
        made += report.Done.size();
    }
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["documents"] = benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PackageOfHundredParcelsMadeAndSaved)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)
    ->ReportAggregatesOnly(true);
