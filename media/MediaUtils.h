#pragma once

#include "media/AVBindings.h"
#include "platform/base/Set.h"

#include <cstdint>
#include <string>
#include <string_view>

// Small routines every media component shares: texts about sizes, times,
// errors and codecs, and a few file helpers.

// Size of an existing file, -1 when there is none.
int64_t GetFileSizeByName(std::string_view AFileName);

// Returns the text before the first ADelimiter (the whole text when there is
// none); with ARemove, AText becomes what follows the delimiter (or empty).
std::string CutToken(std::string& AText, std::string_view ADelimiter, bool ARemove);

// "%.2f GB" above 1 GiB, "%.2f MB" above 1 MiB, "%.2f KB" above 1 KiB, else "%d Byte".
std::string SizeToText(int64_t ASize);

// Days since 1899-12-30, the framework's date-time.
using TDateTime = double;
// The local zone's offset from UTC now, in days (daylight saving included).
double TimeZoneOffset();
// Local date-time of a Unix time, with the zone rules of that moment.
TDateTime UnixTimeToDateTime(int64_t ASeconds);

enum class TSeekFlag { sfBackward, sfByte, sfAny, sfFrame };
using TSeekFlags = TSet<TSeekFlag>;
// The library's seek flags (AVSEEK_FLAG_BACKWARD 1, BYTE 2, ANY 4, FRAME 8).
int SeekFlagsToInt(TSeekFlags AFlags);

// "HH:MM:SS.mmm" (hours not wrapped) of microseconds; "N/A" for AV_NOPTS_VALUE.
std::string DurationToText(int64_t ADuration);
// Microseconds per frame of a frame rate; 40000 when num or den is 0.
int64_t FrameDuration(AVRational AFrameRate);
// APrefix + ": " + the text of a library error code (texts keyed by symbol).
std::string AVErrorText(std::string_view APrefix, int AErrorCode);
// The library's own text of an error code (av_err2str over the slots).
std::string AVErrStr(int AErrorCode);
// "Video", "Audio", "Data", "Subtitle", "Attachment", else "Unknown".
std::string MediaTypeName(int AMediaType);
// Value of the first entry with that key, or ADefault.
std::string MetadataValue(const AVDictionary* AMetadata, const char* AKey, std::string_view ADefault = {});
// "name(long name)" of the codec of a context, "mpeg2ts", the codec's
// descriptor name, or its tag as "abcd / 0x64636261" (printable) or "0x%04x".
std::string CodecNameText(const AVCodecContext* ACodecContext, bool AEncoder);
// Reads a whole file into an av_malloc'ed buffer with a zero after the bytes
// (ASize counts it). 0, -1 (cannot open) or -12 (no memory).
int ReadFileToBuffer(const std::string& AFileName, uint8_t** ABuffer, int64_t* ASize);
