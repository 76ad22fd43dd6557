#include "skin/dialogs/open/OpenDialogLogic.h"

#include "skin/dialogs/filectrl/FilePaths.h"

#include <algorithm>

#include <unistd.h>

namespace {

std::string NamePart(std::string_view Path) {
    size_t slash = Path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? Path : Path.substr(slash + 1));
}

// Something exists there that is no regular file and no folder (a FIFO, a
// socket, a device, a broken link): never opened, never overwritten.
bool IsOtherThing(const std::string& Path) {
    return !IsExistingFile(Path) && !IsExistingDirectory(Path) && access(Path.c_str(), F_OK) == 0;
}

} // namespace

std::string FileExtension(std::string_view Name) {
    const std::string name = NamePart(Name);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string FilterExtension(std::string_view Mask) {
    if (Mask.find(".*") != std::string_view::npos) return {};
    std::string_view first = Mask.substr(0, Mask.find(';'));
    while (!first.empty() && first.front() == ' ')
        first.remove_prefix(1);
    while (!first.empty() && first.back() == ' ')
        first.remove_suffix(1);
    return FileExtension(first);
}

std::string SaveCompletion(const std::string& Name, std::string_view Mask, std::string_view DefaultExt) {
    std::string name = Name;
    if (FileExtension(name).empty()) name += FilterExtension(Mask);
    if (FileExtension(name).empty() && !DefaultExt.empty()) name += "." + std::string(DefaultExt);
    return name;
}

TOkDecision DecideOk(const TOkRequest& R) {
    TOkDecision d;
    const std::string& text = R.Text;
    if (text.empty()) return d;
    if (text.find_first_of("*?") != std::string::npos) {
        d.Action = okMask;
        d.Path = text;
        return d;
    }
    // The selection, when the edit names one of its files.
    if (!R.Selected.empty()) {
        auto named = std::find_if(R.Selected.begin(), R.Selected.end(),
                                  [&](const std::string& f) { return NamePart(f) == text; });
        if (named != R.Selected.end()) {
            if (R.SaveMode) {
                if (IsOtherThing(*named)) return d;
                d.Action = R.OverwritePrompt && IsExistingFile(*named) ? okAsk : okAccept;
                d.Path = *named;
                d.Files = {*named};
                return d;
            }
            if (!std::all_of(R.Selected.begin(), R.Selected.end(), IsExistingFile)) return d;
            d.Action = okAccept;
            d.Path = *named;
            d.Files = R.Selected;
            return d;
        }
    }
    std::string path;
    if (text == "~" || text.starts_with("~/"))
        path = NormalizePath(R.Home + text.substr(1));
    else if (text.starts_with('/'))
        path = NormalizePath(text);
    else if (R.Folder.empty())
        return d; // places and the computer hold no files
    else
        path = NormalizePath(JoinPath(R.Folder, text));
    if (IsExistingDirectory(path) && !text.ends_with('.')) {
        d.Action = okNavigate;
        d.Path = path;
        return d;
    }
    if (text.ends_with('/')) return d;

    if (R.SaveMode) {
        const std::string name = SaveCompletion(path, R.Mask, R.DefaultExt);
        if (IsExistingDirectory(name) || IsOtherThing(name)) return d;
        d.Action = R.OverwritePrompt && IsExistingFile(name) ? okAsk : okAccept;
        d.Path = name;
        d.Files = {name};
        return d;
    }
    std::string name = path;
    if (!IsExistingFile(name) && FileExtension(name).empty()) {
        const std::string ext = R.DefaultExt.empty() ? FilterExtension(R.Mask) : "." + R.DefaultExt;
        name += ext;
    }
    if (IsOtherThing(name) || IsExistingDirectory(name)) return d;
    if (R.CheckFileExists && !IsExistingFile(name)) return d;
    d.Action = okAccept;
    d.Path = name;
    d.Files = {name};
    return d;
}
