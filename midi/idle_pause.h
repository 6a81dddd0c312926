// SPDX-License-Identifier: GPL-3.0-or-later
// Stops the sound feed once the synthesizer has been silent for a while and starts it again
// on the next note-on, before the note reaches the synthesizer: the synthesizer renders
// nothing while the feed is stopped, so the note's attack is the first thing it renders.
// A running feed costs a wake-up of this program and of the sound server every audio
// period, silent or not.
#pragma once

#include <chrono>
#include <mutex>
#include <optional>

#include "midi/fluid_synthesizer.h"
#include "midi/sound_feed.h"

namespace tonalis::midi {

class IdlePause final : public MessageSink {
 public:
  using Clock = std::chrono::steady_clock;

  // The feed runs when the pause is made. Both must outlive it.
  IdlePause(FluidSynthesizer& synthesizer, SoundFeed& feed, Clock::duration quietBeforeStop);

  int send(const ChannelMessage& message) override;

  // Called now and then from any thread: stops the feed once no voice has sounded since
  // `quietBeforeStop` ago.
  void check(Clock::time_point now);

  bool feeding() const;

 private:
  FluidSynthesizer& m_synthesizer;
  SoundFeed& m_feed;
  const Clock::duration m_quietBeforeStop;
  mutable std::mutex m_mutex;
  bool m_feeding = true;
  std::optional<Clock::time_point> m_quietSince;
};

}  // namespace tonalis::midi
