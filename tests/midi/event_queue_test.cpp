// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/event_queue.h"

#include <gtest/gtest.h>

#include "midi/midi_input.h"

namespace tonalis::midi {
namespace {

InputEvent note(int number) {
  return InputEvent::played({NoteEvent::Kind::kNoteOn, 0, number, 100});
}

// A flood wakes the window once until it takes what waits; no event is left without a
// wake-up, whether it came before the wake-up was set, without one, or after a take.
TEST(EventQueue, WakesOncePerTakeAndNeverMissesOne) {
  EventQueue<InputEvent> queue;
  queue.push(note(60));  // nobody to tell yet
  int wakeUps = 0;
  queue.setWakeUp([&] { ++wakeUps; });
  EXPECT_EQ(wakeUps, 1);
  for (int i = 0; i < 1000; ++i) queue.push(note(61));
  EXPECT_EQ(wakeUps, 1);
  EXPECT_EQ(queue.take().size(), 1001u);

  queue.push(note(62));
  EXPECT_EQ(wakeUps, 2);
  EXPECT_EQ(queue.take().size(), 1u);
  EXPECT_TRUE(queue.take().empty());

  queue.setWakeUp({});
  queue.push(note(63));
  queue.push(note(64));
  EXPECT_EQ(wakeUps, 2);
  int laterWakeUps = 0;
  queue.setWakeUp([&] { ++laterWakeUps; });
  EXPECT_EQ(laterWakeUps, 1);
  queue.push(note(65));
  EXPECT_EQ(laterWakeUps, 1);
  EXPECT_EQ(queue.take().size(), 3u);
}

}  // namespace
}  // namespace tonalis::midi
