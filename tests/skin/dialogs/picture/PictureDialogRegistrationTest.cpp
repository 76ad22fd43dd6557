#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/picture/TlxSkinSavePictureDialog.h"

#include <gtest/gtest.h>

TEST(PictureDialogRegistration, ThePictureDialogsReadTheirDesignedValuesAndWriteThemBack) {
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
                    "  object SavePictureDialog1: TlxSkinSavePictureDialog\n"
                    "    StretchPicture = True\n"
                    "    CtrlSkinData = Skin1\n"
                    "    Filter = 'Bitmaps|*.bmp|JPEG|*.jpg'\n"
                    "  end\n"
                    "  object OpenPictureDialog1: TlxSkinOpenPictureDialog\n"
                    "  end\n"
                    "end\n");
    auto* save = dynamic_cast<TlxSkinSavePictureDialog*>(f->FindComponent("SavePictureDialog1"));
    auto* open = dynamic_cast<TlxSkinOpenPictureDialog*>(f->FindComponent("OpenPictureDialog1"));
    ASSERT_NE(save, nullptr);
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(save->SaveMode());
    EXPECT_TRUE(save->StretchPicture());
    EXPECT_EQ(save->CtrlSkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(save->Title(), "Save file");
    EXPECT_EQ(save->Filter(), "Bitmaps|*.bmp|JPEG|*.jpg");
    EXPECT_FALSE(open->SaveMode());
    EXPECT_EQ(open->Title(), "Open picture");
    EXPECT_EQ(open->Filter(), TlxSkinOpenPictureDialog::DefaultFilter);
    EXPECT_EQ(open->AlphaBlendValue(), 200);
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(written.find("Title"), std::string::npos) << "each class's own default stays out";
    EXPECT_EQ(written.find("AlphaBlendValue"), std::string::npos);
    TForm* again = read(written);
    EXPECT_EQ(TComponentWriter::WriteText(again), written);
    f->Free();
    again->Free();
}
