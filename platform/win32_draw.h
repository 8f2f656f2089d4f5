// platform/win32_draw.h: the GDI canvases behind platform/draw.h: DIB-section surfaces with direct
// pixel access, window and paint DCs, and enhanced metafiles. Every canvas is given back by its
// release or close function, which also frees the pen and brush it made.
#pragma once
#include <windows.h>
#include "platform/draw.h"
#include "platform/pixel_buffer.h"

// A GDI drawing target. brush and pen are the objects this canvas made and has selected; null
// while a stock object is selected (the white brush and black pen of a fresh DC, or none).
struct Canvas {
    HDC dc;
    HBITMAP bitmap;            // the DIB section of a surface canvas, else null
    HGDIOBJ previous_bitmap;   // what the memory DC held before it, put back on release
    PixelBuffer image;         // the DIB's pixels; pixels null on a window or metafile canvas
    HBRUSH brush;
    HPEN pen;
};

// A width x height surface: a memory DC compatible with the screen holding a 32-bit top-down
// DIB section, black. Its pixels keep every channel's 8 bits whatever the display's depth, which
// makes picking exact. False (and nothing to release) on failure.
bool create_dib_canvas(Canvas& canvas, int width, int height);
// Frees the surface's pen and brush, bitmap and memory DC.
void release_dib_canvas(Canvas& canvas);

// A canvas drawing into a DC owned by someone else (a window's own DC, a paint DC).
void attach_canvas(Canvas& canvas, HDC dc);
// Frees the pen and brush made for the attached DC and forgets it; the DC itself stays.
void detach_canvas(Canvas& canvas);

// An enhanced metafile recording the calls, into the file at path or, with a null path, in
// memory; description is the metafile's description string (two zero-terminated parts, ending in
// two zero bytes), with the screen as reference device. False if it could not be created.
bool create_metafile_canvas(Canvas& canvas, const char* path, const char* description);
// Frees the pen and brush and completes the recording; the caller deletes the metafile returned
// (null on failure).
HENHMETAFILE finish_metafile_canvas(Canvas& canvas);

// Direct access to a surface's pixels, after GDI has finished every queued drawing call;
// pixels null on other canvases.
PixelBuffer canvas_pixels(Canvas& canvas);

// Copies the top-left width x height of source unchanged into target at (0, 0). A surface is shown
// in a window by shrink_canvas into a second surface, then blit_canvas: GDI's own HALFTONE stretch
// does not average everywhere (Wine's gives a shrunk checkerboard black, not grey).
void blit_canvas(Canvas& source, HDC target, int width, int height);
