#pragma once

#include "skin/engine/SkinContent.h"

#include <functional>
#include <string>

// A skin in its folder form: one ini description file and the BMP pictures it
// names, all in one folder.

enum class TlxSkinPicture { Frame, InActiveFrame, Mask, Numbered };

// Loads one picture of the skin from Path; Index counts the numbered pictures
// from 0 (and is 0 for the three frame pictures). Raises the platform's file
// or image error when the picture cannot be read.
using TlxPictureLoader = std::function<void(TlxSkinPicture Which, int Index, const std::string& Path)>;

// The path of a picture named in the description file FileName: the file's
// folder followed by the name, which must be a plain file name (ESkinError).
std::string SkinPicturePath(const std::string& FileName, const std::string& PictureName);

// Reads the description file FileName into Content (a fresh content, which
// the caller moves into place on success) and hands every named picture to
// LoadPicture, frame pictures first, then the numbered ones in order.
// Returns false, reading nothing, when the file is not a skin description;
// raises the errors of ReadSkinIni and LoadPicture.
bool LoadSkinFolder(const std::string& FileName, TlxSkinContent& Content,
                    const TlxPictureLoader& LoadPicture);

// Writes Content's description into FileName, keeping the file's other
// sections; nothing is written when a name or value is refused (ESkinError).
// Pictures are not written.
void SaveSkinFolder(const std::string& FileName, TlxSkinContent& Content);
