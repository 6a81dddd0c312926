// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_midi_input.h"

#include <gtest/gtest.h>

#include <memory>

#include "midi/midi_output.h"
#include "support/jack_server.h"

namespace tonalis::midi {
namespace {

// The server shows a new connection to its clients only from its next cycle on; the input
// must not take the moment before for a connection lost.
TEST(JackMidiInputConnection, ReadsAsConnectedRightAfterConnectingEveryTime) {
  test::JackServer server;
  const std::optional<std::string> failure = server.start();
  ASSERT_FALSE(failure.has_value()) << *failure;
  const test::JackMidiSender sender("tonalis-test-sender");
  ASSERT_FALSE(sender.error().has_value()) << *sender.error();
  const std::unique_ptr<JackMidiInput> input = JackMidiInput::open([] {}, [](auto, auto) {});
  ASSERT_NE(input, nullptr);

  for (int attempt = 0; attempt < 5; ++attempt) {
    ASSERT_EQ(input->connect(sender.portName()), kOk);
    EXPECT_TRUE(input->connected()) << "attempt " << attempt;
    input->disconnect();
    EXPECT_FALSE(input->connected());
  }
}

}  // namespace
}  // namespace tonalis::midi
