// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI input service the window talks to: the input ports of the ALSA sequencer and the
// JACK server, one of them open, and the notes played on it. Every call returns at once: the
// service does the work on a thread of its own, in the order of the calls, and reports what
// the window must know, the notes included, as events.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "midi/event_source.h"
#include "midi/midi_output.h"
#include "midi/note_event.h"

namespace tonalis::midi {

struct InputEvent {
  enum class Kind {
    kPortsListed,  // a fresh port list is in `ports`
    kOpened,       // an open() has been done; `code` says how it went, `port` names it
    kClosed,       // a close() has been done; `code` is kInvalidHandle when nothing was open
    kPortLost,     // the open `port` went away; nothing is open any more
    kNote,         // `note` was played on the open port
  };
  Kind kind{};
  int code = kOk;
  std::string port;
  std::vector<std::string> ports;
  NoteEvent note{};

  static InputEvent listed(std::vector<std::string> names) {
    return {Kind::kPortsListed, kOk, {}, std::move(names), {}};
  }
  static InputEvent opened(int result, std::string name) {
    return {Kind::kOpened, result, std::move(name), {}, {}};
  }
  static InputEvent closed(int result) { return {Kind::kClosed, result, {}, {}, {}}; }
  static InputEvent lost(std::string name) {
    return {Kind::kPortLost, kBadDeviceId, std::move(name), {}, {}};
  }
  static InputEvent played(const NoteEvent& note) { return {Kind::kNote, kOk, {}, {}, note}; }
};

class MidiInput : public EventSource<InputEvent> {
 public:
  // Reads the port list again; kPortsListed follows. The service also reads it once when it
  // starts. This program's own ports are never among them.
  virtual void listPorts() = 0;
  // Closes the port open, if any, and opens the port of that name; kOpened follows, with
  // kBadDeviceId when there is no such port.
  virtual void open(const std::string& port) = 0;
  // Closes the port open; kClosed follows. No note of it comes after kClosed.
  virtual void close() = 0;
};

}  // namespace tonalis::midi
