// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_midi_input.h"

#include <utility>

namespace tonalis::midi {

SystemMidiInput::SystemMidiInput() : m_worker(m_events) {
  m_worker.listPorts();
}

SystemMidiInput::~SystemMidiInput() = default;

void SystemMidiInput::setWakeUp(std::function<void()> wakeUp) {
  m_events.setWakeUp(std::move(wakeUp));
}

std::vector<InputEvent> SystemMidiInput::takeEvents() {
  return m_events.take();
}

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
