#pragma once

// Routines the parts of the window system share; not for callers above it.

#include "platform/win/TWindowSystem.h"

void SetWindowSystemInstance(TWindowSystem* ws);

// Geometry and frames
void RecalcClient(TWindow* w);
TRect DefaultFrameInsets(const TWindow* w); // Left, Top, Right, Bottom widths
int DefaultNcHitTest(TWindow* w, TPoint screenPt);
bool PointInWindowShape(const TWindow* w, TPoint screenPt);
TWindow* TopLevelOf(TWindow* w);

// Surfaces of top-level windows
void SyncSurface(TWindow* w);
void RestackSurfaces();
void BringTopLevelToTop(TWindow* w);

// Focus and activation
void ActivateWindow(HWND top, WPARAM how);
void ActivateNextAfter(TWindow* leaving);
void ForgetInputState(TWindow* w);

// Input and the queue
bool ConvertRawInput(const TRawInput& in, TMsg& out);
bool NextPaintMessage(TMsg& out);
bool NextTimerMessage(TMsg& out);
void KillTimersOf(HWND wnd);
uint64_t NextTimerDue(); // UINT64_MAX: none

// Painting (Paint.cpp)
void InvalidateWhole(TWindow* w, bool frame, bool erase);
void ExposeScreenArea(TWindow* parent, const TRect& screenRect);
void DropPaintState(TWindow* w);
void DefaultNcPaint(HWND wnd);
// Sends WM_PAINT; drops the paint state when the handler never began painting.
LRESULT SendPaint(HWND wnd);
// Shows the caret's new state (or its absence) on the screen.
void PresentCaretWindow();
void ReleaseAllDCs();

// Native child windows: those whose host is changed or lies inside it take
// their host's new place and visibility (null: all of them).
void FollowNativeChildren(TWindow* changed);

// Moving and sizing
void RunMoveSizeLoop(HWND wnd, WPARAM command, TPoint start);
