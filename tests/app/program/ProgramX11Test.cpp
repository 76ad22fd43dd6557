// The program as a user starts it: on a private X server, with a home folder
// of its own, a file added through the add button's menu and the open dialog,
// converted with the start button, and the window closed as a window manager
// closes it.

#include "media/TFFmpegLoader.h"
#include "media/prober/TAVProbe.h"

// Last: it brings Xlib, whose macros clash with the names above.
#include "ProgramX11Fixture.h"

namespace fs = std::filesystem;

TEST_F(ProgramX11, AFileIsAddedConvertedAndTheWindowClosesWithCodeZero) {
    Start();
    XPoint client{};
    const Window window = WaitForMainWindow(client);
    ASSERT_NE(window, 0u) << "the main window never mapped";
    AddFileWithOpenDialog(client);
    if (HasFatalFailure()) return;

    // Start; the run ends by opening the output folder ("转换完成后：" first choice).
    Click(client.x + 585 + 70, client.y + 358 + 30);
    ASSERT_TRUE(WaitFor([&] { return !OpenedText().empty(); }, 120000)) << "the run never ended";
    const std::string folder = OpenedText().substr(0, OpenedText().find('\n'));
    const std::string output = folder + "/in.mp4";
    ASSERT_TRUE(fs::exists(output)) << output;

    // The first iPod profile: MPEG-4 at 320 x 240 with sound.
    ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg();
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(output));
    ASSERT_GT(probe.VideoStreamCount(), 0);
    EXPECT_EQ(probe.FirstVideoStreamInfo().Width, 320);
    EXPECT_EQ(probe.FirstVideoStreamInfo().Height, 240);
    EXPECT_GT(probe.AudioStreamCount(), 0);

    RequestClose(window);
    EXPECT_EQ(ExitCode(20000), std::optional<int>(0));
}
