#include "WinTestUtil.h"

#include <gtest/gtest.h>

#include <string>

TEST(HandlerChain, MiddleRemovedFirstAndNextReachesDefault) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 50, 50));
    std::string trace;
    auto push = [&](char tag) {
        return PushWindowHandler(w, [&trace, tag](HWND, TMessage& m, const TCallNext& next) {
            if (m.Msg == WM_USER + 1) trace += tag;
            next(m);
        });
    };
    THandlerId a = push('a');
    THandlerId b = push('b');
    THandlerId c = push('c');
    (void)a;
    (void)c;
    SendMessage(w, WM_USER + 1);
    EXPECT_EQ(trace, "cba");
    trace.clear();
    RemoveWindowHandler(w, b);
    SendMessage(w, WM_USER + 1);
    EXPECT_EQ(trace, "ca");
    // Calling next all the way down reaches the default procedure, which
    // answers WM_NCHITTEST for a point in the client area.
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({10, 10})), HTCLIENT);
    RemoveWindowHandler(w, a);
    RemoveWindowHandler(w, c);
    trace.clear();
    SendMessage(w, WM_USER + 1);
    EXPECT_EQ(trace, "");
    DestroyWindow(w);
    // Removing after the window is gone is harmless.
    RemoveWindowHandler(w, a);
    RemoveWindowHandler(w, 12345);
}

TEST(HandlerChain, HandlerRemovingItselfWhileRunningStillCallsNext) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 50, 50));
    std::string trace;
    PushWindowHandler(w, [&](HWND, TMessage& m, const TCallNext& next) {
        if (m.Msg == WM_USER) trace += 'a';
        next(m);
    });
    THandlerId self = 0;
    self = PushWindowHandler(w, [&](HWND wnd, TMessage& m, const TCallNext& next) {
        if (m.Msg == WM_USER) {
            trace += 'b';
            RemoveWindowHandler(wnd, self);
        }
        next(m);
    });
    SendMessage(w, WM_USER);
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "baa");
}

TEST(HandlerChain, DeadHandleGivesZeroAndDestroyInsideHandlerIsDeferred) {
    THeadlessSession s;
    bool aliveInside = false;
    int destroyed = 0;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 50, 50), nullptr, [&](HWND wnd, TMessage& m) {
        if (m.Msg == WM_USER) {
            DestroyWindow(wnd);
            aliveInside = IsWindow(wnd);
            m.Result = 7;
            return true;
        }
        if (m.Msg == WM_DESTROY) ++destroyed;
        return false;
    });
    EXPECT_EQ(SendMessage(w, WM_USER), 7);
    EXPECT_TRUE(aliveInside);
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(SendMessage(w, WM_USER), 0);
    PostMessage(w, WM_USER);
    s.Pump(); // a post to a dead window is dropped quietly
}

TEST(HandlerChain, ChildDestroyingItsParentWaitsForBoth) {
    THeadlessSession s;
    HWND parent = MakeWindow(WS_POPUP, Rect(0, 0, 100, 100));
    std::vector<std::string> order;
    HWND child = MakeWindow(WS_CHILD, Rect(0, 0, 10, 10), parent, [&](HWND, TMessage& m) {
        if (m.Msg == WM_USER) {
            DestroyWindow(parent);
            order.push_back(IsWindow(parent) ? "parent alive" : "parent gone");
            return true;
        }
        if (m.Msg == WM_DESTROY) order.push_back("child destroyed");
        return false;
    });
    SendMessage(child, WM_USER);
    EXPECT_EQ(order, (std::vector<std::string>{"parent alive", "child destroyed"}));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
}
