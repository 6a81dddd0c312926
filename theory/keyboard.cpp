// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard.h"

#include <algorithm>
#include <array>

namespace tonalis::theory {

namespace {

// Whether the key of each pitch class 0..11, C first, is black.
constexpr std::array<bool, 12> kBlackPitchClasses{false, true,  false, true,  false, false,
                                                  true,  false, true,  false, true,  false};

// Virtual-key code of the computer key at each position 0..16, the lowest C first.
constexpr std::array<std::uint16_t, 17> kKeyCodes{90, 83, 88, 68,  67, 86,  71,  66, 72,
                                                  78, 74, 77, 188, 76, 190, 186, 191};

}  // namespace

bool isBlackKey(int key) {
  if (key < 1) return false;
  return kBlackPitchClasses[static_cast<std::size_t>(pitchClass(key))];
}

int keyPositionForCode(std::uint16_t code) {
  const auto found = std::ranges::find(kKeyCodes, code);
  if (found == kKeyCodes.end()) return kNoKey;
  return static_cast<int>(found - kKeyCodes.begin());
}

}  // namespace tonalis::theory
