// tools/render/picture_file.h: pictures written by orbily-render (PNG, SVG, PDF, by the file's
// extension), each through the atomic file writer: whole or nothing.
#pragma once
#include <string>
#include "platform/atomic_file.h"
#include "platform/cairo_draw.h"

enum PictureFormat { PICTURE_PNG, PICTURE_SVG, PICTURE_PDF, PICTURE_UNKNOWN };

PictureFormat picture_format_of(const std::string& path);

// Writes an image canvas to path as PNG; false with a one-line message on failure.
bool save_png(Canvas& image, const std::string& path, std::string& error);

// A vector canvas (SVG or PDF by the path's extension) of width x height points that becomes
// path when finished.
struct VectorFile {
    Canvas canvas;
    std::string path;
    AtomicFile file;
};
bool open_vector_file(VectorFile& file, const std::string& path, double width, double height, std::string& error);
// Completes the file and puts it in place; on failure leaves the target as it was and says why.
bool finish_vector_file(VectorFile& file, std::string& error);
