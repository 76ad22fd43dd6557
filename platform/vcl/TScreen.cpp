#include "platform/vcl/TScreen.h"

#include "platform/vcl/TCustomForm.h"

#include <algorithm>

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TWinControl* TScreen::ActiveControl() const {
    return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

void TScreen::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    if (WindowSystemReady()) ::SetCursor(CursorId(Value == crDefault ? crArrow : Value));
}

int TScreen::CursorId(TCursor Cursor) const {
    if (auto it = FCursors.find(Cursor); it != FCursors.end()) return it->second;
    switch (Cursor) {
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crHandPoint:
        return IDC_HAND;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return IDC_ARROW;
    }
}

int TScreen::Width() const {
    return WindowSystemReady() ? GetSystemMetrics(SM_CXSCREEN) : 0;
}

int TScreen::Height() const {
    return WindowSystemReady() ? GetSystemMetrics(SM_CYSCREEN) : 0;
}

TRect TScreen::WorkAreaRect() const {
    return WindowSystemReady() ? GetWorkArea() : TRect{};
}

int TScreen::MonitorCount() const {
    return WindowSystemReady() ? static_cast<int>(EnumDisplayMonitors().size()) : 0;
}

TMonitor TScreen::Monitors(int Index) const {
    TMonitor m;
    if (!WindowSystemReady()) return m;
    auto list = EnumDisplayMonitors();
    if (Index < 0 || Index >= static_cast<int>(list.size()))
        throw EListError("Monitor index out of bounds (" + std::to_string(Index) + ")");
    TMonitorInfo info;
    GetMonitorInfo(list[Index], info);
    m.MonitorNum = Index;
    m.BoundsRect = info.rcMonitor;
    m.WorkareaRect = info.rcWork;
    m.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    return m;
}

void TScreen::AddForm(TCustomForm* Form) {
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form) FActiveForm = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    FActiveForm = Form;
}
