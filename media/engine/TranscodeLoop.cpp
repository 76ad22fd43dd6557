// The transcode loop: reads packets in time order, decodes them, hands the
// frames (or, for copied streams, the packets) to the output streams, reports
// progress, and at the end drains decoders and encoders and writes trailers.

#include <cmath>
#include <unistd.h>

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/engine/AudioVolume.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

constexpr int kFormatTsDiscont = AVFMT_TS_DISCONT;

int MediaIndex(AVMediaType AType) {
    switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
        return 0;
    case AVMEDIA_TYPE_AUDIO:
        return 1;
    case AVMEDIA_TYPE_DATA:
        return 2;
    default:
        return 3;
    }
}

} // namespace

void TCustomFFmpeg::Transcode() {
    auto tables = std::make_unique<TTranscodeTables>();
    TTranscodeTables& T = *tables;
    if (!T.pkt) throw FFmpegException("av_mallocz fail");
    Fvideo_size = Faudio_size = Fextra_size = 0;
    Fnb_frames_dup = Fnb_frames_drop = 0;
    FLastReportedDuration = 0;
    SetupRun(T);

    Ftimer_start = av::av_gettime_relative();
    int64_t last_report_time = Ftimer_start;
    std::vector<char> no_packet(static_cast<size_t>(Fnb_input_files), 0);
    int no_packet_count = 0;
    int join_index = 0; // join mode: the input whose turn it is
    auto atFrameLimit = [&](const TAVOutputStream& ost) {
        return ost.frame_number >= Fmax_frames[static_cast<size_t>(MediaIndex(ost.st->codecpar->codec_type))];
    };

    while (!FBroken) {
        WaitWhilePaused();
        if (FBroken) break;

        // Choose the input whose output is furthest behind; in join mode the
        // current one, until a frame limit or the recording time is reached.
        int file_index = -1;
        double ipts_min = 1e100, opts_min = 1e100;
        if (FJoinMode) {
            file_index = join_index;
            bool past = true;
            for (auto& o : T.ost) {
                past &= T.ist[static_cast<size_t>(o->source_index)]->is_past_recording_time;
                if (atFrameLimit(*o)) file_index = -1;
            }
            if (past) file_index = -1;
        } else {
            for (auto& o : T.ost) {
                const TAVOutputStream& ost = *o;
                const TAVInputStream& ist = *T.ist[static_cast<size_t>(ost.source_index)];
                if (ist.is_past_recording_time || no_packet[static_cast<size_t>(ist.file_index)]) continue;
                const double opts = OutputTime(ost);
                const double ipts = static_cast<double>(ist.pts);
                if (!T.files[static_cast<size_t>(ist.file_index)].eof_reached) {
                    if (ipts < ipts_min) {
                        ipts_min = ipts;
                        if (Finput_sync) file_index = ist.file_index;
                    }
                    if (opts < opts_min) {
                        opts_min = opts;
                        if (!Finput_sync) file_index = ist.file_index;
                    }
                }
                if (atFrameLimit(ost)) {
                    file_index = -1;
                    break;
                }
            }
        }
        if (file_index < 0) {
            if (FJoinMode || no_packet_count == 0) break;
            std::fill(no_packet.begin(), no_packet.end(), 0);
            no_packet_count = 0;
            usleep(10000);
            continue;
        }

        if (Flimit_filesize != 0) {
            AVIOContext* pb = Foutput_files[0]->pb;
            if (pb && av::avio_seek(pb, 0, SEEK_CUR) >= Flimit_filesize) break;
        }

        AVFormatContext* ic = Finput_files[static_cast<size_t>(file_index)];
        AVPacket* pkt = T.pkt;
        int ret = av::av_read_frame(ic, pkt);
        if (ret == AVERROR(EAGAIN)) {
            // A joined input is read on its own: wait for it, as the others wait.
            if (FJoinMode) {
                usleep(10000);
                continue;
            }
            no_packet[static_cast<size_t>(file_index)] = 1;
            ++no_packet_count;
            continue;
        }
        if (ret < 0) {
            T.files[static_cast<size_t>(file_index)].eof_reached = true;
            if (FJoinMode) {
                if (!NextJoinInput(T, join_index)) break;
                continue;
            }
            if (Fopt_shortest) break;
            continue;
        }
        std::fill(no_packet.begin(), no_packet.end(), 0);
        no_packet_count = 0;
        if (Fdo_pkt_dump)
            av::av_pkt_dump_log2(nullptr, AV_LOG_DEBUG, pkt, Fdo_hex_dump, ic->streams[pkt->stream_index]);

        bool failed = false;
        const TAVInputFile& file = T.files[static_cast<size_t>(file_index)];
        if (pkt->stream_index < file.nb_streams) {
            TAVInputStream& ist = *T.ist[static_cast<size_t>(file.ist_index + pkt->stream_index)];
            if (!ist.discard) {
                const AVRational tb = ist.st->time_base;
                int64_t& offset = Finput_files_ts_offset[static_cast<size_t>(file_index)];
                const int64_t shift = av::av_rescale_q(offset, AV_TIME_BASE_Q, tb);
                if (pkt->dts != AV_NOPTS_VALUE) pkt->dts += shift;
                if (pkt->pts != AV_NOPTS_VALUE) pkt->pts += shift;
                const double scale = pkt->stream_index < MAX_STREAMS
                                         ? Finput_files_ts_scale[static_cast<size_t>(file_index)]
                                                                [static_cast<size_t>(pkt->stream_index)]
                                         : 0;
                if (scale != 0) {
                    if (pkt->pts != AV_NOPTS_VALUE)
                        pkt->pts = std::llround(static_cast<double>(pkt->pts) * scale);
                    if (pkt->dts != AV_NOPTS_VALUE)
                        pkt->dts = std::llround(static_cast<double>(pkt->dts) * scale);
                }
                if (pkt->dts != AV_NOPTS_VALUE && ist.next_pts != AV_NOPTS_VALUE &&
                    (ic->iformat->flags & kFormatTsDiscont) && !Fcopy_ts) {
                    const int64_t pkt_dts = av::av_rescale_q(pkt->dts, tb, AV_TIME_BASE_Q);
                    const int64_t delta = pkt_dts - ist.next_pts;
                    if (std::llabs(delta) > static_cast<int64_t>(Fdts_delta_threshold * AV_TIME_BASE) ||
                        pkt_dts + 1 < ist.pts) {
                        offset -= delta;
                        pkt->dts -= av::av_rescale_q(delta, AV_TIME_BASE_Q, tb);
                        if (pkt->pts != AV_NOPTS_VALUE)
                            pkt->pts -= av::av_rescale_q(delta, AV_TIME_BASE_Q, tb);
                        if (Fverbose > 2)
                            Log(llVerbose, Format("timestamp discontinuity %" PRId64 ", new offset= %" PRId64,
                                                  delta, offset));
                    }
                }
                if (Frecording_time != INT64_MAX && pkt->pts != AV_NOPTS_VALUE &&
                    av::av_compare_ts(pkt->pts, tb, Frecording_time + Fstart_time, AV_TIME_BASE_Q) >= 0) {
                    ist.is_past_recording_time = true;
                } else if (!ProcessPacket(T, ist, pkt)) {
                    std::string text = Format("Error while decoding stream #%d.%d (%s)", ist.file_index,
                                              ist.index, MediaTypeName(ist.st->codecpar->codec_type).c_str());
                    if (Fexit_on_error) {
                        av::av_packet_unref(pkt);
                        throw FFmpegException(text);
                    }
                    if (Fverbose >= 0) Log(llVerbose, text);
                    failed = true;
                }
            }
        }
        av::av_packet_unref(pkt);
        if (failed) continue;

        const int64_t now = av::av_gettime_relative();
        if (now - last_report_time > ReportInterval) {
            last_report_time = now;
            PrintReport(T, false, file_index);
        }
    }

    // Drain: decoders first (into the encoders), then the encoders.
    for (auto& i : T.ist)
        if (i->decoding_needed && !i->decoder_flushed) {
            ProcessPacket(T, *i, nullptr);
            i->decoder_flushed = true;
        }
    for (auto& o : T.ost) {
        // Pictures a filter still holds go to the encoder before it drains.
        if (o->graph && o->encoding_needed && !FBroken)
            FilterVideo(T, *o, *T.ist[static_cast<size_t>(o->source_index)], nullptr);
        FlushEncoder(*o);
    }
    for (auto& o : T.ost)
        FlushPacketFilters(*o);
    for (int j = 0; j < OutputOwners(); ++j) {
        int r = av::av_write_trailer(Foutput_files[static_cast<size_t>(j)]);
        if (r < 0) throw FFmpegException(AVErrorText("av_write_trailer()", r));
    }
    PrintReport(T, true, -1);
    FFinished = !FBroken;
}

bool TCustomFFmpeg::ProcessPacket(TTranscodeTables& T, TAVInputStream& ist, AVPacket* pkt) {
    const AVRational tb = ist.st->time_base;
    if (ist.next_pts == AV_NOPTS_VALUE) ist.next_pts = ist.pts;
    if (pkt && pkt->dts != AV_NOPTS_VALUE && !ist.decoding_needed)
        ist.next_pts = ist.pts = av::av_rescale_q(pkt->dts, tb, AV_TIME_BASE_Q);

    if (!ist.decoding_needed) {
        if (!pkt) return true;
        ist.pts = ist.next_pts;
        const AVCodecParameters* par = ist.st->codecpar;
        if (pkt->duration > 0)
            ist.next_pts += av::av_rescale_q(pkt->duration, tb, AV_TIME_BASE_Q);
        else if (par->codec_type == AVMEDIA_TYPE_AUDIO && par->sample_rate > 0 && par->frame_size > 0)
            ist.next_pts += static_cast<int64_t>(AV_TIME_BASE) * par->frame_size / par->sample_rate;
        else if (par->codec_type == AVMEDIA_TYPE_VIDEO)
            ist.next_pts += FrameDuration(
                av::av_guess_frame_rate(Finput_files[static_cast<size_t>(ist.file_index)], ist.st, nullptr));
        if (Fstart_time == 0 || ist.pts >= Fstart_time)
            for (auto& o : T.ost)
                if (T.ist[static_cast<size_t>(o->source_index)].get() == &ist && !o->encoding_needed)
                    CopyPacket(*o, ist, pkt);
        return true;
    }

    if (ist.dec->codec_type == AVMEDIA_TYPE_SUBTITLE) return DecodeSubtitle(T, ist, pkt);
    int ret = av::avcodec_send_packet(ist.dec, pkt);
    if (ret < 0 && ret != AVERROR_EOF) return false;
    for (;;) {
        ret = av::avcodec_receive_frame(ist.dec, ist.frame);
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) break;
        if (ret < 0) return false;
        AVFrame* frame = ist.frame;
        const int64_t best = frame->best_effort_timestamp;
        if (ist.dec->codec_type == AVMEDIA_TYPE_AUDIO) {
            ist.pts = best != AV_NOPTS_VALUE ? av::av_rescale_q(best, tb, AV_TIME_BASE_Q) : ist.next_pts;
            if (frame->sample_rate > 0)
                ist.next_pts =
                    ist.pts + static_cast<int64_t>(frame->nb_samples) * AV_TIME_BASE / frame->sample_rate;
        } else {
            ist.pts = best != AV_NOPTS_VALUE ? av::av_rescale_q(best, tb, AV_TIME_BASE_Q) : ist.next_pts;
            int64_t duration =
                frame->pkt_duration > 0 ? av::av_rescale_q(frame->pkt_duration, tb, AV_TIME_BASE_Q) : 0;
            if (duration <= 0)
                duration = FrameDuration(av::av_guess_frame_rate(
                    Finput_files[static_cast<size_t>(ist.file_index)], ist.st, frame));
            ist.next_pts = ist.pts + duration;
        }
        DeliverFrame(T, ist, frame);
        av::av_frame_unref(frame);
        if (FBroken && pkt) break;
    }
    if (!pkt) av::avcodec_flush_buffers(ist.dec);
    return true;
}

void TCustomFFmpeg::DeliverFrame(TTranscodeTables& T, TAVInputStream& ist, AVFrame* frame) {
    // The pictures between the key frame a seek landed on and the wanted start.
    if (T.files[static_cast<size_t>(ist.file_index)].seeked && ist.pts < 0) return;
    if (Fstart_time != 0 && ist.pts < Fstart_time) return;

    if (ist.dec->codec_type == AVMEDIA_TYPE_VIDEO) frame = PreProcessVideoFrame(ist, frame);

    if (ist.dec->codec_type == AVMEDIA_TYPE_AUDIO && Faudio_volume != 256) {
        // Decoded frames may be shared with the decoder: change a copy.
        if (!ist.work) ist.work = av::av_frame_alloc();
        if (!ist.work) throw FFmpegException("av_mallocz fail");
        av::av_frame_unref(ist.work);
        if (av::av_frame_ref(ist.work, frame) < 0 || av::av_frame_make_writable(ist.work) < 0)
            throw FFmpegException("av_mallocz fail");
        ScaleSamples(ist.work, Faudio_volume);
        frame = ist.work;
    }

    if (Frate_emu) {
        const int64_t lead = ist.pts - (av::av_gettime_relative() - ist.start);
        if (lead > 1000) usleep(static_cast<useconds_t>(lead));
    }

    for (auto& o : T.ost) {
        TAVOutputStream& ost = *o;
        if (T.ist[static_cast<size_t>(ost.source_index)].get() != &ist || !ost.encoding_needed) continue;
        switch (ost.enc->codec_type) {
        case AVMEDIA_TYPE_AUDIO:
            DoAudioOut(T, ost, ist, frame);
            break;
        case AVMEDIA_TYPE_VIDEO:
            if (ost.graph)
                FilterVideo(T, ost, ist, frame);
            else
                DoVideoOut(T, ost, ist, frame);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            break;
        default:
            throw FFmpegException("invalid codec_type");
        }
    }
    if (frame == ist.work) av::av_frame_unref(ist.work);
}

void TCustomFFmpeg::CopyPacket(TAVOutputStream& ost, TAVInputStream& ist, const AVPacket* in) {
    if (ost.frame_number == 0 && !(in->flags & AV_PKT_FLAG_KEY) && !Fcopy_initial_nonkeyframes) return;
    const AVMediaType type = ost.st->codecpar->codec_type;
    if (type == AVMEDIA_TYPE_AUDIO)
        Faudio_size += in->size;
    else if (type == AVMEDIA_TYPE_VIDEO) {
        Fvideo_size += in->size;
        ++ost.sync_opts;
    }
    AVPacket* pkt = ost.pkt;
    av::av_packet_unref(pkt);
    if (av::av_packet_ref(pkt, in) < 0) throw FFmpegException("av_mallocz fail");
    const AVRational itb = ist.st->time_base;
    const AVRational otb = ost.st->time_base;
    const int64_t start = av::av_rescale_q(Fstart_time, AV_TIME_BASE_Q, otb);
    pkt->pts = in->pts != AV_NOPTS_VALUE ? av::av_rescale_q(in->pts, itb, otb) - start : AV_NOPTS_VALUE;
    pkt->dts = in->dts != AV_NOPTS_VALUE ? av::av_rescale_q(in->dts, itb, otb) - start
                                         : av::av_rescale_q(ist.pts, AV_TIME_BASE_Q, otb) - start;
    pkt->duration = av::av_rescale_q(in->duration, itb, otb);
    pkt->stream_index = ost.index;
    const int64_t end = av::av_rescale_q((pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts) + pkt->duration,
                                         otb, AV_TIME_BASE_Q);
    if (end > ost.copy_time) ost.copy_time = end;
    WritePacket(ost, pkt);
    ++ost.frame_number;
}

void TCustomFFmpeg::PrintReport(TTranscodeTables& T, bool AFinal, int AFileIndex) {
    AVFormatContext* oc = Foutput_files[0];
    int64_t total_size = 0;
    if (oc->pb) {
        total_size = av::avio_size(oc->pb);
        if (total_size < 0) total_size = av::avio_seek(oc->pb, 0, SEEK_CUR);
        if (total_size < 0) total_size = 0;
    }
    std::string line;
    double ti1 = 1e10;
    int frame_number = -1, fps = -1;
    float quality = -1;
    bool reported_video = false;
    for (auto& o : T.ost) {
        const TAVOutputStream& ost = *o;
        const float q = ost.encoding_needed ? ost.quality / FF_QP2LAMBDA : -1.0f;
        if (ost.st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            if (reported_video) line += Format("q=%2.1f ", q);
            if (!reported_video && ost.show_fps) {
                const double t = static_cast<double>(av::av_gettime_relative() - Ftimer_start) / 1000000.0;
                frame_number = ost.frame_number;
                // Outputs with video report nothing before their first picture.
                if (frame_number < 1) return;
                fps = t > 1 ? static_cast<int>(frame_number / t + 0.5) : 0;
                quality = q;
                line += Format("frame=%5d fps=%3d q=%3.1f ", frame_number, fps, q);
                if (AFinal) line += "L";
                reported_video = true;
            }
        }
        const double t = OutputTime(ost);
        if (t > 0 && t < ti1) ti1 = t;
    }
    // No output has a time yet: the duration is 0, not the start value.
    int64_t current = ti1 < 1e10 ? static_cast<int64_t>(ti1 * 1000000) : 0;
    if (ti1 >= 1e10 || ti1 < 0.01) ti1 = 0.01;
    if (FTotalOutputDuration > 0 && current > FTotalOutputDuration + AV_TIME_BASE)
        current = FTotalOutputDuration + AV_TIME_BASE;
    if (current < FLastReportedDuration) current = FLastReportedDuration;
    FLastReportedDuration = current;

    TProgressEvent handler = FOnProgress;
    if (handler || Fverbose > 0 || AFinal) {
        const double bitrate = static_cast<double>(total_size) * 8 / ti1 / 1000.0;
        line +=
            Format("size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", static_cast<double>(total_size) / 1024.0,
                   static_cast<double>(current) / 1000000.0, bitrate);
        if (Fnb_frames_dup || Fnb_frames_drop) {
            line += Format(" dup=%d drop=%d", Fnb_frames_dup, Fnb_frames_drop);
            if (FShowDupOrDrop && Fverbose >= 0 && handler) {
                FShowDupOrDrop = false;
                Log(llVerbose, line);
            }
        }
        if (handler)
            handler(this, AFileIndex, frame_number, fps, quality, static_cast<float>(bitrate), total_size,
                    current, FTotalOutputDuration);
        else if (Fverbose >= 0)
            Log(llVerbose, line);
    }
    if (AFinal && Fverbose >= 0) {
        const double sum = static_cast<double>(Fvideo_size + Faudio_size + Fextra_size);
        Log(llVerbose,
            Format("video:%1.0fkB audio:%1.0fkB global headers:%1.0fkB muxing overhead %f%%\r\n",
                   static_cast<double>(Fvideo_size) / 1024.0, static_cast<double>(Faudio_size) / 1024.0,
                   static_cast<double>(Fextra_size) / 1024.0,
                   sum > 0 ? (static_cast<double>(total_size) - sum) * 100.0 / sum : 0.0));
    }
}
