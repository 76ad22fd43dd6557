#include "tests/support/ChildProcess.h"
#include "tests/support/ProcessState.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Set in the child: the number of the call whose body it runs, and the file
// it writes the body's text to; or that it runs a whole case.
constexpr const char* CallVariable = "DUVA_CHILD_CALL";
constexpr const char* ResultVariable = "DUVA_CHILD_RESULT";
constexpr const char* CaseVariable = "DUVA_CHILD_CASE";

// Counts the RunInChild calls of the running case; starts again with each case.
class TCallCounter : public TProcessStateKeeper {
public:
    TCallCounter() { RegisterProcessStateKeeper(*this); }
    int Order() const override { return 0; }
    void Save() override { FNext = 0; }
    void Restore() override {}
    int Next() { return FNext++; }

private:
    int FNext = 0;
} Calls;

std::string RunBody(const std::function<std::string()>& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    }
}

std::string ReadFile(const std::string& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Tail(const std::string& text) {
    constexpr size_t Keep = 4000;
    return text.size() > Keep ? "..." + text.substr(text.size() - Keep) : text;
}

struct TChildRun {
    std::string Error; // set when the child could not be started
    bool Passed = false;
    std::string Output;
};

// Starts this program on the running case alone, with the variables given,
// its output going to outputFile, and waits for it.
TChildRun RunCaseInChild(const std::vector<std::string>& variables, const std::string& outputFile) {
    TChildRun run;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (!test) {
        run.Error = "a child process started outside a test case";
        return run;
    }
    std::vector<std::string> args = {
        "/proc/self/exe",
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name(),
        "--gtest_also_run_disabled_tests",
    };
    // The child inherits the environment, less gtest's own settings (an XML
    // report, a repeat count, a shuffle) that would make it more than one case.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "GTEST_", 6) != 0 && std::strncmp(*e, "DUVA_CHILD_", 11) != 0) env.push_back(*e);
    env.insert(env.end(), variables.begin(), variables.end());

    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> out;
        for (auto& s : strings)
            out.push_back(s.data());
        out.push_back(nullptr);
        return out;
    };
    auto argv = pointers(args);
    auto envp = pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        run.Error = std::string("cannot start the child: ") + std::strerror(failed);
        return run;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    bool found = false;
    run.Output = Tail(ReadFile(outputFile, found));
    run.Passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace

std::string RunInChild(const std::function<std::string()>& body) {
    const int number = Calls.Next();
    if (const char* wanted = std::getenv(CallVariable)) {
        if (std::to_string(number) != wanted) return "";
        const char* resultFile = std::getenv(ResultVariable);
        std::ofstream(resultFile ? resultFile : "/dev/null", std::ios::binary) << RunBody(body);
        return "";
    }
    TTempFolder folder;
    const std::string resultFile = folder.Path() + "result";
    const TChildRun run = RunCaseInChild({std::string(CallVariable) + "=" + std::to_string(number),
                                          std::string(ResultVariable) + "=" + resultFile},
                                         folder.Path() + "output");
    if (!run.Error.empty()) return run.Error;
    bool haveResult = false;
    std::string result = ReadFile(resultFile, haveResult);
    if (!haveResult) return "the child never reached the call; its output:\n" + run.Output;
    if (!run.Passed) return "child ended abnormally: " + result + "\nits output:\n" + run.Output;
    return result;
}

bool RunCaseInFreshProcess() {
    if (std::getenv(CaseVariable)) return false;
    // Alone in its process (ctest runs each case so): nothing came before it.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 1) return false;
    TTempFolder folder;
    const TChildRun run = RunCaseInChild({std::string(CaseVariable) + "=1"}, folder.Path() + "output");
    if (!run.Error.empty())
        ADD_FAILURE() << run.Error;
    else if (!run.Passed)
        ADD_FAILURE() << "the case failed in a process of its own; its output:\n" << run.Output;
    return true;
}
