#pragma once

#include <functional>
#include <string>

// Runs body in a forked child (loader and ld.so state are process-wide) and
// returns its text: empty for success, else what went wrong.
std::string RunInChild(const std::function<std::string()>& body);

// A fresh temporary folder, removed with everything in it when destroyed.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    const std::string& Path() const { return FPath; } // with a trailing "/"
    std::string Link(const std::string& target, const std::string& name) const;
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::string FPath;
};
