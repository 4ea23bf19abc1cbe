// 100 cadastral plans (A4 portrait, variant 3) of the generated 20,000-parcel file made and saved
// in one batch, and LibreOffice converting one of them to PDF as the reference.

#include "bench/generated_model.h"
#include "documents/docbatch.h"
#include "documents/docoptions.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/progresssink.h"
#include "reference/baseconnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Plans = 100;

QString programDir() { return QStringLiteral(ZOVA_PROGRAM_DIR); }

/// The generated file loaded into the model with its first 100 parcels selected, and a copy of
/// the reference database open; once per run.
QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        const bool opened = bench::LoadGeneratedModel(dir.path(), programDir());
        for (int i = 1; i <= Plans; ++i)
            model::state().Parcels[i].Selected = -1;
        return opened;
    }();
    (void)ready;
    return dir;
}

documents::PlanOptions planOptions()
{
    documents::PlanOptions plan;
    plan.Paper = 1;
    plan.ZovaVariant = 3;
    plan.ProgramDir = programDir();
    return plan;
}

QString lastPlan;

} // namespace

static void BM_HundredPlansMadeAndSaved(benchmark::State &state)
{
    QTemporaryDir &dir = workDir();
    size_t failures = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = dir.filePath(QStringLiteral("plans-%1").arg(++run));
        QDir().mkpath(out);
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        documents::options().DocAction = documents::ActionSave;
        state.ResumeTiming();

        office::WordApp app;
        platform::NullProgress overall, step;
        const documents::BatchReport report = documents::RunDocumentBatch(app, planOptions(), overall, step);
        failures += report.Failures.size();
        if (!report.Done.empty())
            lastPlan = report.Done.back().Path;
    }
    state.counters["failures"] = static_cast<double>(failures);
}
BENCHMARK(BM_HundredPlansMadeAndSaved)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The reference: LibreOffice converting one saved plan to PDF, in its own profile.
static void BM_LibreOfficeConvertsOnePlan(benchmark::State &state)
{
    if (lastPlan.isEmpty()) {
        state.SkipWithError("no plan was made");
        return;
    }
    QTemporaryDir profile;
    const QString outDir = QFileInfo(lastPlan).absolutePath();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("soffice"),
                {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                 QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), outDir, lastPlan});
        p.waitForFinished(120000);
    }
}
BENCHMARK(BM_LibreOfficeConvertsOnePlan)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)
    ->ReportAggregatesOnly(true);
