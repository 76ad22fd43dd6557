#include "skin/controls/TlxCustomEdit.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TClipboard.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMessages.h"

#include <algorithm>

TlxCustomEdit::TlxCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetControlStyle(ControlStyle() + csOpaque);
}

void TlxCustomEdit::SetEditTransparent(bool Value) {
    if (FEditTransparent == Value) return;
    FEditTransparent = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TlxCustomEdit::CreateParams(TCreateParams& Params) {
    TCustomMaskEdit::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (FEditTransparent) Params.ExStyle |= WS_EX_TRANSPARENT;
    // The multi-line style lets the formatting rectangle be set and keeps
    // Enter and Esc in the edit, which hands them to the form itself.
    if (FPasswordChar)
        Params.Style |= ES_PASSWORD;
    else
        Params.Style |= ES_MULTILINE;
}

void TlxCustomEdit::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    SetMargins();
}

void TlxCustomEdit::SetMargins() {
    if (HandleAllocated()) Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(2, 0));
}

void TlxCustomEdit::Invalidate() {
    if (!FEditTransparent || !Parent() || !HandleAllocated()) {
        TCustomMaskEdit::Invalidate();
        return;
    }
    // The picture behind the text belongs to the parent: it is repainted first.
    if (Parent()->HandleAllocated()) {
        const TRect r{Left(), Top(), Left() + Width(), Top() + Height()};
        InvalidateRect(Parent()->WindowHandle(), &r, true);
    }
    RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TlxCustomEdit::Refresh() {
    if (FEditTransparent) Invalidate();
}

void TlxCustomEdit::Change() {
    TCustomMaskEdit::Change();
    Refresh();
}

void TlxCustomEdit::HandToForm(TMessage& Message) {
    // The handler sees the key but cannot change or swallow it.
    char32_t key = static_cast<char32_t>(Message.WParam);
    TKeepAlive alive(this);
    if (OnKeyPress) OnKeyPress(this, key);
    if (FreePending()) return;
    if (TCustomForm* form = GetParentForm(this))
        Message.Result = form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
}

void TlxCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CHAR:
        if (Message.WParam == VK_ESCAPE || Message.WParam == VK_RETURN) {
            HandToForm(Message);
            return;
        }
        break;
    case WM_PASTE:
        Paste();
        Refresh();
        return;
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case WM_MOVE:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
        // The edit model refuses changes to a read-only text itself.
        if (Message.Msg == WM_LBUTTONDOWN) FDown = true;
        TCustomMaskEdit::WndProc(Message);
        Refresh();
        return;
    case WM_SETFOCUS:
        TCustomMaskEdit::WndProc(Message);
        Refresh();
        return;
    case WM_MOUSEMOVE:
        TCustomMaskEdit::WndProc(Message);
        if (FDown) Refresh();
        return;
    case WM_LBUTTONUP:
        TCustomMaskEdit::WndProc(Message);
        FDown = false;
        return;
    case CM_CANCELMODE: {
        TCustomMaskEdit::WndProc(Message);
        if (OnEditCancelMode) OnEditCancelMode(reinterpret_cast<TControl*>(Message.LParam));
        return;
    }
    case CM_FONTCHANGED:
        TCustomMaskEdit::WndProc(Message);
        SetMargins();
        return;
    case WM_AFTERDISPATCH:
        if (TlxSkinPopupMenu* menu = FSysPopupMenu) {
            FSysPopupMenu.Set(nullptr);
            menu->Free();
        }
        return;
    case WM_CONTEXTMENU:
        ShowContextMenu(LParamToPoint(Message.LParam));
        Message.Result = 1;
        return;
    }
    TCustomMaskEdit::WndProc(Message);
}

void TlxCustomEdit::Paste() {
    // One line: the clipboard's text up to its first line break.
    if (FReadOnly) return;
    std::string text = Clipboard().AsText();
    text.resize(std::min(text.find_first_of("\r\n"), text.size()));
    if (!text.empty()) SetSelText(text);
}

const TlxResourceStrData* TlxCustomEdit::MenuStrings() const {
    // The skin data the form's skinning uses: the first on the form.
    TCustomForm* form = GetParentForm(this);
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* sd = dynamic_cast<TlxSkinData*>(form->Components(i))) return sd->ResourceStrData();
    return nullptr;
}

void TlxCustomEdit::ShowContextMenu(TPoint P) {
    // The menu key gives no point: the menu opens at the edit's centre.
    if (P.X < 0 || P.Y < 0) P = ClientToScreen({Width() / 2, Height() / 2});
    if (TPopupMenu* own = PopupMenu()) {
        own->SetPopupComponent(this);
        own->Popup(P.X, P.Y);
        return;
    }
    if (TlxSkinPopupMenu* old = FSysPopupMenu) {
        FSysPopupMenu.Set(nullptr);
        old->Free();
    }
    auto* menu = new TlxSkinPopupMenu(this);
    FSysPopupMenu.Set(menu);
    TCustomForm* form = GetParentForm(this);
    if (form && form->FormStyle() == fsMDIChild && Application && Application->MainForm())
        form = Application->MainForm();
    menu->SetComponentForm(form);

    const TlxResourceStrData* strings = MenuStrings();
    const int len = static_cast<int>(FChars.size());
    const bool selection = SelLength() > 0;
    const bool all = SelStart() == 0 && SelLength() == len;
    const bool password = FPasswordChar != 0;
    auto add = [&](const char* Key, const char* Builtin, bool Enabled, std::function<void()> Action) {
        auto* item = new TMenuItem(menu);
        std::string caption = Builtin;
        if (strings && Key) {
            std::string s = strings->GetResStr(Key);
            if (!s.empty()) caption = s;
        }
        item->SetCaption(caption);
        item->SetEnabled(Enabled);
        if (Action) item->OnClick = [Action](TObject*) { Action(); };
        menu->Items()->Add(item);
    };
    add("EDIT_UNDO", "Undo", CanUndo() && !FReadOnly, [this] { Undo(); });
    add(nullptr, "-", true, {});
    // A password is never handed out.
    add("EDIT_CUT", "Cut", selection && !FReadOnly && !password, [this] { CutToClipboard(); });
    add("EDIT_COPY", "Copy", selection && !password, [this] { CopyToClipboard(); });
    add("EDIT_PASTE", "Paste", Clipboard().HasText() && !FReadOnly, [this] { PasteFromClipboard(); });
    add("EDIT_DELETE", "Delete", selection && !FReadOnly, [this] { ClearSelection(); });
    add(nullptr, "-", true, {});
    add("EDIT_SELECTALL", "Select All", !all && len > 0, [this] { SelectAll(); });
    menu->Popup2(this, P.X, P.Y);
}
