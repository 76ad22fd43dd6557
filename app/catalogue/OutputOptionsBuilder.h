#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue/CurrentProfile.h"
#include "media/task/TOutputOptions.h"

// The output options of a file, built from its current-profile record. Only
// set values are passed: an empty text, a bit rate of -1 or -1000 (and the
// audio rate -2000) and the sample rate "AUTO" leave the value to the engine.
//
// The record keeps the profile's texts; what this platform's encoders need
// is decided here, in one place:
// - encoders it lacks are replaced ("libfaac" by "aac", "msmpeg4v1" by
//   "msmpeg4v2"), and AAC in an MPEG program stream (.mpg, .mpeg, .vob) by
//   mp2, at the nearest rate that encoder allows;
// - an odd frame size is rounded down to even for the 4:2:0 encoders;
// - a frame rate the MPEG-1/2 video encoders cannot make is replaced by the
//   nearest one they can (a line in ANotes says so);
// - for the disc targets (DVD, SVCD, VCD) the target's frame size, frame
//   rate and sample rate win, and the boxes' bit rates and aspect apply only
//   within the target's limits.
// ANotes, when given, receives one line per value changed for this platform
// that the user may not expect.
TOutputOptions BuildOutputOptions(const TCurrentProfile& AProfile,
                                  std::vector<std::string>* ANotes = nullptr);

// The encoder this platform uses for an encoder name of the catalogue.
std::string PlatformEncoder(std::string_view AName);

// Why a record cannot be converted here (an encoder this platform lacks and
// cannot replace); empty when it can.
std::string ProfileUnavailableReason(const TCurrentProfile& AProfile);
