#include "platform/vcl/TClipboard.h"

#include "platform/sys/TDesktopServices.h"

std::string TClipboard::AsText() const {
    return DesktopServices().ClipboardText();
}

void TClipboard::SetAsText(const std::string& Value) {
    DesktopServices().SetClipboardText(Value);
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}
