#include "skin/windows/TlxSkinCaptionObject.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TTimer.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/GlowText.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinText.h"
#include "skin/engine/TlxEffectBmp.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

// The longest frame time a skin may ask for; keeps the tick count bounded.
constexpr int MaxAnimateInterval = 60000;
constexpr uint32_t TextFlags = DT_SINGLELINE | DT_VCENTER;

} // namespace

TlxSkinCaptionObject::TlxSkinCaptionObject(TlxLumivex* AParent, TlxDataSkinObject* AObject)
    : TlxActiveSkinObject(AParent, AObject) {
    auto* AData = dynamic_cast<TlxDataSkinCaption*>(AObject);
    if (!AData) return;
    FontName = AData->FontName;
    FontStyle = AData->FontStyle;
    FontHeight = AData->FontHeight;
    FontColor = AData->FontColor;
    ActiveFontColor = AData->ActiveFontColor;
    Shadow = AData->Shadow;
    ShadowColor = AData->ShadowColor;
    ActiveShadowColor = AData->ActiveShadowColor;
    Light = AData->Light;
    LightColor = AData->LightColor;
    ActiveLightColor = AData->ActiveLightColor;
    Alignment = AData->Alignment;
    TextRct = AData->TextRct;
    FrameRect = AData->FrameRect;
    ActiveFrameRect = AData->ActiveFrameRect;
    FrameLeftOffset = std::max(AData->FrameLeftOffset, 0);
    FrameRightOffset = std::max(AData->FrameRightOffset, 0);
    FrameTextRect = AData->FrameTextRect;
    FullFrame = AData->FullFrame;
    StretchEffect = AData->StretchEffect;
    AnimateSkinRect = AData->AnimateSkinRect;
    // An animation without frames counts as one frame.
    FrameCount = std::max(AData->FrameCount, 1);
    AnimateInterval = std::clamp(AData->AnimateInterval, 0, MaxAnimateInterval);
    InActiveAnimation = AData->InActiveAnimation;
    GlowEffect = AData->GlowEffect;
    GlowInActiveEffect = AData->GlowInActiveEffect;
    VistaGlowEffect = AData->VistaGlowEffect;
    VistaGlowInActiveEffect = AData->VistaGlowInActiveEffect;
    GlowSize = AData->GlowSize;
    GlowOffset = AData->GlowOffset;
    GlowColor = AData->GlowColor;
    GlowActiveColor = AData->GlowActiveColor;
    ReflectionEffect = AData->ReflectionEffect;
    ReflectionColor = AData->ReflectionColor;
    ReflectionActiveColor = AData->ReflectionActiveColor;
    ReflectionOffset = AData->ReflectionOffset;
}

bool TlxSkinCaptionObject::EnableAnimation() const {
    const TlxSkinData* skin = Parent->SkinData();
    return skin && skin->EnableSkinEffects() && !skin->Empty && !IsNullRect(AnimateSkinRect);
}

TRect TlxSkinCaptionObject::TextArea() const {
    TRect ta = TextRct;
    if (!IsNullRect(TextRct)) {
        if (HasQuickButtons())
            ta.Left += Parent->QuickButtons()->Count() * (Parent->QuickImageList()->Width() + 8);
        // The right margin stays as the object widens.
        ta.Right = RectWidth(ObjectRect) - (RectWidth(SkinRect) - TextRct.Right);
    }
    if (!IsNullRect(FrameRect)) {
        ta.Top += FrameTextRect.Top;
        ta.Left += FrameTextRect.Left;
        ta.Right += FrameTextRect.Right - RectWidth(FrameRect);
    }
    return ta;
}

void TlxSkinCaptionObject::SetCaptionFont(TCanvas* Cnvs, TColor Color) const {
    TFont* font = Cnvs->Font();
    font->SetName(FontName);
    font->SetStyle(FontStyle);
    font->SetHeight(FontHeight);
    font->SetColor(Color);
    font->SetCharset(SkinCharset(Parent->SkinData(), *Parent->DefCaptionFont()));
}

void TlxSkinCaptionObject::DrawTextOut(TCanvas* Cnvs, int X, int Y, const std::string& Text, bool AActive) {
    TRect r{X, Y, X, Y};
    DrawWideText(Cnvs, Text, r, TextFlags | DT_CALCRECT);
    if (ReflectionEffect) {
        DrawReflectionTextW(Cnvs, r, Text, TextFlags, ReflectionOffset,
                            AActive ? ReflectionActiveColor : ReflectionColor);
    } else if (VistaGlowEffect && (AActive || VistaGlowInActiveEffect)) {
        DrawVistaGlowText(Cnvs, r, Text, TextFlags, AActive ? GlowActiveColor : GlowColor);
    } else if (GlowEffect && (AActive || GlowInActiveEffect)) {
        DrawBlurShadowTextW(Cnvs, r, Text, TextFlags, GlowOffset, AActive ? GlowActiveColor : GlowColor,
                            GlowSize);
    } else {
        DrawWideText(Cnvs, Text, r, TextFlags);
    }
}

void TlxSkinCaptionObject::DrawPlate(TCanvas* Cnvs, int X, int Y, int X0, int W, bool AActive) {
    const TRect& source = AActive && !IsNullRect(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
    const TRect part = ClipToPicture(source, ActivePicture);
    if (part.IsEmpty()) return;
    const int offset = Parent->SkinData()->ButtonsOffset;
    int width = 0;
    TPoint at;
    if (FullFrame) {
        width = RectWidth(ObjectRect) - 2 * offset;
        at = {X0 + offset, Y - FrameTextRect.Top};
    } else {
        width = RectWidth(FrameRect) + W - RectWidth(FrameTextRect);
        at = {X - FrameTextRect.Left, Y - FrameTextRect.Top};
    }
    if (width <= 0) return;
    TBitmap plate;
    CreateHSkinImage(std::min(FrameLeftOffset, part.Width()), std::min(FrameRightOffset, part.Width()),
                     &plate, ActivePicture, part, width, false);
    Cnvs->Draw(at.X, at.Y, &plate);
}

void TlxSkinCaptionObject::DrawCaptionText(TCanvas* Cnvs, const TRect& TA, int X0, int Y0, bool AActive) {
    if (Parent->OnCaptionPaint) {
        // The handler paints where the caption stands on the canvas in hand.
        Parent->OnCaptionPaint(Cnvs, {X0, Y0, X0 + RectWidth(ObjectRect), Y0 + RectHeight(ObjectRect)},
                               AActive);
        return;
    }
    std::string text = CaptionText(Parent);
    if (text.empty() || IsNullRect(TextRct)) return;
    CutTextToWidthW(Cnvs, text, RectWidth(TA));
    const int w = CalcTextWidthW(Cnvs, text), h = CalcTextHeightW(Cnvs, text);
    int y = TA.Top + RectHeight(TA) / 2 - h / 2;
    int x = TA.Left;
    const TlxQuickButtonItems* quick = Parent->QuickButtons();
    if (quick && quick->Count() > 0)
        x = TA.Left + RectWidth(TA) / 2 - w / 2;
    else if (Alignment == taRightJustify)
        x = TA.Right - w;
    else if (Alignment == taCenter)
        x = TA.Left + RectWidth(TA) / 2 - w / 2;
    x += X0;
    y += Y0;

    Cnvs->Brush()->SetStyle(bsClear);
    if (!IsNullRect(FrameRect)) DrawPlate(Cnvs, x, y, X0, w, AActive);
    TFont* font = Cnvs->Font();
    const TColor color = font->Color();
    if (Light) {
        font->SetColor(AActive ? ActiveLightColor : LightColor);
        TRect r{x - 1, y - 1, x - 1, y - 1};
        DrawWideText(Cnvs, text, r, TextFlags | DT_CALCRECT);
        DrawWideText(Cnvs, text, r, TextFlags);
        font->SetColor(color);
    }
    if (Shadow) {
        font->SetColor(AActive ? ActiveShadowColor : ShadowColor);
        TRect r{x + 1, y + 1, x + 1, y + 1};
        DrawWideText(Cnvs, text, r, TextFlags | DT_CALCRECT);
        DrawWideText(Cnvs, text, r, TextFlags);
        font->SetColor(color);
    }
    DrawTextOut(Cnvs, x, y, text, AActive);
}

void TlxSkinCaptionObject::CreateCaptionImage(TBitmap& B, const TRect& R, TBitmap* Source) const {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    B.SetSize(std::max(w, 0), std::max(h, 0));
    const TRect part = ClipToPicture(R, Source);
    if (part.IsEmpty() || B.Empty()) return;
    const TlxSkinData* skin = Parent->SkinData();
    int l = std::max(0, skin->LTPoint.X - SkinRect.Left);
    int rt = std::max(0, SkinRect.Right - skin->RTPoint.X);
    if (l == 0 && rt == 0) {
        CopyPicturePart(*B.Canvas(), {0, 0, w, h}, Source, part);
        return;
    }
    l = std::min(l, part.Width());
    rt = std::min(rt, part.Width() - l);
    TBitmap strip;
    CreateHSkinImage(l, rt, &strip, Source, part, w, StretchEffect);
    B.Canvas()->CopyRect({0, 0, w, h}, *strip.Canvas(), {0, 0, strip.Width(), strip.Height()});
}

void TlxSkinCaptionObject::CaptionImage(TBitmap& B, const TRect& R, TBitmap* Source, TColor Color,
                                        bool AActive) {
    CreateCaptionImage(B, R, Source);
    if (B.Empty()) return;
    SetCaptionFont(B.Canvas(), Color);
    DrawCaptionText(B.Canvas(), TextArea(), 0, 0, AActive);
}

void TlxSkinCaptionObject::ApplyInActiveEffect(TBitmap& B) const {
    const TlxSkinData* skin = Parent->SkinData();
    if (!skin->AutoRenderingInActiveImage || B.Empty()) return;
    TlxEffectBmp e = TlxEffectBmp::CreateFromhWnd(B);
    switch (skin->InActiveEffect) {
    case ieBrightness:
        e.ChangeBrightness(0.5);
        break;
    case ieDarkness:
        e.ChangeDarkness(0.3);
        break;
    case ieGrayScale:
        e.GrayScale();
        break;
    case ieNoise:
        e.AddMonoNoise(50);
        break;
    case ieSplitBlur:
        e.SplitBlur(1);
        break;
    case ieInvert:
        e.Invert();
        break;
    }
    e.ToBitmap(B);
}

TRect TlxSkinCaptionObject::AnimationFrameRect() const {
    const TRect& a = AnimateSkinRect;
    const int n = CurrentFrame;
    if (RectHeight(SkinRect) < RectHeight(a)) {
        const int fh = RectHeight(a) / FrameCount;
        return {a.Left, a.Top + (n - 1) * fh, a.Right, a.Top + n * fh};
    }
    const int fw = RectWidth(a) / FrameCount;
    return {a.Left + (n - 1) * fw, a.Top, a.Left + n * fw, a.Bottom};
}

void TlxSkinCaptionObject::Draw(TCanvas* Cnvs, bool) {
    if (!SkinUsable()) return;
    SetCaptionFont(Cnvs, Active ? ActiveFontColor : FontColor);
    const TPoint at{ObjectRect.Left, ObjectRect.Top};
    if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount) {
        // An animation frame carries the text in the look of the state being left.
        TBitmap b;
        CaptionImage(b, AnimationFrameRect(), ActivePicture, Active ? FontColor : ActiveFontColor, !Active);
        Cnvs->Draw(at.X, at.Y, &b);
    } else if (MorphInProgress() && EnableMorphing()) {
        TBitmap inactive, active;
        CaptionImage(inactive, SkinRect, Picture, FontColor, false);
        CaptionImage(active, ActiveSkinRect, ActivePicture, ActiveFontColor, true);
        if (!inactive.Empty()) {
            TlxEffectBmp from = TlxEffectBmp::CreateFromhWnd(inactive);
            ApplyMorph(from, TlxEffectBmp::CreateFromhWnd(active), FMorphKf, MorphKind);
            from.ToBitmap(inactive);
            if (!Active) ApplyInActiveEffect(inactive);
            Cnvs->Draw(at.X, at.Y, &inactive);
        }
    } else if (IsNullRect(ActiveSkinRect) ||
               (!Active && !EnableMorphing() && !StretchEffect && !EnableAnimation())) {
        // The frame picture already shows the caption strip.
        DrawCaptionText(Cnvs, TextArea(), at.X, at.Y, Active);
    } else if (!Active) {
        TBitmap b;
        CaptionImage(b, SkinRect, Picture, FontColor, false);
        ApplyInActiveEffect(b);
        Cnvs->Draw(at.X, at.Y, &b);
    } else {
        TBitmap b;
        CaptionImage(b, ActiveSkinRect, ActivePicture, ActiveFontColor, true);
        Cnvs->Draw(at.X, at.Y, &b);
    }
    // Last, so the caption's image never covers them.
    DrawQuickButtons(Cnvs);
}

void TlxSkinCaptionObject::MouseEnter() {
    FMouseIn = true;
    Parent->DoMouseEnterEvent(IDName);
}

void TlxSkinCaptionObject::MouseLeave() {
    FMouseIn = false;
    if (!Survives([&] { Parent->DoMouseLeaveEvent(IDName); })) return;
    ActiveQuickButton = OldActiveQuickButton = -1;
    TestQuickButtons(-1, -1);
}

void TlxSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
    if (!Survives([&] { Parent->DoMouseDownEvent(IDName, X, Y, ObjectRect, Button); })) return;
    QuickMouseDown(X, Y, Button);
}

void TlxSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
    if (!Survives([&] { Parent->DoMouseUpEvent(IDName, X, Y, ObjectRect, Button); })) return;
    QuickMouseUp(X, Y, Button);
}

void TlxSkinCaptionObject::MouseMove(int X, int Y) {
    if (!Survives([&] { Parent->DoMouseMoveEvent(IDName, X, Y, ObjectRect); })) return;
    if (HasQuickButtons()) TestQuickButtons(X, Y);
}
