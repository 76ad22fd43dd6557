#include "FrameTest.h"

#include "platform/gdi/Gdi.h"
#include "skin/engine/SkinRegions.h"

#include <vector>

namespace {

struct TSize2 {
    int W, H;
};

class TlxLumivexFrameTest : public TFrameTest {};

TRect ClientInWindow(HWND H) {
    TRect r;
    GetClientRectInWindow(H, r);
    return r;
}

// The client follows the skin's client rectangle with the frame stretched.
TEST_F(TlxLumivexFrameTest, ClientRectangleAtThreeSizes) {
    TFrameSkin skin;
    Load(skin);
    for (TSize2 s : {TSize2{100, 60}, TSize2{160, 90}, TSize2{333, 201}}) {
        Resize(s.W, s.H);
        EXPECT_EQ(ClientInWindow(Form->Handle()), (TRect{5, 25, s.W - 5, s.H - 5})) << s.W;
        EXPECT_EQ(LVX->NewRTPoint, (TPoint{40 + s.W - 100, 25})) << s.W;
        EXPECT_EQ(LVX->NewLBPoint, (TPoint{20, 55 + s.H - 60})) << s.W;
        EXPECT_EQ(LVX->NewHitTestRBPoint, (TPoint{92 + s.W - 100, 52 + s.H - 60})) << s.W;
        EXPECT_EQ(LVX->NewCaptionRect, (TRect{8, 4, 92 + s.W - 100, 20})) << s.W;
    }
}

// At 160 x 90 the frame grew by 60 x 30 from the 100 x 60 picture.
TEST_F(TlxLumivexFrameTest, MapSkinRectByCornerZones) {
    TFrameSkin skin;
    Load(skin);
    const struct {
        TRect In, Out;
    } cases[] = {
        {{2, 2, 10, 10}, {2, 2, 10, 10}},       // left-top zone: stays
        {{50, 2, 60, 10}, {110, 2, 120, 10}},   // right-top: moves right
        {{2, 56, 10, 59}, {2, 86, 10, 89}},     // left-bottom: moves down
        {{50, 56, 60, 59}, {110, 86, 120, 89}}, // right-bottom: moves both ways
        {{2, 2, 50, 58}, {2, 2, 110, 88}},      // left-top to right-bottom: grows both ways
        {{8, 4, 50, 20}, {8, 4, 110, 20}},      // left-top to right-top: grows wider
        {{2, 56, 50, 59}, {2, 86, 110, 89}},    // left-bottom to right-bottom: wider, moved down
        {{2, 2, 10, 58}, {2, 2, 10, 88}},       // left-top to left-bottom: grows taller
        {{50, 2, 60, 58}, {110, 2, 120, 88}},   // right-top to right-bottom: moved right, taller
        {{25, 30, 30, 40}, {25, 30, 30, 40}},   // in the middle: stays
    };
    LVX->CalcNewGeometry();
    for (auto& c : cases)
        EXPECT_EQ(LVX->MapSkinRect(c.In), c.Out) << c.In.Left << "," << c.In.Top;
}

struct TLayoutCase {
    const char* Name;
    bool InLeft, ButtonsRect, SysMenu;
    TRect Close, Max, Min, SysMenuRect, Caption;
};

// Buttons 12 x 12 with a gap of 2 at 160 x 90 (the layout rectangles grow by 60).
TEST_F(TlxLumivexFrameTest, ButtonLayout) {
    const TLayoutCase cases[] = {
        {"right in the buttons rectangle, system menu at the caption's left",
         false,
         true,
         true,
         {140, 4, 152, 16},
         {126, 4, 138, 16},
         {112, 4, 124, 16},
         {8, 6, 20, 18},
         {20, 4, 110, 20}},
        {"right in the caption, no system menu: the caption ends before them",
         false,
         false,
         false,
         {140, 4, 152, 16},
         {126, 4, 138, 16},
         {112, 4, 124, 16},
         {},
         {8, 4, 112, 20}},
        {"left in the caption with the system menu after them",
         true,
         false,
         true,
         {8, 4, 20, 16},
         {22, 4, 34, 16},
         {36, 4, 48, 16},
         {50, 4, 62, 16},
         {66, 4, 110, 20}},
    };
    for (const TLayoutCase& c : cases) {
        TFrameSkin skin(c.SysMenu);
        skin.Skin.Content().CapButtonsInLeft = c.InLeft;
        if (!c.ButtonsRect) skin.Skin.Content().ButtonsRect = {};
        Load(skin);
        EXPECT_EQ(Object("close")->ObjectRect, c.Close) << c.Name;
        EXPECT_EQ(Object("max")->ObjectRect, c.Max) << c.Name;
        EXPECT_EQ(Object("min")->ObjectRect, c.Min) << c.Name;
        if (c.SysMenu) {
            EXPECT_EQ(Object("sysmenu")->ObjectRect, c.SysMenuRect) << c.Name;
        }
        EXPECT_EQ(Object("caption")->ObjectRect, c.Caption) << c.Name;
    }
}

// Without a skin: a 3-pixel border, a caption of 19 (15 for tool windows) and
// buttons of 17 (13) from the right, 4 pixels from the top.
TEST_F(TlxLumivexFrameTest, DefaultFrameForNormalAndToolWindows) {
    const struct {
        TFormBorderStyle Style;
        int Caption, Button;
    } cases[] = {{bsSizeable, 19, 17}, {bsSizeToolWin, 15, 13}, {bsSingle, 19, 17}, {bsToolWindow, 15, 13}};
    for (auto& c : cases) {
        Form->SetBorderStyle(c.Style);
        Session.Pump();
        SendMessage(Form->Handle(), WM_NCPAINT, 1);
        EXPECT_EQ(ClientInWindow(Form->Handle()), (TRect{3, 3 + c.Caption, 157, 87})) << c.Style;
        const int S = c.Button;
        EXPECT_EQ(Object("closebutton")->ObjectRect, (TRect{157 - S, 4, 157, 4 + S})) << c.Style;
        EXPECT_EQ(Object("maxbutton")->ObjectRect, (TRect{157 - 2 * S, 4, 157 - S, 4 + S})) << c.Style;
        EXPECT_EQ(Object("sysmenubutton")->ObjectRect, (TRect{3, 4, 3 + S, 4 + S})) << c.Style;
        EXPECT_FALSE(Object("traybutton")->Visible);
    }
}

// With ShowIcon the system-menu button shows the form's icon, else the
// application's, else the system's default one, at 16 x 16 from (3, 4).
TEST_F(TlxLumivexFrameTest, SystemMenuButtonShowsTheFormsIconElseTheApplications) {
    auto picture = [](uint32_t Pixel) {
        TBitmap b(32, 32);
        b.SetPixelFormat(pf32bit);
        b.Fill(Pixel);
        return b;
    };
    const TBitmap red = picture(0xFFFF0000), green = picture(0xFF00FF00), none(0, 0);
    const TColor caption = ColorToRGB(clActiveCaption);
    const uint32_t defaultPixel =
        0xFF000000 | (caption & 0xFF) << 16 | (caption & 0xFF00) | (caption >> 16 & 0xFF);
    const struct {
        const char* What;
        const TBitmap &FormIcon, &AppIcon;
        uint32_t Centre, Corner; // at (11, 8) and (3, 4), window coordinates
    } cases[] = {
        {"the form's", red, green, 0xFFFF0000, 0xFFFF0000},
        {"the application's", none, green, 0xFF00FF00, 0xFF00FF00},
        // The default's corner is transparent over the caption's face.
        {"the default", none, none, defaultPixel, 0xFFF0F0F0},
    };
    for (auto& c : cases) {
        Application->SetIcon(c.AppIcon);
        auto* form = new TForm(nullptr);
        form->SetBounds(300, 200, 160, 90);
        form->SetIcon(c.FormIcon);
        auto* lvx = new TlxLumivex(form);
        lvx->SetShowIcon(true);
        form->Show();
        Session.Pump();
        SendMessage(form->Handle(), WM_NCPAINT, 1);
        Session.Pump();
        const TBitmap shot = Session.WindowShot(form->Handle());
        EXPECT_EQ(shot.ScanLine(8)[11], c.Centre) << c.What;
        EXPECT_EQ(shot.ScanLine(4)[3], c.Corner) << c.What;
        form->Free();
        Session.Pump();
    }
    Application->SetIcon(none);
}

// The region equals the black pixels of the mask grown to the frame: the
// whole window but three pixels at each corner.
TEST_F(TlxLumivexFrameTest, RegionFollowsTheMaskAtThreeSizes) {
    TFrameSkin skin;
    Load(skin);
    for (TSize2 s : {TSize2{100, 60}, TSize2{160, 90}, TSize2{333, 201}}) {
        Resize(s.W, s.H);
        TBitmap expected(s.W, s.H);
        expected.Fill(0xFF000000);
        const int r = s.W - 1, b = s.H - 1;
        for (TPoint p :
             {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{r, 0}, TPoint{r - 1, 0}, TPoint{r, 1},
              TPoint{0, b}, TPoint{1, b}, TPoint{0, b - 1}, TPoint{r, b}, TPoint{r - 1, b}, TPoint{r, b - 1}})
            expected.ScanLine(p.Y)[p.X] = 0xFFFFFFFF;
        HRGN want = nullptr;
        CreateRgnFromMask(want, &expected);
        HRGN got = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(Form->Handle(), got), 0) << s.W;
        EXPECT_TRUE(EqualRgn(want, got)) << s.W;
        DeleteObject(want);
        DeleteObject(got);
    }
}

TEST_F(TlxLumivexFrameTest, NoMaskGivesTheWholeWindow) {
    TFrameSkin skin(false, false);
    Load(skin);
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Form->Handle(), got), 0);
    TRect box;
    GetRgnBox(got, &box);
    EXPECT_EQ(box, (TRect{0, 0, 160, 90}));
    DeleteObject(got);
}

} // namespace
