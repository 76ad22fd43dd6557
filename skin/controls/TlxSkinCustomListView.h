#pragma once

#include "platform/vcl/TListView.h"
#include "skin/controls/TlxSkinViewBase.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/SkinSizing.h"

using TlxDrawHeaderSectionEvent =
    std::function<void(TCanvas* Cnvs, TListColumn* Column, bool Pressed, const TRect& R)>;

// The platform's list view on a skinned form: the skin's font and colours
// ("listview" description), no frame or bars of its own, its scroll state
// mirrored into the external skinned bars, and its column header taken over
// (its window procedure replaced while the view lives) and painted from the
// button description HeaderSkinDataName: sections in their normal or pressed
// state, the remainder right of the last one, or the owner's
// OnDrawHeaderSection for a section's content.
class TlxSkinCustomListView : public TlxSkinViewBase<TCustomListView, TlxDataSkinListView> {
public:
    explicit TlxSkinCustomListView(TComponent* AOwner);
    ~TlxSkinCustomListView() override;

    void UpDateScrollBars() override;

    const std::string& HeaderSkinDataName() const { return FHeaderSkinDataName; }
    void SetHeaderSkinDataName(const std::string& Value) { FHeaderSkinDataName = Value; }

    // The header whose window procedure the view replaced, or nullptr.
    TListHeader* HeaderControl() const { return FHeaderHandle; }
    // The pressed section (-1), and whether a section or a divider is held.
    int ActiveSection() const { return FActiveSection; }
    bool HeaderDown() const { return FHeaderDown; }
    bool DevDown() const { return FDevDown; }
    // Draws the whole header, as its window shows it, on C.
    void PaintHeader(TCanvas* C);

    TlxDrawHeaderSectionEvent OnDrawHeaderSection;

protected:
    void WndProc(TMessage& Message) override;
    void Loaded() override;
    void Change(TListItem* Item, TItemChange Change) override;
    void SkinLookChanged() override;
    void BarChanged(TlxSkinScrollBar* Bar) override;

    bool FromSB = false;
    int FOldVScrollBarPos = 0;
    int FOldHScrollBarPos = 0;

private:
    void HookHeader(TListHeader* Header);
    void UnhookHeader();
    void HeaderWndProc(TMessage& Message);
    void GetHeaderSkinData();
    TRect GetSectionRect(int Index);
    void DrawSection(TCanvas* C, int Index, const TRect& R, bool Pressed);
    void DrawRemainder(TCanvas* C, const TRect& R);
    // The header picture of rectangle SkinR grown to W x H into B; the right
    // side and corners left out with Left.
    void HeaderImage(TBitmap& B, const TRect& SkinR, int W, int H, bool Left);

    TListHeader* FHeaderHandle = nullptr;
    TWndMethod FDefHeaderProc;
    int FActiveSection = -1;
    bool FHeaderDown = false;
    bool FDevDown = false;
    std::string FHeaderSkinDataName = "resizetoolbutton";

    // Copies of the header description, taken at every header paint.
    int FHIndex = -1;
    TlxSkinGeometry HGeometry;
    TBitmap* HPicture = nullptr; // the skin's, valid during one paint
    TRect HActiveSkinRect, HDownSkinRect;
    TColor HFontColor = clBtnText, HActiveFontColor = clBtnText, HDownFontColor = clBtnText;
};

// The list view as forms place it.
class TlxSkinListView : public TlxSkinCustomListView {
public:
    using TlxSkinCustomListView::TlxSkinCustomListView;
};
