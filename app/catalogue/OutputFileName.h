#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

// Forming the output file name of an added file.
struct TOutputNameRequest {
    std::string InputFileName; // full path of the input
    std::string OutputFolder;
    std::string Extension; // with the dot: ".mp4"
    bool Rename = true;    // "自动重命名"; false is "直接覆盖"
};

// Whether a file of that exact path exists.
using TFileExistsFunc = std::function<bool(const std::string& APath)>;

// The input's stem (its file name up to the last dot; a dot-file such as
// ".clip" and a name without a dot keep the whole name) plus the extension,
// in the output folder. When that name is taken, "_N" goes before the
// extension for the first free N from 1.
//
// Taken are: the input itself (never overwritten, whatever the choice), the
// names other rows already hold, and, when renaming is chosen, any existing
// file. With "直接覆盖" an existing file is overwritten unless it is one of
// the other two; a name changed for their sake still avoids existing files.
//
// Empty when no free name is found within a bound, which only a folder with
// that many numbered files can cause.
std::string OutputFileName(const TOutputNameRequest& ARequest, const TFileExistsFunc& AExists,
                           std::span<const std::string> ARowNames);

// The file name of a path without its folder, and that name without its
// extension by the rule above.
std::string FileNameOfPath(std::string_view APath);
std::string FileStem(std::string_view AFileName);
