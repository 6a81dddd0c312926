// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/chord_patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "selections.h"
#include "theory/keyboard.h"
#include "theory/note_names.h"

namespace tonalis::theory {

void PrintTo(const ChordMatch& match, std::ostream* out) {
  *out << '"' << match.symbol << "\" / \"" << match.name << '"';
}

namespace {

std::vector<int> shapeOf(const std::vector<int>& keys) {
  std::vector<int> offsets;
  for (const int key : keys) offsets.push_back(key - keys.front());
  return offsets;
}

std::optional<std::size_t> rowWithShape(const std::vector<int>& offsets) {
  for (std::size_t row = 0; row < chordPatterns.size(); ++row) {
    if (std::ranges::equal(chordPatterns[row].offsets, offsets)) return row;
  }
  return std::nullopt;
}

TEST(ChordPatterns, TableHoldsDistinctRootPositionShapes) {
  std::map<std::size_t, int> rowsBySize;
  std::set<std::vector<int>> shapes;
  std::set<std::string_view> suffixes;
  for (const ChordPattern& pattern : chordPatterns) {
    const std::vector<int> offsets(pattern.offsets.begin(), pattern.offsets.end());
    SCOPED_TRACE(testing::PrintToString(offsets));
    ++rowsBySize[offsets.size()];
    EXPECT_EQ(offsets.front(), 0);
    EXPECT_EQ(std::ranges::adjacent_find(offsets, std::greater_equal<>{}), offsets.end());
    EXPECT_TRUE(shapes.insert(offsets).second) << "shape listed twice";
    EXPECT_TRUE(suffixes.insert(pattern.nameSuffix).second) << "name listed twice";
    EXPECT_TRUE(pattern.nameSuffix.starts_with(' '));
    EXPECT_GE(pattern.symbolParts.size(), 1u);
  }
  EXPECT_EQ(rowsBySize, (std::map<std::size_t, int>{{3, 7}, {4, 16}, {5, 9}}));
}

TEST(ChordPatterns, EveryShapeOnEveryLowestKeyMatchesItsOwnRow) {
  for (const ChordPattern& pattern : chordPatterns) {
    for (int lowest = 1; lowest + pattern.offsets[pattern.offsets.size() - 1] <= kKeyCount;
         ++lowest) {
      std::vector<int> keys;
      for (const int offset : pattern.offsets) keys.push_back(lowest + offset);
      const std::optional<ChordMatch> match = matchChord(keys);
      ASSERT_TRUE(match) << testing::PrintToString(keys);
      const std::string root(noteName(lowest));
      std::string symbol;
      for (const std::string_view part : pattern.symbolParts) symbol += root + std::string(part);
      EXPECT_EQ(*match, (ChordMatch{symbol, root + std::string(pattern.nameSuffix)}));
    }
  }
}

TEST(ChordPatterns, OnlyExactShapesMatchAmongAllSelectionsOfThreeToFive) {
  int matches = 0;
  test::forEachSelection(kMinChordNotes, kMaxChordNotes, [&](const Selection& selection) {
    const std::vector<int> keys = selection.ascending();
    const std::optional<ChordMatch> match = matchChord(keys);
    const std::optional<std::size_t> row = rowWithShape(shapeOf(keys));
    ASSERT_EQ(match.has_value(), row.has_value()) << testing::PrintToString(keys);
    if (!match) return;
    ++matches;
    EXPECT_TRUE(match->name.ends_with(chordPatterns[*row].nameSuffix));
  });
  EXPECT_GT(matches, 0);
}

TEST(ChordPatterns, Examples) {
  struct Case {
    std::vector<int> keys;
    std::optional<ChordMatch> match;
  };
  const std::vector<Case> kCases{
      {{1, 5, 8}, ChordMatch{"C", "C Major"}},
      {{13, 17, 20}, ChordMatch{"C", "C Major"}},
      {{17, 21, 24}, ChordMatch{"E", "E Major"}},
      {{1, 4, 7}, ChordMatch{"Co / Cdim", "C Diminished"}},
      {{1, 4, 7, 10}, ChordMatch{"Co7 / Cdim7", "C Diminished seventh chord"}},
      {{2, 5, 8, 12},
       ChordMatch{"C#m7(b5) / C#O7 / C#min7(b5)",
                  "C# Minor Seventh Flatted Fifth / Half Diminished"}},
      {{1, 3, 5, 8, 10}, ChordMatch{"C6(9) / ", "C Sixth Ninth"}},
      {{10, 12, 13, 17, 20}, ChordMatch{"Am7(9) / Amin7(9)", "A Minor Seventh Ninth"}},
      {{1, 5, 8, 13}, std::nullopt},
      {{5, 8, 13}, std::nullopt},
      {{22, 23, 24}, std::nullopt},
      {{}, std::nullopt},
      {{0, 4, 7}, std::nullopt},
      {{20, 24, 27}, std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(matchChord(c.keys), c.match) << testing::PrintToString(c.keys);
  }
}

TEST(ChordPatterns, RegressionSeventhSuspendedFourthIsSpelledFourth) {
  EXPECT_EQ(matchChord(std::vector<int>{1, 6, 8, 11}),
            (ChordMatch{"C7sus4", "C Seventh Suspended Fourth"}));
}

}  // namespace
}  // namespace tonalis::theory
