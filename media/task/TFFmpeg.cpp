#include "media/task/TFFmpeg.h"

#include <cmath>
#include <ctime>

#include "media/task/NoPts.h"

namespace {

bool IsStreamOptionName(const std::string& AName) {
    static const char* const names[] = {"acodec", "vcodec", "scodec",   "apre", "vpre",
                                        "spre",   "s",      "vfilters", "vf"};
    for (const char* n : names)
        if (AName == n) return true;
    return false;
}

const std::string* FindOption(const std::vector<TExtOption>& AList, std::string_view AName) {
    for (const TExtOption& o : AList)
        if (o.Name == AName) return &o.Value;
    return nullptr;
}

std::string OptionValue(const std::vector<TExtOption>& AList, std::string_view AName) {
    const std::string* v = FindOption(AList, AName);
    return v ? *v : std::string();
}

const char* NormText(TOptionNormType ANorm) {
    switch (ANorm) {
    case ntPAL:
        return "pal";
    case ntNTSC:
        return "ntsc";
    default:
        return "auto";
    }
}

} // namespace

TFFmpeg::TFFmpeg(std::unique_ptr<TTaskEngine> AEngine)
    : FAVProbes(AEngine->MaxFiles()), FInputOptions(AEngine->MaxFiles()), FOutputOptions(AEngine->MaxFiles()),
      FEngine(std::move(AEngine)) {}

TFFmpeg::~TFFmpeg() {
    FEngine.reset();
}

TAVProbe* TFFmpeg::GetAVProbe(int AIndex) {
    if (AIndex < 0 || AIndex >= static_cast<int>(FAVProbes.size())) return nullptr;
    if (!FAVProbes[AIndex]) FAVProbes[AIndex] = std::make_unique<TAVProbe>();
    return FAVProbes[AIndex].get();
}

TAVProbe* TFFmpeg::FindAVProbe(int AIndex) const {
    if (AIndex < 0 || AIndex >= static_cast<int>(FAVProbes.size())) return nullptr;
    return FAVProbes[AIndex].get();
}

void TFFmpeg::AdoptInput(int AIndex) {
    AVFormatContext* context = FEngine->InputContext(AIndex);
    if (!context) return;
    if (TAVProbe* probe = GetAVProbe(AIndex)) probe->SetFileHandle(context);
}

const TInputOptions* TFFmpeg::InputOptions(int AIndex) const {
    if (AIndex < 0 || AIndex >= static_cast<int>(FInputOptions.size()) || !FInputOptions[AIndex])
        return nullptr;
    return &*FInputOptions[AIndex];
}

const TOutputOptions* TFFmpeg::OutputOptions(int AIndex) const {
    if (AIndex < 0 || AIndex >= static_cast<int>(FOutputOptions.size()) || !FOutputOptions[AIndex])
        return nullptr;
    return &*FOutputOptions[AIndex];
}

void TFFmpeg::SetInputOptions(int AIndex, const TInputOptions& AOptions) {
    FInputOptions.at(AIndex) = AOptions;
}

void TFFmpeg::SetOutputOptions(int AIndex, const TOutputOptions& AOptions) {
    FOutputOptions.at(AIndex) = AOptions;
}

void TFFmpeg::ResetInputOptions(int AIndex) {
    if (AIndex >= 0 && AIndex < static_cast<int>(FInputOptions.size()) && FInputOptions[AIndex])
        InitInputOptions(*FInputOptions[AIndex]);
}

void TFFmpeg::ResetOutputOptions(int AIndex) {
    if (AIndex >= 0 && AIndex < static_cast<int>(FOutputOptions.size()) && FOutputOptions[AIndex])
        InitOutputOptions(*FOutputOptions[AIndex]);
}

void TFFmpeg::ApplyExtOptions(std::string_view AText, bool AIncludeCodecs) {
    for (const TExtOption& line : ParseExtOptions(AText)) {
        const std::string name = LowerAscii(line.Name);
        if (name == "newvideo" || name == "newaudio" || name == "newsubtitle" || name == "apre" ||
            name == "vpre" || name == "spre" || name == "vfilters" || name == "vf")
            continue;
        if (!AIncludeCodecs && (name == "acodec" || name == "vcodec" || name == "scodec" || name == "s"))
            continue;
        FEngine->SetOption(name, line.Value);
    }
}

void TFFmpeg::ApplyInputRecord(int AIndex, TInputOptions& AOptions, const std::string& AFileName) {
    if (AOptions.FileName.empty()) AOptions.FileName = AFileName;
    SetInputOptions(AIndex, AOptions);
    ApplyExtOptions(AOptions.ExtOptions, true);
    if (!AOptions.FileFormat.empty()) FEngine->SetFormat(AOptions.FileFormat);
    if (AOptions.TimeStart != kNoPts) FEngine->SetStartTime(AOptions.TimeStart);
    if (AOptions.ProgramID >= 0) FEngine->SetProgramId(AOptions.ProgramID);
}

std::vector<TExtOption> TFFmpeg::CollectStreamOptions(const TOutputOptions& AOptions) {
    std::vector<TExtOption> list;
    auto addDefault = [&](const char* AName, const std::string& AValue) {
        if (!AValue.empty()) list.push_back({AName, AValue});
    };
    addDefault("def_acodec", AOptions.AudioCodec);
    addDefault("def_vcodec", AOptions.VideoCodec);
    addDefault("def_scodec", AOptions.SubtitleCodec);
    addDefault("def_apre", AOptions.AudioPreset);
    addDefault("def_vpre", AOptions.VideoPreset);
    addDefault("def_spre", AOptions.SubtitlePreset);
    addDefault("def_s", AOptions.FrameSize);
    addDefault("def_vf", AOptions.VideoFilters);

    for (const TExtOption& line : ParseExtOptions(AOptions.ExtOptions)) {
        std::string name = LowerAscii(line.Name);
        if (!IsStreamOptionName(name) || line.Value.empty()) continue;
        if (name == "vfilters") name = "vf";
        const std::string defName = "def_" + name;
        if (OptionValue(list, defName).empty()) list.push_back({defName, line.Value});
        list.push_back({name, line.Value});
    }
    return list;
}

std::vector<TExtOption> TFFmpeg::ApplyOutputRecord(int AIndex, TOutputOptions& AOptions,
                                                   const std::string& AFileName) {
    if (AOptions.FileName.empty()) AOptions.FileName = AFileName;
    SetOutputOptions(AIndex, AOptions);
    std::vector<TExtOption> list = CollectStreamOptions(AOptions);

    if (AOptions.TargetType == ttVCD || AOptions.TargetType == ttSVCD || AOptions.TargetType == ttDVD) {
        const char* target = AOptions.TargetType == ttVCD    ? "vcd"
                             : AOptions.TargetType == ttSVCD ? "svcd"
                                                             : "dvd";
        FEngine->SetTarget(target, NormText(AOptions.NormType),
                           AOptions.NormDefault == ntPAL ? "pal" : "ntsc");
    }

    if (const std::string v = OptionValue(list, "def_acodec"); !v.empty()) FEngine->SetAudioCodec(v);
    if (const std::string v = OptionValue(list, "def_vcodec"); !v.empty()) FEngine->SetVideoCodec(v);
    if (const std::string v = OptionValue(list, "def_scodec"); !v.empty()) FEngine->SetSubtitleCodec(v);

    for (const char* preset : {"apre", "vpre", "spre"}) {
        const std::string v = OptionValue(list, std::string("def_") + preset);
        if (!v.empty()) FEngine->ApplyPreset(preset, v);
    }

    ApplyExtOptions(AOptions.ExtOptions, false);
    ApplyOutputFields(AOptions);

    if (const std::string v = OptionValue(list, "def_s"); !v.empty()) FEngine->SetFrameSize(v);
    if (const std::string v = OptionValue(list, "def_vf"); !v.empty()) FEngine->SetVideoFilters(v);
    return list;
}

void TFFmpeg::ApplyOutputFields(const TOutputOptions& o) {
    TTaskEngine& e = *FEngine;
    auto generic = [&](const char* AName, int AValue) {
        if (AValue > 0) e.SetGenericIntOption(AName, AValue);
    };
    if (!o.FileFormat.empty()) e.SetFormat(o.FileFormat);
    generic("packetsize", o.PacketSize);
    generic("muxrate", o.MuxRate);
    if (o.MuxDelay > 0) e.SetMuxMaxDelay(o.MuxDelay);
    if (o.MuxPreload > 0) e.SetMuxPreload(o.MuxPreload);
    if (o.DisableAudio) e.SetAudioDisabled(true);
    if (o.AudioVolume >= 0) e.SetAudioVolume(o.AudioVolume);
    if (o.AudioChannels > 0) e.SetChannels(o.AudioChannels);
    if (o.AudioSampleRate > 0) e.SetSampleRate(o.AudioSampleRate);
    generic("ab", o.AudioBitrate);
    generic("abt", o.AudioBitRateTolerance);
    e.SetAudioLanguage(o.AudioLanguage);
    e.SetAudioSyncMethod(o.AudioSyncMethod);
    if (!o.AudioTag.empty()) e.SetAudioTag(o.AudioTag);
    if (o.DisableVideo) e.SetVideoDisabled(true);
    if (!o.FrameRate.empty()) e.SetFrameRate(o.FrameRate);
    if (!o.FrameAspectRatio.empty()) e.SetAspect(o.FrameAspectRatio);
    if (o.CropTop > 0) e.SetCropTop(o.CropTop);
    if (o.CropBottom > 0) e.SetCropBottom(o.CropBottom);
    if (o.CropLeft > 0) e.SetCropLeft(o.CropLeft);
    if (o.CropRight > 0) e.SetCropRight(o.CropRight);
    generic("g", o.GroupPictureSize);
    generic("vb", o.VideoBitrate);
    generic("maxrate", o.VideoMaxRate);
    generic("minrate", o.VideoMinRate);
    generic("bt", o.VideoBitRateTolerance);
    generic("bufsize", o.VideoBufSize);
    e.SetVideoSyncMethod(o.VideoSyncMethod);
    if (!o.VideoTag.empty()) e.SetVideoTag(o.VideoTag);
    e.SetVideoLanguage(o.VideoLanguage);
    if (o.DisableSubtitle) e.SetSubtitleDisabled(true);
    e.SetSubtitleLanguage(o.SubtitleLanguage);
    e.SetInputSync(o.InputSync);
    if (o.CopyTimestamp) e.SetCopyTimestamp(true);
    if (o.TimeStart != kNoPts) e.SetStartTime(o.TimeStart);
    if (o.TimeLength != kNoPts) e.SetRecordingTime(o.TimeLength);

    const TStreamInfo& info = o.Info;
    if (info.TimeStamp == 0)
        e.SetRecordingTimestamp(static_cast<int64_t>(std::time(nullptr)));
    else if (info.TimeStamp > 0)
        e.SetRecordingTimestamp(DateTimeToUnixSeconds(info.TimeStamp));
    // The libraries' common keys: every muxer that can hold a year or an
    // author maps "date" and "artist" to its own field (MP4 and AVI keep no
    // "year" or "author"), and the prober reads them back.
    if (info.Year > 0) e.AddMetadataPair("date", std::to_string(info.Year));
    if (info.Track > 0) e.AddMetadataPair("track", std::to_string(info.Track));
    const std::pair<const char*, const std::string*> texts[] = {
        {"title", &info.Title},     {"artist", &info.Author}, {"copyright", &info.Copyright},
        {"comment", &info.Comment}, {"album", &info.Album},   {"genre", &info.Genre}};
    for (const auto& [key, value] : texts)
        if (!value->empty()) e.AddMetadataPair(key, *value);
}

void TFFmpeg::TakeStreamOption(std::vector<TExtOption>& AList, const std::string& AName) {
    for (auto it = AList.begin(); it != AList.end(); ++it)
        if (it->Name == AName) {
            const std::string value = it->Value;
            AList.erase(it);
            FEngine->SetOption(AName, value);
            return;
        }
    FEngine->SetOption(AName, OptionValue(AList, "def_" + AName));
}

void TFFmpeg::ApplyNewStreams(std::string_view AExtOptions, std::vector<TExtOption>& AList) {
    for (const TExtOption& line : ParseExtOptions(AExtOptions)) {
        const std::string name = LowerAscii(line.Name);
        if (name == "newaudio") {
            for (const char* opt : {"acodec", "apre"})
                TakeStreamOption(AList, opt);
        } else if (name == "newvideo") {
            for (const char* opt : {"vcodec", "vpre", "s", "vf"})
                TakeStreamOption(AList, opt);
        } else if (name == "newsubtitle") {
            for (const char* opt : {"scodec", "spre"})
                TakeStreamOption(AList, opt);
        } else {
            continue;
        }
        FEngine->SetOption(name, line.Value);
    }
}

int64_t DateTimeToUnixSeconds(double ADateTime) {
    // The date-time is a local wall-clock reading: break it down as if it
    // were UTC, then let mktime apply the zone rules of that day.
    const double naive = std::nearbyint((ADateTime - 25569.0) * 86400.0); // halves to even
    const time_t wall = static_cast<time_t>(naive);
    std::tm fields{};
    gmtime_r(&wall, &fields);
    fields.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&fields));
}
