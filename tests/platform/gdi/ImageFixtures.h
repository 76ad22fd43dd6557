#pragma once

// Picture files written byte by byte, independent of the codecs under test.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A BMP of the given depth. For 1, 4 and 8 bits value(x, y) is a palette
// index; for 16 bits a 5-5-5 word; for 24 and 32 bits 0xAARRGGBB.
std::string MakeBmp(int bpp, bool topDown, int width, int height, const std::vector<uint32_t>& palette,
                    const std::function<uint32_t(int, int)>& value);

// A PNG from raw (unfiltered) row bytes, with optional PLTE (RGB triples) and tRNS chunks.
std::string MakePng(int width, int height, int bitDepth, int colorType, const std::vector<std::string>& rows,
                    const std::string& plte = "", const std::string& trns = "");
