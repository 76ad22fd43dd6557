#pragma once

// The item step the skinned lists and the combo box face share: an item's
// image and its text, plain or at tab stops.

#include "platform/base/Types.h"

#include <functional>
#include <string>
#include <vector>

class TCanvas;
class TCustomImageList;
class TStrings;

// The tab stops of a TabWidths list: its first ten lines at most, a line of
// the digits 0 to 9 only counting as its value and any other line as 0 (a
// value too large to hold counts as 0 too).
std::vector<int> TabStopsOf(const TStrings& TabWidths);

// Item Index's image and text into TxtRect on C (font, colour and a clear
// brush already set). With Images, image ImageIndex (when 0 or more, else
// image Index) is drawn, when the list has it, at TxtRect's left less Offset,
// centred vertically; the text then starts the images' width + 2 further
// right, also when no image was drawn. With Tabs the text is drawn at its tab
// stops from TxtRect's left + that image offset + 2, vertically centred and
// not moved by Offset; otherwise clipped to TxtRect at its left + 2 + the
// image offset - Offset.
void DrawItemImageAndText(TCanvas& C, const TRect& TxtRect, const std::string& Text, int Index,
                          TCustomImageList* Images, int ImageIndex, const std::vector<int>& Tabs, int Offset);
