#pragma once

#include <cstdint>
#include <string>

class TPicture;

// The largest file the picture dialogs try to preview; anything larger is
// shown as "no preview" without being read.
constexpr int64_t kMaxPreviewFileBytes = int64_t(128) << 20;

// Loads a BMP, PNG, JPEG or GIF file into Picture for a preview. Only a
// regular file whose first bytes are a picture signature is read at all (a
// FIFO, a device or a large video never blocks or fills memory). False,
// Picture unchanged, for anything that is no complete picture; never raises.
bool LoadPicturePreview(const std::string& FileName, TPicture& Picture);
