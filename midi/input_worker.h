// SPDX-License-Identifier: GPL-3.0-or-later
// The work of the system's MIDI input, done in the order it was asked for on a thread of its
// own, as the output's is: listing and opening ports can take long or hang behind another
// program. The notes come on the threads of the port open and go straight to the events.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "midi/alsa_input_port.h"
#include "midi/event_queue.h"
#include "midi/jack_midi_input.h"
#include "midi/midi_input.h"
#include "midi/midi_parser.h"
#include "midi/system_port.h"
#include "midi/work_thread.h"

namespace tonalis::midi {

class InputWorker {
 public:
  // Results and notes go to `events`, which must outlive the worker.
  explicit InputWorker(EventQueue<InputEvent>& events);
  // Does what was asked before, closes the port and stops the thread.
  ~InputWorker();
  InputWorker(const InputWorker&) = delete;
  InputWorker& operator=(const InputWorker&) = delete;

  // Each of these queues its work and returns; each reports as MidiInput's calls do.
  void listPorts();
  void open(std::string name);
  void close();

 private:
  void post(std::function<void()> work) { m_thread.post(std::move(work)); }
  // On the threads of the port open.
  void receive(std::span<const std::uint8_t> bytes, std::chrono::steady_clock::time_point arrival);

  // On the worker's thread.
  std::vector<SystemPort> readPorts();
  int openPort(const SystemPort& port);
  int closePort();
  void losePort();
  void checkAlsaPort();
  void checkJack();

  EventQueue<InputEvent>& m_events;
  std::mutex m_parserMutex;
  MidiParser m_parser;

  // Touched only by the worker's thread.
  std::vector<SystemPort> m_ports;
  std::unique_ptr<JackMidiInput> m_jack;
  std::unique_ptr<AlsaInputPort> m_alsa;
  std::optional<SystemPort> m_open;

  WorkThread m_thread;  // last: it starts once everything above exists
};

}  // namespace tonalis::midi
