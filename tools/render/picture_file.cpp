// tools/render/picture_file.cpp: PNG, SVG and PDF files through the atomic file writer.
#include "tools/render/picture_file.h"
#include <cctype>
#include <cstring>
#include "tools/render/output_file.h"

static bool ends_with(const std::string& text, const char* suffix)
{
    const size_t n = std::strlen(suffix);
    if (text.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - n + i])) != suffix[i]) return false;
    return true;
}

PictureFormat picture_format_of(const std::string& path)
{
    if (ends_with(path, ".png")) return PICTURE_PNG;
    if (ends_with(path, ".svg")) return PICTURE_SVG;
    if (ends_with(path, ".pdf")) return PICTURE_PDF;
    return PICTURE_UNKNOWN;
}

// Cairo's byte sink: the bytes go to the AtomicFile in closure.
static cairo_status_t write_to_file(void* closure, const unsigned char* bytes, unsigned int length)
{
    return write_atomic_file(*static_cast<AtomicFile*>(closure), bytes, int(length)) ? CAIRO_STATUS_SUCCESS
                                                                                      : CAIRO_STATUS_WRITE_ERROR;
}

bool save_png(Canvas& image, const std::string& path, std::string& error)
{
    static AtomicFile file;
    if (!open_atomic_file(file, path.c_str())) return error = write_failure(path, file.error), false;
    if (write_canvas_png_stream(image, write_to_file, &file) && commit_atomic_file(file)) return true;
    abandon_atomic_file(file);
    error = write_failure(path, file.error);
    return false;
}

bool open_vector_file(VectorFile& file, const std::string& path, double width, double height, std::string& error)
{
    file.path = path;
    if (!open_atomic_file(file.file, path.c_str())) return error = write_failure(path, file.file.error), false;
    const bool svg = picture_format_of(path) == PICTURE_SVG;
    const bool opened = svg ? create_svg_stream_canvas(file.canvas, write_to_file, &file.file, width, height)
                            : create_pdf_stream_canvas(file.canvas, write_to_file, &file.file, width, height);
    if (opened) return true;
    abandon_atomic_file(file.file);
    error = write_failure(path, file.file.error);
    return false;
}

bool finish_vector_file(VectorFile& file, std::string& error)
{
    if (close_canvas(file.canvas) && commit_atomic_file(file.file)) return true;
    abandon_atomic_file(file.file);
    error = write_failure(file.path, file.file.error);
    return false;
}
