#include "skin/controls/TlxSkinButtonFaces.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/TlxEffectBmp.h"

namespace {
constexpr double MorphIncrement = 0.2;
}

void TlxSkinButtonFaces::CopyFaces(const TlxDataSkinButtonControl& D, const TRect& SkinRect) {
    FontName = D.FontName;
    FontColor = D.FontColor;
    ActiveFontColor = D.ActiveFontColor;
    DownFontColor = D.DownFontColor;
    FontStyle = D.FontStyle;
    FontHeight = D.FontHeight;
    ActiveSkinRect = D.ActiveSkinRect;
    DownSkinRect = D.DownSkinRect;
    DisabledSkinRect = D.DisabledSkinRect;
    DisabledFontColor = D.DisabledFontColor;
    Morphing = D.Morphing;
    MorphKind = D.MorphKind;
    AnimateSkinRect = D.AnimateSkinRect;
    FrameCount = D.FrameCount;
    AnimateInterval = D.AnimateInterval;
    MenuMarkerRect = D.MenuMarkerRect;
    MenuMarkerActiveRect = D.MenuMarkerActiveRect;
    MenuMarkerDownRect = D.MenuMarkerDownRect;
    MenuMarkerFlatRect = D.MenuMarkerFlatRect;
    MenuMarkerTransparentColor = D.MenuMarkerTransparentColor;
    if (ActiveSkinRect.IsEmpty()) ActiveSkinRect = SkinRect;
    if (DownSkinRect.IsEmpty()) DownSkinRect = ActiveSkinRect;
    if (MenuMarkerActiveRect.IsEmpty()) MenuMarkerActiveRect = MenuMarkerRect;
    if (MenuMarkerDownRect.IsEmpty()) MenuMarkerDownRect = MenuMarkerActiveRect;
    if (DisabledFontColor == FontColor) DisabledFontColor = RGB(128, 128, 128);
    if (FrameCount < 1) AnimateSkinRect = {};
}

TRect TlxSkinButtonFaces::AnimationFrame(const TRect& SkinRect, int N) const {
    const TRect& a = AnimateSkinRect;
    if (SkinRect.Width() < a.Width()) {
        const int fw = a.Width() / FrameCount;
        return {a.Left + fw * (N - 1), a.Top, a.Left + fw * N, a.Bottom};
    }
    const int fh = a.Height() / FrameCount;
    return {a.Left, a.Top + fh * (N - 1), a.Right, a.Top + fh * N};
}

TColor TlxSkinButtonFaces::CaptionColor(bool Enabled, bool UseSkinFontColor, const TFont& Default,
                                        bool IsDown, bool IsActive) const {
    if (Enabled && !UseSkinFontColor) return Default.Color();
    if (!Enabled) return DisabledFontColor;
    if (IsDown && IsActive) return DownFontColor;
    return IsActive ? ActiveFontColor : FontColor;
}

int TlxSkinButtonFaces::GlyphFrame(bool IsDown, bool IsActive, bool Enabled, int NumGlyphs) {
    if (IsDown && IsActive && NumGlyphs > 2) return 3;
    if (IsActive && NumGlyphs > 3) return 4;
    if (!Enabled && NumGlyphs > 1) return 2;
    return 1;
}

bool TlxSkinButtonFaces::MorphTowards(double& Kf, double Target) {
    // Five steps from one end to the other; the last lands exactly.
    if (Target == 1 && Kf < 1)
        Kf += MorphIncrement;
    else if (Target == 0 && Kf > 0)
        Kf -= MorphIncrement;
    if (Target == 1 ? Kf > 1 - 1e-9 : Kf < 1e-9) {
        Kf = Target;
        return true;
    }
    return false;
}

TRect TlxSkinButtonFaces::DrawFaceBackground(TBitmap& B, TBitmap* P, const TRect& R, bool KeepsSkinSize,
                                             const TlxSkinGeometry& G, const TlxSkinSize& Sized) {
    if (KeepsSkinSize) {
        CreateSkinControlImage(G, Sized, P, R, B);
        return Sized.NewClRect;
    }
    const TRect source = ClipToPicture(R, P);
    if (G.ResizeMode() == TlxResizeMode::Fixed)
        CopyPicturePart(*B.Canvas(), {0, 0, B.Width(), B.Height()}, P, source);
    else if (!source.IsEmpty())
        CreateSkinImageByClient(&B, P, source, G.ClRect, true);
    const TRect& c = G.ClRect;
    return {c.Left, c.Top, c.Right + B.Width() - R.Width(), c.Bottom + B.Height() - R.Height()};
}

TRect TlxSkinButtonFaces::GrownClient(const TlxSkinGeometry& G, int W, int H) {
    const TRect& c = G.ClRect;
    return {c.Left, c.Top, c.Right + W - G.SkinRect.Width(), c.Bottom + H - G.SkinRect.Height()};
}

void TlxSkinButtonFaces::DrawMorphed(TCanvas& C, const TBitmap& Normal, const TBitmap& Hot, double Kf) const {
    TlxEffectBmp from = TlxEffectBmp::CreateFromhWnd(Normal);
    const TlxEffectBmp to = TlxEffectBmp::CreateFromhWnd(Hot);
    switch (MorphKind) {
    case mkDefault:
        from.Morph(to, Kf);
        break;
    case mkGradient:
        from.MorphGrad(to, Kf);
        break;
    case mkLeftGradient:
        from.MorphLeftGrad(to, Kf);
        break;
    case mkRightGradient:
        from.MorphRightGrad(to, Kf);
        break;
    case mkLeftSlide:
        from.MorphLeftSlide(to, Kf);
        break;
    case mkRightSlide:
        from.MorphRightSlide(to, Kf);
        break;
    case mkPush:
        from.MorphPush(to, Kf);
        break;
    }
    TBitmap out;
    from.ToBitmap(out);
    C.Draw(0, 0, &out);
}
