#pragma once
// Golden pictures too large for pixel art: PNG files in tests/golden/, the
// folders mirroring the tree ("platform/vcl/TListView/report" is
// tests/golden/platform/vcl/TListView/report.png).

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

#include <string>

// Compares red, green and blue of every pixel with the golden's, each within
// tolerance (0: exact); alpha is left out. On a difference the picture taken
// is written to $DUVA_BINARY_DIR/golden-actual/<name>.png for a look.
//
// Goldens change only through scripts/update-goldens: it sets
// DUVA_UPDATE_GOLDENS, under which a missing or differing golden is written
// (and named on standard output) and the comparison passes.
testing::AssertionResult MatchesGolden(const TBitmap& picture, const std::string& name, int tolerance = 0);
