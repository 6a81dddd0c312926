// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/idle_pause.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tonalis::midi {
namespace {

using namespace std::chrono_literals;
using Clock = IdlePause::Clock;

constexpr int kPeriodFrames = 256;

ChannelMessage message(std::uint8_t statusByte, std::uint8_t data1, std::uint8_t data2) {
  return *decodeShortMessage(packShortMessage(statusByte, data1, data2));
}

const ChannelMessage kNoteOnC = message(status::kNoteOn, 60, 100);
const ChannelMessage kNoteOffC = message(status::kNoteOff, 60, 0);
const ChannelMessage kNoteOnE = message(status::kNoteOn, 64, 100);

std::unique_ptr<FluidSynthesizer> synthesizer() {
  Opened<FluidSynthesizer> opened = FluidSynthesizer::create(defaultSoundFontSearch());
  return std::move(opened.value);
}

// Counts starts and stops, and notes whether the synthesizer already had a note to play
// when it was asked to start.
class RecordingFeed final : public SoundFeed {
 public:
  explicit RecordingFeed(const FluidSynthesizer& synthesizer) : m_synthesizer(synthesizer) {}
  bool start() override {
    ++starts;
    soundingAtStart = m_synthesizer.sounding();
    return true;
  }
  void stop() override { ++stops; }

  int starts = 0;
  int stops = 0;
  bool soundingAtStart = false;

 private:
  const FluidSynthesizer& m_synthesizer;
};

class SilentFeedPause : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(m_synth, nullptr) << "the General MIDI soundfont package must be installed";
  }

  // Whole blocks of the synthesizer's 64 frames: a note-on takes effect at the next block,
  // so a fresh synthesizer renders the same attack only from the same place in a block.
  void renderSeconds(double seconds) {
    m_synth->render(static_cast<int>(seconds * m_synth->sampleRate()) / 64 * 64);
  }

  std::unique_ptr<FluidSynthesizer> m_synth = synthesizer();
  RecordingFeed m_feed{*m_synth};
  IdlePause m_pause{*m_synth, m_feed, 2s};
  const Clock::time_point m_start = Clock::now();
};

TEST_F(SilentFeedPause, StopsAfterTheQuietAndTheFirstNoteAfterTenSecondsIsRenderedWhole) {
  ASSERT_EQ(m_pause.send(kNoteOnC), kOk);
  renderSeconds(0.5);
  m_pause.send(kNoteOffC);
  renderSeconds(3.0);  // the release and the reverb die away
  ASSERT_FALSE(m_synth->sounding());

  m_pause.check(m_start + 4s);
  m_pause.check(m_start + 5s);
  EXPECT_TRUE(m_pause.feeding()) << "stopped before the quiet lasted";
  m_pause.check(m_start + 6s);
  EXPECT_FALSE(m_pause.feeding());
  EXPECT_EQ(m_feed.stops, 1);

  // Ten seconds of silence, and messages that make no sound, leave the feed stopped.
  m_pause.check(m_start + 16s);
  m_pause.send(message(status::kControlChange, 7, 90));
  m_pause.send(kNoteOffC);
  EXPECT_FALSE(m_pause.feeding());
  EXPECT_EQ(m_feed.starts, 0);

  m_pause.send(kNoteOnE);
  EXPECT_TRUE(m_pause.feeding());
  EXPECT_EQ(m_feed.starts, 1);
  EXPECT_FALSE(m_feed.soundingAtStart) << "the note reached the synthesizer before the feed ran";
  ASSERT_TRUE(m_synth->sounding());

  const std::vector<float> firstPeriod = m_synth->render(kPeriodFrames);
  const std::unique_ptr<FluidSynthesizer> fresh = synthesizer();
  fresh->send(message(status::kControlChange, 7, 90));
  fresh->send(kNoteOnE);
  const std::vector<float> freshPeriod = fresh->render(kPeriodFrames);
  ASSERT_EQ(firstPeriod.size(), freshPeriod.size());
  float loudest = 0;
  for (std::size_t i = 0; i < firstPeriod.size(); ++i) {
    // The two onsets differ by up to 6e-5 in their first frames, 80 dB under the attack.
    EXPECT_NEAR(firstPeriod[i], freshPeriod[i], 1e-4f) << "sample " << i;
    loudest = std::max(loudest, std::abs(firstPeriod[i]));
  }
  EXPECT_GT(loudest, 0.01f) << "the attack is missing";
}

TEST_F(SilentFeedPause, KeepsFeedingWhileANoteSoundsAndCountsTheQuietFromTheLastNote) {
  m_pause.send(kNoteOnC);
  renderSeconds(0.1);
  m_pause.check(m_start);
  m_pause.check(m_start + 10s);
  EXPECT_TRUE(m_pause.feeding()) << "a held note was cut off";

  m_pause.send(kNoteOffC);
  renderSeconds(3.0);
  m_pause.check(m_start + 11s);  // the quiet begins
  m_pause.send(kNoteOnC);        // and a note ends it, whether or not it is rendered yet
  m_pause.send(kNoteOffC);
  renderSeconds(3.0);
  m_pause.check(m_start + 12s);
  m_pause.check(m_start + 13s);
  EXPECT_TRUE(m_pause.feeding()) << "the quiet was counted from before the last note";
  m_pause.check(m_start + 14s);
  EXPECT_FALSE(m_pause.feeding());
  EXPECT_EQ(m_feed.starts, 0);
}

}  // namespace
}  // namespace tonalis::midi
