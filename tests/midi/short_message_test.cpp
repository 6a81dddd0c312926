// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/short_message.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace tonalis::midi {
namespace {

using ::testing::ElementsAre;

constexpr int kMiddleC = 60;
constexpr int kFullVelocity = 127;

std::vector<std::uint8_t> wireOf(std::uint32_t packed) {
  const std::optional<ChannelMessage> message = decodeShortMessage(packed);
  if (!message) return {};
  return {message->wire().begin(), message->wire().end()};
}

TEST(NoteMessages, KeyOnePressAndReleaseAtFullVelocity) {
  EXPECT_EQ(noteOn(0, kMiddleC, kFullVelocity), 8338576u);
  EXPECT_EQ(noteOff(0, kMiddleC), 15488u);
}

TEST(NoteMessages, HighestKeyAndOctave) {
  EXPECT_EQ(noteOn(0, 83, kFullVelocity), 0x7F5390u);
  EXPECT_EQ(noteOn(0, 72, kFullVelocity) - noteOn(0, kMiddleC, kFullVelocity), 12u * 256u);
}

TEST(NoteMessages, ChordChannelsOneToFive) {
  for (int channel = 1; channel <= 5; ++channel) {
    EXPECT_EQ(noteOn(channel, kMiddleC, kFullVelocity) & 0xFF, 0x90u + channel);
    EXPECT_EQ(noteOff(channel, kMiddleC) & 0xFF, 0x80u + channel);
  }
}

// Note and status share a 16-bit value before the velocity is added: nothing may spill
// or sign-extend into the velocity byte or the unused top byte.
TEST(NoteMessages, HighestValuesStayInTheirBytes) {
  EXPECT_EQ(noteOn(15, 127, 127), 0x007F7F9Fu);
  EXPECT_EQ(noteOff(15, 127), 0x00007F8Fu);
  EXPECT_EQ(noteOn(0, 0, 0), 0x00000090u);
}

TEST(NoteMessages, OutOfRangeValuesAreClampedToWellFormedMessages) {
  EXPECT_EQ(noteOn(16, 128, 200), noteOn(15, 127, 127));
  EXPECT_EQ(noteOn(-1, -5, -1), noteOn(0, 0, 0));
  EXPECT_EQ(noteOff(99, 300), noteOff(15, 127));
}

TEST(Decoding, ThreeByteMessagesKeepAllBytesInOrder) {
  EXPECT_THAT(wireOf(8338576), ElementsAre(0x90, 0x3C, 0x7F));
  EXPECT_THAT(wireOf(15488), ElementsAre(0x80, 0x3C, 0x00));
  EXPECT_THAT(wireOf(packShortMessage(0xA3, 0x40, 0x10)), ElementsAre(0xA3, 0x40, 0x10));
  EXPECT_THAT(wireOf(packShortMessage(0xB9, 0x07, 0x64)), ElementsAre(0xB9, 0x07, 0x64));
  EXPECT_THAT(wireOf(packShortMessage(0xEF, 0x00, 0x40)), ElementsAre(0xEF, 0x00, 0x40));
}

TEST(Decoding, TwoByteMessagesDropTheThirdByte) {
  EXPECT_THAT(wireOf(packShortMessage(0xC2, 0x13, 0x55)), ElementsAre(0xC2, 0x13));
  EXPECT_THAT(wireOf(packShortMessage(0xD0, 0x30, 0xFF)), ElementsAre(0xD0, 0x30));
}

TEST(Decoding, TheUnusedTopByteIsIgnored) {
  EXPECT_THAT(wireOf(0xFF000000u | noteOn(0, kMiddleC, kFullVelocity)),
              ElementsAre(0x90, 0x3C, 0x7F));
}

TEST(Decoding, RejectsWhatIsNoChannelMessage) {
  EXPECT_FALSE(decodeShortMessage(0x00007F3C).has_value());  // running status, data first
  EXPECT_FALSE(decodeShortMessage(0x000000F0).has_value());  // system exclusive
  EXPECT_FALSE(decodeShortMessage(0x000000F8).has_value());  // timing clock
  EXPECT_FALSE(decodeShortMessage(packShortMessage(0x90, 0x80, 0x7F)).has_value());
  EXPECT_FALSE(decodeShortMessage(packShortMessage(0x90, 0x3C, 0x80)).has_value());
  EXPECT_FALSE(decodeShortMessage(packShortMessage(0xC0, 0xC0, 0x00)).has_value());
}

TEST(Decoding, SizeFollowsTheStatusForEveryChannel) {
  for (int channel = 0; channel < kChannelCount; ++channel) {
    for (const std::uint8_t kind : {status::kNoteOff, status::kNoteOn, status::kPolyPressure,
                                    status::kControlChange, status::kPitchBend}) {
      EXPECT_EQ(channelMessageSize(static_cast<std::uint8_t>(kind | channel)), 3u);
    }
    for (const std::uint8_t kind : {status::kProgramChange, status::kChannelPressure}) {
      EXPECT_EQ(channelMessageSize(static_cast<std::uint8_t>(kind | channel)), 2u);
    }
    EXPECT_FALSE(channelMessageSize(static_cast<std::uint8_t>(channel)).has_value());
    EXPECT_FALSE(channelMessageSize(static_cast<std::uint8_t>(0xF0 | channel)).has_value());
  }
}

}  // namespace
}  // namespace tonalis::midi
