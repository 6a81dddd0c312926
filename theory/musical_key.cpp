// SPDX-License-Identifier: GPL-3.0-or-later
#include "musical_key.h"

#include <cctype>
#include <cstdlib>

#include "chord_intervals.h"
#include "line_of_fifths.h"

namespace tonalis::theory {

namespace {

std::string lowered(std::string_view text) {
  std::string low(text);
  for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return low;
}

// Scale steps above the tonic, as bits of a pitch-class set.
constexpr unsigned kMajorScale = 0b1010'1011'0101;
constexpr unsigned kMinorScale = 0b1111'1010'1101;  // natural minor, raised sixth and seventh

// The middle of a key's notes on the line of fifths: a major key's seven notes lie from one
// fifth below its tonic to five above, a minor key's natural notes four below to two above,
// its raised sixth and seventh three and five above.
int centreOf(const MusicalKey& key) {
  return key.tonicFifths + (key.minor ? 0 : 2);
}

}  // namespace

int MusicalKey::tonic() const {
  return pitchClassOfFifths(tonicFifths);
}

std::optional<MusicalKey> parseKey(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::size_t space = text.find(' ');
  const std::string_view note = text.substr(0, space);
  const std::optional<int> tonic = fifthsOfName(note);
  if (!tonic) return std::nullopt;
  if (space == std::string_view::npos) {
    return MusicalKey{*tonic, std::islower(static_cast<unsigned char>(note.front())) != 0};
  }
  std::string_view mode = text.substr(space);
  while (!mode.empty() && mode.front() == ' ') mode.remove_prefix(1);
  const std::string word = lowered(mode);
  if (word == "major") return MusicalKey{*tonic, false};
  if (word == "minor") return MusicalKey{*tonic, true};
  return std::nullopt;
}

std::string keyName(const MusicalKey& key) {
  return nameOfFifths(key.tonicFifths) + (key.minor ? " minor" : " major");
}

std::string keyLetterName(const MusicalKey& key) {
  std::string name = nameOfFifths(key.tonicFifths);
  if (key.minor) name.front() = static_cast<char>(std::tolower(name.front()));
  return name;
}

// Row: tonic on the line of fifths, whether minor.
constexpr std::array<MusicalKey, 24> commonKeys{{
    {0, false}, {1, false},  {2, false},  {3, false},  {4, false},  {5, false},
    {6, false}, {-5, false}, {-4, false}, {-3, false}, {-2, false}, {-1, false},
    {3, true},  {4, true},   {5, true},   {6, true},   {7, true},   {8, true},
    {-3, true}, {-2, true},  {-1, true},  {0, true},   {1, true},   {2, true},
}};

bool inScale(const MusicalKey& key, int pitchClass) {
  const int step = intervalAbove(pitchClass, key.tonic());
  return ((key.minor ? kMinorScale : kMajorScale) & 1u << step) != 0;
}

int spellingInKey(const MusicalKey& key, int pitchClass) {
  // The two places of a pitch class nearest the centre lie 12 apart; the sharper wins a tie.
  const int centre = centreOf(key);
  int below = centre - 6;
  while (pitchClassOfFifths(below) != pitchClassOf(pitchClass)) ++below;
  return std::abs(below - centre) < std::abs(below + 12 - centre) ? below : below + 12;
}

int distanceFromKey(const MusicalKey& key, int fifths) {
  return std::abs(fifths - centreOf(key));
}

}  // namespace tonalis::theory
