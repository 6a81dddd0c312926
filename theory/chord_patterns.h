// SPDX-License-Identifier: GPL-3.0-or-later
// The chord shapes that "Determine Root" recognises, in root position only.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bounded_list.h"

namespace tonalis::theory {

inline constexpr int kMinChordNotes = 3;
inline constexpr int kMaxChordNotes = 5;
inline constexpr int kChordPatternCount = 32;

// One recognised shape: its notes as ascending semitones above the lowest key, the texts that
// each follow the root name to form the symbol, and the text that follows it to form the name.
struct ChordPattern {
  BoundedList<int, kMaxChordNotes> offsets;
  BoundedList<std::string_view, 3> symbolParts;
  std::string_view nameSuffix;
};

// The recognised shapes; those of one size are all different, so at most one can match.
extern const std::array<ChordPattern, kChordPatternCount> chordPatterns;

struct ChordMatch {
  std::string symbol;  // for the "Chord Symbol" label, e.g. "Cm / Cmin"
  std::string name;    // for the "Chord Name" label, e.g. "C Minor"
  bool operator==(const ChordMatch&) const = default;
};

// `keys`: ascending, distinct key indexes 1..24, three to five of them; the lowest is the root.
// The selection must be exactly a shape of the table, note for note.
std::optional<ChordMatch> matchChord(std::span<const int> keys);

}  // namespace tonalis::theory
