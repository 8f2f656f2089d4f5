// tools/render/text_encoding.cpp: code page 1252 to UTF-8.
#include "tools/render/text_encoding.h"

// Code points of the bytes 0x80..0x9F; every other byte is its own code point.
static const char16_t CP1252_HIGH_CONTROLS[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,   // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,   // 0x98
};

static void append_code_point(std::string& output, unsigned code)
{
    if (code < 0x80) {
        output += char(code);
    } else if (code < 0x800) {
        output += char(0xC0 | code >> 6);
        output += char(0x80 | (code & 0x3F));
    } else {
        output += char(0xE0 | code >> 12);
        output += char(0x80 | (code >> 6 & 0x3F));
        output += char(0x80 | (code & 0x3F));
    }
}

void append_utf8_from_cp1252(std::string& output, const char* text)
{
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p)
        append_code_point(output, *p >= 0x80 && *p < 0xA0 ? CP1252_HIGH_CONTROLS[*p - 0x80] : *p);
}
