#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/presets/PresetApplication.h"
#include "app/settingsform/LegacyProfileParameterTable.h"

// Invariants every row of an old choice table keeps: each cell names a list
// that exists, its default lies inside the list and is the entry the row
// names; an audio-only row offers the one "no video" entry in the four video
// boxes.
inline void ExpectChoiceRowValid(const TPresetRow& ARow, TChoiceListLookup AFindList) {
    for (TParameterBox box : PresetBoxOrder) {
        const TPresetCell& cell = ARow.Cell(box);
        const TChoiceList* list = AFindList(cell.List);
        ASSERT_NE(list, nullptr) << ARow.Key << " " << cell.List;
        ASSERT_GE(cell.Default, 0) << ARow.Key;
        ASSERT_LT(cell.Default, static_cast<int>(list->Entries.size())) << ARow.Key << " " << cell.List;
        EXPECT_STREQ(list->Entries[static_cast<size_t>(cell.Default)], cell.DefaultText) << ARow.Key;
    }
    const bool noVideo = std::string(ARow.Cell(TParameterBox::Resolution).DefaultText) == "该格式无视频";
    EXPECT_EQ(noVideo, ARow.AudioOnly) << ARow.Key;
    if (ARow.AudioOnly) {
        for (TParameterBox box :
             {TParameterBox::VideoBitrate, TParameterBox::FrameRate, TParameterBox::Aspect})
            EXPECT_STREQ(ARow.Cell(box).DefaultText, "无视频") << ARow.Key;
    }
}

// The fields a row writes are those of its kind, but for a few rows that
// skip one (listed by the caller as key and field name).
inline std::string WrittenFields(const TLegacyProfileParameters& ARow) {
    std::string fields;
    auto add = [&](bool AWritten, const char* AName) {
        if (AWritten) fields += std::string(fields.empty() ? "" : " ") + AName;
    };
    add(ARow.FileExt, "FileExt");
    add(ARow.VideoCodec, "VideoCodec");
    add(ARow.VideoTag, "VideoTag");
    add(ARow.FrameRate, "FrameRate");
    add(ARow.FrameAspectRatio, "FrameAspectRatio");
    add(ARow.FrameSize, "FrameSize");
    add(ARow.VideoBitrate.has_value(), "VideoBitrate");
    add(ARow.AudioCodec, "AudioCodec");
    add(ARow.AudioChannels, "AudioChannels");
    add(ARow.AudioSampleRate, "AudioSampleRate");
    add(ARow.AudioBitrate.has_value(), "AudioBitrate");
    add(ARow.NormType, "NormType");
    add(ARow.TargetType, "TargetType");
    return fields;
}

inline std::string KindFields(TLegacyRowKind AKind) {
    switch (AKind) {
    case TLegacyRowKind::Video:
        return "FileExt VideoCodec VideoTag FrameRate FrameAspectRatio FrameSize VideoBitrate AudioCodec "
               "AudioChannels AudioSampleRate AudioBitrate NormType TargetType";
    case TLegacyRowKind::AudioOnly:
        return "FileExt AudioCodec AudioChannels AudioSampleRate AudioBitrate NormType TargetType";
    case TLegacyRowKind::Disc:
        return "VideoCodec VideoTag FrameRate FrameAspectRatio FrameSize VideoBitrate AudioCodec "
               "AudioChannels "
               "AudioSampleRate AudioBitrate NormType TargetType";
    case TLegacyRowKind::RealVideo:
        return "VideoCodec FrameSize NormType TargetType";
    }
    return "";
}

// The field list without one field.
inline std::string Without(std::string AFields, const std::string& AField) {
    const size_t at = AFields.find(AField);
    if (at != std::string::npos) AFields.erase(at == 0 ? 0 : at - 1, AField.size() + 1);
    return AFields;
}
