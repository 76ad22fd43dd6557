#pragma once

#include "platform/win/WinApi.h"

#include <set>
#include <vector>

struct TRecordedMessage {
    HWND Wnd = nullptr;
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

// Records the messages that reach windows' chains while it lives. Empty
// filters record every window or every message.
class TMessageRecorder {
public:
    explicit TMessageRecorder(std::set<HWND> windows = {}, std::set<uint32_t> messages = {});
    ~TMessageRecorder();
    TMessageRecorder(const TMessageRecorder&) = delete;
    TMessageRecorder& operator=(const TMessageRecorder&) = delete;

    const std::vector<TRecordedMessage>& Messages() const { return FMessages; }
    // The message numbers in order (of one window when given).
    std::vector<uint32_t> Msgs(HWND wnd = nullptr) const;
    int Count(uint32_t msg, HWND wnd = nullptr) const;
    void Clear() { FMessages.clear(); }
    void SetMessages(std::set<uint32_t> messages) { FFilter = std::move(messages); }

private:
    std::set<HWND> FWindows;
    std::set<uint32_t> FFilter;
    std::vector<TRecordedMessage> FMessages;
    uint64_t FId = 0;
};
