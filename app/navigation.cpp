// app/navigation.cpp: projection, rotation and view changes, each followed by the redraw it
// needs. The rotation is plain state; the scroll bar only shows it.
#include "app/app.h"
#include "geo/outlines.h"

void set_projection(int index, int rotation)
{
    map_view = WHOLE_MAP_VIEW;
    current_projection = index;
    set_rotation(rotation);
    set_projection_caption(index);
}

void set_rotation(int step)
{
    current_rotation = step;
    SetScrollPos(main_window, SB_HORZ, step, TRUE);
    projected_map = project_all(current_projection, step);
    refresh_map();
}

void rotate_by(int delta)
{
    set_rotation((current_rotation + delta + ROTATION_STEPS) % ROTATION_STEPS);
}

void show_whole_map()
{
    map_view = WHOLE_MAP_VIEW;
    refresh_map();
}

void zoom_about(float px, float py, float new_zoom)
{
    zoom_view_about(map_view, px, py, new_zoom);
    refresh_map();
}

void wheel_zoom(int client_x, int client_y, bool zoom_out)
{
    const int width = map_surface.client.right, height = map_surface.client.bottom;
    if (width <= 0 || height <= 0) return;   // no client, no point to zoom about
    if (wheel_zoom_view(map_view, client_x, client_y, width, height, zoom_out)) refresh_map();
}

bool zoom_to_country(int code)
{
    if (!fit_view_to_country(map_view, projected_map, polygons, code)) return false;
    refresh_map();
    return true;
}

// The sea shows the whole map; a country that cannot be fitted in this projection is tried once
// more in one where it can, and a country whose overseas pieces cannot be fitted together in any
// (France, the United Kingdom) shows its heartland there.
void double_click_country(int code)
{
    if (code == 0) {
        show_whole_map();
        return;
    }
    if (zoom_to_country(code)) return;
    const FallbackProjection fallback = double_click_fallback(code);
    set_projection(fallback.projection, fallback.rotation);
    if (zoom_to_country(code)) return;
    if (fit_view_to_heartland(map_view, projected_map, polygons, code)) refresh_map();
}
