// The main window's state record: the marker position tables, the note names and the MIDI
// settings, shared by the window's handlers. All zero or empty until the load step fills it.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tonalis {

namespace midi {
class MidiOutput;
}

struct WindowState {
  // Marker x by chart key 1..17 and column 1..3, marker y by chart key and row 1..10, in twips
  // inside the chart frame. Index 0 of every dimension is unused.
  std::array<std::array<std::int16_t, 4>, 18> dotX{};
  std::array<std::array<std::int16_t, 11>, 18> dotY{};
  std::array<QString, 25> noteNames;  // key index 1..24
  std::int32_t deviceCount = 0;
  std::int32_t curDevice = 0;            // "Devices" entry minus one; -1 is the MIDI mapper
  midi::MidiOutput* hMidiOut = nullptr;  // the output while it is open
  std::int32_t midiRc = 0;               // result of the last close or open
  std::int32_t midiMsg = 0;              // the last short message sent
  std::int16_t midiChannel = 0;          // added to the status of key notes
  std::int16_t noteVelocity = 0;
  std::int16_t baseNote = 0;  // MIDI note of key 1
};

}  // namespace tonalis
