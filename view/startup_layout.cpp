// view/startup_layout.cpp: the main window's start-up geometry.
#include "view/startup_layout.h"

DeviceRect startup_client_rect(int screen_width)
{
    DeviceRect client = {0, 0, screen_width / 2, screen_width / 4};
    return client;
}
