// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_midi_output.h"

#include <optional>
#include <utility>

namespace tonalis::midi {

SystemMidiOutput::SystemMidiOutput(SoundFontSearch soundFonts)
    : m_worker(std::move(soundFonts), m_events) {
  m_worker.listDevices();
  m_worker.prepareMapper();
}

SystemMidiOutput::~SystemMidiOutput() = default;

void SystemMidiOutput::setWakeUp(std::function<void()> wakeUp) {
  m_events.setWakeUp(std::move(wakeUp));
}

std::vector<MidiEvent> SystemMidiOutput::takeEvents() {
  std::vector<MidiEvent> events = m_events.take();
  for (const MidiEvent& event : events) {
    if (event.kind == MidiEvent::Kind::kDevicesListed) m_devices = event.devices;
  }
  return events;
}

int SystemMidiOutput::deviceCount() {
  return static_cast<int>(m_devices.size());
}

std::string SystemMidiOutput::deviceName(int id) {
  if (id < 0 || id >= deviceCount()) return {};
  return m_devices[static_cast<std::size_t>(id)];
}

void SystemMidiOutput::listDevices() {
  m_worker.listDevices();
}

void SystemMidiOutput::open(int id) {
  if (id == kMidiMapper) {
    m_worker.openMapper();
  } else if (id < 0 || id >= deviceCount()) {
    m_worker.openDevice(std::nullopt);
  } else {
    m_worker.openDevice(m_devices[static_cast<std::size_t>(id)]);
  }
}

void SystemMidiOutput::close() {
  m_worker.close();
}

void SystemMidiOutput::chooseSoundFont(const std::string& file) {
  m_worker.chooseSoundFont(file);
}

int SystemMidiOutput::shortMessage(std::uint32_t message) {
  const std::optional<ChannelMessage> decoded = decodeShortMessage(message);
  if (!decoded) return kInvalidParameter;
  m_worker.send(*decoded);
  return kOk;
}

}  // namespace tonalis::midi
