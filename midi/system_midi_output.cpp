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

void SystemMidiOutput::listDevices() {
  m_worker.listDevices();
}

void SystemMidiOutput::open(const std::string& device) {
  if (device == kMidiMapper) {
    m_worker.openMapper();
  } else {
    m_worker.openDevice(device);
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
