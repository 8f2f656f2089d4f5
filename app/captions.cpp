// app/captions.cpp: the main window's caption, which names the projection shown.
#include "app/app.h"
#include "projection/names.h"

static const char CAPTION_PREFIX[] = "Orbily - ";

void set_projection_caption(int index)
{
    char caption[256];   // the prefix and the longest label fit with room to spare
    lstrcpyA(caption, CAPTION_PREFIX);
    format_projection_label(index, caption, ' ');
    SetWindowTextA(main_window, caption);
}
