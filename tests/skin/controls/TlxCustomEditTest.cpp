#include "skin/controls/TlxCustomEdit.h"
#include "platform/vcl/TClipboard.h"
#include "platform/vcl/VclMessages.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMessages.h"
#include "tests/support/skin/TRecordingMenuHost.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// Stands in for a form's default and cancel buttons: hears the dialog keys
// the form broadcasts.
class TDialogKeyProbe : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<std::string>* Log = nullptr;
    void WndProc(TMessage& M) override {
        if (M.Msg == CM_DIALOGKEY && Log) Log->push_back("dialog " + std::to_string(M.WParam));
        TWinControl::WndProc(M);
    }
};

class TlxCustomEditTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        // A plain popup menu goes to the presenter, the edit's own skinned
        // menu to the form's skinning.
        FPrevious = TPopupMenu::SetPresenter([this](TPopupMenu* M, int X, int Y) {
            Shown = M;
            ShownAt = {X, Y};
        });
        Host = new TRecordingMenuHost(Form);
        Clipboard().SetAsText("");
    }
    void TearDown() override {
        TPopupMenu::SetPresenter(FPrevious);
        TSkinControlTest::TearDown();
    }
    TlxCustomEdit* Edit(const std::string& Text) {
        auto* e = Make<TlxCustomEdit>(20, 30, 120, 20);
        e->SetText(Text);
        e->SetFocus();
        Session.Pump();
        EXPECT_TRUE(e->Focused());
        return e;
    }
    TMenuItem* Item(const std::string& Caption) {
        TakeHostMenu();
        for (int i = 0; Shown && i < Shown->Items()->Count(); ++i)
            if (Shown->Items()->Items(i)->Caption() == Caption) return Shown->Items()->Items(i);
        return nullptr;
    }
    // The menu's entries as "caption" or "caption (off)".
    std::vector<std::string> Entries() {
        TakeHostMenu();
        std::vector<std::string> out;
        for (int i = 0; Shown && i < Shown->Items()->Count(); ++i) {
            TMenuItem* m = Shown->Items()->Items(i);
            out.push_back(m->Caption() + (m->Enabled() || m->IsLine() ? "" : " (off)"));
        }
        return out;
    }

    // The menu the skinning showed last, once.
    void TakeHostMenu() {
        if (!Host->Shown) return;
        Shown = dynamic_cast<TPopupMenu*>(Host->Shown.Get());
        ShownAt = Host->ShownRect.TopLeft();
        Host->Shown.Set(nullptr);
    }

    TPopupMenu* Shown = nullptr;
    TPoint ShownAt{-100, -100};
    TRecordingMenuHost* Host = nullptr;

private:
    TPopupMenu::TPresenter FPrevious;
};

} // namespace

TEST_F(TlxCustomEditTest, WindowIsBorderlessSingleLineWithMargins) {
    auto* e = Edit("abc");
    auto style = [&] { return static_cast<uint32_t>(GetWindowLongPtr(e->Handle(), GWL_STYLE)); };
    auto exStyle = [&] { return static_cast<uint32_t>(GetWindowLongPtr(e->Handle(), GWL_EXSTYLE)); };
    EXPECT_FALSE(style() & WS_BORDER);
    EXPECT_TRUE(style() & ES_MULTILINE);
    EXPECT_FALSE(exStyle() & WS_EX_TRANSPARENT);
    EXPECT_EQ(e->Perform(EM_GETMARGINS), MakeLParam(2, 0));

    e->SetEditTransparent(true);
    EXPECT_TRUE(exStyle() & WS_EX_TRANSPARENT);
    e->SetPasswordChar(U'*');
    e->RecreateWnd();
    EXPECT_TRUE(style() & ES_PASSWORD);
    EXPECT_FALSE(style() & ES_MULTILINE);

    // Still one line: a pasted text stops at its first line break.
    Clipboard().SetAsText("one\r\ntwo");
    e->SetPasswordChar(0);
    e->SelectAll();
    e->PasteFromClipboard();
    EXPECT_EQ(e->Text(), "one");
}

TEST_F(TlxCustomEditTest, ReadOnlyRefusesEveryChangeButKeepsCaretSelectionAndCopy) {
    auto* e = Edit("abc");
    e->SetReadOnly(true);
    Clipboard().SetAsText("zz");
    e->SetSelStart(1);
    e->SetSelLength(1);
    Session.Type("x");
    Session.Key(VK_DELETE);
    Session.Pump();
    e->Perform(WM_CUT);
    e->Perform(WM_PASTE);
    e->Perform(WM_CLEAR);
    e->Perform(WM_UNDO);
    EXPECT_EQ(e->Text(), "abc");
    EXPECT_EQ(Clipboard().AsText(), "zz");

    Session.Key(VK_END);
    Session.Pump();
    EXPECT_EQ(e->SelStart(), 3);
    e->SelectAll();
    e->CopyToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "abc");
}

TEST_F(TlxCustomEditTest, EnterAndEscReachTheFormAfterOnKeyPress) {
    std::vector<std::string> log;
    auto* probe = Make<TDialogKeyProbe>(200, 200, 10, 10);
    probe->Log = &log;
    auto* e = Edit("abc");
    e->OnKeyPress = [&](TObject*, char32_t& Key) {
        log.push_back("keypress " + std::to_string(static_cast<int>(Key)));
        Key = U'q'; // has no effect on what the form receives
    };
    Session.Type("\r");
    Session.Pump();
    e->Perform(WM_CHAR, VK_ESCAPE);
    EXPECT_EQ(log, (std::vector<std::string>{"keypress 13", "dialog 13", "keypress 27", "dialog 27"}));
    EXPECT_EQ(e->Text(), "abc");
}

TEST_F(TlxCustomEditTest, ContextMenuEnabledStatesFollowTheEdit) {
    struct Case {
        const char* Name;
        std::function<void(TlxCustomEdit*)> Set;
        std::vector<std::string> Expected;
    } cases[] = {
        {"selection, undo and clipboard text",
         [](TlxCustomEdit* e) {
             Clipboard().SetAsText("zz");
             e->SelectAll();
             e->SetSelText("abcd");
             e->SetSelStart(0);
             e->SetSelLength(2);
         },
         {"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}},
        {"read-only",
         [](TlxCustomEdit* e) {
             Clipboard().SetAsText("zz");
             e->SetSelLength(2);
             e->SetReadOnly(true);
         },
         {"Undo (off)", "-", "Cut (off)", "Copy", "Paste (off)", "Delete (off)", "-", "Select All"}},
        {"password",
         [](TlxCustomEdit* e) {
             e->SetPasswordChar(U'*');
             e->SetSelLength(2);
         },
         {"Undo (off)", "-", "Cut (off)", "Copy (off)", "Paste (off)", "Delete", "-", "Select All"}},
        {"everything selected",
         [](TlxCustomEdit* e) { e->SelectAll(); },
         {"Undo (off)", "-", "Cut", "Copy", "Paste (off)", "Delete", "-", "Select All (off)"}},
        {"empty",
         [](TlxCustomEdit* e) {
             e->SetText("");
             e->SetSelStart(0);
         },
         {"Undo (off)", "-", "Cut (off)", "Copy (off)", "Paste (off)", "Delete (off)", "-",
          "Select All (off)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Clipboard().SetAsText("");
        auto* e = Edit("abc");
        e->SetSelStart(0);
        c.Set(e);
        Shown = nullptr;
        e->Perform(WM_CONTEXTMENU, 0, PointToLParam({50, 60}));
        EXPECT_EQ(Entries(), c.Expected);
        e->Free();
    }
}

TEST_F(TlxCustomEditTest, ContextMenuCaptionsComeFromTheSkinStringTable) {
    auto* e = Edit("abc");
    e->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    ASSERT_NE(Item("Select All"), nullptr);

    auto* strings = new TlxResourceStrData(Form);
    TStringList lines;
    lines.Add("EDIT_COPY=复制");
    lines.Add("EDIT_SELECTALL=全选");
    strings->SetResStrings(lines);
    SD->SetResourceStrData(strings);
    e->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    EXPECT_NE(Item("复制"), nullptr);
    EXPECT_NE(Item("全选"), nullptr);
    EXPECT_NE(Item("Paste"), nullptr); // a key the table lacks keeps the built-in text
}

TEST_F(TlxCustomEditTest, ContextMenuOpensAtThePointOrTheCentreAndRunsItsCommand) {
    auto* e = Edit("abc");
    e->SetSelStart(1);
    e->Perform(WM_CONTEXTMENU, 0, PointToLParam({50, 60}));
    TakeHostMenu();
    EXPECT_EQ(ShownAt, (TPoint{50, 60}));
    EXPECT_EQ(Host->ShownOpener.Get(), e);
    auto* menu = dynamic_cast<TlxSkinPopupMenu*>(Shown);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->PopupComponent(), e);
    EXPECT_EQ(menu->ComponentForm(), Form);

    // The menu key: the centre of the edit. The earlier menu is replaced.
    e->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    TakeHostMenu();
    EXPECT_EQ(ShownAt, e->ClientToScreen({60, 10}));
    EXPECT_EQ(e->SysPopupMenu(), Shown);

    Item("Select All")->Click();
    e->Perform(WM_AFTERDISPATCH);
    Session.Pump();
    EXPECT_EQ(e->SelLength(), 3);
    EXPECT_EQ(e->SysPopupMenu(), nullptr);
}

TEST_F(TlxCustomEditTest, OwnPopupMenuIsShownInsteadOfTheBuiltOne) {
    auto* e = Edit("abc");
    auto* own = new TPopupMenu(Form);
    e->SetPopupMenu(own);
    e->Perform(WM_CONTEXTMENU, 0, PointToLParam({5, 6}));
    EXPECT_EQ(Shown, own);
    EXPECT_EQ(e->SysPopupMenu(), nullptr);
}

TEST_F(TlxCustomEditTest, CancelModeNamesTheControlThatCausedIt) {
    auto* e = Edit("abc");
    TControl* seen = nullptr;
    e->OnEditCancelMode = [&](TControl* Sender) { seen = Sender; };
    e->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Form));
    EXPECT_EQ(seen, Form);
}
