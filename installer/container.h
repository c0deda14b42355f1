#pragma once
// A window that holds controls: the group box, the pages of the page
// control and the folder box. Its controls' notices go on to the top-level
// window; with a text it draws a group frame captioned with it.
#include <windows.h>

inline constexpr wchar_t ContainerClassName[] = L"InstavoContainer";

void RegisterContainerClass();
