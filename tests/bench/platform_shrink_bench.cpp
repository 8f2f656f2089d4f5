// tests/bench/platform_shrink_bench.cpp: the averaging shrink of a full-screen map surface.
#include <benchmark/benchmark.h>
#include <vector>
#include "platform/shrink.h"

// A 1920 x 960 surface shrunk by k into the client behind it: k = 2 for 960 x 480, 4 for 480 x 240.
static void BM_ShrinkPixels(benchmark::State& state)
{
    const int k = int(state.range(0));
    std::vector<uint32_t> source(1920 * 960), target(size_t(1920 / k) * (960 / k));
    for (size_t i = 0; i < source.size(); ++i) source[i] = uint32_t(i * 2654435761u);
    const PixelBuffer from{ source.data(), 1920, 960, 1920 };
    const PixelBuffer to{ target.data(), 1920 / k, 960 / k, 1920 / k };
    for (auto _ : state) {
        shrink_pixels(from, to, k, k);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(source.size()));
}
BENCHMARK(BM_ShrinkPixels)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
