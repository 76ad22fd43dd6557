#include "skin/dialogs/filectrl/FileCtrlRegistration.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"
#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"
#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"

#include <gtest/gtest.h>

TEST(FileCtrlRegistration, AFormDescriptionLinksTheFourControls) {
    THeadlessSession session;
    Application->Initialize();
    RegisterSkinControls();
    RegisterSkinDialogClasses();
    auto* form = new TForm(nullptr);
    TComponentReader::ReadText(form, "object Form1: TForm\n"
                                     "  object Label1: TlxSkinStdLabel\n"
                                     "  end\n"
                                     "  object Edit1: TlxSkinEdit\n"
                                     "  end\n"
                                     "  object Drives: TlxSkinDriveComboBox\n"
                                     "    TextCase = tcUpperCase\n"
                                     "    DirList = Dirs\n"
                                     "  end\n"
                                     "  object Dirs: TlxSkinDirectoryListBox\n"
                                     "    FileList = Files\n"
                                     "    DirLabel = Label1\n"
                                     "  end\n"
                                     "  object Files: TlxSkinFileListBox\n"
                                     "    Mask = '*.avi;*.mp4'\n"
                                     "    FileType = [lxftDirectory, lxftNormal]\n"
                                     "    FileEdit = Edit1\n"
                                     "  end\n"
                                     "  object Filter: TlxSkinFilterComboBox\n"
                                     "    Filter = 'Videos|*.avi;*.mp4|All|*.*'\n"
                                     "    FileList = Files\n"
                                     "  end\n"
                                     "end\n");
    auto* drives = dynamic_cast<TlxSkinDriveComboBox*>(form->FindComponent("Drives"));
    auto* dirs = dynamic_cast<TlxSkinDirectoryListBox*>(form->FindComponent("Dirs"));
    auto* files = dynamic_cast<TlxSkinFileListBox*>(form->FindComponent("Files"));
    auto* filter = dynamic_cast<TlxSkinFilterComboBox*>(form->FindComponent("Filter"));
    ASSERT_TRUE(drives && dirs && files && filter);
    EXPECT_EQ(drives->TextCase(), tcUpperCase);
    EXPECT_EQ(drives->DirList(), dirs);
    EXPECT_EQ(dirs->DriveCombo(), drives);
    EXPECT_EQ(dirs->FileList(), files);
    EXPECT_EQ(files->DirList(), dirs);
    EXPECT_EQ(dirs->DirLabel(), form->FindComponent("Label1"));
    EXPECT_EQ(files->FileEdit(), form->FindComponent("Edit1"));
    EXPECT_EQ(files->FileType(), (TlxFileType{lxftDirectory, lxftNormal}));
    EXPECT_EQ(files->Mask(), "*.avi;*.mp4");
    EXPECT_EQ(filter->FileList(), files);
    EXPECT_EQ(files->FilterCombo(), filter);
    EXPECT_EQ(filter->Items()->Count(), 2);

    const std::string written = TComponentWriter::WriteText(form);
    EXPECT_EQ(written.find("TextCase = tcLowerCase"), std::string::npos);
    auto* again = new TForm(nullptr);
    TComponentReader::ReadText(again, written);
    EXPECT_EQ(TComponentWriter::WriteText(again), written);
    again->Free();
    form->Free();
}
