// FluidSynth's C handles, owned.
#pragma once

#include <fluidsynth.h>

#include <memory>

namespace tonalis::midi {

template <auto Delete>
struct FluidDeleter {
  template <class Handle>
  void operator()(Handle* handle) const {
    Delete(handle);
  }
};

using FluidSettingsPtr = std::unique_ptr<fluid_settings_t, FluidDeleter<&delete_fluid_settings>>;
using FluidSynthPtr = std::unique_ptr<fluid_synth_t, FluidDeleter<&delete_fluid_synth>>;
using FluidAudioDriverPtr =
    std::unique_ptr<fluid_audio_driver_t, FluidDeleter<&delete_fluid_audio_driver>>;

}  // namespace tonalis::midi
