// SPDX-License-Identifier: GPL-3.0-or-later
// Which on-screen key a computer key plays. The letter rows play by the physical position of the
// key, from the platform's scan code, so that the bottom row gives C to E on QWERTY, QWERTZ,
// AZERTY and Dvorak keyboards alike. Where a platform gives no scan code, the key's character is
// translated into the 16-bit virtual-key code of the key that carries it on a US keyboard.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace tonalis {

// The virtual-key code of Qt key `qtKey`, or 0 for a key that plays nothing. A punctuation key
// gives the same code with and without Shift, as it names the physical key.
std::uint16_t virtualKeyCode(int qtKey);

// Key index 1..24 played by Qt key `qtKey`, or theory::kNoKey.
int keyIndexForQtKey(int qtKey);

// Key index 1..24 played by the key at scan code `scanCode` (an X11 / Wayland keycode, the
// Linux input code plus 8), or theory::kNoKey.
int keyIndexForScanCode(std::uint32_t scanCode);

// Key index 1..24 played by the key of `event`: by its scan code when it has one, else by its
// character.
int keyIndexForEvent(const QKeyEvent& event);

}  // namespace tonalis
