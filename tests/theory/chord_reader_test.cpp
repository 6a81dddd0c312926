// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/chord_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <vector>

#include "selections.h"
#include "theory/chord_chart.h"
#include "theory/chord_patterns.h"
#include "theory/keyboard.h"
#include "theory/line_of_fifths.h"
#include "theory/note_input.h"
#include "theory/note_speller.h"
#include "theory/pitch_spelling.h"
#include "theory/reading_text.h"

namespace tonalis::theory {
namespace {

using test::selectionOf;

PitchClassSet rotated(PitchClassSet set, int semitones) {
  const unsigned moved = static_cast<unsigned>(set) << semitones;
  return static_cast<PitchClassSet>((moved | moved >> 12) & 0xFFF);
}

PitchClassSet pitchClassesOf(const Selection& selection) {
  PitchClassSet set = 0;
  for (const int key : selection.ascending())
    set |= static_cast<PitchClassSet>(1u << pitchClass(key));
  return set;
}

const ChordType& typeWithSymbol(std::string_view symbol) {
  const auto found = std::ranges::find(chordTypes, symbol, &ChordType::symbol);
  if (found == chordTypes.end()) ADD_FAILURE() << "no chord type " << symbol;
  return *found;
}

// The symbols of one answer, spelled as the reader's answers are: each pitch one way.
std::vector<std::string> symbols(const std::vector<ChordReading>& readings,
                                 Accidentals accidentals = Accidentals::Modern) {
  std::vector<std::string> texts;
  NoteSpeller speller;
  for (const ChordReading& reading : readings)
    texts.push_back(symbolOf(reading, speller, accidentals));
  return texts;
}

// The readings that take every note as a note of the chord.
std::vector<ChordReading> asTheyStand(std::vector<ChordReading> readings) {
  std::erase_if(readings, [](const ChordReading& r) { return r.foreign.has_value(); });
  return readings;
}

std::vector<std::string> symbolsOfKeys(std::initializer_list<int> keys,
                                       ReadingStyle style = ReadingStyle::Analysis) {
  return symbols(asTheyStand(readSelection(selectionOf(keys), {style, {}})));
}

std::vector<ChordReading> readNotes(std::string_view notes, const ReadingOptions& options = {}) {
  const ParsedChord chord = parseChord(notes);
  EXPECT_EQ(chord.error, std::nullopt) << notes;
  return readChord(chord.pitches, options);
}

std::vector<std::string> symbolsOfNotes(std::string_view notes,
                                        const ReadingOptions& options = {}) {
  return symbols(asTheyStand(readNotes(notes, options)));
}

TEST(ChordTypes, TableRowsAreDistinctChordsOnTheirRoot) {
  std::set<PitchClassSet> shapes;
  std::set<std::string_view> texts;
  for (const ChordType& type : chordTypes) {
    SCOPED_TRACE(std::string(type.symbol));
    EXPECT_EQ(type.intervals[0], 0);
    EXPECT_EQ(std::ranges::adjacent_find(type.intervals, std::greater_equal<>{}),
              type.intervals.end());
    EXPECT_EQ(std::popcount(pitchClassesOf(type.intervals)),
              static_cast<int>(type.intervals.size()))
        << "two notes on one pitch class";
    EXPECT_TRUE(texts.insert(type.symbol).second) << "symbol listed twice";
    EXPECT_TRUE(texts.insert(type.name).second) << "name listed twice";
    for (const std::string_view alias : type.aliases) {
      EXPECT_TRUE(texts.insert(alias).second) << "alias " << alias << " listed twice";
    }
    EXPECT_EQ(plainText(type.symbol).find_first_of("\xE2"), std::string::npos);
    for (const int note : type.omittable) {
      EXPECT_NE(std::ranges::find(type.intervals, note), type.intervals.end());
      EXPECT_TRUE(note == 0 || note == 3 || note == 4 || note == 7 || note == 14 || note == 17)
          << "only the root, third, fifth, ninth, eleventh";
    }
    // With every choice of omitted notes a player makes (a rootless chord leaves out nothing
    // else), no two types sound the same pitch classes above their root.
    for (unsigned choice = 0; choice < 1u << type.omittable.size(); ++choice) {
      PitchClassSet shape = pitchClassesOf(type.intervals);
      for (std::size_t i = 0; i < type.omittable.size(); ++i) {
        if (choice & 1u << i) shape &= static_cast<PitchClassSet>(~(1u << type.omittable[i] % 12));
      }
      if (!(shape & 1u) && std::popcount(pitchClassesOf(type.intervals)) - std::popcount(shape) > 1)
        continue;
      EXPECT_TRUE(shapes.insert(shape).second) << "pitch classes " << shape << " named twice";
    }
  }
}

// Every type, built on every root in root position, reads first as itself; in the analysis
// style only the added sixths give way to the seventh chord on their sixth (C6 is Am7/C).
TEST(ChordTypes, EveryTypeOnEveryRootReadsAsItself) {
  for (const ReadingStyle style : {ReadingStyle::LeadSheet, ReadingStyle::Analysis}) {
    for (const ChordType& type : chordTypes) {
      const bool givesWay =
          style == ReadingStyle::Analysis && (type.symbol == "6" || type.symbol == "m6");
      for (int root = 0; root < 12; ++root) {
        std::vector<int> pitches;
        for (const int interval : type.intervals) pitches.push_back(48 + root + interval);
        const std::vector<ChordReading> readings = readChord(pitches, {style, {}});
        SCOPED_TRACE(std::string(type.symbol) + " on " + std::to_string(root));
        ASSERT_FALSE(readings.empty());
        const ChordReading self{&type, root, root, 0, 0, {}, {}};
        EXPECT_EQ(readings.front() == self, !givesWay) << symbolOf(readings.front());
        EXPECT_NE(std::ranges::find(readings, self), readings.end());
      }
    }
  }
}

// Every shape the chart draws and "Determine Root" recognises reads, in root position and the
// lead-sheet style, as a chord on its root (C E G A B♭ as a C13 that leaves out its ninth).
TEST(ChordReader, ReadsEveryChartAndRecognitionShapeOnItsRoot) {
  std::vector<std::vector<int>> shapes;
  for (const ChartChord& chord : chordChart)
    shapes.emplace_back(chord.semitones.begin(), chord.semitones.end());
  for (const ChordPattern& pattern : chordPatterns)
    shapes.emplace_back(pattern.offsets.begin(), pattern.offsets.end());
  for (const std::vector<int>& shape : shapes) {
    for (int root = 0; root < 12; ++root) {
      std::vector<int> pitches;
      for (const int semitone : shape) pitches.push_back(48 + root + semitone);
      const std::vector<ChordReading> readings = readChord(pitches, {ReadingStyle::LeadSheet, {}});
      SCOPED_TRACE(testing::PrintToString(pitches));
      ASSERT_FALSE(readings.empty());
      EXPECT_EQ(readings.front().root, root % 12);
      EXPECT_EQ(readings.front().bass, root % 12);
    }
  }
}

// The family a chord comes from: its type and whether any of its notes is as true a root.
struct Family {
  std::string_view symbol;
  bool symmetric;
};

// Calls `visit` with every selection of the 24 keys holding exactly `pitchClasses`.
void forEachSpacing(PitchClassSet pitchClasses,
                    const std::function<void(const Selection&)>& visit) {
  std::vector<int> classes;
  for (int pc = 0; pc < 12; ++pc) {
    if (pitchClasses & 1u << pc) classes.push_back(pc);
  }
  Selection selection;
  std::function<void(std::size_t)> place = [&](std::size_t index) {
    if (index == classes.size()) {
      visit(selection);
      return;
    }
    const int lower = classes[index] + 1;
    for (const auto& keys :
         {std::vector{lower}, std::vector{lower + 12}, std::vector{lower, lower + 12}}) {
      for (const int key : keys) selection.select(key);
      place(index + 1);
      for (const int key : keys) selection.deselect(key);
    }
  };
  place(0);
}

// Every triad and seventh on every root, in every inversion and spacing the keyboard holds:
// the best reading names the chord, with its bass after a slash when inverted. Only a reading
// whose root is the bass may come first, and then the chord comes second.
TEST(ChordReader, NamesEveryTriadAndSeventhInEveryInversionAndSpacing) {
  const std::vector<Family> families{{"", false},   {"m", false},    {"dim", false},
                                     {"+", true},   {"7", false},    {"maj7", false},
                                     {"m7", false}, {"m7♭5", false}, {"dim7", true}};
  int selections = 0;
  for (const Family& family : families) {
    const ChordType& type = typeWithSymbol(family.symbol);
    for (int root = 0; root < 12; ++root) {
      forEachSpacing(rotated(pitchClassesOf(type.intervals), root), [&](const Selection& keys) {
        ++selections;
        const std::vector<ChordReading> readings = readSelection(keys);
        SCOPED_TRACE(std::string(family.symbol) + " " + testing::PrintToString(keys.ascending()));
        ASSERT_FALSE(readings.empty());
        const int bass = pitchClass(*keys.lowest());
        const ChordReading& best = readings.front();
        EXPECT_EQ(best.bass, bass);
        if (family.symmetric) {
          EXPECT_EQ(best.type, &type);
          EXPECT_EQ(best.root, bass);
          EXPECT_EQ(symbolOf(best).find('/'), std::string::npos);
          return;
        }
        const ChordReading truth{&type, root, bass, 0, 0, {}, {}};
        const auto at = std::ranges::find(readings, truth) - readings.begin();
        EXPECT_TRUE(at == 0 || (at == 1 && best.root == bass && best.omitted == 0))
            << "read first as " << symbolOf(best) << ", the chord at " << at;
        const std::string symbol = symbolOf(truth);
        EXPECT_EQ(symbol.find('/') != std::string::npos, root != bass) << symbol;
        EXPECT_TRUE(symbol.starts_with(rootSpelling(root, isMinorType(type))));
      });
    }
  }
  EXPECT_EQ(selections, 12 * (4 * 27 + 5 * 81));
}

// Every selection of 3 to 5 keys: each reading holds exactly the selected pitch classes (less
// only notes its type may omit), the lowest key is its bass, the ranking rules hold, and at
// least 40 % of the selections are named.
TEST(ChordReader, EveryReadingOfEverySelectionHoldsExactlyItsNotes) {
  int selections = 0;
  int named = 0;
  int namedMajorOverOther = 0;
  test::forEachSelection(3, 5, [&](const Selection& keys) {
    ++selections;
    const std::vector<ChordReading> readings = readSelection(keys);
    if (!readings.empty()) ++named;
    const PitchClassSet played = pitchClassesOf(keys);
    const int bass = pitchClass(*keys.lowest());
    const auto trace = [&] { return testing::PrintToString(keys.ascending()); };
    bool foreignSeen = false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      const ChordReading& r = readings[i];
      if (r.foreign) {
        // A foreign note sounds beside the chord, or in place of a chord note a step below it
        // or a semitone above it; these readings come last.
        foreignSeen = true;
        ASSERT_EQ(r.omitted, 0) << symbolOf(r) << trace();
        const PitchClassSet chord = rotated(pitchClassesOf(r.type->intervals), r.root);
        const auto foreign = static_cast<PitchClassSet>(1u << *r.foreign);
        ASSERT_EQ(chord & foreign, 0) << symbolOf(r) << trace();
        PitchClassSet sounding = chord | foreign;
        if (r.standsFor) {
          ASSERT_TRUE((*r.foreign - *r.standsFor + 12) % 12 == 1 ||
                      (*r.foreign - *r.standsFor + 12) % 12 == 2 ||
                      (*r.standsFor - *r.foreign + 12) % 12 == 1)
              << symbolOf(r) << trace();
          sounding &= static_cast<PitchClassSet>(~(1u << *r.standsFor));
        }
        ASSERT_EQ(sounding, played) << symbolOf(r) << trace();
        ASSERT_EQ(r.bass, *r.foreign == bass ? r.standsFor.value_or(-1) : bass) << trace();
        continue;
      }
      ASSERT_FALSE(foreignSeen) << "a foreign note's reading before " << symbolOf(r) << trace();
      ASSERT_EQ(r.bass, bass) << trace();
      if (r.type == nullptr) {
        ASSERT_LE(std::popcount(played), 2) << trace();
        ASSERT_EQ(i + 1, readings.size()) << "an interval is the last reading " << trace();
        continue;
      }
      if (r.type->symbol.empty() && r.root != bass) ++namedMajorOverOther;
      PitchClassSet omittable = 0;
      for (const int note : r.type->omittable)
        omittable |= static_cast<PitchClassSet>(1u << note % 12);
      ASSERT_EQ(r.omitted & ~omittable, 0) << trace();
      PitchClassSet sounding = rotated(pitchClassesOf(r.type->intervals) & ~r.omitted, r.root);
      if (!(sounding & 1u << bass)) {
        ASSERT_TRUE(r.type->overForeignBass && r.omitted == 0) << symbolOf(r) << trace();
        sounding |= static_cast<PitchClassSet>(1u << bass);
      }
      ASSERT_EQ(sounding, played) << symbolOf(r) << " " << trace();
      if (i > 0) {
        // Rootless readings come last of those, those without their third just before them.
        const ChordReading& before = readings[i - 1];
        ASSERT_LE(before.omitted & 1u, r.omitted & 1u) << "rootless last " << trace();
        const auto noThird = [](const ChordReading& c) {
          return (c.omitted & (1u << 3 | 1u << 4)) != 0 || (c.omitted & 1u) != 0;
        };
        ASSERT_LE(noThird(before), noThird(r)) << "without third late " << trace();
      }
    }
  });
  EXPECT_EQ(selections, 55154);
  const double coverage = 100.0 * named / selections;
  std::cout << "named " << named << " of " << selections << " selections (" << coverage << " %)\n";
  EXPECT_GE(coverage, 40.0);
  EXPECT_GT(namedMajorOverOther, 0);
}

// Over every selection, in either style and with or without a key, one answer names each
// pitch one way in its roots and basses.
TEST(ChordReader, AnAnswerSpellsEachPitchOneWay) {
  const std::vector<ReadingOptions> optionsList{{ReadingStyle::Analysis, {}},
                                                {ReadingStyle::LeadSheet, {}},
                                                {ReadingStyle::Analysis, MusicalKey{-3, true}}};
  for (const ReadingOptions& options : optionsList) {
    test::forEachSelection(3, 5, [&](const Selection& keys) {
      const std::vector<ChordReading> readings = readSelection(keys, options);
      std::array<std::optional<int>, 12> seen{};
      NoteSpeller speller({}, options.key);
      for (const ChordReading& reading : readings) {
        if (reading.type == nullptr) continue;
        const NoteSpeller::Spelled spelled = speller.spell(reading);
        for (const auto& [pitchClass, fifths] :
             {std::pair{reading.root, std::optional(spelled.root)},
              std::pair{reading.bass, spelled.bass},
              std::pair{reading.foreign.value_or(-1), spelled.foreign},
              std::pair{reading.standsFor.value_or(-1), spelled.standsFor}}) {
          if (!fifths) continue;
          auto& name = seen[static_cast<std::size_t>(pitchClass)];
          ASSERT_EQ(pitchClassOfFifths(*fifths), pitchClass);
          if (name) {
            ASSERT_EQ(*name, *fifths) << testing::PrintToString(keys.ascending());
          }
          name = fifths;
        }
      }
    });
  }
}

TEST(ChordReader, AmbiguousNotesListEveryReadingBestFirst) {
  // The two habits differ on the added sixth: analysts hear a seventh chord on the sixth.
  EXPECT_EQ(symbolsOfKeys({1, 5, 8, 10}), (std::vector<std::string>{"Am7/C", "C6"}));
  EXPECT_EQ(symbolsOfKeys({1, 5, 8, 10}, ReadingStyle::LeadSheet),
            (std::vector<std::string>{"C6", "Am7/C"}));
  EXPECT_EQ(symbolsOfKeys({5, 8, 10, 13}), (std::vector<std::string>{"Am7/E", "C6/E"}));
  EXPECT_EQ(symbolsOfKeys({6, 10, 13, 15}), (std::vector<std::string>{"Dm7/F", "F6"}));
  EXPECT_EQ(symbolsOfKeys({6, 10, 13, 15}, ReadingStyle::LeadSheet),
            (std::vector<std::string>{"F6", "Dm7/F"}));
  EXPECT_EQ(symbolsOfKeys({1, 6, 8}), (std::vector<std::string>{"Csus4", "Fsus2/C", "G7sus4/C"}));
  // One answer spells each pitch one way: not "A♭+ | C+/A♭ | E+/G♯".
  EXPECT_EQ(symbolsOfKeys({9, 13, 17}), (std::vector<std::string>{"A♭+", "C+/A♭", "E+/A♭"}));
  EXPECT_EQ(symbolsOfKeys({1, 5, 9}), (std::vector<std::string>{"C+", "E+/C", "A♭+/C"}));
  EXPECT_EQ(symbolsOfKeys({1, 4, 7, 11}, ReadingStyle::LeadSheet),
            (std::vector<std::string>{"Cm7♭5", "E♭m6/C", "E♭m/C", "A♭9(no root)/C"}));
  // A bass outside the triad comes after every reading that holds the bass.
  EXPECT_EQ(symbolsOfKeys({11, 13, 17, 20}), (std::vector<std::string>{"C7/B♭", "C/B♭"}));
  EXPECT_EQ(symbolsOfKeys({3, 13, 17, 20}, ReadingStyle::LeadSheet),
            (std::vector<std::string>{"Cadd9/D", "C/D"}));
  // A suspension or added note is heard over its root: C E F B♭ is C11, not Fmaj7sus4/C.
  EXPECT_EQ(symbolsOfNotes("C3 Bb3 E4 F4"), (std::vector<std::string>{"C11", "Fmaj7sus4/C"}));
  // A maj13 needs no eleventh; an inverted sixth-nine is no sus chord.
  EXPECT_EQ(symbolsOfNotes("C E G B D A"), (std::vector<std::string>{"Cmaj13", "Am11/C"}));
  EXPECT_EQ(symbolsOfNotes("C E G A D").front(), "C6/9");
  EXPECT_EQ(symbolsOfNotes("C F G B"), (std::vector<std::string>{"Cmaj7sus4", "G11/C"}));
  EXPECT_EQ(symbolsOfNotes("C E Bb Db"), (std::vector<std::string>{"C7alt", "B♭dim/C"}));
}

// Notes that make no stable chord as they stand also read as a triad or seventh with one
// foreign note, after every other reading: a passing or neighbour note beside the chord, a
// suspension or appoggiatura in place of the chord note it resolves to. A stable chord, whole,
// gets no such reading.
TEST(ChordReader, HearsOneNoteAsForeignWhenNoChordStands) {
  const std::vector<std::pair<std::string_view, std::string_view>> kCases{
      {"B2 D4 A4", "G/B (A for G)"},      // a suspension over the missing root
      {"A3 B3 D4", "G (A for G)"},        // in the bass: the chord is heard in root position
      {"E3 G#3 C5", "Am/E (G♯ for A)"},   // the leading note leaning on the root
      {"A3 E4 G4 B4", "Am7 (B for C)"},   // a passing note below the third
      {"C4 F4 G4", "C (F for E)"},        // 4–3
      {"G3 Bb3 F4", "Edim/G (F for E)"},  // viio6 under a suspended tonic
      {"C4 E4 F#4 G4", "C (+F♯)"},        // a chromatic passing note beside the whole triad
      {"C4 E4 G4 Db5", "C (+D♭)"},        // its letter is the one above the root's
  };
  for (const auto& [notes, reading] : kCases) {
    const ParsedChord chord = parseChord(notes);
    const std::vector<ChordReading> readings = readChord(chord.pitches);
    NoteSpeller speller(givenNames(chord.pitches, chord.spellings));
    std::vector<std::string> texts;
    for (const ChordReading& r : readings)
      texts.push_back(symbolOf(r, speller, Accidentals::Modern));
    SCOPED_TRACE(testing::PrintToString(texts));
    const auto at = std::ranges::find(texts, reading);
    ASSERT_NE(at, texts.end()) << notes;
    EXPECT_GE(static_cast<std::size_t>(at - texts.begin()), asTheyStand(readings).size())
        << "after every reading of the notes as they stand";
  }
  for (const std::string_view notes : {"C E G", "E3 C4 G4", "D F A C", "B D F Ab", "G B D F"}) {
    const std::vector<ChordReading> readings = readNotes(notes);
    EXPECT_EQ(readings, asTheyStand(readings)) << notes;
  }
}

// The foreign note is said the same way in words, in plain accidentals and beside a numeral.
TEST(ChordReader, WritesAForeignNoteInEveryForm) {
  const ParsedChord suspended = parseChord("B2 D4 A4");
  const std::vector<ChordReading> readings = readChord(suspended.pitches);
  const auto reading = std::ranges::find_if(
      readings, [](const ChordReading& r) { return r.foreign && r.root == 7; });
  ASSERT_NE(reading, readings.end());
  EXPECT_EQ(nameOf(*reading), "G major over B, with A in place of G");
  const std::span<const ChordReading> one(&*reading, 1);
  EXPECT_EQ(answerText(one, "", {Accidentals::Modern, {}, MusicalKey{1, false}}),
            "G/B (A for G) — I6 in G");
  const std::vector<ChordReading> passing = readNotes("C4 E4 F#4 G4");
  ASSERT_TRUE(passing.back().foreign);
  EXPECT_EQ(symbolOf(passing.back(), Accidentals::Plain), "C (+F#)");
  EXPECT_EQ(nameOf(passing.back()), "C major, with F♯ as a foreign note");
}

// Regression: a thirteenth chord that keeps little more than its root, seventh and thirteenth,
// the thirteenth in the bass, came before the simpler readings of the same notes.
TEST(ChordReader, ThinExtensionsInTheBassComeLast) {
  for (const ReadingStyle style : {ReadingStyle::Analysis, ReadingStyle::LeadSheet}) {
    EXPECT_EQ(symbolsOfNotes("C3 Db4 Eb4 Gb4 Ab4", {style, {}}),
              (std::vector<std::string>{"A♭11/C", "E♭m13/C"}));
    EXPECT_EQ(symbolsOfNotes("C3 Db4 Eb4 Gb4", {style, {}}), std::vector<std::string>{"E♭m13/C"});
  }
}

TEST(ChordReader, OmittedNotesAreOnlyThoseTheTypeAllows) {
  const std::vector<ChordReading> shell =
      asTheyStand(readSelection(selectionOf({1, 5, 11, 22})));  // C E B♭ A
  ASSERT_EQ(symbols(shell), std::vector<std::string>{"C13"});
  // The eleventh is left out of a 13th chord with a major third by habit: no omission.
  EXPECT_EQ(nameOf(shell.front()), "C dominant thirteenth without fifth and ninth");
  EXPECT_EQ(symbolsOfKeys({1, 5, 11}), std::vector<std::string>{"C7no5"});
  EXPECT_EQ(symbolsOfKeys({1, 5, 11, 15}), std::vector<std::string>{"C9no5"});
  // A seventh chord without its third says so; the third is what names its quality.
  EXPECT_EQ(symbolsOfNotes("G D F"), std::vector<std::string>{"G7(no3)"});
  EXPECT_EQ(nameOf(readChord(parseChord("G D F").pitches).front()),
            "G dominant seventh without third");
  EXPECT_EQ(symbolsOfNotes("E3 B3 D#4"), std::vector<std::string>{"Emaj7(no3)"});
  // A diminished triad is also the dominant seventh a third below it without its root.
  EXPECT_EQ(symbolsOfNotes("B D F"), (std::vector<std::string>{"Bdim", "G7(no root)/B"}));
  EXPECT_TRUE(readSelection(selectionOf({1, 2, 3})).empty());
}

TEST(ChordReader, TwoNotesAreAnIntervalOrAPowerChord) {
  EXPECT_EQ(symbolsOfKeys({1, 8}), (std::vector<std::string>{"C5", "perfect fifth"}));
  EXPECT_EQ(symbolsOfKeys({8, 13}), (std::vector<std::string>{"C5/G", "perfect fourth"}));
  EXPECT_EQ(symbolsOfKeys({1, 20}), (std::vector<std::string>{"C5", "perfect twelfth"}));
  EXPECT_EQ(symbolsOfKeys({1, 5}), std::vector<std::string>{"major third"});
  EXPECT_EQ(symbolsOfKeys({1, 7}), std::vector<std::string>{"tritone"});
  EXPECT_EQ(symbolsOfKeys({1, 13}), std::vector<std::string>{"octave"});
  EXPECT_EQ(symbolsOfKeys({1, 24}), std::vector<std::string>{"major fourteenth"});
  // Doubled notes are named by the simple interval above the bass.
  EXPECT_EQ(symbolsOfKeys({1, 5, 13}), std::vector<std::string>{"major third"});
  EXPECT_EQ(symbols(readChord(std::vector{0, 127})),
            (std::vector<std::string>{"C5", "perfect fifth plus ten octaves"}));
  EXPECT_EQ(symbols(readChord(std::vector{36, 48, 60})), std::vector<std::string>{"two octaves"});
  EXPECT_TRUE(readSelection(selectionOf({5})).empty());
  EXPECT_TRUE(readChord(std::vector{60, 60}).empty());
}

TEST(ChordReader, SpellsRootsAndBassByTheKeySignature) {
  const std::vector<std::pair<std::vector<int>, std::string>> kCases{
      {{63, 67, 70}, "E♭"},         {{61, 64, 68}, "C♯m"},        {{66, 70, 73}, "F♯"},
      {{63, 66, 70}, "E♭m"},        {{68, 72, 75}, "A♭"},         {{68, 71, 75}, "G♯m"},
      {{70, 73, 77}, "B♭m"},        {{61, 65, 68}, "D♭"},         {{60, 64, 67, 70}, "C7"},
      {{58, 60, 64, 67}, "C7/B♭"},  {{54, 62, 69, 72}, "D7/F♯"},  {{68, 69, 72, 76}, "AmMaj7/G♯"},
      {{56, 60, 63, 67}, "A♭maj7"}, {{63, 67, 70, 72}, "Cm7/E♭"}, {{64, 68, 72}, "E+"}};
  for (const auto& [pitches, best] : kCases) {
    const std::vector<ChordReading> readings = readChord(pitches);
    ASSERT_FALSE(readings.empty()) << best;
    EXPECT_EQ(symbolOf(readings.front()), best);
  }
  const std::vector<ChordReading> flat = readChord(std::vector{58, 62, 65, 68});
  EXPECT_EQ(symbolOf(flat.front(), Accidentals::Plain), "Bb7");
  EXPECT_EQ(nameOf(readChord(std::vector{60, 64, 69, 67}).at(0)), "A minor seventh over C");
}

}  // namespace
}  // namespace tonalis::theory
