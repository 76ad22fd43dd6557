#include "WinTestUtil.h"

#include <gtest/gtest.h>

TEST(Activation, PopupAnsweringNoActivateChangesNeitherFocusNorActivation) {
    THeadlessSession s;
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    HWND edit = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 100, 20), form);
    HWND popup = MakeWindow(WS_POPUP, Bounds(400, 100, 100, 100), form, [](HWND, TMessage& m) {
        if (m.Msg == WM_MOUSEACTIVATE) {
            m.Result = MA_NOACTIVATE;
            return true;
        }
        return false;
    });
    ShowWindow(popup, SW_SHOWNA);
    s.Pump();
    SetFocus(edit);
    ASSERT_EQ(GetActiveWindow(), form);
    TMessageRecorder rec({}, {WM_ACTIVATE, WM_NCACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN});
    s.Click({450, 150});
    s.Pump();
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_LBUTTONDOWN}));
    EXPECT_EQ(rec.Messages()[0].Wnd, popup);
}

TEST(Activation, ClickOnAnotherFormDeactivatesTheOldOneFirst) {
    THeadlessSession s;
    HWND a = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 200, 200));
    HWND b = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(300, 0, 200, 200));
    s.Pump();
    SetActiveWindow(a);
    ASSERT_EQ(GetFocus(), a);
    TMessageRecorder rec(
        {}, {WM_ACTIVATE, WM_NCACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN, WM_MOUSEACTIVATE});
    s.Click({400, 100});
    s.Pump();
    std::vector<std::pair<HWND, uint32_t>> got;
    for (auto& m : rec.Messages())
        got.emplace_back(m.Wnd, m.Msg);
    std::vector<std::pair<HWND, uint32_t>> expected = {
        {b, WM_MOUSEACTIVATE}, {a, WM_NCACTIVATE}, {a, WM_ACTIVATE}, {b, WM_NCACTIVATE},
        {b, WM_ACTIVATE},      {a, WM_KILLFOCUS},  {b, WM_SETFOCUS}, {b, WM_LBUTTONDOWN}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(LoPart(rec.Messages()[4].WParam), static_cast<int32_t>(WA_CLICKACTIVE));
    EXPECT_EQ(GetActiveWindow(), b);
    // The activated window comes to the top.
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), b);
}

TEST(Activation, FocusMessagesAndKeysGoToTheFocusedWindow) {
    THeadlessSession s;
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    std::vector<std::pair<uint32_t, WPARAM>> keys;
    auto keyLog = [&](HWND, TMessage& m) {
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP || m.Msg == WM_CHAR || m.Msg == WM_SYSKEYDOWN ||
            m.Msg == WM_SYSCHAR || m.Msg == WM_SYSKEYUP)
            keys.emplace_back(m.Msg, m.WParam);
        return false;
    };
    HWND e1 = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 100, 20), form, keyLog);
    HWND e2 = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 70, 100, 20), form);
    s.Pump();
    SetFocus(e1);
    TMessageRecorder rec({}, {WM_SETFOCUS, WM_KILLFOCUS});
    SetFocus(e2);
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(rec.Messages()[0].Wnd, e1);
    EXPECT_EQ(WParamToHwnd(rec.Messages()[0].WParam), e2);
    EXPECT_EQ(rec.Messages()[1].Wnd, e2);
    EXPECT_EQ(WParamToHwnd(rec.Messages()[1].WParam), e1);

    SetFocus(e1);
    s.Key('A');
    s.KeyDown(VK_SHIFT);
    s.Key('B');
    s.KeyUp(VK_SHIFT);
    s.KeyDown(VK_CONTROL);
    s.Key('C');
    s.KeyUp(VK_CONTROL);
    s.KeyDown(VK_MENU);
    s.Key('D');
    s.KeyUp(VK_MENU);
    s.Type("中");
    s.Pump();
    using P = std::pair<uint32_t, WPARAM>;
    std::vector<P> expected = {
        P{WM_KEYDOWN, 'A'},        P{WM_CHAR, 'a'},           P{WM_KEYUP, 'A'},      P{WM_KEYDOWN, VK_SHIFT},
        P{WM_KEYDOWN, 'B'},        P{WM_CHAR, 'B'},           P{WM_KEYUP, 'B'},      P{WM_KEYUP, VK_SHIFT},
        P{WM_KEYDOWN, VK_CONTROL}, P{WM_KEYDOWN, 'C'},        P{WM_CHAR, 3},         P{WM_KEYUP, 'C'},
        P{WM_KEYUP, VK_CONTROL},   P{WM_SYSKEYDOWN, VK_MENU}, P{WM_SYSKEYDOWN, 'D'}, P{WM_SYSCHAR, 'd'},
        P{WM_SYSKEYUP, 'D'},       P{WM_SYSKEYUP, VK_MENU},   P{WM_CHAR, 0x4E2D}};
    EXPECT_EQ(keys, expected);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
}

TEST(Activation, HidingOrDestroyingTheActiveWindowActivatesAnother) {
    THeadlessSession s;
    HWND owner = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    HWND dialog = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(50, 50, 100, 100), owner);
    s.Pump();
    EXPECT_EQ(GetActiveWindow(), dialog);
    // Owned windows stay above their owner.
    SetActiveWindow(owner);
    EXPECT_EQ(GetWindow(owner, GW_HWNDFIRST), dialog);
    SetActiveWindow(dialog);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), owner);
}

TEST(Activation, DisabledWindowGetsNoMouseInputAndLosesCapture) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
    s.Pump();
    SetCapture(w);
    EnableWindow(w, false);
    EXPECT_EQ(GetCapture(), nullptr);
    TMessageRecorder rec({w}, {WM_LBUTTONDOWN, WM_MOUSEMOVE});
    s.Click({50, 50});
    s.Pump();
    EXPECT_TRUE(rec.Msgs().empty());
}

TEST(Activation, ProgramLosingAndRegainingTheInputTellsItsWindows) {
    THeadlessSession s;
    HWND a = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 200, 200));
    s.Pump();
    ASSERT_EQ(GetActiveWindow(), a);
    TMessageRecorder rec({a}, {WM_ACTIVATEAPP, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS});
    TRawInput in;
    in.Kind = TRawInputKind::riAppDeactivate;
    QueueRawInput(in);
    s.Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    in.Kind = TRawInputKind::riAppActivate;
    QueueRawInput(in);
    s.Pump();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_ACTIVATE, WM_KILLFOCUS, WM_ACTIVATEAPP, WM_ACTIVATEAPP,
                                                 WM_ACTIVATE, WM_SETFOCUS}));
}

TEST(Activation, MouseLeaveComesWhenThePointerLeavesATrackedWindow) {
    THeadlessSession s;
    HWND a = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, [](HWND w, TMessage& m) {
        if (m.Msg == WM_MOUSEMOVE) {
            TTrackMouseEvent t{TME_LEAVE, w};
            TrackMouseEvent(t);
        }
        return false;
    });
    MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(100, 0, 100, 100));
    s.Pump();
    TMessageRecorder rec({a}, {WM_MOUSEMOVE, WM_MOUSELEAVE});
    s.MouseMove({50, 50});
    s.MouseMove({60, 50});
    s.MouseMove({150, 50});
    s.MouseMove({300, 300});
    s.Pump();
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSELEAVE}));
}
