#include "skin/windows/TlxSkinButtonObject.h"

#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/skin/windows/TFrameObjectTest.h"

#include <functional>
#include <vector>

namespace {

class TlxSkinButtonObjectTest : public TFrameObjectTest {
protected:
    // A button "b" with normal, hovered, pressed and disabled images.
    TlxSkinButtonObject* MakeButton(const std::function<void(TlxDataSkinButton&)>& Change = {}) {
        TTestSkin skin = MakeSkin();
        auto& d = AddButton<TlxDataSkinButton>(skin, "b");
        d.DownRect = Block(2);
        d.DisableSkinRect = Block(3);
        if (Change) Change(d);
        Apply(skin);
        return Object<TlxSkinButtonObject>("b");
    }
};

using L = TMouseButton;

TEST_F(TlxSkinButtonObjectTest, ImageFollowsHoverPressAndEnabled) {
    struct TCase {
        const char* Name;
        std::function<void(TlxSkinButtonObject*)> Do;
        uint32_t Rgb;
    };
    const std::vector<TCase> cases = {
        {"normal", [](auto*) {}, StateRgb::Normal},
        {"hovered", [](auto* b) { b->MouseEnter(); }, StateRgb::Active},
        {"pressed",
         [](auto* b) {
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbLeft);
         },
         StateRgb::Down},
        {"pressed, mouse moved off",
         [](auto* b) {
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbLeft);
             b->MouseLeave();
         },
         StateRgb::Normal},
        {"pressed, mouse back",
         [](auto* b) {
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbLeft);
             b->MouseLeave();
             b->MouseEnter();
         },
         StateRgb::Down},
        {"released",
         [](auto* b) {
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbLeft);
             b->MouseUp(5, 5, L::mbLeft);
         },
         StateRgb::Active},
        {"right button does not press",
         [](auto* b) {
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbRight);
         },
         StateRgb::Active},
        {"disabled", [](auto* b) { b->Enabled = false; }, StateRgb::Disabled},
        {"disabled ignores a press",
         [](auto* b) {
             b->Enabled = false;
             b->MouseEnter();
             b->MouseDown(5, 5, L::mbLeft);
             b->Enabled = true;
         },
         StateRgb::Active},
    };
    for (const TCase& c : cases) {
        TlxSkinButtonObject* b = MakeButton();
        ASSERT_NE(b, nullptr);
        c.Do(b);
        EXPECT_EQ(Drawn(b), c.Rgb) << c.Name;
    }
}

TEST_F(TlxSkinButtonObjectTest, NormalImageInTheFramePictureIsLeftToTheFramePaint) {
    TlxSkinButtonObject* b = MakeButton([](TlxDataSkinButton& d) { d.SkinRectInAPicture = false; });
    // The whole-frame paint already shows it; a lone repaint copies it from the frame picture.
    EXPECT_EQ(Drawn(b, false), PaperRgb);
    EXPECT_EQ(Drawn(b, true), 0x404040u);
    b->MouseEnter();
    EXPECT_EQ(Drawn(b, false), StateRgb::Active);
}

TEST_F(TlxSkinButtonObjectTest, InactiveFormShowsTheInactiveImage) {
    TlxSkinButtonObject* b = MakeButton([](TlxDataSkinButton& d) { d.InActiveSkinRect = Block(4); });
    TForm* other = new TForm(nullptr);
    other->SetBounds(500, 0, 100, 100);
    other->Show();
    Session.Pump();
    ASSERT_FALSE(Lvx->GetFormActive());
    EXPECT_EQ(Drawn(b), StateRgb::InActive);
    b->Enabled = false;
    EXPECT_EQ(Drawn(b), StateRgb::Disabled);
    other->Free();
}

TEST_F(TlxSkinButtonObjectTest, EventsCarryTheNameAndNeedTheMouseOverTheButton) {
    TlxSkinButtonObject* b = MakeButton();
    std::vector<std::string> log;
    Lvx->OnMouseEnterEvent = [&](const std::string& n) { log.push_back("enter " + n); };
    Lvx->OnMouseLeaveEvent = [&](const std::string& n) { log.push_back("leave " + n); };
    Lvx->OnMouseDownEvent = [&](const std::string& n, int X, int Y, const TRect&, TMouseButton) {
        log.push_back("down " + n + " " + std::to_string(X) + "," + std::to_string(Y));
    };
    Lvx->OnMouseUpEvent = [&](const std::string& n, int, int, const TRect&, TMouseButton) {
        log.push_back("up " + n);
    };
    b->MouseEnter();
    b->MouseDown(3, 4, L::mbLeft);
    b->MouseUp(3, 4, L::mbLeft);
    b->MouseDown(3, 4, L::mbLeft);
    b->MouseLeave();
    b->MouseUp(30, 40, L::mbLeft); // released elsewhere: no up event
    b->Enabled = false;
    b->MouseEnter();
    b->MouseDown(3, 4, L::mbLeft); // disabled: no down event
    EXPECT_EQ(
        log, (std::vector<std::string>{"enter b", "down b 3,4", "up b", "down b 3,4", "leave b", "enter b"}));
}

TEST_F(TlxSkinButtonObjectTest, PushMorphReachesTheActiveImageInFiveTicksAndReturns) {
    TlxSkinButtonObject* b = MakeButton([](TlxDataSkinButton& d) {
        d.Morphing = true;
        d.MorphKind = mkPush;
    });
    ASSERT_TRUE(b->EnableMorphing());
    b->MouseEnter();
    EXPECT_TRUE(Lvx->MorphTimer->Enabled());
    Ticks(4);
    EXPECT_NEAR(b->MorphKf(), 0.8, 1e-9);
    // The push has not yet pushed the normal image out.
    TBitmap part(12, 12);
    b->Draw(part.Canvas(), true);
    bool normalLeft = false;
    for (int x = 0; x < 10; ++x)
        normalLeft |= RgbAt(part, x, 5) == StateRgb::Normal;
    EXPECT_TRUE(normalLeft);
    Ticks(1);
    EXPECT_EQ(b->MorphKf(), 1.0);
    EXPECT_EQ(Drawn(b), StateRgb::Active);
    Ticks(1);
    EXPECT_FALSE(Lvx->MorphTimer->Enabled());

    b->MouseLeave();
    Ticks(5);
    EXPECT_EQ(b->MorphKf(), 0.0);
    EXPECT_EQ(Drawn(b), StateRgb::Normal);
}

TEST_F(TlxSkinButtonObjectTest, NoMorphWithoutSkinEffectsOrActiveImage) {
    TlxSkinButtonObject* b = MakeButton([](TlxDataSkinButton& d) { d.Morphing = true; });
    SD->SetEnableSkinEffects(false);
    EXPECT_FALSE(b->EnableMorphing());
    b->MouseEnter();
    EXPECT_FALSE(Lvx->MorphTimer->Enabled());
    EXPECT_EQ(Drawn(b), StateRgb::Active);
    SD->SetEnableSkinEffects(true);

    b = MakeButton([](TlxDataSkinButton& d) {
        d.Morphing = true;
        d.ActiveSkinRect = {};
    });
    EXPECT_FALSE(b->Morphing);
}

TEST_F(TlxSkinButtonObjectTest, MenuButtonStaysPressedWithItsGlowUntilTheMenuCloses) {
    TlxSkinButtonObject* b = MakeButton([](TlxDataSkinButton& d) {
        d.GlowLayerPictureIndex = Glow;
        d.GlowLayerMaskPictureIndex = GlowMask;
    });
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(Form);
    item->SetCaption("one");
    menu->Items()->Add(item);
    Lvx->LinkMenu("b", menu, false);
    ASSERT_EQ(b->MenuItem, menu->Items());

    b->MouseEnter();
    b->MouseDown(5, 5, L::mbLeft);
    EXPECT_TRUE(Lvx->InMenu);
    b->MouseLeave();
    b->MouseUp(50, 50, L::mbLeft);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(Lvx->FMenuLayerManager->IsVisible, LayeredWindowsSupported());
    EXPECT_FALSE(b->CanMorphing());

    Lvx->SkinMenuClose();
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(Lvx->FMenuLayerManager->IsVisible);
}

// The linked menu opens below the button in the component's engine, or a
// skinned popup menu through its own opening; the button comes up when the
// menu closes.
TEST_F(TlxSkinButtonObjectTest, ALinkedMenuOpensBelowTheButtonAndItsCloseReleasesIt) {
    TlxSkinButtonObject* b = MakeButton();
    auto* plain = new TPopupMenu(Form);
    auto* skinned = new TlxSkinPopupMenu(Form);
    int skinnedPopups = 0;
    skinned->OnPopup = [&](TObject*) { ++skinnedPopups; };
    for (TMenu* menu : std::initializer_list<TMenu*>{plain, skinned}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption("one");
        menu->Items()->Add(item);
        Lvx->LinkMenu("b", menu, false);
        b->MouseEnter();
        b->MouseDown(5, 5, L::mbLeft);
        b->MouseUp(5, 5, L::mbLeft);
        Session.Pump();
        ASSERT_EQ(Lvx->SkinMenu->WindowCount(), 1);
        const TRect r = ObjectScreenRect(Lvx, b->ObjectRect);
        EXPECT_EQ(Lvx->SkinMenu->Windows(0)->ClientToScreen({0, 0}), (TPoint{r.Left, r.Bottom}));
        EXPECT_TRUE(b->Down());
        Session.Key(VK_ESCAPE);
        Session.Pump();
        EXPECT_FALSE(Lvx->SkinMenu->Visible());
        EXPECT_FALSE(Lvx->InMenu);
        EXPECT_FALSE(b->Down());
        b->MouseLeave();
    }
    EXPECT_EQ(skinnedPopups, 1);
    const TRect r = ObjectScreenRect(Lvx, b->ObjectRect);
    EXPECT_EQ(skinned->PopupPoint(), (TPoint{r.Left, r.Top}));
}

// A menu that cannot open (no entries, or none visible) leaves no button
// stuck pressed: no menu will close to release it, so its own release does.
TEST_F(TlxSkinButtonObjectTest, MenuThatCannotOpenLeavesTheButtonUp) {
    auto* empty = new TPopupMenu(Form);
    auto* hidden = new TPopupMenu(Form);
    auto* entry = new TMenuItem(Form);
    entry->SetVisible(false);
    hidden->Items()->Add(entry);
    for (TMenu* menu : std::initializer_list<TMenu*>{empty, hidden}) {
        TlxSkinButtonObject* b = MakeButton();
        Lvx->LinkMenu("b", menu, false);
        b->MouseEnter();
        b->MouseDown(5, 5, L::mbLeft);
        EXPECT_FALSE(Lvx->InMenu);
        b->MouseUp(5, 5, L::mbLeft);
        EXPECT_FALSE(b->Down());
    }
}

} // namespace
