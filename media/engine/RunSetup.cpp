// Run set-up: the stream tables, which input stream feeds which output
// stream, copying or encoding set-up, opening the codecs, metadata maps,
// chapters and the output headers.

#include <mutex>

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"
#include "media/UnicodeFileName.h"
#include "media/engine/CodecThreads.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

// Frees a dictionary copy handed to an open call.
struct TDictCopy {
    AVDictionary* Dict = nullptr;
    explicit TDictCopy(const AVDictionary* ASource) { av::av_dict_copy(&Dict, ASource, 0); }
    ~TDictCopy() { av::av_dict_free(&Dict); }
};

AVMediaType TypeOf(const AVStream* st) {
    return st->codecpar->codec_type;
}

} // namespace

void TCustomFFmpeg::SetupRun(TTranscodeTables& T) {
    // 1. Input tables.
    T.files.resize(static_cast<size_t>(Fnb_input_files));
    for (int i = 0; i < Fnb_input_files; ++i) {
        AVFormatContext* ic = Finput_files[static_cast<size_t>(i)];
        TAVInputFile& f = T.files[static_cast<size_t>(i)];
        f.ist_index = static_cast<int>(T.ist.size());
        f.nb_streams = static_cast<int>(ic->nb_streams);
        f.seeked = Finput_files_seeked[static_cast<size_t>(i)] != 0;
        for (unsigned k = 0; k < ic->nb_streams; ++k) {
            auto ist = std::make_unique<TAVInputStream>();
            ist->file_index = i;
            ist->index = static_cast<int>(k);
            ist->st = ic->streams[k];
            if (Frate_emu) ist->start = av::av_gettime_relative();
            T.ist.push_back(std::move(ist));
        }
    }

    // 2. Output tables. In join mode every entry is the same file: its
    // streams are made once and fed by one input after another.
    for (int j = 0; j < OutputOwners(); ++j) {
        AVFormatContext* oc = Foutput_files[static_cast<size_t>(j)];
        if (oc->nb_streams == 0) {
            DumpOutputFormat(j);
            throw FFmpegException(Format("Output file #%d does not contain any stream", j));
        }
        for (unsigned k = 0; k < oc->nb_streams; ++k) {
            auto ost = std::make_unique<TAVOutputStream>();
            ost->file_index = j;
            ost->index = static_cast<int>(k);
            ost->st = oc->streams[k];
            const TOutputStreamSetup& setup = Foutput_streams[static_cast<size_t>(j)][k];
            ost->enc = setup.Encoder;
            // The stream's parameters are filled later; its type is known now.
            if (setup.Encoder) ost->st->codecpar->codec_type = setup.Encoder->codec_type;
            ost->pkt = av::av_packet_alloc();
            if (!ost->pkt) throw FFmpegException("av_mallocz fail");
            T.ost.push_back(std::move(ost));
        }
    }
    SelectSources(T);

    // 3. Codec parameters.
    for (auto& o : T.ost) {
        TAVOutputStream& ost = *o;
        TAVInputStream& ist = *T.ist[static_cast<size_t>(ost.source_index)];
        av::av_dict_copy(&ost.st->metadata, ist.st->metadata, AV_DICT_DONT_OVERWRITE);
        ost.st->disposition = ist.st->disposition;
        const TOutputStreamSetup& setup = Foutput_streams[static_cast<size_t>(ost.file_index)][ost.index];
        // A subtitle stream without an encoder of its own is copied when the
        // muxer takes the source's codec (subtitle encoding is not built yet).
        const bool subtitleCopy =
            !setup.StreamCopy && setup.Encoder && setup.Encoder->codec_type == AVMEDIA_TYPE_SUBTITLE &&
            !setup.Codec && setup.Encoder->codec_id == AV_CODEC_ID_NONE &&
            av::avformat_query_codec(Foutput_files[static_cast<size_t>(ost.file_index)]->oformat,
                                     ist.st->codecpar->codec_id, FF_COMPLIANCE_NORMAL) == 1;
        if (setup.StreamCopy || subtitleCopy)
            SetupCopy(ost, ist);
        else
            SetupEncoding(T, ost, ist);
    }
    if (FJoinMode) SelectJoinSources(T);

    OpenCodecs(T);
    InitPacketFilters(T);

    // 6. Initial timestamps.
    for (auto& ist : T.ist) {
        ist->pts = 0;
        ist->next_pts = AV_NOPTS_VALUE;
        ist->is_start = true;
    }

    // 7. Metadata maps.
    for (int m = 0; m < Fnb_meta_data_maps; ++m) {
        const TAVMetaDataMap& map = Fmeta_data_maps[static_cast<size_t>(m)];
        const char* bad = nullptr;
        int index = 0;
        if (map.out_file < 0 || map.out_file >= Fnb_output_files) {
            bad = "Invalid output file index %d map_meta_data(%d,%d)";
            index = map.out_file;
        } else if (map.in_file < 0 || map.in_file >= Fnb_input_files) {
            bad = "Invalid input file index %d map_meta_data(%d,%d)";
            index = map.in_file;
        }
        if (bad) {
            std::string text = Format(bad, index, map.out_file, map.in_file);
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
        av::av_dict_copy(&Foutput_files[static_cast<size_t>(map.out_file)]->metadata,
                         Finput_files[static_cast<size_t>(map.in_file)]->metadata, AV_DICT_DONT_OVERWRITE);
    }

    // 8. Chapters. Only the first joined input's: the times of the later
    // ones are known only when their turn comes.
    for (int i = 0; i < (FJoinMode ? std::min(Fnb_input_files, 1) : Fnb_input_files); ++i) {
        AVFormatContext* ic = Finput_files[static_cast<size_t>(i)];
        for (int j = 0; j < OutputOwners() && ic->nb_chapters; ++j) {
            AVFormatContext* oc = Foutput_files[static_cast<size_t>(j)];
            for (unsigned c = 0; c < ic->nb_chapters; ++c) {
                const AVChapter* in = ic->chapters[c];
                const int64_t ts_off =
                    av::av_rescale_q(Fstart_time - Finput_files_ts_offset[static_cast<size_t>(i)],
                                     AV_TIME_BASE_Q, in->time_base);
                const int64_t rt = Frecording_time == INT64_MAX
                                       ? INT64_MAX
                                       : av::av_rescale_q(Frecording_time, AV_TIME_BASE_Q, in->time_base);
                if (in->end < ts_off) continue;
                if (rt != INT64_MAX && in->start > rt + ts_off) break;
                auto* out = static_cast<AVChapter*>(av::av_mallocz(sizeof(AVChapter)));
                if (!out) throw FFmpegException("av_mallocz fail");
                out->id = in->id;
                out->time_base = in->time_base;
                out->start = std::max<int64_t>(0, in->start - ts_off);
                out->end = std::min(rt, in->end - ts_off);
                av::av_dict_copy(&out->metadata, in->metadata, 0);
                if (av::av_dynarray_add_nofree(&oc->chapters, reinterpret_cast<int*>(&oc->nb_chapters), out) <
                    0) {
                    av::av_dict_free(&out->metadata);
                    av::av_free(out);
                    throw FFmpegException("av_realloc fail");
                }
            }
        }
    }

    CreateOutputFiles();
    WriteHeaders(T);
    ReportMapping(T);
}

void TCustomFFmpeg::SelectSources(TTranscodeTables& T) {
    const int outputs = static_cast<int>(T.ost.size());
    if (Fnb_stream_maps > 0 && Fnb_stream_maps != outputs)
        throw FFmpegException("Number of stream maps must match number of output streams");
    auto findStream = [&](int AFile, int AStream) -> int {
        if (AFile < 0 || AFile >= Fnb_input_files || AStream < 0 ||
            AStream >= T.files[static_cast<size_t>(AFile)].nb_streams)
            return -1;
        return T.files[static_cast<size_t>(AFile)].ist_index + AStream;
    };
    for (int m = 0; m < Fnb_stream_maps; ++m) {
        const TAVStreamMap& map = Fstream_maps[static_cast<size_t>(m)];
        if (findStream(map.file_index, map.stream_index) < 0)
            throw FFmpegException(
                Format("Could not find input stream #%d.%d", map.file_index, map.stream_index));
        if (findStream(map.sync_file_index, map.sync_stream_index) < 0)
            throw FFmpegException(
                Format("Could not find sync stream #%d.%d", map.sync_file_index, map.sync_stream_index));
    }

    for (int n = 0; n < outputs; ++n) {
        TAVOutputStream& ost = *T.ost[static_cast<size_t>(n)];
        const AVMediaType type = TypeOf(ost.st);
        int source = -1;
        int sync = -1;
        if (Fnb_stream_maps > 0) {
            const TAVStreamMap& map = Fstream_maps[static_cast<size_t>(n)];
            source = findStream(map.file_index, map.stream_index);
            sync = findStream(map.sync_file_index, map.sync_stream_index);
            const AVMediaType itype = TypeOf(T.ist[static_cast<size_t>(source)]->st);
            if (itype != type) {
                DumpOutputFormat(ost.file_index);
                throw FFmpegException(Format("Codec type mismatch for mapping #%d.%d (%s) -> #%d.%d (%s)",
                                             map.file_index, map.stream_index, MediaTypeName(itype).c_str(),
                                             ost.file_index, ost.index, MediaTypeName(type).c_str()));
            }
        } else {
            // A join's first group is fed by the first input only.
            auto eligible = [&](const TAVInputStream& ist) {
                return TypeOf(ist.st) == type && ist.st->discard != AVDISCARD_ALL &&
                       (!FJoinMode || ist.file_index == 0);
            };
            // The library's choice of the best stream of the type in each
            // file, when still unused; else the first unused one.
            for (int f = 0; f < (FJoinMode ? 1 : Fnb_input_files) && source < 0; ++f) {
                int best =
                    av::av_find_best_stream(Finput_files[static_cast<size_t>(f)], type, -1, -1, nullptr, 0);
                int index = best >= 0 ? findStream(f, best) : -1;
                if (index >= 0 && T.ist[static_cast<size_t>(index)]->discard &&
                    eligible(*T.ist[static_cast<size_t>(index)]))
                    source = index;
            }
            for (size_t i = 0; i < T.ist.size() && source < 0; ++i)
                if (T.ist[i]->discard && eligible(*T.ist[i])) source = static_cast<int>(i);
            // Every matching stream is taken: the last one feeds this output too.
            if (source < 0 && !FJoinMode)
                for (size_t i = T.ist.size(); i-- > 0;)
                    if (eligible(*T.ist[i])) {
                        source = static_cast<int>(i);
                        break;
                    }
            if (source < 0) {
                DumpOutputFormat(ost.file_index);
                throw FFmpegException(Format("Could not find input stream matching output stream #%d.%d (%s)",
                                             ost.file_index, ost.index, MediaTypeName(type).c_str()));
            }
            sync = source;
        }
        T.ist[static_cast<size_t>(source)]->discard = false;
        ost.source_index = source;
        ost.sync_ist = sync;
        ost.show_fps = true;
    }
}

void TCustomFFmpeg::SetupCopy(TAVOutputStream& ost, TAVInputStream& ist) {
    const AVCodecParameters* in = ist.st->codecpar;
    if (in->extradata_size > INT32_MAX - 8 - AV_INPUT_BUFFER_PADDING_SIZE)
        throw FFmpegException("icodec.extradata_size is invalid (too large)");
    switch (in->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        if (FOnCustomHook)
            throw FFmpegException("-vcodec copy and CustomHook are incompatible (frames are not decoded)");
        if (Fusing_vhook)
            throw FFmpegException("-vcodec copy and -vhook are incompatible (frames are not decoded)");
        {
            std::lock_guard lock(PostHookLock());
            if (!FPostHooks.Empty())
                throw FFmpegException("-vcodec copy and PostHooks are incompatible (frames are not decoded)");
        }
        break;
    case AVMEDIA_TYPE_AUDIO:
        if (Faudio_volume != 256)
            throw FFmpegException("-acodec copy and -vol are incompatible (frames are not decoded)");
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        break;
    default:
        throw FFmpegException("invalid codec_type of output stream");
    }
    AVCodecParameters* out = ost.st->codecpar;
    if (av::avcodec_parameters_copy(out, in) < 0) throw FFmpegException("av_mallocz fail");
    // The tag stays only where the muxer maps it to the same codec.
    const AVOutputFormat* fmt = Foutput_files[static_cast<size_t>(ost.file_index)]->oformat;
    if (out->codec_tag) {
        const bool keep =
            !fmt->codec_tag || av::av_codec_get_id(fmt->codec_tag, out->codec_tag) == out->codec_id;
        if (!keep) out->codec_tag = 0;
    }
    if (in->codec_type == AVMEDIA_TYPE_AUDIO &&
        ((out->codec_id == AV_CODEC_ID_MP3 && out->block_align == 1) || out->codec_id == AV_CODEC_ID_AC3))
        out->block_align = 0;
    ost.st->time_base = ist.st->time_base;
    ost.st->avg_frame_rate = ist.st->avg_frame_rate;
    ost.st->r_frame_rate = ist.st->r_frame_rate;
    ost.st->sample_aspect_ratio = ist.st->sample_aspect_ratio;
    ost.encoding_needed = false;
}

void TCustomFFmpeg::SetupEncoding(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist) {
    AVCodecContext* enc = ost.enc;
    if (!enc) throw FFmpegException("invalid codec_type of output stream");
    const AVCodecParameters* in = ist.st->codecpar;
    switch (enc->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        ost.fifo = av::av_audio_fifo_alloc(enc->sample_fmt, std::max(1, enc->ch_layout.nb_channels), 1024);
        if (!ost.fifo) throw FFmpegException("av_fifo_alloc fail");
        break;
    case AVMEDIA_TYPE_VIDEO: {
        if (enc->pix_fmt == AV_PIX_FMT_NONE)
            throw FFmpegException("Video pixel format is unknown, stream cannot be encoded");
        ost.video_crop = Fframe_topBand || Fframe_bottomBand || Fframe_leftBand || Fframe_rightBand;
        if (ost.video_crop) {
            ost.topBand = Fframe_topBand;
            ost.bottomBand = Fframe_bottomBand;
            ost.leftBand = Fframe_leftBand;
            ost.rightBand = Fframe_rightBand;
        }
        // The scaler is made when the first picture shows its real size.
        ost.resample_width = in->width - ost.leftBand - ost.rightBand;
        ost.resample_height = in->height - ost.topBand - ost.bottomBand;
        ost.resample_pix_fmt = in->format;
        ost.video_resample = ost.resample_width != enc->width || ost.resample_height != enc->height ||
                             ost.resample_pix_fmt != enc->pix_fmt;
        if (enc->width <= 0 || enc->height <= 0) {
            enc->width = ost.resample_width;
            enc->height = ost.resample_height;
        }
        if (FEnableFilter) {
            BuildFilterGraph(ost, in->width, in->height, in->format, ist.st->sample_aspect_ratio);
            // The graph crops and scales; the encoder takes what it gives.
            enc->width = ost.graph->OutWidth();
            enc->height = ost.graph->OutHeight();
            ost.video_resample = false;
        }
        const int size = 6 * enc->width * enc->height + 200;
        if (size > Fbit_buffer_size) Fbit_buffer_size = size;
        ost.encode_frame = av::av_frame_alloc();
        if (!ost.encode_frame) throw FFmpegException("av_mallocz fail");
        break;
    }
    case AVMEDIA_TYPE_SUBTITLE:
        PrepareSubtitleEncoder(ost, ist);
        break;
    default:
        throw FFmpegException("invalid codec_type of output stream");
    }
    ost.encoding_needed = true;
    ist.decoding_needed = true;
    SetupTwoPass(T, ost);
}

void TCustomFFmpeg::OpenCodecs(TTranscodeTables& T) {
    // 4. Encoders.
    for (auto& o : T.ost) {
        TAVOutputStream& ost = *o;
        if (!ost.encoding_needed) continue;
        TOutputStreamSetup& setup = Foutput_streams[static_cast<size_t>(ost.file_index)][ost.index];
        const AVCodec* codec = setup.Codec ? setup.Codec : av::avcodec_find_encoder(ost.enc->codec_id);
        const std::string type = MediaTypeName(ost.enc->codec_type);
        if (!codec) {
            std::string text = Format("Encoder (codec id %d) not found for output stream #%d.%d (%s)",
                                      ost.enc->codec_id, ost.file_index, ost.index, type.c_str());
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
        TDictCopy options(setup.Options);
        if (Fthread_count <= 0) ost.enc->thread_count = CodecThreadCount();
        int r;
        {
            std::lock_guard lock(CodecLock);
            r = av::avcodec_open2(ost.enc, codec, &options.Dict);
        }
        if (r < 0) {
            std::string text =
                Format("Error while opening encoder for output stream #%d.%d (%s) - maybe incorrect "
                       "parameters such as bit_rate, rate, width or height. Please check error log "
                       "message to find out more detail information.",
                       ost.file_index, ost.index, type.c_str());
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
        for (const AVDictionaryEntry* e = av::av_dict_get(options.Dict, "", nullptr, AV_DICT_IGNORE_SUFFIX);
             e; e = av::av_dict_get(options.Dict, "", e, AV_DICT_IGNORE_SUFFIX))
            Log(llVerbose, Format("Option %s not used by encoder %s", e->key, codec->name));
        if (av::avcodec_parameters_from_context(ost.st->codecpar, ost.enc) < 0)
            throw FFmpegException("av_mallocz fail");
        ost.st->time_base = ost.enc->time_base;
        if (ost.enc->codec_type == AVMEDIA_TYPE_VIDEO) ost.st->avg_frame_rate = ost.enc->framerate;
        Fextra_size += ost.enc->extradata_size;
    }

    // 5. Decoders.
    for (auto& i : T.ist) {
        TAVInputStream& ist = *i;
        if (!ist.decoding_needed) continue;
        const std::string type = MediaTypeName(TypeOf(ist.st));
        size_t slot = static_cast<size_t>(&i - &T.ist[0]);
        const AVCodec* codec = slot < Finput_codecs.size() && Finput_codecs[slot]
                                   ? Finput_codecs[slot]
                                   : av::avcodec_find_decoder(ist.st->codecpar->codec_id);
        if (!codec) {
            std::string text = Format("Decoder (codec id %d) not found for input stream #%d.%d (%s)",
                                      ist.st->codecpar->codec_id, ist.file_index, ist.index, type.c_str());
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
        ist.dec = av::avcodec_alloc_context3(codec);
        ist.frame = av::av_frame_alloc();
        if (!ist.dec || !ist.frame) throw FFmpegException("av_mallocz fail");
        av::avcodec_parameters_to_context(ist.dec, ist.st->codecpar);
        ist.dec->pkt_timebase = ist.st->time_base;
        ist.dec->thread_count = Fthread_count > 0 ? Fthread_count : CodecThreadCount();
        // Slices only: frame threading holds back one picture per thread, and
        // frame limits, hooks and "shortest" count pictures as they come.
        ist.dec->thread_type = FF_THREAD_SLICE;
        AVDictionary* priv = nullptr;
        ApplyFFCodecOptions(FOptions, ist.dec, ist.dec->codec_type, &priv,
                            AV_OPT_FLAG_DECODING_PARAM |
                                (ist.dec->codec_type == AVMEDIA_TYPE_VIDEO   ? AV_OPT_FLAG_VIDEO_PARAM
                                 : ist.dec->codec_type == AVMEDIA_TYPE_AUDIO ? AV_OPT_FLAG_AUDIO_PARAM
                                                                             : AV_OPT_FLAG_SUBTITLE_PARAM));
        av::av_dict_free(&priv);
        int r;
        {
            std::lock_guard lock(CodecLock);
            r = av::avcodec_open2(ist.dec, codec, nullptr);
        }
        if (r < 0) {
            std::string text = Format("Error while opening decoder for input stream #%d.%d (%s)",
                                      ist.file_index, ist.index, type.c_str());
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
    }
}

void TCustomFFmpeg::WriteHeaders(TTranscodeTables& T) {
    for (int j = 0; j < OutputOwners(); ++j) {
        AVFormatContext* oc = Foutput_files[static_cast<size_t>(j)];
        TDictCopy options(Foutput_format_opts[static_cast<size_t>(j)]);
        if (av::avformat_write_header(oc, &options.Dict) < 0) {
            std::string text =
                Format("Could not write header for output file #%d (incorrect codec parameters ?)", j);
            ReportMapping(T);
            Log(llError, text);
            throw FFmpegException(text);
        }
        for (const AVDictionaryEntry* e = av::av_dict_get(options.Dict, "", nullptr, AV_DICT_IGNORE_SUFFIX);
             e; e = av::av_dict_get(options.Dict, "", e, AV_DICT_IGNORE_SUFFIX))
            Log(llVerbose, Format("Option %s not used by the muxer of output file #%d", e->key, j));
    }
}

void TCustomFFmpeg::DumpOutputFormat(int AIndex) const {
    // The name as the user gave it, not the form handed to the libraries.
    AVFormatContext* oc = Foutput_files[static_cast<size_t>(AIndex)];
    av::av_dump_format(oc, AIndex, FileNameFromURL(oc->url ? oc->url : "").c_str(), 1);
}

void TCustomFFmpeg::ReportMapping(TTranscodeTables& T) {
    for (int j = 0; j < OutputOwners(); ++j)
        DumpOutputFormat(j);
    if (Fverbose < 0) return;
    Log(llVerbose, "Stream mapping:");
    for (auto& o : T.ost) {
        const TAVInputStream& ist = *T.ist[static_cast<size_t>(o->source_index)];
        std::string line = Format("  Stream #%d.%d -> #%d.%d (%s)", ist.file_index, ist.index, o->file_index,
                                  o->index, MediaTypeName(TypeOf(o->st)).c_str());
        if (o->sync_ist != o->source_index) {
            const TAVInputStream& sync = *T.ist[static_cast<size_t>(o->sync_ist)];
            line += Format(" [sync #%d.%d (%s)]", sync.file_index, sync.index,
                           MediaTypeName(TypeOf(sync.st)).c_str());
        }
        Log(llVerbose, line);
    }
    // The later inputs of a join feed the same output streams.
    for (size_t k = 1; k < T.join_sources.size(); ++k)
        for (size_t n = 0; n < T.ost.size(); ++n) {
            const TAVInputStream& ist = *T.ist[static_cast<size_t>(T.join_sources[k][n])];
            Log(llVerbose, Format("  Stream #%d.%d -> #%d.%d (%s)", ist.file_index, ist.index, 0,
                                  T.ost[n]->index, MediaTypeName(TypeOf(T.ost[n]->st)).c_str()));
        }
}
