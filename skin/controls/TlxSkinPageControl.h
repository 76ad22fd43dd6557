#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TPageControl.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/ButtonLayout.h"
#include "skin/engine/SkinTypes.h"

#include <memory>
#include <string>

class TlxSkinData;
class TlxSkinUpDown;
class TlxSkinCustomTabSheet;

using TlxCloseEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TlxDrawSkinTabEvent =
    std::function<void(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs)>;

// The platform's page control with every visible part drawn from the skin's
// tab description ("tab"): the frame around the pages, the strip behind the
// tabs, the tabs in their four states (normal, hovered, selected, selected
// and focused), close buttons on the tabs and the page background. The
// platform control keeps the tab layout, selection and keys; this control
// steers it through the tab messages (item size, item rectangle, display
// rectangle), scrolls a single row of tabs with a skinned up-down control,
// tracks the tab under the pointer and closes pages by their buttons.
// Bottom tabs are top tabs flipped; left and right tabs are top tabs turned
// by 90 degrees, optionally with the caption kept upright.
class TlxSkinPageControl : public TPageControl, public TlxSkinClient {
public:
    explicit TlxSkinPageControl(TComponent* AOwner);
    ~TlxSkinPageControl() override;

    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool Value) { FMouseWheelSupport = Value; }
    bool TabExtededDraw() const { return FTabExtendedDraw; }
    void SetTabExtededDraw(bool Value);
    int TabMargin() const { return FTabMargin; }
    void SetTabMargin(int Value);
    int TabSpacing() const { return FTabSpacing; }
    void SetTabSpacing(int Value);
    TlxButtonLayout TabLayout() const { return FTabLayout; }
    void SetTabLayout(TlxButtonLayout Value);
    bool TextInHorizontal() const { return FTextInHorizontal; }
    void SetTextInHorizontal(bool Value);
    bool FreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
    bool ShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool Value);
    bool TabsBGTransparent() const { return FTabsBGTransparent; }
    void SetTabsBGTransparent(bool Value);
    // The images of the tabs (the platform control holds only the room for them).
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool TabsInCenter() const { return FTabsInCenter; }
    void SetTabsInCenter(bool Value);
    int TabsOffset() const { return FTabsOffset; }
    void SetTabsOffset(int Value);

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    void SetSkinData(TlxSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    int SkinIndex() const { return FIndex; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int Value);

    void HideBorderAndTabs();
    void ShowBorderAndTabs();
    void HideTabs();
    void ShowTabs();
    void UpDateTabs();
    bool TabsHidden() const { return FHideTabs; }

    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override;

    // The tab under the pointer, as a page index and as a visible-tab index (-1).
    int ActiveTab() const { return FActiveTab; }
    int ActiveTabIndex() const { return FActiveTabIndex; }
    // The tab scroller while single-line tabs do not all fit, else nullptr.
    TlxSkinUpDown* SkinUpDown() const { return FSkinUpDown; }
    // The room each tab keeps for an image and a close button.
    TCustomImageList* TempImages() const { return FTempImages; }
    int GetTabsOffset();
    int GetCloseSize() const;
    // Visible tab TabIdx's rectangle (index 0 of a single row one pixel narrower).
    TRect GetTabRect(int TabIdx);

    // Tab painting.
    void DrawTabs(TCanvas* C);
    void DrawTab(int PageIndex, const TRect& Rect, bool Active, bool MouseIn, TCanvas* C);

    TlxCloseEvent OnClose;
    TNotifyEvent OnAfterClose;
    TlxDrawSkinTabEvent OnDrawSkinTab;

protected:
    void WndProc(TMessage& Message) override;
    void Loaded() override;
    void Change() override;
    void Paint() override;
    void DrawTab(TCanvas* C, int TabIdx, const TRect& Rect, TVisualState State) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    friend class TlxSkinCustomTabSheet;
    bool Skinned() const { return FIndex != -1; }
    bool SideTabs() const { return TabPosition() == tpLeft || TabPosition() == tpRight; }
    TlxSkinCustomTabSheet* SkinPage(int PageIndex) const;
    void GetSkinData();
    void SetItemSize(int W, int H);
    int SkinTabHeight() const;
    // The room of the image list plus the close buttons, along the tab.
    void ResizeTempImages(int Delta);
    void AdjustDisplayRect(TRect& R);
    void AdjustItemRect(TRect& R);
    void TestActive(int X, int Y);
    void RedrawTabs();
    void MouseButton(const TMessage& Message, bool Down);
    void CloseActivePage();
    void MouseLeft();
    void WheelPaging(int Delta);
    int HiddenTabCount();
    int ScrolledTabCount();
    void UpdateTabScroller();
    void UpdateScrollerPosition();
    void UpDownChange();
    void FreeScroller();

    // Painting (the look files).
    TRect FrameRect();
    TRect GetActiveTabRectEx();
    void PaintDefaultBody(TCanvas* C);
    void PaintSkinBody(TCanvas* C);
    void PaintClientBG(TCanvas* C, const TRect& R, int W, int H);
    void DrawSkinPart(TCanvas* C, TBitmap* P, const TRect& Part, const TRect& Dest, int W, int H);
    void DrawCloseButton(TCanvas* C, const TRect& Area, int TabWidth, int TabHeight, int PageIndex);
    void DrawTabImageAndText(TCanvas* C, int Width, int Height, int OffsetY, bool Enabled, int ImageIndex,
                             TCustomImageList* AImages, const std::string& Caption);
    TBitmap* SkinPicture(int Index) const;

    bool FMouseWheelSupport = false;
    bool FTabExtendedDraw = false;
    int FTabMargin = -1;
    int FTabSpacing = 1;
    TlxButtonLayout FTabLayout = blGlyphLeft;
    bool FTextInHorizontal = false;
    bool FHideTabs = false;
    bool FHideBorder = false;
    TTabPosition FOLdTabPosition = tpTop;
    bool FOldMultiLine = false;
    int FOldTabHeight = -1;
    int FCloseSize = 14;
    bool FFreeOnClose = false;
    bool FShowCloseButtons = false;
    bool FTabsBGTransparent = false;
    int FActiveTab = -1, FOldActiveTab = -1;
    int FActiveTabIndex = -1, FOldActiveTabIndex = -1;
    TComponentRef<TCustomImageList> FImages{this, [this] { Invalidate(); }};
    TCustomImageList* FTempImages = nullptr; // owned
    bool FTabsInCenter = false;
    int FTabsOffset = 0;
    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName = "tab";
    int FIndex = -1;
    TlxSkinUpDown* FSkinUpDown = nullptr; // owned
    TFont FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultItemHeight = 20;

    // Copies of the tab description, taken by GetSkinData.
    TRect CloseButtonRect, ClosebuttonActiveRect, CloseButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = clNone;
    int FPictureIndex = -1;
    TRect SkinRect, ClRect, FTabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int TabLeftOffset = 0, TabRightOffset = 0;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, FocusFontColor = clBtnText,
           MouseInFontColor = clBtnText;
    std::string UpDown;
    int BGPictureIndex = -1;
    bool TabStretchEffect = false;
    bool ShowFocus = false;
    int FocusOffsetX = 0, FocusOffsetY = 0;
    bool StretchEffect = false;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    TlxStretchType StretchType = lxstFull;
};
