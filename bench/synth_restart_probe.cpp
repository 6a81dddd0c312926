// SPDX-License-Identifier: GPL-3.0-or-later
// How long a note-on takes when it has to start the built-in synthesizer's sound feed again
// after a silence, against a note-on while the feed runs. Uses whatever sound server the
// environment points at; scripts/desktop_bench.sh runs it against its private PulseAudio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "midi/fluid_synth_output.h"

namespace {

using namespace std::chrono_literals;
using tonalis::midi::ChannelMessage;

constexpr int kAttempts = 4;
// Longer than the silence after which the feed stops.
constexpr auto kSilence = 3500ms;

ChannelMessage note(std::uint8_t statusByte) {
  return *tonalis::midi::decodeShortMessage(
      tonalis::midi::packShortMessage(statusByte, 60, statusByte == 0x90 ? 100 : 0));
}

double millisecondsToSend(tonalis::midi::FluidSynthOutput& output, const ChannelMessage& message) {
  const auto start = std::chrono::steady_clock::now();
  output.send(message);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

}  // namespace

int main() {
  auto opened = tonalis::midi::FluidSynthOutput::open(tonalis::midi::defaultSoundFontSearch());
  if (!opened.value) {
    std::fprintf(stderr, "the synthesizer did not open: code %d\n", opened.code);
    return 1;
  }
  const ChannelMessage on = note(0x90);
  const ChannelMessage off = note(0x80);
  std::vector<double> restarts;
  std::vector<double> running;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::this_thread::sleep_for(kSilence);
    restarts.push_back(millisecondsToSend(*opened.value, on));
    std::this_thread::sleep_for(200ms);
    opened.value->send(off);
    running.push_back(millisecondsToSend(*opened.value, on));
    opened.value->send(off);
  }
  std::printf(
      "note-on that restarts the sound after silence %.2f ms, while it runs %.3f ms"
      " (medians of %d)\n",
      median(restarts), median(running), kAttempts);
  return 0;
}
