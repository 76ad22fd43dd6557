#include "FrameSkin.h"

namespace {

void Fill(TBitmap& B, const TRect& R, uint32_t Rgb) {
    FillPixels(B, R, Rgb);
}

} // namespace

TBitmap TFrameSkin::FramePicture(bool Dark) {
    const uint32_t shade = Dark ? 0x404040 : 0;
    TBitmap b(100, 60);
    Fill(b, {0, 0, 100, 60}, 0x909090 - shade);
    Fill(b, {0, 0, 100, 25}, 0x2050C0 - (Dark ? 0x102040 : 0));
    Fill(b, {8, 4, 50, 20}, 0x60A0F0 - shade);
    Fill(b, {20, 0, 40, 2}, 0xF0C000 - shade); // marks the growing columns
    for (int y = 25; y < 55; ++y)
        for (int x = 5; x < 95; ++x)
            b.ScanLine(y)[x] = ((x + y) / 2) % 2 ? 0xFFFFFFFF : 0xFFE0E0E0;
    return b;
}

TBitmap TFrameSkin::MaskPicture() {
    TBitmap m(100, 60);
    m.Fill(0xFF000000);
    for (TPoint p :
         {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{99, 0}, TPoint{98, 0}, TPoint{99, 1},
          TPoint{0, 59}, TPoint{1, 59}, TPoint{0, 58}, TPoint{99, 59}, TPoint{98, 59}, TPoint{99, 58}})
        m.ScanLine(p.Y)[p.X] = 0xFFFFFFFF;
    return m;
}

TFrameSkin::TFrameSkin(bool SysMenu, bool Mask) {
    TlxSkinContent& c = Skin.Content();
    c.FPicture = std::make_unique<TBitmap>(FramePicture(false));
    c.FPictureName = "frame.bmp";
    c.FInActivePicture = std::make_unique<TBitmap>(FramePicture(true));
    c.FInActivePictureName = "inactive.bmp";
    if (Mask) {
        c.FMask = std::make_unique<TBitmap>(MaskPicture());
        c.FMaskName = "mask.bmp";
    }
    c.ClRect = {5, 25, 95, 55};
    c.LTPoint = {20, 25};
    c.RTPoint = {40, 25};
    c.LBPoint = {20, 55};
    c.RBPoint = {40, 55};
    c.CaptionRect = {8, 4, 92, 20};
    c.ButtonsRect = {70, 4, 92, 20};
    c.ButtonsOffset = 2;
    c.HitTestLTPoint = {8, 8};
    c.HitTestRTPoint = {92, 8};
    c.HitTestLBPoint = {8, 52};
    c.HitTestRBPoint = {92, 52};
    c.BorderW = 3;
    c.MaskRectArea = c.ClRect;

    TBitmap glyphs(48, 12);
    Fill(glyphs, {0, 0, 12, 12}, 0xD02020);
    Fill(glyphs, {12, 0, 24, 12}, 0x20A020);
    Fill(glyphs, {24, 0, 36, 12}, 0x2020D0);
    Fill(glyphs, {36, 0, 48, 12}, 0xE0E0E0);
    Glyphs = Skin.AddPicture(glyphs);

    auto& caption = Add<TlxDataSkinCaption>("caption");
    caption.SkinRect = {8, 4, 50, 20};
    caption.TextRct = {4, 0, 38, 16};
    caption.FontName = "Arial";
    caption.FontHeight = 12;
    caption.FontColor = clSilver;
    caption.ActiveFontColor = clWhite;
    AddButton("close", cmClose).SkinRect = {0, 0, 12, 12};
    AddButton("max", cmMaximize).SkinRect = {12, 0, 24, 12};
    AddButton("min", cmMinimize).SkinRect = {24, 0, 36, 12};
    if (SysMenu) AddButton("sysmenu", cmSysMenu).SkinRect = {36, 0, 48, 12};
}

TlxDataSkinStdButton& TFrameSkin::AddButton(const std::string& Name, TlxStdCommand Command) {
    auto& b = Add<TlxDataSkinStdButton>(Name);
    b.Command = Command;
    b.SkinRectInAPicture = true;
    b.ActivePictureIndex = Glyphs;
    return b;
}
