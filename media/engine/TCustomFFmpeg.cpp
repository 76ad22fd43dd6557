// The engine object: creation, defaults, reset and cleanup.

#include "media/engine/TCustomFFmpeg.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "media/AVBindings.h"
#include "media/MediaIO.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/EngineHooks.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/FrameHooks.h"

TCustomFFmpeg::TCustomFFmpeg(int AMaxFiles) {
    if (AMaxFiles < MIN_MAX_FILES || AMaxFiles > MAX_MAX_FILES)
        throw FFmpegException(EngineText::Format("AMaxFiles must be between %d and %d, got %d", MIN_MAX_FILES,
                                                 MAX_MAX_FILES, AMaxFiles));
    FMaxFiles = AMaxFiles;
    const size_t files = static_cast<size_t>(AMaxFiles);
    Finput_files.assign(files, nullptr);
    Finput_files_ts_offset.assign(files, 0);
    Finput_files_seeked.assign(files, 0);
    Finput_files_ts_scale.assign(files, {});
    Finput_codecs.assign(files * MAX_STREAMS, nullptr);
    Foutput_files.assign(files, nullptr);
    Foutput_filenames.assign(files, {});
    Foutput_created.assign(files, 0);
    Foutput_packets.assign(files, 0);
    Foutput_format_opts.assign(files, nullptr);
    Foutput_streams.resize(files);
    Foutput_codecs.assign(files * MAX_STREAMS, nullptr);
    Fstream_maps.assign(files * MAX_STREAMS, {});
    Fmeta_data_maps.assign(files, {});
    Fbitstream_filters.resize(files);
    FHookContext = std::make_unique<TCustomHookContext>();
    FPostContext = std::make_unique<TPostHookContext>();
    FFLoader.AddLiveObject();
    SetDefaults();
}

TCustomFFmpeg::~TCustomFFmpeg() {
    try {
        Stop(true);
        JoinThreads();
        Cleanup();
    } catch (...) {
        // A destructor never throws; Cleanup only frees.
    }
    FFLoader.RemoveLiveObject();
}

bool TCustomFFmpeg::Loaded() const {
    return FFLoader.Loaded(ComponentLibraries);
}

void TCustomFFmpeg::Log(int ALevel, const std::string& AText) const {
    EngineLog(this, ALevel, AText);
}

void TCustomFFmpeg::SetDefaults() {
    Flast_asked_format.clear();
    Fframe_width = Fframe_height = 0;
    Fframe_aspect_ratio = 0;
    Fframe_pix_fmt = -1;
    Faudio_sample_fmt = -1;
    Fframe_topBand = Fframe_bottomBand = Fframe_leftBand = Fframe_rightBand = 0;
    Fmax_frames.fill(INT_MAX);
    Fframe_rate = AVRational{0, 0};
    Fvideo_qscale = 0;
    Fintra_matrix.reset();
    Finter_matrix.reset();
    Fvideo_rc_override_string.clear();
    Fvideo_disable = false;
    Fvideo_discard = 0;
    Fvideo_codec_name.clear();
    Fvideo_codec_tag = 0;
    Fvideo_language.clear();
    Fsame_quality = false;
    Fdo_deinterlace = false;
    Ftop_field_first = -1;
    Fme_threshold = 0;
    Fintra_dc_precision = 8;
    Floop_input = false;
    Floop_output = -1;
    Fqp_hist = false;
    Fvfilters.clear();
    Fintra_only = false;
    Faudio_sample_rate = 44100;
    Fchannel_layout = 0;
    Faudio_qscale = -99999;
    Faudio_disable = false;
    Faudio_channels = 2;
    Faudio_codec_name.clear();
    Faudio_codec_tag = 0;
    Faudio_language.clear();
    Fsubtitle_disable = false;
    Fsubtitle_codec_name.clear();
    Fsubtitle_language.clear();
    Fsubtitle_codec_tag = 0;
    Fmux_preload = 0.5f;
    Fmux_max_delay = 0.7f;
    Frecording_time = INT64_MAX;
    Fstart_time = 0;
    Frecording_timestamp = 0;
    Finput_ts_offset = 0;
    Fmetadata.clear();
    Fdo_hex_dump = Fdo_pkt_dump = Fdo_psnr = false;
    Fdo_pass = 0;
    Fpass_logfilename_prefix.clear();
    Faudio_stream_copy = Fvideo_stream_copy = Fsubtitle_stream_copy = 0;
    Fvideo_sync_method = -1;
    Faudio_sync_method = 0;
    Faudio_drift_threshold = 0.1f;
    Fcopy_ts = false;
    Fopt_shortest = false;
    Fvideo_global_header = 0;
    Fvstats_filename.clear();
    Fopt_programid = 0;
    Fcopy_initial_nonkeyframes = 0;
    Frate_emu = false;
    Fvideo_channel = 0;
    Fvideo_standard.clear();
    Faudio_volume = 256;
    Fexit_on_error = false;
    Fusing_vhook = false;
    Fverbose = 1;
    Fthread_count = 0;
    Flimit_filesize = 0;
    Fforce_fps = false;
    Fpgmyuv_compatibility_hack = 0;
    Fdts_delta_threshold = 10;
    Fsws_flags = 4;
    Finput_sync = false;
    Fstreamid_map.fill(0);
    Fvideo_bitstream_filters.clear();
    Faudio_bitstream_filters.clear();
    Fsubtitle_bitstream_filters.clear();
    Faudio_sample_rate_given = false;
    Faudio_channels_given = false;

    Fnb_input_files = Fnb_output_files = Fnb_stream_maps = Fnb_meta_data_maps = 0;
    Fnb_icodecs = Fnb_ocodecs = 0;
    for (auto& row : Finput_files_ts_scale)
        row.fill(0);
    FEnableFilter = false;
    // Option contexts are allocated by Reset; none may be lost here.
    FreeFFOptions(FOptions);
    Fbit_buffer_size = 262144;
    FTotalOutputDuration = -1;
    FHookFrameNumber = 0;
    {
        // A preview switch from the GUI thread may be changing the set right now.
        std::lock_guard lock(PostHookLock());
        FPostHooks = TPostHooks();
    }
    FFatalException = false;
}

void TCustomFFmpeg::Reset() {
    if (!Loaded()) return;
    Cleanup();
    SetDefaults();
    FJoinMode = false;
    FConverting = false;
    FBroken = false;
    FFinished = false;
    FTerminated = false;
    FTotalOutputDuration = -1;
    AllocFFOptions(FOptions, Fsws_flags);
}

void TCustomFFmpeg::FreeOutputSetups(int AIndex) {
    for (TOutputStreamSetup& setup : Foutput_streams[static_cast<size_t>(AIndex)]) {
        if (setup.Encoder) {
            // A second pass's statistics text is the engine's to free.
            av::av_freep(&setup.Encoder->stats_in);
            std::lock_guard lock(CodecLock);
            av::avcodec_free_context(&setup.Encoder);
        }
        av::av_dict_free(&setup.Options);
        setup = TOutputStreamSetup();
    }
    for (TBitstreamFilterChain& chain : Fbitstream_filters[static_cast<size_t>(AIndex)])
        chain.clear();
}

void TCustomFFmpeg::FreeOutputFile(int AIndex) {
    const size_t i = static_cast<size_t>(AIndex);
    AVFormatContext* oc = Foutput_files[i];
    if (oc) {
        CloseMediaOutput(oc);
        av::avformat_free_context(oc);
        // An output the run created but gave no packet (stopped or failed
        // before the first one) is no playable file: it is removed rather
        // than left behind as an empty or header-only stub. Outputs the run
        // never created are not touched.
        struct stat st {};
        const std::string& name = Foutput_filenames[i];
        if (Foutput_created[i] &&
            (Foutput_packets[i] == 0 || (stat(name.c_str(), &st) == 0 && st.st_size == 0)))
            unlink(name.c_str());
    }
    Foutput_created[i] = 0;
    Foutput_packets[i] = 0;
    av::av_dict_free(&Foutput_format_opts[i]);
    FreeOutputSetups(AIndex);
    Foutput_files[i] = nullptr;
    Foutput_filenames[i].clear();
}

void TCustomFFmpeg::Cleanup() {
    if (!Loaded()) return;
    FreeFFOptions(FOptions);
    // In join mode every entry refers to the first one's context.
    const int owners = OutputOwners();
    for (int i = 0; i < owners; ++i)
        FreeOutputFile(i);
    for (int i = owners; i < Fnb_output_files; ++i) {
        Foutput_files[static_cast<size_t>(i)] = nullptr;
        Foutput_filenames[static_cast<size_t>(i)].clear();
        FreeOutputSetups(i);
    }
    Fnb_output_files = 0;
    for (int i = 0; i < Fnb_input_files; ++i)
        CloseInputFile(i);
    Fnb_input_files = 0;
    // The forced-codec slots belong to the streams just closed.
    std::fill(Finput_codecs.begin(), Finput_codecs.end(), nullptr);
    std::fill(Foutput_codecs.begin(), Foutput_codecs.end(), nullptr);
    Fnb_icodecs = Fnb_ocodecs = 0;
    Fintra_matrix.reset();
    Finter_matrix.reset();
    Fvstats_filename.clear();
    Fvideo_codec_name.clear();
    Faudio_codec_name.clear();
    Fsubtitle_codec_name.clear();
    Fvideo_standard.clear();
    Fvideo_rc_override_string.clear();
    Fvideo_language.clear();
    Faudio_language.clear();
    Fsubtitle_language.clear();
    Fsubtitle_codec_tag = 0;
    ReleaseHooks();
}

void TCustomFFmpeg::SetPostHooks(TPostHooks AValue) {
    std::lock_guard lock(PostHookLock());
    SetPostHooksUnlocked(AValue);
}

void TCustomFFmpeg::SetPostHooksUnlocked(TPostHooks AValue) {
    if (AValue == FPostHooks) return;
    if (FPostHooks.Contains(TPostHook::phPreview) && !AValue.Contains(TPostHook::phPreview))
        RetirePreviewer();
    FPostHooks = AValue;
}
