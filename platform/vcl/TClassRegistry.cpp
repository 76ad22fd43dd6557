#include "platform/vcl/TClassRegistry.h"

#include "platform/vcl/VclRegistration.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view S) {
    std::string out(S);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

void DescConvert::Bad(const TDescValue& V, const char* Expected) {
    std::string found;
    switch (V.Kind) {
    case TDescValueKind::Integer:
        found = std::to_string(V.Integer);
        break;
    case TDescValueKind::Float:
        found = "a float";
        break;
    case TDescValueKind::String:
        found = "a string";
        break;
    case TDescValueKind::Ident:
        found = "\"" + V.Text + "\"";
        break;
    case TDescValueKind::Set:
        found = "a set";
        break;
    case TDescValueKind::List:
        found = "a list";
        break;
    case TDescValueKind::Collection:
        found = "a collection";
        break;
    case TDescValueKind::Binary:
        found = "binary data";
        break;
    }
    throw EConvertError(std::string(Expected) + " expected, found " + found);
}

const TClassInfo* TClassInfo::Parent() const {
    return FParentName.empty() ? nullptr : ClassRegistry().Find(FParentName);
}

TComponent* TClassInfo::Create(TComponent* AOwner) const {
    if (!FCreate) throw EConvertError("Class " + FName + " cannot be created from a description");
    return FCreate(AOwner);
}

const TPropInfo* TClassInfo::FindProperty(std::string_view AName) const {
    for (const TClassInfo* c = this; c; c = c->Parent())
        for (const TPropInfo& p : c->FProps)
            if (SameText(p.Name, AName)) return &p;
    return nullptr;
}

const THandlerInfo* TClassInfo::FindHandler(std::string_view AName) const {
    for (const TClassInfo* c = this; c; c = c->Parent())
        for (const THandlerInfo& h : c->FHandlers)
            if (SameText(h.Name, AName)) return &h;
    return nullptr;
}

std::vector<const TFieldInfo*> TClassInfo::Fields() const {
    std::vector<const TFieldInfo*> out;
    for (const TClassInfo* c = this; c; c = c->Parent())
        for (const TFieldInfo& f : c->FFields)
            out.push_back(&f);
    return out;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = this; c && chain.size() < 64; c = c->Parent())
        chain.push_back(c);
    std::vector<const TPropInfo*> out;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const TPropInfo& p : (*it)->FProps) {
            // A class may publish again, with another default, a property of its parent.
            auto same = std::find_if(out.begin(), out.end(),
                                     [&](const TPropInfo* q) { return SameText(q->Name, p.Name); });
            if (same != out.end())
                *same = &p;
            else
                out.push_back(&p);
        }
    return out;
}

bool TClassInfo::InheritsFrom(const TClassInfo* Other) const {
    for (const TClassInfo* c = this; c; c = c->Parent())
        if (c == Other) return true;
    return false;
}

std::string TEnumInfo::NameOf(int64_t Value) const {
    for (auto& [v, n] : Values)
        if (v == Value) return n;
    return std::to_string(Value);
}

std::optional<int64_t> TEnumInfo::ValueOf(std::string_view Name) const {
    for (auto& [v, n] : Values)
        if (SameText(n, Name)) return v;
    return std::nullopt;
}

bool TEnumInfo::Has(int64_t Value) const {
    for (auto& [v, n] : Values)
        if (v == Value) return true;
    return false;
}

TClassInfo& TClassRegistry::Register(const std::string& AName, const std::string& AParentName,
                                     std::type_index Type, bool Persistent) {
    auto& slot = FClasses[Lower(AName)];
    if (!slot) slot = std::make_unique<TClassInfo>();
    // Registering a name again replaces its description in place.
    *slot = TClassInfo();
    slot->FName = AName;
    slot->FParentName = AParentName;
    slot->FPersistent = Persistent;
    FByType[Type] = slot.get();
    return *slot;
}

const TClassInfo* TClassRegistry::Find(std::string_view AName) const {
    auto it = FClasses.find(Lower(AName));
    return it == FClasses.end() ? nullptr : it->second.get();
}

const TClassInfo* TClassRegistry::FindByType(std::type_index Type) const {
    auto it = FByType.find(Type);
    return it == FByType.end() ? nullptr : it->second;
}

const TClassInfo* TClassRegistry::ClassOf(const TPersistent* Object) const {
    if (!Object) return nullptr;
    if (const TClassInfo* info = FindByType(typeid(*Object))) return info;
    return Find(Object->ClassName());
}

void TClassRegistry::RegisterEnum(std::type_index Type, TEnumInfo Info) {
    FEnums[Type] = std::move(Info);
}

const TEnumInfo* TClassRegistry::FindEnum(std::type_index Type) const {
    auto it = FEnums.find(Type);
    return it == FEnums.end() ? nullptr : &it->second;
}

void RegisterCreator(TClassInfo& Info, std::function<TComponent*(TComponent*)> Create) {
    Info.FCreate = std::move(Create);
}

TClassRegistry& ClassRegistry() {
    static TClassRegistry registry;
    // Registration calls back into this function; the flag stops the recursion.
    static bool started = false;
    if (!started) {
        started = true;
        RegisterVclClasses();
    }
    return registry;
}
