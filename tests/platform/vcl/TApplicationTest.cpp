#include "VclProbes.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TFormResources.h"

#include <gtest/gtest.h>

namespace {

class TProbeMainForm : public TForm {
public:
    using TForm::TForm;
    TProbeButton* OkButton = nullptr;
    TProbePanel* Panel1 = nullptr;
    std::vector<std::string> Log;
    void FormCreate(TObject*) {
        Log.push_back("create, button " + std::string(OkButton ? "bound" : "missing"));
    }
    void OkClick(TObject*) { Log.push_back("ok"); }
};

class TApplicationFixture : public TVclFixture {
protected:
    void SetUp() override {
        TVclFixture::SetUp();
        RegisterClass<TProbePanel>("TProbePanel", "TCustomControl");
        RegisterClass<TProbeButton>("TProbeButton", "TProbePanel");
        RegisterClass<TProbeMainForm>("TProbeMainForm", "TForm")
            .Field("OkButton", &TProbeMainForm::OkButton)
            .Field("Panel1", &TProbeMainForm::Panel1)
            .Handler("FormCreate", &TProbeMainForm::FormCreate)
            .Handler("OkClick", &TProbeMainForm::OkClick);
        RegisterFormResource("TProbeMainForm", R"(object ProbeMainForm: TProbeMainForm
  Left = 10
  Top = 20
  Width = 320
  Height = 200
  Caption = '主窗口'
  BorderStyle = bsNone
  OnCreate = FormCreate
  object Panel1: TProbePanel
    Left = 0
    Top = 0
    Width = 100
    Height = 50
    Align = alTop
    object OkButton: TProbeButton
      Left = 5
      Top = 5
      Width = 40
      Height = 20
      OnClick = OkClick
    end
  end
end
)");
    }
};

} // namespace

TEST_F(TApplicationFixture, CreateFormBuildsTheFormFromItsDescription) {
    TProbeMainForm* form = nullptr;
    Application->CreateForm(form);
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(form->Log, std::vector<std::string>{"create, button bound"});
    EXPECT_EQ(form->Caption(), "主窗口");
    EXPECT_EQ(form->OkButton->Parent(), form->Panel1);
    EXPECT_EQ(form->Panel1->BoundsRect(), (TRect{0, 0, 320, 50}));
    ASSERT_GE(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->Forms(Screen->FormCount() - 1), form);

    form->Show();
    Session.Pump();
    EXPECT_EQ(form->Panel1->Width(), form->ClientWidth());
    Session.Click(Centre(form->OkButton));
    Session.Pump();
    EXPECT_EQ(form->Log.back(), "ok");
    EXPECT_EQ(Screen->ActiveForm(), form);

    // Closing the main form ends the program's loop.
    form->Close();
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(TApplicationFixture, AFormClassWithoutADescriptionIsRefused) {
    class TUndescribed : public TForm {
    public:
        using TForm::TForm;
    };
    EXPECT_THROW(TCustomForm::Create<TUndescribed>(Application), EResNotFound);
    EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(TApplicationFixture, ExceptionsFromHandlersReachHandleException) {
    TForm* form = MakeForm(0, 0, 100, 100);
    auto* b = new TProbeButton(form);
    b->SetParent(form);
    b->OnClick = [](TObject*) { throw EConvertError("bad input"); };
    std::vector<std::string> seen;
    Application->OnException = [&](TObject*, const std::exception& e) { seen.push_back(e.what()); };
    form->Show();
    Session.Pump();
    Session.Click(Centre(b));
    Session.Pump();
    Application->OnException = nullptr;
    EXPECT_EQ(seen, std::vector<std::string>{"bad input"});
}

TEST_F(TApplicationFixture, CharactersOfAKeyThatOnMessageTookNeverReachTheFocus) {
    TForm* form = MakeForm(0, 0, 100, 100);
    auto* panel = new TProbePanel(form);
    panel->SetParent(form);
    std::string typed;
    panel->OnKeyPress = [&](TObject*, char32_t& Key) { typed += static_cast<char>(Key); };
    form->Show();
    Session.Pump();
    panel->SetFocus();
    Session.Pump();
    Application->OnMessage = [](TMsg& M, bool& Handled) {
        if (M.message == WM_KEYDOWN && M.wParam == VK_F2) Handled = true;
    };
    Session.KeyDown(VK_F2);
    Session.Type("x"); // a character the taken key brought with it
    Session.KeyUp(VK_F2);
    Session.Type("y");
    Session.Key('A'); // a key left alone: its character arrives
    Session.Pump();
    Application->OnMessage = nullptr;
    EXPECT_EQ(typed, "ya");
}
