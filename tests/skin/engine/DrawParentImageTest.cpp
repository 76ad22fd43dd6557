#include "skin/engine/DrawParentImage.h"
#include "SkinImagePixels.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TGraphicControl.h"
#include "platform/vcl/TWinControl.h"

#include <gtest/gtest.h>

using namespace skinimg;

namespace {

constexpr uint32_t kSilver = 0xFFC0C0C0, kGreen = 0xFF00FF00;

// A parent without a window: its background is its colour, and its own
// painting a green column at x = 15.
class TPaintedParent : public TWinControl {
public:
    using TWinControl::TWinControl;
    bool CopyWhilePainting = false;

protected:
    void PaintWindow(HDC DC) override {
        CopyWhilePainting = ControlState().Contains(csPaintCopy);
        TCanvas c(DC);
        c.Brush()->SetColor(clLime);
        c.FillRect({15, 0, 16, 1000});
    }
};

// A windowless box filling more than its own bounds in its colour, so that
// only the clip keeps it inside them.
class TBox : public TGraphicControl {
public:
    TBox(TWinControl* Parent, const TRect& Bounds, TColor AColor) : TGraphicControl(nullptr) {
        SetParent(Parent);
        SetBoundsRect(Bounds);
        SetColor(AColor);
    }
    int Paints = 0;
    bool CopyWhilePainting = false;

protected:
    void Paint() override {
        ++Paints;
        CopyWhilePainting = ControlState().Contains(csPaintCopy);
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect({-50, -50, Width() + 50, Height() + 50});
    }
};

} // namespace

TEST(DrawParentImage, ParentBackgroundAndEarlierOverlappingSiblingsClipped) {
    TPaintedParent parent(nullptr);
    parent.SetBounds(0, 0, 40, 40);
    parent.SetColor(clSilver);
    TBox a(&parent, {5, 5, 22, 22}, clRed);    // before the control, overlapping it
    TBox b(&parent, {18, 12, 30, 20}, clBlue); // before it, over a
    TBox hidden(&parent, {10, 10, 40, 40}, clYellow);
    hidden.Hide();
    TBox far(&parent, {0, 30, 5, 40}, clYellow); // before it, not overlapping
    TBox control(&parent, {10, 10, 35, 35}, clBlack);
    TBox after(&parent, {25, 25, 40, 40}, clFuchsia); // after it: must not appear

    // The control reaches past the parent's client area (40 x 40).
    TBitmap image(25, 25);
    DrawParentImage(&control, image.Canvas());
    EXPECT_EQ(FirstMismatch(image,
                            [&](int x, int y) {
                                const int px = x + 10, py = y + 10; // parent coordinates
                                if (px >= 40 || py >= 40) return kWhite;
                                if (PtInRect({18, 12, 30, 20}, {px, py})) return 0xFF0000FFu;
                                if (PtInRect({5, 5, 22, 22}, {px, py})) return 0xFFFF0000u;
                                if (px == 15) return kGreen;
                                return kSilver;
                            }),
              "");
    EXPECT_EQ(hidden.Paints + far.Paints + after.Paints + control.Paints, 0);
    EXPECT_TRUE(a.CopyWhilePainting && b.CopyWhilePainting && parent.CopyWhilePainting);
    for (TControl* c : std::initializer_list<TControl*>{&parent, &a, &b})
        EXPECT_FALSE(c->ControlState().Contains(csPaintCopy));

    // The offset form: the part under (3, 4, ...) of the control lands at the origin.
    TBitmap offset(10, 10);
    DrawParentImageOffset(&control, {3, 4, 13, 14}, offset.Canvas());
    EXPECT_EQ(FirstMismatch(offset, [&](int x, int y) { return image.ScanLine(y + 4)[x + 3]; }), "");

    // No parent: nothing is drawn.
    TBox orphan(nullptr, {0, 0, 5, 5}, clRed);
    TBitmap untouched(5, 5);
    DrawParentImage(&orphan, untouched.Canvas());
    DrawParentImage(nullptr, untouched.Canvas());
    EXPECT_EQ(FirstMismatch(untouched, [](int, int) { return kWhite; }), "");
}

TEST(DrawParentImage, PaintCopyIsClearedWhenASiblingRaises) {
    class TThrowing : public TBox {
    public:
        using TBox::TBox;

    protected:
        void Paint() override { throw std::runtime_error("paint failed"); }
    };
    TPaintedParent parent(nullptr);
    parent.SetBounds(0, 0, 20, 20);
    TThrowing bad(&parent, {0, 0, 10, 10}, clRed);
    TBox control(&parent, {5, 5, 15, 15}, clBlack);
    TBitmap image(10, 10);
    EXPECT_THROW(DrawParentImage(&control, image.Canvas()), std::runtime_error);
    EXPECT_FALSE(parent.ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(bad.ControlState().Contains(csPaintCopy));
    // The context is back at its own origin and clip.
    image.Canvas()->Brush()->SetColor(clRed);
    image.Canvas()->FillRect({0, 0, 10, 10});
    EXPECT_EQ(FirstMismatch(image, [](int, int) { return 0xFFFF0000u; }), "");
}
