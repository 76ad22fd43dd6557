#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"

#include "FrameSkin.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDlgForm.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "tests/skin/dialogs/message/MessageBoxDriver.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TestSkin.h"

#include <gtest/gtest.h>

namespace {

// A test skin whose button is the standard nine-part frame, in a light or
// a dark variant of the standard picture's state halves.
void FillTestSkin(TTestSkin& Skin, bool Dark) {
    const int picture = Skin.AddPicture(TTestSkin::StandardPicture());
    TTestSkin::SetNinePart(Skin.Add<TlxDataSkinButtonControl>("button"), picture, Dark ? 24 : 0);
}

class TlxSelectSkinDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Main = new TForm(nullptr);
        Main->SetBounds(50, 50, 500, 400);
        Main->Show();
        Session.Pump();
        List = new TlxCompressedSkinList(Main);
        LoadEmbeddedSkinList(*List);
        // The application's own skin: the first of the list.
        AppSD = new TlxSkinData(Main);
        AppSD->SetSkinIndex(0);
        AppSD->SetSkinList(List);
        Dialog = new TlxSelectSkinDialog(Main);
        Dialog->SetSkinList(List);
    }
    void TearDown() override {
        Application->OnIdle = nullptr;
        Main->Free();
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
    }

    // Execute(Index) with Act run on the dialog while it shows.
    bool Run(int Index, const std::function<void(TlxSelectSkinDlgForm*)>& Act) {
        return WhileShown<TlxSelectSkinDlgForm, bool>(
            Session, [&] { return Dialog->Execute(Index); }, Act);
    }
    bool RunStored(TlxCompressedStoredSkin* Default, const std::function<void(TlxSelectSkinDlgForm*)>& Act) {
        return WhileShown<TlxSelectSkinDlgForm, bool>(
            Session, [&] { return Dialog->Execute(Default); }, Act);
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }
    // The screen point in the middle of line Index of the list.
    static TPoint Line(TlxSelectSkinDlgForm* F, int Index) {
        TlxListBox* list = F->SkinsListBox->ListBox();
        const TRect r = list->ItemRect(Index);
        return list->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    }
    static std::vector<std::string> Lines(TlxSelectSkinDlgForm* F) {
        std::vector<std::string> out;
        for (int i = 0; i < F->SkinsListBox->Items()->Count(); ++i)
            out.push_back(F->SkinsListBox->Items()->Strings(i));
        return out;
    }

    THeadlessSession Session;
    TForm* Main = nullptr;
    TlxCompressedSkinList* List = nullptr;
    TlxSkinData* AppSD = nullptr;
    TlxSelectSkinDialog* Dialog = nullptr;
};

} // namespace

TEST_F(TlxSelectSkinDialogTest, ExecuteHighlightsThePassedSkinPreviewsItAndDownEnterReturnsTheNext) {
    int lineShown = -1, previewIndex = -1;
    std::string previewName, focused;
    TSize client;
    bool previewIsChild = false, previewDisabled = false;
    std::vector<std::string> lines, captions;
    const bool ok = Run(1, [&](TlxSelectSkinDlgForm* f) {
        lineShown = f->SkinsListBox->ItemIndex();
        previewIndex = f->PreviewSkinData->SkinIndex();
        previewName = f->PreviewSkinData->Empty ? "" : f->PreviewSkinData->SkinName;
        client = {f->ClientWidth(), f->ClientHeight()};
        previewIsChild = IsChild(f->Handle(), f->PreviewForm->Handle()) && f->PreviewForm->Visible();
        previewDisabled = !f->PreviewForm->Enabled();
        focused = GetFocus() == f->SkinsListBox->ListBox()->Handle() ? "list" : "other";
        lines = Lines(f);
        captions = {f->Caption(), f->PreviewForm->Caption(), f->PreviewButton->Caption(),
                    f->OpenButton->Caption(), f->CancelButton->Caption()};
        Session.Key(VK_DOWN);
        Session.Pump();
        EXPECT_EQ(f->PreviewSkinData->SkinIndex(), 2) << "the preview follows the keys";
        Session.Key(VK_RETURN);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Dialog->SelectedSkinIndex(), 2);
    EXPECT_EQ(lineShown, 1);
    EXPECT_EQ(previewIndex, 1);
    TlxSkinData loaded(nullptr);
    loaded.SetSkinIndex(1);
    loaded.SetSkinList(List);
    EXPECT_EQ(previewName, loaded.SkinName);
    EXPECT_EQ(client, (TSize{420, 240}));
    EXPECT_TRUE(previewIsChild);
    EXPECT_TRUE(previewDisabled);
    EXPECT_EQ(focused, "list");
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], List->Skins()->GetItem(0)->Description());
    EXPECT_EQ(captions, (std::vector<std::string>{"Select skin", "Preview", "Button", "OK", "Cancel"}));
    // The application's skin stays as it was.
    EXPECT_EQ(AppSD->SkinIndex(), 0);
    EXPECT_EQ(Dialog->DlgFrm(), nullptr);
}

TEST_F(TlxSelectSkinDialogTest, CancelEscapeAndCloseReturnFalseWithNoIndexAndADoubleClickReturnsItsLine) {
    const std::vector<std::pair<const char*, std::function<void(TlxSelectSkinDlgForm*)>>> cancels = {
        {"Cancel button", [&](TlxSelectSkinDlgForm* f) { Session.Click(Centre(f->CancelButton)); }},
        {"Escape", [&](TlxSelectSkinDlgForm*) { Session.Key(VK_ESCAPE); }},
        {"close request",
         [&](TlxSelectSkinDlgForm* f) {
             QueueRawInput({.Kind = TRawInputKind::riClose, .Pos = {}, .Window = f->Handle()});
         }},
    };
    for (const auto& [name, act] : cancels) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Run(1, [&](TlxSelectSkinDlgForm* f) {
            Session.Click(Line(f, 4)); // previewed, then given up
            act(f);
        }));
        EXPECT_EQ(Dialog->SelectedSkinIndex(), -1);
    }
    EXPECT_TRUE(Run(1, [&](TlxSelectSkinDlgForm* f) {
        Session.Click(Line(f, 3));
        Session.Click(Line(f, 3));
    }));
    EXPECT_EQ(Dialog->SelectedSkinIndex(), 3);
    EXPECT_EQ(AppSD->SkinIndex(), 0);
    EXPECT_EQ(static_cast<int>(GetChildWindows(nullptr).size()), 1) << "only the main form is left";
}

TEST_F(TlxSelectSkinDialogTest, AnEmptyDescriptionIsListedByNameAndTheTableGivesTheCaptions) {
    List->Skins()->GetItem(2)->SetDescription("");
    auto* ctrl = new TlxSkinData(Main);
    auto* strings = new TlxResourceStrData(Main);
    TStringList table;
    for (const char* line : {"MSG_PREVIEWSKIN=预览", "MSG_PREVIEWBUTTON=按钮", "MSG_BTN_OK=确定"})
        table.Add(line);
    strings->SetResStrings(table);
    ctrl->SetResourceStrData(strings);
    Dialog->SetCtrlSkinData(ctrl);
    Dialog->SetTitle("选择皮肤");
    std::vector<std::string> lines, captions;
    Run(0, [&](TlxSelectSkinDlgForm* f) {
        lines = Lines(f);
        captions = {f->Caption(), f->PreviewForm->Caption(), f->PreviewButton->Caption(),
                    f->OpenButton->Caption(), f->CancelButton->Caption()};
        Session.Key(VK_ESCAPE);
    });
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], List->Skins()->GetItem(2)->Name());
    EXPECT_EQ(captions, (std::vector<std::string>{"选择皮肤", "预览", "按钮", "确定", ""}));

    Dialog->SetSkinList(nullptr);
    EXPECT_FALSE(Dialog->Execute(0));
    EXPECT_EQ(Screen->FormCount(), 1) << "no dialog without a list";
}

TEST_F(TlxSelectSkinDialogTest, StoredSkinModeListsTheOwnersStoredSkinsAndReturnsTheChosenOne) {
    TTestSkin light, dark;
    FillTestSkin(light, false);
    FillTestSkin(dark, true);
    auto* first = new TlxCompressedStoredSkin(Main);
    first->SetName("LightSkin");
    first->LoadFromSkinData(light.Content());
    auto* second = new TlxCompressedStoredSkin(Main);
    second->SetName("DarkSkin");
    second->SetDescription("Dark");
    second->LoadFromSkinData(dark.Content());
    std::vector<std::string> lines;
    int highlighted = -1;
    TlxCompressedStoredSkin* previewedAfterClick = nullptr;
    EXPECT_TRUE(RunStored(second, [&](TlxSelectSkinDlgForm* f) {
        lines = Lines(f);
        highlighted = f->SkinsListBox->ItemIndex();
        Session.Click(Line(f, 0));
        Session.Pump();
        previewedAfterClick = f->GetSelectedSkin();
        Session.Click(Centre(f->OpenButton));
    }));
    EXPECT_EQ(lines, (std::vector<std::string>{"LightSkin", "Dark"}));
    EXPECT_EQ(highlighted, 1);
    EXPECT_EQ(previewedAfterClick, first);
    EXPECT_EQ(Dialog->SelectedSkin(), first);
    // A default that is not among them highlights the first line.
    EXPECT_TRUE(RunStored(nullptr, [&](TlxSelectSkinDlgForm* f) {
        highlighted = f->SkinsListBox->ItemIndex();
        Session.Key(VK_RETURN);
    }));
    EXPECT_EQ(highlighted, 0);
    EXPECT_EQ(Dialog->SelectedSkin(), first);
}

TEST_F(TlxSelectSkinDialogTest, WithoutStoredSkinsNothingCanBeChosen) {
    bool okEnabled = true;
    EXPECT_FALSE(RunStored(nullptr, [&](TlxSelectSkinDlgForm* f) {
        okEnabled = f->OpenButton->Enabled();
        EXPECT_EQ(f->SkinsListBox->Items()->Count(), 0);
        EXPECT_TRUE(f->PreviewSkinData->Empty);
        Session.Key(VK_RETURN); // nothing to accept
        Session.Pump();
        Session.Key(VK_ESCAPE);
    }));
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(Dialog->SelectedSkin(), nullptr);
}

TEST_F(TlxSelectSkinDialogTest, GoldenDialogInTheBuiltInLookAndTheTestSkin) {
    // Two test skins with a frame, so the pictures do not follow the program's own.
    auto* list = new TlxCompressedSkinList(Main);
    for (bool dark : {false, true}) {
        TFrameSkin frame;
        FillTestSkin(frame.Skin, dark);
        TlxSkinListItem* item = list->Skins()->Add();
        item->SetName(dark ? "Dark" : "Light");
        item->SetDescription(dark ? "Dark test skin" : "Light test skin");
        item->Skin()->LoadFromSkinData(frame.Skin.Content());
    }
    Dialog->SetSkinList(list);
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        if (skinned) {
            auto* skinData = new TlxSkinData(Main);
            TFrameSkin frame;
            FillTestSkin(frame.Skin, false);
            frame.Skin.LoadInto(skinData);
            Dialog->SetSkinData(skinData);
            Dialog->SetCtrlSkinData(skinData);
        }
        TBitmap shot;
        Run(1, [&](TlxSelectSkinDlgForm* f) {
            Session.Pump();
            shot = Session.WindowShot(f->Handle());
            Session.Key(VK_ESCAPE);
        });
        EXPECT_TRUE(MatchesGolden(shot, std::string("skin/dialogs/skinselect/dialog-") +
                                            (skinned ? "test-skin" : "built-in")));
    }
}
