// The drawing library on a file's worth of parcels: 20,000 parcels of 20 points each on a grid,
// fitted and painted into a 1200 x 900 image, and hit tests on the result.
#include "draw/draw.h"
#include "draw/imagewindow.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;
constexpr int kPointsPerSide = 5;

// One Draw per grid cell (50 m north by 60 m east), its 20 points walked round the cell's edge
// with a little noise, coloured as the main window colours parcels.
std::shared_ptr<draw::DrawObjColl> parcels()
{
    auto coll = draw::Create<draw::DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.5, 1.5);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto d = coll->Add();
            d->FillColor(d->SetFillColor(142, 193, 241));
            d->BorderColors(d->SetBorderColor(draw::Red));
            const double x0 = 5400000 + row * 50.0, y0 = 1300000 + column * 60.0;
            const double corners[5][2] = {{x0, y0}, {x0, y0 + 60}, {x0 + 50, y0 + 60}, {x0 + 50, y0}, {x0, y0}};
            for (int side = 0; side < 4; ++side)
                for (int k = 0; k < kPointsPerSide; ++k) {
                    const double t = double(k) / kPointsPerSide;
                    const double x = corners[side][0] + t * (corners[side + 1][0] - corners[side][0]);
                    const double y = corners[side][1] + t * (corners[side + 1][1] - corners[side][1]);
                    d->pointsR()->Add(x + (k ? noise(random) : 0), y + (k ? noise(random) : 0));
                }
        }
    }
    return coll;
}

void BM_FitAndPaint(benchmark::State &state)
{
    auto coll = parcels();
    draw::ImageWindow window(1200, 900);
    const bool markers = state.range(0) != 0;
    for (auto _ : state)
        coll->DrawPict(window, markers);
}
BENCHMARK(BM_FitAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HitTest(benchmark::State &state)
{
    auto coll = parcels();
    draw::ImageWindow window(1200, 900);
    coll->DrawPict(window, false);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> x(0, 1199), y(0, 899);
    std::vector<std::pair<int, int>> positions(10000);
    for (auto &p : positions)
        p = {x(random), y(random)};
    size_t next = 0;
    for (auto _ : state) {
        const auto [px, py] = positions[next];
        next = (next + 1) % positions.size();
        coll->GetSelected(window, px, py);
    }
}
BENCHMARK(BM_HitTest)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace
