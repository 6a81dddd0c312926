// SPDX-License-Identifier: GPL-3.0-or-later
// What the output and the input share on the ALSA sequencer, through RtMidi: turning RtMidi's
// failures into result codes, and telling this process's own ports from the others.
#pragma once

#include <RtMidi.h>

#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "midi/midi_output.h"
#include "midi/sound_servers.h"

namespace tonalis::midi {

int resultFor(RtMidiError::Type type);

// RtMidi reports a failure by exception until an error callback is installed and through
// that callback afterwards (printing to stderr when there is none). Every RtMidi call of
// this program goes through one of these, which turns both ways into a result code.
class RtMidiCalls {
 public:
  template <class Call>
  int run(Call&& call) noexcept {
    m_failure.reset();
    try {
      std::forward<Call>(call)();
    } catch (const RtMidiError& error) {
      return resultFor(error.getType());
    } catch (const std::bad_alloc&) {
      return kNoMemory;
    } catch (const std::exception&) {
      return kError;
    }
    return m_failure ? resultFor(*m_failure) : kOk;
  }

  // Opens an ALSA client (RtMidiIn or RtMidiOut); later failures of that client come back
  // through run(). Null when it does not open.
  template <class Client>
  std::unique_ptr<Client> openClient() {
    std::unique_ptr<Client> client;
    const int code = run([&] {
      client = std::make_unique<Client>(RtMidi::LINUX_ALSA, kClientName);
      client->setErrorCallback(&RtMidiCalls::record, this);
    });
    return code == kOk ? std::move(client) : nullptr;
  }

 private:
  static void record(RtMidiError::Type type, const std::string&, void* self);

  std::optional<RtMidiError::Type> m_failure;
};

// Whether RtMidi was built with ALSA and the sequencer is there.
bool alsaSequencerReachable();

// Port names of a client, in RtMidi's port order ("Midi Through:Midi Through Port-0 14:0"),
// except ports of this process's own clients; empty on failure.
std::vector<std::string> otherAlsaPortNames(RtMidiCalls& calls, RtMidi& client);

// The index of the port of that name among the client's ports, found again by name since port
// numbers shift when other programs come and go.
std::optional<unsigned int> alsaPortIndex(RtMidiCalls& calls, RtMidi& client,
                                          const std::string& name);

// The port names an RtMidiIn or RtMidiOut client sees, as otherAlsaPortNames() gives them;
// empty when the sequencer is not there.
template <class Client>
std::vector<std::string> listOtherAlsaPorts() {
  if (!alsaSequencerReachable()) return {};
  RtMidiCalls calls;
  const std::unique_ptr<Client> client = calls.openClient<Client>();
  if (!client) return {};
  return otherAlsaPortNames(calls, *client);
}

// A new client of the sequencer and the index of the port of that name among its ports,
// ready to open it; `code` says why not when it is not.
template <class Client>
struct FoundAlsaPort {
  std::unique_ptr<RtMidiCalls> calls;
  std::unique_ptr<Client> client;
  unsigned int index = 0;
  int code = kOk;
};

template <class Client>
FoundAlsaPort<Client> findAlsaPort(const std::string& name) {
  FoundAlsaPort<Client> found;
  if (!alsaSequencerReachable()) {
    found.code = kBadDeviceId;
    return found;
  }
  found.calls = std::make_unique<RtMidiCalls>();
  found.client = found.calls->template openClient<Client>();
  if (!found.client) {
    found.code = kNoDriver;
    return found;
  }
  const std::optional<unsigned int> index = alsaPortIndex(*found.calls, *found.client, name);
  found.code = index ? kOk : kBadDeviceId;
  found.index = index.value_or(0);
  return found;
}

}  // namespace tonalis::midi
