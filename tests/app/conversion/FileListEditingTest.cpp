#include "app/catalogue/ProfileCaptionTable.h"
#include "tests/app/conversion/ControllerFixture.h"

class FileListEditing : public ControllerFixture {
protected:
    void AddThree() {
        Controller.lxSkinImagesMenu1Change(AviEntry);
        Dialogs.Files = std::vector<std::string>{Make("a.mp4"), Make("b.mp4"), Make("c.mp4")};
        Controller.Button8Click();
        ASSERT_EQ(Controller.Files().Count(), 3); // rows c, b, a
    }
    std::vector<std::string> Column(TFileRowColumn AColumn) {
        std::vector<std::string> texts;
        for (int i = 0; i < Controller.Files().Count(); ++i)
            texts.push_back(Cell(i, AColumn));
        return texts;
    }
};

TEST_F(FileListEditing, RemoveRenumbersTheTasksAndSelectsTheFirstRow) {
    AddThree();
    Controller.lvFilesSelectItem(1);
    Controller.btnRemoveClick();
    EXPECT_EQ(Converter.Removed, std::vector<int>{1});
    EXPECT_EQ(Column(fcTaskNumber), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(fcOutputFile), (std::vector<std::string>{"c.avi", "a.avi"}));
    EXPECT_EQ(Controller.Files().ItemIndex(), 0);
    EXPECT_EQ(Controller.State(), TRunState::Listed);

    Controller.lvFilesSelectItem(-1);
    Controller.btnRemoveClick();
    EXPECT_EQ(Dialogs.Informations, std::vector<std::string>{"请先选择您需要删除的项目！"});

    for (int i = 0; i < 2; ++i) {
        Controller.lvFilesSelectItem(0);
        Controller.btnRemoveClick();
    }
    EXPECT_EQ(Controller.State(), TRunState::Empty);
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Empty));
}

TEST_F(FileListEditing, RemovingKeepsEveryOtherRowsOptions) {
    AddThree();
    Controller.lvFilesSelectItem(2);
    Controller.SetParameterIndex(TParameterBox::FrameRate, 2); // row of a
    const TFileRow a = Controller.Files().Row(2);
    Controller.lvFilesSelectItem(0);
    Controller.btnRemoveClick();
    ASSERT_TRUE(Controller.btnStartClick());
    ASSERT_EQ(Converter.Outputs.size(), 2u);
    EXPECT_EQ(Converter.Outputs[1].Options.FrameRate, a.Profile.Video_FrameRate);
    EXPECT_EQ(Cell(1, fcFrameRate), a.Columns[fcFrameRate]);
    EXPECT_FALSE(a.Profile.Video_FrameRate.empty());
}

TEST_F(FileListEditing, MoveAtTheEndsDoesNothingAndRowsTravelWhole) {
    AddThree();
    const auto order = Column(fcInputFile);
    Controller.lvFilesSelectItem(0);
    Controller.MoveUp();
    Controller.lvFilesSelectItem(2);
    Controller.MoveDown();
    EXPECT_EQ(Column(fcInputFile), order);

    const TFileRowTexts moved = Controller.Files().Row(2).Columns;
    Controller.MoveUp();
    EXPECT_EQ(Controller.Files().ItemIndex(), 1);
    EXPECT_EQ(Controller.Files().Row(1).Columns, moved);
}

TEST_F(FileListEditing, RenameKeepsTheProfileExtensionAndRefusesPaths) {
    AddThree();
    Controller.lvFilesSelectItem(-1);
    EXPECT_FALSE(Controller.BeginRename(true)); // a double click on no row: silent
    EXPECT_FALSE(Controller.BeginRename());
    EXPECT_EQ(Dialogs.Informations, std::vector<std::string>{"请先选中您需要重命名的项目！"});

    Controller.lvFilesSelectItem(0);
    ASSERT_TRUE(Controller.BeginRename());
    EXPECT_EQ(Controller.RenameText(), "c");
    for (const char* bad : {"", ".", "..", "../up", "sub/dir", "back\\slash"}) {
        EXPECT_FALSE(Controller.edtExit(bad)) << bad;
        EXPECT_EQ(Cell(0, fcOutputFile), "c.avi") << bad;
        EXPECT_TRUE(Controller.RenameText().has_value()) << bad; // the box stays open
    }
    EXPECT_TRUE(Controller.edtExit("movie"));
    EXPECT_EQ(Cell(0, fcOutputFile), "movie.avi");
    EXPECT_FALSE(Controller.RenameText().has_value());

    // A name another row holds is made unique.
    Controller.lvFilesSelectItem(1);
    ASSERT_TRUE(Controller.BeginRename());
    EXPECT_TRUE(Controller.edtExit("movie"));
    EXPECT_EQ(Cell(1, fcOutputFile), "movie_1.avi");
}

TEST_F(FileListEditing, AParameterBoxWritesItsTwoDigitsAndItsValue) {
    AddThree();
    Controller.lvFilesSelectItem(0);
    const TFileRowTexts before = Controller.Files().Row(0).Columns;
    const auto& box = Controller.Box(TParameterBox::FrameRate);
    ASSERT_GT(box.Items().size(), 2u);
    Controller.SetParameterIndex(TParameterBox::FrameRate, 2);
    const std::string& indexes = Cell(0, fcParameterIndexes);
    EXPECT_EQ(indexes.substr(8, 2), "02");
    EXPECT_EQ(indexes.substr(0, 8), before[fcParameterIndexes].substr(0, 8));
    EXPECT_EQ(indexes.substr(10), before[fcParameterIndexes].substr(10));
    EXPECT_EQ(Cell(0, fcFrameRate), Controller.CurrentProfile().Video_FrameRate);
    EXPECT_FALSE(Cell(0, fcFrameRate).empty());
    EXPECT_NE(Cell(0, fcFrameRate), before[fcFrameRate]);
    // Other rows are left alone.
    EXPECT_EQ(Cell(1, fcParameterIndexes), before[fcParameterIndexes]);
}

TEST_F(FileListEditing, AProfileChangeSwapsTheExtensionAndKeepsTheNameUnique) {
    AddThree();
    Controller.lvFilesSelectItem(2); // a.avi
    Controller.lxSkinImagesMenu1Change(Mp4Entry);
    EXPECT_EQ(Cell(2, fcOutputFile), "a.mp4");
    EXPECT_EQ(Cell(2, fcProfileCode), std::to_string(RowProfileCode(Mp4Entry, 0)));

    // A name another row holds is not taken.
    Controller.lvFilesSelectItem(1);
    ASSERT_TRUE(Controller.BeginRename());
    ASSERT_TRUE(Controller.edtExit("a"));
    ASSERT_EQ(Cell(1, fcOutputFile), "a.avi");
    Controller.lxSkinImagesMenu1Change(Mp4Entry);
    EXPECT_EQ(Cell(1, fcOutputFile), "a_1.mp4");
    Controller.lvFilesSelectItem(0);
    ASSERT_TRUE(Controller.BeginRename());
    ASSERT_TRUE(Controller.edtExit("a"));
    Controller.lxSkinImagesMenu1Change(Mp4Entry);
    EXPECT_EQ(Column(fcOutputFile), (std::vector<std::string>{"a_2.mp4", "a_1.mp4", "a.mp4"}));
}

TEST_F(FileListEditing, SelectingARowRestoresItsChoicesWithoutWritingBack) {
    AddThree();
    // Row 0 gets its own profile and parameters.
    Controller.lvFilesSelectItem(0);
    Controller.lxSkinImagesMenu1Change(Mp4Entry);
    Controller.lxSkinOfficeComboBox1Change(2);
    Controller.SetParameterIndex(TParameterBox::Resolution, 1);
    Controller.SetParameterIndex(TParameterBox::FrameRate, 2);
    const std::vector<TFileRowTexts> before = {Controller.Files().Row(0).Columns,
                                               Controller.Files().Row(1).Columns};
    EXPECT_EQ(before[0][fcProfileCode], std::to_string(RowProfileCode(Mp4Entry, 2)));

    Controller.lvFilesSelectItem(1); // an AVI row
    EXPECT_EQ(Controller.CategoryIndex(), AviEntry);
    Controller.lvFilesSelectItem(0);
    EXPECT_EQ(Controller.CategoryIndex(), Mp4Entry);
    EXPECT_EQ(Controller.ProfileIndex(), 2);
    EXPECT_EQ(Controller.Box(TParameterBox::Resolution).ItemIndex(), 1);
    EXPECT_EQ(Controller.Box(TParameterBox::FrameRate).ItemIndex(), 2);
    const auto indexes = DecodeRowParameterIndexes(before[0][fcParameterIndexes]);
    ASSERT_TRUE(indexes);
    EXPECT_EQ(Controller.Box(TParameterBox::AudioBitrate).ItemIndex(), indexes->AudioBitrate);
    EXPECT_EQ(Controller.Box(TParameterBox::SampleRate).ItemIndex(), indexes->SampleRate);
    EXPECT_EQ(Controller.Files().Row(0).Columns, before[0]);
    EXPECT_EQ(Controller.Files().Row(1).Columns, before[1]);
}

TEST_F(FileListEditing, ClearEmptiesTheListAndTheConverter) {
    AddThree();
    Controller.btnClearClick();
    EXPECT_EQ(Controller.Files().Count(), 0);
    EXPECT_EQ(Converter.Cleared, 1);
    EXPECT_EQ(Controller.State(), TRunState::Empty);
}
