// SPDX-License-Identifier: GPL-3.0-or-later
// Key numbering of the two-octave keyboard and the computer-key mapping.
// Key index 1..24: key 1 is the lowest C, 13 the C above it, 24 the top B.
// Chart keys 1..17 are the same notes as key indexes 1..17.
#pragma once

#include <cstdint>

namespace tonalis::theory {

inline constexpr int kKeyCount = 24;
inline constexpr int kChartKeyCount = 17;
inline constexpr int kNoKey = -1;
inline constexpr int kOctave = 12;  // keys per octave

// Pitch class 0..11 (0 = C) of key index `key`.
constexpr int pitchClass(int key) {
  return (key - 1) % 12;
}

bool isBlackKey(int key);

// Position 0..16 of the computer key with virtual-key code `code`
// (Z S X D C V G B H N J M , L . ; /), or kNoKey when the code is not mapped.
int keyPositionForCode(std::uint16_t code);

}  // namespace tonalis::theory
