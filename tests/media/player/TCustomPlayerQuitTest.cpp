#include "platform/backend/headless/THeadlessSession.h"
#include "platform/win/WinApi.h"
#include "tests/media/player/PlayerTestSupport.h"

namespace {

class TCustomPlayerQuitTest : public PlayerLibrariesTest {};

// The main window of a program: closing it ends the program.
HWND MakeMainWindow() {
    return CreateWindowEx(0, "Main", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, 0,
                          [](HWND, TMessage& m, const TCallNext& next) {
                              if (m.Msg == WM_CLOSE) {
                                  PostQuitMessage(4);
                                  return;
                              }
                              next(m);
                          });
}

TEST_F(TCustomPlayerQuitTest, AQuitMetInsideAPlayerWaitIsKeptForTheProgram) {
    THeadlessSession session(false);
    HWND main = MakeMainWindow();
    session.Pump();
    TCustomPlayer player;
    // Handlers run inside the player's waits: the end of a file reached the
    // program while Stop waited, and it decided to quit.
    player.SetOnState([](TCustomPlayer*, TPlayState AState) {
        if (AState == psStop) PostQuitMessage(9);
    });
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    player.Stop(true);
    int code = 0;
    EXPECT_TRUE(QuitPending(&code));
    EXPECT_EQ(code, 9);
    TMsg m;
    EXPECT_FALSE(GetMessage(m)); // the program's loop ends on it
    EXPECT_EQ(m.wParam, 9u);

    // The main window closed by the user during a wait: held back while the
    // player waits, so nothing re-enters it, and acted on afterwards.
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    player.SetOnState(nullptr);
    TRawInput close;
    close.Kind = TRawInputKind::riClose;
    close.Window = main;
    QueueRawInput(close);
    player.Seek(int64_t(1000000), {}, true);
    player.Stop(true);
    EXPECT_FALSE(QuitPending());
    session.Pump();
    EXPECT_TRUE(QuitPending(&code));
    EXPECT_EQ(code, 4);
}

} // namespace
