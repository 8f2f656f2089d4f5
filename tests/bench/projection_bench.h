// tests/bench/projection_bench.h: benchmarks of the projection pass over the embedded cells,
// reported as time per cell point ("per_point", e.g. 12.5n = 12.5 ns).
#pragma once
#include <string>
#include "projection/projection.h"

// Decodes the embedded outlines and cuts them into cells, once per process.
void prepare_projection_cells();
// The catalogue name in ASCII for the report: code page 1252 letters become '?'.
std::string ascii_projection_name(int index);
