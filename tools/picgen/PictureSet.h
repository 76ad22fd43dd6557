#pragma once

#include "platform/gdi/TBitmap.h"

#include <string>
#include <vector>

struct TNamedPicture {
    std::string Name;
    TBitmap Picture;
};

// Every picture of the program that no skin provides, in a fixed order:
// the tool-bar glyphs ("tool-NAME" and "tool-NAME-disabled", 32 pixels),
// the empty file list's placeholder ("list-placeholder"), the category
// pictures of the images menu ("category-ID", 48 pixels) and of the profile
// box ("profile-ID", 32 pixels) by category list id, and the link image's
// states ("link-normal", "link-hot", "link-down"), the splash window's
// picture ("splash", 518 by 335) and the about box's ("about", 64 pixels).
std::vector<TNamedPicture> PictureSet();
