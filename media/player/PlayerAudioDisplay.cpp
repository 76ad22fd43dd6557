// The audio displays of a file without pictures: the wave, and the spectrum
// drawn one column per refresh. SDL's audio thread keeps a ring of the
// samples it played; the play thread draws from a copy of it.

#include "media/player/PlayerEngine.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

void FillRect(SDL_Surface* AScreen, int x, int y, int w, int h, Uint32 AColor) {
    if (w <= 0 || h <= 0) return;
    SDL_Rect rect{Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    sdl::SDL_FillRect(AScreen, &rect, AColor);
}

int Modulo(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

// Where the samples being heard now start in the ring: back from the newest
// by what SDL has not played yet, and by twice the samples drawn. The wave
// starts at a steep falling zero crossing, so it stands still on a tone.
// Under sample_lock.
int DisplayStart(TVideoState* is, int AChannels, int ADataUsed) {
    if (is->paused) return is->last_i_start;
    int delay = is->audio_write_buf_size / (2 * AChannels);
    if (is->audio_callback_time > 0)
        delay -= int((NowSeconds() - is->audio_callback_time) * is->audio_tgt_freq);
    delay += 2 * ADataUsed;
    delay = std::max(delay, ADataUsed);
    int start = Modulo(is->sample_array_index - delay * AChannels, SAMPLE_ARRAY_SIZE);
    if (is->show_audio == 1) {
        const auto at = [&](int i) { return int(is->sample_array[size_t(Modulo(i, SAMPLE_ARRAY_SIZE))]); };
        int best = INT_MIN;
        const int x = start;
        for (int i = 0; i < 1000; i += AChannels) {
            const int idx = Modulo(x - i, SAMPLE_ARRAY_SIZE);
            const int a = at(idx);
            const int b = at(idx + 4 * AChannels);
            const int c = at(idx + 5 * AChannels);
            const int d = at(idx + 9 * AChannels);
            const int score = a - d;
            if (best < score && (b ^ c) < 0) {
                best = score;
                start = idx;
            }
        }
    }
    is->last_i_start = start;
    return start;
}

void DrawWave(TVideoState* is, const std::vector<int16_t>& ASamples, int AChannels) {
    SDL_Surface* screen = is->screen;
    const Uint32 white = sdl::SDL_MapRGB(screen->format, 0xff, 0xff, 0xff);
    FillRect(screen, is->xleft, is->ytop, is->width, is->height, sdl::SDL_MapRGB(screen->format, 0, 0, 0));
    const int h = is->height / AChannels;
    const int h2 = h * 9 / 20; // a full-scale sample reaches 90 % of the half band
    for (int ch = 0; ch < AChannels; ++ch) {
        const int y1 = is->ytop + ch * h + h / 2;
        size_t i = size_t(ch);
        for (int x = 0; x < is->width; ++x, i += size_t(AChannels)) {
            int y = (int(ASamples[i]) * h2) >> 15;
            int ys = y1;
            if (y < 0) {
                y = -y;
                ys = y1 - y;
            }
            FillRect(screen, is->xleft + x, ys, 1, y, white);
        }
    }
    for (int ch = 1; ch < AChannels; ++ch)
        FillRect(screen, is->xleft, is->ytop + ch * h, is->width, 1, white);
    sdl::SDL_UpdateRect(screen, is->xleft, is->ytop, Uint32(is->width), Uint32(is->height));
}

void DrawSpectrumColumn(TVideoState* is, const std::vector<int16_t>& ASamples, int AChannels, int ABits) {
    const int nb_freq = 1 << (ABits - 1);
    if (ABits != is->rdft_bits || !is->rdft) {
        if (is->rdft) av::av_rdft_end(is->rdft);
        is->rdft = av::av_rdft_init(ABits, DFT_R2C);
        av::av_freep(&is->rdft_data);
        is->rdft_data = static_cast<FFTSample*>(av::av_mallocz(sizeof(FFTSample) * size_t(4 * nb_freq)));
        if (!is->rdft || !is->rdft_data) {
            if (is->rdft) av::av_rdft_end(is->rdft);
            is->rdft = nullptr;
            is->rdft_bits = 0;
            return;
        }
        is->rdft_bits = ABits;
    }
    const int shown = std::min(AChannels, 2);
    FFTSample* data[2] = {};
    for (int ch = 0; ch < shown; ++ch) {
        data[ch] = is->rdft_data + size_t(2 * nb_freq * ch);
        size_t i = size_t(ch);
        for (int x = 0; x < 2 * nb_freq; ++x, i += size_t(AChannels)) {
            const double w = (x - nb_freq) * (1.0 / nb_freq);
            data[ch][x] = FFTSample(ASamples[i] * (1.0 - w * w));
        }
        av::av_rdft_calc(is->rdft, data[ch]);
    }
    SDL_Surface* screen = is->screen;
    const double w = 1 / std::sqrt(double(nb_freq));
    auto magnitude = [&](const FFTSample* d, int y) {
        const double re = d[2 * y], im = d[2 * y + 1];
        return std::min(int(std::sqrt(w * std::sqrt(re * re + im * im))), 255);
    };
    if (is->xpos < is->xleft || is->xpos >= is->xleft + is->width) is->xpos = is->xleft;
    for (int y = 0; y < is->height; ++y) {
        const int a = magnitude(data[0], y);
        const int b = shown == 2 ? magnitude(data[1], y) : a;
        const Uint32 color = sdl::SDL_MapRGB(screen->format, Uint8(a), Uint8(b), Uint8((a + b) / 2));
        FillRect(screen, is->xpos, is->ytop + is->height - 1 - y, 1, 1, color);
    }
    sdl::SDL_UpdateRect(screen, is->xpos, is->ytop, 1, Uint32(is->height));
    if (++is->xpos >= is->xleft + is->width) is->xpos = is->xleft;
}

} // namespace

void StoreDisplaySamples(TVideoState* is, const uint8_t* ASamples, int ABytes) {
    const auto* samples = reinterpret_cast<const int16_t*>(ASamples);
    int count = ABytes / 2;
    std::lock_guard lock(is->sample_lock);
    if (is->sample_array.empty()) is->sample_array.assign(SAMPLE_ARRAY_SIZE, 0);
    while (count > 0) {
        const int n = std::min(count, SAMPLE_ARRAY_SIZE - is->sample_array_index);
        std::copy(samples, samples + n, is->sample_array.begin() + is->sample_array_index);
        samples += n;
        count -= n;
        is->sample_array_index = (is->sample_array_index + n) % SAMPLE_ARRAY_SIZE;
    }
}

void NoteAudioCallback(TVideoState* is, int AWriteBufSize, double ATime) {
    std::lock_guard lock(is->sample_lock);
    is->audio_write_buf_size = AWriteBufSize;
    is->audio_callback_time = ATime;
}

void ShowAudioDisplay(TVideoState* is) {
    if (!is->screen || is->width <= 0 || is->height <= 0) return;
    const int channels = is->audio_tgt_layout.nb_channels;
    const int mode = is->show_audio;
    if (channels <= 0 || mode <= 0) return;
    int bits = 1;
    while ((1 << bits) < 2 * is->height)
        ++bits;
    const int nb_freq = 1 << (bits - 1);
    const int data_used = mode == 1 ? is->width : 2 * nb_freq;
    std::vector<int16_t> samples(size_t(data_used) * size_t(channels));
    {
        std::lock_guard lock(is->sample_lock);
        if (!is->sample_array.empty()) {
            int i = DisplayStart(is, channels, data_used);
            for (int16_t& s : samples) {
                s = is->sample_array[size_t(i)];
                i = (i + 1) % SAMPLE_ARRAY_SIZE;
            }
        }
    }
    if (mode == 1)
        DrawWave(is, samples, channels);
    else
        DrawSpectrumColumn(is, samples, channels, bits);
}

void SetAudioDisplay(TVideoState* is, int AMode) {
    is->show_audio = AMode < 0 ? (is->show_audio + 1) % 3 : std::clamp(AMode, 0, 2);
    if (!is->screen) return;
    FillRect(is->screen, is->xleft, is->ytop, is->width, is->height,
             sdl::SDL_MapRGB(is->screen->format, 0, 0, 0));
    sdl::SDL_UpdateRect(is->screen, is->xleft, is->ytop, Uint32(is->width), Uint32(is->height));
}
