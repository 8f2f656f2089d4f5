// projection/pass.cpp: the projection pass. It rewrites the projected list and points completely
// on every call, so the map, the metafile export and the icon can share them in turn.
#include "projection/projection.h"
#include "platform/core_assert.h"

int32_t projected_list[PROJECTED_LIST_CAPACITY];
int projected_list_length;
float projected_points[2 * PROJECTED_POINT_CAPACITY];
int projected_point_count;

// Walks the cell list once: a separator moves to the next cell, a piece goes to the formula,
// whose result (0 or the piece's count) is listed with the polygon number.
ProjectedMap project_pieces(const ProjectionEntry& entry, int rotation)
{
    CORE_ASSERT(rotation >= 0 && rotation < ROTATION_STEPS);
    ProjectionContext ctx = { &entry, 0, 0, &cell_points[0].x, projected_points, 0, rotation };
    projected_list_length = 0;
    int written = 0;
    for (int i = 0; i < cell_list_length;) {
        if (cell_list[i] < 0) {
            if (++ctx.sector == SECTOR_COUNT) {
                ctx.sector = 0;
                ++ctx.band;
            }
            ++i;
            continue;
        }
        ctx.count = cell_list[i + 1];
        const int kept = entry.formula(ctx);
        CORE_ASSERT(kept == 0 || kept == ctx.count);
        projected_list[projected_list_length++] = cell_list[i];
        projected_list[projected_list_length++] = kept;
        ctx.output += 2 * kept;
        ctx.input += 2 * ctx.count;
        written += kept;
        i += 2;
    }
    projected_point_count = written;
    return ProjectedMap{projected_list, projected_list_length, projected_points, projected_point_count};
}

ProjectedMap project_all(int index, int rotation)
{
    CORE_ASSERT(index >= 0 && index < PROJECTION_COUNT);
    return project_pieces(PROJECTION_CATALOGUE[index], rotation);
}
