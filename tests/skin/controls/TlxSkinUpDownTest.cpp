#include "skin/controls/TlxSkinUpDown.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

class TlxSkinUpDownTest : public TSkinControlTest {
protected:
    TlxSkinUpDown* UpDown(TUDOrientation Orientation = udVertical) {
        auto* u = Make<TlxSkinUpDown>(10, 10, 20, 40);
        u->SetOrientation(Orientation);
        u->OnChange = [this, u](TObject*) { Events.push_back("change " + std::to_string(u->Position())); };
        u->OnUpButtonClick = [this](TObject*) { Events.push_back("up"); };
        u->OnDownButtonClick = [this](TObject*) { Events.push_back("down"); };
        Session.Pump();
        return u;
    }
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinUpDownTest, PositionStaysWithinMinAndMax) {
    auto* u = UpDown();
    u->SetPosition(101);
    u->SetPosition(-1);
    EXPECT_EQ(u->Position(), 0);
    EXPECT_TRUE(Events.empty());
    u->SetPosition(0); // an accepted value tells even when it stays
    u->SetPosition(80);
    EXPECT_EQ(Events, (std::vector<std::string>{"change 0", "change 80"}));
    u->SetMax(50);
    EXPECT_EQ(u->Position(), 50);
    u->SetMin(60);
    EXPECT_EQ(u->Position(), 60);
    EXPECT_EQ(Events.size(), 2u);
}

TEST_F(TlxSkinUpDownTest, AClickStepsOnReleaseOverTheSameButton) {
    struct Case {
        const char* Name;
        TUDOrientation Orientation;
        TPoint Press, Release;
        int Increment;
        int Position;
        std::vector<std::string> Events;
    } cases[] = {
        {"vertical up", udVertical, {10, 5}, {10, 5}, 5, 15, {"change 15", "up"}},
        {"vertical down", udVertical, {10, 35}, {10, 35}, 5, 5, {"change 5", "down"}},
        {"horizontal: the right half is up", udHorizontal, {15, 20}, {15, 20}, 1, 11, {"change 11", "up"}},
        {"horizontal: the left half is down", udHorizontal, {3, 20}, {3, 20}, 1, 9, {"change 9", "down"}},
        {"released off the button", udVertical, {10, 5}, {10, 35}, 1, 10, {}},
        {"increment 0: a plain click", udVertical, {10, 5}, {10, 5}, 0, 10, {"up"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* u = UpDown(c.Orientation);
        u->SetPosition(10);
        u->SetIncrement(c.Increment);
        Events.clear();
        Session.MouseMove(At(u, c.Press.X, c.Press.Y));
        Session.MouseDown(At(u, c.Press.X, c.Press.Y));
        Session.MouseMove(At(u, c.Release.X, c.Release.Y));
        Session.MouseUp(At(u, c.Release.X, c.Release.Y));
        Session.Pump();
        EXPECT_EQ(u->Position(), c.Position);
        EXPECT_EQ(Events, c.Events);
        u->Free();
    }
}

TEST_F(TlxSkinUpDownTest, HoldingRepeatsAfterHalfASecondEveryTenthAndFasterAfterComingBack) {
    auto* u = UpDown();
    Session.MouseMove(At(u, 10, 5));
    Session.MouseDown(At(u, 10, 5));
    Session.Advance(599);
    EXPECT_EQ(u->Position(), 0);
    Session.Advance(1);
    EXPECT_EQ(u->Position(), 1);
    Session.Advance(200);
    EXPECT_EQ(u->Position(), 3);
    // Off the held button the repeat pauses; back on it, every 50 ms.
    Session.MouseMove(At(u, 10, 35));
    Session.Advance(300);
    EXPECT_EQ(u->Position(), 3);
    Session.MouseMove(At(u, 10, 5));
    Session.Advance(100);
    EXPECT_EQ(u->Position(), 5);
    Session.MouseUp(At(u, 10, 5));
    Session.Advance(500);
    EXPECT_EQ(u->Position(), 6); // the release steps once more
    // Holding at the end changes nothing more and tells nothing.
    u->SetPosition(100);
    Events.clear();
    Session.MouseDown(At(u, 10, 5));
    Session.Advance(1000);
    Session.MouseUp(At(u, 10, 5));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"up"}));
}

TEST_F(TlxSkinUpDownTest, LooksAsGoldens) {
    TTestSkin skin;
    TBitmap picture(40, 20);
    picture.Fill(0xFF808080);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            picture.ScanLine(y)[x] = 0xFF2080E0;
    const int index = skin.AddPicture(picture);
    auto& d = skin.Add<TlxDataSkinUpDownControl>("vupdown");
    d.PictureIndex = index;
    d.MaskPictureIndex = -1;
    d.SkinRect = {0, 0, 20, 20};
    d.UpButtonRect = {0, 0, 20, 10};
    d.DownButtonRect = {0, 10, 20, 20};
    d.ActiveUpButtonRect = {20, 0, 40, 10};
    d.ActiveDownButtonRect = {20, 10, 40, 20};
    skin.LoadInto(SD);

    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* u = UpDown();
        u->SetSkinDataName("vupdown");
        if (skinned) u->SetSkinData(SD);
        Session.MouseMove(At(u, 10, 3));
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(u), std::string("skin/controls/TlxSkinUpDown/") +
                                               (skinned ? "skinned" : "builtin")));
        Session.MouseMove({390, 290});
        u->Free();
    }
}
