#include "tests/app/conversion/ControllerFixture.h"

using AddFiles = ControllerFixture;

TEST_F(AddFiles, OneFileFillsItsRowAndListsTheWindow) {
    EXPECT_EQ(Controller.State(), TRunState::Empty);
    Controller.lxSkinImagesMenu1Change(Mp4Entry);
    const std::string input = Make("clip.avi");
    AddFile(input);

    ASSERT_EQ(Controller.Files().Count(), 1);
    EXPECT_EQ(Controller.State(), TRunState::Listed);
    EXPECT_EQ(Controller.Files().ItemIndex(), 0);
    EXPECT_EQ(Cell(0, fcInputFile), input);
    EXPECT_EQ(Cell(0, fcDuration), "00:10:00");
    EXPECT_EQ(Cell(0, fcFileSize), "1.5MB");
    EXPECT_EQ(Cell(0, fcOutputFile), "clip.mp4");
    for (auto c : {fcProgress, fcFPS, fcCurrentTime, fcCurrentSize})
        EXPECT_EQ(Cell(0, c), "") << c;
    EXPECT_EQ(Cell(0, fcTaskNumber), "1");
    EXPECT_EQ(Cell(0, fcProfileCode), "500");
    EXPECT_EQ(Cell(0, fcParameterIndexes).size(), 12u);
    EXPECT_EQ(Cell(0, fcDisableVideo), "False");

    ASSERT_EQ(Converter.Outputs.size(), 1u);
    EXPECT_EQ(Converter.Outputs[0].FileName, Controller.OutputFolder + "/clip.mp4");
    // The slot marker of the old design never reaches the engine.
    EXPECT_EQ(Converter.Outputs[0].Options.AudioLanguage, "");
    EXPECT_TRUE(LogHas("***Can do convert."));
    EXPECT_TRUE(LogHas("  Duration: 00:10:00"));
    EXPECT_EQ(Controller.StatusText(), "");
}

TEST_F(AddFiles, DurationUnknownShowsNA) {
    const std::string input = Make("live.ts");
    Prober.Files[input].Duration = 0;
    AddFile(input);
    EXPECT_EQ(Cell(0, fcDuration), "N/A");
}

TEST_F(AddFiles, SeveralFilesAreAddedLastToFirstAndTheFirstChosenIsSelected) {
    const std::string a = Make("a.avi"), b = Make("b.avi"), c = Make("c.avi");
    Dialogs.Files = std::vector<std::string>{a, b, c};
    Controller.Button8Click();
    ASSERT_EQ(Controller.Files().Count(), 3);
    EXPECT_EQ(Cell(0, fcInputFile), c);
    EXPECT_EQ(Cell(1, fcInputFile), b);
    EXPECT_EQ(Cell(2, fcInputFile), a);
    EXPECT_EQ(Controller.Files().ItemIndex(), 2);
    EXPECT_EQ(Cell(2, fcTaskNumber), "3");
}

TEST_F(AddFiles, EachFailureLogsItsTextAndShowsItsReason) {
    enum Break { Probe, Task, Output };
    struct Case {
        Break Kind;
        const char* LogLine;
        std::vector<std::string> Rows; // inputs added, in row order
    } cases[] = {
        // A file the prober refuses is skipped; the others are still added.
        {Probe, "***File load error: not a media file", {"c.avi", "a.avi"}},
        // A task or output failure ends the whole operation.
        {Task, "***File open error: cannot open ", {"c.avi"}},
        {Output, "***Cannot do convert, error: max output files 20 reached", {"c.avi"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.LogLine);
        TScriptedConverter converter;
        TFakeProber prober;
        TRecordingDialogs dialogs;
        TConversionController controller(converter, prober, dialogs, Desktop);
        controller.OutputFolder = (Dir / "out").string();
        controller.Initialize();
        const std::string a = Make("a.avi"), b = Make("b.avi"), cc = Make("c.avi");
        if (c.Kind == Probe) prober.Files[b].Error = "not a media file";
        if (c.Kind == Task) converter.FailAddTask.insert(b);
        if (c.Kind == Output) converter.FailSetOutput.insert(b);
        dialogs.Files = std::vector<std::string>{a, b, cc};
        controller.Button8Click();

        std::vector<std::string> rows;
        for (int i = 0; i < controller.Files().Count(); ++i)
            rows.push_back(
                std::filesystem::path(controller.Files().Text(i, fcInputFile)).filename().string());
        EXPECT_EQ(rows, c.Rows);
        const std::string logLine = c.Kind == Task ? c.LogLine + b : c.LogLine;
        bool logged = false;
        for (const auto& line : controller.Log().Lines())
            logged |= line == logLine;
        EXPECT_TRUE(logged);
        // The user sees the reason, naming the file.
        EXPECT_NE(controller.StatusText().find("b.avi"), std::string::npos) << controller.StatusText();
        const std::string reason = logLine.substr(logLine.find(": ") + 2);
        EXPECT_NE(controller.StatusText().find(reason), std::string::npos) << controller.StatusText();
        // A failed output leaves no task behind: tasks match the rows.
        EXPECT_EQ(converter.Tasks.size(), rows.size());
    }
}

TEST_F(AddFiles, LibrariesThatCannotLoadAreLoggedAndNoDialogIsShown) {
    Converter.Loaded = false;
    Converter.LoadSucceeds = false;
    AddFile(Make("a.avi"));
    EXPECT_EQ(Dialogs.OpenCalls, 0);
    EXPECT_TRUE(LogHas("cannot load libavcodec"));
    EXPECT_NE(Controller.StatusText().find("cannot load libavcodec"), std::string::npos);
    EXPECT_EQ(Controller.State(), TRunState::Empty);
}

TEST_F(AddFiles, CancelledOrMissingFileAddsNothing) {
    Dialogs.File.reset();
    Controller.btnAddClick();
    EXPECT_EQ(Controller.StatusText(), "");
    // A file gone since the dialog closed is named in the status panel.
    AddFile((Dir / "in" / "gone.avi").string());
    EXPECT_EQ(Controller.StatusText(), "无法添加文件 gone.avi：文件不存在");
    Dialogs.Files.reset();
    Controller.Button8Click();
    Dialogs.Directory.reset();
    Controller.Button12Click();
    EXPECT_EQ(Controller.Files().Count(), 0);
    EXPECT_TRUE(Dialogs.Informations.empty());
}

TEST_F(AddFiles, FolderAddsItsOwnFilesOnlyAndSaysWhenNothingWasAdded) {
    Make("x.avi");
    Make("y.mp4");
    Make("sub/deep.avi");
    Dialogs.Directory = (Dir / "in").string();
    Controller.Button12Click();
    ASSERT_EQ(Controller.Files().Count(), 2);
    EXPECT_EQ(Controller.Files().ItemIndex(), 1);
    EXPECT_TRUE(Dialogs.Informations.empty());

    // A folder whose files all fail to open adds nothing and says so, and
    // lists the skipped files.
    const std::string bad = Make("bad/only.txt");
    Prober.Files[bad].Error = "Invalid data found when processing input";
    Dialogs.Directory = (Dir / "in" / "bad").string();
    Controller.Button12Click();
    EXPECT_EQ(Controller.Files().Count(), 2);
    EXPECT_EQ(Dialogs.Informations, std::vector<std::string>{"在该目录没有发现可以用的视频或音频文件！"});
    EXPECT_NE(Controller.StatusText().find("only.txt"), std::string::npos);

    // Cancel does nothing, whatever was chosen before.
    Dialogs.Directory.reset();
    Controller.Button12Click();
    EXPECT_EQ(Controller.Files().Count(), 2);
    EXPECT_EQ(Dialogs.Informations.size(), 1u);
}

TEST_F(AddFiles, OutputNamesAreUniqueAcrossRowsAndNeverTheInput) {
    Controller.lxSkinImagesMenu1Change(AviEntry);
    const std::string clip = Make("clip.mp4");
    AddFile(clip);
    AddFile(clip);
    EXPECT_EQ(Cell(0, fcOutputFile), "clip.avi");
    EXPECT_EQ(Cell(1, fcOutputFile), "clip_1.avi");

    // An input in the output folder with the profile's extension is never overwritten.
    Controller.OutputFolder = (Dir / "in").string();
    const std::string same = Make("same.avi");
    AddFile(same);
    EXPECT_EQ(Cell(2, fcOutputFile), "same_1.avi");
}

TEST_F(AddFiles, AddingNeverTouchesTheSelectedRow) {
    Controller.lxSkinImagesMenu1Change(AviEntry);
    AddFile(Make("a.avi"));
    // The selected row's own parameter edit must survive the next add.
    Controller.SetParameterIndex(TParameterBox::FrameRate, 2);
    const TFileRowTexts before = Controller.Files().Row(0).Columns;
    AddFile(Make("b.avi"));
    EXPECT_EQ(Controller.Files().Row(0).Columns, before);
}
