// Subtitles: decoding a packet into a whole subtitle, and encoding it for the
// output streams it feeds.

#include <cstring>
#include <mutex>

#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

constexpr size_t kSubtitleOutSize = 1048576;
constexpr AVRational kMilliseconds{1, 1000};

int SubtitleKind(AVCodecID AId) {
    const AVCodecDescriptor* d = av::avcodec_descriptor_get(AId);
    return d ? d->props & (AV_CODEC_PROP_TEXT_SUB | AV_CODEC_PROP_BITMAP_SUB) : 0;
}

struct TSubtitleHolder {
    AVSubtitle Sub{};
    ~TSubtitleHolder() { av::avsubtitle_free(&Sub); }
};

} // namespace

void TCustomFFmpeg::PrepareSubtitleEncoder(TAVOutputStream& ost, TAVInputStream& ist) {
    AVCodecContext* enc = ost.enc;
    // Subtitle times are counted in milliseconds.
    if (enc->time_base.num <= 0 || enc->time_base.den <= 0) enc->time_base = kMilliseconds;
    const AVCodecID in_id = ist.st->codecpar->codec_id;
    const int in_kind = SubtitleKind(in_id), out_kind = SubtitleKind(enc->codec_id);
    if (in_kind && out_kind && !(in_kind & out_kind))
        throw FFmpegException(Format("Subtitle stream #%d.%d (%s) cannot be encoded as %s: text and picture "
                                     "subtitles do not convert into each other",
                                     ist.file_index, ist.index, av::avcodec_get_name(in_id),
                                     av::avcodec_get_name(enc->codec_id)));
    if (enc->subtitle_header || !(out_kind & AV_CODEC_PROP_TEXT_SUB)) return;

    // Text encoders start from the styles the decoder sets up; the decoder is
    // opened later, so a scratch one lends its header.
    const AVCodec* codec = av::avcodec_find_decoder(in_id);
    if (!codec) return;
    AVCodecContext* dec = av::avcodec_alloc_context3(codec);
    if (!dec) throw FFmpegException("av_mallocz fail");
    int r = av::avcodec_parameters_to_context(dec, ist.st->codecpar);
    dec->pkt_timebase = ist.st->time_base;
    if (r >= 0) {
        std::lock_guard lock(CodecLock);
        r = av::avcodec_open2(dec, codec, nullptr);
    }
    if (r >= 0 && dec->subtitle_header && dec->subtitle_header_size > 0) {
        enc->subtitle_header =
            static_cast<uint8_t*>(av::av_mallocz(static_cast<size_t>(dec->subtitle_header_size) + 1));
        if (enc->subtitle_header) {
            memcpy(enc->subtitle_header, dec->subtitle_header,
                   static_cast<size_t>(dec->subtitle_header_size));
            enc->subtitle_header_size = dec->subtitle_header_size;
        }
    }
    std::lock_guard lock(CodecLock);
    av::avcodec_free_context(&dec);
}

bool TCustomFFmpeg::DecodeSubtitle(TTranscodeTables& T, TAVInputStream& ist, AVPacket* pkt) {
    // Subtitle decoders hold nothing back for the end.
    if (!pkt) return true;
    TSubtitleHolder holder;
    int got = 0;
    if (av::avcodec_decode_subtitle2(ist.dec, &holder.Sub, &got, pkt) < 0) return false;
    const int64_t pts = pkt->pts == AV_NOPTS_VALUE
                            ? AV_NOPTS_VALUE
                            : av::av_rescale_q(pkt->pts, ist.st->time_base, AV_TIME_BASE_Q);
    if (pts != AV_NOPTS_VALUE) ist.pts = ist.next_pts = pts;
    if (!got) return true;
    if (Fstart_time != 0 && pts != AV_NOPTS_VALUE && pts < Fstart_time) return true;
    for (auto& o : T.ost) {
        TAVOutputStream& ost = *o;
        if (T.ist[static_cast<size_t>(ost.source_index)].get() != &ist || !ost.encoding_needed) continue;
        DoSubtitleOut(T, ost, holder.Sub, pts);
    }
    return true;
}

void TCustomFFmpeg::DoSubtitleOut(TTranscodeTables& T, TAVOutputStream& ost, const AVSubtitle& ASub,
                                  int64_t APts) {
    if (APts == AV_NOPTS_VALUE) {
        if (Fexit_on_error) throw FFmpegException("Subtitle packets must have a pts");
        Log(llError, "Subtitle packets must have a pts");
        return;
    }
    if (ost.frame_number >= Fmax_frames[3]) return;
    if (T.subtitle_out.empty()) T.subtitle_out.resize(kSubtitleOutSize);
    AVCodecContext* enc = ost.enc;
    // DVB subtitles take two packets: one draws the subtitle, one clears it.
    const bool dvb = enc->codec_id == AV_CODEC_ID_DVB_SUBTITLE;
    AVSubtitle sub = ASub;
    sub.pts = APts - Fstart_time + av::av_rescale_q(ASub.start_display_time, kMilliseconds, AV_TIME_BASE_Q);
    sub.end_display_time = ASub.end_display_time - ASub.start_display_time;
    sub.start_display_time = 0;
    AVPacket* pkt = ost.pkt;
    for (int i = 0; i < (dvb ? 2 : 1); ++i) {
        if (i == 1) sub.num_rects = 0;
        const int size = av::avcodec_encode_subtitle(enc, T.subtitle_out.data(),
                                                     static_cast<int>(T.subtitle_out.size()), &sub);
        if (size < 0) throw FFmpegException("Subtitle encoding failed");
        av::av_packet_unref(pkt);
        if (av::av_new_packet(pkt, size) < 0) throw FFmpegException("av_mallocz fail");
        memcpy(pkt->data, T.subtitle_out.data(), static_cast<size_t>(size));
        pkt->pts = av::av_rescale_q(sub.pts, AV_TIME_BASE_Q, ost.st->time_base);
        // The cue's end lives in the packet's duration.
        if (!dvb && sub.end_display_time > 0 && sub.end_display_time != UINT32_MAX)
            pkt->duration = av::av_rescale_q(sub.end_display_time, kMilliseconds, ost.st->time_base);
        if (dvb)
            pkt->pts += 90 * static_cast<int64_t>(i == 0 ? sub.start_display_time : sub.end_display_time);
        pkt->dts = pkt->pts;
        pkt->flags |= AV_PKT_FLAG_KEY;
        WritePacket(ost, pkt);
        av::av_packet_unref(pkt);
    }
    ost.sync_opts = av::av_rescale_q(sub.pts, AV_TIME_BASE_Q, enc->time_base);
    ++ost.frame_number;
}
