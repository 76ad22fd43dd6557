#include "skin/engine/DrawParentImage.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TGraphicControl.h"
#include "platform/vcl/TWinControl.h"

namespace {

// Reaches a parent's own painting, which the framework keeps protected.
struct TParentWindowPainter : TWinControl {
    static void Paint(TWinControl* Parent, HDC DC) {
        void (TWinControl::*paint)(HDC) = &TParentWindowPainter::PaintWindow;
        (Parent->*paint)(DC);
    }
};

// csPaintCopy for the guard's life; the control's earlier state comes back
// even when painting raises.
class TPaintCopyState {
public:
    explicit TPaintCopyState(TControl* AControl)
        : FControl(AControl), FHad(AControl->ControlState().Contains(csPaintCopy)) {
        TControlState s = FControl->ControlState();
        s.Include(csPaintCopy);
        FControl->SetControlState(s);
    }
    ~TPaintCopyState() {
        if (FHad) return;
        TControlState s = FControl->ControlState();
        s.Exclude(csPaintCopy);
        FControl->SetControlState(s);
    }
    TPaintCopyState(const TPaintCopyState&) = delete;
    TPaintCopyState& operator=(const TPaintCopyState&) = delete;

private:
    TControl* FControl;
    bool FHad;
};

class TSavedDC {
public:
    explicit TSavedDC(HDC ADC) : FDC(ADC), FLevel(SaveDC(ADC)) {}
    ~TSavedDC() { RestoreDC(FDC, FLevel); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FLevel;
};

void PaintBehind(TControl* Control, int DX, int DY, TCanvas* Canvas) {
    if (!Control || !Canvas) return;
    TWinControl* parent = Control->Parent();
    if (!parent) return;
    HDC dc = Canvas->Handle();
    if (!dc) return;
    TPaintCopyState parentState(parent);
    {
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, -Control->Left() - DX, -Control->Top() - DY, nullptr);
        IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
        // There is no MDI client window here: an MDI form erases like any other form.
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        if (!dynamic_cast<TCustomForm*>(parent)) TParentWindowPainter::Paint(parent, dc);
    }
    const TRect bounds = Control->BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == Control) break;
        auto* graphic = dynamic_cast<TGraphicControl*>(sibling);
        TRect overlap;
        if (!graphic || !graphic->Visible() || !IntersectRect(overlap, bounds, graphic->BoundsRect()))
            continue;
        TPaintCopyState siblingState(graphic);
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, graphic->Left() - Control->Left() - DX, graphic->Top() - Control->Top() - DY,
                            nullptr);
        IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
        graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

} // namespace

void DrawParentImage(TControl* Control, TCanvas* Canvas) {
    PaintBehind(Control, 0, 0, Canvas);
}

void DrawParentImageOffset(TControl* Control, const TRect& R, TCanvas* Canvas) {
    PaintBehind(Control, R.Left, R.Top, Canvas);
}
