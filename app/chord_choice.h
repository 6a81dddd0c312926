// SPDX-License-Identifier: GPL-3.0-or-later
// How the chord readout names chords, as chosen in the "Chord" menu, kept in the per-user
// settings file (UserSettings) for the next run.
#pragma once

#include "main_window/frm_main.h"

namespace tonalis {

frmMain::ChordChoice rememberedChordChoice();

}  // namespace tonalis
