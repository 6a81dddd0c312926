// SPDX-License-Identifier: GPL-3.0-or-later
// The work of the system's MIDI output, done in the order it was asked for on a thread of its
// own: listing, opening and closing devices can take long or hang behind another program
// (a stopped JACK client holds up the whole server), and none of that may hold up the caller.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "midi/event_queue.h"
#include "midi/fluid_synth_output.h"
#include "midi/jack_midi_client.h"
#include "midi/message_sink.h"
#include "midi/midi_output.h"
#include "midi/soundfont_search.h"
#include "midi/sounding_notes.h"
#include "midi/system_port.h"
#include "midi/work_thread.h"

namespace tonalis::midi {

class OutputWorker {
 public:
  // Results go to `events`, which must outlive the worker.
  OutputWorker(SoundFontSearch soundFonts, EventQueue<MidiEvent>& events);
  // Does what was asked before, closes the output (ending its notes) and stops the thread.
  ~OutputWorker();
  OutputWorker(const OutputWorker&) = delete;
  OutputWorker& operator=(const OutputWorker&) = delete;

  // Each of these queues its work and returns; each reports as MidiOutput's calls do.
  void listDevices();
  // Starts the built-in synthesizer ahead of time; the next openMapper() takes it.
  void prepareMapper();
  void openMapper();
  // Opens the device of that name; kBadDeviceId when there is none.
  void openDevice(std::string name);
  void close();
  void send(const ChannelMessage& message);
  void chooseSoundFont(std::filesystem::path file);

 private:
  void post(std::function<void()> work) { m_thread.post(std::move(work)); }

  // On the worker's thread.
  std::vector<SystemPort> readPorts();
  void finishOpen(Opened<MessageSink> opened, std::string name, bool onJack);
  int closeOutput();
  void loseOutput();
  void jackServerGone();
  void reportSoundFont(FluidSynthesizer& synthesizer);
  std::optional<SoundFontFailure> tryOutSoundFont(const std::filesystem::path& file);

  SoundFontSearch m_soundFonts;
  EventQueue<MidiEvent>& m_events;

  // Touched only by the worker's thread.
  std::vector<SystemPort> m_ports;
  std::unique_ptr<JackMidiClient> m_jack;
  std::optional<Opened<FluidSynthOutput>> m_preparedMapper;
  std::unique_ptr<MessageSink> m_output;
  // The output when it is the built-in synthesizer.
  FluidSynthOutput* m_synthesizer = nullptr;
  // The soundfont the synthesizer played last, and the failures already reported: a file
  // that did not load is reported once, not at every open of the synthesizer.
  std::string m_playingSoundFont;
  std::vector<std::string> m_reportedSoundFonts;
  std::string m_outputName;
  bool m_outputOnJack = false;
  SoundingNotes m_sounding;

  WorkThread m_thread;  // last: it starts once everything above exists
};

}  // namespace tonalis::midi
