#pragma once

// Xlib for the backend's own sources; never included by callers (its macros
// would leak into theirs).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>

struct TX11Atoms {
    Atom WM_PROTOCOLS, WM_DELETE_WINDOW, WM_TRANSIENT_FOR, WM_CHANGE_STATE, WM_STATE;
    Atom UTF8_STRING, CLIPBOARD, TARGETS, TEXT, DUVA_SELECTION;
    Atom _MOTIF_WM_HINTS;
    Atom _NET_WM_NAME, _NET_WM_PID, _NET_WM_STATE, _NET_WM_STATE_ABOVE, _NET_WM_STATE_MODAL,
        _NET_WM_STATE_HIDDEN;
    Atom _NET_WM_WINDOW_TYPE, _NET_WM_WINDOW_TYPE_NORMAL, _NET_WM_WINDOW_TYPE_DIALOG,
        _NET_WM_WINDOW_TYPE_POPUP_MENU, _NET_WM_WINDOW_TYPE_TOOLTIP, _NET_WM_WINDOW_TYPE_UTILITY;
    Atom _NET_WM_WINDOW_OPACITY, _NET_ACTIVE_WINDOW, _NET_WORKAREA, _NET_CURRENT_DESKTOP,
        _NET_SUPPORTING_WM_CHECK, _NET_WM_CM_S0;
};

// Counts the protocol errors the server reports instead of ending the
// program, as Xlib's default handler would: a window another client destroyed
// or a focus request on a window not yet shown is nothing to die of.
void InstallX11ErrorHandler();
// Errors seen so far (compare before and after a synced request).
unsigned long X11ErrorCount();
