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

class JackMidiInput final : private JackCallbacks {
 public:
  // Called on a thread of this client with each MIDI message received, in order, and when it
  // reached the program.
  using Received =
      std::function<void(std::span<const std::uint8_t>, std::chrono::steady_clock::time_point)>;

  // Null when there is no server. `changed` is called from a JACK thread when the server
  // shuts down or when ports or connections change: it must only take note.
  static std::unique_ptr<JackMidiInput> open(std::function<void()> changed, Received received);
  ~JackMidiInput() override;
  JackMidiInput(const JackMidiInput&) = delete;
  JackMidiInput& operator=(const JackMidiInput&) = delete;

  // False once the server has gone; then nothing here reaches it any more.
  bool alive() const { return m_client->alive(); }
  // Full names of the other clients' MIDI output ports, in the server's port order.
  std::vector<std::string> outputPorts() const;

  // Listens to `port` from now on, and to it alone; kBadDeviceId when there is no such port.
  int connect(const std::string& port);
  // Stops listening; once it returns, nothing more is received.
  void disconnect();
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
  jack_port_t* m_input = nullptr;
  // Messages from the server's thread, which must not wait, to the delivering thread.
  jack_ringbuffer_t* m_arrived = nullptr;
  sem_t m_arrival{};
  std::mutex m_deliveryMutex;  // held while a message is delivered
  std::string m_connectedTo;
  JackCycleCount m_cycles;
  unsigned long m_connectedAt = 0;  // m_cycles when connected
  std::atomic<bool> m_stopping{false};
  std::thread m_delivery;
  // Last: its callbacks use everything above.
  std::unique_ptr<OwnJackClient> m_client;
};

}  // namespace tonalis::midi
