// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_patterns.h"

#include <algorithm>

#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

// Row: {semitones above the lowest key}, {symbol parts, each written after the root name},
// name suffix written after the root name.
constexpr std::array<ChordPattern, kChordPatternCount> chordPatterns{{
    {{0, 4, 7}, {""}, " Major"},
    {{0, 2, 7}, {"sus2"}, " Suspended Second"},
    {{0, 5, 7}, {"sus4"}, " Suspended Fourth"},
    {{0, 3, 6}, {"o / ", "dim"}, " Diminished"},
    {{0, 4, 8}, {"+ / ", "aug"}, " Augmented"},
    {{0, 4, 6}, {"(b5)"}, " Flatted Fifth"},
    {{0, 3, 7}, {"m / ", "min"}, " Minor"},
    {{0, 3, 6, 9}, {"o7 / ", "dim7"}, " Diminished seventh chord"},
    {{0, 4, 8, 10}, {"+7 / ", "aug7"}, " Augmented seventh chord"},
    {{0, 4, 8, 11}, {"+M7 / ", "augM7"}, " Major seventh augmented"},
    {{0, 4, 7, 9}, {"6"}, " Sixth"},
    {{0, 4, 7, 10}, {"7"}, " Seventh"},
    {{0, 5, 7, 10}, {"7sus4"}, " Seventh Suspended Fourth"},
    {{0, 4, 6, 10}, {"7(b5)"}, " Seventh Flatted Fifth"},
    {{0, 4, 7, 11}, {"M7 / ", "maj7"}, " Major Seventh"},
    {{0, 4, 6, 11}, {"M7(b5) / ", "maj7(b5)"}, " Major Seventh Flatted Fifth"},
    {{0, 2, 4, 7}, {"9"}, " Add Ninth"},
    {{0, 3, 7, 9}, {"m6 / ", "min6"}, " Minor Sixth"},
    {{0, 3, 7, 10}, {"m7 / ", "min7"}, " Minor Seventh"},
    {{0, 3, 6, 10},
     {"m7(b5) / ", "O7 / ", "min7(b5)"},
     " Minor Seventh Flatted Fifth / Half Diminished"},
    {{0, 3, 7, 11}, {"mM7 / ", "min maj7"}, " Minor Major Seventh"},
    {{0, 3, 6, 11}, {"mM7(b5) / ", "min maj7(b5)"}, " Minor Major Seventh Flatted Fifth"},
    {{0, 2, 3, 7}, {"m9 / ", "min(9)"}, " Minor Add Ninth"},
    {{0, 2, 4, 7, 9}, {"6(9) / "}, " Sixth Ninth"},
    {{0, 1, 4, 7, 10}, {"7(b9) / "}, " Seventh Flatted Ninth"},
    {{0, 2, 4, 7, 10}, {"7(9) / "}, " Seventh Ninth"},
    {{0, 3, 4, 7, 10}, {"7(#9) / "}, " Seventh Sharpened Ninth"},
    {{0, 4, 7, 9, 10}, {"7(13) / "}, " Seventh Add Thirteenth"},
    {{0, 4, 7, 8, 10}, {"7(b13) / "}, " Seventh Add Flatted Thirteenth"},
    {{0, 2, 4, 7, 11}, {"M7(9) / ", "maj7(9)"}, " Major Seventh Ninth"},
    {{0, 2, 3, 7, 10}, {"m7(9) / ", "min7(9)"}, " Minor Seventh Ninth"},
    {{0, 2, 3, 7, 11}, {"mM7(9) / ", "min maj7(9)"}, " Minor Major Seventh Ninth"},
}};

std::optional<ChordMatch> matchChord(std::span<const int> keys) {
  if (keys.empty() || keys.front() < 1 || keys.back() > kKeyCount) return std::nullopt;
  const int lowest = keys.front();
  const auto isShape = [&](const ChordPattern& pattern) {
    return std::ranges::equal(pattern.offsets, keys, {},
                              [lowest](int offset) { return lowest + offset; });
  };
  const auto found = std::ranges::find_if(chordPatterns, isShape);
  if (found == chordPatterns.end()) return std::nullopt;

  const std::string_view root = noteName(lowest);
  ChordMatch match;
  for (const std::string_view part : found->symbolParts) {
    match.symbol += root;
    match.symbol += part;
  }
  match.name = std::string(root) + std::string(found->nameSuffix);
  return match;
}

}  // namespace tonalis::theory
