// SPDX-License-Identifier: GPL-3.0-or-later
// The chords of the history as a Standard MIDI File other programs open: format 0, one track on
// channel 1, 480 ticks a quarter note at 120 beats a minute in 4/4. The chords follow each
// other: a played chord lasts as long as it was held, with the velocities it was played with;
// a chord that was not played lasts one bar at kUnplayedVelocity.
//
// The writer is the program's own: the file is a handful of fixed chunks, and the one library
// Debian packages for it (libsmf) has had no release for over a decade.
#pragma once

#include <string>
#include <vector>

#include "player/chord_history.h"

namespace tonalis {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerBar = 4 * kTicksPerQuarter;
inline constexpr int kUnplayedVelocity = 100;

// The bytes of the file.
std::string standardMidiFile(const std::vector<HistoryEntry>& entries);

}  // namespace tonalis
