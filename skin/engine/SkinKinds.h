#pragma once

#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DataSkinObjects.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

// The kind words of the two entry lists of a skin and the classes they create.
// Kind words compare exactly; "button" names different classes in the two lists.

template <typename T> struct TlxSkinKind {
    const char* Word;
    std::unique_ptr<T> (*Create)(const std::string& AIDName);
};

std::span<const TlxSkinKind<TlxDataSkinControl>> SkinControlKinds();
std::span<const TlxSkinKind<TlxDataSkinObject>> SkinObjectKinds();

// nullptr for a kind word without a class.
std::unique_ptr<TlxDataSkinControl> CreateSkinControl(std::string_view Kind, const std::string& AIDName);
std::unique_ptr<TlxDataSkinObject> CreateSkinObject(std::string_view Kind, const std::string& AIDName);
