#include "skin/windows/TlxSkinStdButtonObject.h"

#include "platform/base/Color.h"
#include "tests/skin/windows/TFrameObjectTest.h"

#include <functional>

namespace {

using L = TMouseButton;

class TlxSkinStdButtonObjectTest : public TFrameObjectTest {
protected:
    void SetUp() override {
        TFrameObjectTest::SetUp();
        Form->OnClose = [this](TObject*, TCloseAction& Action) {
            ++Closes;
            Action = caNone;
        };
    }
    TlxSkinStdButtonObject* MakeButton(TlxStdCommand Command,
                                       const std::function<void(TlxDataSkinStdButton&)>& Change = {}) {
        TTestSkin skin = MakeSkin();
        auto& d = AddButton<TlxDataSkinStdButton>(skin, "b");
        d.Command = Command;
        d.DownRect = Block(2);
        if (Change) Change(d);
        Apply(skin);
        return Object<TlxSkinStdButtonObject>("b");
    }
    // A built-in button of the default frame, as the component makes them.
    TlxSkinStdButtonObject* MakeDefault(TlxStdCommand Command) {
        Defaults.push_back(std::make_unique<TlxSkinStdButtonObject>(Lvx, nullptr));
        TlxSkinStdButtonObject* b = Defaults.back().get();
        b->Command = Command;
        b->SkinRectInAPicture = true;
        b->SkinRect = b->ActiveSkinRect = b->DownRect = {0, 0, 1, 1};
        b->ObjectRect = {0, 0, 17, 17};
        return b;
    }

    int Closes = 0;
    std::vector<std::unique_ptr<TlxSkinStdButtonObject>> Defaults;
};

TEST_F(TlxSkinStdButtonObjectTest, CloseActsOnlyOnPressAndReleaseOverTheButton) {
    TlxSkinStdButtonObject* b = MakeButton(cmClose);
    b->MouseEnter();
    b->MouseDown(5, 5, L::mbLeft);
    b->MouseLeave();
    b->MouseUp(50, 50, L::mbLeft);
    EXPECT_EQ(Closes, 0);
    EXPECT_FALSE(b->Down());

    bool downAtClose = true;
    Form->OnClose = [&](TObject*, TCloseAction& Action) {
        ++Closes;
        downAtClose = b->Down();
        Action = caNone;
    };
    b->MouseEnter();
    b->MouseDown(5, 5, L::mbLeft);
    EXPECT_EQ(Drawn(b), StateRgb::Down);
    b->MouseUp(5, 5, L::mbLeft);
    EXPECT_EQ(Closes, 1);
    EXPECT_FALSE(downAtClose) << "the button is released before the form closes";

    // The right button never runs the command.
    b->MouseDown(5, 5, L::mbRight);
    b->MouseUp(5, 5, L::mbRight);
    EXPECT_EQ(Closes, 1);
}

TEST_F(TlxSkinStdButtonObjectTest, SystemMenuButtonClosesOnDoubleClick) {
    MakeButton(cmSysMenu)->DblClick();
    EXPECT_EQ(Closes, 1);
    MakeButton(cmMaximize)->DblClick();
    EXPECT_EQ(Closes, 1);
}

TEST_F(TlxSkinStdButtonObjectTest, SystemMenuButtonOpensTheSystemMenuOnPress) {
    TlxSkinStdButtonObject* b = MakeButton(cmSysMenu);
    b->MouseEnter();
    b->MouseDown(5, 5, L::mbLeft);
    EXPECT_EQ(b->MenuItem, Lvx->GetSystemMenuItems());
    EXPECT_EQ(Lvx->InMenu, b->HasMenu());
}

TEST_F(TlxSkinStdButtonObjectTest, RestoreImagesAndHintWhileMaximized) {
    Lvx->SetUseDefaultObjectHint(false); // the skin's own hints
    TlxSkinStdButtonObject* b = MakeButton(cmMaximize, [](TlxDataSkinStdButton& d) {
        d.Hint = "Maximize it";
        d.RestoreHint = "Restore it";
        d.RestoreRect = Block(5);
        d.RestoreActiveRect = Block(6);
        d.RestoreDownRect = Block(7);
    });
    b->MouseEnter();
    EXPECT_EQ(b->Hint, "Maximize it");
    EXPECT_EQ(Drawn(b), StateRgb::Active);
    b->MouseLeave();

    Lvx->SetWindowState(wsMaximized);
    ASSERT_EQ(Lvx->WindowState(), wsMaximized);
    EXPECT_EQ(Drawn(b), StateRgb::Restore);
    b->MouseEnter();
    EXPECT_EQ(b->Hint, "Restore it");
    EXPECT_EQ(Drawn(b), StateRgb::RestoreActive);
    b->MouseDown(5, 5, L::mbLeft);
    EXPECT_EQ(Drawn(b), StateRgb::RestoreDown);
    b->MouseUp(5, 5, L::mbLeft);
    EXPECT_EQ(Lvx->WindowState(), wsNormal);
}

TEST_F(TlxSkinStdButtonObjectTest, RollUpButtonTogglesAndShowsItsRestoreImage) {
    TlxSkinStdButtonObject* b =
        MakeButton(cmRollUp, [](TlxDataSkinStdButton& d) { d.RestoreRect = Block(5); });
    b->MouseEnter();
    b->MouseDown(5, 5, L::mbLeft);
    b->MouseUp(5, 5, L::mbLeft);
    EXPECT_TRUE(Lvx->RollUpState());
    b->MouseLeave();
    EXPECT_EQ(Drawn(b), StateRgb::Restore);
}

// The built-in look: face, hover frame and pressed face, glyph moved by one
// pixel while pressed, grey glyph when disabled.
TEST_F(TlxSkinStdButtonObjectTest, DefaultLook) {
    TlxSkinStdButtonObject* b = MakeDefault(cmClose);
    auto shot = [&] {
        TBitmap out(17, 17);
        b->Draw(out.Canvas(), true);
        return out;
    };
    const uint32_t face = ColorToPixel(clBtnFace) & 0xFFFFFF;
    TBitmap normal = shot();
    EXPECT_EQ(RgbAt(normal, 0, 0), face);
    EXPECT_EQ(RgbAt(normal, 1, 1), face);

    b->MouseEnter();
    TBitmap hot = shot();
    EXPECT_EQ(RgbAt(hot, 0, 0), 0x000080u); // navy frame
    EXPECT_EQ(RgbAt(hot, 16, 16), 0x000080u);
    EXPECT_EQ(RgbAt(hot, 1, 1), 0xB6BDD2u);

    b->MouseDown(8, 8, L::mbLeft);
    TBitmap down = shot();
    EXPECT_EQ(RgbAt(down, 1, 1), 0x8593B5u);
    // The glyph moved by (1, 1): the pressed picture is the hot one shifted.
    int same = 0, total = 0;
    for (int y = 2; y < 15; ++y)
        for (int x = 2; x < 15; ++x) {
            const bool glyphHot = RgbAt(hot, x, y) == 0;
            const bool glyphDown = RgbAt(down, x + 1, y + 1) == 0;
            total += glyphHot;
            same += glyphHot && glyphDown;
        }
    EXPECT_GT(total, 0);
    EXPECT_EQ(same, total);

    b->MouseUp(8, 8, L::mbLeft);
    b->MouseLeave();
    b->Enabled = false;
    TBitmap disabled = shot();
    bool grey = false;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            EXPECT_NE(RgbAt(disabled, x, y), 0u);
            grey |= RgbAt(disabled, x, y) == (ColorToPixel(clBtnShadow) & 0xFFFFFF);
        }
    EXPECT_TRUE(grey);
}

// Each command draws its own glyph; the maximize glyph turns into the
// restore glyph while maximized.
TEST_F(TlxSkinStdButtonObjectTest, DefaultGlyphsDifferByCommandAndState) {
    auto picture = [&](TlxStdCommand c) {
        TlxSkinStdButtonObject* b = MakeDefault(c);
        TBitmap out(17, 17);
        b->Draw(out.Canvas(), true);
        std::vector<uint32_t> px;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x)
                px.push_back(RgbAt(out, x, y));
        return px;
    };
    const auto close = picture(cmClose), max = picture(cmMaximize), min = picture(cmMinimize),
               sys = picture(cmSysMenu), roll = picture(cmRollUp), tray = picture(cmMinimizeToTray),
               none = picture(cmDefault);
    const std::vector<std::vector<uint32_t>> all = {close, max, min, sys, roll, tray, none};
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(all[i], all[j]) << i << " vs " << j;
    Lvx->SetWindowState(wsMaximized);
    EXPECT_NE(picture(cmMaximize), max);
}

} // namespace
