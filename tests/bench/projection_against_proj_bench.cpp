// tests/bench/projection_against_proj_bench.cpp: our projection pass side by side with PROJ's
// proj_trans_array on the same points, interleaved entry by entry in one process, printed as a
// table of ns per projected point. PROJ is linked into this benchmark only.
#include <benchmark/benchmark.h>
#include <proj.h>
#include <algorithm>
#include <time.h>
#include <cstdio>
#include <vector>
#include "geo/cells.h"
#include "tests/bench/projection_bench.h"

namespace {

// Catalogue entries and the PROJ definition of the same projection on the unit sphere.
struct ProjEquivalent {
    int index;
    const char* definition;
};

const ProjEquivalent PROJ_EQUIVALENTS[] = {
    {0, "+proj=eqc +R=1"}, {1, "+proj=merc +R=1"}, {2, "+proj=cea +R=1"}, {3, "+proj=cc +R=1"},
    {4, "+proj=gall +R=1"}, {8, "+proj=mill +R=1"}, {9, "+proj=cass +R=1"}, {10, "+proj=tmerc +R=1"},
    {11, "+proj=tcea +R=1"}, {12, "+proj=tcc +R=1"},
    {14, "+proj=eqdc +R=1 +lat_1=45 +lat_2=45"}, {15, "+proj=eqdc +R=1 +lat_1=20 +lat_2=60"},
    {16, "+proj=murd1 +R=1 +lat_1=20 +lat_2=60"}, {17, "+proj=murd2 +R=1 +lat_1=20 +lat_2=60"},
    {18, "+proj=murd3 +R=1 +lat_1=20 +lat_2=60"}, {19, "+proj=lcc +R=1 +lat_1=20 +lat_2=60"},
    {20, "+proj=euler +R=1 +lat_1=20 +lat_2=60"}, {21, "+proj=pconic +R=1 +lat_1=20 +lat_2=60"},
    {23, "+proj=tissot +R=1 +lat_1=20 +lat_2=60"}, {24, "+proj=vitk1 +R=1 +lat_1=20 +lat_2=60"},
    {25, "+proj=leac +R=1 +lat_1=0"}, {26, "+proj=aea +R=1 +lat_1=20 +lat_2=60"},
    {27, "+proj=poly +R=1"}, {28, "+proj=rpoly +R=1"},
    {30, "+proj=ortho +R=1 +lat_0=90"}, {31, "+proj=ortho +R=1 +lat_0=0"}, {32, "+proj=ortho +R=1 +lat_0=30"},
    {33, "+proj=gnom +R=1 +lat_0=90"}, {34, "+proj=gnom +R=1 +lat_0=0"}, {35, "+proj=gnom +R=1 +lat_0=30"},
    {36, "+proj=stere +R=1 +lat_0=90"}, {37, "+proj=stere +R=1 +lat_0=0"}, {38, "+proj=stere +R=1 +lat_0=30"},
    {39, "+proj=aeqd +R=1 +lat_0=90"}, {40, "+proj=aeqd +R=1 +lat_0=90"}, {41, "+proj=aeqd +R=1 +lat_0=90"},
    {42, "+proj=aeqd +R=1 +lat_0=0"}, {43, "+proj=laea +R=1 +lat_0=90"}, {44, "+proj=laea +R=1 +lat_0=0"},
    {49, "+proj=airy +R=1 +lat_0=30"}, {53, "+proj=collg +R=1"}, {56, "+proj=moll +R=1"},
    {57, "+proj=aitoff +R=1"}, {58, "+proj=hammer +R=1"}, {61, "+proj=nell +R=1"}, {62, "+proj=nell_h +R=1"},
    {63, "+proj=wintri +R=1"}, {64, "+proj=robin +R=1"}, {65, "+proj=times +R=1"}, {66, "+proj=hatano +R=1"},
    {67, "+proj=sinu +R=1"}, {68, "+proj=fouc +R=1"}, {69, "+proj=goode +R=1"}, {70, "+proj=boggs +R=1"},
    {71, "+proj=crast +R=1"}, {72, "+proj=kav5 +R=1"}, {73, "+proj=qua_aut +R=1"}, {74, "+proj=mbt_s +R=1"},
    {76, "+proj=eck1 +R=1"}, {77, "+proj=eck2 +R=1"}, {78, "+proj=eck3 +R=1"}, {79, "+proj=eck4 +R=1"},
    {80, "+proj=eck5 +R=1"}, {81, "+proj=eck6 +R=1"}, {82, "+proj=wink1 +R=1"}, {83, "+proj=wink2 +R=1"},
    {84, "+proj=wag1 +R=1"}, {85, "+proj=wag2 +R=1"}, {86, "+proj=wag3 +R=1"}, {87, "+proj=wag4 +R=1"},
    {88, "+proj=wag5 +R=1"}, {89, "+proj=wag6 +R=1"}, {90, "+proj=wag7 +R=1"},
    {91, "+proj=putp1 +R=1"}, {92, "+proj=putp2 +R=1"}, {93, "+proj=putp3 +R=1"}, {94, "+proj=putp3p +R=1"},
    {95, "+proj=putp4p +R=1"}, {96, "+proj=putp5 +R=1"}, {97, "+proj=putp5p +R=1"}, {98, "+proj=putp6 +R=1"},
    {99, "+proj=putp6p +R=1"}, {102, "+proj=bonne +R=1 +lat_1=45"}, {103, "+proj=nicol +R=1"},
    {104, "+proj=bacon +R=1"}, {105, "+proj=apian +R=1"}, {107, "+proj=lagrng +R=1"},
    {118, "+proj=imoll +R=1"}, {119, "+proj=igh +R=1"}, {120, "+proj=igh_o +R=1"},
    {126, "+proj=loxim +R=1 +lat_1=51.5"},
};

const double DEGREE = 3.14159265358979323846 / 180.0;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

// The thread's own CPU time: the machine is shared, and a wait for a core is not our work.
double cpu_nanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e9 + now.tv_nsec;
}

// The longitude and latitude (radians) of every point the pass kept, in projected order.
void kept_points_as_lon_lat(const ProjectedMap& map, int rotation, std::vector<PJ_COORD>& points)
{
    points.clear();
    int band = 0, sector = 0, piece = 0;
    const CellPoint* in = cell_points;
    for (int i = 0; i < cell_list_length;) {
        if (cell_list[i] < 0) {
            if (++sector == SECTOR_COUNT) {
                sector = 0;
                ++band;
            }
            ++i;
            continue;
        }
        const int count = cell_list[i + 1];
        if (map.list[2 * piece + 1] != 0) {
            const int west = 15 * ((rotation + sector) % SECTOR_COUNT) - 180;
            for (int k = 0; k < count; ++k)
                points.push_back(proj_coord((west + in[k].x) * DEGREE, (90.0 - 30 * band - in[k].y) * DEGREE, 0, 0));
        }
        in += count;
        ++piece;
        i += 2;
    }
}

struct EntryTimes {
    std::vector<double> ours;   // ns per kept point, one per round
    std::vector<double> proj;
    std::vector<double> pass;   // ns per whole pass
};

// Rounds of every entry, one rotation per round; each round times our pass, then PROJ on the
// points that pass kept (copied in untimed, since proj_trans_array works in place), both in
// the thread's CPU time.
void compare_with_proj(benchmark::State& state)
{
    prepare_projection_cells();
    PJ_CONTEXT* context = proj_context_create();
    proj_log_level(context, PJ_LOG_NONE);   // points beyond a projection's domain are expected
    PJ* equivalents[PROJECTION_COUNT] = {};
    for (const ProjEquivalent& e : PROJ_EQUIVALENTS) {
        equivalents[e.index] = proj_create(context, e.definition);
        if (!equivalents[e.index]) state.SkipWithError(e.definition);
    }
    EntryTimes times[PROJECTION_COUNT];
    std::vector<PJ_COORD> source, work;
    for (auto _ : state)
        for (int round = 0; round < ROTATION_STEPS; ++round)
            for (int index = 0; index < PROJECTION_COUNT; ++index) {
                double start = cpu_nanoseconds();
                const ProjectedMap map = project_all(index, round);
                const double pass = cpu_nanoseconds() - start;
                benchmark::DoNotOptimize(map.points[0]);
                const int kept = map.point_count > 0 ? map.point_count : 1;
                times[index].pass.push_back(pass);
                times[index].ours.push_back(pass / kept);
                if (!equivalents[index]) continue;
                kept_points_as_lon_lat(map, round, source);
                work = source;
                start = cpu_nanoseconds();
                proj_trans_array(equivalents[index], PJ_FWD, work.size(), work.data());
                times[index].proj.push_back((cpu_nanoseconds() - start) / kept);
                benchmark::DoNotOptimize(work[0]);
            }

    std::printf("\n%-44s %12s %12s %8s %12s\n", "entry (median of 24 rotations)", "ours ns/pt", "PROJ ns/pt",
                "ratio", "ours ms/pass");
    std::vector<double> ratios;
    double slowest_pass = 0.0;
    int slowest = 0;
    for (int index = 0; index < PROJECTION_COUNT; ++index) {
        const double pass = median(times[index].pass);
        if (pass > slowest_pass) {
            slowest_pass = pass;
            slowest = index;
        }
        char label[64];
        std::snprintf(label, sizeof label, "%03d %s", index, ascii_projection_name(index).c_str());
        const double ours = median(times[index].ours);
        if (!equivalents[index]) {
            std::printf("%-44s %12.1f %12s %8s %12.3f\n", label, ours, "-", "-", pass * 1e-6);
            continue;
        }
        const double proj = median(times[index].proj);
        ratios.push_back(proj / ours);
        std::printf("%-44s %12.1f %12.1f %7.2fx %12.3f\n", label, ours, proj, proj / ours, pass * 1e-6);
    }
    const double lowest = *std::min_element(ratios.begin(), ratios.end());
    std::printf("%zu entries against PROJ: median ratio %.2fx, lowest %.2fx; slowest whole pass %.3f ms "
                "(entry %d, %d cell points)\n\n",
                ratios.size(), median(ratios), lowest, slowest_pass * 1e-6, slowest, cell_point_count);
    state.counters["median_ratio"] = median(ratios);
    state.counters["lowest_ratio"] = lowest;
    state.counters["slowest_pass_ms"] = slowest_pass * 1e-6;
    for (PJ* p : equivalents)
        if (p) proj_destroy(p);
    proj_context_destroy(context);
}

BENCHMARK(compare_with_proj)->Name("project_all_against_proj")->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
