// The chord types the chord reader knows: notes above the root, symbol and long name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bounded_list.h"

namespace tonalis::theory {

// A set of pitch classes as a 12-bit mask: bit n is the pitch class n semitones above C
// (or above a chord's root, for the notes of a chord type).
using PitchClassSet = std::uint16_t;

inline constexpr int kChordTypeCount = 49;

// One chord type. `intervals` are the semitones of its notes above the root, ascending, with
// extensions written above the octave (a ninth is 14). `omittable` lists those a player may
// leave out while the chord keeps its name; only eleventh and thirteenth chords have any.
// `symbol` follows the root name ("m7♭5"); `overForeignBass` marks the triads that may also be
// read over a bass note that is not theirs ("C/D").
struct ChordType {
  std::string_view symbol;
  std::string_view name;
  BoundedList<int, 7> intervals;
  BoundedList<int, 3> omittable;
  bool overForeignBass = false;
};

// The chord types, the most common first: this order breaks ties when readings are ranked.
extern const std::array<ChordType, kChordTypeCount> chordTypes;

// Pitch classes of `intervals` folded into one octave above the root.
constexpr PitchClassSet pitchClassesOf(const BoundedList<int, 7>& intervals) {
  PitchClassSet set = 0;
  for (const int interval : intervals) set = static_cast<PitchClassSet>(set | 1u << interval % 12);
  return set;
}

// A chord type is read as minor, for spelling, when it has a minor third and no major third.
constexpr bool isMinorType(const ChordType& type) {
  const PitchClassSet set = pitchClassesOf(type.intervals);
  return (set & 1u << 3) != 0 && (set & 1u << 4) == 0;
}

}  // namespace tonalis::theory
