// 100 cadastral plans (A4 portrait, variant 3) and 100 new state acts of the generated
// 20,000-parcel file made and saved in one batch each, and LibreOffice converting one plan to PDF
// as the reference.

#include "bench/generated_model.h"
#include "documents/docbatch.h"
#include "documents/docoptions.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/progresssink.h"
#include "reference/baseconnection.h"
#include "reference/state.h"

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

documents::PlanOptions newStateActOptions()
{
    documents::PlanOptions plan = planOptions();
    plan.Kind = documents::KindNewStateAct;
    // The territory the acts are worded from, as the territory dialog leaves it.
    reference::State &r = reference::state();
    r.DistrictName = r.CentreName = QStringLiteral("Києво-Святошинський район");
    r.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
    r.CouncilGenitive = r.CouncilGenitive2 = QStringLiteral("Софіївсько-Борщагівської сільської");
    r.CouncilDative = QStringLiteral("Софіївсько-Борщагівській сільській");
    return plan;
}

QString lastPlan;

/// Makes the documents of `plan` for the 100 selected parcels into a fresh folder per iteration.
void MakeHundred(benchmark::State &state, const documents::PlanOptions &plan, const char *folder)
{
    QTemporaryDir &dir = workDir();
    size_t failures = 0, done = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = dir.filePath(QStringLiteral("%1-%2").arg(QString::fromLatin1(folder)).arg(++run));
        QDir().mkpath(out);
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        documents::options().DocAction = documents::ActionSave;
        state.ResumeTiming();

        office::WordApp app;
        platform::NullProgress overall, step;
        const documents::BatchReport report = documents::RunDocumentBatch(app, plan, overall, step);
        failures += report.Failures.size();
        done += report.Done.size();
        if (!report.Done.empty() && plan.Kind == documents::KindCadastralPlan)
            lastPlan = report.Done.back().Path;
    }
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["documents"] = benchmark::Counter(static_cast<double>(done), benchmark::Counter::kAvgIterations);
}

} // namespace

static void BM_HundredPlansMadeAndSaved(benchmark::State &state)
{
    MakeHundred(state, planOptions(), "plans");
}
BENCHMARK(BM_HundredPlansMadeAndSaved)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);

static void BM_HundredNewStateActsMadeAndSaved(benchmark::State &state)
{
    MakeHundred(state, newStateActOptions(), "acts");
}
BENCHMARK(BM_HundredNewStateActsMadeAndSaved)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
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
