// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the interval between two notes, as the chord reader gives for two keys.
#pragma once

#include <string>

namespace tonalis::theory {

// The name of an interval of `semitones` (1 and up): "minor second" .. "major seventh",
// "octave", then the compound names up to "two octaves" ("major ninth", "perfect twelfth").
// Wider intervals are named by their simple interval and the octaves added to it
// ("perfect fifth plus two octaves"). Zero semitones is a "unison".
std::string intervalName(int semitones);

}  // namespace tonalis::theory
