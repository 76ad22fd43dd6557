#pragma once

#include "skin/engine/SkinContent.h"

#include <span>
#include <string>
#include <vector>

// The descriptions the skinned controls, frames, menus and dialogs of this
// program look up by name, with the class each expects. The skin generator
// writes exactly these, and the validator's completeness check asks for them.

enum class TlxSkinListKind { Control, Object };

struct TlxRequiredSkinName {
    const char* Name;
    TlxSkinListKind List;
    // The kind word that creates the expected class; a description of a class
    // derived from it serves as well.
    const char* Kind;
    // Whether the description draws from a picture: it must name a picture
    // and hold a non-empty skin rectangle.
    bool Drawn;
    bool (*IsExpected)(const TlxSkinDescription& Description);
};

std::span<const TlxRequiredSkinName> RequiredSkinNames();

// What keeps Content from being a complete skin of this program: a required
// name missing or of the wrong class; a drawn description without a picture
// or image; names held by descriptions (scroll bars, drop-down list, tab
// scroller, menu bar objects) that resolve to nothing; corner points that
// cross or leave their image, empty tile extents and client rectangles
// outside their image; a missing frame, inactive frame, popup, hint or
// background picture; skin colours left as system colours. Empty for a
// complete skin. Problems of the content itself are CheckSkinContent's.
std::vector<std::string> CheckSkinCompleteness(const TlxSkinContent& Content);
