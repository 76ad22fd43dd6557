#include "skin/engine/StackBlur.h"

#include "platform/base/Math.h"
#include "skin/engine/TlxBitmap.h"

#include <algorithm>
#include <vector>

namespace {

// One pass over n samples of one channel, read and written through a stride.
// The triangular weights are two boxes of Radius + 1 samples one after the
// other; each box sums the edge-clamped line through a prefix sum, so a pass
// costs the same whatever the radius.
void BlurLine(TlxColor* line, int n, int stride, int shift, int r, std::vector<int64_t>& prefix,
              std::vector<int64_t>& boxPrefix) {
    const int ext = n + 2 * r; // samples -r .. n - 1 + r
    prefix.assign(size_t(ext) + 1, 0);
    for (int i = 0; i < ext; ++i) {
        const int src = std::clamp(i - r, 0, n - 1);
        prefix[i + 1] = prefix[i] + ((line[size_t(src) * stride] >> shift) & 0xFF);
    }
    // box[j] = samples j .. j + r, for j = -r .. n - 1 (stored at j + r).
    boxPrefix.assign(size_t(n + r) + 1, 0);
    for (int j = 0; j < n + r; ++j)
        boxPrefix[j + 1] = boxPrefix[j] + (prefix[j + r + 1] - prefix[j]);
    const int64_t s = int64_t(r + 1) * (r + 1);
    for (int i = 0; i < n; ++i) {
        // out[i] = box[i - r] + ... + box[i]
        const int64_t sum = boxPrefix[i + r + 1] - boxPrefix[i];
        TlxColor& p = line[size_t(i) * stride];
        p = (p & ~(0xFFu << shift)) | (TlxColor(sum / s) << shift);
    }
}

} // namespace

void StackBlur(TlxBitmap* Bitmap, int Radius) {
    if (!Bitmap || Bitmap->Empty() || Radius <= 0) return;
    const int w = Bitmap->Width(), h = Bitmap->Height();
    TlxColor* bits = Bitmap->Bits();
    std::vector<int64_t> prefix, boxPrefix;
    for (int shift : {0, 8, 16}) {
        for (int y = 0; y < h; ++y)
            BlurLine(bits + size_t(y) * w, w, 1, shift, Radius, prefix, boxPrefix);
        for (int x = 0; x < w; ++x)
            BlurLine(bits + x, h, w, shift, Radius, prefix, boxPrefix);
    }
    Bitmap->SetAlpha(255);
}

void SetAlphaFromMask(TlxBitmap* Bitmap, const TlxBitmap* Mask) {
    if (!Bitmap || !Mask || Bitmap->Empty() || Mask->Empty()) return;
    const int w = std::min(Bitmap->Width(), Mask->Width()), h = std::min(Bitmap->Height(), Mask->Height());
    for (int y = 0; y < h; ++y) {
        TlxColor* dst = Bitmap->Bits() + size_t(y) * Bitmap->Width();
        const TlxColor* m = Mask->Bits() + size_t(y) * Mask->Width();
        for (int x = 0; x < w; ++x) {
            const int sum = int((m[x] >> 16) & 0xFF) + int((m[x] >> 8) & 0xFF) + int(m[x] & 0xFF);
            const TlxColor a = TlxColor(Round(sum / 3.0));
            dst[x] = (dst[x] & 0x00FFFFFFu) | (a << 24);
        }
    }
}
