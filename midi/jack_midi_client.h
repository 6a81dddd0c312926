// SPDX-License-Identifier: GPL-3.0-or-later
// This program's one JACK client: it lists the MIDI input ports of the JACK server and plays
// into one of them through its own output port. Opening a JACK client costs tens of
// milliseconds and can hang behind another client that is stuck, so it is opened once and
// kept for as long as the server runs; choosing another JACK port only moves its connection.
#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/jack_clients.h"
#include "midi/midi_output.h"
#include "midi/short_message.h"

namespace tonalis::midi {

class JackMidiClient final : public JackPortClient {
 public:
  // Connects to the JACK server as openJackClient() does; null when there is no server.
  // `serverGone` is called from a JACK thread when the server shuts down or throws the client
  // out: it must only take note.
  static std::unique_ptr<JackMidiClient> open(std::function<void()> serverGone);
  ~JackMidiClient() override;

  // Plays into the port connect() names, one of the MIDI input ports otherPorts() lists.
  // Waits until what was sent has left, then lets go of the port.
  void disconnect() override;
  // Queues `message` for the server's next cycle, waiting for room while a stopped client
  // holds the server up; kBadDeviceId once the server has gone.
  int send(const ChannelMessage& message);

 private:
  explicit JackMidiClient(std::function<void()> serverGone);
  int process(jack_nframes_t frames) override;
  void serverGone() override;
  void waitUntilSent();
  bool waitForRoom();

  std::function<void()> m_serverGone;
  jack_ringbuffer_t* m_pending = nullptr;
};

}  // namespace tonalis::midi
