#pragma once

#include "media/AVBindings.h"

#include <string_view>

// Our own I/O backend: an AVIOContext over a POSIX descriptor, used for names
// given as "unicode:utf8:<bytes>" and for local FIFOs (the libraries' file
// protocol would block in read and ignore the stop flag).
//
// Open flags are tested by mask: AVIO_FLAG_WRITE (with or without READ)
// creates or truncates; AVIO_FLAG_READ alone opens an existing file read-only
// and never creates or truncates it. Reads return AVERROR_EOF at the end and
// AVERROR(errno) on failure; AVSEEK_SIZE answers the 64-bit size.

// True when the name goes through our backend (prefixed, or a local FIFO).
bool UsesFileIO(std::string_view url);
// Opens url ("unicode:utf8:<name>", "file:<name>" or a plain name). interrupt,
// when given, is polled while a FIFO waits for data (AVERROR_EXIT when it fires).
// 0 or a negative AVERROR (a missing file gives AVERROR(ENOENT)).
int OpenFileIO(AVIOContext** pb, std::string_view url, int flags, const AVIOInterruptCB* interrupt = nullptr);
// Flushes, closes the descriptor and frees the context; *pb becomes null.
// Never use avio_close on these: its opaque is no protocol handle.
void CloseFileIO(AVIOContext** pb);
bool IsFileIO(const AVIOContext* pb);

// Routes names the demuxer or muxer opens itself (image sequences, playlists)
// through our backend when they need it; others go to the library's default.
void InstallIOHooks(AVFormatContext* s);

// The one routine that opens inputs for the engine, the prober and the player.
// fileName is the user's name (converted with FileNameToURL here). *ic may be
// a context the caller allocated (options set on it) or null. The interrupt
// callback, when given, becomes the context's. On failure *ic is freed and
// null, as avformat_open_input does.
int OpenMediaInput(AVFormatContext** ic, std::string_view fileName, const AVInputFormat* fmt,
                   AVDictionary** options, const AVIOInterruptCB* interrupt = nullptr);
// Closes an input opened by OpenMediaInput, freeing our own I/O context.
void CloseMediaInput(AVFormatContext** ic);

// Prepares oc for writing fileName later: the interrupt callback and the I/O
// hooks are installed, and a local file is checked for being writable (an
// existing file, or a new one in an existing, writable folder) without
// creating or truncating anything. Returns 0 or the negative AVERROR that
// opening would give; names of other protocols are checked when opened.
int CheckMediaOutput(AVFormatContext* oc, std::string_view fileName,
                     const AVIOInterruptCB* interrupt = nullptr);
// Opens oc->pb for writing fileName (our backend or avio_open2) unless the
// muxer needs no file. Returns 0 or a negative AVERROR.
int OpenMediaOutput(AVFormatContext* oc, std::string_view fileName,
                    const AVIOInterruptCB* interrupt = nullptr, AVDictionary** options = nullptr);
// Closes oc->pb whichever way it was opened (after av_write_trailer).
void CloseMediaOutput(AVFormatContext* oc);
