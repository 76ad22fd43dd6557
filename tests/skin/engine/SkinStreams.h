#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Byte builders for skin images and compressed skin streams.

// A 32-bit little-endian integer.
std::string Int(int32_t v);
// A 24-bit BMP image filled with one pixel value.
std::string Bmp(int w, int h, uint32_t pixel = 0xFF102030);
// A skin description whose PICTURES section holds the given lines.
std::string Pictures(const std::string& names);
// A version-3 image: frame picture, no inactive picture, no mask, two
// numbered pictures named a.bmp and b.bmp.
std::string GoodImage();
std::string Deflate(const std::string& raw);
// The compressed layout: version, count, the zlib bytes.
std::string Head(int32_t version, const std::string& zlib);

// A compressed skin stream of a small, sound skin named Name: one numbered
// picture "a.bmp", one control description "BTN" (a button) and, when
// LayerPictureIndex is not -1, a layered border using that picture index.
std::string NamedSkinStream(const std::string& Name, int LayerPictureIndex = -1);

struct MalformedSkinStream {
    std::string What;
    std::string Bytes;
};
// Compressed skin streams that must fail to load, each for its own reason.
std::vector<MalformedSkinStream> MalformedSkinStreams();
