#pragma once

#include "skin/engine/SkinFolder.h"

#include <functional>
#include <string>
#include <vector>

class TCustomIniFile;

// Checks of a skin beyond what loading it needs, for skin authors. Every line
// about one value starts with "[SECTION] key: ".

// The problems of a loaded skin: names the writer would refuse, what the
// compressed skin's reader would refuse (pictures too large, a skin that
// inflates past its limit), picture indexes that name no picture, and image
// rectangles that leave the picture they are taken from. Empty for a sound
// skin.
std::vector<std::string> CheckSkinContent(TlxSkinContent& Content);

// Values the reader takes without a word but most likely not as the author
// meant them: a flag other than 0 or 1 ("true" reads as false), a word of no
// meaning that falls back to another ("StFull" reads as horizontal), a number
// that does not read (the default is used), a rectangle or point with
// characters the reader drops (a minus sign), a description list entry whose
// kind word has no class, and a mask whose size differs from its skin
// rectangle (the frame mask: from the frame picture). IniFile holds the
// description Content was read from.
std::vector<std::string> SkinWarnings(const TCustomIniFile& IniFile, TlxSkinContent& Content);

// Loads the skin folder whose description is FileName (pictures through
// ReadPicture) and returns its problems: why it does not load, or
// CheckSkinContent's.
std::vector<std::string> CheckSkinFolder(const std::string& FileName, const TlxPictureReader& ReadPicture);
