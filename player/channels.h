// SPDX-License-Identifier: GPL-3.0-or-later
// Who sounds on which MIDI channel. A note-off ends a note on its channel whoever started it,
// so every source of notes keeps channels of its own and none can silence another's note:
// the on-screen keys channel 1, the chart's chords channels 2 to 6 (one per note place, the
// lowest note on channel 2), the MIDI keyboard's thru channel 7. Channels count from 0 here.
#pragma once

namespace tonalis {

inline constexpr int kKeyChannel = 0;
inline constexpr int kFirstChordChannel = 1;
inline constexpr int kChordChannels = 5;
inline constexpr int kThruChannel = 6;

static_assert(kKeyChannel < kFirstChordChannel &&
              kFirstChordChannel + kChordChannels <= kThruChannel);

}  // namespace tonalis
