// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_midi_client.h"

#include <jack/midiport.h>

#include <array>
#include <chrono>
#include <thread>
#include <utility>

namespace tonalis::midi {
namespace {

using namespace std::chrono_literals;

// Each queued message takes a record of this size: its length, then up to three bytes.
constexpr std::size_t kRecordSize = 4;
constexpr std::size_t kPendingBytes = 1024 * kRecordSize;
constexpr auto kPollInterval = 2ms;
// A receiving client that is stopped holds up the whole server; what waits is still sent
// when it goes on, unless it stays stopped this long.
constexpr auto kSendTimeout = 10s;

}  // namespace

JackMidiClient::JackMidiClient(std::function<void()> serverGone)
    : JackPortClient("MIDI out", JackPortIsOutput), m_serverGone(std::move(serverGone)) {}

std::unique_ptr<JackMidiClient> JackMidiClient::open(std::function<void()> serverGone) {
  std::unique_ptr<JackMidiClient> opened(new JackMidiClient(std::move(serverGone)));
  opened->m_pending = jack_ringbuffer_create(kPendingBytes);
  if (!opened->openClient(false)) return nullptr;
  return opened;
}

JackMidiClient::~JackMidiClient() {
  closeClient();
  jack_ringbuffer_free(m_pending);
}

void JackMidiClient::disconnect() {
  if (m_port.connectedTo().empty()) return;
  waitUntilSent();
  m_port.disconnect(*m_client);
}

int JackMidiClient::send(const ChannelMessage& message) {
  if (!alive()) return kBadDeviceId;
  if (m_port.connectedTo().empty()) return kInvalidHandle;
  if (!waitForRoom()) return alive() ? kError : kBadDeviceId;
  std::array<char, kRecordSize> record{};
  record[0] = static_cast<char>(message.size);
  for (std::size_t i = 0; i < message.size; ++i)
    record[i + 1] = static_cast<char>(message.bytes[i]);
  jack_ringbuffer_write(m_pending, record.data(), record.size());
  return kOk;
}

// The last records read in a cycle reach the receiver in that cycle; one more cycle after
// the queue is empty makes sure of it.
void JackMidiClient::waitUntilSent() {
  const auto deadline = std::chrono::steady_clock::now() + kSendTimeout;
  while (alive() && jack_ringbuffer_read_space(m_pending) > 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
  m_cycles.waitForTwoAfter(m_cycles.now(), *m_client, deadline);
}

// A note-off must not be dropped because a stopped client holds the server up for a while.
bool JackMidiClient::waitForRoom() {
  const auto deadline = std::chrono::steady_clock::now() + kSendTimeout;
  while (jack_ringbuffer_write_space(m_pending) < kRecordSize) {
    if (!alive() || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

int JackMidiClient::process(jack_nframes_t frames) {
  void* buffer = jack_port_get_buffer(m_port.get(), frames);
  jack_midi_clear_buffer(buffer);
  std::array<char, kRecordSize> record{};
  jack_nframes_t time = 0;
  while (jack_ringbuffer_peek(m_pending, record.data(), kRecordSize) == kRecordSize) {
    const auto size = static_cast<std::size_t>(record[0]);
    // A full buffer keeps the rest for the next cycle, in order.
    if (jack_midi_event_write(buffer, time, reinterpret_cast<jack_midi_data_t*>(&record[1]),
                              size) != 0) {
      break;
    }
    jack_ringbuffer_read_advance(m_pending, kRecordSize);
    if (time + 1 < frames) ++time;
  }
  m_cycles.passed();
  return 0;
}

void JackMidiClient::serverGone() {
  m_serverGone();
}

}  // namespace tonalis::midi
