// tools/render/flag_command.h: `orbily-render flag`, one country's flag as PNG, SVG or PDF.
#pragma once

// flag CODE|ISO2 OUT.png|OUT.svg|OUT.pdf [--width W] [--height H]: width 480 by default, height
// from the flag's proportions unless given; flag CODE|ISO2 --aspect prints the width-to-height
// ratio. args are the words after "flag". Returns the process exit code.
int flag_command(int count, char** args);
