// SPDX-License-Identifier: GPL-3.0-or-later
// FluidSynth's functions, taken from its shared library the first time the synthesizer is
// made. The library is not linked into the program: it brings some sixty more (audio drivers,
// sample codecs, instrument formats) that would all be mapped and bound before the first
// window could be painted, on the window's thread, which never calls them.
#pragma once

#include <fluidsynth.h>

#include <string>

namespace tonalis::midi {

// Every FluidSynth function the program calls.
#define TONALIS_FLUID_FUNCTIONS(X)      \
  X(new_fluid_settings)                 \
  X(delete_fluid_settings)              \
  X(fluid_settings_setint)              \
  X(fluid_settings_setstr)              \
  X(fluid_settings_getnum)              \
  X(fluid_settings_foreach_option)      \
  X(new_fluid_synth)                    \
  X(delete_fluid_synth)                 \
  X(fluid_is_soundfont)                 \
  X(fluid_synth_sfload)                 \
  X(fluid_synth_sfunload)               \
  X(fluid_synth_noteon)                 \
  X(fluid_synth_noteoff)                \
  X(fluid_synth_key_pressure)           \
  X(fluid_synth_cc)                     \
  X(fluid_synth_program_change)         \
  X(fluid_synth_channel_pressure)       \
  X(fluid_synth_pitch_bend)             \
  X(fluid_synth_write_float)            \
  X(fluid_synth_get_active_voice_count) \
  X(new_fluid_audio_driver)             \
  X(delete_fluid_audio_driver)          \
  X(fluid_set_log_function)             \
  X(fluid_version_str)

struct FluidLibrary {
#define TONALIS_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
  TONALIS_FLUID_FUNCTIONS(TONALIS_FLUID_MEMBER)
#undef TONALIS_FLUID_MEMBER
};

// Loads the library on the first call, from any thread; later calls give the same result.
// On failure the functions are null and `error` says why.
struct LoadedFluidLibrary {
  FluidLibrary functions;
  std::string error;
  bool loaded() const { return error.empty(); }
};
const LoadedFluidLibrary& loadFluidLibrary();

// The functions, once loadFluidLibrary() has succeeded: everything that holds a FluidSynth
// handle was made after it did.
const FluidLibrary& fluid();

}  // namespace tonalis::midi
