// The hooks after encoding: the preview bitmap event and the preview window
// of a running conversion, on the headless window system.

#include <atomic>
#include <future>
#include <regex>

#include "media/engine/EngineHooks.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/backend/headless/TMessageRecorder.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TScreen.h"
#include "tests/media/engine/HookTestSupport.h"

namespace {

// One second of the clip at its own pace, scaled down, without sound.
void PreparePacedRun(TCustomFFmpeg& E, const TScratchFolder& AFolder) {
    PrepareConversion(E, FixturePath("clip.mkv"), {{"re", "1"}}, AFolder.File("paced.mkv"),
                      {{"vcodec", "mpeg4"}, {"an", "1"}, {"s", "160x120"}, {"t", "1"}});
}

TPostHooks PostHooksOf(TCustomFFmpeg& E) {
    std::lock_guard lock(E.PostHookLock());
    return E.FPostHooks;
}

std::shared_ptr<TPreviewer> PreviewerOf(TCustomFFmpeg& E) {
    std::lock_guard lock(E.PostHookLock());
    return E.FPostContext->Previewer;
}

} // namespace

// With both post hooks set and a handler, only the handler gets frames (no
// window, though a window system runs), at most one per PreviewInterval.
TEST_F(TCustomFFmpegTest, PreviewBitmapComesAtMostOncePerIntervalAndWinsOverTheWindow) {
    THeadlessSession session;
    TScratchFolder folder;
    struct TEvent {
        int64_t Clock;
        int FrameNumber;
        int64_t PTS;
        int Width, Height;
    };
    std::vector<TEvent> events;
    E->SetPostHooks({TPostHook::phPreview, TPostHook::phBitmap});
    E->FOnPreviewBitmap = [&](TCustomFFmpeg* Sender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
        EXPECT_EQ(Sender, E.get());
        EXPECT_EQ(PreviewerOf(*E), nullptr);
        // The engine's own clock when it let this picture through: the
        // handler's clock would add the time of converting the picture.
        events.push_back(
            {E->FPostContext->preview_last_time, AFrameNumber, APTS, ABitmap->Width(), ABitmap->Height()});
    };
    PreparePacedRun(*E, folder);
    E->StartConvert(false);
    EXPECT_TRUE(E->Finished()) << E->FatalMessage();
    EXPECT_EQ(Screen->FormCount(), 0);
    EXPECT_EQ(PostHooksOf(*E), (TPostHooks{TPostHook::phPreview, TPostHook::phBitmap}));

    // 25 pictures over one second: a frame every 40 ms, shown every third.
    ASSERT_GE(events.size(), 3u);
    EXPECT_LE(events.size(), 11u);
    for (size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].Width, 160);
        EXPECT_EQ(events[i].Height, 120);
        if (i == 0) continue;
        // Every picture (40 ms apart) would fail.
        EXPECT_GT(events[i].Clock - events[i - 1].Clock, E->PreviewInterval);
        EXPECT_GT(events[i].FrameNumber, events[i - 1].FrameNumber);
        EXPECT_GT(events[i].PTS, events[i - 1].PTS);
    }
}

// A threaded run shows its frames in one window of the encoder's size,
// captioned with the time; once the user closes it no frame follows, the
// preview hook is switched off and the window freed.
TEST_F(TCustomFFmpegTest, PreviewWindowShowsTheRunUntilTheUserClosesIt) {
    THeadlessSession session;
    TScratchFolder folder;
    std::atomic<bool> terminated{false};
    E->FOnTerminate = [&](TCustomFFmpeg*) { terminated = true; };
    E->SetPostHooks({TPostHook::phPreview});
    PreparePacedRun(*E, folder);
    ASSERT_TRUE(E->StartConvert(true));

    HWND wnd = nullptr;
    ASSERT_TRUE(session.RunUntil([&] {
        std::shared_ptr<TPreviewer> p = PreviewerOf(*E);
        wnd = p ? p->FormHandle() : nullptr;
        return wnd != nullptr;
    }));
    TRect client;
    GetClientRect(wnd, client);
    EXPECT_EQ(client.Width(), 160);
    EXPECT_EQ(client.Height(), 120);
    const std::regex timeText(R"(00:00:00\.\d{3})");
    const std::string first = GetWindowText(wnd);
    EXPECT_TRUE(std::regex_match(first, timeText)) << first;
    ASSERT_TRUE(session.RunUntil([&] { return GetWindowText(wnd) != first; }));
    EXPECT_TRUE(std::regex_match(GetWindowText(wnd), timeText)) << GetWindowText(wnd);
    EXPECT_EQ(PreviewerOf(*E)->FormHandle(), wnd);
    EXPECT_EQ(Screen->FormCount(), 1);

    TMessageRecorder recorder({wnd}, {WM_SETTEXT});
    SendMessage(wnd, WM_CLOSE);
    ASSERT_TRUE(session.RunUntil([&] { return !PostHooksOf(*E).Contains(TPostHook::phPreview); }));
    ASSERT_TRUE(session.RunUntil([&] { return !IsWindow(wnd); }));
    EXPECT_EQ(recorder.Count(WM_SETTEXT), 0);
    EXPECT_EQ(PreviewerOf(*E), nullptr);
    ASSERT_TRUE(session.RunUntil([&] { return terminated.load(); }));
    EXPECT_TRUE(E->Finished()) << E->FatalMessage();
    EXPECT_EQ(Screen->FormCount(), 0);
}

// The hook set is guarded per engine: one engine's running conversion, which
// holds its own lock while it hands a picture on, never stalls a preview
// switch of another engine.
TEST_F(TCustomFFmpegTest, PostHookLockBelongsToItsEngine) {
    TCustomFFmpeg other(20);
    std::unique_lock held(E->PostHookLock());
    auto change = std::async(std::launch::async, [&] { other.SetPostHooks({TPostHook::phBitmap}); });
    const bool finished = change.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    held.unlock();
    change.wait();
    EXPECT_TRUE(finished) << "a preview switch waited for another engine's lock";
    EXPECT_EQ(PostHooksOf(other), TPostHooks{TPostHook::phBitmap});
}
