#pragma once

#include "platform/sys/Shell.h"

#include <string>
#include <vector>

// Installs a shell opener that records what it is asked to open (as
// "open <target>" in Log) and answers Works; the previous one is back when
// it goes.
class TRecordingShellOpener {
public:
    explicit TRecordingShellOpener(std::vector<std::string>& Log) {
        FOld = SetShellOpener([this, &Log](const std::string& Target) {
            Log.push_back("open " + Target);
            return Works;
        });
    }
    ~TRecordingShellOpener() { SetShellOpener(FOld); }
    TRecordingShellOpener(const TRecordingShellOpener&) = delete;
    TRecordingShellOpener& operator=(const TRecordingShellOpener&) = delete;

    bool Works = true;

private:
    TShellOpener FOld;
};
