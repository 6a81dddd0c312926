// Translates Qt's key codes into the 16-bit virtual-key codes that the keyboard model maps to
// key positions, so that the letter rows of the computer keyboard play the on-screen keys.
#pragma once

#include <cstdint>

namespace tonalis {

// The virtual-key code of Qt key `qtKey`, or 0 for a key that plays nothing. A punctuation key
// gives the same code with and without Shift, as it names the physical key.
std::uint16_t virtualKeyCode(int qtKey);

// Key index 1..24 played by Qt key `qtKey`, or theory::kNoKey.
int keyIndexForQtKey(int qtKey);

}  // namespace tonalis
