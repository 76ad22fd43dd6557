#pragma once

#include <string_view>

class TlxCompressedSkinList;

// The program's skins as the form description of a compressed skin list
// ("object SkinList: TlxCompressedSkinList"), generated with the build.
std::string_view EmbeddedSkinListText();

// Replaces List's items with the program's skins, in their order, each with
// its name, description and compressed skin.
void LoadEmbeddedSkinList(TlxCompressedSkinList& List);
