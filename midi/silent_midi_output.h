// SPDX-License-Identifier: GPL-3.0-or-later
// An output without devices that opens at once and plays nothing: for tools and benchmarks
// that show or measure the window alone. Header only; it needs none of the MIDI libraries.
#pragma once

#include "midi/event_queue.h"
#include "midi/midi_output.h"

namespace tonalis::midi {

class SilentMidiOutput : public QueuedEventSource<MidiOutput, MidiEvent> {
 public:
  SilentMidiOutput() { listDevices(); }

  void listDevices() override { m_events.push(MidiEvent::listed({})); }
  void open(const std::string&) override { m_events.push(MidiEvent::opened(kOk)); }
  void close() override { m_events.push(MidiEvent::closed(kOk)); }
  void chooseSoundFont(const std::string& file) override {
    m_events.push(MidiEvent::soundFontLoaded(file));
  }
  int shortMessage(std::uint32_t) override { return kOk; }
};

}  // namespace tonalis::midi
