#include "media/TFFLogger.h"

#include "media/AVBindings.h"
#include "media/UTF8Text.h"
#include "platform/base/Exception.h"
#include "platform/sys/MainThread.h"
#include "platform/sys/TThread.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

#include <unistd.h>

namespace {

struct TLine {
    void* Sender;
    uint32_t ThreadID;
    TLogLevel Level;
    std::string Text;
};

// Process-wide and never destroyed: threads may still log while the process ends.
struct TLogState {
    std::mutex Lock; // guards everything below
    TFFLogger* Logger = nullptr;
    bool TriggerInMain = true;
    std::deque<TLine> Lines;
    bool DrainPosted = false;
    std::mutex CallbackLock; // serialises the library callback
};

TLogState& State() {
    static TLogState* state = new TLogState;
    return *state;
}

// The libraries' current level, read by the callback.
std::atomic<int> LibraryLevel{AV_LOG_INFO};

void Drain() {
    auto& st = State();
    for (;;) {
        TLine line;
        TFFLogger* logger;
        {
            std::lock_guard lock(st.Lock);
            if (st.Lines.empty()) {
                st.DrainPosted = false;
                return;
            }
            line = std::move(st.Lines.front());
            st.Lines.pop_front();
            logger = st.Logger;
        }
        if (logger) logger->DoLog(line.Sender ? line.Sender : logger, line.ThreadID, line.Level, line.Text);
    }
}

// Hands a whole line over. Never waits for another thread.
void Deliver(void* sender, uint32_t threadId, TLogLevel level, std::string text) {
    auto& st = State();
    TFFLogger* direct = nullptr;
    bool post = false;
    {
        std::lock_guard lock(st.Lock);
        if (!st.Logger) return;
        if (!st.TriggerInMain) {
            direct = st.Logger;
        } else {
            st.Lines.push_back(TLine{sender, threadId, level, std::move(text)});
            if (!st.DrainPosted) {
                st.DrainPosted = true;
                post = true;
            }
        }
    }
    if (direct) {
        direct->DoLog(sender ? sender : direct, threadId, level, text);
        return;
    }
    if (IsGuiThread())
        Drain();
    else if (post)
        QueueInMainThread(Drain);
}

// The pending, not yet complete line of this thread; flushed when the thread ends.
struct TPendingLine {
    std::string Text;
    TLogLevel Level = llInfo;
    ~TPendingLine() {
        // The initial thread ends with the process: handlers may already be gone.
        if (!Text.empty() && gettid() != getpid()) {
            try {
                Deliver(nullptr, TThread::CurrentThreadID(), Level, ValidUTF8(Text));
            } catch (...) {
            }
        }
    }
};
thread_local TPendingLine Pending;

void LogCallback(void* avcl, int level, const char* fmt, va_list vl) {
    try {
        level &= 0xff;
        if (level > LibraryLevel.load()) return;
        std::vector<std::string> lines;
        const TLogLevel mapped = AVToLogLevel(level);
        {
            std::lock_guard lock(State().CallbackLock);
            char buf[2048] = {};
            int used = 0;
            if (avcl && Pending.Text.empty()) {
                const AVClass* cls = *static_cast<AVClass**>(avcl);
                const char* name = cls && cls->item_name ? cls->item_name(avcl) : nullptr;
                used = snprintf(buf, sizeof buf, "[%s @ %p]", name ? name : "NULL", avcl);
                used = std::clamp(used, 0, static_cast<int>(sizeof buf) - 1);
            }
            va_list copy;
            va_copy(copy, vl);
            const size_t room = sizeof buf - static_cast<size_t>(used);
            const int wanted = vsnprintf(buf + used, room, fmt ? fmt : "", copy);
            va_end(copy);
            // A cut message keeps its line end, so it does not swallow the next one.
            const size_t fmtLen = fmt ? strlen(fmt) : 0;
            if (wanted >= static_cast<int>(room) && fmtLen > 0 && fmt[fmtLen - 1] == '\n')
                buf[sizeof buf - 2] = '\n';
            Pending.Text += buf;
            Pending.Level = mapped;
            size_t eol;
            while ((eol = Pending.Text.find('\n')) != std::string::npos) {
                lines.push_back(ValidUTF8(std::string_view(Pending.Text).substr(0, eol)));
                Pending.Text.erase(0, eol + 1);
            }
        }
        const uint32_t tid = TThread::CurrentThreadID();
        for (auto& line : lines)
            Deliver(nullptr, tid, mapped, std::move(line));
    } catch (...) {
        // Nothing may escape into the library.
    }
}

std::string FormatV(const char* fmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(static_cast<size_t>(n));
    return out;
}

} // namespace

int LogLevelToAV(TLogLevel level) {
    return (static_cast<int>(level) - 1) * 8;
}

TLogLevel AVToLogLevel(int avLevel) {
    int l = avLevel / 8 + 1;
    return static_cast<TLogLevel>(std::clamp(l, static_cast<int>(llQuiet), static_cast<int>(llDebug)));
}

TFFLogger::TFFLogger(void* AOwner) : FOwner(AOwner), FLogLevel(AVToLogLevel(LibraryLevel.load())) {
    auto& st = State();
    std::lock_guard lock(st.Lock);
    if (st.Logger) throw Exception("Allow creating only one instance of TFFLogger.");
    st.Logger = this;
    st.TriggerInMain = true;
}

TFFLogger::~TFFLogger() {
    auto& st = State();
    std::lock_guard lock(st.Lock);
    if (st.Logger == this) st.Logger = nullptr;
}

TLogLevel TFFLogger::LogLevel() const {
    return FLogLevel;
}

void TFFLogger::SetLogLevel(TLogLevel value) {
    if (value == FLogLevel) return;
    FLogLevel = value;
    LibraryLevel = LogLevelToAV(value);
    if (av::av_log_set_level) av::av_log_set_level(LogLevelToAV(value));
}

bool TFFLogger::TriggerEventInMainThread() const {
    auto& st = State();
    std::lock_guard lock(st.Lock);
    return st.TriggerInMain;
}

void TFFLogger::SetTriggerEventInMainThread(bool value) {
    auto& st = State();
    std::lock_guard lock(st.Lock);
    st.TriggerInMain = value;
}

void TFFLogger::InstallAVLogCallback() {
    if (!av::av_log_set_callback || !av::av_log_set_level)
        throw Exception("Install log callback error: avutil is not loaded");
    av::av_log_set_callback(LogCallback);
    LibraryLevel = LogLevelToAV(FLogLevel);
    av::av_log_set_level(LogLevelToAV(FLogLevel));
}

void TFFLogger::OptLogLevel(const std::string& arg) {
    static const struct {
        const char* Name;
        int Level;
    } Names[] = {{"quiet", -8},   {"panic", 0}, {"fatal", 8},    {"error", 16},
                 {"warning", 24}, {"info", 32}, {"verbose", 40}, {"debug", 48}};
    std::string lower = arg;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& n : Names)
        if (lower == n.Name) {
            SetLogLevel(AVToLogLevel(n.Level));
            return;
        }
    int value = 0;
    const char* first = arg.data();
    const char* last = arg.data() + arg.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (arg.empty() || ec != std::errc() || ptr != last)
        throw EConvertError("'" + arg + "' is not a valid integer value");
    SetLogLevel(AVToLogLevel(value));
}

void TFFLogger::Log(void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg) {
    if (!(ALogLevel <= FLogLevel || (ALogLevel == llVerbose && FLogLevel != llQuiet))) return;
    Deliver(Sender ? Sender : this, TThread::CurrentThreadID(), ALogLevel, ValidUTF8(ALogMsg));
}

void TFFLogger::Log(void* Sender, TLogLevel ALogLevel, const char* AFormat, ...) {
    if (!(ALogLevel <= FLogLevel || (ALogLevel == llVerbose && FLogLevel != llQuiet))) return;
    va_list args;
    va_start(args, AFormat);
    std::string text = FormatV(AFormat, args);
    va_end(args);
    Log(Sender, ALogLevel, text);
}

void TFFLogger::DoLog(void* Sender, uint32_t AThreadID, TLogLevel ALogLevel, const std::string& ALogMsg) {
    if (!OnLog) return;
    {
        std::lock_guard lock(FLogInfoLock);
        FLogInfo = TLogInfo{Sender, AThreadID, ALogLevel, ALogMsg};
    }
    try {
        OnLog(Sender, AThreadID, ALogLevel, ALogMsg);
    } catch (...) {
        // A failing handler must not end the delivery of the lines after it.
    }
}

TFFLogger* GetFFLogger() {
    static std::mutex CreateLock;
    std::lock_guard create(CreateLock);
    auto& st = State();
    {
        std::lock_guard lock(st.Lock);
        if (st.Logger) return st.Logger;
    }
    return new TFFLogger(nullptr); // lives until the process ends
}

void FlushFFLog() {
    if (IsGuiThread()) Drain();
}
