// "MIDI Mapper": the built-in synthesizer playing through the first sound system that
// starts here.
#pragma once

#include <memory>
#include <string>

#include "midi/fluid_synthesizer.h"

namespace tonalis::midi {

class FluidSynthOutput final : public MessageSink {
 public:
  // kNoSoundFont without a usable soundfont, kNoDriver when no sound system starts.
  static Opened<FluidSynthOutput> open(const SoundFontSearch& search);

  int send(const ChannelMessage& message) override;

  // The FluidSynth audio driver that started, e.g. "pulseaudio".
  const std::string& driverName() const { return m_driverName; }

 private:
  FluidSynthOutput(std::unique_ptr<FluidSynthesizer> synthesizer, FluidAudioDriverPtr driver,
                   std::string driverName);

  std::unique_ptr<FluidSynthesizer> m_synthesizer;
  // Declared after the synthesizer: the driver's thread renders from it until it stops.
  FluidAudioDriverPtr m_driver;
  std::string m_driverName;
};

}  // namespace tonalis::midi
