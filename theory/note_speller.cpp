// SPDX-License-Identifier: GPL-3.0-or-later
#include "note_speller.h"

#include <algorithm>
#include <climits>

#include "chord_intervals.h"
#include "line_of_fifths.h"
#include "pitch_spelling.h"

namespace tonalis::theory {

namespace {

// Letters above the root of a note written `interval` semitones above it in a chord type.
std::optional<int> letterStep(const ChordType& type, int interval) {
  switch (interval) {
    case 0:
      return 0;
    case 2:
    case 13:
    case 14:
    case 15:
      return 1;
    case 3:
    case 4:
      return 2;
    case 5:
    case 17:
    case 18:
      return 3;
    case 6:
    case 7:
    case 8:
      return 4;
    case 9:  // the sixth, or the diminished seventh beside a diminished fifth
      return holdsInterval(type, 6) && !holdsInterval(type, 7) ? 6 : 5;
    case 20:
    case 21:
      return 5;
    case 10:
    case 11:
      return 6;
    default:
      return std::nullopt;
  }
}

// How many sharps or flats a spelled note carries.
int accidentalsOf(int fifths) {
  return fifths >= 6 ? (fifths + 1) / 7 : fifths <= -2 ? (-fifths + 5) / 7 : 0;
}

int fifthsOfSpelling(std::string_view name) {
  return fifthsOfName(name).value_or(0);
}

}  // namespace

std::optional<int> spellingAboveRoot(const ChordType& type, int rootFifths, int pitchClass) {
  const int semitones = intervalAbove(pitchClass, pitchClassOfFifths(rootFifths));
  for (const int interval : type.intervals) {
    if (pitchClassOf(interval) != semitones) continue;
    const std::optional<int> step = letterStep(type, interval);
    if (step) return fifthsOfLetter(letterOfFifths(rootFifths) + *step, pitchClass);
  }
  return std::nullopt;
}

NoteSpeller::GivenNames givenNames(std::span<const int> pitches,
                                   std::span<const std::optional<int>> spellings) {
  NoteSpeller::GivenNames given{};
  std::array<int, kOctave> lowest{};
  for (std::size_t i = 0; i < pitches.size() && i < spellings.size(); ++i) {
    if (!spellings[i]) continue;
    const auto pitchClass = static_cast<std::size_t>(pitchClassOf(pitches[i]));
    if (!given[pitchClass] || pitches[i] < lowest[pitchClass]) {
      given[pitchClass] = spellings[i];
      lowest[pitchClass] = pitches[i];
    }
  }
  return given;
}

NoteSpeller::NoteSpeller(const GivenNames& given, std::optional<MusicalKey> key)
    : m_known(given), m_key(key) {}

NoteSpeller::Spelled NoteSpeller::spell(const ChordReading& reading) {
  Spelled spelled{spellRoot(reading), std::nullopt, std::nullopt, std::nullopt};
  m_known[static_cast<std::size_t>(reading.root)] = spelled.root;
  if (reading.bass != reading.root) {
    spelled.bass = spellBass(reading, spelled.root);
    m_known[static_cast<std::size_t>(reading.bass)] = spelled.bass;
  }
  if (reading.standsFor) {
    const auto at = static_cast<std::size_t>(*reading.standsFor);
    spelled.standsFor = m_known[at].value_or(
        spellingAboveRoot(*reading.type, spelled.root, *reading.standsFor).value_or(0));
    m_known[at] = spelled.standsFor;
  }
  if (reading.foreign) {
    spelled.foreign = spellForeign(reading, spelled.root, spelled.standsFor);
    m_known[static_cast<std::size_t>(*reading.foreign)] = spelled.foreign;
  }
  return spelled;
}

int NoteSpeller::spellRoot(const ChordReading& reading) const {
  if (const auto known = m_known[static_cast<std::size_t>(reading.root)]) return *known;
  const ChordType& type = *reading.type;
  if (!m_key) return fifthsOfSpelling(rootSpelling(reading.root, isMinorType(type)));
  // Of the names with one accidental at most, the one whose triad lies nearest the key.
  int best = spellingInKey(*m_key, reading.root);
  int bestScore = INT_MAX;
  for (int letter = 0; letter < 7; ++letter) {
    const std::optional<int> root = fifthsOfLetter(letter, reading.root);
    if (!root || *root < -8 || *root > 12) continue;  // more than one sharp or flat
    int score = distanceFromKey(*m_key, *root);
    for (const int member : {3, 4, 6, 7, 8}) {
      if (!holdsInterval(type, member) || (reading.omitted & 1u << member)) continue;
      const std::optional<int> note = spellingAboveRoot(type, *root, reading.root + member);
      if (note) score += distanceFromKey(*m_key, *note);
    }
    const bool nearer =
        score < bestScore ||
        (score == bestScore && distanceFromKey(*m_key, *root) < distanceFromKey(*m_key, best));
    if (nearer) {
      best = *root;
      bestScore = score;
    }
  }
  return best;
}

int NoteSpeller::spellBass(const ChordReading& reading, int root) const {
  if (const auto known = m_known[static_cast<std::size_t>(reading.bass)]) return *known;
  const ChordType& type = *reading.type;
  const int habit =
      m_key ? spellingInKey(*m_key, reading.bass)
            : fifthsOfSpelling(noteSpelling(reading.bass, reading.root, isMinorType(type)));
  // A note of the chord is named from the root (D7/F♯, Cm7/E♭) unless that takes more
  // accidentals than habit does (E+/C, not E+/B♯).
  const std::optional<int> member =
      (reading.omitted & 1u << intervalAbove(reading.bass, reading.root))
          ? std::nullopt
          : spellingAboveRoot(type, root, reading.bass);
  return member && accidentalsOf(*member) <= accidentalsOf(habit) ? *member : habit;
}

int NoteSpeller::spellForeign(const ChordReading& reading, int root,
                              std::optional<int> standsFor) const {
  const int foreign = *reading.foreign;
  if (const auto known = m_known[static_cast<std::size_t>(foreign)]) return *known;
  // The chord note it leans on: the one it stands for, else the one a step below or a
  // semitone above it.
  std::optional<int> neighbour = standsFor;
  for (const int step : {1, 2, -1}) {
    if (!neighbour) neighbour = spellingAboveRoot(*reading.type, root, foreign - step + kOctave);
  }
  if (neighbour) {
    // A step above the chord note is the next letter up, a semitone below the next one down.
    const bool above = (foreign - pitchClassOfFifths(*neighbour) + kOctave) % kOctave <= 2;
    const int letter = (letterOfFifths(*neighbour) + (above ? 1 : 6)) % 7;
    if (const auto spelled = fifthsOfLetter(letter, foreign)) return *spelled;
  }
  if (m_key) return spellingInKey(*m_key, foreign);
  return fifthsOfSpelling(noteSpelling(foreign, reading.root, isMinorType(*reading.type)));
}

}  // namespace tonalis::theory
