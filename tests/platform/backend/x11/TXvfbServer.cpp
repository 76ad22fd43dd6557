#include "TXvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

extern char** environ;

bool TXvfbServer::Installed() {
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string file = dirs.substr(start, end - start) + "/Xvfb";
        if (access(file.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

TXvfbServer::TXvfbServer() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::string fd = std::to_string(fds[1]);
    std::vector<std::string> args = {"Xvfb",        "-displayfd", fd,    "-screen", "0",
                                     "1024x768x24", "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int rc = posix_spawnp(&FPid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        throw std::runtime_error("Xvfb could not be started");
    }
    // The display number comes, ended by a newline, when the server is ready.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && poll(&p, 1, 15000) > 0) {
        char buf[16];
        ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0) break;
        number.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        kill(FPid, SIGKILL);
        waitpid(FPid, nullptr, 0);
        throw std::runtime_error("Xvfb did not become ready");
    }
    FDisplay = ":" + number.substr(0, number.find('\n'));
}

TXvfbServer::~TXvfbServer() {
    if (FPid <= 0) return;
    kill(FPid, SIGTERM);
    waitpid(FPid, nullptr, 0);
}
