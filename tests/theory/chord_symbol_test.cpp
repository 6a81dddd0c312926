// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/chord_symbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "theory/chord_reader.h"
#include "theory/keyboard.h"
#include "theory/line_of_fifths.h"

namespace tonalis::theory {
namespace {

// Every symbol and alias of the dictionary, on roots and basses of all kinds, names its own
// type; its voicing fits the keyboard with the bass lowest, and the reader gives the chord back.
TEST(ChordSymbol, EverySpellingOfTheDictionaryRoundTrips) {
  const std::vector<std::string> kRoots{"C", "F#", "Bb", "B", "Cb", "E♯"};
  const std::vector<std::string> kBasses{"", "/E", "/Ab", "/D♯"};
  for (const ChordType& type : chordTypes) {
    std::vector<std::string_view> spellings{type.symbol};
    spellings.insert(spellings.end(), type.aliases.begin(), type.aliases.end());
    for (const std::string_view spelling : spellings) {
      // After a root, a leading sharp or flat belongs to the root: "C♯5" is the power chord on
      // C♯, not the augmented C its alias "♯5" would make it.
      if (spelling.starts_with("♯") || spelling.starts_with("♭")) continue;
      for (const std::string& root : kRoots) {
        for (const std::string& bass : kBasses) {
          const std::string text = root + std::string(spelling) + bass;
          const SymbolReading read = readChordSymbol(text);
          ASSERT_TRUE(read.chord) << text << ": " << read.error;
          EXPECT_EQ(read.chord->type, &type) << text;
          EXPECT_EQ(read.chord->root, *fifthsOfName(root)) << text;
          const std::vector<VoicedNote> notes = voicing(*read.chord);
          ASSERT_FALSE(notes.empty()) << text;
          const int bassClass = pitchClassOfFifths(read.chord->bass.value_or(read.chord->root));
          EXPECT_EQ(pitchClass(notes.front().key), bassClass) << text;
          EXPECT_LE(notes.back().key, kKeyCount) << text;
          std::vector<int> pitches;
          for (const VoicedNote& note : notes) {
            EXPECT_EQ(pitchClassOfFifths(note.fifths), pitchClass(note.key)) << text;
            pitches.push_back(59 + note.key);
          }
          // The reader names a bass foreign to the chord under the triads that allow it only.
          const int bassAbove = (bassClass - pitchClassOfFifths(read.chord->root) + 12) % 12;
          if (pitches.size() < 2 || (!holdsInterval(type, bassAbove) && !type.overForeignBass)) {
            continue;
          }
          const ChordReading wanted{
              &type, pitchClassOfFifths(read.chord->root), bassClass, 0, 0, {}, {}};
          const std::vector<ChordReading> readings = readChord(pitches);
          EXPECT_NE(std::find(readings.begin(), readings.end(), wanted), readings.end()) << text;
        }
      }
    }
  }
}

TEST(ChordSymbol, ReadsTheSpellingsMusiciansWrite) {
  const std::vector<std::pair<std::string, std::string>> kCases{
      {"Cmaj7", "Cmaj7"},        {"CM7", "Cmaj7"},     {"CΔ7", "Cmaj7"},      {"CΔ", "Cmaj7"},
      {"CΔ9", "Cmaj9"},          {"C-7", "Cm7"},       {"Cmin7", "Cm7"},      {"Dbsus2", "D♭sus2"},
      {"Cø", "Cm7♭5"},           {"C°7", "Cdim7"},     {"Csus", "Csus4"},     {"Cadd9", "Cadd9"},
      {"C6/9", "C6/9"},          {"C6/9/E", "C6/9/E"}, {"C/E", "C/E"},        {"F#m7b5", "F♯m7♭5"},
      {"Bbmaj7/D", "B♭maj7/D"},  {"B-7", "Bm7"},       {"C#5", "C♯5"},        {"Cb5", "C♭5"},
      {"C7(b9,#11)", "C7♭9♯11"}, {" am7 ", "Am7"},     {"C-Δ7", "CmMaj7"},    {"Cmaj7/C", "Cmaj7"},
      {"Ebm(maj7)", "E♭mMaj7"},  {"C7(no5)", "C7no5"}, {"CΔ#11", "Cmaj7♯11"},
  };
  for (const auto& [text, symbol] : kCases) {
    const SymbolReading read = readChordSymbol(text);
    EXPECT_EQ(read.chord ? symbolText(*read.chord) : "", symbol) << text;
  }
}

// A symbol that is not known names the nearest ones, on the root and bass as written.
TEST(ChordSymbol, RefusesUnknownSymbolsWithTheNearestKnown) {
  const std::vector<std::pair<std::string, std::string>> kCases{
      {"Cmaj8", "Cmaj7"},
      {"Ebm7b6", "E♭m7♭5"},
      {"Gsus7/B", "G7sus4/B"},
      {"H7", ""},
      {"", ""},
      {"C/H", ""},
      {"Cxyz", ""},
      {"C7/", ""},
  };
  for (const auto& [text, nearest] : kCases) {
    const SymbolReading read = readChordSymbol(text);
    EXPECT_FALSE(read.chord) << text;
    EXPECT_FALSE(read.error.empty()) << text;
    if (nearest.empty()) continue;
    ASSERT_FALSE(read.nearest.empty()) << text;
    EXPECT_NE(std::find(read.nearest.begin(), read.nearest.end(), nearest), read.nearest.end())
        << text;
  }
}

TEST(ChordSymbol, VoicesInClosePositionAboveTheBass) {
  const std::vector<std::pair<std::string, std::vector<int>>> kCases{
      {"Cmaj7/E", {5, 8, 12, 13}},
      {"C", {1, 5, 8}},
      {"B13", {12, 14, 16, 17, 19, 21, 22}},
      {"C/D", {3, 5, 8, 13}},
  };
  for (const auto& [text, keys] : kCases) {
    const SymbolReading read = readChordSymbol(text);
    ASSERT_TRUE(read.chord) << text;
    std::vector<int> voiced;
    for (const VoicedNote& note : voicing(*read.chord)) voiced.push_back(note.key);
    EXPECT_EQ(voiced, keys) << text;
  }
}

}  // namespace
}  // namespace tonalis::theory
