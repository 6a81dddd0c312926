// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_midi_input.h"

#include <jack/midiport.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "midi/midi_output.h"

namespace tonalis::midi {
namespace {

constexpr std::size_t kArrivedBytes = 64 * 1024;
// How long a new connection may take to show, while a stopped client holds the server up.
constexpr auto kConnectionShowsTimeout = std::chrono::seconds(2);

// Each message waits as this header followed by its bytes.
struct Header {
  std::uint32_t size;
  std::chrono::steady_clock::rep arrival;
};

}  // namespace

JackMidiInput::JackMidiInput(std::function<void()> changed, Received received)
    : JackPortClient("MIDI in", JackPortIsInput),
      m_changed(std::move(changed)),
      m_received(std::move(received)) {}

std::unique_ptr<JackMidiInput> JackMidiInput::open(std::function<void()> changed,
                                                   Received received) {
  std::unique_ptr<JackMidiInput> opened(new JackMidiInput(std::move(changed), std::move(received)));
  JackMidiInput& input = *opened;
  input.m_arrived = jack_ringbuffer_create(kArrivedBytes);
  sem_init(&input.m_arrival, 0, 0);
  input.m_delivery = std::thread([&input] { input.deliver(); });
  if (!input.openClient(true)) return nullptr;
  return opened;
}

JackMidiInput::~JackMidiInput() {
  closeClient();
  m_stopping.store(true);
  sem_post(&m_arrival);
  m_delivery.join();
  sem_destroy(&m_arrival);
  jack_ringbuffer_free(m_arrived);
}

void JackMidiInput::disconnect() {
  if (m_port.connectedTo().empty()) return;
  // Deactivating also ends the server's calls into this client.
  m_port.disconnect(*m_client);
  const std::lock_guard lock(m_deliveryMutex);
  jack_ringbuffer_reset(m_arrived);
}

bool JackMidiInput::connected() const {
  const std::string& other = m_port.connectedTo();
  if (!alive() || other.empty()) return false;
  // The server writes a connection into its graph at once but shows it to its clients from
  // the next cycle on: asked too early, it would still say no.
  m_cycles.waitForTwoAfter(m_connectedAt, *m_client,
                           std::chrono::steady_clock::now() + kConnectionShowsTimeout);
  return jack_port_connected_to(m_port.get(), other.c_str()) != 0;
}

int JackMidiInput::process(jack_nframes_t frames) {
  m_cycles.passed();
  void* buffer = jack_port_get_buffer(m_port.get(), frames);
  const jack_nframes_t count = jack_midi_get_event_count(buffer);
  if (count == 0) return 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  for (jack_nframes_t i = 0; i < count; ++i) {
    jack_midi_event_t event{};
    if (jack_midi_event_get(&event, buffer, i) != 0) continue;
    const Header header{static_cast<std::uint32_t>(event.size), now};
    // When the delivering thread falls this far behind, what does not fit is dropped
    // whole: a message cut short could be read as another.
    if (jack_ringbuffer_write_space(m_arrived) < sizeof header + event.size) break;
    jack_ringbuffer_write(m_arrived, reinterpret_cast<const char*>(&header), sizeof header);
    jack_ringbuffer_write(m_arrived, reinterpret_cast<const char*>(event.buffer), event.size);
  }
  sem_post(&m_arrival);
  return 0;
}

void JackMidiInput::deliver() {
  std::vector<std::uint8_t> message;
  while (!m_stopping.load()) {
    while (sem_wait(&m_arrival) != 0 && errno == EINTR) {
    }
    const std::lock_guard lock(m_deliveryMutex);
    Header header{};
    // The server's thread writes a header before its bytes: a message is taken once whole.
    while (jack_ringbuffer_peek(m_arrived, reinterpret_cast<char*>(&header), sizeof header) ==
               sizeof header &&
           jack_ringbuffer_read_space(m_arrived) >= sizeof header + header.size) {
      jack_ringbuffer_read_advance(m_arrived, sizeof header);
      message.resize(header.size);
      jack_ringbuffer_read(m_arrived, reinterpret_cast<char*>(message.data()), header.size);
      const std::chrono::steady_clock::time_point arrival{
          std::chrono::steady_clock::duration(header.arrival)};
      m_received(message, arrival);
    }
  }
}

void JackMidiInput::serverGone() {
  m_changed();
}

void JackMidiInput::portsChanged() {
  m_changed();
}

}  // namespace tonalis::midi
