#include "platform/win/TWindow.h"

#include "platform/gdi/TBitmap.h"

TWindow::TWindow() = default;
TWindow::~TWindow() = default;
