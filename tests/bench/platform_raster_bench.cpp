// tests/bench/platform_raster_bench.cpp: the polygon fill and pen behind Cairo image canvases,
// on a workload shaped like the map: 144 cell frames of 91 points on a 1920 x 960 surface.
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>
#include "platform/raster.h"

namespace {
// 6 bands x 24 sectors of 80 x 160 pixels, each a ring of 91 points along a slightly wavy frame
std::vector<DevicePoint> cell_ring(int sector, int band)
{
    std::vector<DevicePoint> ring;
    const int left = sector * 80, top = band * 160;
    for (int i = 0; i < 91; ++i) {
        const double t = i / 91.0 * 4.0;   // four sides, 22.75 points each
        const int side = int(t);
        const double f = t - side;
        const int wobble = int(3.0 * std::sin(i * 0.7));
        const int x = side == 0 ? int(80 * f) : side == 1 ? 80 : side == 2 ? int(80 * (1 - f)) : 0;
        const int y = side == 0 ? 0 : side == 1 ? int(160 * f) : side == 2 ? 160 : int(160 * (1 - f));
        ring.push_back(DevicePoint{ left + x + wobble, top + y + wobble });
    }
    return ring;
}
}

static void BM_FillAndOutlineMapCells(benchmark::State& state)
{
    std::vector<uint32_t> pixels(1920 * 960);
    const PixelBuffer image{ pixels.data(), 1920, 960, 1920 };
    std::vector<std::vector<DevicePoint>> rings;
    for (int band = 0; band < 6; ++band)
        for (int sector = 0; sector < 24; ++sector) rings.push_back(cell_ring(sector, band));
    for (auto _ : state) {
        for (const std::vector<DevicePoint>& ring : rings) {
            const int n = int(ring.size());
            fill_rings(image, ring.data(), &n, 1, 0xFF204060u);
            outline_ring(image, ring.data(), n, 0xFF000000u);
        }
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_FillAndOutlineMapCells)->Unit(benchmark::kMillisecond);

// One large ring of 4000 points across the whole surface, as a big country piece zoomed in.
static void BM_FillLargeRing(benchmark::State& state)
{
    std::vector<uint32_t> pixels(1920 * 960);
    const PixelBuffer image{ pixels.data(), 1920, 960, 1920 };
    std::vector<DevicePoint> ring;
    for (int i = 0; i < 4000; ++i) {
        const double a = i * 6.283185307179586 / 4000, r = 1.0 + 0.1 * std::sin(a * 37);
        ring.push_back(DevicePoint{ int(960 + 900 * r * std::cos(a)), int(480 + 450 * r * std::sin(a)) });
    }
    const int n = int(ring.size());
    for (auto _ : state) {
        fill_rings(image, ring.data(), &n, 1, 0xFF204060u);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_FillLargeRing)->Unit(benchmark::kMillisecond);
