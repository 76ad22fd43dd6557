#pragma once

#include "platform/base/Stream.h"
#include "skin/engine/SkinContent.h"

// The skin image stream: version, the three flagged frame pictures, the
// numbered pictures as BMP images, then the description as text.

constexpr int SkinImageVersion = 3;

// Writes Content as a version-3 image. Raises ESkinError, before anything is
// written, for names that would not read back.
void WriteSkinImage(TlxSkinContent& Content, TStream& Stream);

// Reads an image from Stream's position into Content (a fresh content).
// Returns false, reading nothing more, for a version above 3. Raises
// ESkinError for anything malformed: a version of 0 or below, a truncated
// stream, a BMP whose own size disagrees with the bytes left or whose
// dimensions exceed 8192x8192, a picture count that is negative or disagrees
// with the names of the description, duplicate or unsafe picture names, or a
// text that is no skin description.
bool ReadSkinImage(TStream& Stream, TlxSkinContent& Content);
