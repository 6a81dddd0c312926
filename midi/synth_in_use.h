// What the built-in synthesizer plays with, for the program to tell the user: FluidSynth's
// version and the soundfont it loaded. Kept when the synthesizer is made, on the output's thread,
// and read on the window's.
#pragma once

#include <string>

namespace tonalis::midi {

// "FluidSynth 2.3.1, soundfont /usr/share/sounds/sf2/default-GM.sf2", or "FluidSynth not
// started" until a synthesizer has loaded its soundfont.
std::string synthInUse();

// Kept by the synthesizer when its soundfont has loaded.
void keepSoundFontInUse(const std::string& path);

}  // namespace tonalis::midi
