#include "skin/controls/TlxListBox.h"

#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinItemText.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImageCopy.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

TlxListBox::TlxListBox(TComponent* AOwner) : TListBox(AOwner) {
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
}

void TlxListBox::SetHorizontalExtentValue(int Value) {
    FHorizontalExtentValue = std::max(Value, 0);
    Invalidate();
}

void TlxListBox::CreateParams(TCreateParams& Params) {
    TListBox::CreateParams(Params);
    Params.Style &= ~(WS_BORDER | WS_VSCROLL | WS_HSCROLL);
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
    Params.Style |= WS_TABSTOP;
    Params.ClassStyle = CS_DBLCLKS;
}

void TlxListBox::CreateWnd() {
    TListBox::CreateWnd();
    if (FSkinListBox) FSkinListBox->ListBoxCreateWnd();
}

void TlxListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int old = Width();
    TListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    // Narrowed while scrolled sideways: the text keeps its place at the right.
    if (AWidth != old && FHorizontalExtentValue >= 1)
        SetHorizontalExtentValue(FHorizontalExtentValue + old - AWidth);
}

TOwnerDrawState TlxListBox::ItemDrawState(int Index) const {
    TOwnerDrawState state;
    if (Index == ItemIndex()) {
        state.Include(odSelected);
        if (Focused()) state.Include(odFocused);
    } else if (MultiSelect() && SelCount() >= 1 && Selected(Index)) {
        state.Include(odSelected);
    }
    return state;
}

// ---- input: each hook before the list's own handling

void TlxListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxMouseDown(Button, Shift, X, Y);
    if (!FreePending()) TListBox::MouseDown(Button, Shift, X, Y);
}

void TlxListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxMouseMove(Shift, X, Y);
    if (!FreePending()) TListBox::MouseMove(Shift, X, Y);
}

void TlxListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxMouseUp(Button, Shift, X, Y);
    if (!FreePending()) TListBox::MouseUp(Button, Shift, X, Y);
}

void TlxListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    if (FSkinListBox) {
        FSkinListBox->ListBoxKeyDown(Key, Shift);
        if (FreePending()) return;
        if (TlxSkinScrollBar* bar = FSkinListBox->HScrollBar(); bar && (Key == VK_LEFT || Key == VK_RIGHT)) {
            const int step = Key == VK_LEFT ? -bar->SmallChange() : bar->SmallChange();
            bar->SetPosition(bar->Position() + step);
            Key = 0;
        }
    }
    if (!FreePending()) TListBox::KeyDown(Key, Shift);
}

void TlxListBox::KeyUp(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxKeyUp(Key, Shift);
    if (!FreePending()) TListBox::KeyUp(Key, Shift);
}

void TlxListBox::KeyPress(char32_t& Key) {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxKeyPress(Key);
    if (!FreePending()) TListBox::KeyPress(Key);
}

void TlxListBox::Click() {
    TKeepAlive alive(this);
    if (FSkinListBox) FSkinListBox->ListBoxClick();
    if (!FreePending()) TListBox::Click();
}

void TlxListBox::DblClick() {
    TKeepAlive alive(this);
    TListBox::DblClick();
    if (!FreePending() && FSkinListBox) FSkinListBox->ListBoxDblClick();
}

void TlxListBox::DoEnter() {
    if (FSkinListBox) FSkinListBox->ListBoxEnter();
    TListBox::DoEnter();
}

void TlxListBox::DoExit() {
    if (FSkinListBox) FSkinListBox->ListBoxExit();
    TListBox::DoExit();
}

void TlxListBox::WndProc(TMessage& Message) {
    TKeepAlive alive(this);
    if (FSkinListBox) {
        bool callDefault = true;
        FSkinListBox->ListBoxWndProc(Message, callDefault);
        if (!callDefault || FreePending()) return;
    }
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
        // No border and no scroll bars of its own; the platform still keeps
        // the scroll state the frame's bars show.
        Message.Result = 0;
        return;
    case CM_SKINPAINTNC:
        Message.Result = SkinPaintNCAnswer;
        return;
    case WM_MOUSEWHEEL:
        if (FSkinListBox) {
            const int delta = HiPart(Message.WParam);
            if (FSkinListBox->ScrollBar()) {
                Perform(WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
                if (!FreePending()) FSkinListBox->UpDateScrollBar();
            } else if (TlxSkinScrollBar* bar = FSkinListBox->HScrollBar()) {
                bar->SetPosition(bar->Position() + (delta > 0 ? -bar->SmallChange() : bar->SmallChange()));
            }
            return;
        }
        break;
    case CM_SKINPAINTBGEX:
        // Only an empty list has nothing but background to give.
        if (Message.LParam == SkinPaintExKey && Count() == 0) {
            if (auto dc = reinterpret_cast<HDC>(Message.WParam)) {
                TCanvas c(dc);
                PaintListBackground(c, ClientRect());
                c.SetHandle(nullptr);
            }
            Message.Result = SkinPaintExKey;
            return;
        }
        break;
    }
    TListBox::WndProc(Message);
    if (FreePending() || !FSkinListBox) return;
    switch (Message.Msg) {
    case WM_ERASEBKGND:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
        FSkinListBox->UpDateScrollBar();
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        // The list may have scrolled itself: the bars follow.
        if (FSkinListBox->ScrollBar()) FSkinListBox->UpDateScrollBar();
        break;
    }
}

// ---- painting

void TlxListBox::PaintListBackground(TCanvas& C, const TRect& R) {
    TlxSkinCustomListBox* frame = FSkinListBox;
    TBitmap* picture = frame ? frame->SkinPictureForItems() : nullptr;
    if (frame && frame->IsSkinned() && picture) {
        const TlxSkinGeometry& g = frame->SkinGeometry();
        const TRect source =
            ClipToPicture({g.SkinRect.Left + g.ClRect.Left, g.SkinRect.Top + g.ClRect.Top,
                           g.SkinRect.Left + g.ClRect.Right, g.SkinRect.Top + g.ClRect.Bottom},
                          picture);
        if (!source.IsEmpty()) {
            TBitmap piece(source.Width(), source.Height());
            piece.Canvas()->CopyRect({0, 0, source.Width(), source.Height()}, *picture->Canvas(), source);
            SkinTileBoth(C, R, *piece.Canvas(), {0, 0, source.Width(), source.Height()});
            return;
        }
    }
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(clWindow);
    C.FillRect(R);
}

void TlxListBox::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    if (FSkinListBox) FSkinListBox->GetSkinData();
    TCanvas& c = *Canvas();
    const int h = std::max(ItemHeight(), 1);
    int last = Columns() <= 0 ? TopIndex() + Height() / h : TopIndex() + (Height() / h) * Columns();
    last = std::min(last, Count() - 1);
    int bottom = 0;
    for (int i = TopIndex(); i <= last; ++i) {
        const TRect r = ItemRect(i);
        DrawListItem(c, i, r, ItemDrawState(i));
        bottom = std::max(bottom, r.Bottom);
    }
    if (Columns() <= 0 && bottom < Height()) PaintListBackground(c, {0, bottom, Width(), Height()});
}

void TlxListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    DrawListItem(*Canvas(), Index, Rect, State);
}

void TlxListBox::DrawListItem(TCanvas& C, int Index, const TRect& Rect, TOwnerDrawState State) {
    if (Index < 0 || Index >= Count() || Rect.IsEmpty()) return;
    TlxSkinCustomListBox* frame = FSkinListBox;
    const bool skinned = frame && frame->IsSkinned();
    if (skinned && !frame->SkinPictureForItems()) return;
    const int w = Rect.Width();
    const int h =
        skinned && frame->UseSkinItemHeight() ? std::max(frame->SItemRect.Height(), 1) : Rect.Height();
    TBitmap b(w, h);
    if (!skinned)
        DrawDefaultItem(*b.Canvas(), Index, w, h, State);
    else if (frame->UseSkinItemHeight())
        DrawSkinItemFixed(*b.Canvas(), Index, w, h, State);
    else
        DrawSkinItem(*b.Canvas(), Index, w, h, State);
    C.Draw(Rect.Left, Rect.Top, &b);
}

void TlxListBox::DrawItemContent(TCanvas& C, int Index, int W, int H, const TRect& TxtRect,
                                 TOwnerDrawState State) {
    TlxSkinCustomListBox* frame = FSkinListBox;
    if (frame && frame->OnDrawItem) {
        TKeepAlive alive(this);
        frame->OnDrawItem(&C, Index, W, H, TxtRect, State);
        return;
    }
    std::vector<int> tabs;
    if (frame && Columns() == 0) tabs = TabStopsOf(*frame->TabWidths());
    C.Brush()->SetStyle(bsClear);
    DrawItemImageAndText(C, TxtRect, Items()->Get(Index), Index, frame ? frame->Images() : nullptr,
                         frame ? frame->ImageIndex() : -1, tabs, FHorizontalExtentValue);
}

void TlxListBox::DrawDefaultItem(TCanvas& C, int Index, int W, int H, TOwnerDrawState State) {
    TFont* font = FSkinListBox ? FSkinListBox->Font() : Font();
    C.Font()->Assign(*font);
    if (FSkinListBox)
        C.Font()->SetCharset(SkinCharset(FSkinListBox->SkinData(), *FSkinListBox->DefaultFont()));
    const bool selected = State.Contains(odSelected);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(selected ? clHighlight : clWindow);
    C.Font()->SetColor(selected ? clHighlightText : font->Color());
    C.FillRect({0, 0, W, H});
    DrawItemContent(C, Index, W, H, {2, 0, W - 2, H}, State);
    if (State.Contains(odFocused)) {
        C.Brush()->SetStyle(bsSolid);
        C.DrawFocusRect({0, 0, W, H});
    }
}

namespace {

void SetItemFont(TCanvas& C, TlxSkinCustomListBox& F) {
    if (F.UseSkinFont()) {
        C.Font()->SetName(F.FontName);
        C.Font()->SetStyle(F.FontStyle);
        C.Font()->SetHeight(F.FontHeight);
    } else {
        C.Font()->Assign(*F.DefaultFont());
    }
    C.Font()->SetCharset(SkinCharset(F.SkinData(), *F.DefaultFont()));
}

} // namespace

void TlxListBox::DrawSkinItem(TCanvas& C, int Index, int W, int H, TOwnerDrawState State) {
    TlxSkinCustomListBox& f = *FSkinListBox;
    const bool focused = State.Contains(odFocused), selected = State.Contains(odSelected);
    const TRect& source = focused ? f.FocusItemRect : selected ? f.ActiveItemRect : f.SItemRect;
    TRect inner = f.ItemTextRect;
    InflateRect(inner, -1, -1);
    TBitmap b(W, H);
    CreateSkinImageByClient(&b, f.SkinPictureForItems(), source, inner, true);
    C.Draw(0, 0, &b);
    TRect text = f.ItemTextRect;
    text.Right += W - f.SItemRect.Width();
    text.Bottom += H - f.SItemRect.Height();
    SetItemFont(C, f);
    C.Font()->SetColor(focused ? f.FocusFontColor : selected ? f.ActiveFontColor : f.FontColor);
    if (f.OnDrawItem) {
        DrawItemContent(C, Index, W, f.SItemRect.Height(), text, State);
        return;
    }
    if (focused && f.ShowFocus) DrawSkinFocusRect(&C, {0, 0, W, H});
    DrawItemContent(C, Index, W, H, text, State);
}

void TlxListBox::DrawSkinItemFixed(TCanvas& C, int Index, int W, int H, TOwnerDrawState State) {
    TlxSkinCustomListBox& f = *FSkinListBox;
    const bool focused = State.Contains(odFocused), selected = State.Contains(odSelected);
    const bool stretch = f.SkinGeometry().StretchEffect;
    TRect source = f.SItemRect;
    bool middleStretched = false;
    if (focused && selected) {
        source = f.FocusItemRect;
        middleStretched = stretch;
    } else if (focused) {
        middleStretched = stretch;
    } else if (selected) {
        source = f.ActiveItemRect;
        middleStretched = stretch;
    }
    TBitmap b;
    CreateHSkinImage(f.ItemLeftOffset, f.ItemRightOffset, &b, f.SkinPictureForItems(), source, W,
                     middleStretched);
    C.Draw(0, 0, &b);
    TRect text = f.ItemTextRect;
    text.Right += W - f.SItemRect.Width();
    SetItemFont(C, f);
    C.Font()->SetColor(focused && selected ? f.FocusFontColor : selected ? f.ActiveFontColor : f.FontColor);
    if (!f.OnDrawItem && focused && (!selected || f.ShowFocus)) DrawSkinFocusRect(&C, {0, 0, W, H});
    DrawItemContent(C, Index, W, H, text, State);
}
