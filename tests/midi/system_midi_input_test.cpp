// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_midi_input.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "midi/alsa_input_port.h"
#include "midi/system_midi_output.h"
#include "support/input_reports.h"
#include "support/jack_server.h"
#include "support/output_reports.h"

namespace tonalis::midi {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using namespace std::chrono_literals;
using Kind = InputEvent::Kind;
using NoteKind = NoteEvent::Kind;
using test::InputReports;

constexpr auto kDeliveryTimeout = test::kReportTimeout;

// Notes as they arrive, without the time they did.
std::vector<NoteEvent> withoutArrival(std::vector<NoteEvent> notes) {
  for (NoteEvent& note : notes) note.arrival = {};
  return notes;
}

TEST(SystemMidiInputWithoutServers, ListsOnlyAlsaPortsAndRefusesOthers) {
  const std::string absent = "tonalis-test-absent-" + std::to_string(getpid());
  setenv("JACK_DEFAULT_SERVER", absent.c_str(), 1);
  const test::JackServerTurn noServerStopsMeanwhile;
  ::testing::internal::CaptureStderr();
  const std::vector<std::string> alsa = listAlsaInputPorts();
  {
    SystemMidiInput input;
    InputReports reports(input);
    EXPECT_EQ(reports.listed(), alsa);
    input.open("nobody:MIDI out");
    const std::optional<InputEvent> opened = reports.next(Kind::kOpened);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->code, kBadDeviceId);
    EXPECT_EQ(opened->port, "nobody:MIDI out");
    input.close();
    EXPECT_EQ(reports.closed(), kInvalidHandle);
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

// Through a real MIDI server: a JACK server on the dummy driver, with an output port of the
// test's own playing into the program.
class SystemMidiInputThroughJack : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::optional<std::string> failure = m_server.start();
    ASSERT_FALSE(failure.has_value()) << *failure;
    m_sender = std::make_unique<test::JackMidiSender>(kSenderClient);
    ASSERT_FALSE(m_sender->error().has_value()) << *m_sender->error();
    m_input = std::make_unique<SystemMidiInput>();
    m_reports = std::make_unique<InputReports>(*m_input);
    ASSERT_THAT(m_reports->listed(), Contains(m_sender->portName()));
  }

  void TearDown() override {
    if (HasFailure()) std::cerr << "jackd said:\n" << m_server.serverOutput();
    m_reports.reset();
    m_input.reset();
    m_sender.reset();
    m_server.stop();
  }

  // Opens the sender's port and waits until what it sends will arrive.
  void openSender() {
    m_input->open(m_sender->portName());
    ASSERT_EQ(m_reports->opened(), kOk);
    ASSERT_TRUE(m_sender->waitForConnections(1, kDeliveryTimeout));
  }

  static constexpr const char* kSenderClient = "tonalis-test-sender";
  test::JackServer m_server;
  std::unique_ptr<test::JackMidiSender> m_sender;
  std::unique_ptr<SystemMidiInput> m_input;
  std::unique_ptr<InputReports> m_reports;
};

// Running status across events, velocity 0, clock and SysEx between the notes, the pedal.
TEST_F(SystemMidiInputThroughJack, NotesArriveReadInOrder) {
  openSender();
  m_sender->send({0x93, 60, 100});
  m_sender->send({64, 90});
  m_sender->send({0xF8});
  m_sender->send({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
  m_sender->send({0x83, 64, 20});
  m_sender->send({0xB0, 64, 127});
  m_sender->send({0x90, 60, 0});
  const std::vector<NoteEvent> notes = m_reports->notes(5);
  EXPECT_THAT(withoutArrival(notes), ElementsAre(NoteEvent{NoteKind::kNoteOn, 3, 60, 100},
                                                 NoteEvent{NoteKind::kNoteOn, 3, 64, 90},
                                                 NoteEvent{NoteKind::kNoteOff, 3, 64, 20},
                                                 NoteEvent{NoteKind::kPedalDown, 0, 0, 127},
                                                 NoteEvent{NoteKind::kNoteOff, 0, 60, 0}));
  for (const NoteEvent& note : notes) {
    EXPECT_LE(note.arrival, std::chrono::steady_clock::now());
    EXPECT_NE(note.arrival, std::chrono::steady_clock::time_point{});
  }

  // Nothing of a port comes after it is closed, and another port starts afresh.
  m_input->close();
  EXPECT_EQ(m_reports->closed(), kOk);
  ASSERT_TRUE(m_sender->waitForConnections(0, kDeliveryTimeout));
  m_sender->send({0x90, 61, 100});
  EXPECT_THAT(m_reports->notes(1, 300ms), IsEmpty());
  openSender();
  m_sender->send({62, 100});  // the old running status is gone
  m_sender->send({0x90, 63, 100});
  EXPECT_THAT(withoutArrival(m_reports->notes(1)),
              ElementsAre(NoteEvent{NoteKind::kNoteOn, 0, 63, 100}));
}

// The program's own ports are in neither list: the input's does not show the output's port,
// nor the output's the input's.
TEST_F(SystemMidiInputThroughJack, ListsNoneOfTheProgramsOwnPorts) {
  test::JackMidiRecorder recorder("tonalis-test-recorder");
  ASSERT_FALSE(recorder.error().has_value()) << *recorder.error();
  SystemMidiOutput output(SoundFontSearch{});
  test::Reports outputReports(output);
  ASSERT_THAT(outputReports.listed(), Contains(recorder.portName()));
  output.open(recorder.portName());
  ASSERT_EQ(outputReports.opened(), kOk);
  openSender();

  m_input->listPorts();
  EXPECT_THAT(m_reports->listed(), ElementsAre(m_sender->portName()));
  output.listDevices();
  EXPECT_THAT(outputReports.listed(), ElementsAre(recorder.portName()));
}

TEST_F(SystemMidiInputThroughJack, PortThatVanishesIsReportedOnce) {
  openSender();
  m_sender->send({0x90, 60, 100});
  ASSERT_EQ(m_reports->notes(1).size(), 1u);
  const std::string name = m_sender->portName();
  m_sender.reset();
  const std::optional<InputEvent> lost = m_reports->next(Kind::kPortLost);
  ASSERT_TRUE(lost.has_value());
  EXPECT_EQ(lost->port, name);
  EXPECT_FALSE(m_reports->next(Kind::kPortLost, 500ms).has_value());
  m_input->close();
  EXPECT_EQ(m_reports->closed(), kInvalidHandle);
  m_input->listPorts();
  EXPECT_THAT(m_reports->listed(), Not(Contains(name)));
}

// A server that stops takes the program's client with it; one started again is listened to
// through a new client.
TEST_F(SystemMidiInputThroughJack, ServerStartedAgainIsListenedTo) {
  openSender();
  m_sender.reset();
  ASSERT_TRUE(m_reports->next(Kind::kPortLost).has_value());
  m_server.stop();
  m_input->listPorts();
  EXPECT_EQ(m_reports->listed(), listAlsaInputPorts());

  const std::optional<std::string> failure = m_server.start();
  ASSERT_FALSE(failure.has_value()) << *failure;
  m_sender = std::make_unique<test::JackMidiSender>(kSenderClient);
  ASSERT_FALSE(m_sender->error().has_value()) << *m_sender->error();
  m_input->listPorts();
  ASSERT_THAT(m_reports->listed(), Contains(m_sender->portName()));
  openSender();
  m_sender->send({0x90, 60, 100});
  EXPECT_EQ(m_reports->notes(1).size(), 1u);
  EXPECT_FALSE(m_reports->next(Kind::kPortLost, 200ms).has_value());
}

}  // namespace
}  // namespace tonalis::midi
