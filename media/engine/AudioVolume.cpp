#include "media/engine/AudioVolume.h"

#include <algorithm>
#include <cstdint>

#include "media/AVBindings.h"

namespace {

template <typename T, typename Wide>
void ScaleInt(uint8_t* AData, int ACount, int AVolume, Wide AMin, Wide AMax, Wide ABias) {
    T* p = reinterpret_cast<T*>(AData);
    for (int i = 0; i < ACount; ++i) {
        Wide v = (static_cast<Wide>(p[i]) - ABias) * AVolume;
        // Rounded to the nearest, halves toward minus infinity.
        v = (v + 128) >> 8;
        p[i] = static_cast<T>(std::clamp<Wide>(v + ABias, AMin, AMax));
    }
}

template <typename T> void ScaleFloat(uint8_t* AData, int ACount, int AVolume) {
    T* p = reinterpret_cast<T*>(AData);
    const T factor = static_cast<T>(AVolume) / 256;
    for (int i = 0; i < ACount; ++i)
        p[i] *= factor;
}

} // namespace

void ScaleSamples(AVFrame* AFrame, int AVolume) {
    if (AVolume == 256) return;
    const auto fmt = static_cast<AVSampleFormat>(AFrame->format);
    const bool planar = av::av_sample_fmt_is_planar(fmt) != 0;
    const int channels = AFrame->ch_layout.nb_channels;
    const int planes = planar ? channels : 1;
    const int count = AFrame->nb_samples * (planar ? 1 : channels);
    for (int p = 0; p < planes; ++p) {
        uint8_t* data = AFrame->extended_data[p];
        switch (av::av_get_packed_sample_fmt(fmt)) {
        case AV_SAMPLE_FMT_U8:
            ScaleInt<uint8_t, int32_t>(data, count, AVolume, 0, 255, 0x80);
            break;
        case AV_SAMPLE_FMT_S16:
            ScaleInt<int16_t, int32_t>(data, count, AVolume, INT16_MIN, INT16_MAX, 0);
            break;
        case AV_SAMPLE_FMT_S32:
            ScaleInt<int32_t, int64_t>(data, count, AVolume, INT32_MIN, INT32_MAX, 0);
            break;
        case AV_SAMPLE_FMT_S64: {
            // No wider type: scale in double and saturate.
            auto* s = reinterpret_cast<int64_t*>(data);
            for (int i = 0; i < count; ++i) {
                double v = static_cast<double>(s[i]) * AVolume / 256.0;
                s[i] = v >= 9.2e18 ? INT64_MAX : v <= -9.2e18 ? INT64_MIN : static_cast<int64_t>(v);
            }
            break;
        }
        case AV_SAMPLE_FMT_FLT:
            ScaleFloat<float>(data, count, AVolume);
            break;
        case AV_SAMPLE_FMT_DBL:
            ScaleFloat<double>(data, count, AVolume);
            break;
        default:
            break;
        }
    }
}
