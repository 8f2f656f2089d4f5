// tests/bench/projection_first_group_bench.cpp: project_all for every entry of the cylindrical,
// conic, azimuthal, oval and globular and star-shaped formulas, in ns per cell point.
#include "tests/bench/projection_bench.h"
#include "projection/formulas.h"

static const ProjectionFormula FIRST_GROUP[] = {
    project_mercator, project_cylindrical_equal_area, project_transverse_cylindrical,
    project_simple_conic, project_equidistant_conic, project_conic, project_ptolemy_1, project_ptolemy_2,
    project_bonne, project_stabius_werner, project_double_cordiform,
    project_polar_orthographic, project_equatorial_orthographic, project_oblique_orthographic,
    project_polar_gnomonic, project_equatorial_gnomonic, project_oblique_gnomonic,
    project_polar_perspective, project_equatorial_stereographic, project_oblique_stereographic,
    project_polar_azimuthal_equidistant, project_polar_azimuthal_equidistant_interrupted,
    project_polar_azimuthal_equidistant_worldwide, project_equatorial_azimuthal_equidistant,
    project_polar_azimuthal_equal_area, project_equatorial_azimuthal_equal_area,
    project_bordone, project_aitoff_hammer, project_oval, project_globular, project_apian_1, project_apian_2,
    project_lagrange, project_nicolosi_gore, project_octant, project_four_lobed_star,
};

static bool register_first_group()
{
    for (ProjectionFormula formula : FIRST_GROUP) register_projection_benchmarks(formula);
    return true;
}

static const bool first_group_registered = register_first_group();
