#include "skin/controls/LinkOpener.h"

#include "platform/sys/TDesktopServices.h"

#include <algorithm>
#include <iostream>

namespace {

// Link controls live on the GUI thread; so does their log.
TLinkLog gLog;

void Log(const std::string& Line) {
    if (gLog)
        gLog(Line);
    else
        std::clog << Line << std::endl;
}

bool StartsWithNoCase(const std::string& S, const std::string& Prefix) {
    if (S.size() < Prefix.size()) return false;
    return std::equal(Prefix.begin(), Prefix.end(), S.begin(),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? char(b - 'A' + 'a') : b); });
}

bool Allowed(const std::string& URL) {
    if (std::any_of(URL.begin(), URL.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
        return false;
    for (const char* scheme : {"http://", "https://", "mailto:"})
        if (StartsWithNoCase(URL, scheme) && URL.size() > std::char_traits<char>::length(scheme)) return true;
    return false;
}

} // namespace

bool OpenLinkURL(const std::string& URL) {
    if (URL.empty()) return false;
    if (!Allowed(URL)) {
        Log("Link not opened, only web and mail addresses are: " + URL);
        return false;
    }
    if (DesktopServices().ShellOpen(URL)) return true;
    Log("Link could not be opened: " + URL);
    return false;
}

TLinkLog SetLinkLog(TLinkLog Log) {
    std::swap(gLog, Log);
    return Log;
}
