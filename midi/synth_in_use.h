// SPDX-License-Identifier: GPL-3.0-or-later
// What the built-in synthesizer plays with, for the program to tell the user: FluidSynth's
// version and the soundfont it loaded. Kept when the synthesizer starts sounding, on the
// output's thread, and read on the window's.
#pragma once

#include <string>

namespace tonalis::midi {

// "FluidSynth 2.3.1, soundfont /usr/share/sounds/sf2/default-GM.sf2", or "FluidSynth not
// started" until a synthesizer has sounded through a sound system.
std::string synthInUse();

// Kept by the synthesizer once it sounds with the soundfont at `path`.
void keepSoundFontInUse(const std::string& path);

}  // namespace tonalis::midi
