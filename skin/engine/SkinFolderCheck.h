#pragma once

#include "skin/engine/SkinFolder.h"

#include <functional>
#include <string>
#include <vector>

// Checks a skin folder beyond what loading it needs: that it loads (the
// description file is a skin, its values parse, its picture names are plain
// and every picture opens), that the writer would accept every name, that
// every picture index names a picture or is -1, and that every image
// rectangle lies inside the picture it is taken from. Returns the problems
// found, one line each; empty for a sound skin. ReadPicture reads the pictures.
std::vector<std::string> CheckSkinFolder(const std::string& FileName, const TlxPictureReader& ReadPicture);
