// view/map_view.h: the visible part of the map in map units, and how zooming changes it.
// The view always stays inside the 360 x 180 frame and twice as wide as it is high.
#pragma once
#include "geo/outlines.h"
#include "projection/projection.h"

struct MapView {
    float left, top;       // map point at the client's top-left corner
    float right, bottom;   // map point at the client's bottom-right corner
    float zoom;            // 360 / (right - left)
};

// The whole frame at zoom 1.
const MapView WHOLE_MAP_VIEW = {0.0f, 0.0f, 360.0f, 180.0f, 1.0f};

// Zoom factors of one wheel notch: the floats 0x3F8CCCCD (1.1) and 0x3F68BA2E (1/1.1).
const float WHEEL_ZOOM_IN = 1.1f;
const float WHEEL_ZOOM_OUT = 0.9090909f;
const float WHEEL_ZOOM_LIMIT = 200.0f;   // no zooming in from here on

// Zooms the view to new_zoom keeping the map point (px, py) under the same client point, unless
// the view would leave the frame, in which case it is pushed back inside.
void zoom_view_about(MapView& view, float px, float py, float new_zoom);

// One wheel notch at client point (x, y) of a client_width x client_height client; false when
// nothing changes (zooming in at the limit).
bool wheel_zoom_view(MapView& view, int x, int y, int client_width, int client_height, bool zoom_out);

// Fits the view to the country's pieces (and nearby pieces of its regions) in the projected map,
// whose polygon numbers index polygons; the country fills the middle half each way. False, view
// unchanged, when a piece was dropped by the projection, the box is empty, or it cannot be
// fitted into the frame.
bool fit_view_to_country(MapView& view, const ProjectedMap& map, const PolygonEntry* polygons, int code);
// The same for the country's heartland: its piece with the most points, then each of its other
// pieces whose first point lies within 2 units of the box gathered so far both ways (its regions'
// pieces join as above). For a country whose overseas pieces spread wider than the frame.
bool fit_view_to_heartland(MapView& view, const ProjectedMap& map, const PolygonEntry* polygons, int code);

// Where a double-click turns when the country cannot be fitted in the current projection.
struct FallbackProjection {
    int projection;
    int rotation;
};
FallbackProjection double_click_fallback(int code);
