// geo/cell_clipper.cpp: cuts every outline polygon into the 144 cells (see cells.h).
// Cut pieces rely on clockwise outlines (x east, y south): the cell boundary is walked clockwise.
#include "geo/cells.h"
#include "platform/core_assert.h"

int32_t cell_list[CELL_LIST_CAPACITY];
int cell_list_length;
CellPoint cell_points[CELL_POINT_CAPACITY];
int cell_point_count;

namespace {

enum Edge { USED = 0, NORTH = 1, EAST = 2, SOUTH = 3, WEST = 4 };
// exit edge, three whole edges, and the exit edge again from its start corner
const int MOST_EDGES_WALKED = 5;

struct Cell {
    float x0, y0;   // north-west corner
    float x1, y1;   // south-east corner
};

struct Crossing {
    int entry_edge;   // USED once a piece has taken it
    GeoPoint entry;
    int entry_index;  // the first inside point
    int exit_edge;
    GeoPoint exit;
    int exit_index;   // the first point after leaving
};

// Where the current cell may write; the room behind the limits is held for later frames.
struct Output {
    int list_limit;
    int point_limit;
    bool overflow;
};

Crossing crossings[CROSSING_CAPACITY];
bool polygon_was_cut[POLYGON_CAPACITY + 1];
Output output;
Cell cell;

void append_entry(int32_t value)
{
    if (cell_list_length >= output.list_limit) {
        output.overflow = true;
        return;
    }
    cell_list[cell_list_length++] = value;
}

void append_local(float x, float y)
{
    if (cell_point_count >= output.point_limit) {
        output.overflow = true;
        return;
    }
    cell_points[cell_point_count++] = CellPoint{x, y};
}

void append_geo(const GeoPoint& p) { append_local(p.x - cell.x0, p.y - cell.y0); }

bool strictly_inside(const GeoPoint& p)
{
    return cell.x0 < p.x && p.x < cell.x1 && cell.y0 < p.y && p.y < cell.y1;
}

// Clockwise from the north-west corner, 1 degree apart, ending where it began.
void append_frame()
{
    append_entry(0);
    for (int x = 0; x < 15; ++x) append_local(float(x), 0.0f);
    for (int y = 0; y < 30; ++y) append_local(15.0f, float(y));
    for (int x = 15; x > 0; --x) append_local(float(x), 30.0f);
    for (int y = 30; y >= 0; --y) append_local(0.0f, float(y));
    append_entry(FRAME_POINT_COUNT);
}

// The edge through which prev (outside) -> q (strictly inside) enters, the smallest parameter t
// measured from q winning and the later edge winning a tie; sets the entry point.
void find_entry(const GeoPoint& prev, const GeoPoint& q, Crossing& record)
{
    float t = 1.0f;
    int edge = USED;
    if (prev.y <= cell.y0 && cell.y0 <= q.y) {
        const float u = (q.y - cell.y0) / (q.y - prev.y);
        if (u <= t) { t = u; edge = NORTH; }
    }
    if (q.x <= cell.x1 && cell.x1 <= prev.x) {
        const float u = (cell.x1 - q.x) / (prev.x - q.x);
        if (u <= t) { t = u; edge = EAST; }
    }
    if (q.y <= cell.y1 && cell.y1 <= prev.y) {
        const float u = (cell.y1 - q.y) / (prev.y - q.y);
        if (u <= t) { t = u; edge = SOUTH; }
    }
    if (prev.x <= cell.x0 && cell.x0 <= q.x) {
        const float u = (q.x - cell.x0) / (q.x - prev.x);
        if (u <= t) { t = u; edge = WEST; }
    }
    CORE_ASSERT(edge != USED);   // prev lies on or beyond some edge that q lies within
    record.entry_edge = edge;
    record.entry = GeoPoint{q.x + (prev.x - q.x) * t, q.y + (prev.y - q.y) * t};
}

// Whether prev (inside) -> q leaves the cell; if so sets the exit edge and point, t measured
// from prev, the later edge winning a tie.
bool find_exit(const GeoPoint& prev, const GeoPoint& q, Crossing& record)
{
    float t = 1.0f;
    int edge = USED;
    if (q.y <= cell.y0 && cell.y0 <= prev.y) {
        const float u = (prev.y - cell.y0) / (prev.y - q.y);
        if (u <= t) { t = u; edge = NORTH; }
    }
    if (prev.x <= cell.x1 && cell.x1 <= q.x) {
        const float u = (cell.x1 - prev.x) / (q.x - prev.x);
        if (u <= t) { t = u; edge = EAST; }
    }
    if (prev.y <= cell.y1 && cell.y1 <= q.y) {
        const float u = (cell.y1 - prev.y) / (q.y - prev.y);
        if (u <= t) { t = u; edge = SOUTH; }
    }
    if (q.x <= cell.x0 && cell.x0 <= prev.x) {
        const float u = (prev.x - cell.x0) / (prev.x - q.x);
        if (u <= t) { t = u; edge = WEST; }
    }
    if (edge == USED) return false;
    record.exit_edge = edge;
    record.exit = GeoPoint{prev.x + (q.x - prev.x) * t, prev.y + (q.y - prev.y) * t};
    return true;
}

// First pass: the crossing records of a polygon of n points, starting from point a (not
// strictly inside) and ending on it, so every record is closed. Returns their count.
int find_crossings(const GeoPoint* points, int n, int a)
{
    int count = 0;
    bool inside = false;
    GeoPoint prev = points[a];
    for (int step = 1; step <= n; ++step) {
        const int j = (a + step) % n;
        const GeoPoint q = points[j];
        if (!inside) {
            if (strictly_inside(q)) {
                CORE_ASSERT(count < CROSSING_CAPACITY);
                find_entry(prev, q, crossings[count]);
                crossings[count].entry_index = j;
                inside = true;
            }
        } else if (find_exit(prev, q, crossings[count])) {
            crossings[count].exit_index = j;
            ++count;
            inside = false;
        }
        prev = q;
    }
    return count;
}

// How far a record's entry lies ahead of the walking point w on an edge walked clockwise.
double distance_ahead(int edge, const GeoPoint& w, const GeoPoint& entry)
{
    switch (edge) {
    case NORTH: return double(entry.x) - w.x;
    case EAST:  return double(entry.y) - w.y;
    case SOUTH: return double(w.x) - entry.x;
    default:    return double(w.y) - entry.y;
    }
}

// Walks the boundary clockwise from the exit point of a record, appending the snapped exit
// point, each corner passed and a point every degree, and returns the first open record met.
// Entries strictly between the walking point and the edge's end corner are met as they come.
// An entry lying on a corner (or a hair beyond it) is met too: at the start corner of its edge
// when the walk arrives there, or at the end corner when nothing comes before; without that a
// walk could circle forever. The start record of a piece is open during every walk, and every
// edge is reached at its start corner within the walk, so a record is always found.
int walk_boundary(const Crossing& from, int count, int start_record)
{
    int edge = from.exit_edge;
    GeoPoint w = from.exit;
    for (int walked = 0; walked < MOST_EDGES_WALKED; ++walked) {
        const bool from_corner = walked > 0;
        double end;
        switch (edge) {
        case NORTH: w.y = cell.y0; end = double(cell.x1) - w.x; break;
        case EAST:  w.x = cell.x1; end = double(cell.y1) - w.y; break;
        case SOUTH: w.y = cell.y1; end = double(w.x) - cell.x0; break;
        default:    w.x = cell.x0; end = double(w.y) - cell.y0; break;
        }
        append_geo(w);
        double d = end;
        int chosen = -1;
        for (int k = 0; k < count; ++k) {
            if (crossings[k].entry_edge != edge) continue;
            double ahead = distance_ahead(edge, w, crossings[k].entry);
            if (ahead <= 0.0) {
                if (!from_corner) continue;   // behind the exit point: met on the way round
                ahead = 0.0;
            } else if (ahead >= end) {
                ahead = end;
            }
            if (chosen < 0 ? ahead <= d : ahead < d) {
                d = ahead;
                chosen = k;
            }
        }
        while (d > 1.0) {
            switch (edge) {
            case NORTH: w.x += 1.0f; break;
            case EAST:  w.y += 1.0f; break;
            case SOUTH: w.x -= 1.0f; break;
            default:    w.y -= 1.0f; break;
            }
            d -= 1.0;
            append_geo(w);
        }
        if (chosen >= 0) return chosen;
        edge = edge % 4 + 1;
    }
    CORE_ASSERT(false);   // unreachable: see above
    return start_record;
}

// Second pass: joins the inside runs of the records along the boundary into pieces.
void assemble_pieces(int polygon, const GeoPoint* points, int n, int count)
{
    int open_records = count;
    while (open_records > 0) {
        append_entry(polygon);
        const int first_point = cell_point_count;
        int start = 0;
        for (int k = count - 1; k >= 1; --k) {
            if (crossings[k].entry_edge != USED) {
                start = k;
                break;
            }
        }
        int r = start;
        for (;;) {
            append_geo(crossings[r].entry);
            for (int j = crossings[r].entry_index; j != crossings[r].exit_index; j = (j + 1) % n) {
                append_geo(points[j]);
            }
            const int f = walk_boundary(crossings[r], count, start);
            crossings[f].entry_edge = USED;
            --open_records;
            if (f == start) break;
            r = f;
        }
        append_entry(cell_point_count - first_point);
    }
}

// Cuts polygon i, starting from its point a, which is not strictly inside the cell.
void cut_polygon(int polygon, int a, ClipFigures& figures)
{
    const GeoPoint* points = outline_points + polygons[polygon].first;
    const int n = polygon_point_count(polygon);
    const int count = find_crossings(points, n, a);
    if (count > figures.most_crossings) figures.most_crossings = count;
    polygon_was_cut[polygon] = true;
    assemble_pieces(polygon, points, n, count);
}

// Polygon i has its point k strictly inside the cell: cut it from the point before k, or from
// the last point not inside; copy it whole if every point is inside (the closing point
// repeats point 0, so point 0 being inside stands for it).
void clip_polygon(int polygon, int k, ClipFigures& figures)
{
    const GeoPoint* points = outline_points + polygons[polygon].first;
    const int n = polygon_point_count(polygon);
    if (k >= 1) {
        cut_polygon(polygon, k - 1, figures);
        return;
    }
    for (int m = n - 1; m >= 1; --m) {
        if (!strictly_inside(points[m])) {
            cut_polygon(polygon, m, figures);
            return;
        }
    }
    append_entry(polygon);
    for (int j = 0; j < n; ++j) append_geo(points[j]);
    append_entry(n);
}

int first_inside_point(int polygon)
{
    const GeoPoint* points = outline_points + polygons[polygon].first;
    const int n = polygon_point_count(polygon);
    for (int k = 0; k < n; ++k) {
        if (strictly_inside(points[k])) return k;
    }
    return -1;
}

}  // namespace

ClipFigures clip_to_cells()
{
    ClipFigures figures{0, 0, 0};
    cell_list_length = 0;
    cell_point_count = 0;
    for (int i = 0; i < polygon_count; ++i) polygon_was_cut[i] = false;
    int cells_left = CELL_COUNT;
    float y0 = 0.0f;
    for (int band = 0; band < BAND_COUNT; ++band, y0 += BAND_HEIGHT_DEG) {
        float x0 = -180.0f;
        for (int sector = 0; sector < SECTOR_COUNT; ++sector, x0 += SECTOR_WIDTH_DEG) {
            cell = Cell{x0, y0, x0 + SECTOR_WIDTH_DEG, y0 + BAND_HEIGHT_DEG};
            --cells_left;
            // hold back the separator of this cell and the frames and separators of the rest
            output = Output{CELL_LIST_CAPACITY - 1 - 3 * cells_left,
                            CELL_POINT_CAPACITY - FRAME_POINT_COUNT * cells_left, false};
            append_frame();
            for (int i = 1; i < polygon_count; ++i) {
                const int k = first_inside_point(i);
                if (k < 0) continue;
                const int list_mark = cell_list_length;
                const int point_mark = cell_point_count;
                clip_polygon(i, k, figures);
                if (output.overflow) {
                    cell_list_length = list_mark;
                    cell_point_count = point_mark;
                    output.overflow = false;
                    ++figures.dropped_pieces;
                }
            }
            output.list_limit = CELL_LIST_CAPACITY - 3 * cells_left;
            append_entry(-1);
        }
    }
    for (int i = 1; i < polygon_count; ++i) figures.cut_polygons += polygon_was_cut[i];
    return figures;
}
