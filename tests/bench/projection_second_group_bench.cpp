// tests/bench/projection_second_group_bench.cpp: project_all for every entry served by the second
// group of formulas, in ns per cell point.
#include "tests/bench/projection_bench.h"
#include "tests/projection_second_group.h"

static bool register_second_group()
{
    for (ProjectionFormula formula : SECOND_GROUP) register_projection_benchmarks(formula);
    return true;
}

static const bool second_group_registered = register_second_group();
