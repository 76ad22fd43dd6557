#include "skin/engine/TlxBitmapLink.h"

#include "platform/base/Stream.h"
#include "skin/engine/BitmapStreamName.h"
#include "skin/engine/TlxBitmap.h"

bool TlxBitmapLink::Assigned() const {
    return FImage && int64_t(FRect.Width()) * FRect.Height() > 0;
}

void TlxBitmapLink::Assign(const TPersistent* Source) {
    if (auto* l = dynamic_cast<const TlxBitmapLink*>(Source)) {
        FImage = l->FImage;
        FRect = l->FRect;
        FName = l->FName;
        FMasked = l->FMasked;
        FMaskedBorder = l->FMaskedBorder;
        FMaskedAngles = l->FMaskedAngles;
        return;
    }
    TPersistent::Assign(Source);
}

void TlxBitmapLink::LoadFromStream(TStream& Stream) {
    std::string name = ReadBitmapStreamName(Stream);
    int32_t v[4];
    Stream.ReadBuffer(v, sizeof v);
    FName = name;
    FRect = {v[0], v[1], v[2], v[3]};
}

void TlxBitmapLink::SaveToStream(TStream& Stream) const {
    WriteBitmapStreamName(Stream, FName);
    int32_t v[4] = {FRect.Left, FRect.Top, FRect.Right, FRect.Bottom};
    Stream.WriteBuffer(v, sizeof v);
}

void TlxBitmapLink::Draw(TlxBitmap* Bitmap, int X, int Y) {
    if (FImage && !FImage->Empty() && FRect.Width() > 0 && FRect.Height() > 0)
        FImage->Draw(Bitmap, X, Y, FRect);
}

void TlxBitmapLink::Draw(TCanvas* Canvas, int X, int Y) {
    if (FImage && !FImage->Empty() && FRect.Width() > 0 && FRect.Height() > 0)
        FImage->Draw(Canvas, X, Y, FRect);
}

void TlxBitmapLink::CheckingMasked() {
    CheckingMasked(TRect{});
}

void TlxBitmapLink::CheckingMasked(const TRect& Margin) {
    FMasked = FMaskedBorder = FMaskedAngles = false;
    if (!FImage) return;
    const int w = FRect.Width(), h = FRect.Height();
    auto pixel = [this](int x, int y) -> TlxColor {
        if (FImage->Empty() || x < 0 || y < 0 || x >= FImage->Width() || y >= FImage->Height()) return 0;
        return FImage->Bits()[size_t(y) * FImage->Width() + x];
    };
    auto masked = [](TlxColor p) { return p != 0x33333333u && (p >> 24) < 255; };
    const bool noMargin = Margin.Left == 0 && Margin.Top == 0 && Margin.Right == 0 && Margin.Bottom == 0;
    const int ml = Margin.Left, mt = Margin.Top, mr = Margin.Right, mb = Margin.Bottom;
    const TRect corners[] = {{0, 0, ml, mt}, {w - mr, 0, w, mt}, {w - mr, h - mb, w, h}, {0, h - mb, ml, h}};
    const TRect borders[] = {
        {ml, 0, w - mr, mt}, {ml, h - mb, w - mr, h}, {0, mt, ml, h - mb}, {w - mr, mt, w, h - mb}};
    const TRect inside{ml, mt, w - mr, h - mb};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!masked(pixel(FRect.Left + x, FRect.Top + y))) continue;
            if (noMargin) {
                FMasked = true;
                return;
            }
            const TPoint p{x, y};
            for (const TRect& r : corners)
                if (PtInRect(r, p)) FMaskedAngles = true;
            for (const TRect& r : borders)
                if (PtInRect(r, p)) FMaskedBorder = true;
            if (PtInRect(inside, p)) FMasked = true;
        }
}
