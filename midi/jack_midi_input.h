// SPDX-License-Identifier: GPL-3.0-or-later
// This program's JACK client for listening: it lists the MIDI output ports of the other
// clients and takes what one of them plays through its own input port. Like the output's
// client it is opened once and kept while the server runs; choosing another port moves only
// its connection.
#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>
#include <semaphore.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/jack_clients.h"

namespace tonalis::midi {

class JackMidiInput final : public JackPortClient {
 public:
  // Called on a thread of this client with each MIDI message received, in order, and when it
  // reached the program.
  using Received =
      std::function<void(std::span<const std::uint8_t>, std::chrono::steady_clock::time_point)>;

  // Null when there is no server. `changed` is called from a JACK thread when the server
  // shuts down or when ports or connections change: it must only take note.
  static std::unique_ptr<JackMidiInput> open(std::function<void()> changed, Received received);
  ~JackMidiInput() override;

  // Listens to the port connect() names, one of the MIDI output ports otherPorts() lists.
  // Stops listening; once it returns, nothing more is received.
  void disconnect() override;
  // Whether the port connected to still plays into this client. Right after connecting, waits
  // (on the calling thread, briefly) until the server shows the new connection to its clients.
  bool connected() const;

 private:
  JackMidiInput(std::function<void()> changed, Received received);
  int process(jack_nframes_t frames) override;
  void serverGone() override;
  void portsChanged() override;
  void deliver();

  std::function<void()> m_changed;
  Received m_received;
  // Messages from the server's thread, which must not wait, to the delivering thread.
  jack_ringbuffer_t* m_arrived = nullptr;
  sem_t m_arrival{};
  std::mutex m_deliveryMutex;  // held while a message is delivered
  std::atomic<bool> m_stopping{false};
  std::thread m_delivery;
};

}  // namespace tonalis::midi
