#include "skin/windows/SkinWindowsRegistration.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxTrayIcon.h"

#include <gtest/gtest.h>

namespace {

class SkinWindowsRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        RegisterSkinControls();
        RegisterSkinWindowClasses();
    }
    void TearDown() override {
        for (TForm* f : Forms)
            f->Free();
        Session.Pump();
    }
    TForm* Read(const std::string& Text) {
        Forms.push_back(new TForm(nullptr));
        TComponentReader::ReadText(Forms.back(), Text);
        Session.Pump();
        return Forms.back();
    }

    THeadlessSession Session;
    std::vector<TForm*> Forms;
};

TEST_F(SkinWindowsRegistrationTest, ATrayIconReadsItsDesignedValuesAndWritesThemBack) {
    const char* const text = "object Form1: TForm\n"
                             "  object TrayMenu: TlxSkinPopupMenu\n"
                             "  end\n"
                             "  object Tray: TlxTrayIcon\n"
                             "    AnimateTimerInterval = 250\n"
                             "    Enabled = False\n"
                             "    Hint = '转换中'\n"
                             "    IconVisible = False\n"
                             "    PopupMenu = TrayMenu\n"
                             "    PopupByLeftButton = True\n"
                             "    MinimizeToTray = False\n"
                             "  end\n"
                             "end\n";
    TForm* f = Read(text);
    auto* tray = dynamic_cast<TlxTrayIcon*>(f->FindComponent("Tray"));
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->AnimateTimerInterval(), 250u);
    EXPECT_FALSE(tray->Enabled());
    EXPECT_EQ(tray->Hint(), "转换中");
    EXPECT_TRUE(tray->ShowHint());
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_TRUE(Session.Backend().HeadlessDesktop().TrayIcons().empty()) << "a hidden icon is not added";
    EXPECT_EQ(tray->PopupMenu(), f->FindComponent("TrayMenu"));
    EXPECT_TRUE(tray->PopupByLeftButton());
    EXPECT_FALSE(tray->MinimizeToTray());
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(written.find("ShowHint"), std::string::npos) << "defaults stay out";
    EXPECT_EQ(TComponentWriter::WriteText(Read(written)), written);
}

TEST_F(SkinWindowsRegistrationTest, AVisibleTrayIconIsShownOnceLoaded) {
    Read("object Form1: TForm\n"
         "  object Tray: TlxTrayIcon\n"
         "    Hint = 'tip'\n"
         "  end\n"
         "end\n");
    auto& icons = Session.Backend().HeadlessDesktop().TrayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons.back()->Tip(), "tip");
}

} // namespace
