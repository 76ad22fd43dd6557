#include "skin/controls/SkinItemText.h"

#include "platform/base/Strings.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"
#include "skin/engine/SkinText.h"

#include <algorithm>

std::vector<int> TabStopsOf(const TStrings& TabWidths) {
    std::vector<int> out;
    for (int i = 0; i < std::min(TabWidths.Count(), 10); ++i) {
        const std::string line = TabWidths.Get(i);
        int value = 0;
        const bool digits =
            !line.empty() && line.size() <= 9 &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits) value = std::stoi(line);
        out.push_back(value);
    }
    return out;
}

void DrawItemImageAndText(TCanvas& C, const TRect& TxtRect, const std::string& Text, int Index,
                          TCustomImageList* Images, int ImageIndex, const std::vector<int>& Tabs,
                          int Offset) {
    int imageOffset = 0;
    if (Images) {
        const int image = ImageIndex >= 0 ? ImageIndex : Index;
        if (image >= 0 && image < Images->Count())
            Images->Draw(&C, TxtRect.Left - Offset, TxtRect.Top + TxtRect.Height() / 2 - Images->Height() / 2,
                         image);
        imageOffset = Images->Width() + 2;
    }
    if (!Tabs.empty()) {
        const int y = TxtRect.Top + TxtRect.Height() / 2 - C.TextHeight(Text) / 2;
        C.Brush()->SetStyle(bsClear);
        TabbedTextOut(C.Handle(), TxtRect.Left + imageOffset + 2, y, Text, static_cast<int>(Tabs.size()),
                      Tabs.data(), 0);
        return;
    }
    TextRectVCenterOffset(&C, Text, TxtRect, imageOffset - Offset);
}
