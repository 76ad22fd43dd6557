#pragma once
// A small sound skin for the skin targets' seeds: its description text and
// the pictures it names, in the order a folder load asks for them.

#include <string>
#include <vector>

std::string SeedSkinText();
std::vector<std::string> SeedSkinPictures();
