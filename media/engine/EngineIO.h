#pragma once

#include <string>

struct AVDictionary;
struct AVFormatContext;
struct AVInputFormat;
struct AVIOContext;

// Opens an input on a context prepared by the caller (interrupt callback,
// flags). On failure the context is freed and the library error returned.
// AIO receives an own I/O context when the name needed one (freed by CloseInputContext).
int OpenInputContext(AVFormatContext*& AContext, AVIOContext*& AIO, const std::string& AFileName,
                     const AVInputFormat* AFormat, AVDictionary** AOptions);
void CloseInputContext(AVFormatContext*& AContext, AVIOContext*& AIO);
// Creates the byte stream of an output (oc->pb).
int OpenOutputIO(AVFormatContext* AContext, const std::string& AFileName);
void CloseOutputIO(AVFormatContext* AContext);
// APrefix + ": " + the text of a library error code.
std::string EngineErrorText(const std::string& APrefix, int ACode);
