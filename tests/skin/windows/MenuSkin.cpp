#include "tests/skin/windows/MenuSkin.h"

#include "platform/gdi/TCanvas.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinObjects.h"

namespace {

// A strip image with darker ends of 2 pixels: R of B in Middle, ends in End.
void Strip(TBitmap& B, const TRect& R, uint32_t End, uint32_t Middle) {
    FillPixels(B, R, End);
    FillPixels(B, {R.Left + 2, R.Top, R.Right - 2, R.Bottom}, Middle);
}

// A glyph cell: magenta (the transparent key, its bottom-left pixel) around
// a square of Colour.
void Glyph(TBitmap& B, const TRect& R, uint32_t Colour) {
    FillPixels(B, R, 0xFF00FF);
    FillPixels(B, {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2}, Colour);
}

void NinePart(TPoint& LT, TPoint& RT, TPoint& LB, TPoint& RB) {
    LT = {4, 4};
    RT = {16, 4};
    LB = {4, 16};
    RB = {16, 16};
}

} // namespace

TTestSkin MenuSkin() {
    TTestSkin skin;
    TBitmap frame(20, 20);
    frame.Canvas()->CopyRect({0, 0, 20, 20}, *TTestSkin::StandardPicture().Canvas(), {0, 0, 20, 20});
    const int window = skin.AddPicture(frame);

    TBitmap strip(48, 64);
    strip.Fill(0xFF000000);
    Strip(strip, {0, 0, 30, 20}, 0x404040, 0xE0E0E0);
    Strip(strip, {0, 20, 30, 40}, 0x202060, 0x4060C0);
    FillPixels(strip, {0, 40, 30, 44}, 0xE0E0E0);
    FillPixels(strip, {2, 41, 28, 43}, 0x808080);
    Strip(strip, {0, 44, 30, 60}, 0x804000, 0xC08040);
    Glyph(strip, {30, 0, 38, 8}, 0x008000);
    Glyph(strip, {38, 0, 46, 8}, 0x800000);
    Glyph(strip, {30, 8, 36, 16}, 0x000000);
    const int items = skin.AddPicture(strip);

    auto& pw = *skin.Content().PopupWindow;
    pw.WindowPictureIndex = window;
    pw.MaskPictureIndex = -1;
    NinePart(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint);
    pw.ItemsRect = {4, 4, 16, 16};
    pw.ScrollMarkerColor = 0x808080;
    pw.ScrollMarkerActiveColor = 0x0000FF;

    auto& hw = *skin.Content().HintWindow;
    hw.WindowPictureIndex = window;
    hw.MaskPictureIndex = -1;
    NinePart(hw.LTPoint, hw.RTPoint, hw.LBPoint, hw.RBPoint);
    hw.ClRect = {4, 4, 16, 16};
    hw.FontName = "Arial";
    hw.FontHeight = 14;
    hw.FontColor = clWhite;

    auto& mi = skin.AddObject<TlxDataSkinMenuItem>("menuitem");
    mi.ActivePictureIndex = items;
    mi.SkinRect = {0, 0, 30, 20};
    mi.ActiveSkinRect = {0, 20, 30, 40};
    mi.DividerRect = {0, 40, 30, 44};
    mi.DividerLO = mi.DividerRO = 2;
    mi.ItemLO = mi.ItemRO = 2;
    mi.TextRct = {MenuSkinTextLeft, 0, 26, 20};
    mi.ImageRct = {};
    mi.FontName = "Arial";
    mi.FontHeight = 14;
    mi.FontStyle = {};
    mi.FontColor = clBlack;
    mi.ActiveFontColor = clWhite;
    mi.UnEnabledFontColor = clGray;
    mi.CheckImageRect = mi.ActiveCheckImageRect = {30, 0, 38, 8};
    mi.RadioImageRect = mi.ActiveRadioImageRect = {38, 0, 46, 8};
    mi.ArrowImageRect = mi.ActiveArrowImageRect = {30, 8, 36, 16};
    mi.Morphing = false;
    mi.AnimateSkinRect = {};

    for (const char* name : {"menuheader", "label"}) {
        auto& header = skin.Add<TlxDataSkinLabelControl>(name);
        header.PictureIndex = items;
        header.SkinRect = {0, 44, 30, 60};
        header.LTPoint = {2, 0};
        header.RTPoint = {28, 0};
        header.ClRect = {2, 0, 28, 16};
        header.FontName = "Arial";
        header.FontHeight = 14;
        header.FontColor = clWhite;
    }
    return skin;
}
