#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue/CurrentProfile.h"
#include "app/catalogue/OutputFileName.h"
#include "app/catalogue/ProfileKey.h"
#include "app/conversion/CommandState.h"
#include "app/conversion/IConversionDialogs.h"
#include "app/conversion/IConverter.h"
#include "app/conversion/TConversionLog.h"
#include "app/conversion/TFileList.h"
#include "app/conversion/TParameterBoxModel.h"
#include "app/presets/ParameterBox.h"

class TSettings;

// What to do when a run has ended by itself ("转换完成后：").
enum class TAfterConversion { OpenOutputFolder, PowerOff, Nothing };

// The conversion road without a window: adding files, the run and the
// editing of the file list, over the file-list model, the category and
// profile choice, the six parameter boxes and the command states. The main
// window shows this state and forwards its controls' events to the methods
// named after the window's handlers; the hidden steps the window chains
// (`Button6`, `Button13`, `Button28`, `Button30`, `Button32`, `Button33`,
// `Button20`, `Button25`) are methods called in the same order.
//
// Everything runs on the GUI thread except `Terminate`, which the converter
// may call from any thread.
class TConversionController {
public:
    TConversionController(IConverter& AConverter, IProber& AProber, IConversionDialogs& ADialogs,
                          IDesktopServices& ADesktop);
    ~TConversionController();
    TConversionController(const TConversionController&) = delete;
    TConversionController& operator=(const TConversionController&) = delete;

    // Settings the window's boxes hold.
    std::string OutputFolder;   // "输出目录"
    bool RenameExisting = true; // "自动重命名"; false is "直接覆盖"
    int ThreadCount = 1;        // simultaneous conversions; follows the settings' options once attached
    int PriorityIndex = 3;      // "CPU利用方式：" 0 idle .. 3 normal
    TAfterConversion AfterConversion = TAfterConversion::Nothing;
    std::string LibraryFolder;  // where the media libraries are loaded from
    TFileExistsFunc FileExists; // disk check for output names (default: the file system)

    // State shown by the window.
    const TFileList& Files() const { return FFiles; }
    TRunState State() const { return FState; }
    TCommandStates Commands() const { return CommandStates(FState, FStopRequested); }
    const TConversionLog& Log() const { return FLog; }
    TConversionLog& Log() { return FLog; }
    const std::string& StatusText() const { return FStatusText; }
    int CategoryIndex() const { return FCategoryIndex; }
    const std::vector<std::string>& ProfileItems() const { return FProfileItems; }
    int ProfileIndex() const { return FProfileIndex; }
    const TParameterBoxModel& Box(TParameterBox ABox) const { return FBoxes[static_cast<int>(ABox)]; }
    const TCurrentProfile& CurrentProfile() const { return FProfile; }
    // The edit box of a rename in progress; nothing when none is open.
    const std::optional<std::string>& RenameText() const { return FRenameText; }

    // The settings file: the output folder is read from it and written to it;
    // the number of simultaneous conversions and the converter's real-time
    // preview follow its options. Attach
    // before Initialize; the settings must outlive the controller.
    void AttachSettings(TSettings& ASettings);

    // Start-up: the output folder from the settings (`Button17`), the open
    // dialogs' filters (`Button21`), category entry 0 with its first profile
    // and the boxes filled.
    void Initialize();

    // The output folder ("输出目录"): "浏览" (`lxSkinButton5Click`) chooses it
    // and stores it (`Button16Click`); "打开" (`lxSkinButton6Click`) opens it.
    // Setting it gives every row a name that is free in the new folder.
    void lxSkinButton5Click();
    void lxSkinButton6Click();
    void SetOutputFolder(const std::string& AFolder);
    void Button16Click();
    void Button17Click();
    void Button21Click();

    // Adding (`btnAddClick`, `Button8Click`, `Button12Click`).
    void btnAddClick();
    void Button8Click();
    void Button12Click();

    // The run (`btnStartClick`, `btnStopClick`, `btnPauseClick`, `btnResumeClick`).
    // Start is false, doing nothing, while the start commands are disabled.
    bool btnStartClick();
    void btnStopClick();
    void btnPauseClick();
    void btnResumeClick();
    // The converter's reports. Progress arrives on the GUI thread; a
    // termination report may come from any thread and is queued.
    void Progress(const TProgressInfo& AInfo);
    void Terminate(const TTerminateInfo& AInfo);
    // Handles the queued termination reports one at a time, in the order
    // raised. Re-entered from inside a failure box it returns at once: the
    // outer call goes on once the box is closed.
    void ProcessReports();

    // Editing.
    void btnRemoveClick();
    void btnClearClick();
    void MoveUp();
    void MoveDown();
    // Opens the rename box; false (after telling the user) with no row selected.
    bool BeginRename(bool AFromDoubleClick = false);
    // `edtExit`: applies the edit box's text. False, the box staying open,
    // for an empty text; false with the reason in the status panel for a
    // name that would leave the output folder.
    bool edtExit(const std::string& AText);
    // User choices in the window's controls.
    void SetParameterIndex(TParameterBox ABox, int AIndex);
    void lxSkinImagesMenu1Change(int ACategoryIndex);
    void lxSkinOfficeComboBox1Change(int AProfileIndex);
    // `lvFilesSelectItem`: shows the row's category, profile and parameters
    // without writing anything back into it. -1 clears the selection.
    void lvFilesSelectItem(int ARow);

    // The hidden steps.
    void Button6Click();  // reset the current-profile fields
    void Button13Click(); // the six boxes into the current-profile fields
    void Button30Click(); // the profile box for the category, its first row selected
    void Button32Click(); // the chosen profile into the fields and the output name
    void Button33Click(); // the six boxes for the chosen profile
    // Rebuilds every task from the rows; a row that cannot be set up is kept
    // aside with its reason and fails on its own when the run starts.
    void Button28Click();
    void Button20Click(); // open the output folder
    void Button25Click(); // power off

    // Optional: told when a row should be opened in the preview.
    std::function<void(const std::string& AFileName)> OnPreview;

private:
    enum class TAddResult { Added, Skipped, Fatal };
    enum class TRowOutcome { Pending, Finished, Failed, Stopped };

    bool PrepareAdd();
    TAddResult AddOne(const std::string& AFileName, std::string& AReason);
    void AddMany(const std::vector<std::string>& AFiles, bool AFolder);
    void ShowAddFailure(const std::string& AFileName, const std::string& AReason);
    void LogBetweenEmptyLines(const std::string& AText);
    void BoxChanged(TParameterBox ABox);
    TParameterTexts BoxTexts() const;
    TParameterIndexes BoxIndexes() const;
    int SelectedKey() const;
    void WriteProfileColumns(int ARow);
    std::string UniqueOutputName(const std::string& AName, int ARow) const;
    std::string OutputPath(const std::string& AName) const;
    void RefreshOutputNames();
    void EnterState(TRunState AState);
    void ProfileChanged(int AProfileIndex);
    bool RunActive() const;
    void HandleReport(const TTerminateInfo& AInfo);
    // Handles the queued reports on the GUI thread, later.
    void ScheduleReports();
    // The row of a task of the run; -1 for the run's end, -2 for none. Under FReportsLock.
    int TaskRow(int ATaskIndex) const;
    void FinishRun();

    IConverter& FConverter;
    IProber& FProber;
    IConversionDialogs& FDialogs;
    IDesktopServices& FDesktop;

    TFileList FFiles;
    TRunState FState = TRunState::Empty;
    TConversionLog FLog;
    std::string FStatusText;
    TCurrentProfile FProfile;
    std::string FOutputName; // `Video_OutPutFileName` after `Button32`
    int FCategoryIndex = 0;
    std::vector<std::string> FProfileItems;
    int FProfileIndex = -1;
    std::array<TParameterBoxModel, ParameterBoxCount> FBoxes;
    // While set, the controls follow a row or a preset: nothing is written back.
    int FRestoring = 0;
    std::optional<std::string> FRenameText;

    bool FStopRequested = false;
    std::vector<TRowOutcome> FOutcomes;

    std::mutex FReportsLock;
    // Reports by row (the converter's task indexes translated), in the order raised.
    std::deque<TTerminateInfo> FReports;
    // The row of each task of the run; rows that failed at the start have none.
    std::vector<int> FTaskRows;
    // The failure reports of the rows the last rebuild could not set up.
    std::vector<TTerminateInfo> FStartFailures;
    bool FHandlingReports = false;
    // Cleared on destruction, so a report queued to the GUI thread after
    // that finds nobody to call.
    std::shared_ptr<TConversionController*> FAlive;

    TSettings* FSettings = nullptr;
    int FSettingsListener = 0;
};
