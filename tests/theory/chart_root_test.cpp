// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/chart_root.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "selections.h"
#include "theory/keyboard.h"

namespace tonalis::theory {
namespace {

TEST(ChartRoot, Examples) {
  struct Case {
    std::vector<int> keys;
    std::optional<std::string_view> refusal;
    int rootKey;
    std::vector<int> finalKeys;
  };
  const std::vector<Case> kCases{
      {{1}, std::nullopt, 1, {1}},
      {{12}, std::nullopt, 12, {12}},
      {{13}, std::nullopt, 1, {1}},
      {{17}, std::nullopt, 5, {5}},
      {{2, 20}, std::nullopt, 2, {2, 20}},
      {{17, 18, 19, 20, 21, 22, 23, 24}, std::nullopt, 5, {5, 18, 19, 20, 21, 22, 23, 24}},
      {{}, kNeedOneKey, 0, {}},
      {{20}, kNeedOneKey, 0, {20}},
      {{1, 13}, kOnlyOneKey, 0, {1, 13}},
      {{3, 5, 24}, kOnlyOneKey, 0, {3, 5, 24}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.keys));
    const ChartRoot result = chooseChartRoot(test::selectionOf(c.keys));
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_EQ(result.rootKey, c.rootKey);
    EXPECT_EQ(result.selection.ascending(), c.finalKeys);
  }
}

TEST(ChartRoot, EveryChartKeyGivesALowerOctaveRootThatStays) {
  for (int key = 1; key <= kChartKeyCount; ++key) {
    const ChartRoot first = chooseChartRoot(test::selectionOf({key}));
    ASSERT_FALSE(first.refusal) << key;
    EXPECT_LE(first.rootKey, kOctave);
    EXPECT_EQ(pitchClass(first.rootKey), pitchClass(key));
    EXPECT_EQ(first.selection, test::selectionOf({first.rootKey}));
    const ChartRoot again = chooseChartRoot(first.selection);
    EXPECT_EQ(again.rootKey, first.rootKey);
    EXPECT_EQ(again.selection, first.selection);
  }
}

}  // namespace
}  // namespace tonalis::theory
