#include "documents/boundaryneighbours.h"
#include "documents/nearparcels.h"
#include "model/parcel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 100;
constexpr int Columns = 200;
constexpr double Cell = 100;   // metres
constexpr double Step = 20;    // metres between the points of a side

/// 20,000 square parcels in a grid, 20 points each (five to a side), clockwise, every side
/// shared exactly with the next parcel; coordinates as large as real ones.
const model::ParcelList &Grid()
{
    static const model::ParcelList grid = [] {
        model::ParcelList parcels;
        parcels.Reserve(Rows * Columns);
        for (int row = 0; row < Rows; ++row) {
            for (int column = 0; column < Columns; ++column) {
                const double x = 5400000 + row * Cell;
                const double y = 1300000 + column * Cell;
                model::Parcel p;
                p.NM = QStringLiteral("Власник %1-%2").arg(row).arg(column);
                int k = 0;
                const auto add = [&](double px, double py) {
                    p.Points.Add(model::BoundaryPoint{++k, QString(), px, py});
                };
                for (int t = 0; t < 5; ++t) add(x + t * Step, y);               // west side, northwards
                for (int t = 0; t < 5; ++t) add(x + Cell, y + t * Step);        // north side, eastwards
                for (int t = 0; t < 5; ++t) add(x + Cell - t * Step, y + Cell); // east side, southwards
                for (int t = 0; t < 5; ++t) add(x, y + Cell - t * Step);        // south side, westwards
                parcels.Add(std::move(p));
            }
        }
        return parcels;
    }();
    return grid;
}

} // namespace

// The neighbour lists of every parcel of the file, one after another, as a batch builds them.
static void BM_BuildBoundaryNeighboursEveryParcel(benchmark::State &state)
{
    model::ParcelList parcels = Grid();
    size_t entries = 0;
    for (auto _ : state) {
        documents::BoundaryNeighbourBuilder builder(parcels);
        entries = 0;
        for (int i = 1; i <= parcels.UBound(); ++i)
            entries += static_cast<size_t>(builder.build(i).UBound());
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_BuildBoundaryNeighboursEveryParcel)->Unit(benchmark::kMillisecond);

// One parcel on its own, the vertex hash made afresh, as drawing one plan does.
static void BM_BuildBoundaryNeighboursOneParcel(benchmark::State &state)
{
    model::ParcelList parcels = Grid();
    const int32_t middle = (Rows / 2) * Columns + Columns / 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(documents::BuildBoundaryNeighbours(parcels, middle));
}
BENCHMARK(BM_BuildBoundaryNeighboursOneParcel)->Unit(benchmark::kMillisecond);

// The whole neighbour search of one plan drawing.
static void BM_CollectNearParcels(benchmark::State &state)
{
    model::ParcelList parcels = Grid();
    const int32_t middle = (Rows / 2) * Columns + Columns / 2;
    documents::DocParcelList nearParcels, neighbours;
    for (auto _ : state) {
        documents::DocParcel doc;
        doc.ParcelIndex = middle;
        doc.Points = documents::DocPointsOf(parcels[middle].Points);
        documents::CollectNearParcels(parcels, doc, nearParcels, neighbours, middle);
        benchmark::DoNotOptimize(doc.NeighbourNames.UBound());
    }
}
BENCHMARK(BM_CollectNearParcels)->Unit(benchmark::kMillisecond);
