#pragma once

#include "platform/base/Exception.h"
#include "platform/base/Set.h"
#include "platform/vcl/ColorIdents.h"
#include "platform/vcl/TCollection.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TDescription.h"

#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

class TClassInfo;

// The run-time class registry: which classes a form description may name, how
// to create them, their published properties and, for form classes, the named
// handlers their events bind to. Each class registers its own properties; a
// class inherits those of the class it names as parent.
//
// Objects travel through the property accessors as void*: for classes derived
// from TPersistent the pointer is always a TPersistent*, for other classes (the
// drawing layer's TFont) it is a pointer to the registered type itself.

enum class TPropKind { Value, Object, Collection, Reference, Event };

struct TObjectRef {
    void* Ptr = nullptr;
    const TClassInfo* Class = nullptr;
};

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Value;
    // Value: read and write as description values; Set raises EConvertError.
    std::function<TDescValue(void*)> Get;
    std::function<void(void*, const TDescValue&)> Set;
    TDescValue Default;
    bool AlwaysStored = false;
    // Object: a nested object whose own properties are written "Name.Sub".
    std::function<TObjectRef(void*)> GetObject;
    // Collection.
    std::function<TCollection*(void*)> GetCollection;
    // Reference to another component; SetRef raises EConvertError on a wrong type.
    std::function<TComponent*(void*)> GetRef;
    std::function<void(void*, TComponent*)> SetRef;
    // Event: Handler holds a std::function of the event's exact type.
    std::function<void(void*, const std::any& Handler)> SetEvent;
    std::function<bool(void*)> EventAssigned;
    std::type_index HandlerType = typeid(void);
};

// A pointer member of a form class that names a component of its description:
// set once the description is read, cleared when that component goes.
struct TFieldInfo {
    std::string Name;
    std::function<void(void* Root, TComponent* Value)> Set; // EConvertError on a wrong type
    std::function<TComponent*(void* Root)> Get;
};

struct THandlerInfo {
    std::string Name;
    std::type_index Type = typeid(void);
    std::function<std::any(void* Root)> Bind;
};

class TClassInfo {
public:
    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const;
    bool IsPersistent() const { return FPersistent; }
    bool CanCreate() const { return static_cast<bool>(FCreate); }
    TComponent* Create(TComponent* AOwner) const;

    // Found ignoring ASCII case, in this class or its ancestors.
    const TPropInfo* FindProperty(std::string_view AName) const;
    const THandlerInfo* FindHandler(std::string_view AName) const;
    // Every field of this class and its ancestors.
    std::vector<const TFieldInfo*> Fields() const;
    // Every property, the farthest ancestor's first.
    std::vector<const TPropInfo*> Properties() const;
    bool InheritsFrom(const TClassInfo* Other) const;

private:
    friend class TClassRegistry;
    friend void RegisterCreator(TClassInfo& Info, std::function<TComponent*(TComponent*)> Create);
    template <class T> friend class TClassBuilder;
    std::string FName;
    std::string FParentName;
    bool FPersistent = false;
    std::function<TComponent*(TComponent*)> FCreate;
    std::vector<TPropInfo> FProps;
    std::vector<THandlerInfo> FHandlers;
    std::vector<TFieldInfo> FFields;
};

// Names of the values of an enumeration, for reading and writing them.
struct TEnumInfo {
    std::vector<std::pair<int64_t, std::string>> Values;
    std::string NameOf(int64_t Value) const;
    std::optional<int64_t> ValueOf(std::string_view Name) const;
    bool Has(int64_t Value) const;
};

class TClassRegistry {
public:
    TClassInfo& Register(const std::string& AName, const std::string& AParentName, std::type_index Type,
                         bool Persistent);
    const TClassInfo* Find(std::string_view AName) const;
    const TClassInfo* FindByType(std::type_index Type) const;
    // The registered class of an object, from its run-time class name.
    const TClassInfo* ClassOf(const TPersistent* Object) const;

    void RegisterEnum(std::type_index Type, TEnumInfo Info);
    const TEnumInfo* FindEnum(std::type_index Type) const;

private:
    std::map<std::string, std::unique_ptr<TClassInfo>> FClasses; // keyed by lower-case name
    std::map<std::type_index, TClassInfo*> FByType;
    std::map<std::type_index, TEnumInfo> FEnums;
};

// The one registry of the process; the framework's own classes are in it from
// the first call on.
TClassRegistry& ClassRegistry();

namespace DescConvert {

[[noreturn]] void Bad(const TDescValue& V, const char* Expected);

template <class V> struct TTraits;

template <class V> TDescValue ToDesc(const V& Value) {
    if constexpr (std::is_same_v<V, bool>) {
        return TDescValue::OfBool(Value);
    } else if constexpr (std::is_enum_v<V>) {
        if (const TEnumInfo* e = ClassRegistry().FindEnum(typeid(V)))
            return TDescValue::OfIdent(e->NameOf(static_cast<int64_t>(Value)));
        return TDescValue::OfInteger(static_cast<int64_t>(Value));
    } else if constexpr (std::is_integral_v<V>) {
        return TDescValue::OfInteger(static_cast<int64_t>(Value));
    } else if constexpr (std::is_floating_point_v<V>) {
        return TDescValue::OfFloat(Value);
    } else if constexpr (std::is_convertible_v<V, std::string>) {
        return TDescValue::OfString(std::string(Value));
    } else {
        return TTraits<V>::ToDesc(Value);
    }
}

template <class V> V FromDesc(const TDescValue& D) {
    using K = TDescValueKind;
    if constexpr (std::is_same_v<V, bool>) {
        if (D.Kind == K::Ident) {
            if (D.Text == "True" || D.Text == "true") return true;
            if (D.Text == "False" || D.Text == "false") return false;
        }
        Bad(D, "True or False");
    } else if constexpr (std::is_enum_v<V>) {
        if (D.Kind == K::Ident) {
            if (const TEnumInfo* e = ClassRegistry().FindEnum(typeid(V)))
                if (auto v = e->ValueOf(D.Text)) return static_cast<V>(*v);
            Bad(D, "a known value name");
        }
        if (D.Kind == K::Integer) {
            // A number stands only for a value the enumeration has: controls
            // index tables by these values.
            if (const TEnumInfo* e = ClassRegistry().FindEnum(typeid(V))) {
                if (!e->Has(D.Integer)) Bad(D, "a known value");
            } else if (D.Integer < std::numeric_limits<std::underlying_type_t<V>>::min() ||
                       D.Integer > std::numeric_limits<std::underlying_type_t<V>>::max()) {
                Bad(D, "an integer in range");
            }
            return static_cast<V>(D.Integer);
        }
        Bad(D, "a value name");
    } else if constexpr (std::is_integral_v<V>) {
        if (D.Kind != K::Integer) Bad(D, "an integer");
        if constexpr (std::is_unsigned_v<V>) {
            // Unsigned values such as colours may be written negative.
            if (D.Integer < std::numeric_limits<std::make_signed_t<V>>::min() ||
                (D.Integer > 0 && static_cast<uint64_t>(D.Integer) > std::numeric_limits<V>::max()))
                Bad(D, "an integer in range");
        } else if (D.Integer < std::numeric_limits<V>::min() || D.Integer > std::numeric_limits<V>::max()) {
            Bad(D, "an integer in range");
        }
        return static_cast<V>(D.Integer);
    } else if constexpr (std::is_floating_point_v<V>) {
        if (D.Kind == K::Float) return static_cast<V>(D.Float);
        if (D.Kind == K::Integer) return static_cast<V>(D.Integer);
        Bad(D, "a number");
    } else if constexpr (std::is_same_v<V, std::string>) {
        if (D.Kind != K::String) Bad(D, "a string");
        return D.Text;
    } else {
        return TTraits<V>::FromDesc(D);
    }
}

template <class E> struct TTraits<TSet<E>> {
    static TDescValue ToDesc(const TSet<E>& S) {
        std::vector<std::string> names;
        const TEnumInfo* e = ClassRegistry().FindEnum(typeid(E));
        for (unsigned i = 0; i < 64; ++i)
            if (S.Bits() & (uint64_t(1) << i)) names.push_back(e ? e->NameOf(i) : std::to_string(i));
        return TDescValue::OfSet(std::move(names));
    }
    static TSet<E> FromDesc(const TDescValue& D) {
        if (D.Kind != TDescValueKind::Set) Bad(D, "a set");
        TSet<E> s;
        const TEnumInfo* e = ClassRegistry().FindEnum(typeid(E));
        for (const std::string& name : D.Elements) {
            auto v = e ? e->ValueOf(name) : std::nullopt;
            if (!v) throw EConvertError("unknown set element \"" + name + "\"");
            s.Include(static_cast<E>(*v));
        }
        return s;
    }
};

template <> struct TTraits<std::vector<uint8_t>> {
    static TDescValue ToDesc(const std::vector<uint8_t>& B) { return TDescValue::OfBinary(B); }
    static std::vector<uint8_t> FromDesc(const TDescValue& D) {
        if (D.Kind != TDescValueKind::Binary) Bad(D, "binary data");
        return D.Bytes;
    }
};

template <> struct TTraits<std::vector<std::string>> {
    static TDescValue ToDesc(const std::vector<std::string>& L) {
        std::vector<TDescValue> items;
        for (const std::string& s : L)
            items.push_back(TDescValue::OfString(s));
        return TDescValue::OfList(std::move(items));
    }
    static std::vector<std::string> FromDesc(const TDescValue& D) {
        if (D.Kind != TDescValueKind::List) Bad(D, "a list of strings");
        std::vector<std::string> out;
        for (const TDescValue& v : D.List)
            out.push_back(DescConvert::FromDesc<std::string>(v));
        return out;
    }
};

} // namespace DescConvert

// Pointer casts under the convention above.
template <class T> T* FromVoid(void* P) {
    if constexpr (std::is_base_of_v<TPersistent, T>)
        return static_cast<T*>(static_cast<TPersistent*>(P));
    else
        return static_cast<T*>(P);
}
template <class T> void* ToVoid(T* P) {
    if constexpr (std::is_base_of_v<TPersistent, T>)
        return static_cast<void*>(static_cast<TPersistent*>(P));
    else
        return static_cast<void*>(P);
}

template <class T> TObjectRef ObjectRefOf(T* Object) {
    if (!Object) return {};
    const TClassInfo* info = nullptr;
    if constexpr (std::is_base_of_v<TPersistent, T>) info = ClassRegistry().ClassOf(Object);
    if (!info) info = ClassRegistry().FindByType(typeid(T));
    return {ToVoid(Object), info};
}

template <class T> class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& Info) : FInfo(Info) {}

    // A property read and written through a getter and a setter (member
    // functions or callables taking T*). The property is stored when its value
    // differs from Default (by default the value type's zero).
    template <class G, class S> TClassBuilder& Property(const std::string& Name, G Getter, S Setter) {
        using V = std::decay_t<std::invoke_result_t<G, T*>>;
        return Property(Name, Getter, Setter, V{});
    }
    template <class G, class S, class D>
    TClassBuilder& Property(const std::string& Name, G Getter, S Setter, const D& Default) {
        using V = std::decay_t<std::invoke_result_t<G, T*>>;
        TPropInfo p;
        p.Name = Name;
        p.Get = [Getter](void* o) { return DescConvert::ToDesc<V>(std::invoke(Getter, FromVoid<T>(o))); };
        p.Set = [Setter](void* o, const TDescValue& v) {
            std::invoke(Setter, FromVoid<T>(o), DescConvert::FromDesc<V>(v));
        };
        p.Default = DescConvert::ToDesc<V>(static_cast<V>(Default));
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }
    // A property with its own conversion to and from description values.
    TClassBuilder& CustomProperty(const std::string& Name, std::function<TDescValue(T*)> Getter,
                                  std::function<void(T*, const TDescValue&)> Setter, TDescValue Default) {
        TPropInfo p;
        p.Name = Name;
        p.Get = [Getter](void* o) { return Getter(FromVoid<T>(o)); };
        p.Set = [Setter](void* o, const TDescValue& v) { Setter(FromVoid<T>(o), v); };
        p.Default = std::move(Default);
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }
    // A TColor property: named colours are written as identifiers.
    template <class G, class S>
    TClassBuilder& ColorProperty(const std::string& Name, G Getter, S Setter, TColor Default) {
        return CustomProperty(
            Name, [Getter](T* o) { return ColorToDesc(std::invoke(Getter, o)); },
            [Setter](T* o, const TDescValue& v) { std::invoke(Setter, o, ColorFromDesc(v)); },
            ColorToDesc(Default));
    }
    // The last property added is written even when it has its default value.
    TClassBuilder& AlwaysStored() {
        FInfo.FProps.back().AlwaysStored = true;
        return *this;
    }

    template <class G> TClassBuilder& ObjectProperty(const std::string& Name, G Getter) {
        using U = std::remove_pointer_t<std::decay_t<std::invoke_result_t<G, T*>>>;
        TPropInfo p;
        p.Name = Name;
        p.Kind = TPropKind::Object;
        p.GetObject = [Getter](void* o) { return ObjectRefOf<U>(std::invoke(Getter, FromVoid<T>(o))); };
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }

    template <class G> TClassBuilder& CollectionProperty(const std::string& Name, G Getter) {
        TPropInfo p;
        p.Name = Name;
        p.Kind = TPropKind::Collection;
        p.GetCollection = [Getter](void* o) -> TCollection* { return std::invoke(Getter, FromVoid<T>(o)); };
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }

    template <class G, class S>
    TClassBuilder& ReferenceProperty(const std::string& Name, G Getter, S Setter) {
        using U = std::remove_pointer_t<std::decay_t<std::invoke_result_t<G, T*>>>;
        TPropInfo p;
        p.Name = Name;
        p.Kind = TPropKind::Reference;
        p.GetRef = [Getter](void* o) -> TComponent* { return std::invoke(Getter, FromVoid<T>(o)); };
        p.SetRef = [Setter, Name](void* o, TComponent* c) {
            U* typed = dynamic_cast<U*>(c);
            if (c && !typed)
                throw EConvertError(c->Name() + " is a " + c->ClassName() + ", not fit for " + Name);
            std::invoke(Setter, FromVoid<T>(o), typed);
        };
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }

    // An event: a std::function data member (of T or a base) that a
    // description binds to a handler of the form class.
    template <class C, class F> TClassBuilder& EventProperty(const std::string& Name, F C::*Member) {
        static_assert(std::is_base_of_v<C, T>);
        TPropInfo p;
        p.Name = Name;
        p.Kind = TPropKind::Event;
        p.HandlerType = typeid(F);
        p.SetEvent = [Member](void* o, const std::any& h) { FromVoid<T>(o)->*Member = std::any_cast<F>(h); };
        p.EventAssigned = [Member](void* o) { return static_cast<bool>(FromVoid<T>(o)->*Member); };
        FInfo.FProps.push_back(std::move(p));
        return *this;
    }

    // A handler an event property may name: a member function of the form class.
    template <class C, class R, class... Args>
    TClassBuilder& Handler(const std::string& Name, R (C::*Method)(Args...)) {
        static_assert(std::is_base_of_v<C, T>);
        THandlerInfo h;
        h.Name = Name;
        h.Type = typeid(std::function<R(Args...)>);
        h.Bind = [Method](void* root) -> std::any {
            T* self = FromVoid<T>(root);
            return std::function<R(Args...)>(
                [self, Method](Args... a) -> R { return (self->*Method)(a...); });
        };
        FInfo.FHandlers.push_back(std::move(h));
        return *this;
    }

    // A field of the form class bound to the component of that name.
    template <class C, class U> TClassBuilder& Field(const std::string& Name, U* C::*Member) {
        static_assert(std::is_base_of_v<C, T> && std::is_base_of_v<TComponent, U>);
        TFieldInfo f;
        f.Name = Name;
        f.Set = [Member, Name](void* root, TComponent* c) {
            U* typed = dynamic_cast<U*>(c);
            if (c && !typed)
                throw EConvertError(c->Name() + " is a " + c->ClassName() + ", not fit for field " + Name);
            FromVoid<T>(root)->*Member = typed;
        };
        f.Get = [Member](void* root) -> TComponent* { return FromVoid<T>(root)->*Member; };
        FInfo.FFields.push_back(std::move(f));
        return *this;
    }

private:
    TClassInfo& FInfo;
};

void RegisterCreator(TClassInfo& Info, std::function<TComponent*(TComponent*)> Create);

// Registers T under AName with the parent class AParentName ("" for none).
// Component classes constructible from an owner can be created by descriptions.
template <class T>
TClassBuilder<T> RegisterClass(const std::string& AName, const std::string& AParentName = "") {
    TClassInfo& info =
        ClassRegistry().Register(AName, AParentName, typeid(T), std::is_base_of_v<TPersistent, T>);
    if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*> &&
                  !std::is_abstract_v<T>) {
        TClassBuilder<T> b(info);
        RegisterCreator(info, [](TComponent* owner) -> TComponent* { return new T(owner); });
        return b;
    } else {
        return TClassBuilder<T>(info);
    }
}
template <class E> void RegisterEnum(std::vector<std::pair<E, std::string>> Values) {
    TEnumInfo info;
    for (auto& [v, n] : Values)
        info.Values.emplace_back(static_cast<int64_t>(v), n);
    ClassRegistry().RegisterEnum(typeid(E), std::move(info));
}
