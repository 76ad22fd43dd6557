#pragma once

// What a window manager reads of a window, through another client's
// connection. Kept apart from the framework's headers, whose global Screen
// Xlib's headers would clash with.

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

// The window a window is transient for (0: none).
unsigned long TransientFor(_XDisplay* Dpy, unsigned long Window);
// The atom names of a property holding atoms (_NET_WM_WINDOW_TYPE, _NET_WM_STATE).
std::vector<std::string> AtomNames(_XDisplay* Dpy, unsigned long Window, const char* Property);

// The key symbol of the Enter key.
constexpr unsigned long KeySymReturn = 0xff0d;
