// tools/outline_check/outline_rules.cpp: the outline rules (see outline_rules.h), hosted C++.
#include "tools/outline_check/outline_rules.h"

#include <cmath>
#include <cstdio>
#include "geo/cells.h"
#include "geo/outlines.h"

namespace {

const double EDGE_MARGIN_DEG = 1e-4;    // closer to a cell edge counts as on it
const double AREA_TOLERANCE_DEG2 = 1e-3;
const double AREA_SHARE_TOLERANCE = 1e-4;
const double EARTH_RADIUS_KM = 6371.0088;
const double PI = 3.14159265358979323846;

struct Point {
    double x, y;
};

int sector_of(double x) { return int(std::floor((x + 180.0) / 15.0)); }
int band_of(double y) { return int(std::floor(y / 30.0)); }

bool on_edge(double x, double y)
{
    const double sx = (x + 180.0) / 15.0;
    const bool near_x = x > -180.0 - EDGE_MARGIN_DEG && x < 180.0 + EDGE_MARGIN_DEG &&
                        std::fabs(sx - std::round(sx)) * 15.0 < EDGE_MARGIN_DEG;
    const double sy = y / 30.0;
    return near_x || std::fabs(sy - std::round(sy)) * 30.0 < EDGE_MARGIN_DEG;
}

// The cells of the two ends, with the sectors outside -180..180 clamped to -1 and 24.
bool segment_keeps_its_cells(const GeoPoint& p, const GeoPoint& q)
{
    int sp = sector_of(p.x), sq = sector_of(q.x);
    sp = sp < -1 ? -1 : sp > 24 ? 24 : sp;
    sq = sq < -1 ? -1 : sq > 24 ? 24 : sq;
    const int bp = band_of(p.y), bq = band_of(q.y);
    if (sp == sq && (bp == bq || sp == -1 || sp == 24)) return true;
    return std::abs(sp - sq) + std::abs(bp - bq) == 1;
}

std::vector<Point> polygon_points(int polygon)
{
    std::vector<Point> out;
    for (int k = polygons[polygon].first; k < polygons[polygon + 1].first; ++k) {
        out.push_back(Point{outline_points[k].x, outline_points[k].y});
    }
    return out;
}

double shoelace(const std::vector<Point>& p)
{
    double sum = 0.0;
    for (size_t k = 0; k < p.size(); ++k) {
        const Point& a = p[k];
        const Point& b = p[(k + 1) % p.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Sutherland-Hodgman against one half-plane; inside(p) >= 0 keeps p. Bridges along the
// cutting line add no area, so the area of the result is the area of the cut polygon.
template <typename Side>
std::vector<Point> clip(const std::vector<Point>& in, Side side)
{
    std::vector<Point> out;
    for (size_t k = 0; k < in.size(); ++k) {
        const Point& a = in[k];
        const Point& b = in[(k + 1) % in.size()];
        const double sa = side(a), sb = side(b);
        if (sa >= 0) out.push_back(a);
        if ((sa >= 0) != (sb >= 0)) {
            const double t = sa / (sa - sb);
            out.push_back(Point{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return out;
}

double area_in_box(const std::vector<Point>& p, double x0, double y0, double x1, double y1)
{
    std::vector<Point> c = clip(p, [&](const Point& q) { return q.x - x0; });
    c = clip(c, [&](const Point& q) { return x1 - q.x; });
    c = clip(c, [&](const Point& q) { return q.y - y0; });
    c = clip(c, [&](const Point& q) { return y1 - q.y; });
    return c.size() < 3 ? 0.0 : shoelace(c) / 2.0;
}

OutlineFault fault_at(int polygon, const GeoPoint& p, const char* rule)
{
    const int sector = sector_of(p.x), band = band_of(p.y);
    return OutlineFault{polygon, int(polygons[polygon].country), band, sector, rule};
}

}  // namespace

std::vector<OutlineFault> check_outline_rules()
{
    std::vector<OutlineFault> faults;
    for (int i = 1; i < polygon_count; ++i) {
        const int first = polygons[i].first, end = polygons[i + 1].first;
        const GeoPoint* p = outline_points;
        if (end - first < 4 || p[first].x != p[end - 1].x || p[first].y != p[end - 1].y) {
            faults.push_back(fault_at(i, p[first], "polygon does not close"));
        }
        bool one_cell = true;
        for (int k = first; k < end; ++k) {
            if (on_edge(p[k].x, p[k].y)) faults.push_back(fault_at(i, p[k], "vertex on a cell edge"));
            if (k + 1 < end && !segment_keeps_its_cells(p[k], p[k + 1])) {
                faults.push_back(fault_at(i, p[k], "segment passes a cell without an end inside it"));
            }
            if (sector_of(p[k].x) != sector_of(p[first].x) || band_of(p[k].y) != band_of(p[first].y) ||
                std::fabs(p[k].x) > 180.0) {
                one_cell = false;
            }
        }
        if (!one_cell && shoelace(polygon_points(i)) <= 0.0) {
            faults.push_back(fault_at(i, p[first], "polygon crosses a cell edge but is not clockwise"));
        }
    }
    return faults;
}

std::vector<OutlineFault> check_piece_areas()
{
    // area of every polygon's pieces per cell, from the clipper's output
    std::vector<std::vector<double>> pieces(polygon_count, std::vector<double>(CELL_COUNT, 0.0));
    int cell = 0, point = 0;
    for (int e = 0; e < cell_list_length; ++cell) {
        while (cell_list[e] != -1) {
            const int polygon = cell_list[e], count = cell_list[e + 1];
            std::vector<Point> local;
            for (int k = 0; k < count; ++k) local.push_back(Point{cell_points[point + k].x, cell_points[point + k].y});
            if (polygon > 0) pieces[polygon][cell] += shoelace(local) / 2.0;
            point += count;
            e += 2;
        }
        ++e;
    }
    std::vector<OutlineFault> faults;
    for (int i = 1; i < polygon_count; ++i) {
        const std::vector<Point> p = polygon_points(i);
        double west = 1e9, east = -1e9, north = 1e9, south = -1e9;
        for (const Point& q : p) {
            west = std::fmin(west, q.x), east = std::fmax(east, q.x);
            north = std::fmin(north, q.y), south = std::fmax(south, q.y);
        }
        for (int c = 0; c < CELL_COUNT; ++c) {
            const double x0 = -180.0 + 15.0 * (c % SECTOR_COUNT), y0 = 30.0 * (c / SECTOR_COUNT);
            const bool overlaps = east > x0 && west < x0 + 15.0 && south > y0 && north < y0 + 30.0;
            const double expected = overlaps ? area_in_box(p, x0, y0, x0 + 15.0, y0 + 30.0) : 0.0;
            if (std::fabs(pieces[i][c] - expected) >
                AREA_TOLERANCE_DEG2 + AREA_SHARE_TOLERANCE * std::fabs(expected)) {
                char rule[160];
                std::snprintf(rule, sizeof rule, "pieces hold %.5f square degrees, the polygon %.5f",
                              pieces[i][c], expected);
                faults.push_back(OutlineFault{i, int(polygons[i].country), c / SECTOR_COUNT, c % SECTOR_COUNT, rule});
            }
        }
    }
    return faults;
}

std::string describe(const OutlineFault& f)
{
    char text[256];
    std::snprintf(text, sizeof text, "polygon %d, code %d, cell band %d sector %d: %s", f.polygon, f.code,
                  f.band, f.sector, f.rule.c_str());
    return text;
}

double polygon_area_km2(int polygon)
{
    double sum = 0.0;
    for (int k = polygons[polygon].first; k + 1 < polygons[polygon + 1].first; ++k) {
        const GeoPoint& a = outline_points[k];
        const GeoPoint& b = outline_points[k + 1];
        sum += (double(b.x) - a.x) * PI / 180.0 * (std::cos(a.y * PI / 180.0) + std::cos(b.y * PI / 180.0)) / 2.0;
    }
    return std::fabs(sum) * EARTH_RADIUS_KM * EARTH_RADIUS_KM;
}
