// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_patterns.h"

#include <algorithm>

#include "chord_intervals.h"
#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

// Row: the chord's notes within the octave, as semitones above the lowest key, {symbol parts,
// each written after the root name}, name suffix written after the root name.
constexpr std::array<ChordPattern, kChordPatternCount> chordPatterns{{
    {closed<kMaxChordNotes>(chord::kMajor), {""}, " Major"},
    {closed<kMaxChordNotes>(chord::kSuspendedSecond), {"sus2"}, " Suspended Second"},
    {closed<kMaxChordNotes>(chord::kSuspendedFourth), {"sus4"}, " Suspended Fourth"},
    {closed<kMaxChordNotes>(chord::kDiminished), {"o / ", "dim"}, " Diminished"},
    {closed<kMaxChordNotes>(chord::kAugmented), {"+ / ", "aug"}, " Augmented"},
    {closed<kMaxChordNotes>(chord::kMajorFlatFifth), {"(b5)"}, " Flatted Fifth"},
    {closed<kMaxChordNotes>(chord::kMinor), {"m / ", "min"}, " Minor"},
    {closed<kMaxChordNotes>(chord::kDiminishedSeventh),
     {"o7 / ", "dim7"},
     " Diminished seventh chord"},
    {closed<kMaxChordNotes>(chord::kAugmentedSeventh),
     {"+7 / ", "aug7"},
     " Augmented seventh chord"},
    {closed<kMaxChordNotes>(chord::kAugmentedMajorSeventh),
     {"+M7 / ", "augM7"},
     " Major seventh augmented"},
    {closed<kMaxChordNotes>(chord::kSixth), {"6"}, " Sixth"},
    {closed<kMaxChordNotes>(chord::kSeventh), {"7"}, " Seventh"},
    {closed<kMaxChordNotes>(chord::kSeventhSuspendedFourth),
     {"7sus4"},
     " Seventh Suspended Fourth"},
    {closed<kMaxChordNotes>(chord::kSeventhFlatFifth), {"7(b5)"}, " Seventh Flatted Fifth"},
    {closed<kMaxChordNotes>(chord::kMajorSeventh), {"M7 / ", "maj7"}, " Major Seventh"},
    {closed<kMaxChordNotes>(chord::kMajorSeventhFlatFifth),
     {"M7(b5) / ", "maj7(b5)"},
     " Major Seventh Flatted Fifth"},
    {closed<kMaxChordNotes>(chord::kAddedNinth), {"9"}, " Add Ninth"},
    {closed<kMaxChordNotes>(chord::kMinorSixth), {"m6 / ", "min6"}, " Minor Sixth"},
    {closed<kMaxChordNotes>(chord::kMinorSeventh), {"m7 / ", "min7"}, " Minor Seventh"},
    {closed<kMaxChordNotes>(chord::kHalfDiminishedSeventh),
     {"m7(b5) / ", "O7 / ", "min7(b5)"},
     " Minor Seventh Flatted Fifth / Half Diminished"},
    {closed<kMaxChordNotes>(chord::kMinorMajorSeventh),
     {"mM7 / ", "min maj7"},
     " Minor Major Seventh"},
    {closed<kMaxChordNotes>(chord::kMinorMajorSeventhFlatFifth),
     {"mM7(b5) / ", "min maj7(b5)"},
     " Minor Major Seventh Flatted Fifth"},
    {closed<kMaxChordNotes>(chord::kMinorAddedNinth), {"m9 / ", "min(9)"}, " Minor Add Ninth"},
    {closed<kMaxChordNotes>(chord::kSixthAddedNinth), {"6(9) / "}, " Sixth Ninth"},
    {closed<kMaxChordNotes>(chord::kSeventhFlatNinth), {"7(b9) / "}, " Seventh Flatted Ninth"},
    {closed<kMaxChordNotes>(chord::kNinth), {"7(9) / "}, " Seventh Ninth"},
    {closed<kMaxChordNotes>(chord::kSeventhSharpNinth), {"7(#9) / "}, " Seventh Sharpened Ninth"},
    {closed<kMaxChordNotes>(chord::kSeventhAddedThirteenth),
     {"7(13) / "},
     " Seventh Add Thirteenth"},
    {closed<kMaxChordNotes>(chord::kSeventhFlatThirteenth),
     {"7(b13) / "},
     " Seventh Add Flatted Thirteenth"},
    {closed<kMaxChordNotes>(chord::kMajorNinth), {"M7(9) / ", "maj7(9)"}, " Major Seventh Ninth"},
    {closed<kMaxChordNotes>(chord::kMinorNinth), {"m7(9) / ", "min7(9)"}, " Minor Seventh Ninth"},
    {closed<kMaxChordNotes>(chord::kMinorMajorNinth),
     {"mM7(9) / ", "min maj7(9)"},
     " Minor Major Seventh Ninth"},
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
