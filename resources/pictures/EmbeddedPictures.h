#pragma once

#include <span>
#include <string_view>

class TBitmap;
class TCustomImageList;

struct TEmbeddedPicture {
    std::string_view Name;
    std::string_view Bmp; // a 32-bit BMP whose alpha marks the transparent pixels
};

// The program's own pictures, generated with the build (see tools/picgen).
std::span<const TEmbeddedPicture> EmbeddedPictures();

// Loads the picture Name into Picture; false (Picture unchanged) for an unknown name.
bool LoadEmbeddedPicture(std::string_view Name, TBitmap& Picture);

// Fills List with the pictures PrefixN for N = 0 .. Count - 1 at the list's
// size; a number without a picture gets a transparent one, so that an index
// still names its picture ("category-" with the category list ids).
void LoadEmbeddedPictureList(std::string_view Prefix, int Count, TCustomImageList& List);
