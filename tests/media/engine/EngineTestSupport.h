#pragma once
// Shared pieces of the engine tests: the libraries loaded, a fresh engine, the
// engine's log lines caught, and a scratch folder for outputs.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "media/AVBindings.h"
#include "media/TFFLogger.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/TCustomFFmpeg.h"

// Every line the logger delivers while it lives (delivered on the logging
// thread, so nothing waits for a GUI loop).
class TLogCapture {
public:
    TLogCapture() {
        TFFLogger* logger = GetFFLogger();
        logger->SetTriggerEventInMainThread(false);
        logger->SetLogLevel(llVerbose);
        logger->OnLog = [this](void*, uint32_t, TLogLevel level, const std::string& text) {
            std::lock_guard lock(FLock);
            FLines.push_back({level, text});
        };
    }
    ~TLogCapture() { GetFFLogger()->OnLog = nullptr; }

    struct TLine {
        TLogLevel Level;
        std::string Text;
    };
    std::vector<TLine> Lines() const {
        std::lock_guard lock(FLock);
        return FLines;
    }
    // True when a line at ALevel contains AText.
    bool Has(TLogLevel ALevel, const std::string& AText) const {
        for (const TLine& l : Lines())
            if (l.Level == ALevel && l.Text.find(AText) != std::string::npos) return true;
        return false;
    }
    bool HasText(const std::string& AText) const {
        for (const TLine& l : Lines())
            if (l.Text.find(AText) != std::string::npos) return true;
        return false;
    }
    void Clear() {
        std::lock_guard lock(FLock);
        FLines.clear();
    }

private:
    mutable std::mutex FLock;
    std::vector<TLine> FLines;
};

// A temporary folder removed with its content.
class TScratchFolder {
public:
    TScratchFolder() {
        char pattern[] = "/tmp/duva-engine-XXXXXX";
        FPath = mkdtemp(pattern);
    }
    ~TScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    std::string File(const std::string& name) const { return FPath + "/" + name; }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

// A test with the component libraries loaded and a reset engine E.
class TCustomFFmpegTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFLoader.Load(ComponentLibraries)) << FFLoader.LastErrMsg();
        E = std::make_unique<TCustomFFmpeg>(20);
        E->Reset();
    }
    void TearDown() override { E.reset(); }

    TLogCapture Log;
    std::unique_ptr<TCustomFFmpeg> E;
};

// Reads an option of a library object as text ("" when unknown).
inline std::string OptText(void* obj, const char* name) {
    uint8_t* text = nullptr;
    if (!obj || av::av_opt_get(obj, name, AV_OPT_SEARCH_CHILDREN, &text) < 0 || !text) return {};
    std::string r(reinterpret_cast<char*>(text));
    av::av_free(text);
    return r;
}

inline std::string DictValue(const AVDictionary* dict, const char* key) {
    const AVDictionaryEntry* e = av::av_dict_get(dict, key, nullptr, 0);
    return e ? e->value : "";
}
