// SPDX-License-Identifier: GPL-3.0-or-later
// What every output backend offers once it is open: it takes decoded channel messages.
// The window never sees this; it talks to MidiOutput.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "midi/midi_output.h"
#include "midi/short_message.h"

namespace tonalis::midi {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Sends exactly message.wire(); returns a ResultCode.
  virtual int send(const ChannelMessage& message) = 0;
};

// The outcome of opening something: the object, or the ResultCode saying why there is none,
// with what else is known about the failure for the user.
template <class T>
struct Opened {
  std::unique_ptr<T> value;
  int code = kOk;
  std::string detail = {};

  static Opened failure(int failureCode, std::string failureDetail = {}) {
    return {nullptr, failureCode, std::move(failureDetail)};
  }
};

}  // namespace tonalis::midi
