// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_synth_output.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "midi/fluid_log.h"
#include "midi/sound_servers.h"
#include "midi/synth_in_use.h"

namespace tonalis::midi {
namespace {

using namespace std::chrono_literals;

// Sound servers first: on a PipeWire-only desktop raw ALSA can take the card for itself.
// JACK last: it is silent unless a JACK server already runs.
constexpr std::array<std::string_view, 4> kDriverOrder{"pulseaudio", "pipewire", "alsa", "jack"};
constexpr std::string_view kJack = "jack";

// Two periods of 256 frames buffer 11.6 ms at 44.1 kHz between a note-on and its sound, and
// wake the program 172 times a second while it plays (64 frames would be 690 times).
constexpr int kPeriodFrames = 256;
constexpr int kPeriods = 2;

// A released note and the reverb after it have died away well within this.
constexpr auto kQuietBeforeStop = 2s;
constexpr auto kSilenceCheckInterval = 500ms;

// A JACK server may refuse a client that comes just after another one left.
constexpr int kJackAttempts = 2;
constexpr auto kJackRetryPause = 100ms;

std::vector<std::string> availableDrivers(fluid_settings_t* settings) {
  std::vector<std::string> drivers;
  fluid().fluid_settings_foreach_option(
      settings, "audio.driver", &drivers, [](void* list, const char*, const char* option) {
        static_cast<std::vector<std::string>*>(list)->emplace_back(option);
      });
  return drivers;
}

void configureAudio(fluid_settings_t* settings) {
  fluid().fluid_settings_setstr(settings, "audio.jack.id", kClientName);
  fluid().fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
  fluid().fluid_settings_setint(settings, "audio.period-size", kPeriodFrames);
  fluid().fluid_settings_setint(settings, "audio.periods", kPeriods);
  // Asks PulseAudio to buffer no more than the periods above, on its side included.
  fluid().fluid_settings_setint(settings, "audio.pulseaudio.adjust-latency", 1);
}

bool startFeed(FluidDriverFeed& feed, std::string_view driver) {
  const int attempts = driver == kJack ? kJackAttempts : 1;
  for (int attempt = 1; attempt <= attempts; ++attempt) {
    if (feed.start()) return true;
    if (attempt < attempts) std::this_thread::sleep_for(kJackRetryPause);
  }
  return false;
}

// The synthesizer of a JACK driver whose server went: the driver's thread may still be in its
// last cycle, rendering from it, until libjack closes the driver's client. Kept where it can
// be reached, so that it is not taken for a leak: a few megabytes once per server that stops
// under the built-in synthesizer.
void keepForJack(std::unique_ptr<FluidSynthesizer> synthesizer) {
  static std::mutex mutex;
  // Never destroyed: the driver's thread may outlive the program's static objects.
  static auto* const kept = new std::vector<std::unique_ptr<FluidSynthesizer>>;
  const std::lock_guard lock(mutex);
  kept->push_back(std::move(synthesizer));
}

}  // namespace

FluidSynthOutput::~FluidSynthOutput() {
  if (m_feed->serverWent()) keepForJack(std::move(m_synthesizer));
}

FluidSynthOutput::FluidSynthOutput(std::unique_ptr<FluidSynthesizer> synthesizer,
                                   std::unique_ptr<FluidDriverFeed> feed, bool pauseWhenSilent)
    : m_synthesizer(std::move(synthesizer)), m_feed(std::move(feed)) {
  if (!pauseWhenSilent) return;
  m_pause = std::make_unique<IdlePause>(*m_synthesizer, *m_feed, kQuietBeforeStop);
  m_silenceWatch = std::jthread([this](const std::stop_token& stop) { watchForSilence(stop); });
}

Opened<FluidSynthOutput> FluidSynthOutput::open(const SoundFontSearch& search) {
  Opened<FluidSynthesizer> synthesizer = FluidSynthesizer::create(search);
  if (!synthesizer.value) {
    return Opened<FluidSynthOutput>::failure(synthesizer.code, std::move(synthesizer.detail));
  }

  quietSoundServers();
  fluid_settings_t* settings = synthesizer.value->settings();
  configureAudio(settings);
  const std::vector<std::string> available = availableDrivers(settings);
  FluidErrorCapture errors;
  for (const std::string_view name : kDriverOrder) {
    if (std::ranges::find(available, name) == available.end()) continue;
    fluid().fluid_settings_setstr(settings, "audio.driver", std::string(name).c_str());
    auto feed =
        std::make_unique<FluidDriverFeed>(settings, synthesizer.value->synth(), name == kJack);
    if (startFeed(*feed, name)) {
      keepSoundFontInUse(synthesizer.value->soundFont().string());
      return {std::unique_ptr<FluidSynthOutput>(
          new FluidSynthOutput(std::move(synthesizer.value), std::move(feed), name != kJack))};
    }
  }
  errors.reportKept();
  return Opened<FluidSynthOutput>::failure(kNoDriver);
}

int FluidSynthOutput::send(const ChannelMessage& message) {
  return m_pause ? m_pause->send(message) : m_synthesizer->send(message);
}

void FluidSynthOutput::watchForSilence(const std::stop_token& stop) {
  std::unique_lock lock(m_watchMutex);
  const auto stopped = [&stop] { return stop.stop_requested(); };
  while (!m_watchWake.wait_for(lock, stop, kSilenceCheckInterval, stopped)) {
    m_pause->check(IdlePause::Clock::now());
  }
}

}  // namespace tonalis::midi
