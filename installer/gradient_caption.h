#pragma once
// The window's title bar painted as a gradient from red to the system's
// caption colour, with the window text over it. Called after the system has
// painted the non-client area.
#include <windows.h>

void PaintGradientCaption(HWND window, bool active);

// Where the desktop composes window frames itself (Windows Vista and later),
// it would cover the painted caption: ask it to leave the frame to the
// window. dwmapi is loaded by name, so older systems need not have it.
void KeepOwnCaption(HWND window);
