#pragma once
// A skin made in code for the skinned controls' tests: pictures drawn from
// pixel art or plain fills, descriptions of any kind with their fields set by
// the test, loaded into a skin data object as a real skin change (the
// messages reach every open form).

#include "platform/gdi/TBitmap.h"
#include "skin/engine/SkinContent.h"
#include "tests/support/pictures/PixelArt.h"

#include <functional>
#include <memory>
#include <string>

class TlxSkinData;
class TlxDataSkinCustomControl;

class TTestSkin {
public:
    TTestSkin();

    // Appends a numbered picture; returns its index.
    int AddPicture(const TBitmap& Picture);
    // Appends a description of class D named Name and returns it for the
    // test to fill.
    template <class D> D& Add(const std::string& Name) {
        auto d = std::make_unique<D>(Name);
        D& ref = *d;
        FContent.CtrlList.push_back(std::move(d));
        return ref;
    }
    // Appends a frame object description of class D (menu items, menu bar
    // items) named Name and returns it for the test to fill.
    template <class D> D& AddObject(const std::string& Name) {
        auto d = std::make_unique<D>(Name);
        D& ref = *d;
        FContent.ObjectList.push_back(std::move(d));
        return ref;
    }
    TlxSkinContent& Content() { return FContent; }
    // Edits the skin's colour set.
    void SetColors(const std::function<void(TlxSkinColors&)>& Edit) { Edit(*FContent.SkinColors()); }

    // Replaces SD's skin by this one, announced to every form.
    void LoadInto(TlxSkinData* SD);

    // The picture of the standard skin, 48 x 24. Left half: a nine-part frame
    // of 20 x 20 at (0, 0): corners of 4 x 4 in red, top and bottom sides in
    // green, left and right sides in yellow, a client of 12 x 12 in a blue and
    // white checker of 2 x 2 cells. Right half, at (24, 0): the same frame
    // in darker colours, for a second state. Black elsewhere.
    static TBitmap StandardPicture();
    // The nine-part geometry of StandardPicture's frame into D, with
    // SkinRect moved to (X, Y) and picture index Picture.
    static void SetNinePart(TlxDataSkinCustomControl& D, int Picture, int X = 0, int Y = 0);

private:
    TlxSkinContent FContent;
};

// Paints R of B in one opaque colour (0xRRGGBB), for drawing test pictures.
void FillPixels(TBitmap& B, const TRect& R, uint32_t Rgb);

// Colours of StandardPicture (0xRRGGBB) and a pixel-art legend naming them:
// 'r' corner, 'g' top and bottom side, 'y' left and right side, 'b' and '.'
// client, and the darker twins 'R', 'G', 'Y', 'B', ':' of the second state;
// 'f' is clBtnFace, 's' clBtnShadow, 'h' clBtnHighlight, 'n' navy, '#' black.
const TPixelLegend& TestSkinLegend();
