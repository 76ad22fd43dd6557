#include "platform/gdi/Blend.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

inline uint32_t EffectiveAlpha(uint32_t s, uint32_t constantAlpha, bool useSourceAlpha) {
    return useSourceAlpha ? (s >> 24) * constantAlpha / 255 : constantAlpha;
}

void BlendScalar(uint32_t* Dst, const uint32_t* Src, int Count, uint32_t constantAlpha, bool useSourceAlpha,
                 bool dstHasAlpha) {
    for (int i = 0; i < Count; ++i)
        Dst[i] =
            BlendPixel(Dst[i], Src[i], EffectiveAlpha(Src[i], constantAlpha, useSourceAlpha), dstHasAlpha);
}

#if defined(__SSE2__)

// The formula of BlendPixel rearranged so that every product fits 16 bits and
// eight pixels go through each step together. With t = Ba(255 - a) = 255u + v
// and D = (255 - Fc)a + (255 - Bc)u, E = Bc v / 255:
//   Fc a + Bc t / 255 = 255 outA - (D - E), so outC = 255 - ceil((D - E) / outA),
// held at 255 when D <= E. The one division left is done in single precision,
// which is exact here: the quotient is below 256 and a true quotient just under
// an integer lies at least 1/255 below it.

inline __m128i Div255(__m128i x) { // exact for x < 65535
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_set1_epi16(1)), _mm_srli_epi16(x, 8)), 8);
}

// Bits shift..shift+7 of eight pixels as 16-bit lanes.
inline __m128i Channel(__m128i p0, __m128i p1, int shift) {
    const __m128i mask = _mm_set1_epi32(0xFF);
    return _mm_packs_epi32(_mm_and_si128(_mm_srli_epi32(p0, shift), mask),
                           _mm_and_si128(_mm_srli_epi32(p1, shift), mask));
}

inline __m128i Alpha(__m128i p0, __m128i p1) {
    return _mm_packs_epi32(_mm_srli_epi32(p0, 24), _mm_srli_epi32(p1, 24));
}

inline __m128i Quotient(__m128i k, __m128i zero, __m128 inv0, __m128 inv1) {
    const __m128 bias = _mm_set1_ps(0.001f);
    const __m128i q0 =
        _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(_mm_unpacklo_epi16(k, zero)), inv0), bias));
    const __m128i q1 =
        _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(_mm_unpackhi_epi16(k, zero)), inv1), bias));
    return _mm_packs_epi32(q0, q1);
}

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// Packs the channels and outA back into pixels; lanes with a = 0 keep the
// destination and lanes with a = 255 take the source, opaque.
inline void Store(uint32_t* Dst, const __m128i (&c)[3], __m128i outA, __m128i a, __m128i s0, __m128i s1,
                  __m128i d0, __m128i d1) {
    const __m128i zero = _mm_setzero_si128(), full = _mm_set1_epi32(255);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    const __m128i bg = _mm_or_si128(c[0], _mm_slli_epi16(c[1], 8));
    const __m128i ra = _mm_or_si128(c[2], _mm_slli_epi16(outA, 8));
    __m128i o0 = _mm_unpacklo_epi16(bg, ra), o1 = _mm_unpackhi_epi16(bg, ra);
    const __m128i a0 = _mm_unpacklo_epi16(a, zero), a1 = _mm_unpackhi_epi16(a, zero);
    o0 = Select(_mm_cmpeq_epi32(a0, zero), d0,
                Select(_mm_cmpeq_epi32(a0, full), _mm_or_si128(s0, opaque), o0));
    o1 = Select(_mm_cmpeq_epi32(a1, zero), d1,
                Select(_mm_cmpeq_epi32(a1, full), _mm_or_si128(s1, opaque), o1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst), o0);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + 4), o1);
}

void BlendEight(uint32_t* Dst, const uint32_t* Src, __m128i constant, bool scaled, bool useSourceAlpha,
                bool dstHasAlpha) {
    const __m128i zero = _mm_setzero_si128(), one = _mm_set1_epi16(1), c255 = _mm_set1_epi16(255);
    const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src));
    const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + 4));
    __m128i a = constant;
    if (useSourceAlpha) a = scaled ? Div255(_mm_mullo_epi16(Alpha(s0, s1), constant)) : Alpha(s0, s1);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    const int clear = _mm_movemask_epi8(_mm_cmpeq_epi16(a, zero));
    if (clear == 0xFFFF) return;
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(a, c255)) == 0xFFFF && clear == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst), _mm_or_si128(s0, opaque));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + 4), _mm_or_si128(s1, opaque));
        return;
    }
    const __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst));
    const __m128i d1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + 4));
    const __m128i ba = dstHasAlpha ? Alpha(d0, d1) : c255;
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(ba, c255)) == 0xFFFF) {
        // An opaque destination: outA = 255, and the division is by 255 alone.
        __m128i c[3];
        for (int k = 0; k < 3; ++k) {
            const __m128i fc = Channel(s0, s1, 8 * k), bc = Channel(d0, d1, 8 * k);
            const __m128i dd =
                _mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(c255, fc), a),
                              _mm_mullo_epi16(_mm_sub_epi16(c255, bc), _mm_sub_epi16(c255, a)));
            c[k] = _mm_sub_epi16(c255, Div255(_mm_add_epi16(dd, _mm_set1_epi16(254))));
        }
        Store(Dst, c, c255, a, s0, s1, d0, d1);
        return;
    }
    const __m128i t = _mm_mullo_epi16(ba, _mm_sub_epi16(c255, a));
    const __m128i u = Div255(t);
    const __m128i v = _mm_sub_epi16(t, _mm_mullo_epi16(u, c255));
    const __m128i outA = _mm_add_epi16(a, u);
    // Lanes with a = 0 keep the destination; the divisor only must not be 0.
    const __m128i divisor = _mm_max_epi16(outA, one);
    const __m128 inv0 = _mm_div_ps(_mm_set1_ps(1.0f), _mm_cvtepi32_ps(_mm_unpacklo_epi16(divisor, zero)));
    const __m128 inv1 = _mm_div_ps(_mm_set1_ps(1.0f), _mm_cvtepi32_ps(_mm_unpackhi_epi16(divisor, zero)));
    const __m128i roundUp = _mm_sub_epi16(divisor, one);
    __m128i c[3];
    for (int k = 0; k < 3; ++k) {
        const __m128i fc = Channel(s0, s1, 8 * k), bc = Channel(d0, d1, 8 * k);
        const __m128i dd = _mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(c255, fc), a),
                                         _mm_mullo_epi16(_mm_sub_epi16(c255, bc), u));
        const __m128i e = Div255(_mm_mullo_epi16(bc, v));
        c[k] = _mm_sub_epi16(c255, Quotient(_mm_add_epi16(_mm_subs_epu16(dd, e), roundUp), zero, inv0, inv1));
    }
    Store(Dst, c, outA, a, s0, s1, d0, d1);
}

#endif

} // namespace

void BlendLine(uint32_t* Dst, const uint32_t* Src, int Count, uint32_t constantAlpha, bool useSourceAlpha,
               bool dstHasAlpha) {
    if (constantAlpha > 255) constantAlpha = 255;
    int done = 0;
#if defined(__SSE2__)
    // A destination just ahead of its source in the same row must see each
    // source pixel after the one before it was written, as pixel by pixel.
    const bool trailing = Dst > Src && Dst - Src < Count;
    if (!trailing) {
        const __m128i constant = _mm_set1_epi16(short(constantAlpha));
        for (; done + 8 <= Count; done += 8)
            BlendEight(Dst + done, Src + done, constant, constantAlpha != 255, useSourceAlpha, dstHasAlpha);
    }
#endif
    BlendScalar(Dst + done, Src + done, Count - done, constantAlpha, useSourceAlpha, dstHasAlpha);
}
