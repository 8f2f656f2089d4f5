// tools/outline_check/outline_rules.h: the rules the embedded outlines keep, checked on the decoded polygons
// and on what the program's own clipper made of them. Used by the tests and the generator.
#pragma once
#include <string>
#include <vector>

// One broken rule: the polygon, its code, the cell (band -1 when no cell applies).
struct OutlineFault {
    int polygon;
    int code;
    int band;
    int sector;
    std::string rule;
};

// Needs decode_outlines. Per polygon: it closes; no vertex lies on a cell edge; every segment
// passes only through the cells of its two ends, which lie strictly inside them; a polygon
// not wholly inside one cell runs clockwise (x east, y south).
std::vector<OutlineFault> check_outline_rules();

// Needs clip_to_cells. Per polygon and cell: the area of its pieces equals the area of the
// polygon cut to the cell, so no segment was lost and every boundary walk closed right.
std::vector<OutlineFault> check_piece_areas();

std::string describe(const OutlineFault& fault);

// The polygon's area on the sphere in km2 (edges straight in the equal-area cylinder).
double polygon_area_km2(int polygon);
