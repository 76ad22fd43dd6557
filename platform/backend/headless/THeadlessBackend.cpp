#include "platform/backend/headless/THeadlessBackend.h"

#include <algorithm>
#include <chrono>

namespace {

uint64_t RealMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

inline uint32_t Div255(uint32_t v) {
    return (v + 127) / 255;
}

} // namespace

THeadlessSurface::THeadlessSurface(THeadlessBackend* owner, HWND wnd, const TSurfaceParams& params)
    : FOwner(owner), FWnd(wnd), FKind(params.Kind), FBounds(params.Bounds), FTitle(params.Title) {}

THeadlessSurface::~THeadlessSurface() {
    if (FOwner) FOwner->Forget(this);
}

void THeadlessSurface::Present(const TBitmap& pixels, const TRect& dirty) {
    (void)dirty;
    FPixels.SetPixelFormat(pf32bit);
    FPixels.SetSize(pixels.Width(), pixels.Height());
    if (!pixels.Empty())
        std::copy(pixels.Bits(), pixels.Bits() + size_t(pixels.Width()) * pixels.Height(), FPixels.Bits());
    ++FPresents;
}

void THeadlessSurface::SetLayered(bool layered, Byte constantAlpha, bool perPixel) {
    FLayered = layered;
    FAlpha = constantAlpha;
    FPerPixel = perPixel;
}

void THeadlessSurface::SetShape(const TRegion* shape) {
    if (shape)
        FShape = *shape;
    else
        FShape.reset();
}

THeadlessBackend::THeadlessBackend() : FRealStart(RealMs()) {
    FMonitors.push_back({Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728), true});
}

THeadlessBackend::~THeadlessBackend() {
    for (auto* s : FSurfaces)
        s->FOwner = nullptr;
}

void THeadlessBackend::Forget(THeadlessSurface* s) {
    std::erase(FSurfaces, s);
    std::erase(FStack, s);
    if (FGrab == s) FGrab = nullptr;
}

std::unique_ptr<TBackendSurface> THeadlessBackend::CreateSurface(HWND wnd, const TSurfaceParams& params) {
    auto s = std::make_unique<THeadlessSurface>(this, wnd, params);
    FSurfaces.push_back(s.get());
    return s;
}

void THeadlessBackend::Restack(const std::vector<TBackendSurface*>& topFirst) {
    FStack.clear();
    for (auto* b : topFirst)
        for (auto* s : FSurfaces)
            if (s == b) FStack.push_back(s);
}

uint64_t THeadlessBackend::TickCount() {
    return FVirtual ? FNow.load() : RealMs() - FRealStart;
}

std::vector<THeadlessSurface*> THeadlessBackend::Stack() const {
    std::vector<THeadlessSurface*> out;
    for (auto* s : FStack)
        if (s->Visible()) out.push_back(s);
    return out;
}

THeadlessSurface* THeadlessBackend::SurfaceOf(HWND wnd) const {
    for (auto* s : FSurfaces)
        if (s->Wnd() == wnd) return s;
    return nullptr;
}

TRect THeadlessBackend::ScreenBounds() const {
    TRect all;
    for (auto& m : FMonitors)
        UnionRect(all, all, m.Bounds);
    return all;
}

TBitmap THeadlessBackend::Screenshot() const {
    TRect screen = ScreenBounds();
    TBitmap out;
    out.SetPixelFormat(pf32bit);
    out.SetSize(screen.Width(), screen.Height());
    out.Fill(FDesktop);
    auto stack = Stack();
    // Bottom to top; layered pixels are premultiplied here, as a compositor
    // takes them, and laid over what is below.
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        const THeadlessSurface& s = **it;
        const TBitmap& px = s.Pixels();
        TRect b = s.ScreenBounds();
        for (int y = 0; y < px.Height() && y < b.Height(); ++y) {
            int sy = b.Top + y - screen.Top;
            if (sy < 0 || sy >= out.Height()) continue;
            const uint32_t* src = px.ScanLine(y);
            uint32_t* dst = out.ScanLine(sy);
            for (int x = 0; x < px.Width() && x < b.Width(); ++x) {
                int sx = b.Left + x - screen.Left;
                if (sx < 0 || sx >= out.Width()) continue;
                if (s.Shape() && !s.Shape()->Contains(x, y)) continue;
                uint32_t p = src[x];
                if (!s.Layered()) {
                    dst[sx] = p | 0xFF000000u;
                    continue;
                }
                uint32_t a = s.ConstantAlpha();
                if (s.PerPixelAlpha()) a = Div255(a * (p >> 24));
                uint32_t d = dst[sx];
                auto ch = [&](int shift) {
                    uint32_t sc = Div255(((p >> shift) & 0xFF) * a);
                    uint32_t dc = Div255(((d >> shift) & 0xFF) * (255 - a));
                    return std::min<uint32_t>(sc + dc, 255) << shift;
                };
                dst[sx] = 0xFF000000u | ch(16) | ch(8) | ch(0);
            }
        }
    }
    return out;
}

void THeadlessBackend::SetLayeredCapability(bool on) {
    if (FLayered == on) return;
    FLayered = on;
    if (WindowBackend() == this) LayeredCapabilityChanged();
}
