// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_midi_output.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>

#include "midi/alsa_ports.h"
#include "midi/sound_servers.h"
#include "support/jack_server.h"
#include "support/output_reports.h"

namespace tonalis::midi {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Not;
using ::testing::StartsWith;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;
using Kind = MidiEvent::Kind;
using tonalis::test::Reports;

constexpr auto kDeliveryTimeout = tonalis::test::kReportTimeout;

// No JACK server runs under this name; the ALSA sequencer is whatever the machine has.
void pointAtAbsentJackServer() {
  const std::string absent = "tonalis-test-absent-" + std::to_string(getpid());
  setenv("JACK_DEFAULT_SERVER", absent.c_str(), 1);
}

TEST(SystemMidiOutputWithoutServers, ListsOnlyAlsaPortsQuietly) {
  pointAtAbsentJackServer();
  const tonalis::test::JackServerTurn noServerStopsMeanwhile;
  ::testing::internal::CaptureStderr();
  const std::vector<std::string> alsa = listAlsaOutputPorts();
  std::vector<std::string> listed;
  {
    SystemMidiOutput output(SoundFontSearch{});
    Reports reports(output);
    listed = reports.listed();
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(listed, alsa);
}

TEST(SystemMidiOutputWithoutServers, RefusesWhatCannotWork) {
  pointAtAbsentJackServer();
  SystemMidiOutput output(SoundFontSearch{});
  Reports reports(output);
  reports.listed();

  EXPECT_EQ(output.shortMessage(packShortMessage(0x90, 0x80, 0x7F)), kInvalidParameter);
  EXPECT_EQ(output.shortMessage(0xF8), kInvalidParameter);
  output.close();
  EXPECT_EQ(reports.closed(), kInvalidHandle);
  for (const char* absent : {"", "tonalis-test-absent:port"}) {
    output.open(absent);
    EXPECT_EQ(reports.opened(), kBadDeviceId) << absent;
  }
  output.open(kMidiMapper);
  EXPECT_EQ(reports.opened(), kNoSoundFont);
}

// Messages of the sounding test: key 1 pressed and released, then the C major chord on
// channels 1 to 3 pressed and released.
const std::vector<std::uint32_t> kKeyAndChord{
    noteOn(0, 60, 127), noteOff(0, 60), noteOn(1, 60, 127), noteOn(2, 64, 127),
    noteOn(3, 67, 127), noteOff(1, 60), noteOff(2, 64),     noteOff(3, 67),
};
const std::vector<Message> kKeyAndChordBytes{
    {0x90, 0x3C, 0x7F}, {0x80, 0x3C, 0x00}, {0x91, 0x3C, 0x7F}, {0x92, 0x40, 0x7F},
    {0x93, 0x43, 0x7F}, {0x81, 0x3C, 0x00}, {0x82, 0x40, 0x00}, {0x83, 0x43, 0x00},
};

// Through a real MIDI server: a JACK server on the dummy driver, with an input port of
// the test's own among the devices.
class SystemMidiOutputThroughJack : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::optional<std::string> failure = m_server.start();
    ASSERT_FALSE(failure.has_value()) << *failure;
    m_recorder = std::make_unique<test::JackMidiRecorder>(kRecorderClient);
    ASSERT_FALSE(m_recorder->error().has_value()) << *m_recorder->error();
    m_output = std::make_unique<SystemMidiOutput>();
    m_reports = std::make_unique<Reports>(*m_output);
    ASSERT_THAT(m_reports->listed(), Contains(m_recorder->portName()))
        << m_recorder->portName() << " is not among the devices";
  }

  void TearDown() override {
    if (HasFailure()) std::cerr << "jackd said:\n" << m_server.serverOutput();
    m_reports.reset();
    m_output.reset();
    m_recorder.reset();
    m_server.stop();
  }

  // Opens the recorder's port and waits until what is sent will arrive.
  void openRecorder() {
    m_output->open(m_recorder->portName());
    ASSERT_EQ(m_reports->opened(), kOk);
    ASSERT_TRUE(m_recorder->waitForConnections(1, kDeliveryTimeout));
  }

  void send(const std::vector<std::uint32_t>& messages) {
    for (const std::uint32_t message : messages) ASSERT_EQ(m_output->shortMessage(message), kOk);
  }

  static constexpr const char* kRecorderClient = "tonalis-test-recorder";
  test::JackServer m_server;
  std::unique_ptr<test::JackMidiRecorder> m_recorder;
  std::unique_ptr<SystemMidiOutput> m_output;
  std::unique_ptr<Reports> m_reports;
};

TEST_F(SystemMidiOutputThroughJack, DeliversExactlyTheBytesSentInOrder) {
  openRecorder();
  send(kKeyAndChord);
  EXPECT_THAT(m_recorder->waitForMessages(kKeyAndChordBytes.size(), kDeliveryTimeout),
              ElementsAreArray(kKeyAndChordBytes));
}

// Only the program's own client is left out: clients of other programs are listed whatever
// their names, even one named as this program's, which JACK then calls "Tonalis-01".
TEST_F(SystemMidiOutputThroughJack, ListsEveryClientButItsOwn) {
  test::JackMidiSinkProcess other("Tonalis-other");
  const std::optional<std::string> failure = other.start();
  ASSERT_FALSE(failure.has_value()) << *failure;
  const test::JackMidiRecorder namedAsThisProgram(kClientName);
  ASSERT_FALSE(namedAsThisProgram.error().has_value()) << *namedAsThisProgram.error();
  m_output->listDevices();
  const std::vector<std::string> names = m_reports->listed();
  EXPECT_THAT(names, ElementsAre(m_recorder->portName(), other.portName(),
                                 StartsWith(std::string(kClientName) + "-0")));
}

// Listing again shows what came and went since, and a device that came can be opened.
TEST_F(SystemMidiOutputThroughJack, ListingAgainFollowsPortsThatComeAndGo) {
  auto later = std::make_unique<test::JackMidiRecorder>("tonalis-test-later");
  ASSERT_FALSE(later->error().has_value()) << *later->error();
  m_output->listDevices();
  EXPECT_THAT(m_reports->listed(), Contains(later->portName()));
  m_output->open(later->portName());
  ASSERT_EQ(m_reports->opened(), kOk);
  ASSERT_TRUE(later->waitForConnections(1, kDeliveryTimeout));
  send({noteOn(0, 62, 100)});
  EXPECT_THAT(later->waitForMessages(1, kDeliveryTimeout), ElementsAre(Message{0x90, 0x3E, 0x64}));

  const std::string goneName = later->portName();
  m_output->close();
  EXPECT_EQ(m_reports->closed(), kOk);
  later.reset();
  m_output->listDevices();
  EXPECT_THAT(m_reports->listed(), Not(Contains(goneName)));
}

TEST_F(SystemMidiOutputThroughJack, ClosingStopsTheNotesStillSounding) {
  openRecorder();
  send({noteOn(0, 60, 127), noteOn(2, 64, 100), noteOn(0, 67, 90), noteOff(0, 67),
        noteOn(3, 72, 0)});
  m_output->close();
  EXPECT_EQ(m_reports->closed(), kOk);
  send({noteOn(0, 60, 127)});  // nothing is open: it goes nowhere

  const std::vector<Message> received = m_recorder->waitForMessages(8, 1s);
  ASSERT_EQ(received.size(), 7u);
  EXPECT_THAT(std::vector(received.begin() + 5, received.end()),
              ElementsAre(Message{0x80, 0x3C, 0x00}, Message{0x82, 0x40, 0x00}));
}

TEST_F(SystemMidiOutputThroughJack, OpeningAnotherDeviceClosesTheFirst) {
  openRecorder();
  send({noteOn(0, 60, 127)});
  m_output->open("tonalis-test-absent:port");
  EXPECT_EQ(m_reports->opened(), kBadDeviceId);
  send({noteOff(0, 60)});
  EXPECT_THAT(m_recorder->waitForMessages(3, 1s),
              ElementsAre(Message{0x90, 0x3C, 0x7F}, Message{0x80, 0x3C, 0x00}));

  ASSERT_TRUE(m_recorder->waitForConnections(0, kDeliveryTimeout));
  openRecorder();
  send({noteOn(1, 64, 127)});
  EXPECT_EQ(m_recorder->waitForMessages(3, kDeliveryTimeout).size(), 3u);
}

// The server stops under an open port: that is reported once, naming the port.
TEST_F(SystemMidiOutputThroughJack, ServerThatStopsLosesTheDeviceOnce) {
  openRecorder();
  send({noteOn(0, 60, 127)});
  ASSERT_EQ(m_recorder->waitForMessages(1, kDeliveryTimeout).size(), 1u);
  m_recorder.reset();
  m_server.stop();
  const std::optional<MidiEvent> lost = m_reports->next(Kind::kDeviceLost);
  ASSERT_TRUE(lost.has_value());
  EXPECT_EQ(lost->device, std::string(kRecorderClient) + ":MIDI in");
  send({noteOff(0, 60), noteOn(0, 62, 127)});
  EXPECT_FALSE(m_reports->next(Kind::kDeviceLost, 500ms).has_value());
  m_output->close();
  EXPECT_EQ(m_reports->closed(), kInvalidHandle);
}

// With no other sound system here, the built-in synthesizer plays into the JACK server.
TEST_F(SystemMidiOutputThroughJack, MidiMapperStartsOnAnySoundSystem) {
  m_output->open(kMidiMapper);
  ASSERT_EQ(m_reports->opened(), kOk);
  send(kKeyAndChord);
  m_output->close();
  EXPECT_EQ(m_reports->closed(), kOk);
}

}  // namespace
}  // namespace tonalis::midi
