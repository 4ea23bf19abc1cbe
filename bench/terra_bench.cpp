// The territory dialog over the whole classifier (27 regions, 691 districts and cities, 11,565
// councils, 28,388 settlements): opening it (the regions and the Kyiv region's districts listed),
// and the picks that fill the largest lists, from the pick to the dialog repainted.

#include "bench/basecopy.h"
#include "bench/widgetmain.h"
#include "platform/scriptedprompts.h"
#include "reference/baseconnection.h"
#include "reference/forms/frmTerra.h"

#include <QComboBox>
#include <memory>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

bool openBase(benchmark::State &state)
{
    QString error;
    if (!bench::OpenCopyOfBase(folder().path(), bench::BuildProgramDir(), &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return false;
    }
    platform::setPrompts(std::make_unique<platform::ScriptedPrompts>());
    return true;
}

// The id of the unit whose children (or settlements) are the most, with its parent.
std::pair<int, int> largest(const QString &sql)
{
    reference::RecordSet rs = reference::BaseConn().Execute(sql);
    rs.MoveFirst();
    return {rs.Value(QStringLiteral("parent")).toInt(), rs.Value(QStringLiteral("id")).toInt()};
}

void pick(QComboBox *list, int id)
{
    const int i = list->findData(id);
    list->setCurrentIndex(i);
    emit list->activated(i);
}

void BM_TerraOpen(benchmark::State &state)
{
    if (!openBase(state))
        return;
    for (auto _ : state) {
        frmTerra dialog;
        dialog.show();
        QCoreApplication::processEvents();
    }
    reference::CloseBase();
}
BENCHMARK(BM_TerraOpen)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The district with the most councils (50): its pick lists them.
void BM_TerraPickLargestDistrict(benchmark::State &state)
{
    if (!openBase(state))
        return;
    const auto [region, district] = largest(QStringLiteral(
        "SELECT d.a_rada_papa_id AS parent, d.a_rada_id AS id FROM a_rada d JOIN a_rada c ON c.a_rada_papa_id = "
        "d.a_rada_id WHERE d.a_rada_level = 2 GROUP BY d.a_rada_id ORDER BY count(*) DESC LIMIT 1"));
    frmTerra dialog;
    dialog.show();
    auto *obl = dialog.findChild<QComboBox *>(QStringLiteral("cmbObl"));
    auto *reg = dialog.findChild<QComboBox *>(QStringLiteral("cmbReg"));
    pick(obl, region);
    for (auto _ : state) {
        pick(reg, district);
        QCoreApplication::processEvents();
    }
    state.counters["councils"] = dialog.findChild<QComboBox *>(QStringLiteral("cmbRada"))->count();
    reference::CloseBase();
}
BENCHMARK(BM_TerraPickLargestDistrict)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The council with the most settlements: its pick lists them.
void BM_TerraPickLargestCouncil(benchmark::State &state)
{
    if (!openBase(state))
        return;
    const auto [district, council] = largest(QStringLiteral(
        "SELECT c.a_rada_papa_id AS parent, c.a_rada_id AS id FROM a_rada c JOIN a_selo s ON s.a_rada_id = c.a_rada_id "
        "GROUP BY c.a_rada_id ORDER BY count(*) DESC LIMIT 1"));
    const int region = reference::RadaRowById(district)->parentId;
    frmTerra dialog;
    dialog.show();
    pick(dialog.findChild<QComboBox *>(QStringLiteral("cmbObl")), region);
    pick(dialog.findChild<QComboBox *>(QStringLiteral("cmbReg")), district);
    auto *rada = dialog.findChild<QComboBox *>(QStringLiteral("cmbRada"));
    for (auto _ : state) {
        pick(rada, council);
        QCoreApplication::processEvents();
    }
    state.counters["settlements"] = dialog.findChild<QComboBox *>(QStringLiteral("cmbSelo"))->count();
    reference::CloseBase();
}
BENCHMARK(BM_TerraPickLargestCouncil)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    return bench::WidgetBenchmarkMain(argc, argv);
}
