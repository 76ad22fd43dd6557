// The encoding stages: audio (resampling, synchronisation, whole encoder
// frames), video (frame-rate synchronisation, cropping, scaling, repeated
// pictures), draining the encoders, and writing packets.

#include <cmath>
#include <cstring>

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

const char* EncodeFailText(const AVCodecContext* enc) {
    return enc->codec_type == AVMEDIA_TYPE_AUDIO ? "Audio encoding failed" : "Video encoding failed";
}

// The plane pointers of a picture with the top and left bands cut away.
// False for formats whose planes cannot be cut by pointers.
bool CropPlanes(const AVFrame* AFrame, int ATop, int ALeft, uint8_t* AData[4]) {
    const AVPixFmtDescriptor* desc = av::av_pix_fmt_desc_get(static_cast<AVPixelFormat>(AFrame->format));
    if (!desc || (desc->flags & (AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL)))
        return false;
    for (int p = 0; p < 4; ++p) {
        AData[p] = AFrame->data[p];
        if (!AData[p]) continue;
        int step = 0;
        for (int c = 0; c < desc->nb_components; ++c)
            if (desc->comp[c].plane == p) step = desc->comp[c].step;
        const bool chroma = p == 1 || p == 2;
        const int y = chroma ? ATop >> desc->log2_chroma_h : ATop;
        const int x = chroma ? ALeft >> desc->log2_chroma_w : ALeft;
        AData[p] += static_cast<ptrdiff_t>(y) * AFrame->linesize[p] + static_cast<ptrdiff_t>(x) * step;
    }
    return true;
}

} // namespace

void TCustomFFmpeg::WritePacket(TAVOutputStream& ost, AVPacket* pkt) {
    pkt->stream_index = ost.index;
    if (ost.bsf)
        FilterPacket(ost, pkt, 0);
    else
        MuxPacket(ost, pkt);
}

void TCustomFFmpeg::EncodeFrame(TAVOutputStream& ost, AVFrame* frame) {
    AVCodecContext* enc = ost.enc;
    int r = av::avcodec_send_frame(enc, frame);
    if (r < 0 && !(frame == nullptr && r == AVERROR_EOF)) throw FFmpegException(EncodeFailText(enc));
    AVPacket* pkt = ost.pkt;
    for (;;) {
        av::av_packet_unref(pkt);
        r = av::avcodec_receive_packet(enc, pkt);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) break;
        if (r < 0) throw FFmpegException(EncodeFailText(enc));
        size_t size = 0;
        const uint8_t* stats = av::av_packet_get_side_data(pkt, AV_PKT_DATA_QUALITY_STATS, &size);
        if (stats && size >= 4)
            ost.quality = static_cast<float>(static_cast<int32_t>(stats[0] | stats[1] << 8 | stats[2] << 16 |
                                                                  static_cast<uint32_t>(stats[3]) << 24));
        if (enc->codec_type == AVMEDIA_TYPE_VIDEO) {
            Fvideo_size += pkt->size;
            NoteVideoPacket(ost, pkt);
        } else {
            Faudio_size += pkt->size;
        }
        av::av_packet_rescale_ts(pkt, enc->time_base, ost.st->time_base);
        WritePacket(ost, pkt);
    }
    av::av_packet_unref(pkt);
}

void TCustomFFmpeg::DoAudioOut(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist,
                               AVFrame* frame) {
    AVCodecContext* enc = ost.enc;
    const int enc_rate = enc->sample_rate;
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0) return;

    // One resampler converts format, layout and rate; rebuilt when the input changes.
    if (!ost.resample || frame->format != ost.resample_in_fmt || frame->sample_rate != ost.resample_in_rate ||
        av::av_channel_layout_compare(&frame->ch_layout, &ost.resample_in_layout) != 0) {
        av::swr_free(&ost.resample);
        SwrContext* swr = nullptr;
        int r = av::swr_alloc_set_opts2(&swr, &enc->ch_layout, enc->sample_fmt, enc_rate, &frame->ch_layout,
                                        static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0,
                                        nullptr);
        if (r >= 0) {
            av::av_opt_set_int(swr, "filter_size", 16, 0);
            av::av_opt_set_int(swr, "phase_shift", 10, 0);
            av::av_opt_set_int(swr, "linear_interp", 0, 0);
            av::av_opt_set_double(swr, "cutoff", 0.8, 0);
            r = av::swr_init(swr);
        }
        if (r < 0) {
            av::swr_free(&swr);
            throw FFmpegException(Format("Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
                                         frame->ch_layout.nb_channels, frame->sample_rate,
                                         enc->ch_layout.nb_channels, enc_rate));
        }
        ost.resample = swr;
        ost.resample_in_fmt = frame->format;
        ost.resample_in_rate = frame->sample_rate;
        av::av_channel_layout_uninit(&ost.resample_in_layout);
        av::av_channel_layout_copy(&ost.resample_in_layout, &frame->ch_layout);
    }

    const TAVInputStream& sync = *T.ist[static_cast<size_t>(ost.sync_ist)];
    const double sync_ipts = static_cast<double>(sync.pts - Fstart_time) / AV_TIME_BASE;
    if (!ost.audio_started) {
        if (Faudio_sync_method == 0) ost.sync_opts = std::max<int64_t>(0, std::llrint(sync_ipts * enc_rate));
        ost.audio_started = true;
    }

    const bool planar = av::av_sample_fmt_is_planar(static_cast<AVSampleFormat>(frame->format)) != 0;
    const int in_channels = frame->ch_layout.nb_channels;
    const int in_bytes = av::av_get_bytes_per_sample(static_cast<AVSampleFormat>(frame->format));
    const uint8_t* in_data[AV_NUM_DATA_POINTERS] = {};
    std::vector<const uint8_t*> in_planes;
    const uint8_t** in = in_data;
    if (planar && in_channels > AV_NUM_DATA_POINTERS) {
        in_planes.resize(static_cast<size_t>(in_channels));
        in = in_planes.data();
    }
    for (int p = 0; p < (planar ? in_channels : 1); ++p)
        in[p] = frame->extended_data[p];
    int in_count = frame->nb_samples;

    if (Faudio_sync_method != 0) {
        // Samples still waiting in the resampler and the FIFO count as written.
        const int64_t buffered = av::av_audio_fifo_size(ost.fifo) + av::swr_get_delay(ost.resample, enc_rate);
        const double delta = sync_ipts * enc_rate - static_cast<double>(ost.sync_opts + buffered);
        if (std::fabs(delta) > 50) {
            if (ist.is_start || std::fabs(delta) > Faudio_drift_threshold * enc_rate) {
                if (delta < 0) {
                    const int drop = static_cast<int>(std::min<double>(-delta * frame->sample_rate / enc_rate,
                                                                       static_cast<double>(in_count)));
                    if (Fverbose > 2)
                        Log(llVerbose, Format("discarding %d audio samples", static_cast<int>(-delta)));
                    const int skip = drop * in_bytes * (planar ? 1 : in_channels);
                    for (int p = 0; p < (planar ? in_channels : 1); ++p)
                        in[p] += skip;
                    in_count -= drop;
                    ist.is_start = false;
                    if (in_count <= 0) return;
                } else {
                    const int silence = static_cast<int>(delta);
                    if (Fverbose > 2) Log(llVerbose, Format("adding %d audio samples of silence", silence));
                    uint8_t** buf = nullptr;
                    if (av::av_samples_alloc_array_and_samples(&buf, nullptr, enc->ch_layout.nb_channels,
                                                               silence, enc->sample_fmt, 0) < 0)
                        throw FFmpegException("Out of memory in do_audio_out");
                    av::av_samples_set_silence(buf, 0, silence, enc->ch_layout.nb_channels, enc->sample_fmt);
                    const int written =
                        av::av_audio_fifo_write(ost.fifo, reinterpret_cast<void**>(buf), silence);
                    av::av_freep(&buf[0]);
                    av::av_freep(&buf);
                    if (written < silence) throw FFmpegException("av_fifo_realloc2() failed");
                    ist.is_start = false;
                }
            } else if (Faudio_sync_method > 1) {
                const int comp =
                    static_cast<int>(std::clamp<double>(delta, -Faudio_sync_method, Faudio_sync_method));
                if (Fverbose > 2)
                    Log(llVerbose, Format("compensating audio timestamp drift:%f compensation:%d in:%d",
                                          delta, comp, enc_rate));
                av::swr_set_compensation(ost.resample, comp, enc_rate);
            }
        }
    }

    // Room for the converted block, with slack for drift compensation.
    const int out_cap = av::swr_get_out_samples(ost.resample, in_count);
    const int need = out_cap + out_cap / 10 + 64;
    if (need > ost.conv_cap) {
        if (ost.conv_data) av::av_freep(&ost.conv_data[0]);
        av::av_freep(&ost.conv_data);
        ost.conv_cap = 0;
        if (av::av_samples_alloc_array_and_samples(&ost.conv_data, nullptr, enc->ch_layout.nb_channels, need,
                                                   enc->sample_fmt, 0) < 0)
            throw FFmpegException("Out of memory in do_audio_out");
        ost.conv_cap = need;
    }
    const int produced = av::swr_convert(ost.resample, ost.conv_data, ost.conv_cap, in, in_count);
    if (produced < 0)
        throw FFmpegException(Format("Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
                                     in_channels, frame->sample_rate, enc->ch_layout.nb_channels, enc_rate));
    if (produced > 0 &&
        av::av_audio_fifo_write(ost.fifo, reinterpret_cast<void**>(ost.conv_data), produced) < produced)
        throw FFmpegException("av_fifo_realloc2() failed");
    EncodeAudioFifo(ost, false);
}

void TCustomFFmpeg::EncodeAudioFifo(TAVOutputStream& ost, bool AFinal) {
    AVCodecContext* enc = ost.enc;
    const int frame_size = enc->frame_size;
    const int caps = enc->codec ? enc->codec->capabilities : 0;
    const bool any_size = frame_size <= 1 || (caps & AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
    if (!ost.audio_frame) ost.audio_frame = av::av_frame_alloc();
    AVFrame* f = ost.audio_frame;
    if (!f) throw FFmpegException("Out of memory in do_audio_out");
    for (;;) {
        if (ost.frame_number >= Fmax_frames[1]) {
            av::av_audio_fifo_reset(ost.fifo);
            return;
        }
        const int avail = av::av_audio_fifo_size(ost.fifo);
        int take, size;
        if (any_size) {
            if (avail <= 0) return;
            take = size = std::min(avail, frame_size > 1 ? frame_size : 4096);
        } else if (avail >= frame_size) {
            take = size = frame_size;
        } else if (AFinal && avail > 0) {
            // The last piece: short when the encoder allows it, else padded.
            take = avail;
            size = (caps & AV_CODEC_CAP_SMALL_LAST_FRAME) ? avail : frame_size;
        } else {
            return;
        }
        av::av_frame_unref(f);
        f->nb_samples = size;
        f->format = enc->sample_fmt;
        f->sample_rate = enc->sample_rate;
        av::av_channel_layout_copy(&f->ch_layout, &enc->ch_layout);
        if (av::av_frame_get_buffer(f, 0) < 0) throw FFmpegException("Out of memory in do_audio_out");
        if (av::av_audio_fifo_read(ost.fifo, reinterpret_cast<void**>(f->extended_data), take) < take)
            throw FFmpegException("Audio encoding failed");
        if (size > take)
            av::av_samples_set_silence(f->extended_data, take, size - take, enc->ch_layout.nb_channels,
                                       enc->sample_fmt);
        f->pts = ost.sync_opts;
        EncodeFrame(ost, f);
        av::av_frame_unref(f);
        ost.sync_opts += take;
        ++ost.frame_number;
    }
}

void TCustomFFmpeg::BuildFilterGraph(TAVOutputStream& ost, int AWidth, int AHeight, int APixFmt,
                                     AVRational ASampleAspect) {
    AVCodecContext* enc = ost.enc;
    TVideoFilterGraph::TParams p;
    p.Width = AWidth;
    p.Height = AHeight;
    p.PixFmt = APixFmt;
    p.SampleAspect = ASampleAspect;
    const int width = AWidth - ost.leftBand - ost.rightBand;
    const int height = AHeight - ost.topBand - ost.bottomBand;
    if (ost.video_crop) {
        p.CropX = ost.leftBand;
        p.CropY = ost.topBand;
        p.CropWidth = width;
        p.CropHeight = height;
    }
    // The cropped picture is scaled to the asked size before the user's
    // filters, whose output the encoder then takes. A graph rebuilt for other
    // pictures (a size change, the next joined input) scales them to that
    // same asked size, so the user's filters give the size the encoder was
    // opened with.
    if (!ost.graph) {
        ost.filter_width = enc->width;
        ost.filter_height = enc->height;
    }
    if (ost.filter_width > 0 && ost.filter_height > 0 &&
        (ost.filter_width != width || ost.filter_height != height)) {
        p.ScaleWidth = ost.filter_width;
        p.ScaleHeight = ost.filter_height;
    }
    uint8_t* flags = nullptr;
    if (FOptions.sws_opts && av::av_opt_get(FOptions.sws_opts, "sws_flags", 0, &flags) >= 0 && flags &&
        *flags)
        p.ScaleFlags = reinterpret_cast<char*>(flags);
    av::av_free(flags);
    p.Filters = Fvfilters;
    p.OutPixFmt = enc->pix_fmt;
    if (!ost.graph) ost.graph = std::make_unique<TVideoFilterGraph>();
    if (!ost.graph->Build(p)) {
        FLastErrMsg = ost.graph->ErrorText();
        throw FFmpegException(FLastErrMsg.empty() ? std::string("Error opening filters!")
                                                  : "Error opening filters: " + FLastErrMsg);
    }
    if (!ost.filtered) ost.filtered = av::av_frame_alloc();
    if (!ost.filtered) throw FFmpegException("av_mallocz fail");
}

void TCustomFFmpeg::FilterVideo(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist,
                                AVFrame* frame) {
    if (frame) {
        const TVideoFilterGraph::TParams& p = ost.graph->Params();
        const bool changed =
            frame->width != p.Width || frame->height != p.Height || frame->format != p.PixFmt;
        if (changed)
            Log(llQuiet, Format("Input Stream #%d.%d frame size changed to %dx%d, %s", ist.file_index,
                                ist.index, frame->width, frame->height,
                                av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(frame->format))
                                    ? av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(frame->format))
                                    : "none"));
        // A graph that was given its end (the previous joined input) is built anew too.
        if (changed || !ost.graph->Built()) {
            // Pictures the old graph still holds are encoded first.
            if (ost.graph->Built()) FilterVideo(T, ost, ist, nullptr);
            BuildFilterGraph(ost, frame->width, frame->height, frame->format, frame->sample_aspect_ratio);
        }
        frame->pts = ist.pts;
    }
    if (ost.graph->Push(frame) < 0) {
        if (!frame) return; // a graph that cannot take its end has nothing more to give
        throw FFmpegException("Error while filtering video");
    }
    for (;;) {
        av::av_frame_unref(ost.filtered);
        if (ost.graph->Pull(ost.filtered) < 0) break;
        if (ost.filtered->pts != AV_NOPTS_VALUE)
            ost.filtered->pts = av::av_rescale_q(ost.filtered->pts, ost.graph->OutTimeBase(), AV_TIME_BASE_Q);
        DoVideoOut(T, ost, ist, ost.filtered, true);
    }
    av::av_frame_unref(ost.filtered);
}

void TCustomFFmpeg::DoVideoOut(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist, AVFrame* in,
                               bool AFiltered) {
    AVCodecContext* enc = ost.enc;
    AVFormatContext* oc = Foutput_files[static_cast<size_t>(ost.file_index)];
    ost.stage_size = 0;
    int nb_frames = 1;
    const TAVInputStream& sync = *T.ist[static_cast<size_t>(ost.sync_ist)];
    const int64_t time = AFiltered && in->pts != AV_NOPTS_VALUE ? in->pts : sync.pts;
    const double sync_ipts = static_cast<double>(time - Fstart_time) / AV_TIME_BASE / av_q2d(enc->time_base);
    const int topBand = AFiltered ? 0 : ost.topBand, leftBand = AFiltered ? 0 : ost.leftBand;
    const int bottomBand = AFiltered ? 0 : ost.bottomBand, rightBand = AFiltered ? 0 : ost.rightBand;

    if (Fvideo_sync_method != 0) {
        const double vdelta = sync_ipts - static_cast<double>(ost.sync_opts);
        if (vdelta < -1.1)
            nb_frames = 0;
        else if (Fvideo_sync_method == 2 ||
                 (Fvideo_sync_method < 0 && (oc->oformat->flags & AVFMT_VARIABLE_FPS))) {
            if (vdelta <= -0.6)
                nb_frames = 0;
            else if (vdelta > 0.6)
                ost.sync_opts = std::llrint(sync_ipts);
        } else if (vdelta > 1.1)
            nb_frames = static_cast<int>(std::llrint(vdelta));
        if (nb_frames == 0) {
            ++Fnb_frames_drop;
            FShowDupOrDrop = true;
            if (Fverbose > 2) Log(llVerbose, "*** drop!");
        } else if (nb_frames > 1) {
            Fnb_frames_dup += nb_frames - 1;
            FShowDupOrDrop = true;
            if (Fverbose > 2) Log(llVerbose, Format("*** %d dup!", nb_frames - 1));
        }
    } else {
        ost.sync_opts = std::llrint(sync_ipts);
    }
    nb_frames = std::min(nb_frames, Fmax_frames[0] - ost.frame_number);
    if (nb_frames <= 0) return;

    uint8_t* planes[4] = {in->data[0], in->data[1], in->data[2], in->data[3]};
    if (!AFiltered && ost.video_crop && !CropPlanes(in, topBand, leftBand, planes)) {
        if (Fexit_on_error) throw FFmpegException("error cropping picture");
        Log(llError, "error cropping picture");
        return;
    }

    // A picture of another size or format than the last one: rebuild the scaler.
    const int width = in->width - leftBand - rightBand;
    const int height = in->height - topBand - bottomBand;
    if (width != ost.resample_width || height != ost.resample_height || in->format != ost.resample_pix_fmt) {
        if (ost.frame_number > 0 || ost.img_resample_ctx)
            Log(llQuiet, Format("Input Stream #%d.%d frame size changed to %dx%d, %s", ist.file_index,
                                ist.index, width, height,
                                av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(in->format))
                                    ? av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(in->format))
                                    : "none"));
        ost.resample_width = width;
        ost.resample_height = height;
        ost.resample_pix_fmt = in->format;
        av::sws_freeContext(ost.img_resample_ctx);
        ost.img_resample_ctx = nullptr;
        ost.video_resample = width != enc->width || height != enc->height || in->format != enc->pix_fmt;
    }

    AVFrame* picture = nullptr;
    if (ost.video_resample) {
        if (!ost.img_resample_ctx) {
            int64_t flags = Fsws_flags;
            if (FOptions.sws_opts) av::av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &flags);
            ost.img_resample_ctx = av::sws_getContext(width, height, static_cast<AVPixelFormat>(in->format),
                                                      enc->width, enc->height, enc->pix_fmt,
                                                      static_cast<int>(flags), nullptr, nullptr, nullptr);
            if (!ost.img_resample_ctx) throw FFmpegException("Cannot get resampling context");
        }
        if (!ost.pict_tmp) {
            ost.pict_tmp = av::av_frame_alloc();
            if (!ost.pict_tmp) throw FFmpegException("Cannot allocate temp picture, check pix fmt");
            ost.pict_tmp->format = enc->pix_fmt;
            ost.pict_tmp->width = enc->width;
            ost.pict_tmp->height = enc->height;
            if (av::av_frame_get_buffer(ost.pict_tmp, 0) < 0)
                throw FFmpegException("Cannot allocate temp picture, check pix fmt");
        }
        // The encoder may still hold the last picture: never scale into it.
        if (av::av_frame_make_writable(ost.pict_tmp) < 0)
            throw FFmpegException("Cannot allocate temp picture, check pix fmt");
        av::sws_scale(ost.img_resample_ctx, planes, in->linesize, 0, height, ost.pict_tmp->data,
                      ost.pict_tmp->linesize);
        av::av_frame_copy_props(ost.pict_tmp, in);
        picture = ost.pict_tmp;
    }

    AVFrame* f = ost.encode_frame;
    for (int i = 0; i < nb_frames; ++i) {
        if (i > 0) WaitWhilePaused();
        if (FBroken) break;
        av::av_frame_unref(f);
        if (av::av_frame_ref(f, picture ? picture : in) < 0) throw FFmpegException("Video encoding failed");
        if (!picture) {
            for (int p = 0; p < 4; ++p)
                f->data[p] = planes[p];
            f->width = width;
            f->height = height;
        }
        f->pts = ost.sync_opts;
        f->pict_type = AV_PICTURE_TYPE_NONE;
        if (Ftop_field_first != -1) f->top_field_first = Ftop_field_first;
        EncodeFrame(ost, f);
        RunPostHooks(f, enc);
        av::av_frame_unref(f);
        ++ost.sync_opts;
        ++ost.frame_number;
    }
    if (ost.stage_size > 0 && !Fvstats_filename.empty()) WriteVideoStats(T, ost);
}

void TCustomFFmpeg::FlushEncoder(TAVOutputStream& ost) {
    if (!ost.encoding_needed || ost.encoder_flushed || !ost.enc || !av::avcodec_is_open(ost.enc)) return;
    ost.encoder_flushed = true;
    switch (ost.enc->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        if (ost.resample && ost.conv_data) {
            for (;;) {
                const int n = av::swr_convert(ost.resample, ost.conv_data, ost.conv_cap, nullptr, 0);
                if (n <= 0) break;
                if (av::av_audio_fifo_write(ost.fifo, reinterpret_cast<void**>(ost.conv_data), n) < n)
                    throw FFmpegException("av_fifo_realloc2() failed");
            }
        }
        if (ost.fifo) EncodeAudioFifo(ost, true);
        break;
    case AVMEDIA_TYPE_VIDEO:
        break;
    default:
        return;
    }
    EncodeFrame(ost, nullptr);
}
