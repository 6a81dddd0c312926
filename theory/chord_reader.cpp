// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_reader.h"

#include <algorithm>
#include <bit>

#include "keyboard.h"

namespace tonalis::theory {

namespace {

constexpr int kPitchClassSets = 1 << 12;

// One way a set of pitch classes is a chord type on a root.
struct Explanation {
  std::uint8_t type;
  std::uint8_t root;
  PitchClassSet omitted;
};

// A rootless chord leaves out nothing else, and every chord keeps three notes at least.
bool isPlayable(PitchClassSet full, PitchClassSet omitted) {
  if ((omitted & 1u) != 0 && omitted != 1u) return false;
  return omitted == 0 || std::popcount(static_cast<unsigned>(full & ~omitted)) >= 3;
}

// Every chord type on every root, with each choice of omitted notes, filed under the pitch
// classes it sounds: reading a chord is one lookup.
using ExplanationIndex = std::array<std::vector<Explanation>, kPitchClassSets>;

ExplanationIndex buildIndex() {
  ExplanationIndex index;
  for (std::size_t t = 0; t < chordTypes.size(); ++t) {
    const ChordType& type = chordTypes[t];
    const PitchClassSet full = pitchClassesOf(type.intervals);
    const auto choices = 1u << type.omittable.size();
    for (unsigned choice = 0; choice < choices; ++choice) {
      PitchClassSet omitted = 0;
      for (std::size_t i = 0; i < type.omittable.size(); ++i) {
        if (choice & 1u << i)
          omitted |= static_cast<PitchClassSet>(1u << pitchClassOf(type.omittable[i]));
      }
      if (!isPlayable(full, omitted)) continue;
      for (int root = 0; root < kOctave; ++root) {
        index[transposed(full & ~omitted & 0xFFF, root)].push_back(
            {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(root), omitted});
      }
    }
  }
  return index;
}

const ExplanationIndex& explanations() {
  static const ExplanationIndex index = buildIndex();
  return index;
}

// The interval two notes span. Notes doubled in other octaves are named by the simple interval
// from the bass up to the other pitch class; one pitch class alone by its whole span.
int intervalOf(std::span<const int> pitches) {
  const auto [lowest, highest] = std::ranges::minmax(pitches);
  const bool twoNotes =
      std::ranges::none_of(pitches, [&](int p) { return p != lowest && p != highest; });
  const auto other =
      std::ranges::find_if(pitches, [&](int p) { return pitchClassOf(p) != pitchClassOf(lowest); });
  if (twoNotes || other == pitches.end()) return highest - lowest;
  return pitchClassOf(*other - lowest);
}

}  // namespace

std::vector<ChordReading> readChord(std::span<const int> pitches, const ReadingOptions& options) {
  std::vector<ChordReading> readings;
  if (pitches.size() < 2) return readings;
  const auto [lowest, highest] = std::ranges::minmax(pitches);
  PitchClassSet set = 0;
  for (const int pitch : pitches) set |= static_cast<PitchClassSet>(1u << pitchClassOf(pitch));
  const int bass = pitchClassOf(lowest);
  const int pitchClassCount = std::popcount(set);
  if (lowest == highest) return readings;

  const auto add = [&](PitchClassSet explained, bool foreignBass) {
    for (const Explanation& e : explanations()[explained]) {
      const ChordType& type = chordTypes[e.type];
      if (foreignBass && (!type.overForeignBass || e.omitted != 0)) continue;
      readings.push_back({&type, e.root, bass, e.omitted, 0});
    }
  };
  add(set, false);
  // A triad over a bass of its own: the bass is then the one note the triad does not hold.
  if (pitchClassCount == 4) add(static_cast<PitchClassSet>(set & ~(1u << bass)), true);
  std::ranges::stable_sort(readings, {}, [&](const ChordReading& r) { return rankOf(r, options); });

  if (pitchClassCount <= 2) readings.push_back({nullptr, bass, bass, 0, intervalOf(pitches)});
  return readings;
}

std::vector<ChordReading> readSelection(const Selection& selection, const ReadingOptions& options) {
  std::vector<int> pitches;
  for (const int key : selection.ascending()) pitches.push_back(key - 1);
  return readChord(pitches, options);
}

}  // namespace tonalis::theory
