#include "tests/app/conversion/ControllerFixture.h"

namespace {
TTerminateInfo Report(int ATask, bool AFinished, const std::string& AFailure = "") {
    TTerminateInfo info;
    info.TaskIndex = ATask;
    info.Finished = AFinished;
    info.Exception = !AFailure.empty();
    info.ExceptionMsg = AFailure;
    return info;
}
} // namespace

class ConversionRun : public ControllerFixture {
protected:
    void AddThree() {
        Dialogs.Files = std::vector<std::string>{Make("a.avi"), Make("b.avi"), Make("c.avi")};
        Controller.Button8Click();
        ASSERT_EQ(Controller.Files().Count(), 3);
    }
};

TEST_F(ConversionRun, CommandsFollowTheStatesOfARun) {
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Empty));
    AddThree();
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Listed));
    ASSERT_TRUE(Controller.btnStartClick());
    EXPECT_EQ(Controller.State(), TRunState::Converting);
    EXPECT_EQ(Converter.StartedWith, 1);
    Controller.btnPauseClick();
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Paused));
    EXPECT_FALSE(Controller.Commands().PauseVisible);
    Controller.btnResumeClick();
    EXPECT_EQ(Controller.State(), TRunState::Converting);
    EXPECT_EQ(Converter.Pauses, 1);
    EXPECT_EQ(Converter.Resumes, 1);
    // Commands a state disables do nothing.
    Controller.btnAddClick();
    Controller.btnRemoveClick();
    Controller.btnClearClick();
    EXPECT_EQ(Controller.Files().Count(), 3);
    EXPECT_EQ(Dialogs.OpenCalls, 1);
}

TEST_F(ConversionRun, ReportsFromWorkersAreHandledInOrderAndTheActionRunsOnce) {
    Controller.AfterConversion = TAfterConversion::OpenOutputFolder;
    AddThree();
    ASSERT_TRUE(Controller.btnStartClick());
    // The tasks are rebuilt from the rows: task i is row i.
    ASSERT_EQ(Converter.Tasks.size(), 3u);
    EXPECT_EQ(Converter.Tasks[0], Cell(0, fcInputFile));
    EXPECT_EQ(Converter.Outputs[2].FileName, Controller.OutputFolder + "/" + Cell(2, fcOutputFile));

    TProgressInfo progress;
    progress.TaskIndex = 1;
    progress.CurrentDuration = 270'000'000;
    progress.TotalDuration = 600'000'000;
    progress.CurrentSize = 3 * 1024 * 1024;
    Converter.RaiseProgress(progress);
    EXPECT_EQ(Cell(1, fcProgress), "45%");
    EXPECT_EQ(Cell(1, fcCurrentTime), "00:04:30");
    EXPECT_EQ(Cell(1, fcCurrentSize), "3MB");

    for (int task : {0, 1, 2})
        Converter.RaiseFromWorker(Report(task, true));
    Converter.RaiseFromWorker(Report(-1, false));
    // Nothing is handled off the GUI thread.
    EXPECT_EQ(Controller.State(), TRunState::Converting);
    EXPECT_EQ(Cell(0, fcProgress), "");
    Serve();
    for (int row : {0, 1, 2})
        EXPECT_EQ(Cell(row, fcProgress), "100%");
    EXPECT_EQ(Controller.State(), TRunState::Finished);
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Finished, false));
    EXPECT_EQ(
        Controller.StatusText(),
        "所有视频转换完成！如需转换其他视频文件，您可以点击“清空”按钮“清空”转换列表，然后进行添加文件。");
    EXPECT_EQ(Desktop.Opened, std::vector<std::string>{Controller.OutputFolder});

    // A stray final report runs nothing again.
    Converter.RaiseFromWorker(Report(-1, false));
    Serve();
    EXPECT_EQ(Desktop.Opened.size(), 1u);
}

TEST_F(ConversionRun, StopNeverRunsTheActionAndSaysHowManyRowsDidNotFinish) {
    Controller.AfterConversion = TAfterConversion::PowerOff;
    AddThree();
    ASSERT_TRUE(Controller.btnStartClick());
    TProgressInfo progress;
    progress.TaskIndex = 1;
    progress.CurrentDuration = 60'000'000;
    progress.TotalDuration = 600'000'000;
    Converter.RaiseProgress(progress);
    Converter.RaiseFromWorker(Report(0, true));
    Serve();
    Converter.StopReports = {Report(1, false), Report(2, false), Report(-1, false)};
    Controller.btnStopClick();
    Serve();
    EXPECT_EQ(Converter.Stops, 1);
    EXPECT_EQ(Controller.State(), TRunState::Finished);
    EXPECT_EQ(Desktop.PowerOffs, 0);
    EXPECT_EQ(Cell(0, fcProgress), "100%");
    EXPECT_EQ(Cell(1, fcProgress), "10%"); // a broken-off task keeps its last percentage
    EXPECT_EQ(Controller.StatusText(), "转换结束：2 个文件已停止，0 个文件转换失败。");
    // After a stop the skinned start button starts again, with rebuilt tasks.
    EXPECT_EQ(Controller.Commands(), CommandStates(TRunState::Finished, true));
    ASSERT_TRUE(Controller.btnStartClick());
    EXPECT_EQ(Converter.Cleared, 2);
    EXPECT_EQ(Cell(1, fcProgress), "");
}

TEST_F(ConversionRun, ANaturalEndPowersOffThroughThePlatformOnce) {
    Controller.AfterConversion = TAfterConversion::PowerOff;
    AddThree();
    ASSERT_TRUE(Controller.btnStartClick());
    for (int task : {0, 1, 2, -1})
        Converter.RaiseFromWorker(Report(task, task >= 0));
    Serve();
    EXPECT_EQ(Desktop.PowerOffs, 1);
}

TEST_F(ConversionRun, FailedRowsShowFailureAndTheFinalActionWaitsForTheBox) {
    Controller.AfterConversion = TAfterConversion::OpenOutputFolder;
    AddThree();
    ASSERT_TRUE(Controller.btnStartClick());
    std::vector<std::string> seenInsideBox;
    Dialogs.WhileFailureShown = [&] {
        // The box's own message loop serves the queue: later reports wait.
        Serve();
        seenInsideBox = {Cell(2, fcProgress), RunStateName(Controller.State())};
        EXPECT_TRUE(Desktop.Opened.empty());
    };
    Converter.RaiseFromWorker(Report(0, true));
    Converter.RaiseFromWorker(Report(1, false, "Encoder failed: broken frame"));
    Converter.RaiseFromWorker(Report(2, true));
    Converter.RaiseFromWorker(Report(-1, false));
    Serve();
    EXPECT_EQ(seenInsideBox, (std::vector<std::string>{"", "Converting"}));
    EXPECT_EQ(Dialogs.Failures, std::vector<std::string>{"Encoder failed: broken frame"});
    EXPECT_EQ(Cell(1, fcProgress), "失败");
    EXPECT_EQ(Cell(2, fcProgress), "100%");
    EXPECT_EQ(Controller.StatusText(), "转换结束：0 个文件已停止，1 个文件转换失败。");
    EXPECT_EQ(Desktop.Opened.size(), 1u);
}

TEST_F(ConversionRun, EachRowIsConvertedWithItsOwnValuesOnly) {
    Controller.lxSkinImagesMenu1Change(AviEntry);
    AddFile(Make("a.avi"));
    // The row moves to an audio-only profile: nothing of the video profile survives.
    Controller.lxSkinImagesMenu1Change(Mp3Entry);
    ASSERT_TRUE(Controller.btnStartClick());
    ASSERT_EQ(Converter.Outputs.size(), 1u);
    const TOutputOptions& options = Converter.Outputs[0].Options;
    EXPECT_TRUE(options.DisableVideo);
    EXPECT_EQ(options.VideoCodec, "");
    EXPECT_EQ(options.VideoBitrate, TOutputOptions().VideoBitrate);
    EXPECT_EQ(options.AudioLanguage, "");
    EXPECT_EQ(Converter.Outputs[0].FileName, Controller.OutputFolder + "/a.mp3");
}

TEST_F(ConversionRun, StartChecksTheNamesAgainstTheDiskAndTheRows) {
    Controller.lxSkinImagesMenu1Change(AviEntry);
    AddFile(Make("a.mp4"));
    // A file appears under the row's name after it was added.
    std::ofstream(Dir / "out" / "a.avi") << "taken";
    ASSERT_TRUE(Controller.btnStartClick());
    EXPECT_EQ(Cell(0, fcOutputFile), "a_1.avi");
    EXPECT_EQ(Converter.Outputs[0].FileName, Controller.OutputFolder + "/a_1.avi");
}

TEST_F(ConversionRun, ARowThatCannotBeRebuiltFailsAloneAndTheOthersRun) {
    AddThree(); // rows c, b, a
    const std::string b = Cell(1, fcInputFile);
    Converter.FailAddTask.insert(b);
    ASSERT_TRUE(Controller.btnStartClick());
    EXPECT_EQ(Converter.StartedWith, 1);
    EXPECT_EQ(Converter.Tasks, (std::vector<std::string>{Cell(0, fcInputFile), Cell(2, fcInputFile)}));
    EXPECT_EQ(Cell(2, fcTaskNumber), "2");
    EXPECT_TRUE(LogHas("***File open error: cannot open " + b));

    // Task 1 is row 2 now; the failed row's report comes first.
    Converter.RaiseFromWorker(Report(0, true));
    Converter.RaiseFromWorker(Report(1, true));
    Converter.RaiseFromWorker(Report(-1, false));
    Serve();
    EXPECT_EQ(Dialogs.Failures, std::vector<std::string>{"无法转换 b.avi：cannot open " + b});
    EXPECT_EQ(Cell(0, fcProgress), "100%");
    EXPECT_EQ(Cell(1, fcProgress), "失败");
    EXPECT_EQ(Cell(2, fcProgress), "100%");
    EXPECT_EQ(Controller.State(), TRunState::Finished);
    EXPECT_EQ(Controller.StatusText(), "转换结束：0 个文件已停止，1 个文件转换失败。");
}

TEST_F(ConversionRun, ARunWhoseRowsAllFailEndsWithoutStartingTheConverter) {
    AddThree();
    Converter.FailSetOutput = {Cell(0, fcInputFile), Cell(1, fcInputFile), Cell(2, fcInputFile)};
    ASSERT_TRUE(Controller.btnStartClick());
    Serve();
    EXPECT_EQ(Converter.StartedWith, 0);
    EXPECT_TRUE(Converter.Tasks.empty()) << "a task whose output failed is removed";
    EXPECT_EQ(Dialogs.Failures.size(), 3u);
    EXPECT_EQ(Controller.State(), TRunState::Finished);
    EXPECT_EQ(Controller.StatusText(), "转换结束：0 个文件已停止，3 个文件转换失败。");
}
