#include "platform/vcl/TImageList.h"

#include <algorithm>

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetWidth(int Value) {
    Value = std::max(Value, 1);
    if (Value == FWidth) return;
    // Like a change of size in any image list, this drops the images.
    FWidth = Value;
    FImages.clear();
    Change();
}

void TCustomImageList::SetHeight(int Value) {
    Value = std::max(Value, 1);
    if (Value == FHeight) return;
    FHeight = Value;
    FImages.clear();
    Change();
}

void TCustomImageList::SetBkColor(TColor Value) {
    if (Value == FBkColor) return;
    FBkColor = Value;
    Change();
}

int TCustomImageList::AddPieces(const TBitmap* Image, const std::function<bool(int, int)>& Transparent,
                                int At) {
    if (!Image || Image->Empty()) return -1;
    int first = At < 0 ? Count() : std::min(At, Count());
    std::vector<TBitmap> added;
    int pieces = std::max(1, Image->Width() / FWidth);
    for (int p = 0; p < pieces; ++p) {
        TBitmap piece(FWidth, FHeight);
        piece.SetPixelFormat(pf32bit);
        piece.Fill(0);
        for (int y = 0; y < std::min(FHeight, Image->Height()); ++y) {
            const uint32_t* src = Image->ScanLine(y);
            uint32_t* dst = piece.ScanLine(y);
            for (int x = 0; x < FWidth; ++x) {
                int sx = p * FWidth + x;
                if (sx >= Image->Width() || Transparent(sx, y)) continue;
                uint32_t px = src[sx];
                dst[x] = Image->HasAlpha() ? px : (px | 0xFF000000u);
            }
        }
        added.push_back(std::move(piece));
    }
    FImages.insert(FImages.begin() + first, std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
    Change();
    return first;
}

int TCustomImageList::Add(const TBitmap* Image, const TBitmap* Mask) {
    return AddPieces(Image, [Mask](int x, int y) {
        if (!Mask || x >= Mask->Width() || y >= Mask->Height()) return false;
        return (Mask->ScanLine(y)[x] & 0x00FFFFFFu) != 0;
    });
}

int TCustomImageList::AddMasked(const TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    uint32_t key = MaskColor == clDefault ? (Image->ScanLine(Image->Height() - 1)[0] & 0x00FFFFFFu)
                                          : (ColorToPixel(MaskColor) & 0x00FFFFFFu);
    return AddPieces(Image,
                     [Image, key](int x, int y) { return (Image->ScanLine(y)[x] & 0x00FFFFFFu) == key; });
}

int TCustomImageList::Insert(int Index, const TBitmap* Image, const TBitmap* Mask) {
    if (Index < 0 || Index > Count())
        throw EListError("Image index out of bounds (" + std::to_string(Index) + ")");
    return AddPieces(
        Image,
        [Mask](int x, int y) {
            if (!Mask || x >= Mask->Width() || y >= Mask->Height()) return false;
            return (Mask->ScanLine(y)[x] & 0x00FFFFFFu) != 0;
        },
        Index);
}

void TCustomImageList::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("Image index out of bounds (" + std::to_string(Index) + ")");
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear() {
    if (FImages.empty()) return;
    FImages.clear();
    Change();
}

const TBitmap& TCustomImageList::Image(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("Image index out of bounds (" + std::to_string(Index) + ")");
    return FImages[Index];
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (!Image) return;
    *Image = this->Image(Index);
}

void TCustomImageList::Change() {
    if (OnChange && !ComponentState().Contains(csLoading)) OnChange(this);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    DoDraw(Index, Canvas, X, Y, 0, Enabled);
}

void TCustomImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, uint32_t, bool Enabled) const {
    TBitmap image = FImages[Index];
    image.SetPixelFormat(pf32bit);
    image.SetAlphaFormat(afDefined);
    if (!Enabled) {
        for (int y = 0; y < image.Height(); ++y) {
            uint32_t* row = image.ScanLine(y);
            for (int x = 0; x < image.Width(); ++x) {
                uint32_t px = row[x];
                uint32_t luma = (((px >> 16) & 0xFF) * 30 + ((px >> 8) & 0xFF) * 59 + (px & 0xFF) * 11) / 100;
                uint32_t gray = 112 + luma / 2;
                row[x] = (px & 0xFF000000u) | (gray << 16) | (gray << 8) | gray;
            }
        }
    }
    if (FBkColor != clNone) {
        TBrush saved;
        saved.Assign(*Canvas->Brush());
        Canvas->Brush()->SetColor(FBkColor);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->FillRect({X, Y, X + FWidth, Y + FHeight});
        Canvas->SetBrush(saved);
    }
    Canvas->Draw(X, Y, &image);
}
