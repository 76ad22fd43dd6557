#include "skin/windows/TlxTrayBalloon.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"
#include "platform/sys/TDesktopServices.h"

#include <algorithm>

namespace {

constexpr int Margin = 6;
constexpr int MaxTextWidth = 320;
constexpr int Gap = 4;

TRect PrimaryWorkArea() {
    for (const TDesktopMonitor& m : DesktopServices().Monitors())
        if (m.Primary) return m.WorkArea;
    return {0, 0, 1024, 768};
}

} // namespace

TlxTrayBalloon::TlxTrayBalloon(TComponent* AOwner) : THintWindow(AOwner) {}

TRect TlxTrayBalloon::MeasureText(const std::string& Text, bool Bold) const {
    if (Text.empty()) return {};
    TBitmap scratch(1, 1);
    TCanvas canvas(&scratch);
    canvas.Font()->Assign(FFont);
    if (Bold) canvas.Font()->SetStyle(TFontStyles{fsBold});
    TRect r{0, 0, MaxTextWidth, 0};
    DrawText(canvas.Handle(), Text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return r;
}

void TlxTrayBalloon::ShowBeside(const TRect& IconRect, const std::string& Title, const std::string& Text) {
    FTitle = Title;
    const TRect title = MeasureText(Title, true);
    const TRect text = MeasureText(Text, false);
    const int w = std::max(title.Width(), text.Width()) + 2 * Margin;
    const int h = title.Height() + (Title.empty() ? 0 : Gap) + text.Height() + 2 * Margin;
    const TRect area = PrimaryWorkArea();
    int x, y;
    if (IconRect.IsEmpty()) {
        x = area.Right - w - Gap;
        y = area.Bottom - h - Gap;
    } else {
        // Right edges lined up; above the icon when it sits in the lower half.
        x = IconRect.Right - w;
        y = IconRect.Top > area.Top + area.Height() / 2 ? IconRect.Top - h - Gap : IconRect.Bottom + Gap;
    }
    x = std::clamp(x, area.Left, std::max(area.Left, area.Right - w));
    y = std::clamp(y, area.Top, std::max(area.Top, area.Bottom - h));
    ActivateHint({x, y, x + w, y + h}, Text);
}

void TlxTrayBalloon::HideBalloon() {
    if (Active()) ReleaseHandle();
}

void TlxTrayBalloon::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    c->Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    r.Left += Margin;
    r.Top += Margin;
    r.Right -= Margin;
    if (!FTitle.empty()) {
        c->Font()->Assign(FFont);
        c->Font()->SetStyle(TFontStyles{fsBold});
        TRect t = r;
        DrawText(c->Handle(), FTitle, t, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        r.Top += MeasureText(FTitle, true).Height() + Gap;
    }
    c->Font()->Assign(FFont);
    DrawText(c->Handle(), Text(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void TlxTrayBalloon::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST:
        // Unlike a hint, a balloon takes the click that answers it.
        Message.Result = HTCLIENT;
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_LBUTTONUP: {
        TNotifyEvent click = OnClick;
        HideBalloon();
        if (click) click(this);
        return;
    }
    default:
        THintWindow::Dispatch(Message);
    }
}
