// Per-window scroll information, the caret, cursor shapes and monitors.

#include "platform/win/WinInternal.h"

#include <algorithm>

// ---- Scroll information

namespace {

TScrollInfo* ScrollOf(HWND wnd, int bar) {
    TWindow* w = W(wnd);
    if (!w || (bar != SB_HORZ && bar != SB_VERT && bar != SB_CTL)) return nullptr;
    return &w->Scroll[bar == SB_HORZ ? 0 : 1];
}

// The position stays within min .. max - page + 1 (or min .. max without a page).
void ClampPos(TScrollInfo& s) {
    int hi = s.nPage ? s.nMax - static_cast<int>(s.nPage) + 1 : s.nMax;
    hi = std::max(hi, s.nMin);
    s.nPos = std::clamp(s.nPos, s.nMin, hi);
}

} // namespace

int SetScrollInfo(HWND wnd, int bar, const TScrollInfo& info, bool redraw) {
    (void)redraw;
    TScrollInfo* s = ScrollOf(wnd, bar);
    if (!s) return 0;
    if (info.fMask & SIF_RANGE) {
        s->nMin = info.nMin;
        s->nMax = std::max(info.nMax, info.nMin);
    }
    if (info.fMask & SIF_PAGE)
        s->nPage = std::min<unsigned>(info.nPage, static_cast<unsigned>(s->nMax - s->nMin + 1));
    if (info.fMask & SIF_POS) s->nPos = info.nPos;
    ClampPos(*s);
    return s->nPos;
}

bool GetScrollInfo(HWND wnd, int bar, TScrollInfo& info) {
    TScrollInfo* s = ScrollOf(wnd, bar);
    if (!s) return false;
    uint32_t mask = info.fMask;
    if (mask & SIF_RANGE) {
        info.nMin = s->nMin;
        info.nMax = s->nMax;
    }
    if (mask & SIF_PAGE) info.nPage = s->nPage;
    if (mask & SIF_POS) info.nPos = s->nPos;
    if (mask & SIF_TRACKPOS) info.nTrackPos = s->nTrackPos;
    return true;
}

int SetScrollPos(HWND wnd, int bar, int pos, bool redraw) {
    TScrollInfo* s = ScrollOf(wnd, bar);
    if (!s) return 0;
    int old = s->nPos;
    TScrollInfo i;
    i.fMask = SIF_POS;
    i.nPos = pos;
    SetScrollInfo(wnd, bar, i, redraw);
    return old;
}

int GetScrollPos(HWND wnd, int bar) {
    TScrollInfo* s = ScrollOf(wnd, bar);
    return s ? s->nPos : 0;
}

bool SetScrollRange(HWND wnd, int bar, int minPos, int maxPos, bool redraw) {
    TScrollInfo i;
    i.fMask = SIF_RANGE;
    i.nMin = minPos;
    i.nMax = maxPos;
    return ScrollOf(wnd, bar) && (SetScrollInfo(wnd, bar, i, redraw), true);
}

bool GetScrollRange(HWND wnd, int bar, int& minPos, int& maxPos) {
    TScrollInfo* s = ScrollOf(wnd, bar);
    if (!s) return false;
    minPos = s->nMin;
    maxPos = s->nMax;
    return true;
}

// ---- Cursor

int SetCursor(int cursorId) {
    auto* ws = WSOrNull();
    if (!ws) return 0;
    int old = ws->FCursorId;
    if (cursorId != old) {
        ws->FCursorId = cursorId;
        ws->Backend().SetCursorShape(cursorId);
    }
    return old;
}

int GetCursor() {
    return WSOrNull() ? WS().FCursorId : 0;
}

// ---- Caret: one per program. It is drawn inverted over the presented
// picture; a blink time of 0 keeps it steadily on (tests).

namespace {

void CaretChanged() {
    auto& ws = WS();
    bool blink = CaretVisible() && ws.FCaretBlink > 0;
    if (blink && !ws.FCaretTimer) {
        ws.FCaretPhase = true;
        ws.FCaretTimer = SetTimer(nullptr, 0, ws.FCaretBlink, [](HWND, uintptr_t, uint64_t) {
            auto& s = WS();
            s.FCaretPhase = !s.FCaretPhase;
            PresentCaretWindow();
        });
    } else if (!blink && ws.FCaretTimer) {
        KillTimer(nullptr, ws.FCaretTimer);
        ws.FCaretTimer = 0;
    }
    if (!blink) ws.FCaretPhase = true;
    PresentCaretWindow();
}

} // namespace

bool CreateCaret(HWND wnd, int width, int height) {
    auto& ws = WS();
    if (!W(wnd)) return false;
    ws.FCaretWnd = wnd;
    ws.FCaretRect = Rect(0, 0, std::max(width, 1), std::max(height, 1));
    ws.FCaretHide = 1; // created hidden
    CaretChanged();
    return true;
}

bool DestroyCaret() {
    auto* ws = WSOrNull();
    if (!ws || !ws->FCaretWnd) return false;
    ws->FCaretWnd = nullptr;
    ws->FCaretHide = 1;
    CaretChanged();
    return true;
}

bool ShowCaret(HWND wnd) {
    auto& ws = WS();
    if (!ws.FCaretWnd || (wnd && wnd != ws.FCaretWnd)) return false;
    if (ws.FCaretHide > 0) ws.FCaretHide--;
    CaretChanged();
    return true;
}

bool HideCaret(HWND wnd) {
    auto& ws = WS();
    if (!ws.FCaretWnd || (wnd && wnd != ws.FCaretWnd)) return false;
    ws.FCaretHide++;
    CaretChanged();
    return true;
}

bool SetCaretPos(int x, int y) {
    auto& ws = WS();
    if (!ws.FCaretWnd) return false;
    ws.FCaretRect = Bounds(x, y, ws.FCaretRect.Width(), ws.FCaretRect.Height());
    CaretChanged();
    return true;
}

bool GetCaretPos(TPoint& pt) {
    auto* ws = WSOrNull();
    if (!ws || !ws->FCaretWnd) return false;
    pt = ws->FCaretRect.TopLeft();
    return true;
}

void SetCaretBlinkTime(uint32_t ms) {
    auto& ws = WS();
    ws.FCaretBlink = ms;
    if (ws.FCaretTimer) {
        KillTimer(nullptr, ws.FCaretTimer);
        ws.FCaretTimer = 0;
    }
    CaretChanged();
}

uint32_t GetCaretBlinkTime() {
    return WSOrNull() ? WS().FCaretBlink : 530;
}

bool CaretVisible() {
    auto* ws = WSOrNull();
    return ws && W(ws->FCaretWnd) && ws->FCaretHide == 0;
}

// ---- Monitors: handles are 1-based indexes into the backend's list.

namespace {

std::vector<TBackendMonitor> MonitorList() {
    auto* ws = WSOrNull();
    std::vector<TBackendMonitor> list;
    if (ws) list = ws->Backend().Monitors();
    if (list.empty()) list.push_back({Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 768), true});
    return list;
}

HMONITOR Primary(const std::vector<TBackendMonitor>& list) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Primary) return i + 1;
    return 1;
}

int64_t DistanceSq(const TRect& r, TPoint p) {
    int64_t dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    int64_t dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

} // namespace

HMONITOR MonitorFromPoint(TPoint pt, uint32_t flags) {
    auto list = MonitorList();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Bounds.Contains(pt)) return i + 1;
    if (flags == MONITOR_DEFAULTTONULL) return 0;
    if (flags == MONITOR_DEFAULTTOPRIMARY) return Primary(list);
    size_t best = 0;
    for (size_t i = 1; i < list.size(); ++i)
        if (DistanceSq(list[i].Bounds, pt) < DistanceSq(list[best].Bounds, pt)) best = i;
    return best + 1;
}

HMONITOR MonitorFromRect(const TRect& rect, uint32_t flags) {
    auto list = MonitorList();
    // The monitor sharing the largest area; without overlap, the nearest.
    int64_t bestArea = 0;
    HMONITOR best = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        TRect r;
        if (IntersectRect(r, rect, list[i].Bounds)) {
            int64_t a = int64_t(r.Width()) * r.Height();
            if (a > bestArea) {
                bestArea = a;
                best = i + 1;
            }
        }
    }
    if (best) return best;
    return MonitorFromPoint(CenterPoint(rect), flags);
}

HMONITOR MonitorFromWindow(HWND wnd, uint32_t flags) {
    TRect r;
    if (!GetWindowRect(wnd, r)) return flags == MONITOR_DEFAULTTONULL ? 0 : Primary(MonitorList());
    if (r.IsEmpty()) return MonitorFromPoint(r.TopLeft(), flags);
    return MonitorFromRect(r, flags);
}

bool GetMonitorInfo(HMONITOR monitor, TMonitorInfo& info) {
    auto list = MonitorList();
    if (monitor < 1 || monitor > list.size()) return false;
    const auto& m = list[monitor - 1];
    info.rcMonitor = m.Bounds;
    info.rcWork = m.WorkArea;
    info.dwFlags = m.Primary ? MONITORINFOF_PRIMARY : 0;
    return true;
}

std::vector<HMONITOR> EnumDisplayMonitors() {
    std::vector<HMONITOR> out;
    auto list = MonitorList();
    for (size_t i = 0; i < list.size(); ++i)
        out.push_back(i + 1);
    return out;
}

TRect GetWorkArea() {
    TMonitorInfo mi;
    GetMonitorInfo(Primary(MonitorList()), mi);
    return mi.rcWork;
}
