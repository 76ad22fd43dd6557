#pragma once

class TlxSkinData;
class TWinControl;

// What the form-skinning component needs of every skinned control, windowed
// or not, whatever platform control it derives from: the skin it follows and
// the two steps of a skin change.
class TlxSkinClient {
public:
    virtual TlxSkinData* SkinData() const = 0;
    // The old skin is about to go: forget every description and picture.
    virtual void BeforeChangeSkinData() = 0;
    // The new skin is in place: look the description up again and repaint.
    virtual void ChangeSkinData() = 0;

protected:
    ~TlxSkinClient() = default;
};

// The skin-change walks of a form over its whole control tree. Each calls the
// step on every skinned control whose SkinData is SD; ChangeSkinClients with
// SD nullptr reaches every skinned control whatever its skin (a form setting
// changed). The controls are collected first, so a control that realigns its
// children does not disturb the walk.
void BeforeChangeSkinClients(TWinControl* Root, TlxSkinData* SD);
void ChangeSkinClients(TWinControl* Root, TlxSkinData* SD);
