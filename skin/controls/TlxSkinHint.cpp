#include "skin/controls/TlxSkinHint.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TGraphicControl.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinBase.h"
#include "skin/controls/TlxSkinHintWindow.h"
#include "skin/engine/SkinData.h"

namespace {

// Below the hot spot of the pointer's picture: the hint clears the pointer.
constexpr int CursorHeightMargin = 20;

} // namespace

TlxSkinHint* FindActiveSkinHint() {
    TCustomForm* form = Application ? Application->MainForm() : nullptr;
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* hint = dynamic_cast<TlxSkinHint*>(form->Components(i)); hint && hint->Active()) return hint;
    return nullptr;
}

TlxSkinHint::TlxSkinHint(TComponent* AOwner) : TComponent(AOwner) {
    HW = new TlxSkinHintWindow(this);
    if (ComponentState().Contains(csDesigning) || !Application) return;
    // Every hint of the application is shown in a skinned window from now
    // on: the plain one made so far goes, the next hint makes a new one.
    Application->HintWindowClass = [](TComponent* Owner) -> THintWindow* {
        return new TlxSkinHintWindow(Owner, true);
    };
    Application->CancelHint();
    if (THintWindow* old = Application->HintWindow()) old->Free();
}

TlxSkinHint::~TlxSkinHint() = default;

void TlxSkinHint::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
}

void TlxSkinHint::SetActive(bool Value) {
    if (Value) {
        TCustomForm* form = Application ? Application->MainForm() : nullptr;
        for (int i = 0; form && i < form->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TlxSkinHint*>(form->Components(i)); other && other != this)
                other->SetActive(false);
    }
    FActive = Value;
}

void TlxSkinHint::ClearTitle() {
    FHintTitle.clear();
    FHintImageIndex = 0;
    FHintImageList.Set(nullptr);
}

void TlxSkinHint::ShowHintHandler(TControl* Control) {
    ClearTitle();
    if (auto* c = dynamic_cast<TlxSkinBase<TCustomControl>*>(Control)) {
        FHintTitle = c->HintTitle();
        FHintImageIndex = c->HintImageIndex();
        FHintImageList.Set(c->HintImageList());
    } else if (auto* g = dynamic_cast<TlxSkinBase<TGraphicControl>*>(Control)) {
        FHintTitle = g->HintTitle();
        FHintImageIndex = g->HintImageIndex();
        FHintImageList.Set(g->HintImageList());
    }
}

void TlxSkinHint::ActivateHint(TPoint P, const std::string& AHint) {
    ClearTitle();
    HW->ActivateHint({P.X, P.Y, P.X, P.Y}, AHint);
}

void TlxSkinHint::ActivateHintEx(TPoint P, const std::string& AHintTitle, const std::string& AHint,
                                 int AImageIndex, TCustomImageList* AImageList) {
    HW->ActivateHintEx({P.X, P.Y, P.X, P.Y}, AHintTitle, AHint, AImageIndex, AImageList);
}

void TlxSkinHint::ActivateHint2(const std::string& AHint) {
    ClearTitle();
    HintText = AHint;
    StartTimed(TTimedKind::Plain);
}

void TlxSkinHint::ActivateHint3(const TRect& AFromRect, const std::string& AHint, bool ATop) {
    ClearTitle();
    HintText = AHint;
    FromRect = AFromRect;
    Top = ATop;
    StartTimed(TTimedKind::FromRect);
}

void TlxSkinHint::ActivateHintEx2(const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                                  TCustomImageList* AImageList) {
    HintText = AHint;
    FHintTitle = AHintTitle;
    FHintImageIndex = AImageIndex;
    FHintImageList.Set(AImageList);
    StartTimed(TTimedKind::Extended);
}

void TlxSkinHint::StartTimed(TTimedKind Kind) {
    if (FHintTimer) {
        TTimer* old = FHintTimer;
        FHintTimer = nullptr;
        old->Free();
    }
    FTimedKind = Kind;
    FHintTimer = new TTimer(this);
    FHintTimer->SetInterval(static_cast<uint32_t>(std::max(Application ? Application->HintPause() : 500, 1)));
    FHintTimer->OnTimer = [this](TObject*) { ShowTimed(); };
    FHintTimer->SetEnabled(true);
}

void TlxSkinHint::ShowTimed() {
    TKeepAlive alive(this);
    TPoint p;
    GetCursorPos(p);
    p.Y += GetCursorHeightMargin();
    const TRect at{p.X, p.Y, p.X, p.Y};
    switch (FTimedKind) {
    case TTimedKind::Plain:
        HW->ActivateHint(at, HintText);
        break;
    case TTimedKind::FromRect:
        HW->ActivateHintFromRect(FromRect, HintText, Top);
        break;
    case TTimedKind::Extended:
        HW->ActivateHintEx(at, FHintTitle, HintText, FHintImageIndex, FHintImageList);
        break;
    }
    if (FreePending() || !FHintTimer) return;
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(
        static_cast<uint32_t>(std::max(Application ? Application->HintHidePause() : 2500, 1)));
    FHintTimer->OnTimer = [this](TObject*) { HideHint(); };
    FHintTimer->SetEnabled(true);
}

void TlxSkinHint::HideHint() {
    if (FHintTimer) {
        // Deferred while the timer runs its own handler.
        TTimer* timer = FHintTimer;
        FHintTimer = nullptr;
        timer->SetEnabled(false);
        timer->Free();
    }
    if (HW->Visible()) {
        HW->HideWindow();
        ClearTitle();
    }
}

bool TlxSkinHint::IsVisible() const {
    return HW->Visible();
}

int TlxSkinHint::GetCursorHeightMargin() const {
    return CursorHeightMargin;
}
