#pragma once

#include "platform/base/Stream.h"
#include "skin/engine/SkinContent.h"

#include <string>

// The skin image stream: version, the three flagged frame pictures, the
// numbered pictures as BMP images, then the description as text.

constexpr int SkinImageVersion = 3;

// The largest picture side a skin image holds.
constexpr int MaxSkinPictureSide = 8192;

// Raises ESkinError unless a picture of Width x Height fits a skin image (1
// to MaxSkinPictureSide pixels on each side). What names the picture in the
// message ("picture 2", "the mask"); the reader and the writers say the same.
void CheckSkinPictureSize(int Width, int Height, const std::string& What);

// Writes Content as a version-3 image. Raises, before anything is written,
// what the reader would refuse: ESkinError for names that would not read
// back and for pictures outside CheckSkinPictureSize, ECompressionError (with
// InflateLimitText) for an image larger than a compressed skin may inflate to.
void WriteSkinImage(TlxSkinContent& Content, TStream& Stream);

// Reads an image from Stream's position into Content (a fresh content).
// Returns false, reading nothing more, for a version above 3. Raises
// ESkinError for anything malformed: a version of 0 or below, a truncated
// stream, a BMP whose own size disagrees with the bytes left or whose
// dimensions fail CheckSkinPictureSize, a picture count that is negative or disagrees
// with the names of the description, duplicate or unsafe picture names, or a
// text that is no skin description.
// With Text, the description's text is left there too (for tools that look
// at the words as written).
bool ReadSkinImage(TStream& Stream, TlxSkinContent& Content, std::string* Text = nullptr);
