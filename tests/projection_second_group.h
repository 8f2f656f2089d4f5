// tests/projection_second_group.h: the formulas of the second group, for the sweeps and benchmarks.
#pragma once
#include "projection/formulas.h"

inline const ProjectionFormula SECOND_GROUP[] = {
    project_braun_2, project_briesemeister, project_sinusoidal_mollweide, project_robinson,
    project_central_cylindrical, project_oblique_mercator, project_gall_stereographic, project_braun_1,
    project_stereographic_equivalent, project_collignon_1, project_collignon_2, project_nell,
    project_polyconic, project_airy, project_littrow, project_star, project_cycloidal, project_miller,
    project_arden_close, project_nell_hammer, project_eckert, project_winkel, project_craster_parabolic,
    project_kavrayskiy_5, project_wagner, project_wagner_6, project_putnins, project_loximuthal,
    project_quartic_authalic, project_mcbryde_thomas_1, project_the_times, project_erdi_krausz,
    project_hatano, project_mecca_retroazimuthal, project_hinks_reeves, project_winkel_tripel,
    project_wagner_7};
