#pragma once

#include <string>

class TStream;

// The name as the bitmaps and links store it: a 32-bit little-endian count of
// UTF-16 units, then the units. A count the stream cannot hold raises EReadError.
std::string ReadBitmapStreamName(TStream& Stream);
void WriteBitmapStreamName(TStream& Stream, const std::string& Name);
