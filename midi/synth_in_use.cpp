// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/synth_in_use.h"

#include <mutex>

#include "midi/fluid_library.h"

namespace tonalis::midi {

namespace {
std::mutex g_mutex;
std::string g_soundFont;
}  // namespace

std::string synthInUse() {
  std::string soundFont;
  {
    const std::lock_guard lock(g_mutex);
    soundFont = g_soundFont;
  }
  // The library is loaded with the synthesizer; until then there is no version to ask.
  if (soundFont.empty()) return "FluidSynth not started";
  return std::string("FluidSynth ") + fluid().fluid_version_str() + ", soundfont " + soundFont;
}

void keepSoundFontInUse(const std::string& path) {
  const std::lock_guard lock(g_mutex);
  g_soundFont = path;
}

}  // namespace tonalis::midi
