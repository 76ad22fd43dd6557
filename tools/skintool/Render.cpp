#include "Render.h"

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinSizing.h"

#include <cstring>
#include <span>
#include <vector>

namespace {

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
    // Exactly what a skinned control of this size paints, and its region.
    const TlxSkinGeometry geometry = TlxSkinGeometry::Of(*custom);
    const TlxSkinSize size = CalcSkinSize(geometry, Width, Height);
    CreateSkinControlImage(geometry, size, picture, R, Out);
    HRGN rgn = CreateSkinControlRgn(geometry, size, Content.ActivePicture(custom->MaskPictureIndex));
    if (!rgn) return;
    ApplyRegion(Out, rgn);
    DeleteObject(rgn);
}
