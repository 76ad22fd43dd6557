#pragma once

// Addressing the old catalogues of the settings form and of the main
// window's superseded handlers.
//
// `LegacyProfileKey` is the old category times 100 plus the profile row; the
// profile-parameter tables are keyed by it. The handlers switch on the
// switch value, `LegacyProfileKey` + 100, which is also what they leave in
// the main window's `All_Trant_Number`; the choice tables are keyed by it.

constexpr int LegacyProfileKey(int ACategory, int ARow) {
    return ACategory * 100 + ARow;
}
constexpr int LegacySwitchValue(int ACategory, int ARow) {
    return LegacyProfileKey(ACategory + 1, ARow);
}
constexpr int LegacyKeyOfSwitchValue(int AValue) {
    return AValue - 100;
}
