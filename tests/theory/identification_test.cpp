// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/identification.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "selections.h"
#include "theory/chord_patterns.h"
#include "theory/keyboard.h"
#include "theory/note_names.h"

namespace tonalis::theory {
namespace {

using test::selectionOf;

struct Expected {
  std::vector<int> keys;
  std::optional<std::string> notes;
  std::optional<std::string> symbol;
  std::optional<std::string> name;
  bool refused = false;
  std::vector<int> finalKeys;
  int attempts = 0;
};

TEST(Identification, Examples) {
  const std::string noRoot(kNoRoot);
  const std::vector<Expected> kCases{
      {{1, 5, 8}, " C  E  G ", "C", "C Major", false, {1, 5, 8}, 1},
      {{5, 8, 13}, " C  E  G ", "C", "C Major", false, {1, 5, 8}, 2},
      {{13, 17, 20}, " C  E  G ", "C", "C Major", false, {13, 17, 20}, 1},
      {{8, 13, 17}, " C  E  G ", "C", "C Major", false, {1, 5, 8}, 3},
      {{1, 5, 8, 13}, " C  E  G ", "C", "C Major", false, {1, 5, 8}, 2},
      {{1, 5, 10}, " C  E  A ", noRoot, std::nullopt, false, {1, 5, 10}, 6},
      {{13, 14, 15, 16, 17}, " C  C#  D  D#  E ", noRoot, std::nullopt, false, {1, 2, 3, 4, 5}, 6},
      // A merge leaves too few keys: the texts of the attempt before stay.
      {{1, 5, 13}, " C  E  C ", noRoot, std::nullopt, true, {1, 5}, 2},
      {{1, 2, 13, 14}, " C  C#  C ", noRoot, std::nullopt, true, {1, 2}, 3},
      // Refused at once: nothing is written and nothing moves.
      {{}, std::nullopt, std::nullopt, std::nullopt, true, {}, 1},
      {{1, 13}, std::nullopt, std::nullopt, std::nullopt, true, {1, 13}, 1},
      {{1, 2, 3, 4, 5, 18}, std::nullopt, std::nullopt, std::nullopt, true, {1, 2, 3, 4, 5, 18}, 1},
  };
  for (const Expected& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.keys));
    const Identification result = identifyChord(test::selectionOf(c.keys));
    EXPECT_EQ(result.notes, c.notes);
    EXPECT_EQ(result.symbol, c.symbol);
    EXPECT_EQ(result.name, c.name);
    EXPECT_EQ(result.message, c.refused ? std::optional<std::string>(kCountRefusal) : std::nullopt);
    EXPECT_EQ(result.selection.ascending(), c.finalKeys);
    EXPECT_EQ(result.attempts, c.attempts);
  }
}

TEST(Identification, LowerTopKeyMovesTheHighestUpperKeyDownAnOctave) {
  Selection selection = selectionOf({1, 13, 24});
  EXPECT_TRUE(lowerTopKey(selection));
  EXPECT_EQ(selection, selectionOf({1, 12, 13}));
  EXPECT_TRUE(lowerTopKey(selection));
  EXPECT_EQ(selection, selectionOf({1, 12}));  // 13 merged into 1
  EXPECT_FALSE(lowerTopKey(selection));
  EXPECT_EQ(selection, selectionOf({1, 12}));
}

// Every selection of 3 to 6 keys: the attempts end in time, keys only move down an octave,
// and a reported chord is exactly a shape of the table on the final selection.
TEST(Identification, AttemptLoopHoldsForEverySelection) {
  test::forEachSelection(3, 6, [](const Selection& initial) {
    const Identification result = identifyChord(initial);
    const Selection& final = result.selection;
    const auto trace = [&] { return testing::PrintToString(initial.ascending()); };

    ASSERT_GE(result.attempts, 1) << trace();
    ASSERT_LE(result.attempts, kMaxAttempts) << trace();
    int moved = 0;
    for (int key = 1; key <= kKeyCount; ++key) {
      if (final.selected(key)) {
        ASSERT_TRUE(initial.selected(key) || (key <= kOctave && initial.selected(key + kOctave)))
            << trace();
      }
      if (initial.selected(key) && !final.selected(key)) {
        ASSERT_TRUE(key > kOctave && final.selected(key - kOctave)) << trace();
        ++moved;
      }
    }

    if (result.name) {
      ASSERT_TRUE(result.symbol && !result.message) << trace();
      const std::vector<int> keys = final.ascending();
      const std::optional<ChordMatch> match = matchChord(keys);
      ASSERT_TRUE(match) << trace();
      EXPECT_EQ(*result.name, match->name) << trace();
      EXPECT_EQ(*result.symbol, match->symbol) << trace();
      EXPECT_TRUE(result.name->starts_with(noteName(keys.front()))) << trace();
      EXPECT_EQ(result.notes, playedNotes(final)) << trace();
      EXPECT_EQ(moved, result.attempts - 1) << trace();
    } else if (result.message) {
      const bool refusedAtOnce = initial.count() > kMaxChordNotes;
      EXPECT_EQ(result.attempts == 1, refusedAtOnce) << trace();
      EXPECT_EQ(refusedAtOnce ? 0 : result.attempts - 1, moved) << trace();
      EXPECT_EQ(result.symbol, refusedAtOnce ? std::nullopt : std::optional(std::string(kNoRoot)))
          << trace();
      if (!refusedAtOnce) {
        EXPECT_LT(final.count(), kMinChordNotes) << trace();
      }
    } else {
      EXPECT_EQ(result.attempts, kMaxAttempts) << trace();
      EXPECT_EQ(result.symbol, std::string(kNoRoot)) << trace();
      EXPECT_EQ(result.notes, playedNotes(final)) << trace();
      EXPECT_FALSE(matchChord(final.ascending())) << trace();
      EXPECT_LE(final.ascending().back(), kOctave) << "upper keys left unmoved: " << trace();
    }
  });
}

}  // namespace
}  // namespace tonalis::theory
