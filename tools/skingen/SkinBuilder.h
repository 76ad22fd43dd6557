#pragma once

#include "SkinDefinition.h"

#include "skin/engine/SkinContent.h"

// Draws the pictures of one skin and fills every description the program
// looks up (skin/engine/SkinRequiredNames.h). Raises Exception when a text
// colour of the definition reads at less than 4.5:1 against its background.
void BuildSkin(const TSkinDefinition& Definition, TlxSkinContent& Content);
