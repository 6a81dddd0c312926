// SPDX-License-Identifier: GPL-3.0-or-later
#include "roman_numeral.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "chord_intervals.h"
#include "line_of_fifths.h"

namespace tonalis::theory {

namespace {

// The degree of each pitch class above the tonic, C first: in a major key and a minor key.
constexpr std::array<std::string_view, kOctave> kMajorDegrees{
    "I", "♭II", "II", "♭III", "III", "IV", "♯IV", "V", "♭VI", "VI", "♭VII", "VII"};
constexpr std::array<std::string_view, kOctave> kMinorDegrees{
    "I", "♭II", "II", "III", "♯III", "IV", "♯IV", "V", "VI", "♯VI", "VII", "VII"};

// The degrees that carry a major or minor triad in each mode: what an applied chord may aim at.
constexpr std::array<int, 5> kMajorTargets{2, 4, 5, 7, 9};
constexpr std::array<int, 5> kMinorTargets{3, 5, 7, 8, 10};

// Row: the types read as they stand, by their quality mark after the degree.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kPlainTypes{{
    {"", ""},
    {"m", ""},
    {"dim", "o"},
    {"+", "+"},
    {"7", ""},
    {"m7", ""},
    {"maj7", "maj"},
    {"m7♭5", "ø"},
    {"dim7", "o"},
    {"mMaj7", "maj"},
}};

bool isSeventhChord(const ChordType& type) {
  return holdsInterval(type, 10) || holdsInterval(type, 11) ||
         (holdsInterval(type, 9) && holdsInterval(type, 6) && !holdsInterval(type, 7));
}

// Which note of the chord is in the bass: 0 root, 1 third, 2 fifth, 3 seventh, -1 another.
int inversionOf(const ChordReading& reading) {
  const ChordType& type = *reading.type;
  const int bass = intervalAbove(reading.bass, reading.root);
  if (reading.omitted & 1u << bass) return -1;
  if (!holdsInterval(type, bass)) return -1;
  if (bass == 0) return 0;
  if (bass == 3 || bass == 4 || (bass == 2 && !holdsInterval(type, 3) && !holdsInterval(type, 4)) ||
      (bass == 5 && !holdsInterval(type, 3) && !holdsInterval(type, 4)))
    return 1;
  if (bass >= 6 && bass <= 8) return 2;
  if (bass == 10 || bass == 11 || (bass == 9 && isSeventhChord(type) && !holdsInterval(type, 10)))
    return 3;
  return -1;
}

std::string figureOf(const ChordType& type, int inversion) {
  constexpr std::array<std::string_view, 3> kTriad{"", "6", "6/4"};
  constexpr std::array<std::string_view, 4> kSeventh{"7", "6/5", "4/3", "2"};
  if (inversion < 0) return {};
  if (isSeventhChord(type)) return std::string(kSeventh[static_cast<std::size_t>(inversion)]);
  if (inversion > 2) return {};
  return std::string(kTriad[static_cast<std::size_t>(inversion)]);
}

std::string degreeText(std::string_view degree, bool small) {
  std::string text(degree);
  if (small) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

// The numeral of `root`'s chord, without the key's name: degree, quality mark and figure.
std::string numeralOn(std::string_view degree, const ChordReading& reading, int inversion) {
  const ChordType& type = *reading.type;
  std::string text = degreeText(degree, isMinorType(type));
  const auto plain = std::ranges::find(kPlainTypes, type.symbol,
                                       &std::pair<std::string_view, std::string_view>::first);
  if (plain != kPlainTypes.end())
    return text + std::string(plain->second) + figureOf(type, inversion);
  return text + "(" + std::string(type.symbol) + ")" +
         (inversion > 0 ? figureOf(type, inversion) : "");
}

bool soundsInKey(const ChordReading& reading, const MusicalKey& key) {
  const PitchClassSet notes = pitchClassesOf(reading.type->intervals) & ~reading.omitted;
  for (int step = 0; step < kOctave; ++step) {
    if ((notes & 1u << step) && !inScale(key, reading.root + step)) return false;
  }
  return true;
}

std::string_view degreeOf(const MusicalKey& key, int pitchClass, bool small) {
  const int step = intervalAbove(pitchClass, key.tonic());
  if (key.minor && step == 11 && !small) return "♯VII";
  if (key.minor && step == 10 && small) return "♭VII";
  return (key.minor ? kMinorDegrees : kMajorDegrees)[static_cast<std::size_t>(step)];
}

}  // namespace

namespace {

// The degree of a spelled root: its letter counted from the tonic's, with the accidentals that
// part it from the key's own note on that letter (in minor, the natural minor's; its raised
// seventh under a small numeral is the plain "vii" of the leading-note chord).
std::string degreeOfSpelled(const MusicalKey& key, int rootFifths, bool small) {
  constexpr std::array<std::string_view, 7> kNumerals{"I", "II", "III", "IV", "V", "VI", "VII"};
  constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
  constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
  const auto degree = static_cast<std::size_t>(
      (letterOfFifths(rootFifths) - letterOfFifths(key.tonicFifths) + 7) % 7);
  int accidentals =
      (pitchClassOfFifths(rootFifths) - key.tonic() - (key.minor ? kMinor : kMajor)[degree] + 18) %
          12 -
      6;
  if (key.minor && degree == 6 && small) --accidentals;
  return accidentalSigns(accidentals) + std::string(kNumerals[degree]);
}

}  // namespace

RomanNumeral romanNumeral(const ChordReading& reading, const MusicalKey& key,
                          std::optional<int> spelledRoot) {
  const ChordType& type = *reading.type;
  const int inversion = inversionOf(reading);
  const bool small = isMinorType(type);
  if (!soundsInKey(reading, key)) {
    // An applied dominant (a major third, and a minor seventh if any) or leading-note chord.
    const bool dominant = holdsInterval(type, 4) && !holdsInterval(type, 8) &&
                          !holdsInterval(type, 11) &&
                          (holdsInterval(type, 10) || type.symbol.empty());
    const bool leading =
        holdsInterval(type, 3) && holdsInterval(type, 6) && !holdsInterval(type, 7);
    if (dominant || leading) {
      const int target = intervalAbove(reading.root + (dominant ? 5 : 1), key.tonic());
      const auto& targets = key.minor ? kMinorTargets : kMajorTargets;
      if (std::ranges::find(targets, target) != targets.end()) {
        const bool targetSmall =
            key.minor ? (target == 5) : (target == 2 || target == 4 || target == 9);
        return {numeralOn(dominant ? "V" : "VII", reading, inversion) + "/" +
                    degreeText((key.minor ? kMinorDegrees
                                          : kMajorDegrees)[static_cast<std::size_t>(target)],
                               targetSmall),
                inversion};
      }
    }
  }
  const std::string degree = spelledRoot ? degreeOfSpelled(key, *spelledRoot, small)
                                         : std::string(degreeOf(key, reading.root, small));
  return {numeralOn(degree, reading, inversion), inversion};
}

}  // namespace tonalis::theory
