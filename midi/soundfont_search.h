// SPDX-License-Identifier: GPL-3.0-or-later
// Where the built-in synthesizer looks for a General MIDI soundfont.
#pragma once

#include <filesystem>
#include <vector>

namespace tonalis::midi {

// Places to look, in order. A file is a candidate itself; a directory offers every .sf2
// file below it, in name order.
using SoundFontSearch = std::vector<std::filesystem::path>;

// The usual places on Linux: Debian's default-GM alternative, FluidR3, the soundfonts tree.
SoundFontSearch defaultSoundFontSearch();

// The candidate files of a search, in order; places that do not exist give nothing.
std::vector<std::filesystem::path> soundFontCandidates(const SoundFontSearch& search);

}  // namespace tonalis::midi
