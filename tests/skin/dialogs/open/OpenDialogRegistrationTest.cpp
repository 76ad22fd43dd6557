#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"

#include <gtest/gtest.h>

TEST(OpenDialogRegistration, AnOpenDialogReadsItsDesignedValuesAndWritesThemBack) {
    THeadlessSession session;
    Application->Initialize();
    RegisterSkinControls();
    RegisterSkinDialogClasses();
    auto read = [](const std::string& Text) {
        auto* f = new TForm(nullptr);
        TComponentReader::ReadText(f, Text);
        return f;
    };
    TForm* f = read("object Form1: TForm\n"
                    "  object Skin1: TlxSkinData\n"
                    "  end\n"
                    "  object OpenDialog2: TlxSkinOpenDialog\n"
                    "    MultiSelection = True\n"
                    "    CtrlSkinData = Skin1\n"
                    "    Title = '打开文件'\n"
                    "    InitialDir = 'c:'\n"
                    "    Filter = 'Videos|*.avi;*.mp4|All files|*.*'\n"
                    "    FilterIndex = 2\n"
                    "  end\n"
                    "end\n");
    auto* d = dynamic_cast<TlxSkinOpenDialog*>(f->FindComponent("OpenDialog2"));
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->MultiSelection());
    EXPECT_TRUE(d->CheckFileExists());
    EXPECT_EQ(d->CtrlSkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(d->Title(), "打开文件");
    EXPECT_EQ(d->InitialDir(), "c:");
    EXPECT_EQ(d->Filter(), "Videos|*.avi;*.mp4|All files|*.*");
    EXPECT_EQ(d->FilterIndex(), 2);
    EXPECT_EQ(d->AlphaBlendValue(), 225);
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(written.find("CheckFileExists"), std::string::npos) << "defaults stay out";
    TForm* again = read(written);
    EXPECT_EQ(TComponentWriter::WriteText(again), written);
    f->Free();
    again->Free();
}
