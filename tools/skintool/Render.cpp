#include "Render.h"

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRegions.h"

#include <cstring>
#include <span>
#include <vector>

namespace {

TPoint Moved(const TPoint& P, int DX, int DY) {
    return {P.X + DX, P.Y + DY};
}

// Pixels outside Rgn become fully transparent, those inside opaque.
void ApplyRegion(TBitmap& B, HRGN Rgn) {
    B.SetPixelFormat(pf32bit);
    for (int y = 0; y < B.Height(); ++y)
        for (uint32_t& p : std::span(B.ScanLine(y), size_t(B.Width())))
            p &= 0x00FFFFFFu;
    std::vector<uint8_t> data(GetRegionData(Rgn, 0, nullptr));
    if (data.size() < sizeof(RGNDATAHEADER)) return;
    GetRegionData(Rgn, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    RGNDATAHEADER h;
    std::memcpy(&h, data.data(), sizeof h);
    for (DWORD i = 0; i < h.nCount; ++i) {
        TRect r;
        std::memcpy(&r, data.data() + sizeof h + i * sizeof r, sizeof r);
        IntersectRect(r, r, {0, 0, B.Width(), B.Height()});
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                B.ScanLine(y)[x] |= 0xFF000000u;
    }
}

} // namespace

void RenderSkinDescription(const TlxSkinContent& Content, const std::string& Name, int Width, int Height,
                           TBitmap& Out) {
    const int index = Content.GetControlIndex(Name);
    if (index < 0) throw Exception("no control description named \"" + Name + "\"");
    const TlxDataSkinControl* control = Content.CtrlList[size_t(index)].get();
    TBitmap* picture = Content.ActivePicture(control->PictureIndex);
    if (!picture || picture->Empty())
        throw Exception("\"" + Name + "\" names no picture (picture index " +
                        std::to_string(control->PictureIndex) + ")");
    const TRect R = control->SkinRect;
    if (IsRectEmpty(R)) throw Exception("\"" + Name + "\" has an empty skin rectangle");

    auto* custom = dynamic_cast<const TlxDataSkinCustomControl*>(control);
    if (!custom) {
        Out.SetSize(Width, Height);
        Out.Canvas()->CopyRect({0, 0, Width, Height}, *picture->Canvas(), R);
        return;
    }
    // The geometry of a control that grows from its corner points.
    const int dx = Width - RectWidth(R);
    const int dy = Height - RectHeight(R);
    const TPoint newLT = custom->LTPoint;
    const TPoint newRT = Moved(custom->RTPoint, dx, 0);
    const TPoint newLB = Moved(custom->LBPoint, 0, dy);
    const TPoint newRB = Moved(custom->RBPoint, dx, dy);
    TRect newCl = custom->ClRect;
    newCl.Right += dx;
    newCl.Bottom += dy;
    CreateSkinImage(custom->LTPoint, custom->RTPoint, custom->LBPoint, custom->RBPoint, custom->ClRect, newLT,
                    newRT, newLB, newRB, newCl, &Out, picture, R, Width, Height, true, custom->LeftStretch,
                    custom->TopStretch, custom->RightStretch, custom->BottomStretch, custom->StretchEffect,
                    custom->StretchType);

    TBitmap* mask = Content.ActivePicture(custom->MaskPictureIndex);
    if (!mask || mask->Empty()) return;
    HRGN rgn = nullptr;
    CreateSkinRgn(rgn, custom->LTPoint, custom->RTPoint, custom->LBPoint, custom->RBPoint, custom->ClRect,
                  newLT, newRT, newLB, newRB, newCl, mask, Width, Height);
    if (!rgn) return;
    ApplyRegion(Out, rgn);
    DeleteObject(rgn);
}
