// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_ranking.h"

#include <algorithm>
#include <bit>

#include "chord_reader.h"

namespace tonalis::theory {

namespace {

constexpr PitchClassSet kRoot = 1u << 0;
constexpr PitchClassSet kThirds = 1u << 3 | 1u << 4;
constexpr int kEleventh = 17;
constexpr int kForeignBass = 4;  // after every place a chord's own note can take

// Whether every note of the type could as well be its root.
bool isSymmetric(const ChordType& type) {
  const PitchClassSet set = pitchClassesOf(type.intervals);
  for (int turn = 1; turn < kOctave; ++turn) {
    if (transposed(set, turn) == set) return true;
  }
  return false;
}

// Rule 5 for chords without inversions: how well the root fits the key, else whether it is
// the bass.
int symmetricPlace(const ChordReading& reading, const std::optional<MusicalKey>& key) {
  if (!key) return reading.root == reading.bass ? 0 : 1;
  if (!holdsInterval(*reading.type, 6)) return inScale(*key, reading.root) ? 0 : 1;
  const int resolution = (reading.root + 1) % kOctave;
  if (resolution == key->tonic()) return 0;
  if (resolution == (key->tonic() + 7) % kOctave) return 1;
  return inScale(*key, resolution) ? 2 : 3;
}

// Rule 3: the bass is a ninth, eleventh or thirteenth of the chord.
bool extensionInBass(const ChordReading& reading) {
  const int bass = intervalAbove(reading.bass, reading.root);
  return std::ranges::any_of(reading.type->intervals, [&](int interval) {
    return interval > kOctave && interval % kOctave == bass;
  });
}

}  // namespace

PitchClassSet countedOmissions(const ChordReading& reading) {
  const ChordType& type = *reading.type;
  const bool habitualEleventh =
      holdsInterval(type, 4) &&
      std::ranges::find(type.omittable, kEleventh) != type.omittable.end();
  return habitualEleventh
             ? static_cast<PitchClassSet>(reading.omitted & ~(1u << kEleventh % kOctave))
             : reading.omitted;
}

ReadingRank rankOf(const ChordReading& reading, const ReadingOptions& options) {
  const ChordType& type = *reading.type;
  const PitchClassSet omitted = countedOmissions(reading);
  const bool analysis = options.style == ReadingStyle::Analysis;
  const bool stacked = stacksInThirds(type);
  // Analysts hear a suspension or an added note over the bass, never an inversion of one.
  const bool invertedAddition = analysis && !stacked && reading.bass != reading.root;
  const int severity = (omitted & kRoot)                  ? 3
                       : (omitted & kThirds)              ? 2
                       : omitted != 0 || invertedAddition ? 1
                                                          : 0;
  const int thirds = analysis && !stacked ? 1 : 0;
  const int omissions = std::popcount(omitted);
  const int awkward = omissions >= 2 && extensionInBass(reading) ? 1 : 0;
  const PitchClassSet sounding =
      static_cast<PitchClassSet>(pitchClassesOf(type.intervals) & ~reading.omitted);
  const bool bassInChord = (sounding & 1u << intervalAbove(reading.bass, reading.root)) != 0;
  const int bassPlace = !bassInChord                   ? kForeignBass
                        : isSymmetric(type)            ? symmetricPlace(reading, options.key)
                        : reading.bass == reading.root ? 0
                                                       : 1;
  return {reading.foreign.has_value(),
          severity,
          thirds,
          awkward,
          omissions,
          bassPlace,
          reading.type - chordTypes.data(),
          intervalAbove(reading.root, reading.bass)};
}

}  // namespace tonalis::theory
