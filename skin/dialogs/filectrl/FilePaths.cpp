#include "skin/dialogs/filectrl/FilePaths.h"

#include "platform/gdi/TCanvas.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <algorithm>
#include <vector>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

bool IsExistingDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsExistingFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void CheckEnterableDirectory(const std::string& path) {
    struct stat st {};
    int error = 0;
    if (path.empty())
        error = ENOENT;
    else if (stat(path.c_str(), &st) != 0)
        error = errno;
    else if (!S_ISDIR(st.st_mode))
        error = ENOTDIR;
    else if (access(path.c_str(), X_OK) != 0)
        error = errno;
    if (error != 0)
        throw EInOutError("Cannot enter \"" + DisplayNameOfBytes(path) + "\": " + std::strerror(error));
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && home[0] == '/' && IsExistingDirectory(home) ? NormalizePath(home) : "/";
}

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (out.empty() || out.back() != '/') out.push_back('/');
    out.append(name);
    return out;
}

std::string NormalizePath(std::string_view path, std::string_view base) {
    std::string full = path.starts_with('/') ? std::string(path) : JoinPath(base, path);
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    while (!rest.empty()) {
        size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) {
        out.push_back('/');
        out.append(part);
    }
    return out.empty() ? "/" : out;
}

void CutFirstFolder(std::string& path) {
    if (path == "/") {
        path.clear();
        return;
    }
    bool rooted = path.starts_with('/');
    if (rooted) path.erase(0, 1);
    if (path.starts_with('.')) path.erase(0, std::min<size_t>(4, path.size()));
    size_t slash = path.find('/');
    if (slash == std::string::npos)
        path.clear();
    else
        path.replace(0, slash + 1, ".../");
    if (rooted) path.insert(0, "/");
}

std::string ShortenPathToWidth(const std::string& path, const std::function<int(std::string_view)>& textWidth,
                               int maxWidth) {
    std::string result = path;
    size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    while (!folder.empty() && textWidth(result) > maxWidth) {
        if (folder == "/.../")
            folder = ".../";
        else
            CutFirstFolder(folder);
        result = folder + name;
    }
    return result;
}

std::string ShortenPathToWidth(const std::string& path, TCanvas& canvas, int maxWidth) {
    return ShortenPathToWidth(
        path, [&](std::string_view s) { return canvas.TextWidth(s); }, maxWidth);
}

TEditPath SplitEditPath(std::string_view text, const std::string& baseDir) {
    TEditPath out;
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        out.DirPart = NormalizePath(text.substr(1, text.size() - 2), baseDir);
        return out;
    }
    std::string full = NormalizePath(text, baseDir);
    if (text.empty() || text.ends_with('/') || full == "/") {
        out.DirPart = full;
        return out;
    }
    size_t slash = full.find_last_of('/');
    out.DirPart = slash == 0 ? "/" : full.substr(0, slash);
    out.FilePart = full.substr(slash + 1);
    bool wild = out.FilePart.find_first_of("*?") != std::string::npos;
    if (!wild && IsExistingDirectory(full)) {
        out.DirPart = full;
        out.FilePart.clear();
    }
    return out;
}

int PathDepth(std::string_view path) {
    return static_cast<int>(std::count(path.begin(), path.end(), '/'));
}
