// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's state record: the note names and the output device, shared by the window's
// handlers. All zero or empty until the load step fills it. The marker places come from the
// geometry functions of layout.h, and what sounds, how loud and from which note is the note
// player's.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tonalis {

namespace midi {
class MidiOutput;
}

struct WindowState {
  std::array<QString, 25> noteNames;  // key index 1..24
  std::int32_t deviceCount = 0;
  std::int32_t curDevice = 0;            // "Devices" entry minus one; -1 is the MIDI mapper
  midi::MidiOutput* hMidiOut = nullptr;  // the output while it is open
  std::int32_t midiRc = 0;               // result of the last close or open
};

}  // namespace tonalis
