#pragma once
// What the menu tests share: an opener control and a form hook that write
// the menu messages into one log, and menus built from a caption list.

#include "platform/vcl/TCustomControl.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinApi.h"
#include "skin/engine/SkinMessages.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>
#include <string>
#include <vector>

// A windowed control that opens menus and logs what the menu tells it.
class TMenuOpener : public TCustomControl {
public:
    TMenuOpener(TComponent* AOwner, std::vector<std::string>& ALog) : TCustomControl(AOwner), FLog(ALog) {}
    std::function<void(uint32_t Msg)> OnMenuMessage;

protected:
    void WndProc(TMessage& M) override {
        if (M.Msg == WM_CLOSESKINMENU || M.Msg == WM_AFTERDISPATCH) {
            FLog.push_back(M.Msg == WM_CLOSESKINMENU ? "opener closed" : "after dispatch");
            if (OnMenuMessage) OnMenuMessage(M.Msg);
            return;
        }
        TCustomControl::WndProc(M);
    }

private:
    std::vector<std::string>& FLog;
};

class TMenuTestBase : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Opener = Make<TMenuOpener>(10, 10, 80, 24, nullptr, Log);
        FFormHook = PushWindowHandler(Form->Handle(), [this](HWND, TMessage& M, const TCallNext& Next) {
            if (M.Msg == WM_CLOSESKINMENU) Log.push_back("form closed");
            Next(M);
        });
        Session.Pump();
    }
    void TearDown() override {
        RemoveWindowHandler(Form->Handle(), FFormHook);
        TSkinControlTest::TearDown();
    }
    template <class T, class... A> T* Make(int X, int Y, int W, int H, TWinControl* Parent, A&... Args) {
        T* c = new T(Form, Args...);
        c->SetParent(Parent ? Parent : Form);
        c->SetBounds(X, Y, W, H);
        return c;
    }
    // A menu item under Parent; "-" is a separator. Its click is logged as
    // "click <caption>".
    TMenuItem* Item(TMenuItem* Parent, const std::string& Caption, bool Enabled = true) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(Caption);
        item->SetEnabled(Enabled);
        item->OnClick = [this, Caption](TObject*) { Log.push_back("click " + Caption); };
        Parent->Add(item);
        return item;
    }
    // A popup menu whose root holds these captions.
    TPopupMenu* Menu(const std::vector<std::string>& Captions) {
        auto* menu = new TPopupMenu(Form);
        for (const std::string& c : Captions)
            Item(menu->Items(), c);
        return menu;
    }

    TMenuOpener* Opener = nullptr;
    std::vector<std::string> Log;

private:
    THandlerId FFormHook{};
};
