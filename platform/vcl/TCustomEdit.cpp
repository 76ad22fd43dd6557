#include "platform/vcl/TCustomEdit.h"

#include "platform/base/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TClipboard.h"

#include <algorithm>

namespace {

// Word classes for word-wise moves and double clicks: blanks, word
// characters (letters, digits, "_" and every non-ASCII character) and the rest.
int CharClass(char32_t C) {
    if (C == ' ' || C == '\t') return 0;
    if ((C >= '0' && C <= '9') || (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_' || C >= 0x80)
        return 1;
    return 2;
}

// A single-line edit never takes a line break: breaks at either end go, and
// each run of them inside becomes one space, so no text is lost.
std::u32string SingleLine(const std::u32string& S) {
    auto isBreak = [](char32_t c) { return c == '\r' || c == '\n'; };
    size_t b = 0, e = S.size();
    while (b < e && isBreak(S[b]))
        ++b;
    while (e > b && isBreak(S[e - 1]))
        --e;
    std::u32string out;
    for (size_t i = b; i < e; ++i) {
        if (isBreak(S[i])) {
            if (out.empty() || out.back() != ' ' || !isBreak(S[i - 1])) out += U' ';
            while (i + 1 < e && isBreak(S[i + 1]))
                ++i;
        } else {
            out += S[i];
        }
    }
    return out;
}

bool KeyIsDown(int VKey) {
    return GetKeyState(VKey) < 0;
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FCursor = crIBeam;
    SetBounds(0, 0, 121, 21);
}

// ---- properties

int TCustomEdit::SelStart() const {
    return std::min(FAnchor, FCaret);
}

void TCustomEdit::SetSelStart(int Value) {
    SetSelection(Value, Value);
}

int TCustomEdit::SelLength() const {
    return std::abs(FCaret - FAnchor);
}

void TCustomEdit::SetSelLength(int Value) {
    int start = SelStart();
    SetSelection(start, start + std::max(Value, 0));
}

std::string TCustomEdit::SelText() const {
    return Utf8Encode(std::u32string_view(FChars).substr(SelStart(), SelLength()));
}

void TCustomEdit::SetSelText(const std::string& Value) {
    ReplaceSelection(SingleLine(Utf8Decode(Value)), TEditKind::Other);
}

void TCustomEdit::SelectAll() {
    SetSelection(0, static_cast<int>(FChars.size()));
}

void TCustomEdit::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (FCharCase == Value) return;
    FCharCase = Value;
    std::u32string converted = ApplyCharCase(FChars);
    if (converted != FChars) {
        FChars = std::move(converted);
        Commit(true);
    }
}

void TCustomEdit::SetPasswordChar(char32_t Value) {
    if (FPasswordChar == Value) return;
    FPasswordChar = Value;
    if (HandleAllocated()) {
        intptr_t style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE,
                         Value ? (style | ES_PASSWORD) : (style & ~intptr_t(ES_PASSWORD)));
    }
    FLayoutValid = false;
    UpdateLayout();
    Invalidate();
}

void TCustomEdit::SetMaxLength(int Value) {
    FMaxLength = std::max(Value, 0);
}

void TCustomEdit::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (HandleAllocated()) {
        static const uint32_t styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
        intptr_t style = GetWindowLongPtr(FHandle, GWL_STYLE) & ~intptr_t(ES_CENTER | ES_RIGHT);
        SetWindowLongPtr(FHandle, GWL_STYLE, style | styles[Value]);
    }
    UpdateLayout();
    Invalidate();
}

std::u32string TCustomEdit::ApplyCharCase(std::u32string S) const {
    for (char32_t& c : S) {
        if (FCharCase == ecUpperCase && c >= 'a' && c <= 'z') c -= 32;
        if (FCharCase == ecLowerCase && c >= 'A' && c <= 'Z') c += 32;
    }
    return S;
}

std::u32string TCustomEdit::DisplayText() const {
    return FPasswordChar ? std::u32string(FChars.size(), FPasswordChar) : FChars;
}

// ---- the window

void TCustomEdit::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    static const uint32_t styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Params.Style |= ES_AUTOHSCROLL | styles[FAlignment];
    if (FPasswordChar) Params.Style |= ES_PASSWORD;
    if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    FLayoutValid = false;
    FCaretCreated = false;
}

uint32_t TCustomEdit::EditStyle() const {
    if (FHandle && WindowSystemReady()) return static_cast<uint32_t>(GetWindowLongPtr(FHandle, GWL_STYLE));
    static const uint32_t styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    return styles[FAlignment] | (FPasswordChar ? ES_PASSWORD : 0);
}

bool TCustomEdit::EditTransparent() const {
    return FHandle && WindowSystemReady() && (GetWindowLongPtr(FHandle, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TRect TCustomEdit::FormatRect() const {
    if (FHasFormatRect) return FFormatRect;
    TRect r = ClientRect();
    r.Left += FLeftMargin;
    r.Right -= FRightMargin;
    return r;
}

// ---- layout

void TCustomEdit::LayoutNeeded() {
    if (FLayoutValid) return;
    TBitmap scratch(1, 1);
    TCanvas* canvas = scratch.Canvas();
    canvas->SetFont(FFont);
    HDC dc = canvas->Handle();
    std::u32string shown = DisplayText();
    FCharX.assign(shown.size() + 1, 0);
    std::string prefix;
    for (size_t i = 0; i < shown.size(); ++i) {
        Utf8Append(prefix, shown[i]);
        FCharX[i + 1] = GetTextExtent(dc, prefix).cx;
    }
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    FLineHeight = tm.tmHeight;
    FLayoutValid = true;
}

int TCustomEdit::TextLeft() {
    LayoutNeeded();
    TRect r = FormatRect();
    const int w = FCharX.back();
    // The caret after the last character needs one pixel of its own.
    if (w + 1 <= r.Width()) {
        uint32_t style = EditStyle();
        if (style & ES_RIGHT) return r.Right - 1 - w;
        if (style & ES_CENTER) return r.Left + r.Width() / 2 - w / 2;
    }
    return r.Left - FScrollX;
}

int TCustomEdit::TextX(int Pos) {
    LayoutNeeded();
    return TextLeft() + FCharX[std::clamp(Pos, 0, static_cast<int>(FCharX.size()) - 1)];
}

int TCustomEdit::CaretX() {
    return TextX(FCaret);
}

void TCustomEdit::UpdateLayout() {
    LayoutNeeded();
    TRect r = FormatRect();
    const int w = FCharX.back();
    const int room = std::max(r.Width() - 1, 0);
    if (w <= room) {
        FScrollX = 0;
        return;
    }
    // Scroll just far enough to show the caret, never past the end of the text.
    const int cx = FCharX[std::clamp(FCaret, 0, static_cast<int>(FCharX.size()) - 1)];
    if (cx - FScrollX > room) FScrollX = cx - room;
    if (cx < FScrollX) FScrollX = cx;
    FScrollX = std::clamp(FScrollX, 0, w - room);
}

void TCustomEdit::UpdateCaret() {
    if (!FCaretCreated || !Focused()) return;
    TRect r = FormatRect();
    int x = CaretX();
    SetCaretPos(std::clamp(x, r.Left, std::max(r.Left, r.Right - 1)), r.Top);
}

int TCustomEdit::PositionAt(int X) {
    LayoutNeeded();
    const int left = TextLeft();
    int best = 0;
    for (int i = 1; i < static_cast<int>(FCharX.size()); ++i)
        if (std::abs(left + FCharX[i] - X) < std::abs(left + FCharX[best] - X)) best = i;
    return best;
}

int TCustomEdit::WordStart(int Pos) const {
    int p = Pos;
    while (p > 0 && CharClass(FChars[p - 1]) == 0)
        --p;
    if (p > 0) {
        int k = CharClass(FChars[p - 1]);
        while (p > 0 && CharClass(FChars[p - 1]) == k)
            --p;
    }
    return p;
}

int TCustomEdit::WordEnd(int Pos) const {
    const int n = static_cast<int>(FChars.size());
    int p = Pos;
    if (p < n) {
        int k = CharClass(FChars[p]);
        if (k != 0)
            while (p < n && CharClass(FChars[p]) == k)
                ++p;
        while (p < n && CharClass(FChars[p]) == 0)
            ++p;
    }
    return p;
}

// ---- editing

void TCustomEdit::SetSelection(int Anchor, int Caret) {
    const int n = static_cast<int>(FChars.size());
    FAnchor = std::clamp(Anchor, 0, n);
    FCaret = std::clamp(Caret, 0, n);
    FLastEdit = TEditKind::Other;
    UpdateLayout();
    UpdateCaret();
    Invalidate();
}

bool TCustomEdit::ReplaceSelection(std::u32string Chars, TEditKind Kind) {
    Chars = ApplyCharCase(std::move(Chars));
    const int s = SelStart(), len = SelLength();
    if (FMaxLength > 0) {
        int room = FMaxLength - (static_cast<int>(FChars.size()) - len);
        if (static_cast<int>(Chars.size()) > room) Chars.resize(static_cast<size_t>(std::max(room, 0)));
    }
    if (Chars.empty() && len == 0) return false;
    // Characters typed one after another are undone together.
    if (!(Kind == TEditKind::Typing && FLastEdit == TEditKind::Typing && len == 0))
        FUndo = {true, FChars, FCaret, FAnchor};
    FChars.replace(static_cast<size_t>(s), static_cast<size_t>(len), Chars);
    FCaret = FAnchor = s + static_cast<int>(Chars.size());
    Commit(true);
    FLastEdit = Kind;
    return true;
}

void TCustomEdit::Commit(bool TextChanged) {
    FLayoutValid = false;
    if (TextChanged) {
        FSettingText = true;
        try {
            TControl::SetText(Utf8Encode(FChars));
        } catch (...) {
            FSettingText = false;
            throw;
        }
        FSettingText = false;
    }
    UpdateLayout();
    UpdateCaret();
    Invalidate();
    if (TextChanged) Change();
}

void TCustomEdit::Change() {
    if (OnChange) {
        TKeepAlive alive(this);
        OnChange(this);
    }
}

void TCustomEdit::KeyDownDefault(uint16_t Key) {
    const bool shift = KeyIsDown(VK_SHIFT), ctrl = KeyIsDown(VK_CONTROL);
    const int n = static_cast<int>(FChars.size());
    auto moveTo = [&](int Pos) { SetSelection(shift ? FAnchor : Pos, Pos); };
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        if (ctrl)
            moveTo(WordStart(FCaret));
        else if (!shift && FAnchor != FCaret)
            moveTo(SelStart());
        else
            moveTo(FCaret - 1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (ctrl)
            moveTo(WordEnd(FCaret));
        else if (!shift && FAnchor != FCaret)
            moveTo(SelStart() + SelLength());
        else
            moveTo(FCaret + 1);
        break;
    case VK_HOME:
        moveTo(0);
        break;
    case VK_END:
        moveTo(n);
        break;
    case VK_DELETE:
        if (shift) {
            Perform(WM_CUT);
        } else if (!FReadOnly) {
            if (FAnchor == FCaret && FCaret < n) {
                FAnchor = FCaret + 1;
            }
            ReplaceSelection({}, TEditKind::Other);
        }
        break;
    case VK_INSERT:
        if (ctrl)
            Perform(WM_COPY);
        else if (shift)
            Perform(WM_PASTE);
        break;
    }
}

void TCustomEdit::CharDefault(char32_t Ch) {
    switch (Ch) {
    case 8: // Backspace
        if (FReadOnly) return;
        if (FAnchor == FCaret && FCaret > 0) FAnchor = FCaret - 1;
        ReplaceSelection({}, TEditKind::Other);
        return;
    case 1:
        SelectAll();
        return; // Ctrl+A
    case 3:
        Perform(WM_COPY);
        return; // Ctrl+C
    case 22:
        Perform(WM_PASTE);
        return; // Ctrl+V
    case 24:
        Perform(WM_CUT);
        return; // Ctrl+X
    case 26:
        Perform(WM_UNDO);
        return; // Ctrl+Z
    }
    if (Ch < 32 || Ch == 127 || FReadOnly) return;
    ReplaceSelection(std::u32string(1, Ch), TEditKind::Typing);
}

void TCustomEdit::MouseDefault(TMessage& Message) {
    const int x = LParamToPoint(Message.LParam).X;
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: {
        FMouseSelecting = true;
        if (!Focused() && CanFocus()) SetFocus();
        int pos = PositionAt(x);
        SetSelection(KeyIsDown(VK_SHIFT) ? FAnchor : pos, pos);
        break;
    }
    case WM_LBUTTONDBLCLK: {
        FMouseSelecting = false;
        const int n = static_cast<int>(FChars.size());
        if (n == 0) break;
        int p = std::min(PositionAt(x), n - 1);
        const int k = CharClass(FChars[p]);
        int s = p, e = p;
        while (s > 0 && CharClass(FChars[s - 1]) == k)
            --s;
        while (e < n && CharClass(FChars[e]) == k)
            ++e;
        SetSelection(s, e);
        break;
    }
    case WM_MOUSEMOVE:
        if (FMouseSelecting) SetSelection(FAnchor, PositionAt(x));
        break;
    case WM_LBUTTONUP:
        FMouseSelecting = false;
        break;
    }
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if (EditStyle() & ES_MULTILINE) Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_KEYDOWN:
        KeyDownDefault(static_cast<uint16_t>(Message.WParam));
        return;
    case WM_CHAR:
        CharDefault(static_cast<char32_t>(Message.WParam));
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        MouseDefault(Message);
        break;
    case WM_SETFOCUS:
        LayoutNeeded();
        FCaretCreated = CreateCaret(FHandle, 1, FLineHeight);
        UpdateCaret();
        ShowCaret(FHandle);
        Invalidate();
        break;
    case WM_KILLFOCUS:
        if (FCaretCreated) DestroyCaret();
        FCaretCreated = false;
        FMouseSelecting = false;
        Invalidate();
        break;
    case WM_CUT:
        // A password is never handed out.
        if (FReadOnly || FPasswordChar || FAnchor == FCaret) return;
        Clipboard().SetAsText(SelText());
        ReplaceSelection({}, TEditKind::Other);
        return;
    case WM_COPY:
        if (!FPasswordChar && FAnchor != FCaret) Clipboard().SetAsText(SelText());
        return;
    case WM_PASTE: {
        if (FReadOnly) return;
        std::u32string text = SingleLine(Utf8Decode(Clipboard().AsText()));
        if (!text.empty()) ReplaceSelection(std::move(text), TEditKind::Other);
        return;
    }
    case WM_CLEAR:
        if (!FReadOnly && FAnchor != FCaret) ReplaceSelection({}, TEditKind::Other);
        return;
    case WM_UNDO:
    case EM_UNDO: {
        if (FReadOnly || !FUndo.Valid) {
            Message.Result = 0;
            return;
        }
        // Undoing again redoes.
        TUndo current{true, FChars, FCaret, FAnchor};
        FChars = FUndo.Chars;
        FCaret = FUndo.Caret;
        FAnchor = FUndo.Anchor;
        FUndo = current;
        FLastEdit = TEditKind::Other;
        Commit(true);
        Message.Result = 1;
        return;
    }
    case EM_CANUNDO:
        Message.Result = FUndo.Valid ? 1 : 0;
        return;
    case EM_EMPTYUNDOBUFFER:
        FUndo.Valid = false;
        return;
    case EM_GETSEL:
        Message.Result = MakeLParam(SelStart(), SelStart() + SelLength());
        return;
    case EM_SETSEL: {
        const int n = static_cast<int>(FChars.size());
        int a = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        int c = static_cast<int>(Message.LParam);
        if (a < 0) a = c = FCaret; // -1: no selection, caret kept
        if (c < 0) c = n;
        SetSelection(a, c);
        return;
    }
    case EM_SETMARGINS:
        if (Message.WParam & EC_LEFTMARGIN)
            FLeftMargin = std::max(LoPart(static_cast<uint64_t>(Message.LParam)), 0);
        if (Message.WParam & EC_RIGHTMARGIN)
            FRightMargin = std::max(HiPart(static_cast<uint64_t>(Message.LParam)), 0);
        UpdateLayout();
        Invalidate();
        return;
    case EM_GETMARGINS:
        Message.Result = MakeLParam(FLeftMargin, FRightMargin);
        return;
    case EM_SETRECTNP:
        // A null rectangle goes back to the client area less the margins.
        FHasFormatRect = Message.LParam != 0;
        if (FHasFormatRect) FFormatRect = *reinterpret_cast<const TRect*>(Message.LParam);
        UpdateLayout();
        Invalidate();
        return;
    case EM_GETRECT:
        if (Message.LParam) *reinterpret_cast<TRect*>(Message.LParam) = FormatRect();
        return;
    }
    TWinControl::DefaultHandler(Message);
}

void TCustomEdit::DoEnter() {
    // Entered by the keyboard (or the program), the whole text is selected;
    // a click places the caret instead.
    if (FAutoSelect && !FMouseSelecting) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        if (!FSettingText) {
            // The program set the text: caret to the start, nothing to undo.
            std::u32string chars = ApplyCharCase(SingleLine(Utf8Decode(FText)));
            FChars = std::move(chars);
            FText = Utf8Encode(FChars);
            FCaret = FAnchor = 0;
            FScrollX = 0;
            FUndo.Valid = false;
            FLastEdit = TEditKind::Other;
            FLayoutValid = false;
            TWinControl::Dispatch(Message);
            UpdateLayout();
            UpdateCaret();
            Change();
            return;
        }
        break;
    case CM_FONTCHANGED:
        FLayoutValid = false;
        TWinControl::Dispatch(Message);
        UpdateLayout();
        if (FCaretCreated && Focused()) {
            LayoutNeeded();
            FCaretCreated = CreateCaret(FHandle, 1, FLineHeight);
            UpdateCaret();
            ShowCaret(FHandle);
        }
        return;
    }
    TWinControl::Dispatch(Message);
}

// ---- painting

void TCustomEdit::WMEraseBkgnd(TMessage& Message) {
    // PaintWindow paints every pixel (or the parent's picture when transparent).
    Message.Result = 1;
}

void TCustomEdit::PaintBackground(HDC DC, const TRect& Client) {
    if (EditTransparent()) {
        if (FParent) {
            // Whatever the parent paints beneath the edit shows through.
            int saved = SaveDC(DC);
            OffsetViewportOrgEx(DC, -FLeft, -FTop, nullptr);
            FParent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
            FParent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
            RestoreDC(DC, saved);
        }
        return;
    }
    HBRUSH brush = CreateSolidBrush(ColorToRGB(FColor));
    FillRect(DC, Client, brush);
    DeleteObject(brush);
}

void TCustomEdit::PaintWindow(HDC DC) {
    LayoutNeeded();
    PaintBackground(DC, ClientRect());
    const TRect r = FormatRect();
    const std::u32string shown = DisplayText();
    if (shown.empty()) return;
    int saved = SaveDC(DC);
    IntersectClipRect(DC, r.Left, r.Top, r.Right, r.Bottom);
    TCanvas canvas(DC);
    canvas.SetFont(FFont);
    if (!Enabled()) canvas.Font()->SetColor(clGrayText);
    canvas.Brush()->SetStyle(bsClear);
    const int left = TextLeft();
    canvas.TextOut(left, r.Top, Utf8Encode(shown));
    if (FAnchor != FCaret && (Focused() || !FHideSelection)) {
        const int s = SelStart(), e = s + SelLength();
        TRect sel{left + FCharX[s], r.Top, left + FCharX[e], r.Top + FLineHeight};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clHighlight);
        canvas.Font()->SetColor(clHighlightText);
        canvas.TextRect(sel, sel.Left, r.Top, Utf8Encode(std::u32string_view(shown).substr(s, e - s)));
    }
    canvas.SetHandle(nullptr);
    RestoreDC(DC, saved);
}
