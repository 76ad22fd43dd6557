#include "platform/vcl/TFormResources.h"

#include "platform/vcl/TComponent.h"

#include <map>
#include <mutex>

namespace {

struct TTable {
    std::mutex Lock;
    std::map<std::string, std::string, std::less<>> Texts;
};

TTable& Table() {
    static TTable table;
    return table;
}

} // namespace

void RegisterFormResource(std::string_view ClassName, std::string_view Text) {
    TTable& t = Table();
    std::lock_guard guard(t.Lock);
    t.Texts[std::string(ClassName)] = std::string(Text);
}

std::optional<std::string_view> FindFormResource(std::string_view ClassName) {
    TTable& t = Table();
    std::lock_guard guard(t.Lock);
    for (auto& [name, text] : t.Texts)
        if (SameText(name, ClassName)) return std::string_view(text);
    return std::nullopt;
}
