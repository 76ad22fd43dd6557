#include "skin/controls/TlxSkinPopupMenu.h"

#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinMessages.h"
#include "tests/support/skin/TRecordingMenuHost.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TClosingProbe : public TWinControl {
public:
    using TWinControl::TWinControl;
    int Closes = 0;
    void WndProc(TMessage& M) override {
        if (M.Msg == WM_CLOSESKINMENU) ++Closes;
        TWinControl::WndProc(M);
    }
};

class TlxSkinPopupMenuTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Host = new TRecordingMenuHost(Form);
        Host->MenusSkin = SD;
    }
    TlxSkinPopupMenu* Menu(TComponent* Owner, int Items = 1) {
        auto* m = new TlxSkinPopupMenu(Owner);
        for (int i = 0; i < Items; ++i) {
            auto* item = new TMenuItem(m);
            item->SetCaption("Item");
            m->Items()->Add(item);
        }
        m->OnPopup = [this](TObject*) { Host->Log.push_back("on popup"); };
        return m;
    }
    TRecordingMenuHost* Host = nullptr;
};

} // namespace

TEST_F(TlxSkinPopupMenuTest, OpeningEntersMenuModeAndHandsTheItemsToTheFormsEngine) {
    TlxSkinPopupMenu* m = Menu(Form);
    EXPECT_EQ(m->PopupPoint(), (TPoint{-1, -1}));
    m->PopupFromRect({10, 20, 30, 40}, true);
    EXPECT_EQ(Host->Log, (std::vector<std::string>{"on popup", "open", "popup"}));
    EXPECT_EQ(Host->Shown.Get(), m);
    EXPECT_EQ(Host->ShownRect, (TRect{10, 20, 30, 40}));
    EXPECT_TRUE(Host->ShownUp);
    EXPECT_EQ(m->PopupPoint(), (TPoint{10, 20}));
    EXPECT_EQ(m->SkinData(), SD) << "taken from the skinning at the first opening";

    // An open menu is closed first.
    Host->Log.clear();
    m->Popup(5, 6);
    EXPECT_EQ(Host->Log, (std::vector<std::string>{"on popup", "close", "open", "popup"}));
    EXPECT_EQ(Host->ShownRect, (TRect{5, 6, 5, 6}));
    EXPECT_FALSE(Host->ShownUp);
}

TEST_F(TlxSkinPopupMenuTest, TheSkinningIsFoundThroughTheOwners) {
    auto* other = new TSkinTestForm(nullptr);
    auto* otherHost = new TRecordingMenuHost(other);
    auto* frame = new TComponent(Form); // a frame on the form owns the menu
    auto* mdiChild = new TSkinTestForm(nullptr);
    mdiChild->SetFormStyle(fsMDIChild);
    auto* childHost = new TRecordingMenuHost(mdiChild);
    struct Case {
        const char* Name;
        std::function<TlxSkinPopupMenu*()> Make;
        TlxSkinMenuHost* Expected;
    } cases[] = {
        {"the owner form", [&] { return Menu(Form); }, Host},
        {"the owner's owner", [&] { return Menu(frame); }, Host},
        {"the component form",
         [&] {
             auto* m = Menu(Form);
             m->SetComponentForm(other);
             return m;
         },
         otherHost},
        {"the skin component",
         [&] {
             auto* m = Menu(nullptr);
             m->SetSkinComponent(otherHost);
             return m;
         },
         otherHost},
        {"an MDI child without a main form keeps its own", [&] { return Menu(mdiChild); }, childHost},
        {"no form", [&] { return Menu(nullptr); }, nullptr},
    };
    TCustomForm* savedMain = Application->MainForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TlxSkinPopupMenu* m = c.Make();
        EXPECT_EQ(m->FindHost(), c.Expected);
        if (!m->Owner()) m->Free();
    }
    EXPECT_EQ(savedMain, nullptr) << "the tests run without a main form";
    mdiChild->Free();
    other->Free();
}

TEST_F(TlxSkinPopupMenuTest, WithoutSkinningOrWithoutVisibleItemsNothingOpens) {
    auto* probe = new TClosingProbe(Form);
    probe->SetParent(Form);
    Session.Pump();

    TlxSkinPopupMenu* orphan = Menu(nullptr);
    orphan->Popup2(probe, 1, 1);
    EXPECT_EQ(Host->Log, (std::vector<std::string>{"on popup"}));
    EXPECT_EQ(probe->Closes, 0);
    orphan->Free();
    Host->Log.clear();

    TlxSkinPopupMenu* empty = Menu(Form, 1);
    empty->Items()->Items(0)->SetVisible(false);
    int closes = 0;
    empty->OnMenuClose = [&](TObject*) { ++closes; };
    empty->PopupFromRect2(probe, {1, 1, 2, 2}, false);
    EXPECT_EQ(Host->Log, (std::vector<std::string>{"on popup"})) << "no menu mode";
    EXPECT_EQ(probe->Closes, 1) << "the opener comes up again";
    EXPECT_EQ(closes, 1);
}

TEST_F(TlxSkinPopupMenuTest, TheOpenerAndOnMenuCloseHearTheClose) {
    auto* probe = new TClosingProbe(Form);
    probe->SetParent(Form);
    Session.Pump();
    TlxSkinPopupMenu* m = Menu(Form);
    int closes = 0;
    m->OnMenuClose = [&](TObject*) { ++closes; };
    m->Popup2(probe, 1, 1);
    EXPECT_EQ(m->PopupComponent(), probe);
    EXPECT_EQ(Host->ShownOpener.Get(), probe);
    Host->Close();
    EXPECT_EQ(probe->Closes, 1);
    EXPECT_EQ(closes, 1);
}
