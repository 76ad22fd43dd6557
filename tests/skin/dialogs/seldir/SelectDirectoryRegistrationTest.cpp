#include "skin/dialogs/seldir/SelectDirectoryRegistration.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"

#include <gtest/gtest.h>

TEST(SelectDirectoryRegistration, ADescriptionSetsTheDialogAndDefaultsStayOut) {
    THeadlessSession session;
    Application->Initialize();
    RegisterSkinControls();
    RegisterSkinDialogClasses();
    auto* form = new TForm(nullptr);
    TComponentReader::ReadText(form, "object Form1: TForm\n"
                                     "  object Skin1: TlxSkinData\n"
                                     "  end\n"
                                     "  object Folder: TlxSkinSelectDirectoryDialog\n"
                                     "    DialogWidth = 320\n"
                                     "    CtrlSkinData = Skin1\n"
                                     "    Title = '选择文件夹'\n"
                                     "    Directory = '/tmp'\n"
                                     "    ShowToolBar = True\n"
                                     "  end\n"
                                     "end\n");
    auto* dialog = dynamic_cast<TlxSkinSelectDirectoryDialog*>(form->FindComponent("Folder"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->DialogWidth(), 320);
    EXPECT_EQ(dialog->DialogHeight(), 0);
    EXPECT_EQ(dialog->CtrlSkinData(), form->FindComponent("Skin1"));
    EXPECT_EQ(dialog->Title(), "选择文件夹");
    EXPECT_EQ(dialog->Directory(), "/tmp");
    EXPECT_TRUE(dialog->ShowToolBar());
    EXPECT_EQ(dialog->AlphaBlendValue(), 200);
    EXPECT_EQ(dialog->DefaultFont()->Name(), "Arial");
    const std::string written = TComponentWriter::WriteText(form);
    EXPECT_EQ(written.find("AlphaBlendValue"), std::string::npos);
    auto* again = new TForm(nullptr);
    TComponentReader::ReadText(again, written);
    EXPECT_EQ(TComponentWriter::WriteText(again), written);
    again->Free();
    // Freeing the skin data clears the reference.
    form->FindComponent("Skin1")->Free();
    EXPECT_EQ(dialog->CtrlSkinData(), nullptr);
    form->Free();
}
