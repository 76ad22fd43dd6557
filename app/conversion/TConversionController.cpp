#include "app/conversion/TConversionController.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "app/catalogue/CategoryMenu.h"
#include "app/catalogue/OutputOptionsBuilder.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/catalogue/ProgressText.h"
#include "app/conversion/OpenDialogFilter.h"
#include "app/presets/PresetApplication.h"
#include "app/settings/TSettings.h"
#include "platform/sys/MainThread.h"

namespace {

const char* const EndOfRunText =
    "所有视频转换完成！如需转换其他视频文件，您可以点击“清空”按钮“清空”转换列表，然后进行添加文件。";
const char* const EmptyFolderText = "在该目录没有发现可以用的视频或音频文件！";
const char* const RemoveWithoutRowText = "请先选择您需要删除的项目！";
const char* const RenameWithoutRowText = "请先选中您需要重命名的项目！";

// Output names avoid existing files up to this number, as the catalogue does.
constexpr int MaxNameNumber = 9999;

bool DiskFileExists(const std::string& APath) {
    std::error_code ec;
    return std::filesystem::exists(APath, ec);
}

bool IsFile(const std::string& APath) {
    std::error_code ec;
    return std::filesystem::is_regular_file(APath, ec);
}

std::string NormalPath(const std::string& APath) {
    return std::filesystem::path(APath).lexically_normal().string();
}

int ParseInt(const std::string& AText, int AFallback) {
    int value = 0;
    const auto [end, ec] = std::from_chars(AText.data(), AText.data() + AText.size(), value);
    return ec == std::errc() && end == AText.data() + AText.size() ? value : AFallback;
}

std::string Extension(const std::string& AName) {
    return AName.substr(FileStem(AName).size());
}

// The files of a folder, not its subfolders, by name.
std::vector<std::string> GetFilenames(const std::string& AFolder) {
    std::vector<std::string> files;
    std::error_code ec;
    std::filesystem::directory_iterator it(AFolder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Sets a counter for the lifetime of a scope.
struct TRestoreGuard {
    explicit TRestoreGuard(int& ACounter) : Counter(ACounter) { ++Counter; }
    ~TRestoreGuard() { --Counter; }
    int& Counter;
};

} // namespace

TConversionController::TConversionController(IConverter& AConverter, IProber& AProber,
                                             IConversionDialogs& ADialogs, IDesktopServices& ADesktop)
    : FileExists(DiskFileExists), FConverter(AConverter), FProber(AProber), FDialogs(ADialogs),
      FDesktop(ADesktop), FAlive(std::make_shared<TConversionController*>(this)) {
    for (int i = 0; i < ParameterBoxCount; ++i)
        FBoxes[static_cast<std::size_t>(i)].OnChange = [this, i] {
            BoxChanged(static_cast<TParameterBox>(i));
        };
    FConverter.SetOnProgress([this](const TProgressInfo& AInfo) { Progress(AInfo); });
    FConverter.SetOnTerminate([this](const TTerminateInfo& AInfo) { Terminate(AInfo); });
}

TConversionController::~TConversionController() {
    if (FSettings) FSettings->RemoveOptionsListener(FSettingsListener);
    FConverter.SetOnProgress(nullptr);
    FConverter.SetOnTerminate(nullptr);
    FAlive.reset();
}

void TConversionController::AttachSettings(TSettings& ASettings) {
    if (FSettings) FSettings->RemoveOptionsListener(FSettingsListener);
    FSettings = &ASettings;
    auto follow = [this](const TConversionOptions& AOptions) {
        ThreadCount = AOptions.ThreadCount;
        FConverter.SetPreview(AOptions.ShowPreview);
    };
    follow(ASettings.Options());
    FSettingsListener = ASettings.AddOptionsListener(follow);
}

void TConversionController::Initialize() {
    Button17Click();
    Button21Click();
    FCategoryIndex = 0;
    Button30Click();
}

// ---- the output folder and the settings file ----

void TConversionController::Button17Click() {
    if (!FSettings) return;
    OutputFolder = FSettings->ReadOutputFolder();
    if (!FSettings->LastErrMsg().empty()) FLog.Add(FSettings->LastErrMsg());
}

void TConversionController::Button16Click() {
    if (FSettings && !FSettings->WriteOutputFolder(OutputFolder) && !FSettings->LastErrMsg().empty())
        FLog.Add(FSettings->LastErrMsg());
}

void TConversionController::Button21Click() {
    FDialogs.SetOpenFilter(OpenDialogFilter(), 0);
}

void TConversionController::lxSkinButton5Click() {
    if (!Commands().Settings) return;
    // Cancel, or a folder that is gone, changes nothing.
    const auto folder = FDialogs.SelectOutputDirectory();
    std::error_code ec;
    if (!folder || folder->empty() || !std::filesystem::is_directory(*folder, ec)) return;
    SetOutputFolder(*folder);
    Button16Click();
}

void TConversionController::lxSkinButton6Click() {
    Button20Click();
}

void TConversionController::SetOutputFolder(const std::string& AFolder) {
    OutputFolder = AFolder;
    RefreshOutputNames();
}

void TConversionController::RefreshOutputNames() {
    // Row by row, so each name is checked against the rows already renamed.
    for (int i = 0; i < FFiles.Count(); ++i) {
        TFileRow& row = FFiles.Row(i);
        const std::string name = UniqueOutputName(row.Columns[fcOutputFile], i);
        if (name.empty()) continue; // the start reports it
        row.Columns[fcOutputFile] = name;
        row.Output.FileName = OutputPath(name);
    }
}

// ---- the current profile and the boxes ----

void TConversionController::Button6Click() {
    ResetCurrentProfile(FProfile);
}

TParameterTexts TConversionController::BoxTexts() const {
    TParameterTexts texts;
    texts.Resolution = Box(TParameterBox::Resolution).Text();
    texts.VideoBitrate = Box(TParameterBox::VideoBitrate).Text();
    texts.FrameRate = Box(TParameterBox::FrameRate).Text();
    texts.AudioBitrate = Box(TParameterBox::AudioBitrate).Text();
    texts.SampleRate = Box(TParameterBox::SampleRate).Text();
    texts.Aspect = Box(TParameterBox::Aspect).Text();
    return texts;
}

TParameterIndexes TConversionController::BoxIndexes() const {
    TParameterIndexes indexes;
    indexes.Resolution = Box(TParameterBox::Resolution).ItemIndex();
    indexes.VideoBitrate = Box(TParameterBox::VideoBitrate).ItemIndex();
    indexes.AudioBitrate = Box(TParameterBox::AudioBitrate).ItemIndex();
    indexes.Aspect = Box(TParameterBox::Aspect).ItemIndex();
    indexes.FrameRate = Box(TParameterBox::FrameRate).ItemIndex();
    indexes.SampleRate = Box(TParameterBox::SampleRate).ItemIndex();
    return indexes;
}

void TConversionController::Button13Click() {
    ApplyParameterTexts(FProfile, BoxTexts());
}

int TConversionController::SelectedKey() const {
    return MenuProfileKey(FCategoryIndex, FProfileIndex);
}

void TConversionController::Button30Click() {
    FProfileItems.clear();
    for (const char* caption : ProfileCaptions(CategoryMenuMap(FCategoryIndex)))
        FProfileItems.emplace_back(caption);
    // Selecting the first row raises the profile box's change.
    ProfileChanged(FProfileItems.empty() ? -1 : 0);
}

void TConversionController::Button32Click() {
    const int key = SelectedKey();
    ApplyProfile(FProfile, key);
    std::vector<std::string> rowNames;
    for (int i = 0; i < FFiles.Count(); ++i)
        rowNames.push_back(OutputPath(FFiles.Text(i, fcOutputFile)));
    FOutputName =
        OutputFileName({FProfile.Video_AddFileName, OutputFolder, ProfileExtension(key), RenameExisting},
                       FileExists, rowNames);
}

void TConversionController::Button33Click() {
    TParameterBoxViews views;
    for (int i = 0; i < ParameterBoxCount; ++i)
        views[static_cast<std::size_t>(i)] = &FBoxes[static_cast<std::size_t>(i)];
    ApplyPresets(views, SelectedKey());
}

void TConversionController::WriteProfileColumns(int ARow) {
    TFileRow& row = FFiles.Row(ARow);
    ::WriteProfileColumns(row.Columns, row.Profile);
    row.Columns[fcParameterIndexes] = EncodeRowParameterIndexes(BoxIndexes());
}

void TConversionController::BoxChanged(TParameterBox) {
    const int selected = FFiles.ItemIndex();
    if (FRestoring > 0 || selected < 0) return;
    // A user edit: the row takes the boxes' values, all six kept equal to what
    // the boxes show.
    TFileRow& row = FFiles.Row(selected);
    ApplyParameterTexts(row.Profile, BoxTexts());
    ApplyParameterTexts(FProfile, BoxTexts());
    WriteProfileColumns(selected);
}

void TConversionController::SetParameterIndex(TParameterBox ABox, int AIndex) {
    TParameterBoxModel& box = FBoxes[static_cast<std::size_t>(ABox)];
    if (!Commands().Settings || !box.Enabled()) return;
    box.SetItemIndex(AIndex);
}

void TConversionController::lxSkinImagesMenu1Change(int ACategoryIndex) {
    if (ACategoryIndex < 0 || ACategoryIndex >= CategoryMenuCount) return;
    FCategoryIndex = ACategoryIndex;
    Button30Click();
}

void TConversionController::lxSkinOfficeComboBox1Change(int AProfileIndex) {
    if (!Commands().Settings || AProfileIndex < 0 || AProfileIndex >= static_cast<int>(FProfileItems.size()))
        return;
    ProfileChanged(AProfileIndex);
}

void TConversionController::ProfileChanged(int AProfileIndex) {
    FProfileIndex = AProfileIndex;
    {
        // The row is written once below, not box by box.
        TRestoreGuard quiet(FRestoring);
        Button33Click();
    }
    const int selected = FFiles.ItemIndex();
    if (selected < 0 || FRestoring > 0) return;

    TFileRow& row = FFiles.Row(selected);
    FProfile.Video_AddFileName = row.Columns[fcInputFile];
    Button32Click();
    Button13Click();
    row.Profile = FProfile;
    WriteProfileColumns(selected);
    // Nothing of the earlier profile survives: the name takes the new
    // profile's extension and stays unique.
    std::string extension = ProfileExtension(SelectedKey());
    if (extension.empty()) extension = Extension(row.Columns[fcOutputFile]);
    row.Columns[fcOutputFile] = UniqueOutputName(FileStem(row.Columns[fcOutputFile]) + extension, selected);
    row.Columns[fcProfileCode] = std::to_string(RowProfileCode(FCategoryIndex, FProfileIndex));
}

void TConversionController::lvFilesSelectItem(int ARow) {
    FFiles.SetItemIndex(ARow);
    const int selected = FFiles.ItemIndex();
    if (selected < 0) return;
    const TFileRow& row = FFiles.Row(selected);
    const auto profile = DecodeRowProfileCode(ParseInt(row.Columns[fcProfileCode], -1));
    const auto indexes = DecodeRowParameterIndexes(row.Columns[fcParameterIndexes]);
    if (!profile || !indexes) return;

    {
        // Showing a row writes nothing back into it.
        TRestoreGuard restoring(FRestoring);
        FCategoryIndex = profile->MenuEntry;
        Button30Click();
        if (profile->Row < static_cast<int>(FProfileItems.size())) ProfileChanged(profile->Row);
        FBoxes[static_cast<int>(TParameterBox::Resolution)].SetItemIndex(indexes->Resolution);
        FBoxes[static_cast<int>(TParameterBox::VideoBitrate)].SetItemIndex(indexes->VideoBitrate);
        FBoxes[static_cast<int>(TParameterBox::AudioBitrate)].SetItemIndex(indexes->AudioBitrate);
        FBoxes[static_cast<int>(TParameterBox::Aspect)].SetItemIndex(indexes->Aspect);
        FBoxes[static_cast<int>(TParameterBox::FrameRate)].SetItemIndex(indexes->FrameRate);
        FBoxes[static_cast<int>(TParameterBox::SampleRate)].SetItemIndex(indexes->SampleRate);
        FProfile = row.Profile;
    }
    if (OnPreview) OnPreview(row.Columns[fcInputFile]);
}

// ---- output names ----

std::string TConversionController::OutputPath(const std::string& AName) const {
    if (OutputFolder.empty()) return AName;
    return OutputFolder.back() == '/' ? OutputFolder + AName : OutputFolder + "/" + AName;
}

std::string TConversionController::UniqueOutputName(const std::string& AName, int ARow) const {
    if (AName.empty()) return {};
    auto taken = [&](const std::string& ACandidate) {
        const std::string path = NormalPath(OutputPath(ACandidate));
        for (int i = 0; i < FFiles.Count(); ++i) {
            if (NormalPath(FFiles.Text(i, fcInputFile)) == path) return true; // never an input
            if (i != ARow && NormalPath(OutputPath(FFiles.Text(i, fcOutputFile))) == path) return true;
        }
        return RenameExisting && FileExists(OutputPath(ACandidate));
    };
    if (!taken(AName)) return AName;
    const std::string stem = FileStem(AName);
    const std::string extension = Extension(AName);
    for (int n = 1; n <= MaxNameNumber; ++n) {
        std::string candidate = stem + "_" + std::to_string(n) + extension;
        if (!taken(candidate)) return candidate;
    }
    return {};
}

// ---- adding ----

void TConversionController::LogBetweenEmptyLines(const std::string& AText) {
    FLog.Add("");
    FLog.Add(AText);
    FLog.Add("");
}

void TConversionController::ShowAddFailure(const std::string& AFileName, const std::string& AReason) {
    FStatusText = "无法添加文件 " + FileNameOfPath(AFileName) + "：" + AReason;
}

bool TConversionController::PrepareAdd() {
    if (FConverter.AVLibLoaded()) return true;
    if (FConverter.LoadAVLib(LibraryFolder)) return true;
    const std::string error = FConverter.LastErrMsg();
    FLog.Add(error);
    FStatusText = "无法加载媒体库：" + error;
    return false;
}

TConversionController::TAddResult TConversionController::AddOne(const std::string& AFileName,
                                                                std::string& AReason) {
    if (FFiles.Count() >= TFileList::MaxRows) {
        AReason = "列表已满（最多 " + std::to_string(TFileList::MaxRows) + " 个文件）";
        return TAddResult::Fatal;
    }
    if (!FProber.LoadFile(AFileName)) {
        AReason = FProber.LastErrMsg();
        LogBetweenEmptyLines("***File load error: " + AReason);
        return TAddResult::Skipped;
    }
    FProfile.Video_AddFileName = AFileName;

    TFileRow row;
    row.Input.FileName = AFileName;
    const int task = FConverter.AddTask(AFileName, &row.Input);
    if (task < 0) {
        AReason = FConverter.LastErrMsg();
        LogBetweenEmptyLines("***File open error: " + AReason);
        return TAddResult::Fatal;
    }
    FLog.Add("");
    FLog.Add(FConverter.TaskInfoText(task));

    // Adding a file never touches another row: the profile goes into this
    // file's record only.
    Button32Click();
    Button13Click();
    std::string reason = ProfileUnavailableReason(FProfile);
    if (reason.empty() && FOutputName.empty()) reason = "没有可用的输出文件名";
    if (reason.empty()) {
        row.Output = BuildOutputOptions(FProfile);
        if (!FConverter.SetOutputFile(task, FOutputName, &row.Output)) reason = FConverter.LastErrMsg();
    }
    if (!reason.empty()) {
        FConverter.RemoveTask(task);
        AReason = reason;
        LogBetweenEmptyLines("***Cannot do convert, error: " + reason);
        return TAddResult::Fatal;
    }

    TFileRowTexts& c = row.Columns;
    const int64_t duration = FProber.Duration();
    c[fcInputFile] = AFileName;
    c[fcDuration] = duration > 0 ? SecToDate(duration / 1000000) : "N/A";
    c[fcFileSize] = MegabyteText(FProber.FileSize());
    c[fcOutputFile] = FileNameOfPath(FOutputName);
    c[fcTaskNumber] = std::to_string(task + 1);
    c[fcProfileCode] = std::to_string(RowProfileCode(FCategoryIndex, FProfileIndex));
    row.Profile = FProfile;
    const int index = FFiles.Add(std::move(row));
    WriteProfileColumns(index);
    EnterState(TRunState::Listed);
    LogBetweenEmptyLines("***Can do convert.");
    return TAddResult::Added;
}

void TConversionController::btnAddClick() {
    if (!Commands().Add) return;
    Button6Click();
    if (!PrepareAdd()) return;
    const auto file = FDialogs.OpenFile();
    if (!file) return;
    if (!IsFile(*file)) {
        ShowAddFailure(*file, "文件不存在");
        return;
    }
    std::string reason;
    if (AddOne(*file, reason) != TAddResult::Added) {
        ShowAddFailure(*file, reason);
        return;
    }
    FStatusText.clear();
    lvFilesSelectItem(FFiles.Count() - 1);
}

void TConversionController::Button8Click() {
    if (!Commands().Add) return;
    Button6Click();
    if (!PrepareAdd()) return;
    const auto files = FDialogs.OpenFiles();
    if (!files || files->empty()) return;
    AddMany(*files, false);
}

void TConversionController::Button12Click() {
    if (!Commands().Add) return;
    Button6Click();
    if (!PrepareAdd()) return;
    // Cancel does nothing, whatever folder was chosen before.
    const auto folder = FDialogs.SelectDirectory();
    if (!folder || folder->empty()) return;
    std::error_code ec;
    if (!std::filesystem::is_directory(*folder, ec)) {
        FStatusText = "目录不存在：" + *folder;
        return;
    }
    AddMany(GetFilenames(*folder), true);
}

void TConversionController::AddMany(const std::vector<std::string>& AFiles, bool AFolder) {
    const int before = FFiles.Count();
    std::vector<std::string> skipped;
    std::string fatal;
    // The last chosen file first, so the first chosen ends as the last row.
    for (auto it = AFiles.rbegin(); it != AFiles.rend(); ++it) {
        std::string reason;
        if (!IsFile(*it)) {
            fatal = "无法添加文件 " + FileNameOfPath(*it) + "：文件不存在";
            break;
        }
        const TAddResult result = AddOne(*it, reason);
        if (result == TAddResult::Skipped) skipped.push_back(FileNameOfPath(*it) + "（" + reason + "）");
        if (result == TAddResult::Fatal) {
            fatal = "无法添加文件 " + FileNameOfPath(*it) + "：" + reason;
            break;
        }
    }
    FStatusText = fatal;
    if (!skipped.empty()) {
        if (!FStatusText.empty()) FStatusText += "；";
        FStatusText += "未能添加的文件：";
        for (std::size_t i = 0; i < skipped.size(); ++i)
            FStatusText += (i ? "、" : "") + skipped[i];
    }
    if (!FFiles.Empty()) lvFilesSelectItem(FFiles.Count() - 1);
    if (AFolder && FFiles.Count() <= before) FDialogs.ShowInformation(EmptyFolderText);
}

// ---- the run ----

void TConversionController::EnterState(TRunState AState) {
    FState = AState;
}

void TConversionController::Button28Click() {
    FConverter.ClearTasks();
    FStartFailures.clear();
    std::vector<int> taskRows;
    for (int i = 0; i < FFiles.Count(); ++i) {
        TFileRow& row = FFiles.Row(i);
        const std::string input = row.Columns[fcInputFile];
        std::string failure;
        std::string reason;
        // Checked again: another row or a file may have taken the name since.
        const std::string name = UniqueOutputName(row.Columns[fcOutputFile], i);
        if (name.empty()) reason = "没有可用的输出文件名";
        // A profile changed after adding may need an encoder this system lacks.
        if (reason.empty()) reason = ProfileUnavailableReason(row.Profile);
        if (!reason.empty()) failure = "***Cannot do convert, error: " + reason;
        int task = -1;
        if (failure.empty()) {
            row.Columns[fcOutputFile] = name;
            // Only this row's own values, on fresh records.
            row.Input = TInputOptions();
            row.Input.FileName = input;
            std::vector<std::string> notes;
            row.Output = BuildOutputOptions(row.Profile, &notes);
            row.Output.FileName.clear();
            for (const std::string& note : notes)
                FLog.Add(FileNameOfPath(input) + ": " + note);
            task = FConverter.AddTask(input, &row.Input);
            if (task < 0) {
                reason = FConverter.LastErrMsg();
                failure = "***File open error: " + reason;
            }
        }
        if (failure.empty() && !FConverter.SetOutputFile(task, OutputPath(name), &row.Output)) {
            reason = FConverter.LastErrMsg();
            failure = "***Cannot do convert, error: " + reason;
            // The last task added: the tasks before it keep their indexes.
            FConverter.RemoveTask(task);
        }
        if (!failure.empty()) {
            // The row fails on its own; the others are converted all the same.
            LogBetweenEmptyLines(failure);
            row.Columns[fcTaskNumber].clear();
            TTerminateInfo report;
            report.TaskIndex = i;
            report.Exception = true;
            report.ExceptionMsg = "无法转换 " + FileNameOfPath(input) + "：" + reason;
            FStartFailures.push_back(std::move(report));
            continue;
        }
        row.Columns[fcTaskNumber] = std::to_string(task + 1);
        taskRows.push_back(i);
    }
    {
        std::lock_guard lock(FReportsLock);
        FTaskRows = std::move(taskRows);
    }
}

int TConversionController::TaskRow(int ATaskIndex) const {
    if (ATaskIndex == -1) return -1;
    return ATaskIndex >= 0 && ATaskIndex < static_cast<int>(FTaskRows.size())
               ? FTaskRows[static_cast<std::size_t>(ATaskIndex)]
               : -2;
}

bool TConversionController::btnStartClick() {
    const TCommandStates commands = Commands();
    if (!commands.Start && !commands.StartButton) return false;
    // The reports of the run before belong to it, not to the new one.
    ProcessReports();
    static constexpr TThreadPriority priorities[] = {TThreadPriority::tpIdle, TThreadPriority::tpLowest,
                                                     TThreadPriority::tpLower, TThreadPriority::tpNormal};
    FConverter.SetThreadPriority(PriorityIndex >= 0 && PriorityIndex < 4 ? priorities[PriorityIndex]
                                                                         : TThreadPriority::tpNormal);
    Button28Click();
    for (int i = 0; i < FFiles.Count(); ++i)
        for (int c = fcProgress; c <= fcCurrentSize; ++c)
            FFiles.SetText(i, static_cast<TFileRowColumn>(c), "");
    FOutcomes.assign(static_cast<std::size_t>(FFiles.Count()), TRowOutcome::Pending);
    FStopRequested = false;
    FRenameText.reset();
    FStatusText.clear();
    EnterState(TRunState::Converting);
    // The rows that could not be set up report first, through the same queue
    // as the converter's reports; a run without a task ends at once.
    bool anyTask = false;
    {
        std::lock_guard lock(FReportsLock);
        for (const TTerminateInfo& failure : FStartFailures)
            FReports.push_back(failure);
        anyTask = !FTaskRows.empty();
        if (!anyTask) FReports.push_back(TTerminateInfo{-1, false, false, {}});
    }
    if (!FStartFailures.empty() || !anyTask) ScheduleReports();
    if (anyTask) FConverter.Start(std::max(1, ThreadCount));
    return true;
}

void TConversionController::btnStopClick() {
    if (!Commands().Stop) return;
    FStopRequested = true;
    EnterState(TRunState::Stopped);
    FConverter.Stop(true);
    ProcessReports();
}

void TConversionController::btnPauseClick() {
    if (!Commands().Pause) return;
    EnterState(TRunState::Paused);
    FConverter.Pause();
}

void TConversionController::btnResumeClick() {
    if (!Commands().Resume) return;
    EnterState(TRunState::Converting);
    FConverter.Resume();
}

void TConversionController::Progress(const TProgressInfo& AInfo) {
    int row = -2;
    {
        std::lock_guard lock(FReportsLock);
        row = TaskRow(AInfo.TaskIndex);
    }
    if (row < 0 || row >= FFiles.Count()) return;
    ApplyProgress(FFiles.Row(row).Columns, AInfo);
}

void TConversionController::Terminate(const TTerminateInfo& AInfo) {
    {
        std::lock_guard lock(FReportsLock);
        // Queued by row: a row failed at the start has no task.
        TTerminateInfo report = AInfo;
        report.TaskIndex = TaskRow(AInfo.TaskIndex);
        FReports.push_back(std::move(report));
    }
    ScheduleReports();
}

void TConversionController::ScheduleReports() {
    std::weak_ptr<TConversionController*> alive = FAlive;
    QueueInMainThread([alive] {
        if (auto self = alive.lock()) (*self)->ProcessReports();
    });
}

void TConversionController::ProcessReports() {
    if (FHandlingReports) return;
    FHandlingReports = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FHandlingReports};
    while (true) {
        TTerminateInfo info;
        {
            std::lock_guard lock(FReportsLock);
            if (FReports.empty()) return;
            info = std::move(FReports.front());
            FReports.pop_front();
        }
        HandleReport(info);
    }
}

void TConversionController::HandleReport(const TTerminateInfo& AInfo) {
    // AInfo.TaskIndex is the row here (-1 the run's end).
    if (AInfo.TaskIndex == -1) {
        FinishRun();
        return;
    }
    if (AInfo.TaskIndex < 0 || AInfo.TaskIndex >= FFiles.Count()) return;
    const auto i = static_cast<std::size_t>(AInfo.TaskIndex);
    if (i >= FOutcomes.size()) FOutcomes.resize(i + 1, TRowOutcome::Pending);
    if (AInfo.Exception) {
        FOutcomes[i] = TRowOutcome::Failed;
        FFiles.SetText(AInfo.TaskIndex, fcProgress, FailedProgressText);
        // Modal: later reports wait in the queue until the box is closed.
        FDialogs.ShowTaskFailure(AInfo.ExceptionMsg);
    } else if (AInfo.Finished) {
        FOutcomes[i] = TRowOutcome::Finished;
        FFiles.SetText(AInfo.TaskIndex, fcProgress, "100%");
    } else {
        // Broken off: the row keeps its last percentage.
        FOutcomes[i] = TRowOutcome::Stopped;
    }
}

void TConversionController::FinishRun() {
    if (FState != TRunState::Converting && FState != TRunState::Paused && FState != TRunState::Stopped)
        return; // no run of ours is active
    EnterState(TRunState::Finished);
    int stopped = 0;
    int failed = 0;
    for (int i = 0; i < FFiles.Count(); ++i) {
        const TRowOutcome outcome = static_cast<std::size_t>(i) < FOutcomes.size()
                                        ? FOutcomes[static_cast<std::size_t>(i)]
                                        : TRowOutcome::Pending;
        if (outcome == TRowOutcome::Failed)
            ++failed;
        else if (outcome != TRowOutcome::Finished)
            ++stopped;
    }
    if (stopped == 0 && failed == 0) {
        FStatusText = EndOfRunText;
    } else {
        FStatusText = "转换结束：" + std::to_string(stopped) + " 个文件已停止，" + std::to_string(failed) +
                      " 个文件转换失败。";
    }
    // Only a run that ended by itself goes on to the chosen action.
    if (FStopRequested) return;
    switch (AfterConversion) {
    case TAfterConversion::OpenOutputFolder:
        Button20Click();
        break;
    case TAfterConversion::PowerOff:
        Button25Click();
        break;
    case TAfterConversion::Nothing:
        break;
    }
}

void TConversionController::Button20Click() {
    if (!FDesktop.OpenFolder(OutputFolder)) FLog.Add("Cannot open the output folder " + OutputFolder);
}

void TConversionController::Button25Click() {
    if (!FDesktop.PowerOff()) FLog.Add("The power-off request failed.");
}

// ---- editing ----

void TConversionController::btnRemoveClick() {
    if (!Commands().Remove) return;
    const int selected = FFiles.ItemIndex();
    if (selected < 0) {
        FDialogs.ShowInformation(RemoveWithoutRowText);
        return;
    }
    const int number = ParseInt(FFiles.Text(selected, fcTaskNumber), 0);
    if (number >= 1) FConverter.RemoveTask(number - 1);
    FFiles.Delete(selected);
    FRenameText.reset();
    for (int i = 0; i < FFiles.Count(); ++i) {
        const int n = ParseInt(FFiles.Text(i, fcTaskNumber), 0);
        if (n > number) FFiles.SetText(i, fcTaskNumber, std::to_string(n - 1));
    }
    if (FFiles.Empty()) {
        EnterState(TRunState::Empty);
        if (OnPreview) OnPreview("");
        return;
    }
    EnterState(TRunState::Listed);
    lvFilesSelectItem(0);
}

void TConversionController::btnClearClick() {
    if (!Commands().Clear) return;
    ProcessReports();
    FConverter.ClearTasks();
    FFiles.Clear();
    {
        std::lock_guard lock(FReportsLock);
        FTaskRows.clear();
    }
    FOutcomes.clear();
    FStopRequested = false;
    FRenameText.reset();
    EnterState(TRunState::Empty);
    if (OnPreview) OnPreview("");
}

bool TConversionController::RunActive() const {
    return FState == TRunState::Converting || FState == TRunState::Paused || FState == TRunState::Stopped;
}

void TConversionController::MoveUp() {
    const int selected = FFiles.ItemIndex();
    // Rows are the running tasks' places while a run is active.
    if (RunActive() || selected <= 0) return;
    FFiles.Exchange(selected, selected - 1);
    if (static_cast<std::size_t>(selected) < FOutcomes.size())
        std::swap(FOutcomes[static_cast<std::size_t>(selected)],
                  FOutcomes[static_cast<std::size_t>(selected - 1)]);
    lvFilesSelectItem(selected - 1);
}

void TConversionController::MoveDown() {
    const int selected = FFiles.ItemIndex();
    if (RunActive() || selected < 0 || selected + 1 >= FFiles.Count()) return;
    FFiles.Exchange(selected, selected + 1);
    if (static_cast<std::size_t>(selected + 1) < FOutcomes.size())
        std::swap(FOutcomes[static_cast<std::size_t>(selected)],
                  FOutcomes[static_cast<std::size_t>(selected + 1)]);
    lvFilesSelectItem(selected + 1);
}

bool TConversionController::BeginRename(bool AFromDoubleClick) {
    if (!Commands().Rename) return false;
    const int selected = FFiles.ItemIndex();
    if (selected < 0) {
        if (!AFromDoubleClick) FDialogs.ShowInformation(RenameWithoutRowText);
        return false;
    }
    FRenameText = FileStem(FFiles.Text(selected, fcOutputFile));
    return true;
}

bool TConversionController::edtExit(const std::string& AText) {
    const int selected = FFiles.ItemIndex();
    if (!FRenameText || selected < 0) {
        FRenameText.reset();
        return false;
    }
    if (AText.empty()) return false;
    if (AText == "." || AText == ".." || AText.find_first_of("/\\") != std::string::npos ||
        AText.find('\0') != std::string::npos) {
        FStatusText = "文件名不能包含“/”或“\\”，也不能是“.”或“..”";
        return false;
    }
    TFileRow& row = FFiles.Row(selected);
    std::string extension;
    if (const auto profile = DecodeRowProfileCode(ParseInt(row.Columns[fcProfileCode], -1)))
        extension = ProfileExtension(MenuProfileKey(profile->MenuEntry, profile->Row));
    if (extension.empty()) extension = Extension(row.Columns[fcOutputFile]);
    const std::string name = UniqueOutputName(AText + extension, selected);
    if (name.empty()) {
        FStatusText = "没有可用的输出文件名";
        return false;
    }
    row.Columns[fcOutputFile] = name;
    row.Output.FileName = OutputPath(name);
    FRenameText.reset();
    return true;
}
