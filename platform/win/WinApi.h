#pragma once

// The window system's calls. They keep the names and meanings of the Windows
// calls the rest of the system is written against; everything runs on the GUI
// thread except PostMessage, PostQuitMessage, SendMessage, QueueRawInput and
// GetTickCount, which any thread may call.

#include "platform/win/WinConst.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/Gdi.h"

class TBitmap;

// ---- The window system as a whole
// Started by InitWindowSystem (platform/win/WindowBackend.h), which only
// backends, program start-up and tests see.
// Destroys every window and drops the backend.
void DoneWindowSystem();
bool WindowSystemReady();

// ---- Windows
// The handler given here is the first of the window's chain, so it sees
// WM_NCCREATE, WM_NCCALCSIZE and WM_CREATE. For a window without WS_CHILD,
// parent names the owner. A window made with WS_VISIBLE is shown at once.
HWND CreateWindowEx(uint32_t exStyle, std::string_view className, std::string_view text, uint32_t style,
                    int x, int y, int width, int height, HWND parent, uint32_t classStyle = 0,
                    TWindowHandler handler = nullptr, LPARAM createParam = 0);
// Called from inside a handler of the window (or of one below it), the
// destruction waits until that handler returns.
bool DestroyWindow(HWND wnd);
bool IsWindow(HWND wnd);
bool IsWindowVisible(HWND wnd); // the window and all its parents
bool IsWindowEnabled(HWND wnd);
bool EnableWindow(HWND wnd, bool enable);
HWND GetParent(HWND wnd); // the parent of a child, else the owner
HWND SetParent(HWND wnd, HWND newParent);
HWND GetTopLevelWindow(HWND wnd);
bool IsChild(HWND parent, HWND wnd);
std::string GetClassName(HWND wnd);

// The owner of a top-level window (a window handle; null for none).
constexpr int GWL_HWNDPARENT = -8;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_USERDATA = -21;
constexpr int GCL_STYLE = -26;
intptr_t GetWindowLongPtr(HWND wnd, int index);
intptr_t SetWindowLongPtr(HWND wnd, int index, intptr_t value);
uint32_t GetClassStyle(HWND wnd);
void SetClassStyle(HWND wnd, uint32_t classStyle);

bool SetWindowText(HWND wnd, std::string_view text);
std::string GetWindowText(HWND wnd);

constexpr unsigned GW_HWNDFIRST = 0;
constexpr unsigned GW_HWNDLAST = 1;
constexpr unsigned GW_HWNDNEXT = 2;
constexpr unsigned GW_HWNDPREV = 3;
constexpr unsigned GW_OWNER = 4;
constexpr unsigned GW_CHILD = 5;
HWND GetWindow(HWND wnd, unsigned cmd);
// Children of parent (null: top-level windows), topmost first.
std::vector<HWND> GetChildWindows(HWND parent);

bool GetWindowRect(HWND wnd, TRect& rect); // screen coordinates
bool GetClientRect(HWND wnd, TRect& rect); // (0, 0, width, height)
// Where the client area lies inside the window (window coordinates).
bool GetClientRectInWindow(HWND wnd, TRect& rect);
bool ClientToScreen(HWND wnd, TPoint& pt);
bool ScreenToClient(HWND wnd, TPoint& pt);
void MapWindowPoints(HWND from, HWND to, TPoint* pts, int count);

bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags);
bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint = true);
bool ShowWindow(HWND wnd, int cmd);
bool IsIconic(HWND wnd);
bool IsZoomed(HWND wnd);
bool BringWindowToTop(HWND wnd);
// The rectangle a minimised or maximised window returns to.
bool GetRestoredRect(HWND wnd, TRect& rect);

// The window takes ownership of region (window coordinates) and frees it;
// null removes the region. Clips painting and hit-testing.
bool SetWindowRgn(HWND wnd, HRGN region, bool redraw);
// Copies the window's region into region; 0 when it has none.
int GetWindowRgn(HWND wnd, HRGN region);

// ---- Painting
// Every top-level window keeps a back buffer of its whole window; child
// windows draw into their top-level's buffer, clipped by their parents, the
// siblings above them and their region.
struct TPaintStruct {
    HDC hdc = nullptr;
    bool fErase = false; // the background still needs erasing
    TRect rcPaint;       // client coordinates
};
// Rectangles in client coordinates; null means the whole client area.
bool InvalidateRect(HWND wnd, const TRect* rect, bool erase);
bool InvalidateRgn(HWND wnd, HRGN region, bool erase);
bool ValidateRect(HWND wnd, const TRect* rect);
bool ValidateRgn(HWND wnd, HRGN region);
bool GetUpdateRect(HWND wnd, TRect* rect, bool erase);
// Copies the update region (client coordinates) into region.
int GetUpdateRgn(HWND wnd, HRGN region, bool erase);
bool UpdateWindow(HWND wnd);
bool RedrawWindow(HWND wnd, const TRect* rect, HRGN region, uint32_t flags);
HDC BeginPaint(HWND wnd, TPaintStruct& ps);
bool EndPaint(HWND wnd, const TPaintStruct& ps);
// Client area (GetDC) or whole window (GetWindowDC), clipped to what shows.
HDC GetDC(HWND wnd);
HDC GetWindowDC(HWND wnd);
int ReleaseDC(HWND wnd, HDC dc);
// The back buffer of a top-level window (its whole window), or null.
const TBitmap* GetWindowBackBuffer(HWND wnd);

// ---- Layered windows (need the backend's capability; without it they
// change nothing and return false)
bool LayeredWindowsSupported();
bool SetLayeredWindowAttributes(HWND wnd, TColor colorKey, Byte alpha, uint32_t flags);
bool GetLayeredWindowAttributes(HWND wnd, TColor* colorKey, Byte* alpha, uint32_t* flags);
// Shows pixels (straight alpha; ULW_ALPHA makes their alpha count) as the
// window's whole content; pos and size move and size the window.
bool UpdateLayeredWindow(HWND wnd, const TPoint* pos, const TSize* size, const TBitmap* pixels,
                         const TPoint* srcPos, Byte constantAlpha, uint32_t flags);

// ---- Handler chains
THandlerId PushWindowHandler(HWND wnd, TWindowHandler handler);
// Harmless for an unknown id or a dead window.
void RemoveWindowHandler(HWND wnd, THandlerId id);
// The end of every chain. Sets Message.Result and returns it.
LRESULT DefWindowProc(HWND wnd, TMessage& message);

class TCallNext {
public:
    TCallNext(HWND wnd, THandlerId below) : FWnd(wnd), FBelow(below) {}
    void operator()(TMessage& message) const;

private:
    HWND FWnd;
    THandlerId FBelow;
};

// ---- Messages
// Synchronous. From another thread the call runs on the GUI thread while the
// caller waits. A dead handle gives 0.
LRESULT SendMessage(HWND wnd, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendMessage(HWND wnd, TMessage& message);
// FIFO from any thread. A null window posts a thread message.
bool PostMessage(HWND wnd, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);
// Waits for a message; false when it is WM_QUIT (message.wParam holds the code).
bool GetMessage(TMsg& message);
bool PeekMessage(TMsg& message, uint32_t removeFlags = PM_REMOVE);
// Makes WM_CHAR/WM_SYSCHAR from a key-down (posted, so it comes next).
bool TranslateMessage(const TMsg& message);
LRESULT DispatchMessage(const TMsg& message);
// Sleeps until there is something to do: input, a post, a queued call, a
// timer due (real clock), or the timeout (negative: none).
void WaitMessage(int timeoutMs = -1);
// GetMessage, hooks, TranslateMessage, DispatchMessage until WM_QUIT; returns
// its code.
int RunMessageLoop();
// Dispatches what is pending without waiting. A quit request met there stays
// pending; returns true when one is pending.
bool PumpPendingMessages(bool holdInput = false);
bool QuitPending(int* exitCode = nullptr);

// Application hooks: offered every message before translation and dispatch;
// returning true means handled.
using TMessageHook = std::function<bool(TMsg& message)>;
uint64_t AddMessageHook(TMessageHook hook);
void RemoveMessageHook(uint64_t id);

// Observers see every message that reaches a window's chain, before it.
using TMessageObserver = std::function<void(HWND wnd, const TMessage& message)>;
uint64_t AddMessageObserver(TMessageObserver observer);
void RemoveMessageObserver(uint64_t id);

uint64_t GetMessageTime();
TPoint GetMessagePos();

// ---- Timers and the clock
// Keyed by (window, id): setting an id again replaces it. At most one tick per
// timer waits in the queue. With a null window the id is made up and proc
// must be given.
uintptr_t SetTimer(HWND wnd, uintptr_t id, uint32_t elapseMs, TTimerProc proc = nullptr);
bool KillTimer(HWND wnd, uintptr_t id);
// Milliseconds; the backend's clock (virtual in tests).
uint64_t GetTickCount();

// ---- Input
HWND SetCapture(HWND wnd);
bool ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND wnd);
HWND GetFocus();
HWND SetActiveWindow(HWND wnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND wnd);
HWND GetForegroundWindow();
// Negative (high bit set) while the key is down; bit 0 toggles.
int16_t GetKeyState(int vkey);
int16_t GetAsyncKeyState(int vkey);
bool GetCursorPos(TPoint& pt);
// The top-level or child window under a screen point, as input would find it.
HWND WindowFromPoint(TPoint pt);
// The child of parent (or parent itself) under a point in its client area.
HWND ChildWindowFromPoint(HWND parent, TPoint clientPt);
bool TrackMouseEvent(TTrackMouseEvent& track);
uint32_t GetDoubleClickTime();
void SetDoubleClickTime(uint32_t ms);
int GetSystemMetrics(int index);

// ---- Cursor and caret
int SetCursor(int cursorId); // returns the previous shape
int GetCursor();
bool CreateCaret(HWND wnd, int width, int height);
bool DestroyCaret();
bool ShowCaret(HWND wnd);
bool HideCaret(HWND wnd);
bool SetCaretPos(int x, int y);
bool GetCaretPos(TPoint& pt);
// 0 keeps the caret steadily on (tests).
void SetCaretBlinkTime(uint32_t ms);
uint32_t GetCaretBlinkTime();
bool CaretVisible();

// ---- Scroll information (no bars are drawn)
int SetScrollInfo(HWND wnd, int bar, const TScrollInfo& info, bool redraw = true);
bool GetScrollInfo(HWND wnd, int bar, TScrollInfo& info);
int SetScrollPos(HWND wnd, int bar, int pos, bool redraw = true);
int GetScrollPos(HWND wnd, int bar);
bool SetScrollRange(HWND wnd, int bar, int minPos, int maxPos, bool redraw = true);
bool GetScrollRange(HWND wnd, int bar, int& minPos, int& maxPos);

// ---- Monitors
HMONITOR MonitorFromPoint(TPoint pt, uint32_t flags);
HMONITOR MonitorFromRect(const TRect& rect, uint32_t flags);
HMONITOR MonitorFromWindow(HWND wnd, uint32_t flags);
bool GetMonitorInfo(HMONITOR monitor, TMonitorInfo& info);
std::vector<HMONITOR> EnumDisplayMonitors();
// The primary monitor's work area.
TRect GetWorkArea();
