#include "skin/controls/TlxSkinClient.h"

#include "platform/vcl/TWinControl.h"

#include <algorithm>
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

// Calls Step on every client collected at the start that is still in the
// tree when its turn comes: a control may free children of its own (a list
// its scroll bars) in its step.
template <class F> void Walk(TWinControl* Root, TlxSkinData* SD, F Step) {
    const std::vector<TlxSkinClient*> clients = Clients(Root, SD);
    for (size_t i = 0; i < clients.size(); ++i) {
        if (i > 0) {
            const std::vector<TlxSkinClient*> now = Clients(Root, SD);
            if (std::find(now.begin(), now.end(), clients[i]) == now.end()) continue;
        }
        Step(clients[i]);
    }
}

} // namespace

void BeforeChangeSkinClients(TWinControl* Root, TlxSkinData* SD) {
    Walk(Root, SD, [](TlxSkinClient* c) { c->BeforeChangeSkinData(); });
}

void ChangeSkinClients(TWinControl* Root, TlxSkinData* SD) {
    Walk(Root, SD, [](TlxSkinClient* c) { c->ChangeSkinData(); });
}
