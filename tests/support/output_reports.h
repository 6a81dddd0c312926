// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a MIDI output's reports on a test's thread, as the window does on its own.
#pragma once

#include <string>
#include <vector>

#include "midi/midi_output.h"
#include "support/service_reports.h"

namespace tonalis::test {

class Reports : public ServiceReports<midi::MidiOutput> {
 public:
  using ServiceReports::ServiceReports;

  int opened() { return codeOf(midi::MidiEvent::Kind::kOpened); }
  int closed() { return codeOf(midi::MidiEvent::Kind::kClosed); }
  std::vector<std::string> listed() {
    const std::optional<midi::MidiEvent> event = next(midi::MidiEvent::Kind::kDevicesListed);
    return event ? event->devices : std::vector<std::string>{"(no list came)"};
  }

 private:
  int codeOf(midi::MidiEvent::Kind kind) {
    const std::optional<midi::MidiEvent> event = next(kind);
    return event ? event->code : -1;
  }
};

}  // namespace tonalis::test
