// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/keyboard.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string_view>

#include "selections.h"
#include "theory/note_names.h"
#include "theory/selection.h"

namespace tonalis::theory {
namespace {

TEST(Keyboard, NoteNamesUseSharpsInBothOctaves) {
  constexpr std::array<std::string_view, kKeyCount> kNames{
      "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B",
      "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  for (int key = 1; key <= kKeyCount; ++key) EXPECT_EQ(noteName(key), kNames[key - 1]) << key;
  EXPECT_EQ(noteName(0), "");
  EXPECT_EQ(noteName(kKeyCount + 1), "");
}

TEST(Keyboard, BlackKeysAreTheSharps) {
  const std::set<int> kBlackKeys{2, 4, 7, 9, 11, 14, 16, 19, 21, 23};
  for (int key = 1; key <= kKeyCount; ++key) {
    EXPECT_EQ(isBlackKey(key), kBlackKeys.contains(key)) << key;
    EXPECT_EQ(isBlackKey(key), noteName(key).ends_with('#')) << key;
  }
}

TEST(Keyboard, ComputerKeysMapOnlyTheTwoBottomRows) {
  // Z S X D C V G B H N J M , L . ; / give positions 0..16.
  constexpr std::array<std::uint16_t, 17> kCodes{'Z', 'S', 'X', 'D', 'C', 'V', 'G', 'B', 'H',
                                                 'N', 'J', 'M', 188, 'L', 190, 186, 191};
  int mapped = 0;
  for (int code = 0; code <= 0xFFFF; ++code) {
    const int position = keyPositionForCode(static_cast<std::uint16_t>(code));
    if (position == kNoKey) continue;
    ++mapped;
    ASSERT_GE(position, 0);
    ASSERT_LT(position, 17);
    EXPECT_EQ(kCodes[position], code);
  }
  EXPECT_EQ(mapped, 17);
  EXPECT_EQ(keyPositionForCode(65), kNoKey);
}

TEST(Selection, TracksSelectedKeysInAscendingOrder) {
  Selection selection;
  EXPECT_TRUE(selection.empty());
  EXPECT_EQ(selection.lowest(), std::nullopt);

  selection.select(24);
  selection.select(5);
  selection.toggle(13);
  selection.select(5);
  EXPECT_EQ(selection.ascending(), (std::vector<int>{5, 13, 24}));
  EXPECT_EQ(selection.count(), 3);
  EXPECT_EQ(selection.lowest(), 5);
  EXPECT_TRUE(selection.selected(13));
  EXPECT_FALSE(selection.selected(12));

  selection.toggle(13);
  selection.deselect(5);
  EXPECT_EQ(selection.ascending(), (std::vector<int>{24}));
  EXPECT_EQ(selection.lowest(), 24);
}

TEST(Selection, IgnoresKeysOutsideTheKeyboard) {
  Selection selection = test::selectionOf({1, 24});
  for (const int key : {-1, 0, kKeyCount + 1, 1000}) {
    selection.select(key);
    selection.toggle(key);
    selection.select(key);
    EXPECT_FALSE(selection.selected(key)) << key;
  }
  EXPECT_EQ(selection, test::selectionOf({1, 24}));
  EXPECT_EQ(selection.count(), 2);
}

}  // namespace
}  // namespace tonalis::theory
