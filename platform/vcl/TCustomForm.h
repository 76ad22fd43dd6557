#pragma once

#include "platform/base/ScopeGuard.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TCustomControl.h"

class TMainMenu;
class TMDIClient;
class TMenuItem;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// A key message (WM_KEYDOWN, or WM_SYSKEYDOWN with Alt; WParam the virtual
// key) offered to the form as a shortcut before its menu; Handled consumes it.
using TShortCutEvent = std::function<void(TMessage& Msg, bool& Handled)>;

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// A top-level window holding controls. A form class with a description in
// the program's resources is built from it by Create (or
// TApplication::CreateForm); CreateNew makes an empty one.
class TCustomForm : public TCustomControl {
public:
    // An empty form: no description is read.
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Makes a T, reads the descriptions of T and its ancestors, then runs OnCreate.
    template <class T> static T* Create(TComponent* AOwner) {
        T* form = new T(AOwner);
        TScopeGuard freeOnFailure([&] { form->Free(); });
        form->InitInheritedComponent();
        freeOnFailure.Dismiss();
        form->DoCreate();
        return form;
    }
    void InitInheritedComponent();

    void Show();
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now queued are handled.
    void Release();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TFormState FormState() const { return FFormState; }
    bool Active() const { return FActive; }

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    // Called when a control of this form gets the focus.
    bool SetFocusedControl(TWinControl* Control);
    void SendCancelMode(TControl* Sender);
    bool IsShortCut(uint16_t Key, TShiftState Shift);

    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);

    // ---- MDI
    // An MDI parent's client window (nullptr on other forms).
    TMDIClient* MDIClient() const { return FMDIClient; }
    HWND ClientHandle();
    // The menu whose items list the MDI children.
    TMenuItem* WindowMenu() const;
    void SetWindowMenu(TMenuItem* Value);
    TCustomForm* ActiveMDIChild() const;
    int MDIChildCount() const;
    // Topmost first.
    TCustomForm* MDIChildren(int Index) const;

    bool CanFocus() const override;
    bool Showing() const override;
    void SetFocus() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    // The form's small picture (empty: none of its own); alpha counts.
    TBitmap* Icon() { return &FIcon; }
    void SetIcon(const TBitmap& Value) { FIcon.Assign(Value); }

    void DoCreate();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void Destroying() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoClose(TCloseAction& Action);
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    void CMDialogKey(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    void ControlRemoving(TWinControl* Control);
    void CloseModal();

private:
    void PlaceByPosition();
    // Where a centred form is centred.
    TRect CentringArea() const;
    // The window a modal showing is owned by.
    HWND ModalOwnerWindow() const;
    // After a modal showing: the window and control that had the focus get it back.
    static void RestoreActiveWindow(HWND Previous, HWND PreviousFocus);
    void UpdateWindowStyle();
    void FocusFirstControl();
    // The MDI client an MDI child's window lives in: the main form's.
    TMDIClient* ParentMDIClient() const;
    // An MDI child became the active child or stopped being it.
    void MDIActivated(bool Active);

    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    TFormStyle FFormStyle = fsNormal;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FDestroyDone = false;
    TComponentRef<TMainMenu> FMenu{this};
    TBitmap FIcon{0, 0};
    TMDIClient* FMDIClient = nullptr;
    TComponentRef<TMenuItem> FWindowMenu{this};

    friend class TWinControl;
    friend class TMDIClient;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};
