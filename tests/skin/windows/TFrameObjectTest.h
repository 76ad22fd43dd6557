#pragma once
// A skinned form whose component makes its frame objects from a skin built
// in code, for the frame objects' tests. The objects are drawn onto bitmaps
// and driven through their own operations; the component's timers step them
// on the virtual clock.

#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>

// The state images of picture 0, blocks of 10 x 10 from the left.
namespace StateRgb {
constexpr uint32_t Normal = 0xFF0000, Active = 0x00FF00, Down = 0x0000FF, Disabled = 0x808080,
                   InActive = 0xFFFF00, Restore = 0x00FFFF, RestoreActive = 0xFF00FF, RestoreDown = 0x800080,
                   RestoreInActive = 0x008080;
} // namespace StateRgb

// Colour of frame N (1-based) of the animation strip.
constexpr uint32_t FrameRgb(int N) {
    return 0x101010u * uint32_t(N);
}

// The background a test bitmap starts with.
constexpr uint32_t PaperRgb = 0x123456;

class TFrameObjectTest : public TSkinControlTest {
protected:
    // Picture indexes of the test skin.
    static constexpr int States = 0, Mask = 1, Strip = 2, Glow = 3, GlowMask = 4;

    void SetUp() override;

    // The block of picture 0 with index I (0 normal .. 8 restore inactive).
    static TRect Block(int I) { return {I * 10, 0, I * 10 + 10, 10}; }
    // A skin with the test pictures and a plain frame picture; descriptions
    // are added by the caller, then Apply.
    TTestSkin MakeSkin();
    // Loads the skin and gives it to the component, which makes the objects.
    void Apply(TTestSkin& Skin);
    // A description with every image of picture 0 named, in the frame's
    // top-left corner at (0, 0, 10, 10).
    template <class D> D& AddButton(TTestSkin& Skin, const std::string& Name) {
        D& d = Skin.AddObject<D>(Name);
        d.SkinRectInAPicture = true;
        d.ActivePictureIndex = States;
        d.SkinRect = Block(0);
        d.ActiveSkinRect = Block(1);
        return d;
    }
    template <class T> T* Object(const std::string& Name) {
        const int i = Lvx->GetIndex(Name);
        return i < 0 ? nullptr : dynamic_cast<T*>(Lvx->Objects(i));
    }
    // The colour Obj draws at its centre onto paper (UpDate as given).
    static uint32_t Drawn(TlxActiveSkinObject* Obj, bool UpDate = true);
    // Advances the virtual clock by N ticks of the component's 25 ms timers.
    void Ticks(int N);

    TlxLumivex* Lvx = nullptr;
};

uint32_t RgbAt(const TBitmap& B, int X, int Y);
