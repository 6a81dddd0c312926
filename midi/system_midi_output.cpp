#include "midi/system_midi_output.h"

#include <optional>
#include <utility>

#include "midi/fluid_synth_output.h"

namespace tonalis::midi {

SystemMidiOutput::SystemMidiOutput(SoundFontSearch soundFonts)
    : m_ports(listOutputPorts()), m_soundFonts(std::move(soundFonts)) {}

SystemMidiOutput::~SystemMidiOutput() {
  close();
}

int SystemMidiOutput::deviceCount() {
  return static_cast<int>(m_ports.size());
}

std::string SystemMidiOutput::deviceName(int id) {
  if (id < 0 || id >= deviceCount()) return {};
  return m_ports[static_cast<std::size_t>(id)].name;
}

int SystemMidiOutput::open(int id) {
  close();
  m_failureDetail.clear();
  if (id != kMidiMapper && (id < 0 || id >= deviceCount())) return kBadDeviceId;
  Opened<MessageSink> opened;
  if (id == kMidiMapper) {
    Opened<FluidSynthOutput> synth = FluidSynthOutput::open(m_soundFonts);
    opened = {std::move(synth.value), synth.code, std::move(synth.detail)};
  } else {
    opened = openOutputPort(m_ports[static_cast<std::size_t>(id)]);
  }
  m_output = std::move(opened.value);
  m_failureDetail = std::move(opened.detail);
  return opened.code;
}

int SystemMidiOutput::close() {
  if (!m_output) return kInvalidHandle;
  for (const ChannelMessage& release : m_sounding.releaseAll()) m_output->send(release);
  m_output.reset();
  return kOk;
}

int SystemMidiOutput::shortMessage(std::uint32_t message) {
  if (!m_output) return kInvalidHandle;
  const std::optional<ChannelMessage> decoded = decodeShortMessage(message);
  if (!decoded) return kInvalidParameter;
  const int code = m_output->send(*decoded);
  if (code == kOk) m_sounding.track(*decoded);
  return code;
}

}  // namespace tonalis::midi
