#include "skin/engine/SkinMorph.h"

#include "platform/gdi/TBitmap.h"
#include "skin/engine/TlxEffectBmp.h"

void MorphImage(TlxEffectBmp& From, const TlxEffectBmp& To, TlxMorphKind Kind, double Kf) {
    switch (Kind) {
    case mkDefault:
        From.Morph(To, Kf);
        break;
    case mkGradient:
        From.MorphGrad(To, Kf);
        break;
    case mkLeftGradient:
        From.MorphLeftGrad(To, Kf);
        break;
    case mkRightGradient:
        From.MorphRightGrad(To, Kf);
        break;
    case mkLeftSlide:
        From.MorphLeftSlide(To, Kf);
        break;
    case mkRightSlide:
        From.MorphRightSlide(To, Kf);
        break;
    case mkPush:
        From.MorphPush(To, Kf);
        break;
    }
}

void MorphBitmaps(const TBitmap& From, const TBitmap& To, TlxMorphKind Kind, double Kf, TBitmap& Out) {
    TlxEffectBmp from = TlxEffectBmp::CreateFromhWnd(From);
    MorphImage(from, TlxEffectBmp::CreateFromhWnd(To), Kind, Kf);
    from.ToBitmap(Out);
}
