// geo/outlines.h: the decoded world outlines: closed polygons tagged with country codes.
// Filled once by decode_outlines at start-up, read-only afterwards.
#pragma once
#include <stdint.h>

struct GeoPoint {
    float x;   // longitude, degrees east
    float y;   // colatitude, degrees south of the North Pole (0..180)
};

struct PolygonEntry {
    int32_t country;   // country code 1..237; 0 for entry 0, the sea
    int32_t first;     // index of the polygon's first point; the next entry's first ends it
};

const int POLYGON_CAPACITY = 512;
const int OUTLINE_POINT_CAPACITY = 18079;
const int NODE_CAPACITY = 512;
const int STORED_RUN_CAPACITY = 512;

extern GeoPoint outline_points[OUTLINE_POINT_CAPACITY];
extern int outline_point_count;
// Entry 0 is the sea; polygons 1..polygon_count-1; entry polygon_count holds only the end index.
extern PolygonEntry polygons[POLYGON_CAPACITY + 1];
extern int polygon_count;

// Figures of the last decode, for the generator's checks and the tests.
struct DecodeFigures {
    int nodes;
    int stored_runs;
};

// Expands an outline stream (ended by a zero byte where a country code would stand) into
// outline_points and polygons. The stream is trusted: it fits every capacity.
DecodeFigures decode_outlines(const unsigned char* stream);

inline int polygon_point_count(int polygon) { return polygons[polygon + 1].first - polygons[polygon].first; }
