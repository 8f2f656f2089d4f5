// flags/transform_commands.h: the commands that change the transform or run other commands:
// each reads its operands after the command byte (already read) and restores what it saved.
#pragma once
#include "flags/flag_context.h"

// Each returns false when a command it ran ended the description.
bool rotate_command(FlagContext& ctx, int n);
bool scale_command(FlagContext& ctx, int n);
bool repeat_command(FlagContext& ctx, int n);
void sub_frame_command(FlagContext& ctx);
void canton_command(FlagContext& ctx);
