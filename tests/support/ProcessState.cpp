#include "tests/support/ProcessState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::vector<TProcessStateKeeper*>& Keepers() {
    static std::vector<TProcessStateKeeper*> keepers;
    return keepers;
}

class TProcessStateListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        for (auto* keeper : Keepers())
            keeper->Save();
    }
    // Runs before the result printer's end line (end events go to the
    // listeners in reverse), so a failure added here fails the case it
    // belongs to.
    void OnTestEnd(const testing::TestInfo&) override {
        for (auto* keeper : Keepers()) {
            try {
                keeper->Restore();
            } catch (const std::exception& e) {
                ADD_FAILURE() << "the case left process-wide state that cannot be restored: " << e.what();
            }
        }
    }
};

// The environment variables and the working folder: cases set SDL's
// variables, a display, a time zone, or change folder.
class TEnvironmentKeeper : public TProcessStateKeeper {
public:
    TEnvironmentKeeper() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return -1; }
    void Save() override {
        FVariables = Variables();
        std::error_code ec;
        FFolder = std::filesystem::current_path(ec);
    }
    void Restore() override {
        for (const auto& [name, value] : Variables())
            if (!FVariables.count(name)) unsetenv(name.c_str());
        for (const auto& [name, value] : FVariables)
            setenv(name.c_str(), value.c_str(), 1);
        std::error_code ec;
        if (!FFolder.empty() && std::filesystem::current_path(ec) != FFolder)
            std::filesystem::current_path(FFolder);
    }

private:
    static std::map<std::string, std::string> Variables() {
        std::map<std::string, std::string> out;
        for (char** e = environ; *e; ++e) {
            std::string entry = *e;
            auto equals = entry.find('=');
            if (equals != std::string::npos) out[entry.substr(0, equals)] = entry.substr(equals + 1);
        }
        return out;
    }

    std::map<std::string, std::string> FVariables;
    std::filesystem::path FFolder;
};

} // namespace

void RegisterProcessStateKeeper(TProcessStateKeeper& keeper) {
    auto& keepers = Keepers();
    keepers.insert(std::upper_bound(keepers.begin(), keepers.end(), &keeper,
                                    [](auto* a, auto* b) { return a->Order() < b->Order(); }),
                   &keeper);
}

void InstallProcessStateListener() {
    static TEnvironmentKeeper environment;
    testing::UnitTest::GetInstance()->listeners().Append(new TProcessStateListener);
}
