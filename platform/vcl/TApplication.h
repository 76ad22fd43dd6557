#pragma once

#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TScreen.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class THintWindow;

using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// The program: its forms, the message loop, hints and the handling of
// exceptions that reach the loop. There is one, Application.
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize();
    // Builds a T from its description; the first form made becomes MainForm.
    template <class T> void CreateForm(T*& Reference) {
        Reference = TCustomForm::Create<T>(this);
        if (!FMainForm) FMainForm = Reference;
    }
    // Shows MainForm and runs the loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message waiting, then returns.
    void ProcessMessages();
    // Handles one message, or idles and waits for the next.
    void HandleMessage();
    // The exception being handled goes to OnException, or to standard error.
    void HandleException(TObject* Sender);

    TCustomForm* MainForm() const { return FMainForm; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string& Value) { FHelpFile = Value; }
    // The program's small picture (empty: none); alpha counts.
    TBitmap* Icon() { return &FIcon; }
    void SetIcon(const TBitmap& Value) { FIcon.Assign(Value); }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    using THintWindowClass = std::function<THintWindow*(TComponent* Owner)>;
    THintWindowClass HintWindowClass;
    void CancelHint();
    THintWindow* HintWindow() const { return FHintWindow; }
    // The control whose hint is pending or showing; nullptr when none.
    TControl* HintControl() const { return FHintControl; }
    // Called by controls when the pointer enters or leaves them.
    void HintMouseMessage(TControl* Control);

    TMessageEvent OnMessage;
    // A filter that takes the messages before OnMessage while it is the
    // newest (an open skinned menu); it returns true for a handled message.
    // Filters are removed by their token, in any order; OnMessage runs only
    // while none is installed.
    using TMessageFilter = std::function<bool(TMsg& Msg)>;
    uint64_t AddMessageFilter(TMessageFilter Filter);
    void RemoveMessageFilter(uint64_t Token);
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;
    TExceptionEvent OnException;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool ProcessMessage(TMsg& Msg);
    bool FilterMessage(TMsg& Msg);
    // The newest filter, else OnMessage; true when the message was handled.
    bool RunFilters(TMsg& Msg);
    void Idle();
    void ShowHintNow();
    void HideHint();
    void StartHintTimer(uint32_t Ms, uintptr_t Id);
    void StopHintTimer();

    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle;
    std::string FHelpFile;
    TBitmap FIcon{0, 0};
    std::string FHint;
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    uintptr_t FHintTimer = 0;
    uint64_t FHookId = 0;
    std::vector<std::pair<uint64_t, TMessageFilter>> FFilters;
    uint64_t FNextFilter = 1;
    // The last key-down was taken by OnMessage: its characters are dropped.
    bool FKeyTaken = false;
};

extern TApplication* Application;
