#include "tests/skin/windows/TFrameObjectTest.h"

#include "platform/gdi/TBitmap.h"
#include "skin/windows/TlxActiveSkinObject.h"

namespace {

TBitmap Plain(int W, int H, uint32_t Rgb) {
    TBitmap b(W, H);
    FillPixels(b, {0, 0, W, H}, Rgb);
    return b;
}

TBitmap StatesPicture() {
    const uint32_t colours[] = {
        StateRgb::Normal,          StateRgb::Active,  StateRgb::Down,          StateRgb::Disabled,
        StateRgb::InActive,        StateRgb::Restore, StateRgb::RestoreActive, StateRgb::RestoreDown,
        StateRgb::RestoreInActive, 0xFFFFFF};
    TBitmap b(100, 10);
    for (int i = 0; i < 10; ++i)
        FillPixels(b, {i * 10, 0, i * 10 + 10, 10}, colours[i]);
    return b;
}

// Black (inside) but for a white 3 x 3 top-left corner.
TBitmap MaskPicture() {
    TBitmap b = Plain(10, 10, 0x000000);
    FillPixels(b, {0, 0, 3, 3}, 0xFFFFFF);
    return b;
}

TBitmap StripPicture() {
    TBitmap b(100, 10);
    for (int n = 1; n <= 10; ++n)
        FillPixels(b, {(n - 1) * 10, 0, n * 10, 10}, FrameRgb(n));
    return b;
}

} // namespace

uint32_t RgbAt(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

void TFrameObjectTest::SetUp() {
    TSkinControlTest::SetUp();
    Lvx = new TlxLumivex(Form);
}

TTestSkin TFrameObjectTest::MakeSkin() {
    TTestSkin skin;
    skin.AddPicture(StatesPicture());
    skin.AddPicture(MaskPicture());
    skin.AddPicture(StripPicture());
    skin.AddPicture(Plain(14, 14, 0xFFFFFF));
    skin.AddPicture(Plain(14, 14, 0x808080));
    TlxSkinContent& c = skin.Content();
    *c.FPicture = Plain(60, 40, 0x404040);
    c.FPictureName = "frame.bmp";
    c.LTPoint = {20, 20};
    c.RTPoint = {40, 20};
    c.LBPoint = {20, 30};
    c.RBPoint = {40, 30};
    c.ClRect = {5, 25, 55, 35};
    return skin;
}

void TFrameObjectTest::Apply(TTestSkin& Skin) {
    Skin.LoadInto(SD);
    Lvx->SetSkinData(SD);
    Session.Pump();
}

uint32_t TFrameObjectTest::Drawn(TlxActiveSkinObject* Obj, bool UpDate) {
    const TRect& r = Obj->ObjectRect;
    TBitmap b(r.Right + 2, r.Bottom + 2);
    FillPixels(b, {0, 0, b.Width(), b.Height()}, PaperRgb);
    Obj->Draw(b.Canvas(), UpDate);
    return RgbAt(b, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void TFrameObjectTest::Ticks(int N) {
    for (int i = 0; i < N; ++i)
        Session.Advance(25);
}
