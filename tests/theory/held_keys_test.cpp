// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/held_keys.h"

#include <gtest/gtest.h>

#include "selections.h"

namespace tonalis::theory {
namespace {

using test::selectionOf;

TEST(HeldKeys, NotesFoldByOctavesOntoTheKeyboard) {
  EXPECT_EQ(keyForNote(60), 1);
  EXPECT_EQ(keyForNote(83), 24);
  EXPECT_EQ(keyForNote(59), 12);  // the B below goes up one octave, not two
  EXPECT_EQ(keyForNote(48), 1);
  EXPECT_EQ(keyForNote(0), 1);
  EXPECT_EQ(keyForNote(84), 13);  // the C above goes down one octave
  EXPECT_EQ(keyForNote(127), 20);
  for (int note = 0; note <= 127; ++note) {
    const int key = keyForNote(note);
    ASSERT_GE(key, 1) << note;
    ASSERT_LE(key, kKeyCount) << note;
    EXPECT_EQ((note - kKeyOneNote + 120) % kOctave, pitchClass(key)) << note;
  }
}

TEST(HeldKeys, LastReleaseTurnsEverythingPlayedIntoTheSelection) {
  HeldKeys keys;
  keys.press(60);
  keys.press(64);
  EXPECT_EQ(keys.held(), selectionOf({1, 5}));
  EXPECT_EQ(keys.release(60), std::nullopt);
  keys.press(43);  // G two octaves down: key 8
  EXPECT_EQ(keys.held(), selectionOf({5, 8}));
  EXPECT_EQ(keys.release(64), std::nullopt);
  EXPECT_EQ(keys.release(43), selectionOf({1, 5, 8}));
  EXPECT_TRUE(keys.held().empty());
  // The next playing starts afresh, and a stray release selects nothing.
  EXPECT_EQ(keys.release(62), std::nullopt);
  keys.press(62);
  EXPECT_EQ(keys.release(62), selectionOf({3}));
}

// The same note pressed twice (two channels, or two notes an octave apart on one key) is
// held until every press is released; releases never go below zero or out of range.
TEST(HeldKeys, KeyStaysHeldUntilEveryPressOfItIsReleased) {
  HeldKeys keys;
  keys.press(60);
  keys.press(60);
  keys.press(48);
  keys.press(200);
  keys.press(-1);
  EXPECT_EQ(keys.held(), selectionOf({1}));
  EXPECT_EQ(keys.release(60), std::nullopt);
  EXPECT_EQ(keys.release(48), std::nullopt);
  EXPECT_EQ(keys.held(), selectionOf({1}));
  EXPECT_EQ(keys.release(200), std::nullopt);
  EXPECT_EQ(keys.release(60), selectionOf({1}));
  EXPECT_EQ(keys.release(60), std::nullopt);
}

TEST(HeldKeys, PedalKeepsReleasedNotesUntilItLifts) {
  HeldKeys keys;
  keys.pedalDown();
  keys.press(60);
  keys.press(67);
  EXPECT_EQ(keys.release(60), std::nullopt);
  EXPECT_EQ(keys.release(67), std::nullopt);
  EXPECT_EQ(keys.held(), selectionOf({1, 8}));
  keys.press(64);
  EXPECT_EQ(keys.pedalUp(), std::nullopt);  // E is still pressed
  EXPECT_EQ(keys.held(), selectionOf({5}));
  EXPECT_EQ(keys.release(64), selectionOf({1, 5, 8}));

  // A note pressed again under the pedal and released is still kept; the pedal alone,
  // pressed and lifted, selects nothing.
  keys.pedalDown();
  keys.press(62);
  keys.release(62);
  keys.press(62);
  EXPECT_EQ(keys.release(62), std::nullopt);
  EXPECT_EQ(keys.pedalUp(), selectionOf({3}));
  keys.pedalDown();
  EXPECT_EQ(keys.pedalUp(), std::nullopt);
  EXPECT_EQ(keys.pedalUp(), std::nullopt);
}

TEST(HeldKeys, ClearForgetsWithoutSelecting) {
  HeldKeys keys;
  keys.pedalDown();
  keys.press(60);
  keys.clear();
  EXPECT_TRUE(keys.held().empty());
  EXPECT_EQ(keys.release(60), std::nullopt);
  keys.press(65);
  EXPECT_EQ(keys.release(65), selectionOf({6}));  // the pedal went with the rest
}

}  // namespace
}  // namespace tonalis::theory
