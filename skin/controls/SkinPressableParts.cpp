#include "skin/controls/SkinPressableParts.h"

#include "skin/controls/SkinControlDrawing.h"

void SetSkinCaptionFont(TFont& F, bool UseSkin, const std::string& Name, int Height, TFontStyles Style,
                        const TFont& Default, const TlxSkinData* SD) {
    if (UseSkin) {
        F.SetName(Name);
        F.SetHeight(Height);
        F.SetStyle(Style);
    } else {
        F.Assign(Default);
    }
    F.SetCharset(SkinCharset(SD, Default));
}

bool TakeFocusOnClick(TWinControl* Control, const TMessage& Message, bool& ClicksDisabled) {
    if ((Message.Msg != WM_LBUTTONDOWN && Message.Msg != WM_LBUTTONDBLCLK) || Control->Focused()) return true;
    TComponent::TKeepAlive alive(Control);
    ClicksDisabled = true;
    if (Control->CanFocus()) Control->SetFocus();
    if (Control->FreePending()) return false;
    ClicksDisabled = false;
    return Control->Focused();
}
