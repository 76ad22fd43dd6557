#include "tests/media/ChildProcess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

std::string RunInChild(const std::function<std::string()>& body) {
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    pid_t pid = fork();
    if (pid < 0) return "fork failed";
    if (pid == 0) {
        close(fds[0]);
        std::string result;
        try {
            result = body();
        } catch (const std::exception& e) {
            result = std::string("exception: ") + e.what();
        }
        ssize_t written = write(fds[1], result.data(), result.size());
        (void)written;
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    std::string result;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        result.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child ended abnormally: " + result;
    return result;
}

TTempFolder::TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "duva-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    FPath = std::string(made ? made : "/tmp") + "/";
}

TTempFolder::~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

std::string TTempFolder::Link(const std::string& target, const std::string& name) const {
    std::filesystem::create_symlink(target, FPath + name);
    return FPath + name;
}

std::string TTempFolder::Write(const std::string& name, const std::string& content) const {
    std::ofstream(FPath + name, std::ios::binary) << content;
    return FPath + name;
}
