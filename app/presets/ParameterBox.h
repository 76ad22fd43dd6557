#pragma once

#include <array>

// The six parameter boxes in `PresetBoxOrder`, the order in which presets
// fill them and in which every preset row gives its cells.
enum class TParameterBox { Resolution, VideoBitrate, FrameRate, AudioBitrate, SampleRate, Aspect };

constexpr int ParameterBoxCount = 6;

constexpr std::array<TParameterBox, ParameterBoxCount> PresetBoxOrder = {
    TParameterBox::Resolution,   TParameterBox::VideoBitrate, TParameterBox::FrameRate,
    TParameterBox::AudioBitrate, TParameterBox::SampleRate,   TParameterBox::Aspect};

// The prefix of the choice lists a box offers ("RES", "VBR", ...).
const char* ChoiceListPrefix(TParameterBox ABox);
