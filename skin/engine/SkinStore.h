#pragma once

#include "skin/engine/SkinContent.h"

#include <string>

// Writes Content as a skin folder: the description into FileName (other
// sections of an existing file stay), then every picture as a BMP file
// beside it under its own name: the three frame pictures when not empty, and
// the numbered pictures by index. Names must be plain file names and the
// numbered pictures must match their names one to one (ESkinError, nothing
// written).
void StoreSkinToDisk(const std::string& FileName, TlxSkinContent& Content);
