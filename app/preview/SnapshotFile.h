#pragma once

#include "app/settings/TSettings.h"

#include <functional>
#include <string>
#include <string_view>

class TBitmap;

// The name part a snapshot takes from the previewed file: the file name
// without its folder and extension ("/videos/clip.avi" gives "clip").
std::string SnapshotBaseName(const std::string& AFileName);

// AFolder + "/" + ABase + "_" + ANumber + AExtension.
std::string SnapshotFileName(const std::string& AFolder, const std::string& ABase, int ANumber,
                             const std::string& AExtension);

// The first number from 1 under which the folder holds nothing of that name.
// Numbers are counted per extension.
int FirstFreeSnapshotNumber(const std::string& AFolder, const std::string& ABase,
                            const std::string& AExtension);

// The frame as a picture file of the type: a 24-bit BMP, a JPEG of the
// JPEG picture's default quality, a GIF of at most 256 colours, an RGB PNG.
// Raises the codec's error.
std::string EncodeSnapshot(const TBitmap& AFrame, TSnapshotType AType);

// Puts AData into the folder under the first free snapshot name and returns
// that name. An existing file is never replaced: the data is written to a
// temporary file first, which then takes the name only if it is still free
// (else the next number is tried), so a name taken meanwhile is skipped and a
// failed write leaves nothing behind. Raises EFCreateError or EWriteError.
// ABeforeCommit, when set, runs with each name just before the file takes
// it (tests take the name there, or fail the write); an exception from it
// abandons the write.
std::string WriteNewSnapshotFile(const std::string& AFolder, const std::string& ABase,
                                 const std::string& AExtension, std::string_view AData,
                                 const std::function<void(const std::string& AName)>& ABeforeCommit = {});
