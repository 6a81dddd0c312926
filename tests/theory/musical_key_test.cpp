// SPDX-License-Identifier: GPL-3.0-or-later
// Keys: what they are called, how they spell, and the answers the reader gives in one: Roman
// numerals with figured bass, spelling from the key or from the names the notes came with.
#include "theory/musical_key.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "theory/key_finding.h"
#include "theory/line_of_fifths.h"
#include "theory/note_input.h"
#include "theory/reading_text.h"

namespace tonalis::theory {
namespace {

std::string answer(std::string_view notes, std::optional<MusicalKey> key,
                   ReadingStyle style = ReadingStyle::Analysis, bool named = false,
                   std::size_t limit = SIZE_MAX) {
  const ParsedChord chord = parseChord(notes);
  EXPECT_EQ(chord.error, std::nullopt) << notes;
  AnswerFormat format{Accidentals::Modern, {}, key};
  if (named) format.given = givenNames(chord.pitches, chord.spellings);
  return answerText(readChord(chord.pitches, {style, key}), " | ", format, limit);
}

// The best reading of an answer.
std::string first(std::string_view notes, std::optional<MusicalKey> key) {
  const std::string text = answer(notes, key, ReadingStyle::Analysis, true);
  return text.substr(0, text.find(" | "));
}

TEST(MusicalKey, ReadsKeyNamesAsMusiciansWriteThem) {
  const std::vector<std::pair<std::string, std::string>> kCases{
      {"g minor", "G minor"},   {"Bb major", "B♭ major"}, {"F# Major", "F♯ major"},
      {"e♭ MINOR", "E♭ minor"}, {"A- major", "A♭ major"}, {"c", "C minor"},
      {" D ", "D major"}};
  for (const auto& [text, name] : kCases) {
    const std::optional<MusicalKey> key = parseKey(text);
    ASSERT_TRUE(key) << text;
    EXPECT_EQ(keyName(*key), name);
  }
  for (const std::string_view bad : {"", "H major", "g dorian", "C# major minor", "minor"}) {
    EXPECT_EQ(parseKey(bad), std::nullopt) << bad;
  }
  std::set<std::pair<int, bool>> distinct;
  for (const MusicalKey& key : commonKeys) distinct.insert({key.tonic(), key.minor});
  EXPECT_EQ(distinct.size(), 24u);
}

TEST(MusicalKey, SpellsTheNotesOfItsMusic) {
  const auto spelled = [](std::string_view key, std::initializer_list<int> pitchClasses) {
    std::string names;
    for (const int pc : pitchClasses)
      names += nameOfFifths(spellingInKey(*parseKey(key), pc)) + " ";
    return names;
  };
  // C major reaches for the notes of its applied dominants and of the minor mode.
  EXPECT_EQ(spelled("C major", {1, 3, 6, 8, 10}), "C♯ E♭ F♯ G♯ B♭ ");
  EXPECT_EQ(spelled("a minor", {8, 3, 10, 1}), "G♯ D♯ B♭ C♯ ");
  EXPECT_EQ(spelled("F# major", {5, 11, 1}), "E♯ B C♯ ");
  EXPECT_EQ(spelled("b- minor", {9, 1, 11}), "A D♭ C♭ ");
}

TEST(MusicalKey, ReadingsCarryTheirRomanNumeral) {
  const MusicalKey c{0, false};
  const MusicalKey g{-2 + 3, true};  // G minor: the tonic G is one fifth above C
  EXPECT_EQ(answer("F3 A3 C4 D4", c), "Dm7/F — ii6/5 in C | F6 — IV(6) in C");
  EXPECT_EQ(first("D3 F#3 A3 C4", c), "D7 — V7/V in C");
  EXPECT_EQ(first("B3 D4 F4 Ab4", c), "Bdim7 — viio7 in C");
  EXPECT_EQ(first("F#3 A3 C4 Eb4", c), "F♯dim7 — viio7/V in C");
  EXPECT_EQ(answer("Ab3 C4 Eb4", c), "A♭ — ♭VI in C");
  EXPECT_EQ(first("G3 B3 D4 F4", c), "G7 — V7 in C");
  EXPECT_EQ(first("F3 G3 B3 D4", c), "G7/F — V2 in C");
  EXPECT_EQ(answer("D4 F#4 A4", g), "D — V in g");
  EXPECT_EQ(first("F#3 A3 C4 Eb4", g), "F♯dim7 — viio7 in g");
  EXPECT_EQ(first("E3 G3 Bb3 D4", g), "Em7♭5 — ♯viø7 in g");
  EXPECT_EQ(first("A3 C#4 E4 G4", g), "A7 — V7/V in g");
  // The raised sixth of the minor mode is the key's own: C7 in G minor is IV7.
  EXPECT_EQ(first("C3 E3 G3 Bb3", g), "C7 — IV7 in g");
  // A key spells what nobody named: G♯ and not A♭ is the third of E in A minor.
  EXPECT_EQ(answer("E4 G#4 B4", MusicalKey{3, true}), "E — V in a");
  // ... and a root so that its triad lies in the key's notes: the ♭VI of A♭ is F♭ major.
  EXPECT_EQ(answer("E4 Ab4 B4", MusicalKey{-4, false}), "F♭ — ♭VI in A♭");
  EXPECT_EQ(answer("Ab3 C4 Eb4", c), "A♭ — ♭VI in C");
}

// Names given with the notes are kept: the root and the bass are spelled as they were written,
// and every reading of the answer spells a pitch one way.
TEST(NoteSpelling, KeepsTheNamesTheNotesCameWith) {
  EXPECT_EQ(answer("C#3 E3 A#3", std::nullopt, ReadingStyle::Analysis, true, 2),
            "A♯dim/C♯ | F♯7(no root)/C♯");
  EXPECT_EQ(answer("C#3 E3 A#3", std::nullopt, ReadingStyle::Analysis, false, 2),
            "B♭dim/D♭ | F♯7(no root)/D♭");
  // The numeral's degree follows the root as spelled: A♯ is a raised sixth, B♭ a lowered seventh.
  EXPECT_EQ(first("C#3 E3 A#3", MusicalKey{0, false}), "A♯dim/C♯ — ♯vio6 in C");
  EXPECT_EQ(first("Db3 E3 Bb3", MusicalKey{0, false}), "B♭dim/D♭ — ♭viio6 in C");
  EXPECT_EQ(answer("G#3 C4 E4", std::nullopt, ReadingStyle::Analysis, true, 3),
            "G♯+ | C+/G♯ | E+/G♯");
  // Names win over the key; the key picks the diminished seventh's root, on its leading note.
  EXPECT_EQ(first("E#3 G#3 B3 D4", MusicalKey{3, true}), "G♯dim7/E♯ — viio2 in a");
  EXPECT_EQ(first("F3 G#3 B3 D4", MusicalKey{3, true}), "G♯dim7/F — viio2 in a");
}

// The key a melody suggests: its scale, with the tonic and dominant heard most.
TEST(KeyFinding, GuessesTheKeyOfWhatWasPlayed) {
  const std::vector<std::pair<std::vector<int>, std::string>> kCases{
      {{60, 62, 64, 65, 67, 69, 71, 72, 67, 60}, "C major"},
      {{57, 59, 60, 62, 64, 65, 68, 69, 64, 57}, "A minor"},  // harmonic minor
      {{67, 69, 71, 72, 74, 76, 78, 79, 74, 67}, "G major"},
      {{65, 67, 68, 70, 72, 73, 76, 77, 72, 65}, "F minor"},
      {{66, 68, 70, 71, 73, 75, 77, 78, 73, 66}, "F♯ major"},
  };
  for (const auto& [pitches, key] : kCases) {
    RecentNotes recent;
    for (const int pitch : pitches) recent.add(pitch);
    const std::optional<MusicalKey> guess = recent.guessedKey();
    ASSERT_TRUE(guess) << key;
    EXPECT_EQ(keyName(*guess), key);
  }
  EXPECT_EQ(RecentNotes{}.guessedKey(), std::nullopt);
  // Only the last notes count: a long passage in D♭ major after C major is heard in D♭.
  RecentNotes recent;
  for (const int pitch : {60, 62, 64, 65, 67, 69, 71, 72}) recent.add(pitch);
  for (int bar = 0; bar < 4; ++bar) {
    for (const int pitch : {61, 63, 65, 66, 68, 70, 72, 73}) recent.add(pitch);
  }
  EXPECT_EQ(keyName(*recent.guessedKey()), "D♭ major");
}

}  // namespace
}  // namespace tonalis::theory
