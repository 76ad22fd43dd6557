#pragma once

#include "FrameSkin.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"

// The skin the dialogs' goldens are drawn in: the skinned windows' test
// frame with a nine-part "button" description, for both SkinData and
// CtrlSkinData.
inline TlxSkinData* NewDialogTestSkin(TComponent* Owner) {
    auto* skinData = new TlxSkinData(Owner);
    TFrameSkin frame;
    const int picture = frame.Skin.AddPicture(TTestSkin::StandardPicture());
    TTestSkin::SetNinePart(frame.Skin.Add<TlxDataSkinButtonControl>("button"), picture);
    frame.Skin.LoadInto(skinData);
    return skinData;
}
