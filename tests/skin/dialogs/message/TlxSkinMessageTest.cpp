#include "skin/dialogs/message/TlxSkinMessage.h"

#include "FrameSkin.h"
#include "platform/sys/Shell.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/skin/dialogs/message/MessageBoxDriver.h"
#include "tests/support/TTempFolder.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TestSkin.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

namespace {

class TlxSkinMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Main = new TForm(nullptr);
        Main->SetBounds(100, 100, 400, 300);
        Main->Show();
        Session.Pump();
        Msg = new TlxSkinMessage(Main);
        TopLevelsBefore = TopLevelCount();
    }
    void TearDown() override {
        Application->OnIdle = nullptr;
        Application->OnMessage = nullptr;
        Main->Free();
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
    }

    static int TopLevelCount() { return static_cast<int>(GetChildWindows(nullptr).size()); }
    static TlxSkinButton* ButtonOf(TlxMessageForm* F, const std::string& Name) {
        return dynamic_cast<TlxSkinButton*>(F->FindComponent(Name));
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }
    static std::vector<std::string> ButtonNames(TlxMessageForm* F) {
        std::vector<std::string> names;
        for (int i = 0; i < F->ComponentCount(); ++i)
            if (auto* b = dynamic_cast<TlxSkinButton*>(F->Components(i))) names.push_back(b->Name());
        return names;
    }
    // MessageDlg with Act run on the box while it shows.
    int Run(TMsgDlgButtons Buttons, const std::function<void(TlxMessageForm*)>& Act,
            TMsgDlgType Type = mtInformation) {
        return Box([&] { return Msg->MessageDlg("Text", Type, Buttons, 0); }, Act);
    }
    // Call, with Act run on its box while it shows.
    int Box(const std::function<int()>& Call, const std::function<void(TlxMessageForm*)>& Act) {
        return WhileShown<TlxMessageForm, int>(Session, Call, Act);
    }
    // A skin with a frame, a "button" description SkinHeight pixels high,
    // and a "stdlabel" in navy.
    void LoadSkin(int SkinHeight = 20) {
        TFrameSkin frame;
        TTestSkin& skin = frame.Skin;
        const int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& button = skin.Add<TlxDataSkinButtonControl>("button");
        TTestSkin::SetNinePart(button, picture);
        button.SkinRect.Bottom = SkinHeight;
        button.FontName = "Arial";
        button.FontHeight = 14;
        auto& label = skin.Add<TlxDataSkinStdLabelControl>("stdlabel");
        label.FontName = "Arial";
        label.FontHeight = 14;
        label.FontColor = clNavy;
        skin.LoadInto(SD);
    }
    TlxResourceStrData* Strings(const std::vector<std::string>& Lines) {
        auto* strings = new TlxResourceStrData(Main);
        TStringList list;
        for (const auto& l : Lines)
            list.Add(l);
        strings->SetResStrings(list);
        return strings;
    }

    THeadlessSession Session;
    TForm* Main = nullptr;
    TlxSkinMessage* Msg = nullptr;
    TlxSkinData* SD = nullptr;
    int TopLevelsBefore = 0;
};

// ---- Results and keys

struct TButtonSetCase {
    TMsgDlgButtons Buttons;
    std::vector<std::pair<std::string, int>> Clicks; // each button and its result
    int Enter;
    std::optional<int> Escape; // none: Escape leaves the box open
    int Close;
};

TEST_F(TlxSkinMessageTest, EachButtonSetReturnsTheClickedResultAndEnterEscapeAndCloseFollowTheRoles) {
    const std::vector<TButtonSetCase> cases = {
        {{mbOK}, {{"OK", mrOk}}, mrOk, mrOk, mrOk},
        {{mbYes, mbNo}, {{"Yes", mrYes}, {"No", mrNo}}, mrYes, mrNo, mrNo},
        {{mbOK, mbCancel}, {{"OK", mrOk}, {"Cancel", mrCancel}}, mrOk, mrCancel, mrCancel},
        {{mbAbort, mbRetry, mbIgnore},
         {{"Abort", mrAbort}, {"Retry", mrRetry}, {"Ignore", mrIgnore}},
         mrRetry,
         std::nullopt,
         mrCancel},
        {{mbYes, mbNo, mbCancel},
         {{"Yes", mrYes}, {"No", mrNo}, {"Cancel", mrCancel}},
         mrYes,
         mrCancel,
         mrCancel},
    };
    for (const auto& c : cases) {
        std::string setName;
        for (const auto& [name, result] : c.Clicks)
            setName += name + " ";
        SCOPED_TRACE(setName);
        for (const auto& [name, result] : c.Clicks) {
            SCOPED_TRACE("click " + name);
            EXPECT_EQ(Run(c.Buttons, [&](TlxMessageForm* f) { Session.Click(Centre(ButtonOf(f, name))); }),
                      result);
        }
        EXPECT_EQ(Run(c.Buttons, [&](TlxMessageForm*) { Session.Key(VK_RETURN); }), c.Enter) << "Enter";
        bool stayedOpen = false;
        const int escape = Run(c.Buttons, [&](TlxMessageForm* f) {
            Session.Key(VK_ESCAPE);
            Session.Pump();
            stayedOpen = f->Visible() && f->ModalResult() == mrNone;
            if (stayedOpen) Session.Click(Centre(ButtonOf(f, c.Clicks[0].first)));
        });
        if (c.Escape)
            EXPECT_EQ(escape, *c.Escape) << "Escape";
        else
            EXPECT_TRUE(stayedOpen) << "Escape";
        EXPECT_EQ(Run(c.Buttons,
                      [&](TlxMessageForm* f) {
                          QueueRawInput({.Kind = TRawInputKind::riClose, .Pos = {}, .Window = f->Handle()});
                      }),
                  c.Close)
            << "close request";
    }
    EXPECT_EQ(TopLevelCount(), TopLevelsBefore);
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
}

TEST_F(TlxSkinMessageTest, ANestedBoxReturnsToTheModalFormThatOpenedItWhileItsOwnerTakesNoInput) {
    auto* outer = new TForm(Main);
    outer->SetBounds(150, 150, 300, 200);
    auto* open = new TlxSkinButton(outer);
    open->SetParent(outer);
    open->SetBounds(10, 10, 70, 25);
    auto* outerOk = new TlxSkinButton(outer);
    outerOk->SetParent(outer);
    outerOk->SetBounds(100, 10, 70, 25);
    outerOk->SetModalResult(mrOk);
    int outerClicks = 0;
    outerOk->OnClick = [&](TObject*) { ++outerClicks; };
    int boxResult = -1;
    bool outerEnabledAfter = false;
    open->OnClick = [&](TObject*) {
        boxResult = Box(
            [&] {
                return Msg->MessageDlg("Nested", mtConfirmation, {mbYes, mbNo}, 0);
            },
            [&](TlxMessageForm* f) {
                Session.Click(Centre(outerOk)); // the outer form takes no input now
                Session.Click(Centre(ButtonOf(f, "No")));
            });
        outerEnabledAfter = IsWindowEnabled(outer->Handle());
        // The outer loop goes on: the user closes the outer form.
        Application->OnIdle = [&](TObject*, bool& Done) {
            Done = false;
            Application->OnIdle = nullptr;
            Session.Click(Centre(outerOk));
        };
    };
    Application->OnIdle = [&](TObject*, bool& Done) {
        Done = false;
        Session.Click(Centre(open));
    };
    EXPECT_EQ(outer->ShowModal(), mrOk);
    Application->OnIdle = nullptr;
    EXPECT_EQ(boxResult, mrNo);
    EXPECT_TRUE(outerEnabledAfter);
    EXPECT_EQ(outerClicks, 1);
}

// ---- Layout

TEST_F(TlxSkinMessageTest, LayoutFollowsTheTextTheButtonRowAndTheCheckBox) {
    auto* form = Msg->CreateTypedMessageForm("Short", mtWarning, {mbYes, mbNo, mbCancel}, MessagePosCentred,
                                             MessagePosCentred);
    const int h = form->Message->Height();
    EXPECT_EQ(form->Message->Left(), 50);
    EXPECT_EQ(form->Message->Top(), 15);
    EXPECT_EQ(form->ClientHeight(), 25 + h + 50);
    // Three buttons: a row of 230, wider than the text; client 270.
    EXPECT_EQ(form->ClientWidth(), 270);
    EXPECT_EQ(ButtonNames(form), (std::vector<std::string>{"Yes", "No", "Cancel"}));
    const int lefts[] = {20, 100, 180};
    for (int i = 0; i < 3; ++i) {
        auto* b = ButtonOf(form, ButtonNames(form)[i]);
        EXPECT_EQ(b->BoundsRect(), Bounds(lefts[i], form->ClientHeight() - 35, 70, 25));
    }
    EXPECT_TRUE(ButtonOf(form, "Yes")->Default());
    EXPECT_TRUE(ButtonOf(form, "Cancel")->Cancel());
    // A system icon never sits above 10.
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->BoundsRect(), Bounds(5, std::max(15 + h / 2 - 16, 10), 32, 32));
    EXPECT_EQ(form->DisplayCheckBox, nullptr);
    form->Free();

    Msg->SetShowAgainFlag(true);
    form = Msg->CreateTypedMessageForm("Short", mtWarning, {mbOK}, MessagePosCentred, MessagePosCentred);
    ASSERT_NE(form->DisplayCheckBox, nullptr);
    EXPECT_EQ(form->ClientHeight(), 25 + h + 50 + 40);
    EXPECT_TRUE(form->DisplayCheckBox->Checked()); // ShowAgainFlagValue is false
    EXPECT_EQ(form->DisplayCheckBox->Caption(), "Do not display this message again");
    EXPECT_EQ(form->DisplayCheckBox->Top(), form->ClientHeight() - 25 - 50);
    EXPECT_EQ(form->DisplayCheckBox->Left(), 5);
    // The check box's caption decides the width.
    EXPECT_EQ(form->ClientWidth(), form->DisplayCheckBox->Width() + 5);
    form->Free();

    // The wide box has no check box.
    form = Msg->CreateWideMessageForm("Short", mtWarning, {mbOK}, MessagePosCentred, MessagePosCentred);
    EXPECT_EQ(form->DisplayCheckBox, nullptr);
    form->Free();
}

TEST_F(TlxSkinMessageTest, AnImageListIconStaysAtItsComputedTopInTheListsSize) {
    auto* images = new TImageList(Main);
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap picture(16, 16);
    picture.Fill(0xFF00C000);
    images->Add(&picture, nullptr);
    for (int index : {0, 1, -1}) {
        SCOPED_TRACE(index);
        auto* form = Msg->CreateImageMessageForm("Short", "Caption", images, index, {mbOK}, MessagePosCentred,
                                                 MessagePosCentred);
        auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
        const int top = 15 + form->Message->Height() / 2 - 16;
        EXPECT_EQ(image->Top(), top);
        EXPECT_EQ(image->Picture()->Empty(), index != 0);
        EXPECT_EQ(image->Width(), index == 0 ? 16 : 32);
        EXPECT_EQ(form->Caption(), "Caption");
        form->Free();
    }
}

TEST_F(TlxSkinMessageTest, ButtonHeightComesFromTheSkinsButtonDescriptionElse25) {
    SD = new TlxSkinData(Main);
    Msg->SetCtrlSkinData(SD);
    auto height = [&] {
        auto* form =
            Msg->CreateTypedMessageForm("Text", mtInformation, {mbOK}, MessagePosCentred, MessagePosCentred);
        auto* ok = ButtonOf(form, "OK");
        int h = ok->Height();
        EXPECT_EQ(ok->Top(), form->ClientHeight() - h - 10);
        form->Free();
        return h;
    };
    EXPECT_EQ(height(), 25) << "empty skin";
    LoadSkin(22);
    EXPECT_EQ(height(), 22) << "button description";
    TTestSkin other;
    TTestSkin::SetNinePart(other.Add<TlxDataSkinPanelControl>("button"),
                           other.AddPicture(TTestSkin::StandardPicture()));
    other.LoadInto(SD);
    EXPECT_EQ(height(), 25) << "a \"button\" that is no button description";
}

TEST_F(TlxSkinMessageTest, ATextWiderThanTheScreenWrapsAndTheBoxGrowsInHeight) {
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "wrapping words ";
    auto* form =
        Msg->CreateTypedMessageForm(text, mtInformation, {mbOK}, MessagePosCentred, MessagePosCentred);
    auto* oneLine = Msg->CreateTypedMessageForm("wrapping words", mtInformation, {mbOK}, MessagePosCentred,
                                                MessagePosCentred);
    TMonitorInfo info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(Main->Handle(), MONITOR_DEFAULTTONEAREST), info));
    EXPECT_LE(form->Width(), info.rcWork.Width());
    EXPECT_TRUE(form->Message->WordWrap());
    EXPECT_GT(form->Message->Height(), 2 * oneLine->Message->Height());
    // Nothing is cut: the text ends inside the client, above the buttons.
    EXPECT_LE(form->Message->Left() + form->Message->Width(), form->ClientWidth());
    EXPECT_EQ(form->ClientHeight(), 25 + form->Message->Height() + 50);
    EXPECT_FALSE(oneLine->Message->WordWrap());
    form->Free();
    oneLine->Free();
}

TEST_F(TlxSkinMessageTest, ASkinnedBoxMayBeNarrowerThanItsFramePictureDownToTheFormMinimum) {
    // A frame picture 160 wide with borders of 10 at either side and a
    // minimum form width of 120.
    TFrameSkin frame(false, false);
    TlxSkinContent& c = frame.Skin.Content();
    auto widen = [](const TBitmap& B) {
        TBitmap wide(160, B.Height());
        wide.Canvas()->StretchDraw({0, 0, 160, B.Height()}, const_cast<TBitmap*>(&B));
        return wide;
    };
    c.FPicture = std::make_unique<TBitmap>(widen(*c.FPicture));
    c.FInActivePicture = std::make_unique<TBitmap>(widen(*c.FInActivePicture));
    c.ClRect = {10, 25, 150, 55};
    c.MaskRectArea = c.ClRect;
    c.RTPoint.X = c.RBPoint.X = 100;
    c.CaptionRect = {8, 4, 152, 20};
    c.ButtonsRect = {130, 4, 152, 20};
    c.HitTestRTPoint.X = c.HitTestRBPoint.X = 152;
    c.FormMinWidth = 120;
    SD = new TlxSkinData(Main);
    frame.Skin.LoadInto(SD);
    Msg->SetSkinData(SD);
    auto* form =
        Msg->CreateTypedMessageForm("Hi", mtInformation, {mbOK}, MessagePosCentred, MessagePosCentred);
    EXPECT_EQ(form->LVX->GetMinWidth(), 120);
    EXPECT_EQ(form->ClientWidth(), 110);
    EXPECT_EQ(form->Width(), 130);
    form->Free();
}

// ---- Texts

TEST_F(TlxSkinMessageTest, CaptionsComeFromTheStringTableWhenTheSkinHasOneElseBuiltIn) {
    Application->SetTitle("App title");
    auto texts = [&](TMsgDlgType Type, TMsgDlgButtons Buttons) {
        auto* form = Msg->CreateTypedMessageForm("Text", Type, Buttons, MessagePosCentred, MessagePosCentred);
        std::vector<std::string> out{form->Caption()};
        for (const auto& name : ButtonNames(form))
            out.push_back(ButtonOf(form, name)->Caption());
        form->Free();
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(texts(mtWarning, {mbYes, mbNo, mbClose}), (V{"Warning", "&Yes", "&No", "Close"}));
    EXPECT_EQ(texts(mtCustom, {mbOK}), (V{"App title", "OK"}));
    SD = new TlxSkinData(Main);
    Msg->SetCtrlSkinData(SD);
    EXPECT_EQ(texts(mtError, {mbRetry}), (V{"Error", "&Retry"})) << "a skin data object without a table";
    SD->SetResourceStrData(Strings({"MSG_BTN_YES=是(&Y)", "MSG_BTN_CLOSE=关闭", "MSG_CAP_WARNING=警告"}));
    EXPECT_EQ(texts(mtWarning, {mbYes, mbNo, mbClose}), (V{"警告", "是(&Y)", "", "关闭"}));
    EXPECT_EQ(texts(mtConfirmation, {mbOK}), (V{"", ""})) << "missing keys";
    EXPECT_EQ(texts(mtCustom, {mbOK}), (V{"App title", ""}));
    // The check box's caption falls back to the built-in text when the key is missing.
    Msg->SetShowAgainFlag(true);
    auto* form = Msg->CreateTypedMessageForm("Text", mtWarning, {mbOK}, MessagePosCentred, MessagePosCentred);
    EXPECT_EQ(form->DisplayCheckBox->Caption(), "Do not display this message again");
    form->Free();
    SD->ResourceStrData()->ResStrings().Add("MSG_CAP_SHOWFLAG=不再显示此消息");
    form = Msg->CreateTypedMessageForm("Text", mtWarning, {mbOK}, MessagePosCentred, MessagePosCentred);
    EXPECT_EQ(form->DisplayCheckBox->Caption(), "不再显示此消息");
    form->Free();
    // MessageDlg2 with mtCustom shows its own caption and no icon picture.
    form = Msg->CreateCaptionedMessageForm("Text", "提示", mtCustom, {mbOK}, MessagePosCentred,
                                           MessagePosCentred);
    EXPECT_EQ(form->Caption(), "提示");
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->Picture()->Empty());
    form->Free();
}

// ---- The check box's value, the freeing, help

TEST_F(TlxSkinMessageTest, ShowAgainFlagValueIsWrittenBackAndTheBoxFreedOnEveryPath) {
    Msg->SetShowAgainFlag(true);
    auto untickThenOk = [&](TlxMessageForm* f) {
        Session.Click(Centre(f->DisplayCheckBox));
        Session.Click(Centre(ButtonOf(f, "OK")));
    };
    EXPECT_EQ(Box([&] { return Msg->MessageDlg("Text", mtInformation, {mbOK}, 0); }, untickThenOk), mrOk);
    EXPECT_TRUE(Msg->ShowAgainFlagValue());
    EXPECT_EQ(TopLevelCount(), TopLevelsBefore);

    // The owner's handler raises: the value still goes back (here the
    // handler itself unticks the box first) and the box is freed.
    Msg->SetShowAgainFlagValue(true); // the box starts unticked
    Msg->OnSetShowPos = [](int&, int&, int, int) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* f = dynamic_cast<TlxMessageForm*>(Screen->Forms(i)))
                f->DisplayCheckBox->SetChecked(true);
        throw std::runtime_error("handler");
    };
    EXPECT_THROW(Msg->MessageDlgPos("Text", mtWarning, {mbOK}, 0, 10, 10), std::runtime_error);
    EXPECT_FALSE(Msg->ShowAgainFlagValue());
    EXPECT_EQ(TopLevelCount(), TopLevelsBefore);
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TlxMessageForm*>(Screen->Forms(i)), nullptr);

    // The wide box never touches it.
    EXPECT_EQ(Box([&] { return Msg->WideMessageDlg("Text", mtInformation, {mbOK}, 0); },
                  [&](TlxMessageForm* f) {
                      EXPECT_EQ(f->DisplayCheckBox, nullptr);
                      Session.Click(Centre(ButtonOf(f, "OK")));
                  }),
              mrOk);
    EXPECT_FALSE(Msg->ShowAgainFlagValue());
}

TEST_F(TlxSkinMessageTest, APositionedBoxGoesWhereTheOwnerSays) {
    Msg->OnSetShowPos = [](int& X, int& Y, int W, int H) {
        EXPECT_EQ(X, 30);
        EXPECT_EQ(Y, 40);
        EXPECT_GT(W, 0);
        EXPECT_GT(H, 0);
        X += 100;
        Y += 50;
    };
    TRect bounds;
    Box([&] { return Msg->MessageDlgPos("Text", mtInformation, {mbOK}, 0, 30, 40); },
        [&](TlxMessageForm* f) {
            bounds = f->BoundsRect();
            Session.Key(VK_RETURN);
        });
    EXPECT_EQ(bounds.TopLeft(), (TPoint{130, 90}));
    Box([&] { return Msg->WideMessageDlgPos("Text", mtInformation, {mbOK}, 0, 30, 40); },
        [&](TlxMessageForm* f) {
            bounds = f->BoundsRect();
            Session.Key(VK_RETURN);
        });
    EXPECT_EQ(bounds.TopLeft(), (TPoint{30, 40})) << "the wide box asks no one";
}

TEST_F(TlxSkinMessageTest, TheHelpButtonShowsOnlyWithAHelpFileAndOpensItWithoutClosing) {
    std::vector<std::string> opened;
    TShellOpener previous = SetShellOpener([&](const std::string& Target) {
        opened.push_back(Target);
        return true;
    });
    auto* form = Msg->CreateTypedMessageForm("Text", mtInformation, {mbOK, mbHelp}, MessagePosCentred,
                                             MessagePosCentred, "no-such-help.chm");
    EXPECT_EQ(ButtonNames(form), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(ButtonOf(form, "OK")->Left(), (form->ClientWidth() - 70) / 2);
    form->Free();

    TTempFolder folder;
    const std::string help = folder.Write("help.chm", "help");
    bool stillOpen = false;
    const int result = Box(
        [&] {
            return Msg->MessageDlgHelp("Text", mtInformation, {mbOK, mbHelp}, 7, help);
        },
        [&](TlxMessageForm* f) {
            EXPECT_EQ(f->HelpContext, 7);
            Session.Click(Centre(ButtonOf(f, "Help")));
            Session.Pump();
            stillOpen = f->Visible();
            Session.Click(Centre(ButtonOf(f, "OK")));
        });
    SetShellOpener(previous);
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(opened, (std::vector<std::string>{help}));
}

// ---- Pictures

TEST_F(TlxSkinMessageTest, GoldenInformationBoxWithOkInTheBuiltInLookAndTheTestSkin) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        if (skinned) {
            SD = new TlxSkinData(Main);
            LoadSkin();
            Msg->SetSkinData(SD);
            Msg->SetCtrlSkinData(SD);
        }
        TBitmap shot;
        Box([&] { return Msg->MessageDlg("The conversion has finished.", mtInformation, {mbOK}, 0); },
            [&](TlxMessageForm* f) {
                Session.Pump();
                shot = Session.WindowShot(f->Handle());
                Session.Key(VK_RETURN);
            });
        EXPECT_TRUE(MatchesGolden(shot, std::string("skin/dialogs/message/information-ok-") +
                                            (skinned ? "test-skin" : "built-in")));
    }
}

} // namespace
