// SPDX-License-Identifier: GPL-3.0-or-later
// The chord types the chord reader knows: notes above the root, symbol, aliases and long name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bounded_list.h"
#include "chord_intervals.h"

namespace tonalis::theory {

inline constexpr int kChordTypeCount = 73;

// One chord type. `intervals` are the semitones of its notes above the root, ascending, with
// extensions written above the octave (a ninth is 14, a ♭6 beside a fifth is the ♭13, 20).
// `omittable` lists the notes a player may leave out while the chord keeps its name: the fifth,
// ninth and eleventh of big chords, the third of a few sevenths ("G7(no3)") and the root of the
// dominant chords played rootless. `symbol` follows the root name ("m7♭5"); `aliases` are other
// spellings musicians write for the same chord; `overForeignBass` marks the triads that may
// also be read over a bass note that is not theirs ("C/D").
struct ChordType {
  std::string_view symbol;
  std::string_view name;
  Intervals intervals;
  BoundedList<int, 3> omittable;
  BoundedList<std::string_view, 4> aliases;
  bool overForeignBass = false;
};

// The chord types, the most common first: this order breaks ties when readings are ranked.
extern const std::array<ChordType, kChordTypeCount> chordTypes;

constexpr bool holdsInterval(const ChordType& type, int semitones) {
  return (pitchClassesOf(type.intervals) & 1u << pitchClassOf(semitones)) != 0;
}

// A chord type is read as minor, for spelling, when it has a minor third and no major third.
constexpr bool isMinorType(const ChordType& type) {
  return holdsInterval(type, 3) && !holdsInterval(type, 4);
}

// A chord built of thirds above its root: a third, and below the octave only a fifth (perfect,
// diminished or augmented) and a seventh (a diminished seventh too); above a seventh, ninths,
// elevenths and thirteenths. Not so a suspended chord or one with an added note (C6, Cadd9).
constexpr bool stacksInThirds(const ChordType& type) {
  if (!holdsInterval(type, 3) && !holdsInterval(type, 4)) return false;
  const bool diminishedSeventh = holdsInterval(type, 6) && !holdsInterval(type, 7);
  const bool seventh = holdsInterval(type, 10) || holdsInterval(type, 11) || diminishedSeventh;
  for (const int interval : type.intervals) {
    const bool added = interval == 2 || interval == 5 || (interval == 9 && !diminishedSeventh) ||
                       (interval > 12 && !seventh);
    if (added) return false;
  }
  return true;
}

}  // namespace tonalis::theory
