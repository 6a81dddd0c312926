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

namespace tonalis::midi {

class JackMidiInput {
 public:
  // Called on a thread of this client with each MIDI message received, in order, and when it
  // reached the program.
  using Received =
      std::function<void(std::span<const std::uint8_t>, std::chrono::steady_clock::time_point)>;

  // Null when there is no server. `changed` is called from a JACK thread when the server
  // shuts down or when ports or connections change: it must only take note.
  static std::unique_ptr<JackMidiInput> open(std::function<void()> changed, Received received);
  ~JackMidiInput();
  JackMidiInput(const JackMidiInput&) = delete;
  JackMidiInput& operator=(const JackMidiInput&) = delete;

  // False once the server has gone; then nothing here reaches it any more.
  bool alive() const { return !m_gone.load(); }
  // Full names of the other clients' MIDI output ports, in the server's port order.
  std::vector<std::string> outputPorts() const;

  // Listens to `port` from now on, and to it alone; kBadDeviceId when there is no such port.
  int connect(const std::string& port);
  // Stops listening; once it returns, nothing more is received.
  void disconnect();
  // Whether the port connected to still plays into this client.
  bool connected() const;

 private:
  JackMidiInput(std::function<void()> changed, Received received);
  static int process(jack_nframes_t frames, void* self);
  static void shutDown(void* self);
  static void portsChanged(jack_port_id_t, jack_port_id_t, int, void* self);
  static void portRegistered(jack_port_id_t, int, void* self);
  void deliver();

  std::function<void()> m_changed;
  Received m_received;
  jack_client_t* m_client = nullptr;
  jack_port_t* m_input = nullptr;
  // Messages from the server's thread, which must not wait, to the delivering thread.
  jack_ringbuffer_t* m_arrived = nullptr;
  sem_t m_arrival{};
  std::mutex m_deliveryMutex;  // held while a message is delivered
  std::string m_connectedTo;
  std::atomic<bool> m_gone{false};
  std::atomic<bool> m_stopping{false};
  std::thread m_delivery;
};

}  // namespace tonalis::midi
