#include "platform/vcl/TComponentReader.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TDescriptionReader.h"
#include "platform/vcl/TFormResources.h"

#include <map>
#include <vector>

std::function<TComponent*(std::string_view)> TComponentReader::FindGlobalComponent;

namespace {

struct TFixup {
    void* Object;
    const TPropInfo* Prop;
    std::string Target;
    int Line;
};

class TLoader {
public:
    explicit TLoader(TComponent* Root) : FRoot(Root) {}

    ~TLoader() {
        // On failure the components stay with their owner, no longer loading.
        if (!FDone)
            for (TComponent* c : FLoaded)
                c->EndLoading();
    }

    void Run(const TDescObject& D) {
        const TClassInfo* info = ClassRegistry().ClassOf(FRoot);
        if (!info) info = ClassRegistry().Find(D.ClassName);
        if (!info) throw EDescriptionError(D.Line, "class " + D.ClassName + " not found");
        if (!D.Name.empty() && FRoot->Name().empty()) Guard(D.Line, [&] { FRoot->SetName(D.Name); });
        FRootClass = info;
        Begin(FRoot);
        Apply(ToVoid(static_cast<TPersistent*>(FRoot)), info, FRoot, D.Properties);
        for (const TDescObject& child : D.Children)
            ReadChild(child, FRoot);
        ResolveFixups();
        BindFields();
        FDone = true;
        for (TComponent* c : FLoaded)
            c->EndLoading();
        for (TComponent* c : FLoaded) {
            TComponent::TKeepAlive alive(c);
            c->Loaded();
        }
    }

private:
    template <class F> void Guard(int Line, F&& Action) {
        try {
            Action();
        } catch (const EDescriptionError&) {
            throw;
        } catch (const Exception& e) {
            throw EDescriptionError(Line, e.Message());
        }
    }

    void Begin(TComponent* C) {
        C->BeginLoading();
        FLoaded.push_back(C);
    }

    void ReadChild(const TDescObject& D, TComponent* Parent) {
        TComponent* comp = nullptr;
        if (D.Inherited) {
            comp = FRoot->FindComponent(D.Name);
            if (!comp) throw EDescriptionError(D.Line, "inherited component " + D.Name + " not found");
        } else {
            const TClassInfo* info = ClassRegistry().Find(D.ClassName);
            if (!info) throw EDescriptionError(D.Line, "class " + D.ClassName + " not found");
            if (!info->CanCreate())
                throw EDescriptionError(D.Line, "class " + D.ClassName + " cannot be created");
            Guard(D.Line, [&] {
                comp = info->Create(FRoot);
                TScopeGuard freeOnFailure([&] { comp->Free(); });
                comp->SetName(D.Name);
                freeOnFailure.Dismiss();
            });
        }
        Begin(comp);
        FLines[comp] = D.Line;
        Guard(D.Line, [&] { comp->SetParentComponent(Parent); });
        const TClassInfo* info = ClassRegistry().ClassOf(comp);
        if (!info) throw EDescriptionError(D.Line, "class " + comp->ClassName() + " not found");
        Apply(ToVoid(static_cast<TPersistent*>(comp)), info, comp, D.Properties);
        for (const TDescObject& child : D.Children)
            ReadChild(child, comp);
    }

    void Apply(void* Object, const TClassInfo* Class, TComponent* Component,
               const std::vector<TDescProperty>& Props) {
        for (const TDescProperty& p : Props)
            ApplyOne(Object, Class, Component, p);
    }

    void ApplyOne(void* Object, const TClassInfo* Class, TComponent* Component, const TDescProperty& P) {
        // Walk a path such as "Font.Style" through nested objects.
        std::string_view path = P.Name;
        for (;;) {
            size_t dot = path.find('.');
            std::string_view head = path.substr(0, dot);
            const TPropInfo* prop = Class ? Class->FindProperty(head) : nullptr;
            if (!prop)
                throw EDescriptionError(P.Line, "unknown property \"" + std::string(head) + "\" of class " +
                                                    (Class ? Class->Name() : std::string("?")));
            if (dot == std::string_view::npos) {
                SetProperty(Object, prop, Component, P);
                return;
            }
            if (prop->Kind != TPropKind::Object)
                throw EDescriptionError(P.Line, "property \"" + std::string(head) + "\" has no parts");
            TObjectRef ref = prop->GetObject(Object);
            if (!ref.Ptr)
                throw EDescriptionError(P.Line, "property \"" + std::string(head) + "\" is not set");
            Object = ref.Ptr;
            Class = ref.Class;
            Component = nullptr;
            path = path.substr(dot + 1);
        }
    }

    void SetProperty(void* Object, const TPropInfo* Prop, TComponent* Component, const TDescProperty& P) {
        const TDescValue& v = P.Value;
        switch (Prop->Kind) {
        case TPropKind::Value:
            Guard(P.Line, [&] { Prop->Set(Object, v); });
            return;
        case TPropKind::Object:
            throw EDescriptionError(P.Line, "property \"" + Prop->Name + "\" takes no value of its own");
        case TPropKind::Collection: {
            if (v.Kind != TDescValueKind::Collection)
                throw EDescriptionError(P.Line, "a collection expected for property \"" + Prop->Name + "\"");
            TCollection* coll = Prop->GetCollection(Object);
            coll->BeginUpdate();
            TScopeGuard endUpdate([&] { coll->EndUpdate(); });
            coll->Clear();
            for (const TDescItem& item : v.Items) {
                TCollectionItem* it = coll->Add();
                const TClassInfo* itemClass = ClassRegistry().ClassOf(it);
                if (!itemClass) throw EDescriptionError(item.Line, "class " + it->ClassName() + " not found");
                Apply(ToVoid(static_cast<TPersistent*>(it)), itemClass, nullptr, item.Properties);
            }
            return;
        }
        case TPropKind::Reference:
            if (v.Kind != TDescValueKind::Ident)
                throw EDescriptionError(P.Line,
                                        "a component name expected for property \"" + Prop->Name + "\"");
            if (SameText(v.Text, "nil"))
                Guard(P.Line, [&] { Prop->SetRef(Object, nullptr); });
            else
                FFixups.push_back({Object, Prop, v.Text, P.Line});
            return;
        case TPropKind::Event: {
            if (v.Kind != TDescValueKind::Ident)
                throw EDescriptionError(P.Line, "a handler name expected for event \"" + Prop->Name + "\"");
            const THandlerInfo* h = FRootClass->FindHandler(v.Text);
            if (!h)
                throw EDescriptionError(P.Line,
                                        "handler " + v.Text + " not found in class " + FRootClass->Name());
            if (h->Type != Prop->HandlerType)
                throw EDescriptionError(P.Line, "handler " + v.Text + " does not fit event " + Prop->Name);
            Prop->SetEvent(Object, h->Bind(ToVoid(static_cast<TPersistent*>(FRoot))));
            if (Component) Component->SetEventHandlerName(Prop->Name, h->Name);
            return;
        }
        }
    }

    TComponent* FindTarget(const std::string& Name) const {
        size_t dot = Name.find('.');
        if (dot == std::string::npos) {
            if (SameText(Name, FRoot->Name())) return FRoot;
            if (TComponent* c = FRoot->FindComponent(Name)) return c;
            return TComponentReader::FindGlobalComponent ? TComponentReader::FindGlobalComponent(Name)
                                                         : nullptr;
        }
        std::string owner = Name.substr(0, dot);
        TComponent* base = SameText(owner, FRoot->Name()) ? FRoot : nullptr;
        if (!base && TComponentReader::FindGlobalComponent)
            base = TComponentReader::FindGlobalComponent(owner);
        return base ? base->FindComponent(Name.substr(dot + 1)) : nullptr;
    }

    void ResolveFixups() {
        for (const TFixup& f : FFixups) {
            TComponent* target = FindTarget(f.Target);
            if (!target) throw EDescriptionError(f.Line, "component " + f.Target + " not found");
            Guard(f.Line, [&] { f.Prop->SetRef(f.Object, target); });
        }
    }

    void BindFields() {
        void* root = ToVoid(static_cast<TPersistent*>(FRoot));
        for (const TFieldInfo* f : FRootClass->Fields())
            if (TComponent* c = FRoot->FindComponent(f->Name)) Guard(FLine(c), [&] { f->Set(root, c); });
    }

    int FLine(TComponent* C) const {
        auto it = FLines.find(C);
        return it == FLines.end() ? 0 : it->second;
    }

    TComponent* FRoot;
    const TClassInfo* FRootClass = nullptr;
    std::map<TComponent*, int> FLines;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
    bool FDone = false;
};

} // namespace

void TComponentReader::Read(TComponent* Root, const TDescObject& Description) {
    TLoader(Root).Run(Description);
}

void TComponentReader::ReadText(TComponent* Root, std::string_view Text) {
    Read(Root, TDescriptionReader::Parse(Text));
}

void TComponentReader::ClearFieldsOf(TComponent* Root, TComponent* Gone) {
    const TClassInfo* info = ClassRegistry().ClassOf(Root);
    if (!info) return;
    void* root = ToVoid(static_cast<TPersistent*>(Root));
    for (const TFieldInfo* f : info->Fields())
        if (f->Get(root) == Gone) f->Set(root, nullptr);
}

bool TComponentReader::ReadInherited(TComponent* Root) {
    std::vector<std::string_view> texts;
    for (const TClassInfo* c = ClassRegistry().ClassOf(Root); c; c = c->Parent())
        if (auto text = FindFormResource(c->Name())) texts.push_back(*text);
    for (auto it = texts.rbegin(); it != texts.rend(); ++it)
        ReadText(Root, *it);
    return !texts.empty();
}
