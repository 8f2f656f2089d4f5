// view/startup_layout.h: the main window's start-up geometry, worked out from the screen alone.
#pragma once
#include "platform/draw.h"

// The client rectangle the main window starts with: (0, 0, screen width / 2, screen width / 4),
// both sides from the width so that the map starts at 2:1.
DeviceRect startup_client_rect(int screen_width);
