// projection/projection.h: the catalogue record, the per-piece context handed to a formula,
// and the projection pass that fills the projected piece list and points.
#pragma once
#include <stdint.h>
#include "geo/cells.h"

struct ProjectionContext;
// Writes all ctx.count points to ctx.output and returns ctx.count, or writes none and returns 0.
typedef int (*ProjectionFormula)(const ProjectionContext& ctx);

struct ProjectionEntry {
    // bits 31-28 menu group 1..5, 27-24 section, 23-16 variant, 15-0 year code
    // (signed: year x 2 + circa flag, negative for BC)
    uint32_t packed;
    ProjectionFormula formula;
};

struct ProjectionContext {
    const ProjectionEntry* entry;
    int sector;              // 0..23, the piece's sector as stored (before rotation)
    int band;                // 0..5
    const float* input;      // count cell-local points (x, y pairs)
    float* output;           // where the formula writes count projected points
    int count;
    int rotation;            // 0..23
};

const int PROJECTION_COUNT = 128;
const int PROJECTED_LIST_CAPACITY = 2048;
const int PROJECTED_POINT_CAPACITY = 65536;
const int ROTATION_STEPS = 24;

extern const ProjectionEntry PROJECTION_CATALOGUE[];   // PROJECTION_COUNT entries

inline int group_byte_of(const ProjectionEntry& e) { return int(e.packed >> 24); }
inline int variant_of(const ProjectionContext& ctx) { return int((ctx.entry->packed >> 16) & 0xFF); }
inline int year_code_of(const ProjectionEntry& e) { return int(int16_t(e.packed & 0xFFFF)); }
// (rotation + sector) mod 24: where the piece is shown
inline int display_sector(const ProjectionContext& ctx) { return (ctx.rotation + ctx.sector) % SECTOR_COUNT; }

// Pairs (polygon number, projected count) in cell-list order, without separators;
// a dropped piece stays with count 0.
extern int32_t projected_list[PROJECTED_LIST_CAPACITY];
extern int projected_list_length;
extern float projected_points[2 * PROJECTED_POINT_CAPACITY];   // x, y pairs in map units
extern int projected_point_count;

// What a pass produced, as the map reads it: the projected list and points above.
struct ProjectedMap {
    const int32_t* list;   // pairs (polygon number, projected count)
    int list_length;
    const float* points;   // x, y pairs in map units, piece after piece
    int point_count;
};

// Runs catalogue entry `index` over every piece of the cell list with the given rotation.
ProjectedMap project_all(int index, int rotation);
// The same pass with any entry (a formula and its variant), for the tests and benchmarks.
ProjectedMap project_pieces(const ProjectionEntry& entry, int rotation);
