#pragma once

// The system-version tests of the skinned controls. This platform stands for
// the newest system they know, so every test answers true.
inline bool IsWindowsVistaOrLater() {
    return true;
}
inline bool IsWindowsXPOrLater() {
    return true;
}
inline bool IsWindows2000OrLater() {
    return true;
}
