// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of chords as intervals above their root, and the arithmetic of pitch classes,
// stated once: the chart catalogue, the recognition table and the reader's dictionary keep
// their own symbols and captions, and take the notes of the chords they share from here.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "bounded_list.h"
#include "keyboard.h"

namespace tonalis::theory {

// Semitones above the root, ascending, with extensions written above the octave as musicians
// count them (a ninth is 14, a ♭13 is 20).
using Intervals = BoundedList<int, 7>;

// A set of pitch classes as a 12-bit mask: bit n is the pitch class n semitones above C
// (or above a chord's root, for the notes of a chord type).
using PitchClassSet = std::uint16_t;

// The pitch class 0..11 of a semitone number on which every multiple of 12 is a C (MIDI note
// numbers, or semitones above a root); the interval from one pitch class up to another is the
// pitch class of their difference.
constexpr int pitchClassOf(int semitones) {
  return (semitones % kOctave + kOctave) % kOctave;
}

// Semitones 0..11 from the pitch class `root` up to `pitchClass`.
constexpr int intervalAbove(int pitchClass, int root) {
  return pitchClassOf(pitchClass - root);
}

// Pitch classes of `intervals` folded into one octave above the root.
constexpr PitchClassSet pitchClassesOf(const Intervals& intervals) {
  PitchClassSet set = 0;
  for (const int interval : intervals) {
    set = static_cast<PitchClassSet>(set | 1u << pitchClassOf(interval));
  }
  return set;
}

// The pitch classes of `set` moved up by `semitones` (0..11).
constexpr PitchClassSet transposed(PitchClassSet set, int semitones) {
  const unsigned moved = static_cast<unsigned>(set) << semitones;
  return static_cast<PitchClassSet>((moved | moved >> kOctave) & 0xFFF);
}

// The same notes within one octave, ascending: how the chart and the recognition table hold
// their chords. A chord with more notes than `Capacity` does not compile.
template <std::size_t Capacity>
consteval BoundedList<int, Capacity> closed(const Intervals& intervals) {
  std::array<int, Capacity> notes{};
  std::size_t count = 0;
  for (const int interval : intervals) notes.at(count++) = pitchClassOf(interval);
  std::sort(notes.begin(), notes.begin() + static_cast<std::ptrdiff_t>(count));
  return BoundedList<int, Capacity>(notes, count);
}

// The chords the chart, the recognition table and the reader share.
namespace chord {
inline constexpr Intervals kMajor{0, 4, 7};
inline constexpr Intervals kMinor{0, 3, 7};
inline constexpr Intervals kDiminished{0, 3, 6};
inline constexpr Intervals kAugmented{0, 4, 8};
inline constexpr Intervals kSuspendedSecond{0, 2, 7};
inline constexpr Intervals kSuspendedFourth{0, 5, 7};
inline constexpr Intervals kMajorFlatFifth{0, 4, 6};
inline constexpr Intervals kSixth{0, 4, 7, 9};
inline constexpr Intervals kMinorSixth{0, 3, 7, 9};
inline constexpr Intervals kSeventh{0, 4, 7, 10};
inline constexpr Intervals kMinorSeventh{0, 3, 7, 10};
inline constexpr Intervals kMajorSeventh{0, 4, 7, 11};
inline constexpr Intervals kMinorMajorSeventh{0, 3, 7, 11};
inline constexpr Intervals kHalfDiminishedSeventh{0, 3, 6, 10};
inline constexpr Intervals kDiminishedSeventh{0, 3, 6, 9};
inline constexpr Intervals kAugmentedSeventh{0, 4, 8, 10};
inline constexpr Intervals kAugmentedMajorSeventh{0, 4, 8, 11};
inline constexpr Intervals kSeventhFlatFifth{0, 4, 6, 10};
inline constexpr Intervals kMajorSeventhFlatFifth{0, 4, 6, 11};
inline constexpr Intervals kMinorMajorSeventhFlatFifth{0, 3, 6, 11};
inline constexpr Intervals kSeventhSuspendedFourth{0, 5, 7, 10};
inline constexpr Intervals kAddedNinth{0, 4, 7, 14};
inline constexpr Intervals kMinorAddedNinth{0, 3, 7, 14};
inline constexpr Intervals kSixthAddedNinth{0, 4, 7, 9, 14};
inline constexpr Intervals kNinth{0, 4, 7, 10, 14};
inline constexpr Intervals kMajorNinth{0, 4, 7, 11, 14};
inline constexpr Intervals kMinorNinth{0, 3, 7, 10, 14};
inline constexpr Intervals kMinorMajorNinth{0, 3, 7, 11, 14};
inline constexpr Intervals kSeventhFlatNinth{0, 4, 7, 10, 13};
inline constexpr Intervals kSeventhSharpNinth{0, 4, 7, 10, 15};
inline constexpr Intervals kSeventhFlatThirteenth{0, 4, 7, 10, 20};
inline constexpr Intervals kSeventhAddedThirteenth{0, 4, 7, 10, 21};
}  // namespace chord

}  // namespace tonalis::theory
