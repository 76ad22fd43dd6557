#include "platform/backend/headless/TMessageRecorder.h"

TMessageRecorder::TMessageRecorder(std::set<HWND> windows, std::set<uint32_t> messages)
    : FWindows(std::move(windows)), FFilter(std::move(messages)) {
    FId = AddMessageObserver([this](HWND wnd, const TMessage& m) {
        if (!FWindows.empty() && !FWindows.count(wnd)) return;
        if (!FFilter.empty() && !FFilter.count(m.Msg)) return;
        FMessages.push_back({wnd, m.Msg, m.WParam, m.LParam});
    });
}

TMessageRecorder::~TMessageRecorder() {
    RemoveMessageObserver(FId);
}

std::vector<uint32_t> TMessageRecorder::Msgs(HWND wnd) const {
    std::vector<uint32_t> out;
    for (auto& m : FMessages)
        if (!wnd || m.Wnd == wnd) out.push_back(m.Msg);
    return out;
}

int TMessageRecorder::Count(uint32_t msg, HWND wnd) const {
    int n = 0;
    for (auto& m : FMessages)
        n += m.Msg == msg && (!wnd || m.Wnd == wnd);
    return n;
}
