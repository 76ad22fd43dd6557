#include "media/engine/FrameHooks.h"

#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "media/AVBindings.h"

namespace {

// Modules loaded by this process, by the name they were loaded under. They
// are never unloaded: a module's code may still be referred to by contexts
// of engines that live on.
struct TLoadedModules {
    std::mutex Lock;
    std::map<std::string, void*> Handles;
};

TLoadedModules& LoadedModules() {
    static TLoadedModules* modules = new TLoadedModules; // outlives every engine
    return *modules;
}

void LogError(const std::string& AText) {
    av::av_log(nullptr, AV_LOG_ERROR, "%s", AText.c_str());
}

// A name with a folder part, made absolute against the current folder, so
// that the module is found where the user said without changing folders.
std::string ModulePath(const std::string& AName) {
    if (AName.find('/') == std::string::npos || AName[0] == '/') return AName;
    std::string cwd;
    if (char* dir = getcwd(nullptr, 0)) {
        cwd = dir;
        free(dir);
    }
    return cwd.empty() ? AName : cwd + "/" + AName;
}

// The module's handle, loading it on first use; null with AError set on failure.
void* ModuleHandle(const std::string& AName, std::string& AError) {
    const std::string path = ModulePath(AName);
    TLoadedModules& modules = LoadedModules();
    std::lock_guard lock(modules.Lock);
    auto it = modules.Handles.find(path);
    if (it != modules.Handles.end()) return it->second;
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* text = dlerror();
        AError = text ? text : "cannot load " + path;
        return nullptr;
    }
    modules.Handles.emplace(path, handle);
    return handle;
}

} // namespace

int AddFrameHook(std::unique_ptr<TFrameHookEntry>& AChain, const std::vector<std::string>& AArgs) {
    if (AArgs.empty()) return -2;
    const std::string& name = AArgs[0];
    std::string error;
    void* handle = ModuleHandle(name, error);
    if (!handle) {
        LogError(error + "\n");
        return -1;
    }
    auto entry = std::make_unique<TFrameHookEntry>();
    entry->Configure = reinterpret_cast<TFrameHookConfigureFn>(dlsym(handle, "Configure"));
    entry->Process = reinterpret_cast<TFrameHookProcessFn>(dlsym(handle, "Process"));
    entry->Release = reinterpret_cast<TFrameHookReleaseFn>(dlsym(handle, "Release"));
    if (!entry->Process) {
        LogError("Failed to find Process entrypoint in " + name + "\n");
        return -2;
    }
    if (!entry->Configure && AArgs.size() > 1) {
        LogError("Failed to find Configure entrypoint in " + name + "\n");
        return -2;
    }
    entry->Args = AArgs;
    for (std::string& a : entry->Args)
        entry->ArgV.push_back(a.data());
    entry->ArgV.push_back(nullptr);
    if (entry->Configure && entry->Configure(&entry->ctx, static_cast<int>(entry->Args.size()),
                                             entry->ArgV.data(), MAX_FRAME_HOOK_ARGS - 1) != 0) {
        LogError("Failed to Configure " + name + "\n");
        return -22;
    }
    std::unique_ptr<TFrameHookEntry>* tail = &AChain;
    while (*tail)
        tail = &(*tail)->next;
    *tail = std::move(entry);
    return 0;
}

void ProcessFrameHooks(const TFrameHookEntry* AChain, TAVPicture& APicture, int APixFmt, int AWidth,
                       int AHeight, int64_t APTS) {
    for (const TFrameHookEntry* e = AChain; e; e = e->next.get())
        e->Process(e->ctx, &APicture, APixFmt, AWidth, AHeight, APTS);
}

void ReleaseFrameHooks(std::unique_ptr<TFrameHookEntry>& AChain) {
    for (TFrameHookEntry* e = AChain.get(); e; e = e->next.get())
        if (e->Release) e->Release(e->ctx);
    // Unlinked one by one: a long chain must not recurse through its destructors.
    while (AChain)
        AChain = std::move(AChain->next);
}

std::vector<std::string> SplitVideoHookText(const std::string& AText) {
    const char separator = AText.find('|') != std::string::npos ? '|' : ' ';
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < AText.size() && words.size() < static_cast<size_t>(MAX_FRAME_HOOK_ARGS)) {
        pos = AText.find_first_not_of(separator, pos);
        if (pos == std::string::npos) break;
        size_t end = AText.find(separator, pos);
        if (end == std::string::npos) end = AText.size();
        words.push_back(AText.substr(pos, end - pos));
        pos = end;
    }
    return words;
}
