// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_midi_input.h"

#include <utility>

namespace tonalis::midi {

SystemMidiInput::SystemMidiInput() : m_worker(m_events) {
  m_worker.listPorts();
}

SystemMidiInput::~SystemMidiInput() = default;

void SystemMidiInput::listPorts() {
  m_worker.listPorts();
}

void SystemMidiInput::open(const std::string& port) {
  m_worker.open(port);
}

void SystemMidiInput::close() {
  m_worker.close();
}

}  // namespace tonalis::midi
