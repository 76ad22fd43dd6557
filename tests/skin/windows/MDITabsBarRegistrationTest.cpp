#include "skin/windows/MDITabsBarRegistration.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/windows/TlxSkinMDITabsBar.h"

#include <gtest/gtest.h>

// An MDI main form with its Window menu and a tab bar, as a form description.
TEST(MDITabsBarRegistration, ABarAndAWindowMenuReadAndWriteBack) {
    THeadlessSession session;
    Application->Initialize();
    RegisterSkinControls();
    RegisterMDITabsBar();
    const char* text = "object Form1: TForm\n"
                       "  FormStyle = fsMDIForm\n"
                       "  Menu = MainMenu1\n"
                       "  WindowMenu = Window1\n"
                       "  object Tabs: TlxSkinMDITabsBar\n"
                       "    Align = alTop\n"
                       "    ShowCloseButtons = True\n"
                       "    TabKind = lxtkButton\n"
                       "    MoveTabs = False\n"
                       "    DefaultTabWidth = 80\n"
                       "    MinTabWidth = 40\n"
                       "  end\n"
                       "  object MainMenu1: TMainMenu\n"
                       "    object Window1: TMenuItem\n"
                       "      Caption = 'Window'\n"
                       "    end\n"
                       "  end\n"
                       "end\n";
    auto* form = new TForm(nullptr);
    TComponentReader::ReadText(form, text);
    auto* bar = dynamic_cast<TlxSkinMDITabsBar*>(form->FindComponent("Tabs"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->ShowCloseButtons());
    EXPECT_EQ(bar->TabKind(), lxtkButton);
    EXPECT_FALSE(bar->MoveTabs());
    EXPECT_EQ(bar->DefaultTabWidth(), 80);
    EXPECT_EQ(bar->MinTabWidth(), 40);
    EXPECT_NE(form->MDIClient(), nullptr);
    ASSERT_NE(form->WindowMenu(), nullptr);
    EXPECT_EQ(form->WindowMenu()->Name(), "Window1");
    // The client window is the form's own, never part of its description.
    auto* again = new TForm(nullptr);
    TComponentReader::ReadText(again, TComponentWriter::WriteText(form));
    EXPECT_EQ(TComponentWriter::WriteText(again), TComponentWriter::WriteText(form));
    EXPECT_EQ(TComponentWriter::WriteText(form).find("TMDIClient"), std::string::npos);
    again->Free();
    form->Free();
}
