#pragma once
// Decodes every picture of a file's first video stream through the loaded
// libraries, as planar 4:2:0 without padding, so tests can look at pixels:
// where a marker went, which frame number a picture shows, whether two
// outputs hold the same pictures.

#include <cstdint>
#include <string>
#include <vector>

#include "media/AVBindings.h"
#include "tests/support/FixtureFrames.h"

struct TPicture {
    int Width = 0, Height = 0;
    double Time = 0; // seconds
    std::vector<uint8_t> Y, U, V;
    uint8_t LumaAt(int x, int y) const { return Y[static_cast<size_t>(y) * Width + x]; }
    bool SamePixels(const TPicture& p) const {
        return Width == p.Width && Height == p.Height && Y == p.Y && U == p.U && V == p.V;
    }
    // The frame number the fixture picture spells in its counter blocks.
    int Counter() const {
        int n = 0;
        for (int bit = 0; bit < fixture::kCounterBits; ++bit)
            if (LumaAt(fixture::ColumnCentre(bit, Width, fixture::kCounterBits),
                       fixture::CounterRow(Height)) > 128)
                n |= 1 << bit;
        return n;
    }
};

inline std::vector<TPicture> DecodePictures(const std::string& AFileName) {
    std::vector<TPicture> pictures;
    AVFormatContext* ic = nullptr;
    if (av::avformat_open_input(&ic, AFileName.c_str(), nullptr, nullptr) < 0) return pictures;
    const int index = av::avformat_find_stream_info(ic, nullptr) < 0
                          ? -1
                          : av::av_find_best_stream(ic, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* codec =
        index >= 0 ? av::avcodec_find_decoder(ic->streams[index]->codecpar->codec_id) : nullptr;
    AVCodecContext* dec = codec ? av::avcodec_alloc_context3(codec) : nullptr;
    if (!dec || av::avcodec_parameters_to_context(dec, ic->streams[index]->codecpar) < 0 ||
        av::avcodec_open2(dec, codec, nullptr) < 0) {
        av::avcodec_free_context(&dec);
        av::avformat_close_input(&ic);
        return pictures;
    }
    const AVRational tb = ic->streams[index]->time_base;
    AVPacket* pkt = av::av_packet_alloc();
    AVFrame* frame = av::av_frame_alloc();
    SwsContext* sws = nullptr;
    auto drain = [&] {
        while (av::avcodec_receive_frame(dec, frame) >= 0) {
            TPicture p;
            p.Width = frame->width;
            p.Height = frame->height;
            p.Time = frame->best_effort_timestamp == AV_NOPTS_VALUE
                         ? 0
                         : static_cast<double>(frame->best_effort_timestamp) * av_q2d(tb);
            const int cw = (p.Width + 1) / 2, ch = (p.Height + 1) / 2;
            p.Y.resize(static_cast<size_t>(p.Width) * p.Height);
            p.U.resize(static_cast<size_t>(cw) * ch);
            p.V.resize(p.U.size());
            uint8_t* dst[4] = {p.Y.data(), p.U.data(), p.V.data(), nullptr};
            int lines[4] = {p.Width, cw, cw, 0};
            sws = av::sws_getCachedContext(sws, frame->width, frame->height,
                                           static_cast<AVPixelFormat>(frame->format), p.Width, p.Height,
                                           AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
            if (sws) av::sws_scale(sws, frame->data, frame->linesize, 0, frame->height, dst, lines);
            pictures.push_back(std::move(p));
            av::av_frame_unref(frame);
        }
    };
    while (av::av_read_frame(ic, pkt) >= 0) {
        if (pkt->stream_index == index && av::avcodec_send_packet(dec, pkt) >= 0) drain();
        av::av_packet_unref(pkt);
    }
    av::avcodec_send_packet(dec, nullptr);
    drain();
    av::sws_freeContext(sws);
    av::av_frame_free(&frame);
    av::av_packet_free(&pkt);
    av::avcodec_free_context(&dec);
    av::avformat_close_input(&ic);
    return pictures;
}
