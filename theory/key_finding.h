// SPDX-License-Identifier: GPL-3.0-or-later
// A guess at the key of what was played recently, for a readout that follows the music: the
// Krumhansl–Schmuckler key finding. The pitch classes played, weighed by how often they sound,
// are compared with how strongly listeners hear each pitch class belong to each major and
// minor key (Krumhansl and Kessler's probe-tone profiles); the key that correlates best wins.
#pragma once

#include <array>
#include <deque>
#include <optional>

#include "musical_key.h"

namespace tonalis::theory {

// How much each pitch class 0..11 sounded; nothing when nothing did.
std::optional<MusicalKey> guessKey(const std::array<double, 12>& weights);

// The last notes played, for guessing the key of the music as it goes.
class RecentNotes {
 public:
  static constexpr std::size_t kRemembered = 32;  // about the last few bars

  void add(int pitch);
  void clear();
  std::optional<MusicalKey> guessedKey() const;

 private:
  std::deque<int> m_pitchClasses;
};

}  // namespace tonalis::theory
