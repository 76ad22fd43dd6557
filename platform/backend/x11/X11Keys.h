#pragma once

#include <cstdint>

// The translation of X key symbols, fixed in one table.

// The virtual-key code of a key symbol (the unshifted symbol of the key), or 0.
int KeySymToVKey(unsigned long keySym);
// The Unicode code point a key symbol stands for, or 0.
uint32_t KeySymToUnicode(unsigned long keySym);
// True when the window system makes the key's character itself from the
// virtual key (as on a US layout), so the backend must not report it again.
bool VKeyMakesChar(int vkey);
