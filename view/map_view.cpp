// view/map_view.cpp: zooming and fitting the view. Intermediate values are computed in double
// precision and stored as floats, so repeated zooms land on the same values as single steps.
#include "view/map_view.h"
#include "geo/countries.h"

// One axis of zoom_view_about: the near edge keeps p fixed, then both edges are pushed into 0..size.
static void zoom_axis(float& low, float& high, float p, double scale, double size, double d)
{
    low = float(p - (p - low) * scale * d);
    if (low < 0.0f) low = 0.0f;
    high = float(low + size * d);
    if (high > size) {
        high = float(size);
        low = float(size - size * d);
    }
}

void zoom_view_about(MapView& view, float px, float py, float new_zoom)
{
    const double d = 1.0 / new_zoom;
    const double old_zoom = view.zoom;
    zoom_axis(view.left, view.right, px, old_zoom, 360.0, d);
    zoom_axis(view.top, view.bottom, py, old_zoom, 180.0, d);
    view.zoom = new_zoom;
}

bool wheel_zoom_view(MapView& view, int x, int y, int client_width, int client_height, bool zoom_out)
{
    const MapView v = view;
    const float px = float(v.left + double(v.right - v.left) * x / client_width);
    const float py = float(v.top + double(v.bottom - v.top) * y / client_height);
    if (!zoom_out) {
        if (v.zoom >= WHEEL_ZOOM_LIMIT) return false;
        zoom_view_about(view, px, py, v.zoom * WHEEL_ZOOM_IN);
    } else if (v.zoom < WHEEL_ZOOM_IN) {
        zoom_view_about(view, px, py, 1.0f);   // back to exactly the whole map
    } else {
        zoom_view_about(view, px, py, v.zoom * WHEEL_ZOOM_OUT);
    }
    return true;
}

struct Box {
    float min_x = 999.0f, min_y = 999.0f, max_x = -999.0f, max_y = -999.0f;

    void widen(const float* points, int count)
    {
        for (int i = 0; i < count; ++i, points += 2) {
            if (points[0] < min_x) min_x = points[0];
            if (points[0] > max_x) max_x = points[0];
            if (points[1] < min_y) min_y = points[1];
            if (points[1] > max_y) max_y = points[1];
        }
    }
    // a region's piece joins when the box is still empty in one direction or its first point
    // lies within 2 units of the box's band in either direction
    bool near(const float* point) const
    {
        return min_x >= max_x || min_y >= max_y || (min_x - 2.0f < point[0] && point[0] < max_x + 2.0f) ||
               (min_y - 2.0f < point[1] && point[1] < max_y + 2.0f);
    }
    // within 2 units of the box both ways
    bool close(const float* point) const
    {
        return min_x - 2.0f < point[0] && point[0] < max_x + 2.0f && min_y - 2.0f < point[1] && point[1] < max_y + 2.0f;
    }
};

// The box of the country's pieces; false when the projection dropped any piece. With
// own_pieces_close, the country's own pieces join only where their first point lies close to the
// box, which then starts with the country's largest piece.
static bool country_box(const ProjectedMap& map, const PolygonEntry* polygons, int code, bool own_pieces_close,
                        Box& box)
{
    const float* points = map.points;
    for (int i = 0; i < map.list_length; i += 2) {
        const int count = map.list[i + 1];
        if (count == 0) return false;
        const int country = polygons[map.list[i]].country;
        if ((country == code && (!own_pieces_close || box.close(points))) ||
            (country >= FIRST_REGION && country_of(country) == code && box.near(points)))
            box.widen(points, count);
        points += 2 * count;
    }
    return true;
}

// The box of the country's piece with the most points.
static Box largest_piece_box(const ProjectedMap& map, const PolygonEntry* polygons, int code)
{
    Box box;
    const float* points = map.points;
    const float* largest = nullptr;
    int largest_count = 0;
    for (int i = 0; i < map.list_length; i += 2) {
        const int count = map.list[i + 1];
        if (polygons[map.list[i]].country == code && count > largest_count) {
            largest = points;
            largest_count = count;
        }
        points += 2 * count;
    }
    box.widen(largest, largest_count);
    return box;
}

// Pushes the interval [low, high] of length 2 x half inside 0..size; false if it cannot fit.
static bool fit_axis(float& low, float& high, double half, double size)
{
    if (low < 0.0f) {
        low = 0.0f;
        high = float(2.0 * half);
        return high <= size;
    }
    if (high > size) {
        high = float(size);
        low = float(size - 2.0 * half);
        return low >= 0.0f;
    }
    return true;
}

// The view with the box in its middle half each way; false, view unchanged, when it cannot be
// fitted into the frame.
static bool fit_view_to_box(MapView& view, const Box& box)
{
    double w = double(box.max_x) - box.min_x;
    double h = double(box.max_y) - box.min_y;
    if (w <= 0.0 || h <= 0.0) return false;
    double min_x = box.min_x, max_x = box.max_x, min_y = box.min_y, max_y = box.max_y;
    if (2.0 * h > w) {   // make the box 2:1 about its centre
        w = 2.0 * h;
        min_x = (min_x + max_x - w) / 2.0;
        max_x = min_x + w;
    } else {
        h = w / 2.0;
        min_y = (min_y + max_y - h) / 2.0;
        max_y = min_y + h;
    }
    MapView v = view;
    v.left = float(min_x - w / 2.0);
    v.right = float(max_x + w / 2.0);
    v.top = float(min_y - h / 2.0);
    v.bottom = float(max_y + h / 2.0);
    if (!fit_axis(v.left, v.right, w, 360.0) || !fit_axis(v.top, v.bottom, h, 180.0)) return false;
    v.zoom = float(360.0 / (double(v.right) - v.left));
    view = v;
    return true;
}

bool fit_view_to_country(MapView& view, const ProjectedMap& map, const PolygonEntry* polygons, int code)
{
    Box box;
    return country_box(map, polygons, code, false, box) && fit_view_to_box(view, box);
}

bool fit_view_to_heartland(MapView& view, const ProjectedMap& map, const PolygonEntry* polygons, int code)
{
    Box box = largest_piece_box(map, polygons, code);
    return country_box(map, polygons, code, true, box) && fit_view_to_box(view, box);
}

FallbackProjection double_click_fallback(int code)
{
    if (code == 9) return FallbackProjection{30, 0};     // Antarctica: Polar Orthographic
    if (code == 165) return FallbackProjection{27, 18};  // Russian Federation: Polyconic, turned
    return FallbackProjection{0, 0};                      // Equirectangular
}
