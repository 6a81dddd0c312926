// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI input of a Linux desktop: the ALSA sequencer's and the JACK server's ports that
// play into other programs.
#pragma once

#include <string>
#include <vector>

#include "midi/event_queue.h"
#include "midi/input_worker.h"
#include "midi/midi_input.h"

namespace tonalis::midi {

class SystemMidiInput final : public QueuedEventSource<MidiInput, InputEvent> {
 public:
  // Returns at once; its thread then reads the port list.
  SystemMidiInput();
  // Waits until what was asked is done and the port is closed.
  ~SystemMidiInput() override;

  void listPorts() override;
  void open(const std::string& port) override;
  void close() override;

 private:
  InputWorker m_worker;  // last: it reports into the queue
};

}  // namespace tonalis::midi
