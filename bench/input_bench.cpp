// SPDX-License-Identifier: GPL-3.0-or-later
// A note played on a MIDI keyboard, from the moment its note-on reaches the program's input
// to the moment the thru hands its note-on to the output: through a private JACK server on
// the dummy driver, the input's threads, its wake-up and a window-like thread taking events.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "midi/midi_thru.h"
#include "midi/short_message.h"
#include "midi/system_midi_input.h"
#include "player/channels.h"
#include "support/input_reports.h"
#include "support/jack_server.h"

namespace {

using namespace tonalis;
using Clock = std::chrono::steady_clock;

// Keeps when each note-on was handed over; it does nothing else.
class TimingOutput final : public midi::MidiOutput {
 public:
  void setWakeUp(std::function<void()>) override {}
  std::vector<midi::MidiEvent> takeEvents() override { return {}; }
  void listDevices() override {}
  void open(const std::string&) override {}
  void close() override {}
  void chooseSoundFont(const std::string&) override {}
  int shortMessage(std::uint32_t message) override {
    if ((message & 0xF0) == midi::status::kNoteOn) m_lastNoteOn = Clock::now();
    return midi::kOk;
  }
  Clock::time_point lastNoteOn() const { return m_lastNoteOn; }

 private:
  Clock::time_point m_lastNoteOn{};
};

// The server and the clients, set up once for every run.
struct Rig {
  test::JackServer server;
  std::unique_ptr<test::JackMidiSender> sender;
  std::unique_ptr<midi::SystemMidiInput> input;
  std::unique_ptr<test::InputReports> reports;
  std::optional<std::string> failure;

  Rig() {
    failure = server.start();
    if (failure) return;
    sender = std::make_unique<test::JackMidiSender>("tonalis-bench-sender");
    if (sender->error()) {
      failure = sender->error();
      return;
    }
    input = std::make_unique<midi::SystemMidiInput>();
    reports = std::make_unique<test::InputReports>(*input);
    reports->listed();
    input->open(sender->portName());
    if (reports->opened() != midi::kOk || !sender->waitForConnections(1, test::kReportTimeout)) {
      failure = "the input did not open the sender's port";
    }
  }
};

Rig& rig() {
  static Rig shared;
  return shared;
}

double percentile(std::vector<double> values, double fraction) {
  std::ranges::sort(values);
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

void BM_InputNoteOnToThruNoteOn(benchmark::State& state) {
  Rig& shared = rig();
  if (shared.failure) {
    state.SkipWithError(shared.failure->c_str());
    return;
  }
  TimingOutput output;
  midi::MidiThru thru(output, kThruChannel);
  std::vector<double> latencies;
  int note = 36;
  for (auto _ : state) {
    note = note < 96 ? note + 1 : 36;
    shared.sender->send({0x90, static_cast<std::uint8_t>(note), 100});
    shared.sender->send({0x80, static_cast<std::uint8_t>(note), 0});
    const std::vector<midi::NoteEvent> played = shared.reports->notes(2);
    if (played.size() != 2) {
      state.SkipWithError("a note did not arrive");
      return;
    }
    // The window's pass: everything taken is played at once.
    thru.play(played[0]);
    const std::chrono::duration<double> latency = output.lastNoteOn() - played[0].arrival;
    thru.play(played[1]);
    state.SetIterationTime(latency.count());
    latencies.push_back(latency.count() * 1e6);
  }
  state.counters["median_us"] = percentile(latencies, 0.5);
  state.counters["p99_us"] = percentile(latencies, 0.99);
}
BENCHMARK(BM_InputNoteOnToThruNoteOn)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
