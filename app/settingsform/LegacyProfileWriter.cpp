#include "app/settingsform/LegacyProfileWriter.h"

namespace {

// Numbered names tried before giving up; only a folder holding that many of
// them reaches it.
constexpr int MaxNumber = 10000;

void Write(std::string& AField, const char* AValue) {
    if (AValue) AField = AValue;
}

void Write(int& AField, const std::optional<int>& AValue) {
    if (AValue) AField = *AValue;
}

// The folder text and the name with one separator between them, whatever
// the folder ends in.
std::string InFolder(const std::string& AFolder, const std::string& AName) {
    return AFolder + "/" + AName;
}

// The extension of a file name with its dot; empty for a name without one
// (a leading dot starts a name, not an extension).
std::string FileExtension(const std::string& AFileName) {
    return AFileName.substr(FileStem(AFileName).size());
}

} // namespace

void WriteLegacyProfileFields(TCurrentProfile& AProfile, const TLegacyProfileParameters& ARow) {
    TCurrentProfile& p = AProfile;
    Write(p.Video_FileExt, ARow.FileExt);
    Write(p.Video_VideoCodec, ARow.VideoCodec);
    Write(p.Video_VideoTag, ARow.VideoTag);
    Write(p.Video_FrameRate, ARow.FrameRate);
    Write(p.Video_FrameAspectRatio, ARow.FrameAspectRatio);
    Write(p.Video_FrameSize, ARow.FrameSize);
    Write(p.Video_VideoBitrate, ARow.VideoBitrate);
    Write(p.Video_AudioCodec, ARow.AudioCodec);
    Write(p.Video_AudioChannels, ARow.AudioChannels);
    Write(p.Video_AudioSampleRate, ARow.AudioSampleRate);
    Write(p.Video_AudioBitrate, ARow.AudioBitrate);
    Write(p.Video_NormType, ARow.NormType);
    Write(p.Video_TargetType, ARow.TargetType);

    // The fields every row of a kind sets the same way.
    switch (ARow.Kind) {
    case TLegacyRowKind::Video:
        p.Video_VideoFilters.clear();
        p.Video_AudioVolume = "256";
        p.Video_CopyTimestamp.clear();
        p.Video_FileFormat.clear();
        break;
    case TLegacyRowKind::AudioOnly:
        p.Video_DisableVideo = true;
        p.Video_AudioVolume = "256";
        p.Video_CopyTimestamp.clear();
        p.Video_FileFormat.clear();
        break;
    case TLegacyRowKind::Disc:
        p.Video_AudioVolume = "256";
        p.Video_FileFormat.clear();
        break;
    case TLegacyRowKind::RealVideo:
        p.Video_CopyTimestamp.clear();
        p.Video_FileFormat.clear();
        break;
    }
}

void WriteLegacyProfile(TLegacyMainFields& AMain, int ASwitchValue, const TLegacyProfileParameters* ARow,
                        const TLegacyOutputRequest& AOutput) {
    TCurrentProfile& p = AMain.Profile;
    AMain.All_Trant_Number = ASwitchValue;
    p.Video_DisableVideo = false;

    if (ARow) {
        p.Video_OutPutFileName =
            InFolder(AOutput.OutputFolder, FileStem(FileNameOfPath(p.Video_AddFileName)) + ARow->Ext);
        WriteLegacyProfileFields(p, *ARow);
    }

    const std::string name = FileNameOfPath(p.Video_OutPutFileName);
    const std::string ext = FileExtension(name);
    const std::string base = InFolder(AOutput.OutputFolder, name.substr(0, name.size() - ext.size()));
    std::string candidate = base + ext;
    if (AOutput.Rename && AOutput.Exists && AOutput.Exists(candidate)) {
        candidate.clear(); // rather no name than one that overwrites
        for (int n = 1; n <= MaxNumber && candidate.empty(); ++n) {
            std::string numbered = base + "_" + std::to_string(n) + ext;
            if (!AOutput.Exists(numbered)) candidate = std::move(numbered);
        }
    }
    p.Video_OutPutFileName = std::move(candidate);
}
