#pragma once
// Pieces of the hook tests: the frame-hook modules the build makes, the
// luma planes of a file's pictures, and one short lossless conversion.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/media/engine/RunTestSupport.h"

inline std::string HookModule(const std::string& AName) {
    return std::string(DUVA_HOOK_MODULES_DIR) + "/" + AName;
}

// One picture's luma plane, row after row.
struct TLumaFrame {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Y;
    int At(int x, int y) const { return Y[static_cast<size_t>(y) * Width + x]; }
    // Mean luma of a rectangle.
    double Mean(int x0, int y0, int x1, int y1) const {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                sum += At(x, y);
        return sum / ((x1 - x0) * (y1 - y0));
    }
};

// The luma of every picture of the first video stream (8-bit planar formats).
inline std::vector<TLumaFrame> DecodeLuma(const std::string& AFileName) {
    std::vector<TLumaFrame> frames;
    AVFormatContext* ic = nullptr;
    if (av::avformat_open_input(&ic, AFileName.c_str(), nullptr, nullptr) < 0) return frames;
    av::avformat_find_stream_info(ic, nullptr);
    const int index = av::av_find_best_stream(ic, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    AVCodecContext* dec = nullptr;
    if (index >= 0) {
        const AVCodec* codec = av::avcodec_find_decoder(ic->streams[index]->codecpar->codec_id);
        dec = av::avcodec_alloc_context3(codec);
        av::avcodec_parameters_to_context(dec, ic->streams[index]->codecpar);
        if (av::avcodec_open2(dec, codec, nullptr) < 0) av::avcodec_free_context(&dec);
    }
    AVPacket* pkt = av::av_packet_alloc();
    AVFrame* f = av::av_frame_alloc();
    auto drain = [&] {
        while (av::avcodec_receive_frame(dec, f) >= 0) {
            TLumaFrame l;
            l.Width = f->width;
            l.Height = f->height;
            for (int y = 0; y < f->height; ++y)
                l.Y.insert(l.Y.end(), f->data[0] + static_cast<ptrdiff_t>(y) * f->linesize[0],
                           f->data[0] + static_cast<ptrdiff_t>(y) * f->linesize[0] + f->width);
            frames.push_back(std::move(l));
            av::av_frame_unref(f);
        }
    };
    while (dec && av::av_read_frame(ic, pkt) >= 0) {
        if (pkt->stream_index == index && av::avcodec_send_packet(dec, pkt) >= 0) drain();
        av::av_packet_unref(pkt);
    }
    if (dec) {
        av::avcodec_send_packet(dec, nullptr);
        drain();
        av::avcodec_free_context(&dec);
    }
    av::av_frame_free(&f);
    av::av_packet_free(&pkt);
    av::avformat_close_input(&ic);
    return frames;
}

// Six pictures of a clip (the all-purpose one unless named) into lossless
// video without sound, so a test sees exactly what the hooks made of them. ASetUp runs on the
// engine before the output is opened. Inline; the engine is freed after.
inline std::string ConvertLossless(const TScratchFolder& AFolder, const std::string& AName,
                                   const std::function<void(TCustomFFmpeg&)>& ASetUp,
                                   TOptionList AOptions = {}, const std::string& AInput = "clip.mkv") {
    auto engine = std::make_unique<TCustomFFmpeg>(20);
    engine->Reset();
    if (ASetUp) ASetUp(*engine);
    const std::string output = AFolder.File(AName);
    AOptions.insert(AOptions.begin(), {{"vcodec", "ffv1"}, {"an", "1"}, {"vframes", "6"}});
    PrepareConversion(*engine, FixturePath(AInput), {}, output, AOptions);
    engine->StartConvert(false);
    EXPECT_TRUE(engine->Finished()) << engine->FatalMessage();
    return output;
}
