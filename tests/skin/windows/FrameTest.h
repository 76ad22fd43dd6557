#pragma once

#include "FrameSkin.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <gtest/gtest.h>

// A headless window system and a sizeable form at (50, 40) carrying the
// form-skinning component with a skin data object of its own (empty until a
// test loads a skin).
class TFrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads Skin into SD (announced to every form) and pumps.
    void Load(TFrameSkin& Skin);
    void Resize(int W, int H);
    // The hit code at a point of the form's window.
    int HitAt(int X, int Y);
    // The screen point of a window point of the form.
    TPoint Screen(int X, int Y) const;
    TlxActiveSkinObject* Object(const std::string& Name) const;

    THeadlessSession Session;
    TForm* Form = nullptr;
    TlxLumivex* LVX = nullptr;
    TlxSkinData* SD = nullptr;
};
