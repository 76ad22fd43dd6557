#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "media/engine/EngineTypes.h"
#include "media/engine/FFOptions.h"
#include "media/engine/FFmpegException.h"
#include "platform/sys/TCriticalSection.h"
#include "platform/sys/TEvent.h"
#include "platform/sys/TThread.h"

struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVSubtitle;
struct TTranscodeTables;
struct TAVInputStream;
struct TAVOutputStream;
struct TAVPicture;
struct TFrameHookEntry;
struct TCustomHookContext;
struct TPostHookContext;

// The conversion engine: one object holds the whole state of one conversion
// task (its options, the files it opened, the per-run records and its control
// flags), so several conversions live side by side in one process.
//
// Option setters, the dispatcher and the open operations are meant to be
// called while the engine is not converting; the engine does not lock its own
// fields. The option fields are public: the task component assigns several of
// them directly (languages, disable flags, input sync, copy timestamps).
class TCustomFFmpeg {
public:
    // AMaxFiles: number of input files and of output files the engine can
    // hold, 1 to 512; anything else raises FFmpegException.
    explicit TCustomFFmpeg(int AMaxFiles);
    virtual ~TCustomFFmpeg();
    TCustomFFmpeg(const TCustomFFmpeg&) = delete;
    TCustomFFmpeg& operator=(const TCustomFFmpeg&) = delete;

    // Life cycle.
    void Reset();
    void Cleanup();
    void SetDefaults();

    // ---- The run and its control ---------------------------------------------
    // Converts the opened inputs into the opened outputs, once per Reset.
    // AUseThread False: the conversion runs inside this call (its events on
    // the calling thread) and False is returned. True: a worker thread of
    // APriority is started and True returned. Nothing happens (False) when the
    // engine converts or has terminated. A start without outputs or inputs
    // ends at once: fatal message set, termination notice raised in this call.
    bool StartConvert(bool AUseThread, TThreadPriority APriority = TThreadPriority::tpNormal);
    // Asks the conversion to stop (any thread, any state). AWaitFor waits for
    // the worker's end, serving the GUI thread when called there; it never
    // waits when called on the worker itself (from an event handler).
    void Stop(bool AWaitFor);
    // Stop for a converting engine; a never-started one gets its termination
    // notice on a thread of its own (AWaitFor waits for the delivery); a
    // terminated one is left alone.
    void StopTask(bool AWaitFor);
    // Cooperative pause of a worker: it waits at its next safe point (the top
    // of a read-loop pass, before a repeated encode) until Resume or Stop.
    // Neither does anything for an inline conversion.
    void Pause();
    void Resume();
    bool Converting() const;
    bool Terminated() const;
    bool Paused() const;

    // Option dispatcher: one option name and its text value. Errors raise.
    void SetOption(const std::string& AName, const std::string& AValue);
    bool SetGenericOption(const std::string& AName, const std::string& AValue);
    bool SetGenericIntOption(const std::string& AName, int64_t AValue);

    // Setters called by the dispatcher and by the task component.
    void SetFormat(const std::string& AValue);
    void SetVerbose(int AValue) { Fverbose = AValue; }
    void SetFrameRate(const std::string& AValue);
    void SetBitrate(const std::string& AName, const std::string& AValue);
    void SetCropTop(int AValue);
    void SetCropBottom(int AValue);
    void SetCropLeft(int AValue);
    void SetCropRight(int AValue);
    void SetFrameSize(const std::string& AValue);
    void SetAspect(const std::string& AValue);
    void SetPixelFormat(const std::string& AValue);
    void SetSampleFormat(const std::string& AValue);
    void SetQScale(const std::string& AValue);
    void SetRcOverride(const std::string& AValue) { Fvideo_rc_override_string = AValue; }
    void SetVideoCodec(const std::string& AValue);
    void SetAudioCodec(const std::string& AValue);
    void SetSubtitleCodec(const std::string& AValue);
    void SetPass(const std::string& AValue);
    void SetVStats();
    void SetVStatsFile(const std::string& AValue) {
        Fvstats_filename = AValue;
        Fvstats_unique = false;
    }
    void SetVideoFilters(const std::string& AValue);
    void SetIntraMatrix(const std::string& AValue);
    void SetInterMatrix(const std::string& AValue);
    void SetVideoTag(const std::string& AValue);
    void SetAudioTag(const std::string& AValue);
    void SetSubtitleTag(const std::string& AValue);
    void SetStreamId(const std::string& AName, const std::string& AValue);
    void SetSampleRate(int AValue);
    void SetChannels(int AValue);
    void SetVideoStandard(const std::string& AValue) { Fvideo_standard = AValue; }
    void AddBitstreamFilter(const std::string& AName, const std::string& AValue);
    void AddStreamMap(const std::string& AValue);
    void AddMetadataMap(const std::string& AValue);
    void AddMetadata(const std::string& AValue);
    void AddMetadataPair(const std::string& AKey, const std::string& AValue);
    void SetTsScale(const std::string& AValue);
    void SetRecordingTimeText(const std::string& AName, const std::string& AValue);
    void SetStartTimeText(const std::string& AName, const std::string& AValue);
    void SetInputTsOffsetText(const std::string& AName, const std::string& AValue);
    void SetTimestampText(const std::string& AName, const std::string& AValue);
    void SetRecordingTime(int64_t AValue);
    void SetStartTime(int64_t AValue);
    void SetProgramId(int AValue);
    void SetAudioVolume(int AValue);
    void SetAudioSyncMethod(int AValue) { Faudio_sync_method = AValue; }
    void SetVideoSyncMethod(int AValue) { Fvideo_sync_method = AValue; }
    void SetMuxMaxDelay(float AValue);
    void SetMuxPreload(float AValue);
    void SetPostHooks(TPostHooks AValue);
    void SetPostHooksUnlocked(TPostHooks AValue);
    // "vhook": loads a frame-hook module into the chain.
    void AddVideoHook(const std::string& AValue);
    // "newvideo", "newaudio", "newsubtitle": a stream of that media type is
    // added to the last opened output file.
    void NewStreamOption(int AType);
    // A preset or target line: translated to today's option names, then set
    // through SetGenericOption. False when any part was refused.
    bool SetTranslatedOption(const std::string& AName, const std::string& AValue);

    // Serialises changes of FPostHooks with their use in this engine's
    // running conversion (each engine has its own).
    TCriticalSection& PostHookLock() const { return FPostHookLock; }
    // The interrupt callback of the inputs the engine opens: fires on FBroken,
    // so a stop ends a blocking read.
    static int InterruptCallback(void* AOpaque);
    // The outputs': fires on FAbortOutput only. A stop still writes the
    // trailers, so it must not cut the writes that follow it.
    static int OutputInterruptCallback(void* AOpaque);

    // Presets and targets.
    void ApplyPreset(const std::string& AOption, const std::string& AValue);
    static std::string FindPreset(std::string_view AName);
    void SetTarget(const std::string& ATarget, const std::string& ANorm, const std::string& ADefaultNorm);
    void SetTargetOption(const std::string& AValue);

    // Opening inputs and outputs.
    bool OpenInputFile(const std::string& AFileName);
    int OpenOutputFile(const std::string& AFileName, bool AJoin);
    void NewVideoStream(AVFormatContext* oc);
    void NewAudioStream(AVFormatContext* oc);
    void NewSubtitleStream(AVFormatContext* oc);
    // Fills ACodec (null for no name) or leaves the reason in FLastErrMsg.
    bool FindCodecByName(const std::string& AName, int AType, bool AEncoder, int AStrict,
                         const AVCodec*& ACodec);

    // Read-only properties.
    int nb_input_files() const { return Fnb_input_files; }
    int nb_output_files() const { return Fnb_output_files; }
    bool Finished() const { return FFinished; }
    bool FatalException() const { return FFatalException; }
    const std::string& FatalMessage() const { return FFatalMessage; }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    int MaxFiles() const { return FMaxFiles; }

    // ---- Capacity and files -------------------------------------------------
    int FMaxFiles = 0;

    // Input side: FMaxFiles rows each.
    std::vector<AVFormatContext*> Finput_files;
    std::vector<int64_t> Finput_files_ts_offset;
    std::vector<char> Finput_files_seeked; // opened with a start-time seek
    std::vector<std::array<double, MAX_STREAMS>> Finput_files_ts_scale;
    std::vector<const AVCodec*> Finput_codecs; // FMaxFiles * 20 forced decoders
    int Fnb_input_files = 0;
    int Fnb_icodecs = 0;

    // Output side. In join mode several entries refer to the same context;
    // only the first of them owns it.
    std::vector<AVFormatContext*> Foutput_files;
    std::vector<std::string> Foutput_filenames;     // as given; empty when the muxer opens its own files
    std::vector<char> Foutput_created;              // the run created the file
    std::vector<int64_t> Foutput_packets;           // packets written into it
    std::vector<AVDictionary*> Foutput_format_opts; // muxer-private options for avformat_write_header
    std::vector<std::array<TOutputStreamSetup, MAX_STREAMS>> Foutput_streams;
    std::vector<const AVCodec*> Foutput_codecs;  // FMaxFiles * 20 forced encoders
    std::vector<TAVStreamMap> Fstream_maps;      // FMaxFiles * 20
    std::vector<TAVMetaDataMap> Fmeta_data_maps; // FMaxFiles
    std::vector<std::array<TBitstreamFilterChain, MAX_STREAMS>> Fbitstream_filters;
    int Fnb_output_files = 0;
    int Fnb_ocodecs = 0;
    int Fnb_stream_maps = 0;
    int Fnb_meta_data_maps = 0;
    std::array<int, MAX_STREAMS> Fstreamid_map{};

    // ---- Option fields (defaults in SetDefaults) ------------------------------
    std::string Flast_asked_format;
    int Fframe_width = 0, Fframe_height = 0;
    float Fframe_aspect_ratio = 0;
    int Fframe_pix_fmt = -1;
    int Faudio_sample_fmt = -1;
    int Fframe_topBand = 0, Fframe_bottomBand = 0, Fframe_leftBand = 0, Fframe_rightBand = 0;
    std::array<int, 4> Fmax_frames{}; // video, audio, data, subtitle
    AVRational Fframe_rate{0, 0};
    float Fvideo_qscale = 0;
    std::unique_ptr<std::array<uint16_t, 64>> Fintra_matrix;
    std::unique_ptr<std::array<uint16_t, 64>> Finter_matrix;
    std::string Fvideo_rc_override_string;
    bool Fvideo_disable = false;
    int Fvideo_discard = 0;
    std::string Fvideo_codec_name; // empty: none
    uint32_t Fvideo_codec_tag = 0;
    std::string Fvideo_language;
    bool Fsame_quality = false;
    bool Fdo_deinterlace = false;
    int Ftop_field_first = -1;
    int Fme_threshold = 0;
    int Fintra_dc_precision = 8;
    bool Floop_input = false;
    int Floop_output = -1;
    bool Fqp_hist = false;
    std::string Fvfilters;
    bool Fintra_only = false;
    int Faudio_sample_rate = 44100;
    uint64_t Fchannel_layout = 0; // native channel mask, 0 when unknown
    float Faudio_qscale = -99999;
    bool Faudio_disable = false;
    int Faudio_channels = 2;
    std::string Faudio_codec_name;
    uint32_t Faudio_codec_tag = 0;
    std::string Faudio_language;
    bool Fsubtitle_disable = false;
    std::string Fsubtitle_codec_name;
    std::string Fsubtitle_language;
    uint32_t Fsubtitle_codec_tag = 0;
    float Fmux_preload = 0.5f;
    float Fmux_max_delay = 0.7f;
    int64_t Frecording_time = INT64_MAX;
    int64_t Fstart_time = 0;
    int64_t Frecording_timestamp = 0;
    int64_t Finput_ts_offset = 0;
    std::vector<std::pair<std::string, std::string>> Fmetadata; // pending pairs, in order added
    bool Fdo_hex_dump = false, Fdo_pkt_dump = false, Fdo_psnr = false;
    int Fdo_pass = 0;
    std::string Fpass_logfilename_prefix;
    int Faudio_stream_copy = 0, Fvideo_stream_copy = 0, Fsubtitle_stream_copy = 0;
    int Fvideo_sync_method = -1;
    int Faudio_sync_method = 0;
    float Faudio_drift_threshold = 0.1f;
    bool Fcopy_ts = false;
    bool Fopt_shortest = false;
    int Fvideo_global_header = 0;
    std::string Fvstats_filename; // empty: none
    // Set by "vstats": the name is made unique in the first output's folder.
    bool Fvstats_unique = false;
    int Fopt_programid = 0;
    int Fcopy_initial_nonkeyframes = 0;
    bool Frate_emu = false;
    int Fvideo_channel = 0;
    std::string Fvideo_standard;
    int Faudio_volume = 256;
    bool Fexit_on_error = false;
    bool Fusing_vhook = false;
    int Fverbose = 1;
    int Fthread_count = 0; // codec threads; 0: a share of the cores (CodecThreadCount)
    int64_t Flimit_filesize = 0;
    bool Fforce_fps = false;
    int Fpgmyuv_compatibility_hack = 0;
    float Fdts_delta_threshold = 10;
    unsigned Fsws_flags = 4;
    bool Finput_sync = false;
    TBitstreamFilterChain Fvideo_bitstream_filters, Faudio_bitstream_filters, Fsubtitle_bitstream_filters;
    // Whether "ar" / "ac" were given: they then reach demuxers that take them,
    // and a given channel count is never clamped to an encoder's layouts.
    bool Faudio_sample_rate_given = false;
    bool Faudio_channels_given = false;

    // Generic and private option contexts that names without a setter go to.
    TFFOptions FOptions{};

    // ---- Working state of a run ---------------------------------------------
    int Fbit_buffer_size = 262144;
    int64_t Ftimer_start = 0;
    int64_t Fvideo_size = 0, Faudio_size = 0, Fextra_size = 0;
    int Fnb_frames_dup = 0, Fnb_frames_drop = 0;
    bool FShowDupOrDrop = false;
    bool FEnableFilter = false;

    // ---- Hooks --------------------------------------------------------------
    mutable TCriticalSection FPostHookLock;
    TPostHooks FPostHooks; // under PostHookLock
    int FHookFrameNumber = 0;
    std::unique_ptr<TFrameHookEntry> FFirstHook; // the frame-hook modules, in order
    AVFrame* FHookBuf = nullptr;                 // the picture the hooks work on
    std::unique_ptr<TCustomHookContext> FHookContext;
    std::unique_ptr<TPostHookContext> FPostContext;

    // ---- Control ------------------------------------------------------------
    // FConverting, FTerminated and FPaused change under FControlLock; FBroken
    // is read by the worker without it.
    bool FJoinMode = false;
    bool FConverting = false;
    std::atomic<bool> FBroken{false};
    std::atomic<bool> FAbortOutput{false};
    bool FFinished = false;
    bool FTerminated = false;
    bool FPaused = false;
    bool FFatalException = false;
    std::string FFatalMessage;
    std::string FLastErrMsg;

    // ---- Progress and preview timing ----------------------------------------
    int64_t FTotalOutputDuration = -1;
    int64_t ReportInterval = 500000;
    int64_t PreviewInterval = 100000;

    // ---- Events ---------------------------------------------------------------
    TCustomHookEvent FOnCustomHook;
    TPreviewBitmapEvent FOnPreviewBitmap;
    TProgressEvent FOnProgress;
    TEngineNotifyEvent FOnTerminate;

protected:
    // Logs a line through the process logger with this engine as sender.
    void Log(int ALevel, const std::string& AText) const;

private:
    // Control.
    void Run();
    void DoTerminate();
    void Fatal(const std::string& AText);
    void WaitWhilePaused();
    bool OnWorkerThread() const;
    void JoinThreads();
    mutable std::mutex FControlLock;
    std::condition_variable FControlCond;
    std::thread FThread;       // the conversion worker
    std::thread FNoticeThread; // the notice of a never-started engine
    std::thread::id FWorkerId;
    // Set when a run's worker (or notice thread) has ended its work; shared
    // with the thread so that an engine freed from its own notice is no
    // longer touched.
    std::shared_ptr<TEvent> FStopEvent = std::make_shared<TEvent>(true, true);
    std::shared_ptr<TEvent> FTermEvent = std::make_shared<TEvent>(true, true);
    std::vector<std::string> FCreatedOutputs; // deleted when a run fails

    // The transcode loop and its stages.
    void Transcode();
    void SetupRun(TTranscodeTables& T);
    void SelectSources(TTranscodeTables& T);
    // Join mode: the input streams of every later input that feed the output
    // streams in their turn.
    void SelectJoinSources(TTranscodeTables& T);
    // Join mode, the end of input AFileIndex: its decoders and filter graphs
    // drain into the encoders (which stay open), and the next input takes
    // over with its time stamps shifted past what was written. False after
    // the last input.
    bool NextJoinInput(TTranscodeTables& T, int& AFileIndex);
    // Join mode: the expected length of the output, the inputs' lengths
    // added up (-1 when none is known), limited by a recording time.
    int64_t JoinedDuration() const;
    // The output entries that own a file: in join mode all entries are the first.
    int OutputOwners() const { return FJoinMode ? std::min(Fnb_output_files, 1) : Fnb_output_files; }
    void SetupCopy(TAVOutputStream& ost, TAVInputStream& ist);
    void SetupEncoding(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist);
    void OpenCodecs(TTranscodeTables& T);
    // Creates (or truncates) the output files, as the run starts.
    void CreateOutputFiles();
    void WriteHeaders(TTranscodeTables& T);
    void ReportMapping(TTranscodeTables& T);
    // Logs an output's streams under the name the user gave it.
    void DumpOutputFormat(int AIndex) const;
    bool ProcessPacket(TTranscodeTables& T, TAVInputStream& ist, AVPacket* pkt);
    void DeliverFrame(TTranscodeTables& T, TAVInputStream& ist, AVFrame* frame);
    void CopyPacket(TAVOutputStream& ost, TAVInputStream& ist, const AVPacket* pkt);
    void DoAudioOut(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist, AVFrame* frame);
    // AFiltered: the picture comes from the filter graph (cropped and scaled
    // there), timed by its own pts in microseconds.
    void DoVideoOut(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist, AVFrame* frame,
                    bool AFiltered = false);
    void BuildFilterGraph(TAVOutputStream& ost, int AWidth, int AHeight, int APixFmt,
                          AVRational ASampleAspect);
    void FilterVideo(TTranscodeTables& T, TAVOutputStream& ost, TAVInputStream& ist, AVFrame* frame);
    void EncodeFrame(TAVOutputStream& ost, AVFrame* frame);
    void EncodeAudioFifo(TAVOutputStream& ost, bool AFinal);
    void FlushEncoder(TAVOutputStream& ost);
    void WritePacket(TAVOutputStream& ost, AVPacket* pkt);
    void MuxPacket(TAVOutputStream& ost, AVPacket* pkt);

    // Bitstream filters: built before the headers, run by WritePacket,
    // drained before the trailers. APkt null sends the end.
    void InitPacketFilters(TTranscodeTables& T);
    void FilterPacket(TAVOutputStream& ost, AVPacket* APkt, size_t ALevel);
    void FilterFailed(const TAVOutputStream& ost, size_t ALevel, int AError);
    void FlushPacketFilters(TAVOutputStream& ost);

    // Two-pass logs and video statistics.
    std::string FirstOutputName() const;
    std::string PassLogPrefix() const;
    void SetupTwoPass(TTranscodeTables& T, TAVOutputStream& ost);
    void NoteVideoPacket(TAVOutputStream& ost, const AVPacket* pkt);
    void WriteVideoStats(TTranscodeTables& T, TAVOutputStream& ost);
    FILE* OpenVideoStatsFile();

    // Subtitles: decoded whole per packet, encoded per output stream.
    void PrepareSubtitleEncoder(TAVOutputStream& ost, TAVInputStream& ist);
    bool DecodeSubtitle(TTranscodeTables& T, TAVInputStream& ist, AVPacket* pkt);
    void DoSubtitleOut(TTranscodeTables& T, TAVOutputStream& ost, const AVSubtitle& ASub, int64_t APts);
    void PrintReport(TTranscodeTables& T, bool AFinal, int AFileIndex);

    // Hooks (VideoHooks.cpp). PreProcessVideoFrame gives the picture to
    // encode: the decoded one, or the processed copy in ist.work.
    AVFrame* PreProcessVideoFrame(TAVInputStream& ist, AVFrame* frame);
    bool RunCustomHook(TAVPicture& APicture, const AVFrame* ASource, int64_t APTS); // False: stop the hook
    void StopCustomHook();
    void RunPostHooks(AVFrame* APicture, AVCodecContext* enc);
    void RetirePreviewer(); // under PostHookLock
    void ReleaseHooks();
    int64_t FLastReportedDuration = 0;
    int64_t FRunStartClock = 0;

    void SetCropBand(int AValue, int& ABand, int& ASize, const char* AText);
    void SetMatrix(std::unique_ptr<std::array<uint16_t, 64>>& AMatrix, const std::string& AValue);
    void SetTag(uint32_t& ATag, const std::string& AValue, const char* AKind);
    void SetCodecName(std::string& AName, int& ACopy, const std::string& AValue);
    int64_t ParseTime(const std::string& AName, const std::string& AValue, bool ADuration);
    void ApplyPresetText(const std::string& APresetName, const std::string& AText);
    void FreeOutputFile(int AIndex);
    void CloseInputFile(int AIndex);
    void FreeOutputSetups(int AIndex);
    void RegisterOutput(AVFormatContext* oc, const std::string& AFileName);
    void CreateOutputStreams(AVFormatContext* oc, bool AJoin);
    AVCodecContext* NewEncoderContext(AVFormatContext* oc, int AType, const AVCodec* ACodec, bool ACopy);
    void ClampChannelLayout(AVCodecContext* enc, const AVCodec* codec);
    int CodecStrictness(int AType);
    int CurrentOutputIndex(AVFormatContext* oc) const;
    bool Loaded() const;
};
