#include "platform/backend/headless/THeadlessSession.h"

#include <gtest/gtest.h>

namespace {

TTrayImage Solid(int Size, uint32_t Pixel) {
    return {Size, Size, std::vector<uint32_t>(static_cast<size_t>(Size) * Size, Pixel)};
}

} // namespace

TEST(THeadlessDesktop, MonitorsAreTheConfiguredOnes) {
    THeadlessSession session;
    std::vector<TDesktopMonitor> two{{Rect(0, 0, 800, 600), Rect(0, 0, 800, 560), true},
                                     {Rect(800, 0, 1600, 600), Rect(800, 0, 1600, 600), false}};
    session.Backend().SetMonitors(two);
    std::vector<TDesktopMonitor> got = DesktopServices().Monitors();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].WorkArea, Rect(0, 0, 800, 560));
    EXPECT_TRUE(got[0].Primary);
    EXPECT_EQ(got[1].Bounds, Rect(800, 0, 1600, 600));
}

TEST(THeadlessDesktop, TheRecordingTrayHostShowsIconsAndSendsTheirInput) {
    THeadlessSession session;
    THeadlessDesktop& host = session.Backend().HeadlessDesktop();
    std::string error;
    std::unique_ptr<TTrayIcon> icon =
        DesktopServices().AddTrayIcon(Solid(16, 0xFF00FF00), "Converting", error);
    ASSERT_TRUE(icon);
    EXPECT_TRUE(error.empty());
    ASSERT_EQ(host.TrayIcons().size(), 1u);
    THeadlessTrayIcon* shown = host.TrayIcons()[0];
    EXPECT_EQ(shown->Tip(), "Converting");
    EXPECT_EQ(shown->Image().Pixels.at(0), 0xFF00FF00u);
    icon->SetTip("Done");
    icon->SetImage(Solid(8, 0xFFFF0000));
    EXPECT_EQ(shown->Tip(), "Done");
    EXPECT_EQ(shown->Image().Width, 8);

    std::vector<std::string> events;
    icon->OnEvent = [&](TTrayEventKind Kind, TPoint P) {
        const char* names[] = {"click", "double click", "menu"};
        events.push_back(std::string(names[static_cast<int>(Kind)]) + " at " + std::to_string(P.X));
    };
    shown->Send(TTrayEventKind::tkClick, {5, 5});
    shown->Send(TTrayEventKind::tkMenu, {7, 5});
    EXPECT_EQ(events, (std::vector<std::string>{"click at 5", "menu at 7"}));

    // A handler may remove its icon.
    icon->OnEvent = [&](TTrayEventKind, TPoint) { icon.reset(); };
    shown->Send(TTrayEventKind::tkDoubleClick);
    EXPECT_FALSE(icon);
    EXPECT_TRUE(host.TrayIcons().empty());
}

TEST(THeadlessDesktop, WithoutATrayTheIconIsRefusedWithTheReason) {
    THeadlessSession session;
    session.Backend().HeadlessDesktop().SetTrayAvailable(false);
    std::string error;
    EXPECT_FALSE(DesktopServices().AddTrayIcon(Solid(16, 0xFF000000), "tip", error));
    EXPECT_EQ(error, NoTrayMessage);
    EXPECT_TRUE(session.Backend().HeadlessDesktop().TrayIcons().empty());
}
