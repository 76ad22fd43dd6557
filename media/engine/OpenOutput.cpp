// Creating an output file with its streams.

#include <ctime>

#include "media/AVBindings.h"
#include "media/MediaIO.h"
#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"
#include "media/UnicodeFileName.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

namespace {

// ISO 8601 in UTC, as muxers expect "creation_time".
std::string CreationTime(int64_t ASeconds) {
    time_t t = static_cast<time_t>(ASeconds);
    struct tm utc {};
    gmtime_r(&t, &utc);
    char text[32];
    strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S.000000Z", &utc);
    return text;
}

bool HasPrivateOption(const AVOutputFormat* AFormat, const char* AName) {
    return AFormat->priv_class && av::av_opt_find(const_cast<AVClass**>(&AFormat->priv_class), AName, nullptr,
                                                  0, AV_OPT_SEARCH_FAKE_OBJ) != nullptr;
}

} // namespace

void TCustomFFmpeg::CreateOutputFiles() {
    for (int j = 0; j < OutputOwners(); ++j) {
        const size_t i = static_cast<size_t>(j);
        const std::string& name = Foutput_filenames[i];
        AVFormatContext* oc = Foutput_files[i];
        if (name.empty() || oc->pb) continue; // the muxer opens its own files
        const int err = OpenMediaOutput(oc, name);
        if (err < 0) throw FFmpegException(AVErrorText(name, err));
        Foutput_created[i] = 1;
        FCreatedOutputs.push_back(name);
    }
}

int TCustomFFmpeg::CurrentOutputIndex(AVFormatContext* oc) const {
    // The first entry: the entries a join adds for its later inputs share
    // the first one's context and its streams.
    for (int i = 0; i < Fnb_output_files; ++i)
        if (Foutput_files[static_cast<size_t>(i)] == oc) return i;
    return -1;
}

void TCustomFFmpeg::CreateOutputStreams(AVFormatContext* oc, bool AJoin) {
    const AVOutputFormat* fmt = oc->oformat;
    // Audio muxers that name an image codec (mp3, flac) take a cover picture,
    // not moving video: without an asked video codec they stay audio only.
    const bool coverOnly = fmt->video_codec == AV_CODEC_ID_PNG;
    bool useVideo = (fmt->video_codec != AV_CODEC_ID_NONE && !coverOnly) || Fvideo_stream_copy ||
                    !Fvideo_codec_name.empty();
    bool useAudio = fmt->audio_codec != AV_CODEC_ID_NONE || Faudio_stream_copy || !Faudio_codec_name.empty();
    bool useSubtitle =
        fmt->subtitle_codec != AV_CODEC_ID_NONE || Fsubtitle_stream_copy || !Fsubtitle_codec_name.empty();

    if (Fnb_input_files > 0) {
        bool inVideo = false, inAudio = false, inSubtitle = false;
        const int files = AJoin ? 1 : Fnb_input_files;
        for (int j = 0; j < files; ++j) {
            AVFormatContext* ic = Finput_files[static_cast<size_t>(j)];
            for (unsigned i = 0; i < ic->nb_streams; ++i) {
                AVMediaType type = ic->streams[i]->codecpar->codec_type;
                if (type < AVMEDIA_TYPE_UNKNOWN || type > AVMEDIA_TYPE_ATTACHMENT)
                    throw FFmpegException(
                        "check_audio_video_sub_inputs fail: invalid codec_type of input file");
                inVideo |= type == AVMEDIA_TYPE_VIDEO;
                inAudio |= type == AVMEDIA_TYPE_AUDIO;
                inSubtitle |= type == AVMEDIA_TYPE_SUBTITLE;
            }
        }
        useVideo &= inVideo;
        useAudio &= inAudio;
        useSubtitle &= inSubtitle;
    }
    if (Fvideo_disable) useVideo = false;
    if (Faudio_disable) useAudio = false;
    if (Fsubtitle_disable) useSubtitle = false;

    auto create = [&](bool AUse, void (TCustomFFmpeg::*ANew)(AVFormatContext*), const char* AWhat) {
        if (!AUse) return;
        try {
            (this->*ANew)(oc);
        } catch (const Exception& e) {
            throw FFmpegException(Format("%s fail: %s", AWhat, e.Message().c_str()));
        }
    };
    create(useVideo, &TCustomFFmpeg::NewVideoStream, "new_video_stream");
    create(useAudio, &TCustomFFmpeg::NewAudioStream, "new_audio_stream");
    create(useSubtitle, &TCustomFFmpeg::NewSubtitleStream, "new_subtitle_stream");
}

int TCustomFFmpeg::OpenOutputFile(const std::string& AFileName, bool AJoin) {
    if (!Loaded()) {
        FLastErrMsg = FFLoader.NotLoadedText(ComponentLibraries);
        return -1;
    }
    // A joined output is the only output: its entries stand for the inputs.
    if (FJoinMode || (AJoin && Fnb_input_files > 1 && Fnb_output_files > 0)) {
        FLastErrMsg = "Cannot join more than one output file.";
        return -1;
    }
    FEnableFilter = !Fvfilters.empty();

    // Join mode registers one entry per input; all must fit.
    const int entries = AJoin && Fnb_input_files > 1 ? Fnb_input_files : 1;
    if (Fnb_output_files + entries > FMaxFiles) {
        FLastErrMsg = Format("Too many output files (at most %d)", FMaxFiles);
        return -1;
    }

    const AVOutputFormat* fmt = nullptr;
    if (!Flast_asked_format.empty()) {
        fmt = av::av_guess_format(Flast_asked_format.c_str(), nullptr, nullptr);
        if (!fmt) {
            FLastErrMsg = Format("Requested output format '%s' is not a suitable output format",
                                 Flast_asked_format.c_str());
            return -1;
        }
        Flast_asked_format.clear();
    } else {
        fmt = av::av_guess_format(nullptr, AFileName.c_str(), nullptr);
        if (!fmt) {
            FLastErrMsg = Format("Unable to find a suitable output format for '%s'", AFileName.c_str());
            return -1;
        }
    }

    AVFormatContext* oc = nullptr;
    if (av::avformat_alloc_output_context2(&oc, fmt, nullptr, FileNameToURL(AFileName).c_str()) < 0 || !oc)
        throw FFmpegException("avformat_alloc_context failed");

    const int index = Fnb_output_files;
    bool registered = false;
    auto fail = [&](const std::string& AText) {
        FLastErrMsg = AText;
        if (registered) {
            // Streams created so far belong to this entry; the file may exist.
            FreeOutputFile(index);
            --Fnb_output_files;
        } else {
            av::avformat_free_context(oc);
        }
        return -1;
    };

    // The entry is registered first so that stream creation finds its row.
    Foutput_files[static_cast<size_t>(index)] = oc;
    ++Fnb_output_files;
    registered = true;

    try {
        CreateOutputStreams(oc, AJoin);
    } catch (const Exception& e) {
        return fail(e.Message());
    }

    if (Frecording_timestamp != 0)
        av::av_dict_set(&oc->metadata, "creation_time", CreationTime(Frecording_timestamp).c_str(), 0);
    // The last added pair is set first, so of equal keys the first added wins.
    while (!Fmetadata.empty()) {
        av::av_dict_set(&oc->metadata, Fmetadata.back().first.c_str(), Fmetadata.back().second.c_str(), 0);
        Fmetadata.pop_back();
    }

    if ((fmt->flags & AVFMT_NEEDNUMBER) && !av::av_filename_number_test(AFileName.c_str()))
        return fail(AFileName + ": Number syntax expected in filename");

    // The file itself is created when the run starts: until then an existing
    // file of that name stays as it is. A muxer that needs no file still gets
    // the I/O hooks for the files it opens itself.
    const AVIOInterruptCB interrupt{&TCustomFFmpeg::OutputInterruptCallback, this};
    int err = CheckMediaOutput(oc, AFileName, &interrupt);
    if (err < 0) return fail(AVErrorText(AFileName, err));
    if (!(fmt->flags & AVFMT_NOFILE)) Foutput_filenames[static_cast<size_t>(index)] = AFileName;

    // Muxer settings: the generic ones on the context, the private ones kept
    // for avformat_write_header.
    AVDictionary*& muxerOptions = Foutput_format_opts[static_cast<size_t>(index)];
    oc->max_delay = static_cast<int>(Fmux_max_delay * 1000000);
    if (HasPrivateOption(fmt, "preload"))
        av::av_dict_set_int(&muxerOptions, "preload", static_cast<int64_t>(Fmux_preload * 1000000), 0);
    if (HasPrivateOption(fmt, "loop")) av::av_dict_set_int(&muxerOptions, "loop", Floop_output, 0);
    oc->flags |= AVFMT_FLAG_NONBLOCK;
    ApplyFFFormatOptions(FOptions, oc, &muxerOptions, AV_OPT_FLAG_ENCODING_PARAM);
    Fstreamid_map.fill(0);

    if (AJoin && Fnb_input_files > 1) {
        FJoinMode = true;
        FTotalOutputDuration = JoinedDuration();
        for (int i = 1; i < Fnb_input_files; ++i)
            Foutput_files[static_cast<size_t>(Fnb_output_files++)] = oc;
    }
    return Fnb_output_files;
}
