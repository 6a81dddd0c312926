// SPDX-License-Identifier: GPL-3.0-or-later
// FluidSynth's C handles, owned.
#pragma once

#include <memory>

#include "midi/fluid_library.h"

namespace tonalis::midi {

template <auto Delete>
struct FluidDeleter {
  template <class Handle>
  void operator()(Handle* handle) const {
    (fluid().*Delete)(handle);
  }
};

using FluidSettingsPtr =
    std::unique_ptr<fluid_settings_t, FluidDeleter<&FluidLibrary::delete_fluid_settings>>;
using FluidSynthPtr =
    std::unique_ptr<fluid_synth_t, FluidDeleter<&FluidLibrary::delete_fluid_synth>>;
using FluidAudioDriverPtr =
    std::unique_ptr<fluid_audio_driver_t, FluidDeleter<&FluidLibrary::delete_fluid_audio_driver>>;

}  // namespace tonalis::midi
