// stats/backward_text.h: a text built from its end toward its front inside a fixed buffer.
// Numbers are written least significant digit first, so they grow leftward.
#pragma once
#include "platform/core_assert.h"

struct BackwardText {
    char* front;    // nothing is written before this
    char* start;    // the first character of the text so far; the text ends at a terminator
};

// An empty text at the end of buffer, keeping `reserved` characters in front of the text free.
inline BackwardText begin_backward_text(char* buffer, int size, int reserved)
{
    buffer[size - 1] = 0;
    return BackwardText{buffer + reserved, buffer + size - 1};
}

inline void prepend_char(BackwardText& text, char c)
{
    CORE_ASSERT(text.start > text.front);
    *--text.start = c;
}

// Puts s, in its own order, in front of the text.
inline void prepend_text(BackwardText& text, const char* s)
{
    int length = 0;
    while (s[length] != 0) ++length;
    while (length > 0) prepend_char(text, s[--length]);
}
