// tests/bench/projection_bench.h: benchmarks of the projection pass over the embedded cells,
// reported as time per cell point ("per_point", e.g. 12.5n = 12.5 ns).
#pragma once
#include "projection/projection.h"

// Registers "project_all/<index> <name>" for one catalogue entry.
void register_projection_benchmark(int index);
// Registers every catalogue entry that uses the formula, e.g. from a formula group's bench file:
//   static const bool registered = (register_projection_benchmarks(project_conic), true);
void register_projection_benchmarks(ProjectionFormula formula);
