// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_of_fifths.h"

#include <array>
#include <cctype>
#include <utility>

namespace tonalis::theory {

namespace {

constexpr int kLetters = 7;
// The letters as they follow each other on the line of fifths, F at place -1.
constexpr std::string_view kLettersByFifths = "FCGDAEB";
// For the letters C D E F G A B: their place without accidental, and their pitch class.
constexpr std::array<int, kLetters> kNaturalFifths{0, 2, 4, -1, 1, 3, 5};
constexpr std::array<int, kLetters> kNaturalPitchClass{0, 2, 4, 5, 7, 9, 11};

int floorDiv(int value, int by) {
  return value >= 0 ? value / by : -((-value + by - 1) / by);
}

int modulo(int value, int by) {
  return ((value % by) + by) % by;
}

}  // namespace

int pitchClassOfFifths(int fifths) {
  return modulo(fifths * 7, 12);
}

int letterOfFifths(int fifths) {
  const char letter = kLettersByFifths[static_cast<std::size_t>(modulo(fifths + 1, kLetters))];
  return modulo(letter - 'C', kLetters);
}

std::optional<int> fifthsOfLetter(int letter, int pitchClass) {
  const auto at = static_cast<std::size_t>(modulo(letter, kLetters));
  const int accidentals = modulo(pitchClass - kNaturalPitchClass[at] + 6, 12) - 6;
  if (accidentals < -2 || accidentals > 2) return std::nullopt;
  return kNaturalFifths[at] + kLetters * accidentals;
}

std::string nameOfFifths(int fifths) {
  std::string name(1, kLettersByFifths[static_cast<std::size_t>(modulo(fifths + 1, kLetters))]);
  return name + accidentalSigns(floorDiv(fifths + 1, kLetters));
}

std::string accidentalSigns(int accidentals) {
  std::string signs;
  for (int i = 0; i < accidentals; ++i) signs += "♯";
  for (int i = 0; i > accidentals; --i) signs += "♭";
  return signs;
}

int takeAccidentals(std::string_view& text) {
  int accidentals = 0;
  for (bool more = true; more;) {
    more = false;
    for (const auto& [sign, step] :
         {std::pair<std::string_view, int>{"#", 1}, {"♯", 1}, {"b", -1}, {"♭", -1}}) {
      if (text.starts_with(sign)) {
        accidentals += step;
        text.remove_prefix(sign.size());
        more = true;
      }
    }
  }
  return accidentals;
}

std::optional<int> fifthsOfName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
  if (letter < 'A' || letter > 'G') return std::nullopt;
  int fifths = kNaturalFifths[static_cast<std::size_t>(modulo(letter - 'C', kLetters))];
  name.remove_prefix(1);
  // "-" is a flat too in key names ("A- major").
  for (;;) {
    fifths += kLetters * takeAccidentals(name);
    if (!name.starts_with('-')) break;
    fifths -= kLetters;
    name.remove_prefix(1);
  }
  if (!name.empty()) return std::nullopt;
  return fifths;
}

}  // namespace tonalis::theory
