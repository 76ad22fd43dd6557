#include "platform/win/TWindowSystem.h"

#include "platform/base/Exception.h"

#include <algorithm>

#include <sys/eventfd.h>
#include <unistd.h>

namespace {
TWindowSystem* GSystem = nullptr;
}

void SetWindowSystemInstance(TWindowSystem* ws) {
    GSystem = ws;
}

TWindowSystem& WS() {
    if (!GSystem) throw Exception("The window system is not running.");
    return *GSystem;
}

TWindowSystem* WSOrNull() {
    return GSystem;
}

TWindow* W(HWND wnd) {
    return GSystem ? GSystem->Find(wnd) : nullptr;
}

TWindowSystem::TWindowSystem(std::unique_ptr<TWindowBackend> backend)
    : FBackend(std::move(backend)), FWakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

TWindowSystem::~TWindowSystem() {
    if (FWakeFd >= 0) close(FWakeFd);
}

TWindow* TWindowSystem::Find(HWND wnd) const {
    if (!wnd) return nullptr;
    auto it = FWindows.find(wnd);
    return it == FWindows.end() ? nullptr : it->second.get();
}

TWindow* TWindowSystem::NewWindow() {
    auto w = std::make_unique<TWindow>();
    w->Handle = reinterpret_cast<HWND>(FNextHandle);
    FNextHandle += 4;
    TWindow* raw = w.get();
    FWindows.emplace(raw->Handle, std::move(w));
    return raw;
}

void TWindowSystem::ForgetWindow(TWindow* w) {
    FWindows.erase(w->Handle);
}

std::vector<TWindow*>& TWindowSystem::SiblingList(TWindow* w) {
    return w->IsChild() ? w->Parent->Children : FTopLevels;
}

void TWindowSystem::WakeLoop() {
    uint64_t one = 1;
    ssize_t r = write(FWakeFd, &one, sizeof one);
    (void)r;
}

void TWindowSystem::DrainWake() {
    uint64_t count;
    while (read(FWakeFd, &count, sizeof count) > 0) {
    }
}

bool TWindowSystem::SubtreeBusy(TWindow* w) const {
    if (w->DispatchDepth > 0) return true;
    for (TWindow* c : w->Children)
        if (SubtreeBusy(c)) return true;
    for (TWindow* t : FTopLevels)
        if (t->Owner == w && SubtreeBusy(t)) return true;
    return false;
}

namespace {
// Keeps the dispatch depth right also when a handler throws.
struct TDispatchGuard {
    TWindowSystem& Ws;
    TWindow* Wnd;
    TDispatchGuard(TWindowSystem& ws, TWindow* w) : Ws(ws), Wnd(w) { ++Wnd->DispatchDepth; }
    ~TDispatchGuard() { Ws.LeaveDispatch(Wnd); }
};

std::shared_ptr<THandlerEntry> LiveEntryBelow(TWindow* w, THandlerId below) {
    for (auto it = w->Handlers.rbegin(); it != w->Handlers.rend(); ++it)
        if (!(*it)->Removed && (*it)->Id < below) return *it;
    return nullptr;
}
} // namespace

void TWindowSystem::CallChain(TWindow* w, TMessage& m) {
    HWND wnd = w->Handle;
    if (!FObservers.empty()) {
        auto observers = FObservers;
        for (auto& [id, fn] : observers)
            fn(wnd, m);
    }
    TDispatchGuard guard(*this, w);
    auto entry = LiveEntryBelow(w, UINT64_MAX);
    if (entry)
        entry->Proc(wnd, m, TCallNext(wnd, entry->Id));
    else
        DefWindowProc(wnd, m);
}

void TWindowSystem::CallBelow(HWND wnd, THandlerId below, TMessage& m) {
    TWindow* w = Find(wnd);
    if (!w) return;
    auto entry = LiveEntryBelow(w, below);
    if (entry)
        entry->Proc(wnd, m, TCallNext(wnd, entry->Id));
    else
        DefWindowProc(wnd, m);
}

void TWindowSystem::LeaveDispatch(TWindow* w) {
    if (--w->DispatchDepth > 0) return;
    // A destruction asked for inside a handler runs once no handler of the
    // window, its children or its owned windows is running any more.
    TWindow* victim = nullptr;
    for (TWindow* x = w; x; x = x->IsChild() ? x->Parent : x->Owner)
        if (x->DestroyPending && !x->Destroying && !SubtreeBusy(x)) victim = x;
    if (victim) DestroyNow(victim);
}

void TCallNext::operator()(TMessage& message) const {
    if (auto* ws = WSOrNull()) ws->CallBelow(FWnd, FBelow, message);
}

THandlerId PushWindowHandler(HWND wnd, TWindowHandler handler) {
    TWindow* w = W(wnd);
    if (!w || !handler) return 0;
    static THandlerId next = 1;
    auto e = std::make_shared<THandlerEntry>();
    e->Id = next++;
    e->Proc = std::move(handler);
    w->Handlers.push_back(std::move(e));
    return w->Handlers.back()->Id;
}

void RemoveWindowHandler(HWND wnd, THandlerId id) {
    TWindow* w = W(wnd);
    if (!w) return;
    auto& hs = w->Handlers;
    auto it = std::find_if(hs.begin(), hs.end(), [id](auto& e) { return e->Id == id; });
    if (it == hs.end()) return;
    // A call running through the entry keeps it alive; later calls skip it.
    (*it)->Removed = true;
    hs.erase(it);
}
