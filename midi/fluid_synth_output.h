// SPDX-License-Identifier: GPL-3.0-or-later
// "MIDI Mapper": the built-in synthesizer playing through the first sound system that
// starts here.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "midi/fluid_driver_feed.h"
#include "midi/fluid_synthesizer.h"
#include "midi/idle_pause.h"

namespace tonalis::midi {

class FluidSynthOutput final : public MessageSink {
 public:
  // kNoSoundFont or kBadSoundFont without a usable soundfont, kNoDriver when no sound system
  // starts.
  static Opened<FluidSynthOutput> open(const SoundFontSearch& search);

  ~FluidSynthOutput() override;
  FluidSynthOutput(const FluidSynthOutput&) = delete;
  FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

  int send(const ChannelMessage& message) override;

  FluidSynthesizer& synthesizer() { return *m_synthesizer; }

 private:
  FluidSynthOutput(std::unique_ptr<FluidSynthesizer> synthesizer,
                   std::unique_ptr<FluidDriverFeed> feed, bool pauseWhenSilent);
  void watchForSilence(const std::stop_token& stop);

  std::unique_ptr<FluidSynthesizer> m_synthesizer;
  // Declared after the synthesizer: the driver's thread renders from it until it stops.
  std::unique_ptr<FluidDriverFeed> m_feed;
  // None on JACK: there the server wakes every client each period whether it plays or not.
  std::unique_ptr<IdlePause> m_pause;
  std::mutex m_watchMutex;
  std::condition_variable_any m_watchWake;
  // Last: it uses the pause until it is joined.
  std::jthread m_silenceWatch;
};

}  // namespace tonalis::midi
