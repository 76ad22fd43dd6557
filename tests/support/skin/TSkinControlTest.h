#pragma once

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinData.h"
#include "tests/support/skin/TSkinTestForm.h"
#include "tests/support/skin/TestSkin.h"

#include <gtest/gtest.h>

#include <vector>

// A headless window system, a shown 400 x 300 form passing skin messages to
// its controls, and a skin data object on it, for the test of one skinned
// control.
class TSkinControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A control of class T on Parent (the form by default) at the bounds given.
    template <class T> T* Make(int X, int Y, int W, int H, TWinControl* Parent = nullptr) {
        T* c = new T(Form);
        c->SetParent(Parent ? Parent : Form);
        c->SetBounds(X, Y, W, H);
        return c;
    }
    // What the control shows on screen, after pumping.
    TBitmap Shot(TControl* C);
    // The screen point of a point of the control.
    static TPoint At(TControl* C, int X, int Y) { return C->ClientToScreen({X, Y}); }

    THeadlessSession Session;
    TSkinTestForm* Form = nullptr;
    TlxSkinData* SD = nullptr;
};
