// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI output of a Linux desktop: "MIDI Mapper" (kMidiMapper) is the built-in
// synthesizer, the devices listed are the ALSA sequencer's and the JACK server's output ports.
#pragma once

#include <string>
#include <vector>

#include "midi/event_queue.h"
#include "midi/midi_output.h"
#include "midi/output_worker.h"
#include "midi/soundfont_search.h"

namespace tonalis::midi {

class SystemMidiOutput final : public QueuedEventSource<MidiOutput, MidiEvent> {
 public:
  // Returns at once; its thread then reads the device list and starts the built-in
  // synthesizer, so that both are ready when they are asked for.
  explicit SystemMidiOutput(SoundFontSearch soundFonts = defaultSoundFontSearch());
  // Waits until what was asked is done and the output is closed, its notes stopped.
  ~SystemMidiOutput() override;

  void listDevices() override;
  void open(const std::string& device) override;
  void close() override;
  void chooseSoundFont(const std::string& file) override;
  int shortMessage(std::uint32_t message) override;

 private:
  OutputWorker m_worker;  // last: it reports into the members above
};

}  // namespace tonalis::midi
