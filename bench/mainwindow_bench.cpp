// The open command on the generated 20,000-parcel file, from the dialog's answer to the tree
// shown: read, parse, the area phase, the KOATUU lookup, the tree fill and the window repainted;
// the batch import of the same parcels in 20 files; the overview of all its parcels, from the
// button to the window shown; and the two commands that change every parcel: a bulk assignment
// (dialog, parcels, node texts and row pictures of the tree, selection count) and a coordinate
// shift (every point, the coordinate list).

#include "bench/basecopy.h"
#include "bench/generate_in4.h"
#include "bench/widgetmain.h"
#include "mainwindow/frmMain.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/frmMap.h"
#include "model/batchreader.h"
#include "model/forms/frmArt.h"
#include "model/state.h"
#include "platform/scriptedprompts.h"
#include "reference/baseconnection.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The generated file written, a copy of the built database opened and the main window shown;
// null (and the benchmark skipped) when the database cannot be opened.
std::unique_ptr<frmMain> ShowWindow(benchmark::State &state, QString &path)
{
    path = folder().filePath(QStringLiteral("generated.in4"));
    bench::WriteGeneratedIn4(path);
    QString error;
    if (!bench::OpenCopyOfBase(folder().path(), bench::BuildProgramDir(), &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return nullptr;
    }
    platform::setPrompts(std::make_unique<platform::ScriptedPrompts>());
    auto window = std::make_unique<frmMain>(folder().path(), folder().path());
    window->resize(1280, 800);
    window->show();
    return window;
}

// The window of ShowWindow with the generated file open and shown; null (and the benchmark skipped)
// when it cannot be opened.
std::unique_ptr<frmMain> ShowWindowWithFile(benchmark::State &state)
{
    QString path;
    auto window = ShowWindow(state, path);
    if (window && !window->OpenExchangeFile(path, 1)) {
        state.SkipWithError("the file did not open");
        window.reset();
        reference::CloseBase();
    }
    QCoreApplication::processEvents();
    return window;
}

void BM_OpenAndFillTree(benchmark::State &state)
{
    QString path;
    auto window = ShowWindow(state, path);
    if (!window)
        return;
    QCoreApplication::processEvents();

    for (auto _ : state) {
        if (!window->OpenExchangeFile(path, 1))
            state.SkipWithError("the file did not open");
        QCoreApplication::processEvents(); // the tree laid out and painted
    }
    const auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("MyTree"));
    state.counters["parcels"] = tree->topLevelItemCount();
    window.reset();
    reference::CloseBase();
}
BENCHMARK(BM_OpenAndFillTree)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(false);

// The same parcels as the open: the generated file split into 20 in4 files, imported by the batch
// dialog from its button to the tree shown.
void BM_BatchIn4ImportAndFillTree(benchmark::State &state)
{
    QString path;
    auto window = ShowWindow(state, path);
    if (!window)
        return;
    const QString parts = folder().filePath(QStringLiteral("parts"));
    QDir().mkpath(parts);
    bench::SplitIn4(path, parts, 20);
    QCoreApplication::processEvents();

    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<frmArt> dialog = window->BatchDialog(model::BatchIn4);
        dialog->Dir1_Change(parts);
        state.ResumeTiming();
        dialog->Command1_Click();
        QCoreApplication::processEvents(); // the tree laid out and painted
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
    const auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("MyTree"));
    state.counters["parcels"] = tree->topLevelItemCount();
    if (tree->topLevelItemCount() != 20000)
        state.SkipWithError("the files did not import");
    window.reset();
    reference::CloseBase();
}
BENCHMARK(BM_BatchIn4ImportAndFillTree)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(false);

void BM_OverviewOfAllParcels(benchmark::State &state)
{
    QString path;
    auto window = ShowWindow(state, path);
    if (!window)
        return;
    if (!window->OpenExchangeFile(path, 1))
        state.SkipWithError("the file did not open");
    QCoreApplication::processEvents();
    auto *bMap = window->findChild<QToolButton *>(QStringLiteral("bMap"));

    for (auto _ : state) {
        bMap->click();
        QCoreApplication::processEvents(); // the window laid out and painted
        state.PauseTiming();
        if (frmMap *map = window->mapWindow())
            delete map;
        state.ResumeTiming();
    }
    state.counters["parcels"] = model::state().Parcels.UBound();
    // A check that the parcels were painted, not skipped by a failed fit.
    bMap->click();
    const QImage img = window->mapWindow()->picture()->image();
    state.counters["painted"] = img.pixelColor(img.width() / 2, img.height() / 2) != QColor(Qt::white);
    window.reset();
    reference::CloseBase();
}
BENCHMARK(BM_OverviewOfAllParcels)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(false);

// The dialog is answered as soon as it is up: a key, a value, "Прийняти". Key KV changes no node;
// key KZ, alternating 21 and 22, changes a node text and the row picture of every parcel.
void BM_BulkAssignment(benchmark::State &state)
{
    auto window = ShowWindowWithFile(state);
    if (!window)
        return;
    const bool rows = state.range(0) == 1;
    const QString key = rows ? QStringLiteral("KZ") : QStringLiteral("KV");
    auto *mass = window->findChild<QAction *>(QStringLiteral("mnuMass"));
    int value = rows ? 21 : 1;
    for (auto _ : state) {
        const QString typed = QString::number(value);
        value = rows ? 43 - value : value + 1;
        QTimer::singleShot(0, [key, typed] {
            QWidget *dialog = QApplication::activeModalWidget();
            auto *keys = dialog->findChild<QComboBox *>(QStringLiteral("cmbVal"));
            keys->setCurrentIndex(keys->findText(key));
            dialog->findChild<QLineEdit *>(QStringLiteral("txtVal"))->setText(typed);
            dialog->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        mass->trigger();
        QCoreApplication::processEvents(); // the tree repainted
    }
    const model::ParcelList &parcels = model::state().Parcels;
    state.counters["parcels"] = parcels.UBound();
    const int last = rows ? 43 - value : value - 1;
    state.counters["assigned"] = parcels.UBound() >= 1
        && (rows ? parcels[parcels.UBound()].KZ == QString::number(last) : parcels[parcels.UBound()].KV == last);
    window.reset();
    reference::CloseBase();
}
BENCHMARK(BM_BulkAssignment)->ArgName("KZ")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(5)->ReportAggregatesOnly(false);

void BM_CoordinateShift(benchmark::State &state)
{
    auto window = ShowWindowWithFile(state);
    if (!window)
        return;
    window->findChild<QLineEdit *>(QStringLiteral("tVal"))->setText(QStringLiteral("100.5"));
    auto *plus = window->findChild<QToolButton *>(QStringLiteral("byPlus"));
    const double before = model::state().Parcels[1].Points[1].Y;
    int runs = 0;
    for (auto _ : state) {
        plus->click();
        QCoreApplication::processEvents();
        ++runs;
    }
    state.counters["points"] = [] {
        double n = 0;
        for (const model::Parcel &p : model::state().Parcels) {
            n += p.Points.UBound();
            for (const model::LandUseArea &a : p.LandUses)
                n += a.Points.UBound();
        }
        return n;
    }();
    state.counters["shifted"] = model::state().Parcels[1].Points[1].Y == before + 100.5 * runs;
    window.reset();
    reference::CloseBase();
}
BENCHMARK(BM_CoordinateShift)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(false);

} // namespace

int main(int argc, char **argv)
{
    return bench::WidgetBenchmarkMain(argc, argv);
}
