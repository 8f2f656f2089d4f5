// tests/projection_pseudocylindrical_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

struct PoleCase {
    const char* name;
    ProjectionFormula formula;
    int variant;
    double pole_width;   // X at the North Pole for longitude 90, minus 180, divided by 90
    double equator_y;
};

// 1. Anchors: the North Pole at the top (Y = 0) with each map's own pole width, and the
// equator at Y = 90 (lower for the Collignon triangle).
static const PoleCase POLE_CASES[] = {
    {"Stereographic Equivalent", project_stereographic_equivalent, 0, 0.0, 90.0},
    {"Collignon I", project_collignon_1, 0, 0.0, 127.27922},
    {"Collignon II", project_collignon_2, 0, 0.0, 90.0},
    {"Nell", project_nell, 0, 0.5 * (std::cos(1.1060601) + 1.0), 90.0},
    {"Nell-Hammer", project_nell_hammer, 1, 0.5, 90.0},
    {"Eckert I", project_eckert, 1, 0.5, 90.0},
    {"Eckert II", project_eckert, 2, 0.5, 90.0},
    {"Eckert III", project_eckert, 3, 0.5, 90.0},
    {"Eckert IV", project_eckert, 4, 0.5, 90.0},
    {"Eckert V", project_eckert, 5, 0.5, 90.0},
    {"Eckert VI", project_eckert, 6, 0.5, 90.0},
    {"Craster Parabolic", project_craster_parabolic, 0, 0.0, 90.0},
    {"Quartic Authalic", project_quartic_authalic, 0, 0.0, 90.0},
    {"Wagner I", project_wagner, 1, 0.5, 90.0},
    {"Wagner VI", project_wagner_6, 0, 0.5, 90.0},
    {"Putnins P1", project_putnins, 0, 0.0, 90.0},
    {"Putnins P3", project_putnins, 2, 0.0, 90.0},
    {"Putnins P5", project_putnins, 5, 0.0, 90.0},
    {"The Times", project_the_times, 0, 1.0 - 0.46438f * 0.5, 90.0},
};

TEST(ProjectPseudocylindrical, EquatorAndNorthPole)
{
    for (const PoleCase& c : POLE_CASES) {
        SCOPED_TRACE(c.name);
        // equator: band 3, y = 0; display sector 18 puts x = 0 at longitude 90
        const MapPoint equator = project_point(c.formula, c.variant, 3, 18, 0.0f, 0.0f);
        EXPECT_NEAR(equator.y, c.equator_y, 2e-3);
        EXPECT_GT(equator.x, 180.0f);
        const MapPoint pole = project_point(c.formula, c.variant, 0, 18, 0.0f, 0.0f);
        EXPECT_NEAR(pole.y, 0.0, 2e-3);
        // 0.03: at the pole Eckert IV's Newton iteration meets a vanishing derivative and stops
        // a little short of theta = pi/2 after its eight steps
        EXPECT_NEAR(pole.x, 180.0 + 90.0 * c.pole_width, 0.03);
    }
}

TEST(ProjectPseudocylindrical, EquatorialWidths)
{
    // full width 360 at the equator unless the map narrows it
    EXPECT_NEAR(project_point(project_eckert, 1, 3, 23, 15, 0).x, 360.0, PROJECTED_TOLERANCE);
    EXPECT_NEAR(project_point(project_putnins, 0, 3, 23, 15, 0).x, 360.0, PROJECTED_TOLERANCE);
    EXPECT_NEAR(project_point(project_wagner, 3, 3, 23, 15, 0).x, 360.0, PROJECTED_TOLERANCE);
    // Winkel I: 0.6110155 (1 + 2/pi) x 180 at the equator
    EXPECT_NEAR(project_point(project_winkel, 0, 3, 23, 15, 0).x, 180.0 + 0.6110155f * (1.0 + 0.63661975f) * 180.0,
                PROJECTED_TOLERANCE);
    // Loximuthal: h / (ln tan(pi/4) - 1.0520657) with h = -0.89884454 at the equator
    EXPECT_NEAR(project_point(project_loximuthal, 0, 3, 18, 0, 0).x, 180.0 + 90.0 * 0.89884454f / 1.0520657f,
                PROJECTED_TOLERANCE);
}

TEST(ProjectLoximuthal, PolesCollapseToTheCentralMeridian)
{
    EXPECT_MAP_POINT_NEAR(project_point(project_loximuthal, 0, 0, 3, 4, 0), 180.0, 0.0);
    EXPECT_MAP_POINT_NEAR(project_point(project_loximuthal, 0, 5, 20, 4, 30), 180.0, 180.0);
    // the guard at the standard parallel keeps the width 0.62251467 instead of 0 / 0
    const double standard_parallel_deg = 0.89884454f / (3.1415927f * 0.0055555557f);
    const float y = float(60.0 - standard_parallel_deg + 30.0);   // band 1: 90 - 30 - y
    const MapPoint p = project_point(project_loximuthal, 0, 1, 18, 0, y);
    EXPECT_TRUE(std::isfinite(p.x));
}

TEST(ProjectHatano, NorthAndSouthDifferAndYStartsAt91)
{
    EXPECT_NEAR(project_point(project_hatano, 0, 3, 12, 0, 0).y, 91.0, PROJECTED_TOLERANCE);
    const MapPoint north = project_point(project_hatano, 0, 2, 12, 0, 0);   // 30 N
    const MapPoint south = project_point(project_hatano, 0, 3, 12, 0, 30);  // 30 S
    EXPECT_NE(91.0 - north.y, south.y - 91.0);
}

TEST(ProjectErdiKrausz, PartsMeetAtSixtyDegrees)
{
    // 60 N as the bottom of band 0 (Mollweide part) and the top of band 1 (sine part)
    const MapPoint polar = project_point(project_erdi_krausz, 0, 0, 18, 0, 30);
    const MapPoint middle = project_point(project_erdi_krausz, 0, 1, 18, 0, 0);
    EXPECT_NEAR(polar.y, middle.y, 0.5);
    EXPECT_NEAR(polar.x, middle.x, 2.0);
    const MapPoint south_polar = project_point(project_erdi_krausz, 0, 5, 18, 0, 0);
    const MapPoint south_middle = project_point(project_erdi_krausz, 0, 4, 18, 0, 30);
    EXPECT_NEAR(south_polar.y, south_middle.y, 0.5);
}

// 2. Invariants: symmetric about the central meridian and the equator.
TEST(ProjectPseudocylindrical, MirrorSymmetry)
{
    for (const PoleCase& c : POLE_CASES) {
        SCOPED_TRACE(c.name);
        const MapPoint east = project_point(c.formula, c.variant, 1, 16, 5, 10);    // 60-10 N, 65 E
        const MapPoint west = project_point(c.formula, c.variant, 1, 7, 10, 10);    // 65 W
        EXPECT_NEAR(east.x - 180.0, 180.0 - west.x, PROJECTED_TOLERANCE);
        EXPECT_NEAR(east.y, west.y, PROJECTED_TOLERANCE);
        if (c.formula == project_collignon_1) continue;   // a triangle: not symmetric north-south
        const MapPoint south = project_point(c.formula, c.variant, 4, 16, 5, 20);   // 50 S
        EXPECT_NEAR(south.x, east.x, PROJECTED_TOLERANCE);
        EXPECT_NEAR(south.y - 90.0, 90.0 - east.y, PROJECTED_TOLERANCE);
    }
}
