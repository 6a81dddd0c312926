// SPDX-License-Identifier: GPL-3.0-or-later
// The soundfont the user chose for the built-in synthesizer: the TONALIS_SOUNDFONT environment
// variable, then the "soundfont" entry of the per-user settings file, then the usual places.
#pragma once

#include "midi/soundfont_search.h"

namespace tonalis {

inline constexpr const char* kSoundFontVariable = "TONALIS_SOUNDFONT";

// The places to look, the user's choices first; a choice that is not set is left out.
midi::SoundFontSearch chosenSoundFontSearch();

}  // namespace tonalis
