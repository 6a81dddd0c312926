// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/input_worker.h"

#include <algorithm>
#include <utility>

namespace tonalis::midi {
namespace {

// The ALSA sequencer does not tell a listener that the port it listens to has gone, so the
// port is looked for this often.
constexpr auto kAlsaCheckInterval = std::chrono::milliseconds(1000);

}  // namespace

InputWorker::InputWorker(EventQueue<InputEvent>& events)
    : m_events(events), m_thread([this] { checkAlsaPort(); }, kAlsaCheckInterval) {}

InputWorker::~InputWorker() {
  post([this] {
    closePort();
    m_jack.reset();
  });
}

void InputWorker::listPorts() {
  post([this] {
    m_ports = readPorts();
    m_events.push(InputEvent::listed(portNames(m_ports)));
  });
}

void InputWorker::open(std::string name) {
  post([this, name = std::move(name)] {
    closePort();
    const SystemPort* port = findSystemPort(m_ports, name, [this] { return readPorts(); });
    m_events.push(InputEvent::opened(port ? openPort(*port) : kBadDeviceId, name));
  });
}

void InputWorker::close() {
  post([this] { m_events.push(InputEvent::closed(closePort())); });
}

void InputWorker::receive(std::span<const std::uint8_t> bytes,
                          std::chrono::steady_clock::time_point arrival) {
  const std::lock_guard lock(m_parserMutex);
  for (NoteEvent note : m_parser.feed(bytes)) {
    note.arrival = arrival;
    m_events.push(InputEvent::played(note));
  }
}

std::vector<SystemPort> InputWorker::readPorts() {
  std::vector<SystemPort> ports;
  for (std::string& name : listAlsaInputPorts())
    ports.push_back({PortSystem::kAlsa, std::move(name)});
  checkJack();
  if (!m_jack) {
    // Called on JACK threads: the worker looks at what changed in turn.
    m_jack = JackMidiInput::open(
        [this] { post([this] { checkJack(); }); },
        [this](std::span<const std::uint8_t> bytes, std::chrono::steady_clock::time_point arrival) {
          receive(bytes, arrival);
        });
  }
  if (m_jack) {
    for (std::string& name : m_jack->otherPorts()) {
      ports.push_back({PortSystem::kJack, std::move(name)});
    }
  }
  return ports;
}

int InputWorker::openPort(const SystemPort& port) {
  {
    const std::lock_guard lock(m_parserMutex);
    m_parser.reset();
  }
  int code = kOk;
  if (port.system == PortSystem::kAlsa) {
    Opened<AlsaInputPort> opened = openAlsaInputPort(
        port.name,
        [this](std::span<const std::uint8_t> bytes, std::chrono::steady_clock::time_point arrival) {
          receive(bytes, arrival);
        });
    m_alsa = std::move(opened.value);
    code = opened.code;
  } else {
    code = m_jack ? m_jack->connect(port.name) : kBadDeviceId;
  }
  if (code == kOk) m_open = port;
  return code;
}

int InputWorker::closePort() {
  if (!m_open) return kInvalidHandle;
  m_alsa.reset();
  if (m_jack) m_jack->disconnect();
  m_open.reset();
  return kOk;
}

void InputWorker::losePort() {
  const std::string name = m_open->name;
  closePort();
  m_events.push(InputEvent::lost(name));
}

void InputWorker::checkAlsaPort() {
  if (!m_open || m_open->system != PortSystem::kAlsa) return;
  const std::vector<std::string> ports = listAlsaInputPorts();
  if (std::ranges::find(ports, m_open->name) == ports.end()) losePort();
}

void InputWorker::checkJack() {
  if (!m_jack) return;
  const bool onJack = m_open && m_open->system == PortSystem::kJack;
  if (!m_jack->alive()) {
    if (onJack) losePort();
    m_jack.reset();
  } else if (onJack && !m_jack->connected()) {
    losePort();
  }
}

}  // namespace tonalis::midi
