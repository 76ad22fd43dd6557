#pragma once

#include <string>

// A fresh temporary folder, removed with everything in it when destroyed.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    const std::string& Path() const { return FPath; } // with a trailing "/"
    std::string Link(const std::string& target, const std::string& name) const;
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::string FPath;
};
