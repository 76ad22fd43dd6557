#include "platform/base/Object.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

std::string ClassNameOf(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                std::free);
    std::string full = (status == 0 && name) ? name.get() : type.name();
    size_t colon = full.rfind("::");
    return colon == std::string::npos ? full : full.substr(colon + 2);
}

std::string TObject::ClassName() const {
    return ClassNameOf(typeid(*this));
}
