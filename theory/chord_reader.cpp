// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_reader.h"

#include <algorithm>
#include <bit>
#include <string_view>

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

// The pitch classes of `set` moved up by `semitones` (0..11).
PitchClassSet transposed(PitchClassSet set, int semitones) {
  const unsigned moved = static_cast<unsigned>(set) << semitones;
  return static_cast<PitchClassSet>((moved | moved >> 12) & 0xFFF);
}

int pitchClassOf(int pitch) {
  return ((pitch % kOctave) + kOctave) % kOctave;
}

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
        if (choice & 1u << i) omitted |= static_cast<PitchClassSet>(1u << type.omittable[i] % 12);
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

// A chord taken as it stands: a major or minor triad, or a dominant, minor, major,
// half-diminished or diminished seventh.
bool isStableChord(const ChordType& type) {
  constexpr std::array<std::string_view, 7> kSymbols{"", "m", "7", "m7", "maj7", "m7♭5", "dim7"};
  return std::ranges::find(kSymbols, type.symbol) != kSymbols.end();
}

// The chords a foreign note is heard against: those and the diminished triad.
bool isHarmonyChord(const ChordType& type) {
  return isStableChord(type) || type.symbol == "dim";
}

// A reading of a stable chord, whole, over one of its notes, or of a diminished triad with its
// root or third in the bass (viio, viio6). Anything else (a diminished triad over its fifth, an
// augmented triad, a shell, an added or suspended note, a foreign bass, an incomplete chord) may
// as well be a chord with a foreign note.
bool isSettled(const ChordReading& reading) {
  const ChordType& type = *reading.type;
  const int bass = (reading.bass - reading.root + kOctave) % kOctave;
  if (reading.omitted != 0 || !holdsInterval(type, bass)) return false;
  return isStableChord(type) || (type.symbol == "dim" && bass <= 3);
}

// The major and harmonic minor scales on every tonic, as their seven notes from the tonic up.
using Scale = std::array<int, 7>;
constexpr std::array<Scale, 2 * kOctave> kScales = [] {
  std::array<Scale, 2 * kOctave> scales{};
  constexpr Scale kMajor{0, 2, 4, 5, 7, 9, 11};
  constexpr Scale kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};
  for (std::size_t tonic = 0; tonic < kOctave; ++tonic) {
    for (std::size_t degree = 0; degree < 7; ++degree) {
      scales[tonic][degree] = static_cast<int>(tonic + kMajor[degree]) % kOctave;
      scales[kOctave + tonic][degree] = static_cast<int>(tonic + kHarmonicMinor[degree]) % kOctave;
    }
  }
  return scales;
}();

// The degree 0..6 of a pitch class in a scale, -1 when the scale lacks it.
int degreeIn(const Scale& scale, int pitchClass) {
  const auto at = std::ranges::find(scale, pitchClass);
  return at == scale.end() ? -1 : static_cast<int>(at - scale.begin());
}

// Whether a scale holds the chord on every other degree from its root (a triad or seventh of
// the scale) and the foreign note on a degree of its own, next to the one it stands for.
bool heardInOneScale(const ChordType& type, int root, int foreign, std::optional<int> standsFor) {
  return std::ranges::any_of(kScales, [&](const Scale& scale) {
    const int rootDegree = degreeIn(scale, root);
    const int foreignDegree = degreeIn(scale, foreign);
    if (rootDegree < 0 || foreignDegree < 0) return false;
    for (std::size_t i = 0; i < type.intervals.size(); ++i) {
      const int degree = degreeIn(scale, (root + type.intervals[i]) % kOctave);
      if (degree != (rootDegree + 2 * static_cast<int>(i)) % 7) return false;
    }
    if (!standsFor) return true;
    const int apart = (foreignDegree - degreeIn(scale, *standsFor) + 7) % 7;
    return apart == 1 || apart == 6;
  });
}

PitchClassSet bit(int pitchClass) {
  return static_cast<PitchClassSet>(1u << pitchClass);
}

// Readings of `set` that hear one of its notes as foreign to a triad or seventh of the others:
// beside the whole chord (not as its bass), or in place of a chord note one or two semitones
// below it or a semitone above it, which then is not played.
void addForeignReadings(PitchClassSet set, int bass, std::vector<ChordReading>& readings) {
  const auto add = [&](PitchClassSet chord, int foreign, std::optional<int> standsFor) {
    for (const Explanation& e : explanations()[chord]) {
      const ChordType& type = chordTypes[e.type];
      if (e.omitted != 0 || !isHarmonyChord(type) ||
          !heardInOneScale(type, e.root, foreign, standsFor))
        continue;
      const int chordBass = foreign == bass ? *standsFor : bass;
      readings.push_back({&type, e.root, chordBass, 0, 0, foreign, standsFor});
    }
  };
  for (int foreign = 0; foreign < kOctave; ++foreign) {
    if (!(set & bit(foreign))) continue;
    const auto others = static_cast<PitchClassSet>(set & ~bit(foreign));
    if (foreign != bass) add(others, foreign, std::nullopt);
    for (const int step : {1, 2, -1}) {
      const int note = (foreign - step + kOctave) % kOctave;
      if (!(set & bit(note))) add(static_cast<PitchClassSet>(others | bit(note)), foreign, note);
    }
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
  std::ranges::stable_sort(readings, {}, [&](const ChordReading& r) { return rankOf(r, options); });

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
