// SPDX-License-Identifier: GPL-3.0-or-later
#include "pitch_spelling.h"

#include <array>

#include "chord_intervals.h"

namespace tonalis::theory {

namespace {

constexpr std::string_view kFlat = "♭";
constexpr std::string_view kSharp = "♯";

// Spellings of pitch classes 0..11, C first.
constexpr std::array<std::string_view, 12> kMajorRoots{"C",  "D♭", "D",  "E♭", "E",  "F",
                                                       "F♯", "G",  "A♭", "A",  "B♭", "B"};
constexpr std::array<std::string_view, 12> kMinorRoots{"C",  "C♯", "D",  "E♭", "E",  "F",
                                                       "F♯", "G",  "G♯", "A",  "B♭", "B"};
constexpr std::array<std::string_view, 12> kFlatNames{"C",  "D♭", "D",  "E♭", "E",  "F",
                                                      "G♭", "G",  "A♭", "A",  "B♭", "B"};
constexpr std::array<std::string_view, 12> kSharpNames{"C",  "C♯", "D",  "D♯", "E",  "F",
                                                       "F♯", "G",  "G♯", "A",  "A♯", "B"};

// Whether the key of a root without accidental has sharps: as a major key G D A E B do, C and F
// not; as a minor key E B do, and A by its leading note G♯, while C D F G have flats.
bool naturalKeyTakesSharps(char letter, bool minorType) {
  if (minorType) return letter == 'A' || letter == 'E' || letter == 'B';
  return letter == 'G' || letter == 'D' || letter == 'A' || letter == 'E' || letter == 'B';
}

}  // namespace

std::string_view rootSpelling(int pitchClass, bool minorType) {
  return (minorType ? kMinorRoots
                    : kMajorRoots)[static_cast<std::size_t>(pitchClassOf(pitchClass))];
}

std::string_view noteSpelling(int pitchClass, int rootPitchClass, bool minorType) {
  const std::string_view root = rootSpelling(rootPitchClass, minorType);
  const bool sharps = root.ends_with(kSharp) ||
                      (!root.ends_with(kFlat) && naturalKeyTakesSharps(root.front(), minorType));
  return (sharps ? kSharpNames : kFlatNames)[static_cast<std::size_t>(pitchClassOf(pitchClass))];
}

std::string plainText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at).starts_with(kFlat)) {
      plain += 'b';
      at += kFlat.size();
    } else if (text.substr(at).starts_with(kSharp)) {
      plain += '#';
      at += kSharp.size();
    } else {
      plain += text[at++];
    }
  }
  return plain;
}

}  // namespace tonalis::theory
