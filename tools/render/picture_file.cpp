// tools/render/picture_file.cpp: PNG, SVG and PDF files through a temporary file and a rename.
#include "tools/render/picture_file.h"
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

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

static std::string temporary_beside(const std::string& path)
{
    return path + ".tmp" + std::to_string(getpid());
}

static bool rename_into_place(const std::string& temporary, const std::string& path, bool written,
                              std::string& error)
{
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    error = "cannot write " + path + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    std::remove(temporary.c_str());
    return false;
}

bool save_png(Canvas& image, const std::string& path, std::string& error)
{
    const std::string temporary = temporary_beside(path);
    errno = 0;
    return rename_into_place(temporary, path, write_canvas_png(image, temporary.c_str()), error);
}

bool open_vector_file(VectorFile& file, const std::string& path, double width, double height, std::string& error)
{
    file.path = path;
    file.temporary = temporary_beside(path);
    errno = 0;
    const bool svg = picture_format_of(path) == PICTURE_SVG;
    const bool opened = svg ? create_svg_canvas(file.canvas, file.temporary.c_str(), width, height)
                            : create_pdf_canvas(file.canvas, file.temporary.c_str(), width, height);
    if (opened) return true;
    error = "cannot write " + path + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    std::remove(file.temporary.c_str());
    return false;
}

bool finish_vector_file(VectorFile& file, std::string& error)
{
    errno = 0;
    return rename_into_place(file.temporary, file.path, close_canvas(file.canvas), error);
}
