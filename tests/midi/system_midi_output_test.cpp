#include "midi/system_midi_output.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "midi/rtmidi_ports.h"
#include "midi/sound_servers.h"
#include "support/jack_server.h"

namespace tonalis::midi {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;

constexpr auto kDeliveryTimeout = 5s;

std::optional<int> deviceNamed(MidiOutput& output, const std::string& name) {
  for (int id = 0; id < output.deviceCount(); ++id) {
    if (output.deviceName(id) == name) return id;
  }
  return std::nullopt;
}

// No JACK server runs under this name; the ALSA sequencer is whatever the machine has.
void pointAtAbsentJackServer() {
  const std::string absent = "tonalis-test-absent-" + std::to_string(getpid());
  setenv("JACK_DEFAULT_SERVER", absent.c_str(), 1);
}

TEST(SystemMidiOutputWithoutServers, ListsOnlyAlsaPortsQuietly) {
  pointAtAbsentJackServer();
  ::testing::internal::CaptureStderr();
  const std::vector<OutputPortInfo> ports = listOutputPorts();
  SystemMidiOutput output;
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  for (const OutputPortInfo& port : ports) EXPECT_EQ(port.system, PortSystem::kAlsa) << port.name;
  EXPECT_EQ(output.deviceCount(), static_cast<int>(ports.size()));
}

TEST(SystemMidiOutputWithoutServers, RefusesWhatCannotWork) {
  pointAtAbsentJackServer();
  SystemMidiOutput output(SoundFontSearch{});
  const int count = output.deviceCount();

  EXPECT_EQ(output.shortMessage(noteOn(0, 60, 127)), kInvalidHandle);
  EXPECT_EQ(output.close(), kInvalidHandle);
  EXPECT_EQ(output.open(count), kBadDeviceId);
  EXPECT_EQ(output.open(-2), kBadDeviceId);
  EXPECT_EQ(output.deviceName(count), "");
  EXPECT_EQ(output.deviceName(-1), "");
  EXPECT_EQ(output.open(kMidiMapper), kNoSoundFont);
  EXPECT_EQ(output.shortMessage(noteOn(0, 60, 127)), kInvalidHandle);
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
    const std::optional<int> device = deviceNamed(*m_output, m_recorder->portName());
    ASSERT_TRUE(device.has_value()) << m_recorder->portName() << " is not among the devices";
    m_device = *device;
  }

  void TearDown() override {
    if (HasFailure()) std::cerr << "jackd said:\n" << m_server.serverOutput();
    m_output.reset();
    m_recorder.reset();
    m_server.stop();
  }

  // Opens the recorder's port and waits until what is sent will arrive.
  void openRecorder() {
    ASSERT_EQ(m_output->open(m_device), kOk);
    ASSERT_TRUE(m_recorder->waitForConnections(1, kDeliveryTimeout));
  }

  void send(const std::vector<std::uint32_t>& messages) {
    for (const std::uint32_t message : messages) ASSERT_EQ(m_output->shortMessage(message), kOk);
  }

  static constexpr const char* kRecorderClient = "tonalis-test-recorder";
  test::JackServer m_server;
  std::unique_ptr<test::JackMidiRecorder> m_recorder;
  std::unique_ptr<SystemMidiOutput> m_output;
  int m_device = -1;
};

TEST_F(SystemMidiOutputThroughJack, DeliversExactlyTheBytesSentInOrder) {
  openRecorder();
  send(kKeyAndChord);
  EXPECT_THAT(m_recorder->waitForMessages(kKeyAndChordBytes.size(), kDeliveryTimeout),
              ElementsAreArray(kKeyAndChordBytes));
}

// Another instance of this program has an input port: it is not offered as a device.
TEST_F(SystemMidiOutputThroughJack, ListsJackPortsButNotThisProgramsOwn) {
  ASSERT_EQ(m_output->open(m_device), kOk);
  const test::JackMidiRecorder ownPort(kClientName);
  ASSERT_FALSE(ownPort.error().has_value()) << *ownPort.error();
  std::vector<std::string> names;
  for (const OutputPortInfo& port : listOutputPorts()) {
    if (port.system == PortSystem::kJack) names.push_back(port.name);
  }
  EXPECT_THAT(names, ElementsAre(m_recorder->portName()));
}

TEST_F(SystemMidiOutputThroughJack, ClosingStopsTheNotesStillSounding) {
  openRecorder();
  send({noteOn(0, 60, 127), noteOn(2, 64, 100), noteOn(0, 67, 90), noteOff(0, 67),
        noteOn(3, 72, 0)});
  EXPECT_EQ(m_output->close(), kOk);
  EXPECT_EQ(m_output->shortMessage(noteOn(0, 60, 127)), kInvalidHandle);

  const std::vector<Message> received = m_recorder->waitForMessages(7, kDeliveryTimeout);
  ASSERT_EQ(received.size(), 7u);
  EXPECT_THAT(std::vector(received.begin() + 5, received.end()),
              ElementsAre(Message{0x80, 0x3C, 0x00}, Message{0x82, 0x40, 0x00}));
}

TEST_F(SystemMidiOutputThroughJack, OpeningAnotherDeviceClosesTheFirst) {
  openRecorder();
  send({noteOn(0, 60, 127)});
  EXPECT_EQ(m_output->open(m_output->deviceCount()), kBadDeviceId);
  EXPECT_EQ(m_output->shortMessage(noteOff(0, 60)), kInvalidHandle);
  EXPECT_THAT(m_recorder->waitForMessages(2, kDeliveryTimeout),
              ElementsAre(Message{0x90, 0x3C, 0x7F}, Message{0x80, 0x3C, 0x00}));

  ASSERT_TRUE(m_recorder->waitForConnections(0, kDeliveryTimeout));
  openRecorder();
  send({noteOn(1, 64, 127)});
  EXPECT_EQ(m_recorder->waitForMessages(3, kDeliveryTimeout).size(), 3u);
}

// With no other sound system here, the built-in synthesizer plays into the JACK server.
TEST_F(SystemMidiOutputThroughJack, MidiMapperStartsOnAnySoundSystem) {
  ASSERT_EQ(m_output->open(kMidiMapper), kOk);
  send(kKeyAndChord);
  EXPECT_EQ(m_output->close(), kOk);
}

TEST_F(SystemMidiOutputThroughJack, MalformedMessagesAreRefusedAndNotSent) {
  openRecorder();
  EXPECT_EQ(m_output->shortMessage(packShortMessage(0x90, 0x80, 0x7F)), kInvalidParameter);
  EXPECT_EQ(m_output->shortMessage(0xF8), kInvalidParameter);
  send({noteOff(0, 60)});
  EXPECT_THAT(m_recorder->waitForMessages(1, kDeliveryTimeout),
              ElementsAre(Message{0x80, 0x3C, 0x00}));
}

}  // namespace
}  // namespace tonalis::midi
