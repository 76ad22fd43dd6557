#include "media/prober/TCustomAVProbe.h"

#include "media/AVBindings.h"
#include "media/MediaIO.h"
#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"

#include <cstdlib>
#include <stdexcept>

namespace {

// The leading number of a tag such as "2009-05-01" or "7/12"; 0 when none.
int32_t LeadingNumber(const std::string& text) {
    return int32_t(std::strtol(text.c_str(), nullptr, 10));
}

int64_t KnownOr(int64_t value, int64_t unknown) {
    return value == AV_NOPTS_VALUE ? unknown : value;
}

int64_t Scaled(int64_t value, AVRational tb) {
    return value == AV_NOPTS_VALUE ? -1 : av::av_rescale_q(value, tb, AVRational{1, 1000000});
}

const char* KindName(AVMediaType type) {
    switch (type) {
    case AVMEDIA_TYPE_AUDIO:
        return "audio";
    case AVMEDIA_TYPE_VIDEO:
        return "video";
    default:
        return "subtitle";
    }
}

} // namespace

TCustomAVProbe::TCustomAVProbe() = default;

TCustomAVProbe::~TCustomAVProbe() {
    TCustomAVProbe::CloseFile();
    HoldLibraries(false);
}

void TCustomAVProbe::HoldLibraries(bool AValue) {
    // Only a prober with a file holds what the libraries gave it; an idle one
    // (the task component keeps one for the application) must not stop them
    // from being unloaded.
    if (AValue == FHoldsLibraries) return;
    FHoldsLibraries = AValue;
    if (AValue)
        FFLoader.AddLiveObject();
    else
        FFLoader.RemoveLiveObject();
}

void TCustomAVProbe::CheckLibraries() {
    const std::string missing = FFLoader.NotLoadedText(
        TLibraries{TLibrary::avCodec, TLibrary::avFormat, TLibrary::avUtil, TLibrary::swScale});
    if (!missing.empty()) throw std::runtime_error(missing);
}

void TCustomAVProbe::ReportProblem(TLogLevel ALevel, const std::string& AText) {
    GetFFLogger()->Log(this, ALevel, AText);
    FLastErrMsg = AText;
}

bool TCustomAVProbe::LoadFile(const std::string& AFileName, const std::string& AFormatName) {
    try {
        CheckLibraries();
    } catch (const std::exception& e) {
        FLastErrMsg = e.what();
        return false;
    }
    CloseFile();
    HoldLibraries(true);
    const AVInputFormat* format = nullptr;
    if (!AFormatName.empty()) {
        format = av::av_find_input_format(AFormatName.c_str());
        if (!format) {
            FLastErrMsg = "Unknown input format: " + AFormatName;
            HoldLibraries(false);
            return false;
        }
    }
    AVFormatContext* context = nullptr;
    const int err = OpenMediaInput(&context, AFileName, format, nullptr);
    if (err < 0) {
        ReportProblem(llError, AVErrorText(AFileName, err));
        HoldLibraries(false);
        return false;
    }
    FFileHandle = context;
    FOwnHandle = true;
    if (av::avformat_find_stream_info(context, nullptr) < 0) {
        CloseFile();
        FLastErrMsg = AFileName + ": could not find codec parameters";
        return false;
    }
    UpdateFileInfo();
    FForceFormat = AFormatName;
    return true;
}

void TCustomAVProbe::SetFileHandle(AVFormatContext* AContext) {
    try {
        CheckLibraries();
    } catch (const std::exception& e) {
        FLastErrMsg = e.what();
        return;
    }
    CloseFile();
    HoldLibraries(AContext != nullptr);
    FFileHandle = AContext;
    FOwnHandle = false;
    UpdateFileInfo();
}

void TCustomAVProbe::CloseFile() {
    FForceFormat.clear();
    if (FFileHandle) {
        if (FOwnHandle) CloseMediaInput(&FFileHandle);
        FFileHandle = nullptr;
        FOwnHandle = false;
    }
    UpdateFileInfo();
    HoldLibraries(false);
}

void TCustomAVProbe::UpdateFileInfo() {
    FFileSize = -1;
    FStreamCount = FProgramCount = -1;
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = -1;
    FFirstAudioStreamIndex = FFirstVideoStreamIndex = FFirstSubtitleStreamIndex = -1;
    FInfo.reset();
    if (!FFileHandle) return;
    // An adopted context is read now or never: its owner demuxes it later.
    FInfo = TakeProbeSnapshot(FFileHandle, !FOwnHandle);
    FFileSize = FInfo->FileSize;
    FStreamCount = int(FInfo->Streams.size());
    FProgramCount = int(FInfo->Programs.size());
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = 0;
    for (int i = 0; i < FStreamCount; ++i) {
        auto count = [i](int& counter, int& first) {
            if (counter++ == 0) first = i;
        };
        switch (FInfo->Streams[size_t(i)].Type) {
        case AVMEDIA_TYPE_VIDEO:
            count(FVideoStreamCount, FFirstVideoStreamIndex);
            break;
        case AVMEDIA_TYPE_AUDIO:
            count(FAudioStreamCount, FFirstAudioStreamIndex);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            count(FSubtitleStreamCount, FFirstSubtitleStreamIndex);
            break;
        default:
            break;
        }
    }
}

const TProbeSnapshot& TCustomAVProbe::DescribedInfo() {
    if (!FInfo->Described) DescribeStreams(FFileHandle, *FInfo);
    return *FInfo;
}

std::string TCustomAVProbe::FileName() const {
    return FInfo ? FInfo->FileName : std::string();
}
std::string TCustomAVProbe::FormatName() const {
    return FInfo ? FInfo->FormatName : std::string();
}
std::string TCustomAVProbe::FormatLongName() const {
    return FInfo ? FInfo->FormatLongName : std::string();
}

TFileStreamInfo TCustomAVProbe::FileStreamInfo() {
    TFileStreamInfo r;
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return r;
    }
    const TProbeSnapshot& info = Info();
    const TMetadataList& meta = info.Metadata;
    r.StartTime = KnownOr(info.StartTime, -1);
    r.Duration = KnownOr(info.Duration, -1);
    r.BitRate = info.BitRate;
    r.TimeStamp = CreationTimeSeconds(meta);
    r.Year = LeadingNumber(MetadataLookup(meta, "date", MetadataLookup(meta, "year")));
    r.Track = LeadingNumber(MetadataLookup(meta, "track"));
    r.Title = MetadataLookup(meta, "title");
    // "author" is the older name of what the library now calls "artist".
    r.Author = MetadataLookup(meta, "author", MetadataLookup(meta, "artist"));
    r.Copyright = MetadataLookup(meta, "copyright");
    r.Comment = MetadataLookup(meta, "comment");
    r.Album = MetadataLookup(meta, "album");
    r.Genre = MetadataLookup(meta, "genre");
    return r;
}

std::string TCustomAVProbe::FileInfoText() {
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return std::string();
    }
    return ProbeInfoText(DescribedInfo());
}

const TProbeStream* TCustomAVProbe::CheckStream(int& AStreamIndex, AVMediaType AType, int AFirstIndex) {
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return nullptr;
    }
    if (AStreamIndex == -1) {
        if (AFirstIndex < 0) {
            ReportProblem(llError, std::string("no ") + KindName(AType) + " stream.");
            return nullptr;
        }
        AStreamIndex = AFirstIndex;
    }
    if (AStreamIndex < 0 || AStreamIndex >= FStreamCount) {
        ReportProblem(llError, "stream index #" + std::to_string(AStreamIndex) + " is invalid.");
        return nullptr;
    }
    const TProbeStream& s = DescribedInfo().Streams[size_t(AStreamIndex)];
    if (s.Type != AType) {
        ReportProblem(llError,
                      "stream #" + std::to_string(AStreamIndex) + " is not " + KindName(AType) + " stream.");
        return nullptr;
    }
    return &s;
}

bool TCustomAVProbe::GetAudioStreamInfo(int AStreamIndex, TAudioStreamInfo& AInfo) {
    AInfo = TAudioStreamInfo();
    const TProbeStream* s = CheckStream(AStreamIndex, AVMEDIA_TYPE_AUDIO, FFirstAudioStreamIndex);
    if (!s) return false;
    AInfo.Language = s->Language;
    AInfo.CodecName = s->CodecName;
    AInfo.StartTime = KnownOr(s->StartTime, -1);
    AInfo.StartTimeScaled = Scaled(s->StartTime, s->TimeBase);
    AInfo.Duration = KnownOr(s->Duration, -1);
    AInfo.DurationScaled = Scaled(s->Duration, s->TimeBase);
    AInfo.BitRate = s->BitRate;
    AInfo.Channels = s->Channels;
    AInfo.SampleRate = s->SampleRate;
    AInfo.SampleFormat = s->SampleFormat;
    return true;
}

bool TCustomAVProbe::GetVideoStreamInfo(int AStreamIndex, TVideoStreamInfo& AInfo) {
    AInfo = TVideoStreamInfo();
    const TProbeStream* s = CheckStream(AStreamIndex, AVMEDIA_TYPE_VIDEO, FFirstVideoStreamIndex);
    if (!s) return false;
    AInfo.Language = s->Language;
    AInfo.CodecName = s->CodecName;
    AInfo.StartTime = KnownOr(s->StartTime, -1);
    AInfo.StartTimeScaled = Scaled(s->StartTime, s->TimeBase);
    AInfo.Duration = KnownOr(s->Duration, -1);
    AInfo.DurationScaled = Scaled(s->Duration, s->TimeBase);
    AInfo.BitRate = s->BitRate;
    AInfo.Height = s->Height;
    AInfo.Width = s->Width;
    // The container's ratio when it has one, else the codec's; an unknown
    // ratio (0:1, 0:0, negative) counts as square pixels.
    AVRational sar = s->StreamAspect;
    if (sar.num <= 0 || sar.den <= 0) sar = s->CodecAspect;
    if (sar.num <= 0 || sar.den <= 0) sar = AVRational{1, 1};
    if (s->Height > 0) AInfo.AspectRatio = float(double(s->Width) * sar.num / sar.den / s->Height);
    AInfo.PixFmt = s->PixFmt;
    AInfo.FrameRate = s->RealFrameRate;
    return true;
}

bool TCustomAVProbe::GetSubtitleStreamInfo(int AStreamIndex, TSubtitleStreamInfo& AInfo) {
    AInfo = TSubtitleStreamInfo();
    const TProbeStream* s = CheckStream(AStreamIndex, AVMEDIA_TYPE_SUBTITLE, FFirstSubtitleStreamIndex);
    if (!s) return false;
    AInfo.Language = s->Language;
    AInfo.CodecName = s->CodecName;
    return true;
}

TAudioStreamInfo TCustomAVProbe::FirstAudioStreamInfo() {
    TAudioStreamInfo r;
    GetAudioStreamInfo(-1, r);
    return r;
}

TVideoStreamInfo TCustomAVProbe::FirstVideoStreamInfo() {
    TVideoStreamInfo r;
    GetVideoStreamInfo(-1, r);
    return r;
}

TSubtitleStreamInfo TCustomAVProbe::FirstSubtitleStreamInfo() {
    TSubtitleStreamInfo r;
    GetSubtitleStreamInfo(-1, r);
    return r;
}

bool TCustomAVProbe::IsStreamOfType(int AStreamIndex, AVMediaType AType) {
    if (!FFileHandle) {
        ReportProblem(llWarning, "file not loaded.");
        return false;
    }
    if (AStreamIndex < 0 || AStreamIndex >= FStreamCount) {
        ReportProblem(llError, "stream index #" + std::to_string(AStreamIndex) + " is invalid.");
        return false;
    }
    return Info().Streams[size_t(AStreamIndex)].Type == AType;
}

bool TCustomAVProbe::IsAudioStream(int AStreamIndex) {
    return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_AUDIO);
}
bool TCustomAVProbe::IsVideoStream(int AStreamIndex) {
    return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_VIDEO);
}
bool TCustomAVProbe::IsSubtitleStream(int AStreamIndex) {
    return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_SUBTITLE);
}

bool TCustomAVProbe::AVLibLoaded() {
    return FFLoader.Loaded(ProbeLibraries);
}

bool TCustomAVProbe::LoadAVLib(const std::string& APath) {
    const bool loaded = FFLoader.LoadFrom(APath, ProbeLibraries);
    if (!loaded) FLastErrMsg = FFLoader.LastErrMsg();
    return loaded;
}

void TCustomAVProbe::UnloadAVLib() {
    FFLoader.Unload(ProbeLibraries);
}
