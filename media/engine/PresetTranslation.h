#pragma once

#include <string>
#include <utility>
#include <vector>

// Preset and target lines name options as the encoder libraries once called
// them; this table turns one such line into the options of today's libraries
// (libx264's private options, the mpeg2video and muxer private options).
// Lines it does not know come back unchanged.
using TOptionLine = std::pair<std::string, std::string>;
std::vector<TOptionLine> TranslatePresetLine(const std::string& AName, const std::string& AValue);
