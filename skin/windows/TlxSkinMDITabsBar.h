#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/TlxSkinControl.h"

#include <functional>
#include <memory>
#include <vector>

class TlxLumivex;
class TlxSkinMDITabsBar;
class TlxSkinMenuSpeedButton;
class TlxSkinPopupMenu;

enum TlxSkinMDITabKind { lxtkTab, lxtkButton };

// One tab of the bar, standing for one MDI child (not owned).
class TlxMDITab {
public:
    TlxMDITab(TlxSkinMDITabsBar* AParentBar, TCustomForm* AChild) : TabsBar(AParentBar), Child(AChild) {}

    TlxSkinMDITabsBar* TabsBar;
    TCustomForm* Child;
    // In the bar's client coordinates; empty while the tab does not fit.
    TRect ObjectRect{0, 0, 0, 0};
    bool Visible = false;
    bool Active = false;
    bool MouseIn = false;
    // The close button, relative to the tab's top-left, as last drawn.
    TRect ButtonRect{0, 0, 0, 0};
    bool ButtonMouseIn = false;
    bool ButtonMouseDown = false;

    // The tab at its place on Cnvs: the built-in look, the skin's tab look
    // (three-part or free height), or the button look.
    void Draw(TCanvas* Cnvs);
    void ButtonDraw(TCanvas* Cnvs);
    void ResizeDraw(TCanvas* Cnvs);
    // The close button beside the text, in the area R of the tab's bitmap.
    void DrawCloseButton(TCanvas* Cnvs, const TRect& R);

private:
    void DrawText(TCanvas* Cnvs, TRect R);
};

using TlxMDITabEvent = std::function<void(TlxMDITab* MDITab)>;
using TlxMDITabMouseEvent = std::function<void(TMouseButton Button, TShiftState Shift, TlxMDITab* MDITab)>;
using TlxMDITabDrawParamsEvent = std::function<void(TlxMDITab* MDITab, TCanvas* Cnvs)>;

// The tab bar of an MDI main form: one tab per MDI child, drawn from the
// skin's tab description ("tab") or as buttons ("resizebutton"); a press on
// a tab brings its child forward, tabs can be dragged to a new place, a right
// click opens the child's system menu, a list button at the left lists every
// child and a hide-list button at the right those whose tabs do not fit.
// The main form's skinning component adds and removes the tabs.
class TlxSkinMDITabsBar : public TlxSkinControl {
public:
    explicit TlxSkinMDITabsBar(TComponent* AOwner);
    ~TlxSkinMDITabsBar() override;

    // ---- Published properties
    bool ShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool Value);
    TlxSkinMDITabKind TabKind() const { return FTabKind; }
    void SetTabKind(TlxSkinMDITabKind Value);
    TlxLumivex* Lumivex() const { return FLumivex; }
    void SetLumivex(TlxLumivex* Value);
    bool SupportChildMenus() const { return FSupportChildMenus; }
    void SetSupportChildMenus(bool Value) { FSupportChildMenus = Value; }
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    bool MoveTabs() const { return FMoveTabs; }
    void SetMoveTabs(bool Value) { FMoveTabs = Value; }
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    int DefaultTabWidth() const { return FDefaultTabWidth; }
    void SetDefaultTabWidth(int Value) { FDefaultTabWidth = Value; }
    int MinTabWidth() const { return FMinTabWidth; }
    void SetMinTabWidth(int Value) { FMinTabWidth = Value; }

    TlxMDITabEvent OnTabMouseEnter, OnTabMouseLeave;
    TlxMDITabMouseEvent OnTabMouseDown, OnTabMouseUp;
    TlxMDITabDrawParamsEvent OnTabGetDrawParamsEvent;

    // ---- Tabs
    void AddTab(TCustomForm* Child);
    void DeleteTab(TCustomForm* Child);
    // Each tab's Active: its child is the main form's active MDI child.
    void UpdateActiveTab();
    int TabCount() const { return static_cast<int>(ObjectList.size()); }
    TlxMDITab* Tabs(int Index) const { return ObjectList.at(Index).get(); }
    // The first visible tab containing the point (edges inclusive), or -1 / nullptr.
    int GetTabIndex(int X, int Y) const;
    TlxMDITab* GetTab(int X, int Y) const;
    int GetCloseSize() const;
    // Lays the tabs out for the bar's size (run before every paint).
    void CalcTabRects();
    // Where the dragged tab would go, or -1.
    int GetDropIndex() const;
    // Redraws one tab on the bar.
    void RefreshTab(TCustomForm* Child);
    TlxSkinMenuSpeedButton* ListButton() const { return FListButton; }
    TlxSkinMenuSpeedButton* HideListButton() const { return FHideListButton; }
    TlxSkinPopupMenu* ListMenu() const { return FListMenu; }
    TlxSkinPopupMenu* HideListMenu() const { return FHideListMenu; }
    int InVisibleCount() const { return FInVisibleCount; }

    // ---- State (read by the tabs)
    std::vector<std::unique_ptr<TlxMDITab>> ObjectList;
    int ActiveTabIndex = -1, OldTabIndex = -1;
    bool FDown = false;
    int DragIndex = -1;
    bool IsDrag = false;
    int DX = 0, TabDX = 0;
    int FCloseSize = 14;

    // The bar draws from the skin: its description is a tab description.
    bool Skinned() const;
    int TabHeight() const;
    // Copies of the tab description, taken by GetSkinData.
    TBitmap* Picture = nullptr;
    TRect TabRect, ActiveTabRect, MouseInTabRect, TabsBGRect, SkinRect, ClRect;
    TRect CloseButtonRect, ClosebuttonActiveRect, CloseButtonDownRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int TabLeftOffset = 0, TabRightOffset = 0;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, MouseInFontColor = clBtnText;
    bool TabStretchEffect = false, ButtonTransparent = false;
    TColor ButtonTransparentColor = clFuchsia;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = lxstFull;
    int FBottomOffset = 0, FActiveTabOffset = 0;

protected:
    void GetSkinData() override;
    void ChangeSkinData() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void TestTabs(int X, int Y);
    void DrawTabs(TCanvas* C);
    void DrawDropMark(TCanvas* C);
    void SetButtons();
    void RebuildMenu(TlxSkinPopupMenu* Menu, bool HiddenOnly);
    void MenuItemClick(TObject* Sender);
    void OpenChildMenu(TlxMDITab* Tab, int X, int Y);
    void ApplyHeight();

    bool FShowCloseButtons = false;
    TlxSkinMDITabKind FTabKind = lxtkTab;
    TComponentRef<TlxLumivex> FLumivex{this};
    bool FSupportChildMenus = true;
    bool FUseSkinSize = true;
    bool FUseSkinFont = true;
    bool FMoveTabs = true;
    int FDefaultHeight = 21;
    TFont FDefaultFont;
    int FDefaultTabWidth = 100;
    int FMinTabWidth = 0;
    int FInVisibleCount = 0;
    int FDragLimit = 0;
    TlxSkinMenuSpeedButton* FListButton = nullptr;
    TlxSkinMenuSpeedButton* FHideListButton = nullptr;
    TlxSkinPopupMenu* FListMenu = nullptr;
    TlxSkinPopupMenu* FHideListMenu = nullptr;
};
