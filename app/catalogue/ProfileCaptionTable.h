#pragma once

#include <span>
#include <string>
#include <string_view>

// `ProfileCaptionTable`: the captions of the profiles of every category list
// the menu reaches, in row order, exactly as the profile box shows them.
struct TProfileCaptionList {
    int CategoryListId;
    std::span<const char* const> Captions;
};

// The 26 lists in ascending list id.
std::span<const TProfileCaptionList> ProfileCaptionTable();
// The captions of one list; empty for a list the table lacks.
std::span<const char* const> ProfileCaptions(int ACategoryListId);
// The caption of a `ProfileKey`; nullptr when the key has none.
const char* ProfileCaption(int AKey);

// The extension a caption names: the text between its last "(*" and the ")"
// after it (".mp4" for "... (*.mp4)"); empty when the caption names none.
std::string CaptionExtension(std::string_view ACaption);
// The output extension of a profile, the one rule for naming its files: the
// extension its caption names. Empty for a key without a caption.
std::string ProfileExtension(int AKey);
// The picture of a profile box row: pictures 0 and 1 alternate, except in
// list 20, whose rows 7 and 8 take 0 and 1.
int ProfileImageIndex(int ACategoryListId, int ARow);
