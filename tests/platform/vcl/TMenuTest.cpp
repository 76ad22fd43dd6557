#include "platform/vcl/TMenu.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TImageList.h"
#include "platform/win/WinConst.h"

#include <gtest/gtest.h>

namespace {

class TMenuForm : public TComponent {
public:
    using TComponent::TComponent;
    void OpenClick(TObject* Sender) { Log.push_back("click " + static_cast<TComponent*>(Sender)->Name()); }
    void MenuPopup(TObject*) { Log.push_back("popup"); }
    std::vector<std::string> Log;
};

const char* const MenuText = R"(object MenuForm: TMenuForm
  object Images1: TImageList
    Width = 20
  end
  object MainMenu1: TMainMenu
    Images = Images1
    object File1: TMenuItem
      Caption = '文件(&F)'
      object Open1: TMenuItem
        Caption = 'Open'
        ImageIndex = 2
        ShortCut = 16463
        OnClick = OpenClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Small1: TMenuItem
        Caption = 'Small'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object Large1: TMenuItem
        Caption = 'Large'
        GroupIndex = 1
        RadioItem = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    AutoPopup = False
    OnPopup = MenuPopup
  end
end
)";

class TMenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClass<TMenuForm>("TMenuForm", "TComponent")
            .Handler("OpenClick", &TMenuForm::OpenClick)
            .Handler("MenuPopup", &TMenuForm::MenuPopup);
        Form.reset(new TMenuForm(nullptr));
        TComponentReader::ReadText(Form.get(), MenuText);
    }
    template <class T> T* Find(const char* Name) { return dynamic_cast<T*>(Form->FindComponent(Name)); }
    TComponentPtr<TMenuForm> Form;
};

} // namespace

TEST_F(TMenuFixture, DescriptionBuildsTheTreeAndRoundTrips) {
    auto* menu = Find<TMainMenu>("MainMenu1");
    ASSERT_EQ(menu->Items()->Count(), 1);
    TMenuItem* file = menu->Items()->Items(0);
    EXPECT_EQ(file->Caption(), "文件(&F)");
    ASSERT_EQ(file->Count(), 4);
    EXPECT_TRUE(file->Items(1)->IsLine());
    EXPECT_EQ(file->Items(2)->MenuIndex(), 2);
    EXPECT_EQ(file->Items(0)->GetParentMenu(), menu);
    EXPECT_EQ(menu->Images(), Find<TImageList>("Images1"));
    EXPECT_EQ(TComponentWriter::WriteText(Form.get()), MenuText);
}

TEST_F(TMenuFixture, RadioItemsOfAGroupExcludeEachOther) {
    auto* small = Find<TMenuItem>("Small1");
    auto* large = Find<TMenuItem>("Large1");
    auto* open = Find<TMenuItem>("Open1");
    open->SetChecked(true); // not a radio item: stays with the others
    large->SetChecked(true);
    EXPECT_FALSE(small->Checked());
    EXPECT_TRUE(open->Checked());
    large->SetGroupIndex(2);
    small->SetChecked(true);
    EXPECT_TRUE(large->Checked());
}

TEST_F(TMenuFixture, ShortCutsClickEnabledVisibleItemsOnly) {
    auto* menu = Find<TMainMenu>("MainMenu1");
    std::vector<std::pair<std::string, bool>> changes;
    menu->OnChange = [&](TObject*, TMenuItem* item, bool rebuild) {
        changes.emplace_back(item ? item->Name() : "", rebuild);
    };
    TShortCut ctrlO = ShortCut('O', {ssCtrl});
    EXPECT_EQ(ctrlO, 16463);
    EXPECT_TRUE(menu->IsShortCut(ctrlO));
    EXPECT_EQ(Form->Log, std::vector<std::string>{"click Open1"});
    Find<TMenuItem>("Open1")->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(ctrlO));
    Find<TMenuItem>("Open1")->Click();
    EXPECT_EQ(Form->Log.size(), 1u);
    EXPECT_FALSE(menu->IsShortCut(ShortCut('O', {})));
    EXPECT_EQ(changes, (std::vector<std::pair<std::string, bool>>{{"Open1", false}}));
}

TEST_F(TMenuFixture, FreeingAnItemFreesItsSubItemsAndTheImageListIsForgotten) {
    auto* file = Find<TMenuItem>("File1");
    int before = Form->ComponentCount();
    file->Free();
    EXPECT_EQ(Form->ComponentCount(), before - 5);
    EXPECT_EQ(Find<TMainMenu>("MainMenu1")->Items()->Count(), 0);
    Find<TImageList>("Images1")->Free();
    EXPECT_EQ(Find<TMainMenu>("MainMenu1")->Images(), nullptr);
    Form.reset(); // the rest goes with the form
}

TEST_F(TMenuFixture, PopupRaisesOnPopupThenThePresenter) {
    std::vector<std::string> shown;
    auto previous = TPopupMenu::SetPresenter([&](TPopupMenu* m, int x, int y) {
        shown.push_back(m->Name() + " " + std::to_string(x) + "," + std::to_string(y));
    });
    auto* popup = Find<TPopupMenu>("PopupMenu1");
    EXPECT_FALSE(popup->AutoPopup());
    popup->Popup(30, 40);
    TPopupMenu::SetPresenter(previous);
    EXPECT_EQ(Form->Log, std::vector<std::string>{"popup"});
    EXPECT_EQ(shown, std::vector<std::string>{"PopupMenu1 30,40"});
    EXPECT_EQ(popup->PopupPoint(), (TPoint{30, 40}));
}

TEST(TMenuItem, InsertRejectsCyclesAndItemsOfAnotherParent) {
    TComponentPtr<TComponent> owner(new TComponent(nullptr));
    auto* a = new TMenuItem(owner.get());
    auto* b = new TMenuItem(owner.get());
    a->Add(b);
    EXPECT_THROW(b->Add(a), EComponentError);
    EXPECT_THROW(a->Add(b), EComponentError);
    EXPECT_THROW(a->Insert(5, new TMenuItem(owner.get())), EListError);
    b->SetMenuIndex(3);
    EXPECT_EQ(b->MenuIndex(), 0);
}

TEST_F(TMenuFixture, DispatchCommandClicksTheItemOfThatCommandInItsOwnMenu) {
    auto* open = Find<TMenuItem>("Open1");
    EXPECT_NE(open->Command(), Find<TMenuItem>("Small1")->Command());
    EXPECT_FALSE(Find<TPopupMenu>("PopupMenu1")->DispatchCommand(open->Command())) << "another menu's item";
    EXPECT_TRUE(Find<TMainMenu>("MainMenu1")->DispatchCommand(open->Command()));
    EXPECT_EQ(Form->Log, std::vector<std::string>{"click Open1"});
    const uint16_t gone = open->Command();
    open->Free();
    EXPECT_FALSE(Find<TMainMenu>("MainMenu1")->DispatchCommand(gone));
}

TEST(TMenuItem, ShortCutText) {
    const std::pair<TShortCut, const char*> cases[] = {
        {ShortCut('S', {ssCtrl}), "Ctrl+S"},
        {ShortCut(VK_F1, {}), "F1"},
        {ShortCut(VK_DELETE, {ssShift, ssCtrl}), "Shift+Ctrl+Del"},
        {ShortCut(VK_RETURN, {ssAlt}), "Alt+Enter"},
        {ShortCut('7', {}), "7"},
        {0, ""},
    };
    for (auto [shortcut, text] : cases)
        EXPECT_EQ(ShortCutToText(shortcut), text);
}

TEST(TMenuItem, RethinkLinesShowsOnlySeparatorsBetweenVisibleItems) {
    TComponentPtr<TComponent> owner(new TComponent(nullptr));
    TMenuItem root(nullptr);
    std::string layout = "-a--b-";
    for (char c : layout) {
        auto* item = new TMenuItem(owner.get());
        item->SetCaption(c == '-' ? "-" : std::string(1, c));
        root.Add(item);
    }
    root.Items(4)->SetVisible(false); // "b" hidden: the lines after "a" lead nowhere
    root.RethinkLines();
    std::string shown;
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i)->Visible()) shown += root.Items(i)->Caption();
    EXPECT_EQ(shown, "a");
    root.Items(4)->SetVisible(true);
    root.RethinkLines();
    shown.clear();
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i)->Visible()) shown += root.Items(i)->Caption();
    EXPECT_EQ(shown, "a-b");
}
