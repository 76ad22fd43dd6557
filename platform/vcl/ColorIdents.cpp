#include "platform/vcl/ColorIdents.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

#include <utility>

namespace {

const std::pair<TColor, const char*> Names[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
};

} // namespace

std::optional<std::string> ColorToIdent(TColor Color) {
    for (auto& [c, n] : Names)
        if (c == Color) return std::string(n);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view Ident) {
    for (auto& [c, n] : Names)
        if (SameText(n, Ident)) return c;
    return std::nullopt;
}

TDescValue ColorToDesc(TColor Color) {
    if (auto name = ColorToIdent(Color)) return TDescValue::OfIdent(*name);
    return TDescValue::OfInteger(Color);
}

TColor ColorFromDesc(const TDescValue& Value) {
    if (Value.Kind == TDescValueKind::Ident) {
        if (auto c = IdentToColor(Value.Text)) return *c;
        throw EConvertError("unknown colour \"" + Value.Text + "\"");
    }
    if (Value.Kind == TDescValueKind::Integer && Value.Integer >= INT32_MIN && Value.Integer <= UINT32_MAX)
        return static_cast<TColor>(static_cast<uint32_t>(Value.Integer));
    throw EConvertError("a colour expected");
}
