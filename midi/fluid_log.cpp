// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_log.h"

#include <mutex>
#include <string_view>
#include <utility>

#include "midi/diagnostics.h"
#include "midi/fluid_library.h"
#include "midi/jack_clients.h"

namespace tonalis::midi {
namespace {

constexpr const char* kSource = "fluidsynth";
// What FluidSynth's JACK driver says, and all it does, when its server goes.
constexpr std::string_view kJackServerLost = "Lost the connection to the JACK server";

// FluidSynth logs from its audio thread too.
std::mutex g_logMutex;
std::vector<std::string>* g_keptErrors = nullptr;

void logError(int, const char* message, void*) {
  if (std::string_view(message).find(kJackServerLost) != std::string_view::npos) {
    noteJackServerDeparture();
  }
  const std::lock_guard lock(g_logMutex);
  if (g_keptErrors != nullptr) {
    g_keptErrors->emplace_back(message);
  } else {
    reportError(kSource, message);
  }
}

void dropMessage(int, const char*, void*) {}

}  // namespace

void routeFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid().fluid_set_log_function(FLUID_PANIC, &logError, nullptr);
    fluid().fluid_set_log_function(FLUID_ERR, &logError, nullptr);
    fluid().fluid_set_log_function(FLUID_WARN, &dropMessage, nullptr);
    fluid().fluid_set_log_function(FLUID_INFO, &dropMessage, nullptr);
    fluid().fluid_set_log_function(FLUID_DBG, &dropMessage, nullptr);
  });
}

FluidErrorCapture::FluidErrorCapture() {
  routeFluidLog();
  const std::lock_guard lock(g_logMutex);
  g_keptErrors = &m_errors;
}

FluidErrorCapture::~FluidErrorCapture() {
  const std::lock_guard lock(g_logMutex);
  g_keptErrors = nullptr;
}

void FluidErrorCapture::keep(std::string error) {
  const std::lock_guard lock(g_logMutex);
  m_errors.push_back(std::move(error));
}

std::size_t FluidErrorCapture::errorCount() const {
  const std::lock_guard lock(g_logMutex);
  return m_errors.size();
}

std::string FluidErrorCapture::firstErrorSince(std::size_t mark) const {
  const std::lock_guard lock(g_logMutex);
  return mark < m_errors.size() ? m_errors[mark] : std::string();
}

void FluidErrorCapture::reportKept() {
  const std::lock_guard lock(g_logMutex);
  for (const std::string& error : m_errors) reportError(kSource, error);
  m_errors.clear();
}

}  // namespace tonalis::midi
