// How the chord readout names chords, as chosen in the "Chord" menu, kept in the per-user
// settings file (~/.config/Tonalis/Tonalis.conf, entries "chordKey", such as "G minor",
// "automatic" or empty for none, and "chordStyle", "analysis" or "lead-sheet") for the next run.
#pragma once

#include "main_window/frm_main.h"

namespace tonalis {

frmMain::ChordChoice rememberedChordChoice();

}  // namespace tonalis
