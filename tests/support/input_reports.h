// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a MIDI input's reports on a test's thread, as the window does on its own.
#pragma once

#include <string>
#include <vector>

#include "midi/midi_input.h"
#include "support/service_reports.h"

namespace tonalis::test {

class InputReports : public ServiceReports<midi::MidiInput> {
 public:
  using ServiceReports::ServiceReports;
  using Kind = midi::InputEvent::Kind;

  int opened() { return codeOf(Kind::kOpened); }
  int closed() { return codeOf(Kind::kClosed); }
  std::vector<std::string> listed() {
    const std::optional<midi::InputEvent> event = next(Kind::kPortsListed);
    return event ? event->ports : std::vector<std::string>{"(no list came)"};
  }
  // The next `count` notes, fewer when they do not come in time.
  std::vector<midi::NoteEvent> notes(std::size_t count,
                                     std::chrono::milliseconds timeout = kReportTimeout) {
    std::vector<midi::NoteEvent> notes;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (notes.size() < count) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      const std::optional<midi::InputEvent> event = next(Kind::kNote, left);
      if (!event) break;
      notes.push_back(event->note);
    }
    return notes;
  }

 private:
  int codeOf(Kind kind) {
    const std::optional<midi::InputEvent> event = next(kind);
    return event ? event->code : -1;
  }
};

}  // namespace tonalis::test
