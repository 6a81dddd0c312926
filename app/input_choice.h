// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI keyboard the user chose in the "Input" menu, kept by port name in the per-user
// settings file (~/.config/Tonalis/Tonalis.conf, entry "input") for the next run.
#pragma once

#include "main_window/frm_main.h"

namespace tonalis {

frmMain::InputChoice rememberedInputChoice();

}  // namespace tonalis
