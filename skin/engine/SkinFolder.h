#pragma once

#include "skin/engine/SkinContent.h"

#include <functional>
#include <string>

// A skin in its folder form: one ini description file and the BMP pictures it
// names, all in one folder.

// Reads the picture file Path into Bitmap; raises the platform's file or
// image error when it cannot.
using TlxPictureReader = std::function<void(const std::string& Path, TBitmap& Bitmap)>;

// The reader of skin folders: a BMP file (EFOpenError when it cannot be
// opened, EInvalidGraphic when it is no valid BMP).
void ReadSkinBitmap(const std::string& Path, TBitmap& Bitmap);

// The path of a picture named in the description file FileName: the file's
// folder followed by the name, which must be a plain file name (ESkinError).
std::string SkinPicturePath(const std::string& FileName, const std::string& PictureName);

// Reads the description file FileName into Content (a fresh content, which
// the caller moves into place on success), then every named picture through
// ReadPicture from the file's folder: the three frame pictures, then the
// numbered ones in order. Without ReadPicture only the names are read.
// Returns false, reading nothing, when the file is not a skin description;
// raises the errors of ReadSkinIni and ReadPicture, their messages starting
// with FileName (and, for a picture, the key that names it and its name).
bool LoadSkinFolder(const std::string& FileName, TlxSkinContent& Content,
                    const TlxPictureReader& ReadPicture);

// Writes Content's description into FileName, keeping the file's other
// sections; nothing is written when a name or value is refused (ESkinError).
// Pictures are not written.
void SaveSkinFolder(const std::string& FileName, TlxSkinContent& Content);
