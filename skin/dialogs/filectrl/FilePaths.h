#pragma once

#include "platform/base/Exception.h"

#include <functional>
#include <string>
#include <string_view>

class TCanvas;

// A folder the file controls were told to enter is missing or cannot be
// entered; the message carries the path and the system's text.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// Raises EInOutError unless path is a folder that can be entered.
void CheckEnterableDirectory(const std::string& path);

// Path routines of the file controls. Paths are absolute and compared as
// bytes; nothing here reads or changes the process's current directory.

// True when path names a directory (a link to one counts).
bool IsExistingDirectory(const std::string& path);
// True only for a regular file (a link to one counts): a FIFO, socket,
// device or broken link is no file to open.
bool IsExistingFile(const std::string& path);

// The user's home folder: HOME when it names an existing folder, else "/".
// Where the file controls start, never the program's folder.
std::string HomeFolder();

// dir + name, with one "/" between them.
std::string JoinPath(std::string_view dir, std::string_view name);

// An absolute path with "." and ".." worked out, "//" folded and no trailing
// "/" (except the root), by text alone; a relative path is taken below base.
std::string NormalizePath(std::string_view path, std::string_view base = "/");

// Replaces the first folder of a shortened path by ".../": "/a/b/" becomes
// "/.../b/", "/.../b/" becomes "/.../", ".../" becomes empty.
void CutFirstFolder(std::string& path);

// path cut from its first folder on ("/.../b/name", ".../name", "name")
// until it fits maxWidth, as measured by textWidth (or the canvas's font).
std::string ShortenPathToWidth(const std::string& path, const std::function<int(std::string_view)>& textWidth,
                               int maxWidth);
std::string ShortenPathToWidth(const std::string& path, TCanvas& canvas, int maxWidth);

// What a typed path names, relative to baseDir (the control's folder):
// "[name]" is the sub-folder name; otherwise DirPart is the folder and
// FilePart the last part, unless that is an existing folder (then it moves to
// DirPart) or the text ends in "/". FilePart may be a mask or name nothing.
struct TEditPath {
    std::string DirPart;
    std::string FilePart;
};
TEditPath SplitEditPath(std::string_view text, const std::string& baseDir);

// The number of "/" in path.
int PathDepth(std::string_view path);
