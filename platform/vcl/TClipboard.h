#pragma once

#include <string>

// The text clipboard as controls use it: the desktop services' clipboard
// (platform/sys/TDesktopServices.h), which the backend in use serves.
class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& Value);
    bool HasText() const { return !AsText().empty(); }
    void Clear() { SetAsText(""); }
};

TClipboard& Clipboard();
