#include "skin/controls/TlxSkinClient.h"

#include "platform/vcl/TWinControl.h"

#include <vector>

namespace {

void Collect(TWinControl* Parent, TlxSkinData* SD, std::vector<TlxSkinClient*>& Out) {
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* c = Parent->Controls(i);
        if (auto* client = dynamic_cast<TlxSkinClient*>(c); client && (!SD || client->SkinData() == SD))
            Out.push_back(client);
        if (auto* w = dynamic_cast<TWinControl*>(c)) Collect(w, SD, Out);
    }
}

std::vector<TlxSkinClient*> Clients(TWinControl* Root, TlxSkinData* SD) {
    std::vector<TlxSkinClient*> out;
    if (Root) Collect(Root, SD, out);
    return out;
}

} // namespace

void BeforeChangeSkinClients(TWinControl* Root, TlxSkinData* SD) {
    for (TlxSkinClient* c : Clients(Root, SD))
        c->BeforeChangeSkinData();
}

void ChangeSkinClients(TWinControl* Root, TlxSkinData* SD) {
    for (TlxSkinClient* c : Clients(Root, SD))
        c->ChangeSkinData();
}
