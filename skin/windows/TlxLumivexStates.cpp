// Hit-testing, moving, sizing and the emulated window states of the
// form-skinning component.

#include "skin/windows/TlxLumivex.h"

bool TlxLumivex::CanResize() const {
    return FAlwaysResize || FForm->BorderStyle() == bsSizeable || FForm->BorderStyle() == bsSizeToolWin;
}
TPoint TlxLumivex::PointToFormCoords(TPoint P) const {
    return {P.X - FForm->Left(), P.Y - FForm->Top()};
}
int TlxLumivex::SkinHitTest(TPoint) {
    return HTCLIENT;
}
int TlxLumivex::DefaultHitTest(TPoint) {
    return HTCLIENT;
}
bool TlxLumivex::InCaptionArea(TPoint) const {
    return false;
}
bool TlxLumivex::PointInMaskBorder(TPoint) const {
    return true;
}
void TlxLumivex::WMNCHitTest(TMessage& M) {
    M.Result = HTCLIENT;
}
void TlxLumivex::TestActive(int, int, bool) {}
void TlxLumivex::ResetObjectStates() {}
void TlxLumivex::ObjectsMouseDown(TMouseButton, int, int) {}
void TlxLumivex::ObjectsMouseUp(TMouseButton, int, int) {}
void TlxLumivex::ObjectsMouseMove(int, int) {}
void TlxLumivex::ObjectsDblClick() {}
void TlxLumivex::CaptionDblClick() {}
void TlxLumivex::WMSize(TMessage& M) {
    CallOld(M);
}
void TlxLumivex::WMSizing(TMessage& M) {
    CallOld(M);
}
void TlxLumivex::WMMoving(TMessage&) {}
void TlxLumivex::WMWindowPosChanged(TMessage& M) {
    CallOld(M);
}
void TlxLumivex::WMEnterSizeMove(TMessage&) {}
void TlxLumivex::WMExitSizeMove(TMessage&) {}
void TlxLumivex::WMGetMinMaxInfo(TMessage& M) {
    CallOld(M);
}
void TlxLumivex::MagnetizePosition(int&, int&, int, int) {}
void TlxLumivex::NudgeFormWidth() {}
void TlxLumivex::MinimizeForm() {}
void TlxLumivex::MaximizeForm() {}
void TlxLumivex::RestoreForm() {}
TPoint TlxLumivex::GetMinimizedPosition() {
    return {};
}
TRect TlxLumivex::MonitorArea(bool) const {
    return {};
}
void TlxLumivex::WMShowWindow(TMessage& M) {
    CallOld(M);
}
void TlxLumivex::PopupSystemMenu(int, int) {}
void TlxLumivex::SetWindowState(TWindowState Value) {
    FWindowState = Value;
}
void TlxLumivex::SetRollUpState(bool Value) {
    FRollUpState = Value;
}
int TlxLumivex::GetMinWidth() const {
    return 0;
}
int TlxLumivex::GetMinHeight() const {
    return 0;
}
int TlxLumivex::GetMaxWidth() const {
    return 0;
}
int TlxLumivex::GetMaxHeight() const {
    return 0;
}
void TlxLumivex::MinimizeToTray() {}
void TlxLumivex::RestoreFromTray() {}
void TlxLumivex::ApplyPositionInMonitor() {}
TPoint TlxLumivex::GetPositionInMonitor(int AX, int AY, int, int) const {
    return {AX, AY};
}
TMenuItem* TlxLumivex::GetSystemMenuItems() {
    return FSysMenu ? FSysMenu->Items() : nullptr;
}
void TlxLumivex::MouseTimerProc() {}
