// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_reader.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <utility>

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

// What a chord type is to foreign notes: a chord taken as it stands (a major or minor triad, a
// dominant, minor, major, half-diminished or diminished seventh), the diminished triad, which
// stands over its root or third, or neither. Foreign notes are heard against the first two.
enum class Footing : std::uint8_t { None, Diminished, Stable };

const std::array<Footing, kChordTypeCount>& footings() {
  static const std::array<Footing, kChordTypeCount> table = [] {
    constexpr std::array<std::string_view, 7> kStable{"", "m", "7", "m7", "maj7", "m7♭5", "dim7"};
    std::array<Footing, kChordTypeCount> footing{};
    for (std::size_t t = 0; t < chordTypes.size(); ++t) {
      const std::string_view symbol = chordTypes[t].symbol;
      footing[t] = std::ranges::find(kStable, symbol) != kStable.end() ? Footing::Stable
                   : symbol == "dim"                                   ? Footing::Diminished
                                                                       : Footing::None;
    }
    return footing;
  }();
  return table;
}

Footing footingOf(const ChordType& type) {
  return footings()[static_cast<std::size_t>(&type - chordTypes.data())];
}

// A reading of a stable chord, whole, over one of its notes, or of a diminished triad with its
// root or third in the bass (viio, viio6). Anything else (a diminished triad over its fifth, an
// augmented triad, a shell, an added or suspended note, a foreign bass, an incomplete chord) may
// as well be a chord with a foreign note.
bool isSettled(const ChordReading& reading) {
  const ChordType& type = *reading.type;
  const int bass = (reading.bass - reading.root + kOctave) % kOctave;
  if (reading.omitted != 0 || !holdsInterval(type, bass)) return false;
  const Footing footing = footingOf(type);
  return footing == Footing::Stable || (footing == Footing::Diminished && bass <= 3);
}

// The degree 0..6 of each pitch class in the major and harmonic minor scales on every tonic,
// -1 where the scale lacks it.
using ScaleDegrees = std::array<std::int8_t, kOctave>;
constexpr std::array<ScaleDegrees, 2 * kOctave> kScales = [] {
  std::array<ScaleDegrees, 2 * kOctave> scales{};
  constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
  constexpr std::array<int, 7> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};
  for (std::size_t tonic = 0; tonic < kOctave; ++tonic) {
    scales[tonic].fill(-1);
    scales[kOctave + tonic].fill(-1);
    for (std::size_t degree = 0; degree < 7; ++degree) {
      const auto step = static_cast<std::int8_t>(degree);
      scales[tonic][(tonic + static_cast<std::size_t>(kMajor[degree])) % kOctave] = step;
      scales[kOctave + tonic]
            [(tonic + static_cast<std::size_t>(kHarmonicMinor[degree])) % kOctave] = step;
    }
  }
  return scales;
}();

// Whether a scale holds the chord on every other degree from its root (a triad or seventh of
// the scale) and the foreign note on a degree of its own, next to the one it stands for.
bool heardInOneScale(const ChordType& type, int root, int foreign, std::optional<int> standsFor) {
  const auto at = [](int pitchClass) { return static_cast<std::size_t>(pitchClass % kOctave); };
  return std::ranges::any_of(kScales, [&](const ScaleDegrees& degrees) {
    const int rootDegree = degrees[at(root)];
    if (rootDegree < 0 || degrees[at(foreign)] < 0) return false;
    for (std::size_t i = 1; i < type.intervals.size(); ++i) {
      if (degrees[at(root + type.intervals[i])] != (rootDegree + 2 * static_cast<int>(i)) % 7)
        return false;
    }
    if (!standsFor) return true;
    const int apart = (degrees[at(foreign)] - degrees[at(*standsFor)] + 7) % 7;
    return apart == 1 || apart == 6;
  });
}

// One way a set of pitch classes is a triad or seventh with one foreign note.
struct ForeignExplanation {
  std::uint8_t type;
  std::uint8_t root;
  std::int8_t foreign;
  std::int8_t standsFor;  // -1 when the foreign note sounds beside the whole chord
};

using ForeignIndex = std::array<std::vector<ForeignExplanation>, kPitchClassSets>;

// For every set of three to five pitch classes, the triads and sevenths that hear one of its
// notes as foreign: beside the whole chord, or in place of a chord note one or two semitones
// below it or a semitone above it, which then is not played.
ForeignIndex buildForeignIndex() {
  ForeignIndex index;
  for (unsigned set = 0; set < kPitchClassSets; ++set) {
    if (std::popcount(set) < 3 || std::popcount(set) > 5) continue;
    const auto add = [&](unsigned chord, int foreign, int standsFor) {
      for (const Explanation& e : explanations()[chord]) {
        const ChordType& type = chordTypes[e.type];
        if (e.omitted != 0 || footingOf(type) == Footing::None) continue;
        const auto stands = standsFor < 0 ? std::nullopt : std::optional(standsFor);
        if (!heardInOneScale(type, e.root, foreign, stands)) continue;
        index[set].push_back({e.type, e.root, static_cast<std::int8_t>(foreign),
                              static_cast<std::int8_t>(standsFor)});
      }
    };
    for (int foreign = 0; foreign < kOctave; ++foreign) {
      if (!(set & 1u << foreign)) continue;
      const unsigned others = set & ~(1u << foreign);
      add(others, foreign, -1);
      for (const int step : {1, 2, -1}) {
        const int note = (foreign - step + kOctave) % kOctave;
        if (!(set & 1u << note)) add(others | 1u << note, foreign, note);
      }
    }
  }
  return index;
}

// The readings of `set` over `bass` with a foreign note. A foreign note in the bass stands for
// a chord note, never beside the chord: a chord over a bass of another chord is a slash chord.
void addForeignReadings(PitchClassSet set, int bass, std::vector<ChordReading>& readings) {
  static const ForeignIndex index = buildForeignIndex();
  for (const ForeignExplanation& e : index[set]) {
    const std::optional<int> standsFor =
        e.standsFor < 0 ? std::nullopt : std::optional<int>(e.standsFor);
    if (e.foreign == bass && !standsFor) continue;
    readings.push_back({&chordTypes[e.type], e.root, e.foreign == bass ? *standsFor : bass, 0, 0,
                        e.foreign, standsFor});
  }
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
      readings.push_back({&type, e.root, bass, e.omitted, 0, {}, {}});
    }
  };
  add(set, false);
  // A triad over a bass of its own: the bass is then the one note the triad does not hold.
  if (pitchClassCount == 4) add(static_cast<PitchClassSet>(set & ~(1u << bass)), true);
  if (pitchClassCount >= 3 && std::ranges::none_of(readings, isSettled))
    addForeignReadings(set, bass, readings);
  // Each reading's rank computed once, not at every comparison.
  std::vector<std::pair<ReadingRank, ChordReading>> ranked;
  ranked.reserve(readings.size());
  for (const ChordReading& r : readings) ranked.emplace_back(rankOf(r, options), r);
  std::ranges::stable_sort(ranked, {}, &std::pair<ReadingRank, ChordReading>::first);
  for (std::size_t i = 0; i < ranked.size(); ++i) readings[i] = ranked[i].second;

  if (pitchClassCount <= 2)
    readings.push_back({nullptr, bass, bass, 0, intervalOf(pitches), {}, {}});
  return readings;
}

std::vector<ChordReading> readSelection(const Selection& selection, const ReadingOptions& options) {
  std::vector<int> pitches;
  for (const int key : selection.ascending()) pitches.push_back(key - 1);
  return readChord(pitches, options);
}

}  // namespace tonalis::theory
