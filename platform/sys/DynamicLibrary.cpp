#include "platform/sys/DynamicLibrary.h"

#include <mutex>

#include <dlfcn.h>

namespace {
// dlerror's text is per thread, but taking it right after the failing call
// must not race with another loader call on this thread: keep the pair together.
std::mutex DlLock;
} // namespace

TModuleHandle LoadModule(const std::string& fileName, std::string* error) {
    std::lock_guard lock(DlLock);
    dlerror();
    void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle && error) {
        const char* text = dlerror();
        *error = text ? text : "unknown error";
    }
    return handle;
}

void* ModuleSymbol(TModuleHandle module, const std::string& name, std::string* error) {
    std::lock_guard lock(DlLock);
    dlerror();
    void* address = module ? dlsym(module, name.c_str()) : nullptr;
    if (!address && error) {
        const char* text = module ? dlerror() : "no module";
        *error = text ? text : "symbol is null";
    }
    return address;
}

void FreeModule(TModuleHandle module) {
    if (module) {
        std::lock_guard lock(DlLock);
        dlclose(module);
    }
}

std::string ModuleFileOfAddress(const void* address) {
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname) return info.dli_fname;
    return {};
}
