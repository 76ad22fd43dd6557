#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TMenu.h"

class TlxSkinData;

// The main menu of a skinned form: the items its skinned menu bar shows,
// with the skin the application gives its menus.
class TlxSkinMainMenu : public TMainMenu {
public:
    explicit TlxSkinMainMenu(TComponent* AOwner);

    TlxSkinData* SkinData() const { return FSD; }
    void SetSkinData(TlxSkinData* Value);

private:
    TComponentRef<TlxSkinData> FSD{this};
};
