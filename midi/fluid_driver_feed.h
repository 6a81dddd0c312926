// SPDX-License-Identifier: GPL-3.0-or-later
// The sound feed of a FluidSynth audio driver: the audio system named by the settings'
// "audio.driver" pulls the synthesizer's sound while the driver exists.
#pragma once

#include <cstdint>

#include "midi/fluid_handles.h"
#include "midi/sound_feed.h"

namespace tonalis::midi {

class FluidDriverFeed final : public SoundFeed {
 public:
  // Both must outlive the feed. `onJack`: the driver is a JACK client.
  FluidDriverFeed(fluid_settings_t* settings, fluid_synth_t* synth, bool onJack);
  ~FluidDriverFeed() override;
  FluidDriverFeed(const FluidDriverFeed&) = delete;
  FluidDriverFeed& operator=(const FluidDriverFeed&) = delete;

  bool start() override;
  void stop() override;
  // Whether the driver is a JACK client whose server went: it is then kept, never deleted,
  // and its thread may still reach the synthesizer until libjack closes its client.
  bool serverWent() const;

 private:
  fluid_settings_t* m_settings;
  fluid_synth_t* m_synth;
  bool m_onJack;
  std::uint64_t m_jackDeparturesAtStart = 0;
  FluidAudioDriverPtr m_driver;
};

}  // namespace tonalis::midi
