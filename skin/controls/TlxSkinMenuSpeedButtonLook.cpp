// The looks of TlxSkinMenuSpeedButton: the speed button's with a track part
// and its arrow, by the kind of description.

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/engine/SkinColors.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

namespace {

// The state rectangles of a description with the fall-backs of the buttons.
struct TStateRects {
    TRect Normal, Hot, Down;
    explicit TStateRects(const TlxDataSkinButtonControl& D) : Normal(D.SkinRect), Hot(D.ActiveSkinRect) {
        if (Hot.IsEmpty()) Hot = Normal;
        Down = D.DownSkinRect.IsEmpty() ? Hot : D.DownSkinRect;
    }
};

TRect Moved(TRect R, int DX, int DY) {
    OffsetRect(R, DX, DY);
    return R;
}

} // namespace

void TlxSkinMenuSpeedButton::DrawPart(TBitmap& B, const TRect& Dest, const TRect& State, TFaceKind Kind,
                                      TlxDataSkinButtonControl* D) {
    if (Dest.IsEmpty()) return;
    TlxSkinGeometry g = Geometry;
    TBitmap* picture = Picture();
    if (D) {
        g = TlxSkinGeometry::Of(*D);
        picture = SkinData()->ActivePicture(D->PictureIndex);
        // Nothing lies beyond the picture (as for the button's own description).
        g.SkinRect.Right = std::min(g.SkinRect.Right, picture ? picture->Width() : g.SkinRect.Left);
        g.SkinRect.Bottom = std::min(g.SkinRect.Bottom, picture ? picture->Height() : g.SkinRect.Top);
    }
    const TRect source = ClipToPicture(State, picture);
    if (source.IsEmpty()) return;
    TBitmap part(Dest.Width(), Dest.Height());
    if (Kind == TFaceKind::Tool) {
        CreateSkinImageByClient(&part, picture, source, g.ClRect, true);
    } else {
        const TlxSkinSize s = CalcSkinSize(g, part.Width(), part.Height());
        ::CreateSkinControlImage(g, s, picture, source, part);
    }
    B.Canvas()->Draw(Dest.Left, Dest.Top, &part);
}

void TlxSkinMenuSpeedButton::DrawArrow(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, TColor Color) {
    if (FDrawStandardArrow) {
        DrawArrowImage(&C, R, Color, FArrowType);
        return;
    }
    if (!Skinned() || MenuMarkerRect.IsEmpty()) {
        DrawDropDownArrow(&C, R, FMenuTracked && Skinned() ? DownFontColor : Color);
        return;
    }
    TRect marker = MenuMarkerRect;
    if ((IsDown && IsActive) || FMenuTracked)
        marker = MenuMarkerDownRect;
    else if (IsActive)
        marker = MenuMarkerActiveRect;
    else if (Flat())
        marker = MenuMarkerFlatRect;
    marker = ClipToPicture(marker, Picture());
    DrawPicturePart(C, Centred(R.Left, R.Width(), marker.Width()),
                    Centred(R.Top, R.Height(), marker.Height()), Picture(), marker, true,
                    MenuMarkerTransparentColor);
}

void TlxSkinMenuSpeedButton::CreateToolImage(TBitmap& B, bool IsDown, bool IsActive, TFaceKind Kind) {
    const TRect normal = !Enabled() && !DisabledSkinRect.IsEmpty() ? DisabledSkinRect : Geometry.SkinRect;
    TRect main, track;
    if (FMenuTracked) {
        main = ActiveSkinRect;
        track = DownSkinRect;
    } else if (IsDown && IsActive) {
        main = track = DownSkinRect;
    } else if (IsActive) {
        main = track = ActiveSkinRect;
    } else if (!Flat()) {
        main = track = normal;
    }
    if (FTrackButtonMode) {
        DrawPart(B, MainRect(), main, Kind);
        DrawPart(B, Strip(), track, Kind);
    } else {
        DrawPart(B, {0, 0, Width(), Height()}, main, Kind);
    }
    TCanvas& c = *B.Canvas();
    TRect content = GrownClient(Geometry, Width(), Height());
    content.Right -= StripSize;
    DrawFace(c, content, IsDown, IsActive);
    const int shift = (IsDown && IsActive) || FMenuTracked ? 2 : 0;
    DrawArrow(c, Moved(Strip(), shift, shift), IsDown, IsActive, c.Font()->Color());
}

void TlxSkinMenuSpeedButton::CreateNewStyleImage(TBitmap& B, bool IsDown, bool IsActive) {
    auto* d = dynamic_cast<TlxDataSkinButtonControl*>(Description());
    if (!d) return;
    const TStateRects rects(*d);
    const bool pressed = IsActive && IsDown && !(FMenuTracked && FTrackButtonMode);
    const TRect main = pressed ? rects.Down : IsActive ? rects.Hot : rects.Normal;
    if (FTrackButtonMode && IsActive) {
        DrawPart(B, MainRect(), main, TFaceKind::ResizeNew, d);
        // The track part from a description of its own where the skin has one.
        TlxSkinData* sd = SkinData();
        const int index = sd->GetControlIndex(StripAtBottom() ? "htracktoolbutton" : "vtracktoolbutton");
        auto* td = index >= 0 ? dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[index].get()) : nullptr;
        if (!td) td = d;
        const TStateRects trackRects(*td);
        DrawPart(B, Strip(), FMenuTracked ? trackRects.Down : trackRects.Hot, TFaceKind::ResizeNew, td);
    } else {
        DrawPart(B, {0, 0, Width(), Height()}, main, TFaceKind::ResizeNew, d);
    }
    TCanvas& c = *B.Canvas();
    DrawFace(c, MainRect(), IsDown, IsActive);
    const int shift = pressed ? 1 : 0;
    DrawArrow(c, Moved(Strip(), shift, shift), IsDown, IsActive, c.Font()->Color());
}

void TlxSkinMenuSpeedButton::CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive) {
    const TFaceKind kind = FaceKind();
    if (kind == TFaceKind::ResizeNew) {
        CreateNewStyleImage(B, IsDown, IsActive);
        return;
    }
    if (kind != TFaceKind::Own) {
        CreateToolImage(B, IsDown, IsActive, kind);
        return;
    }
    const TRect track = TrackRect();
    if (FMenuTracked && FTrackButtonMode && !TrackButtonRect.IsEmpty() && !DownSkinRect.IsEmpty()) {
        // The hot button with the pressed look on the track part only.
        TlxSkinSpeedButton::CreateButtonImage(B, ActiveSkinRect, false, true);
        const TRect source =
            ClipToPicture(Moved(TrackButtonRect, DownSkinRect.Left, DownSkinRect.Top), Picture());
        if (!source.IsEmpty()) CopyPicturePart(*B.Canvas(), track, Picture(), source);
    } else {
        TlxSkinSpeedButton::CreateButtonImage(B, R, IsDown, IsActive);
    }
    DrawArrow(*B.Canvas(), track, IsDown, IsActive, B.Canvas()->Font()->Color());
}

void TlxSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    const TlxButtonLook look = Look();
    const bool pressed = look == TlxButtonLook::Pressed, hot = look == TlxButtonLook::Hot;
    const TRect main = MainRect(), track = Strip();
    if (!FTrackButtonMode) {
        DrawDefaultBackground(c, {0, 0, B.Width(), B.Height()}, pressed, hot);
    } else if (FMenuTracked) {
        // Main and track part each framed: while tracked the main part hot
        // and the track part pressed; pressed, the other way round.
        DrawPressablePart(c, main, false, true);
        DrawPressablePart(c, track, true, false);
    } else if (FDown && FMouseIn) {
        DrawPressablePart(c, main, true, false);
        DrawPressablePart(c, track, false, true);
    } else {
        DrawDefaultBackground(c, main, false, FMouseIn);
        DrawDefaultBackground(c, track, false, FMouseIn);
    }
    const bool mainPressed = pressed && !(FTrackButtonMode && FMenuTracked);
    DrawDefaultFace(c, main, mainPressed);
    const int shift = mainPressed ? 1 : 0;
    DrawArrow(c, Moved(track, shift, shift), FDown, FMouseIn, Enabled() ? clBtnText : clBtnShadow);
}

void TlxSkinMenuSpeedButton::PaintTransparent() {
    PaintTransparentContent(FaceKind() == TFaceKind::Own && Skinned() ? Sized.NewClRect : MainRect());
    TCanvas& c = *Canvas();
    TRect arrow = TrackRect();
    if (Skinned() && ResizeMode() != TlxResizeMode::Both) arrow = Moved(arrow, -2, 0);
    if (!Skinned()) {
        DrawDropDownArrow(&c, arrow, clBtnText);
    } else if (!MenuMarkerFlatRect.IsEmpty()) {
        DrawArrow(c, arrow, false, false, clBtnText);
    } else {
        const TlxSkinColors* colors = SkinData()->SkinColors();
        DrawDropDownArrow(&c, arrow, colors ? colors->cBtnText() : clBtnText);
    }
}
