#pragma once

#include <string>

// Run-time loading of shared objects. Always RTLD_NOW | RTLD_LOCAL: symbols of
// one library never leak into the global scope (two SDL majors may meet).
using TModuleHandle = void*;

// A path with a "/" is loaded as it stands; a bare name goes through the
// system's library search. Returns null and fills error (dlerror's text) on failure.
TModuleHandle LoadModule(const std::string& fileName, std::string* error = nullptr);
// Null and error filled when the name is missing.
void* ModuleSymbol(TModuleHandle module, const std::string& name, std::string* error = nullptr);
void FreeModule(TModuleHandle module);
// The file a loaded address belongs to (dladdr), empty when unknown.
std::string ModuleFileOfAddress(const void* address);
