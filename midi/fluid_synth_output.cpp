#include "midi/fluid_synth_output.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "midi/fluid_log.h"
#include "midi/sound_servers.h"

namespace tonalis::midi {
namespace {

// Sound servers first: on a PipeWire-only desktop raw ALSA can take the card for itself.
// JACK last: it is silent unless a JACK server already runs.
constexpr std::array<std::string_view, 4> kDriverOrder{"pulseaudio", "pipewire", "alsa", "jack"};

std::vector<std::string> availableDrivers(fluid_settings_t* settings) {
  std::vector<std::string> drivers;
  fluid_settings_foreach_option(
      settings, "audio.driver", &drivers, [](void* list, const char*, const char* option) {
        static_cast<std::vector<std::string>*>(list)->emplace_back(option);
      });
  return drivers;
}

void nameTheClient(fluid_settings_t* settings) {
  fluid_settings_setstr(settings, "audio.jack.id", kClientName);
  fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
}

}  // namespace

FluidSynthOutput::FluidSynthOutput(std::unique_ptr<FluidSynthesizer> synthesizer,
                                   FluidAudioDriverPtr driver)
    : m_synthesizer(std::move(synthesizer)), m_driver(std::move(driver)) {}

Opened<FluidSynthOutput> FluidSynthOutput::open(const SoundFontSearch& search) {
  Opened<FluidSynthesizer> synthesizer = FluidSynthesizer::create(search);
  if (!synthesizer.value) {
    return Opened<FluidSynthOutput>::failure(synthesizer.code, std::move(synthesizer.detail));
  }

  quietSoundServers();
  fluid_settings_t* settings = synthesizer.value->settings();
  nameTheClient(settings);
  const std::vector<std::string> available = availableDrivers(settings);
  FluidErrorCapture errors;
  for (const std::string_view name : kDriverOrder) {
    if (std::ranges::find(available, name) == available.end()) continue;
    fluid_settings_setstr(settings, "audio.driver", std::string(name).c_str());
    FluidAudioDriverPtr driver(new_fluid_audio_driver(settings, synthesizer.value->synth()));
    if (driver) {
      return {std::unique_ptr<FluidSynthOutput>(
          new FluidSynthOutput(std::move(synthesizer.value), std::move(driver)))};
    }
  }
  errors.reportKept();
  return Opened<FluidSynthOutput>::failure(kNoDriver);
}

int FluidSynthOutput::send(const ChannelMessage& message) {
  return m_synthesizer->send(message);
}

}  // namespace tonalis::midi
