// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/note_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonalis::theory {
namespace {

TEST(NoteInput, ReadsNamesNumbersAndNamesWithoutOctave) {
  const std::vector<std::pair<std::string, std::vector<int>>> kCases{
      {"C4 E4 G4 A4", {60, 64, 67, 69}},
      {"60 64 67 69", {60, 64, 67, 69}},
      {"Eb4, F#3\tB♭2 c♯5 Cb4 B#3", {63, 54, 46, 73, 59, 60}},
      {"C-1 G9", {0, 127}},
      // Without an octave: octave 4 first, then the nearest note above the one before.
      {"C E G", {60, 64, 67}},
      {"G B D F", {67, 71, 74, 77}},
      {"C3 E G C", {48, 52, 55, 60}},
      {"E4 E", {64, 76}},
  };
  for (const auto& [text, pitches] : kCases) {
    const ParsedChord chord = parseChord(text);
    EXPECT_EQ(chord.error, std::nullopt) << text;
    EXPECT_EQ(chord.pitches, pitches) << text;
  }
}

TEST(NoteInput, RefusesWhatIsNotAChord) {
  const std::vector<std::pair<std::string, std::string>> kCases{
      {"C4 H4", "unknown note \"H4\""},
      {"C4 E4x", "unknown note \"E4x\""},
      {"60 128", "outside the MIDI notes"},
      {"-1 60", "outside the MIDI notes"},
      {"G#9 C4", "outside the MIDI notes"},
      // Octaves that would overflow the note's arithmetic.
      {"C2147483647 E4", "outside the MIDI notes"},
      {"C-2147483648 E4", "outside the MIDI notes"},
      {"B#2147483646 E4", "outside the MIDI notes"},
      {"C4", "at least two"},
      {"60 60", "at least two"},
      {"", "at least two"},
  };
  for (const auto& [text, message] : kCases) {
    const ParsedChord chord = parseChord(text);
    ASSERT_TRUE(chord.error) << text;
    EXPECT_NE(chord.error->find(message), std::string::npos) << text << ": " << *chord.error;
  }
}

// A bad token is echoed short, and so that a terminal shows it as it is: no escape sequence,
// no control character, no broken UTF-8 passes through.
TEST(NoteInput, EchoesABadTokenShortAndPrintable) {
  const std::vector<std::pair<std::string, std::string>> kCases{
      {"H4", "\"H4\""},
      {"B♭x", "\"B♭x\""},
      {"\x1b[31mX", "\"\\x1b[31mX\""},
      {"a\tb\x7f", "\"a\\x09b\\x7f\""},
      {"\xc2\x9b"
       "2J",
       "\"\\xc2\\x9b2J\""},  // U+009B, the one-character escape
      {"\xff\xc3", "\"\\xff\\xc3\""},
      {std::string(1000000, 'x'), "\"" + std::string(32, 'x') + "...\""},
  };
  for (const auto& [token, echoed] : kCases) EXPECT_EQ(echoedToken(token), echoed);
  const ParsedChord chord = parseChord("C4 " + std::string(100000, 'y'));
  ASSERT_TRUE(chord.error);
  EXPECT_LT(chord.error->size(), 100u);
}

}  // namespace
}  // namespace tonalis::theory
