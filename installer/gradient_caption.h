#pragma once
// The window's title bar painted as a gradient from red to the system's
// caption colour, with the window text over it. Called after the system has
// painted the non-client area.
#include <windows.h>

void PaintGradientCaption(HWND window, bool active);
