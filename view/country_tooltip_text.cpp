// view/country_tooltip_text.cpp: the tooltip's two lines, cut at the buffer's end.
#include "view/country_tooltip_text.h"
#include "geo/countries.h"

namespace {

// Appends texts to a fixed buffer, dropping what no longer fits and keeping the final zero.
struct TipWriter {
    char* out;
    int length;
    void add(const char* text)
    {
        while (*text && length < TOOLTIP_TEXT_CAPACITY - 1) out[length++] = *text++;
        out[length] = 0;
    }
};

}  // namespace

const char* format_country_tooltip(char* out, int code, const char* const* names, const char* value)
{
    TipWriter tip = {out, 0};
    out[0] = 0;
    const int owner = country_of(code);
    tip.add(names[code - 1]);
    if (owner != code) {
        tip.add(" (");
        tip.add(names[owner - 1]);
        tip.add(")");
    }
    if (value[0] != 0) {
        tip.add("\r\n");
        tip.add(value);
    }
    return out;
}
