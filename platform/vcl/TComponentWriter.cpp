#include "platform/vcl/TComponentWriter.h"

#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TDescriptionWriter.h"

namespace {

class TSaver {
public:
    explicit TSaver(TComponent* Root) : FRoot(Root) {}

    TDescObject Object(TComponent* C) {
        TDescObject d;
        d.Name = C->Name();
        d.ClassName = C->ClassName();
        const TClassInfo* info = ClassRegistry().ClassOf(C);
        if (!info) throw EWriteError("class " + d.ClassName + " is not registered");
        d.ClassName = info->Name();
        Props(ToVoid(static_cast<TPersistent*>(C)), info, C, "", d.Properties);
        for (int i = 0; i < FRoot->ComponentCount(); ++i) {
            TComponent* child = FRoot->Components(i);
            TComponent* parent = child->HasParent() ? child->GetParentComponent() : FRoot;
            if (!parent) parent = FRoot;
            if (parent == C && child != C) d.Children.push_back(Object(child));
        }
        return d;
    }

private:
    void Props(void* Obj, const TClassInfo* Class, TComponent* Component, const std::string& Prefix,
               std::vector<TDescProperty>& Out) {
        if (!Class || !Obj) return;
        for (const TPropInfo* p : Class->Properties()) {
            std::string name = Prefix + p->Name;
            switch (p->Kind) {
            case TPropKind::Value: {
                TDescValue v = p->Get(Obj);
                if (p->AlwaysStored || !(v == p->Default)) Out.push_back({name, std::move(v), 0});
                break;
            }
            case TPropKind::Object: {
                TObjectRef ref = p->GetObject(Obj);
                Props(ref.Ptr, ref.Class, nullptr, name + ".", Out);
                break;
            }
            case TPropKind::Collection: {
                TCollection* coll = p->GetCollection(Obj);
                if (!coll || coll->Count() == 0) break;
                TDescValue v;
                v.Kind = TDescValueKind::Collection;
                for (int i = 0; i < coll->Count(); ++i) {
                    TCollectionItem* item = coll->Items(i);
                    TDescItem di;
                    Props(ToVoid(static_cast<TPersistent*>(item)), ClassRegistry().ClassOf(item), nullptr, "",
                          di.Properties);
                    v.Items.push_back(std::move(di));
                }
                Out.push_back({name, std::move(v), 0});
                break;
            }
            case TPropKind::Reference: {
                TComponent* target = p->GetRef(Obj);
                if (!target) break;
                std::string ref = target->Name();
                if (target != FRoot && target->Owner() && target->Owner() != FRoot)
                    ref = target->Owner()->Name() + "." + ref;
                Out.push_back({name, TDescValue::OfIdent(ref), 0});
                break;
            }
            case TPropKind::Event: {
                if (!Component || !p->EventAssigned(Obj)) break;
                std::string handler = Component->EventHandlerName(p->Name);
                if (!handler.empty()) Out.push_back({name, TDescValue::OfIdent(handler), 0});
                break;
            }
            }
        }
    }

    TComponent* FRoot;
};

} // namespace

TDescObject TComponentWriter::Write(TComponent* Root) {
    return TSaver(Root).Object(Root);
}

std::string TComponentWriter::WriteText(TComponent* Root) {
    return TDescriptionWriter::Write(Write(Root));
}
