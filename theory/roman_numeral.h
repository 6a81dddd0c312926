// SPDX-License-Identifier: GPL-3.0-or-later
// A chord reading as a Roman numeral in a key, with its inversion as figured bass: "ii6/5",
// "V7/V", "viio7", "♭VI", "V(sus4)".
//
// The numeral is the root's degree in the key, in capitals when the chord has a major third or
// none, small when it has a minor one; "o" marks a diminished chord, "ø" a half-diminished
// seventh, "+" an augmented one, "maj" a major seventh. Figures name the bass: a triad is root
// position, "6" or "6/4"; a seventh chord "7", "6/5", "4/3" or "2". A chord the key does not hold
// that is a dominant or leading-note chord of a degree the key does hold is read as applied to
// it ("V7/V" is D7 in C). Other types keep their symbol after the degree ("V(9)", "I(add9)").
#pragma once

#include <optional>
#include <string>

#include "chord_reader.h"
#include "musical_key.h"

namespace tonalis::theory {

struct RomanNumeral {
  std::string text;
  int inversion = 0;  // 0 root position, 1 third, 2 fifth, 3 seventh in the bass; -1 another note
};

// `reading` must be a chord (not an interval). With the root as spelled (its place on the line
// of fifths) the degree follows the spelling: A♯ in C is "♯vi", B♭ "♭VII".
RomanNumeral romanNumeral(const ChordReading& reading, const MusicalKey& key,
                          std::optional<int> spelledRoot = std::nullopt);

}  // namespace tonalis::theory
