// "MIDI Mapper": the built-in synthesizer playing through the first sound system that
// starts here.
#pragma once

#include <memory>

#include "midi/fluid_synthesizer.h"

namespace tonalis::midi {

class FluidSynthOutput final : public MessageSink {
 public:
  // kNoSoundFont or kBadSoundFont without a usable soundfont, kNoDriver when no sound system
  // starts.
  static Opened<FluidSynthOutput> open(const SoundFontSearch& search);

  int send(const ChannelMessage& message) override;

 private:
  FluidSynthOutput(std::unique_ptr<FluidSynthesizer> synthesizer, FluidAudioDriverPtr driver);

  std::unique_ptr<FluidSynthesizer> m_synthesizer;
  // Declared after the synthesizer: the driver's thread renders from it until it stops.
  FluidAudioDriverPtr m_driver;
};

}  // namespace tonalis::midi
