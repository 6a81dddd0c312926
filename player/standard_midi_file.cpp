// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/standard_midi_file.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace tonalis {

namespace {

constexpr int kMicrosecondsPerQuarter = 500'000;  // 120 beats a minute
constexpr int kMillisecondsPerQuarter = kMicrosecondsPerQuarter / 1000;

void bigEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    out += static_cast<char>(value >> shift & 0xFF);
  }
}

// A MIDI variable-length quantity: seven bits a byte, the high bit set on all but the last.
void variableLength(std::string& out, std::uint32_t value) {
  std::string bytes(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  out += bytes;
}

void event(std::string& track, std::uint32_t delta, std::initializer_list<int> bytes) {
  variableLength(track, delta);
  for (const int byte : bytes) track += static_cast<char>(byte);
}

std::uint32_t ticksOf(const HistoryEntry& entry) {
  if (!entry.length) return kTicksPerBar;
  const long long ticks = entry.length->count() * kTicksPerQuarter / kMillisecondsPerQuarter;
  // A chord lasts a tick at least, and a few hours at most, so its length fits its field.
  return static_cast<std::uint32_t>(std::clamp<long long>(ticks, 1, 0x0FFFFFFF));
}

}  // namespace

std::string standardMidiFile(const std::vector<HistoryEntry>& entries) {
  constexpr int kNoteOn = 0x90;
  constexpr int kNoteOff = 0x80;
  std::string track;
  event(track, 0,
        {0xFF, 0x51, 3, kMicrosecondsPerQuarter >> 16, kMicrosecondsPerQuarter >> 8 & 0xFF,
         kMicrosecondsPerQuarter & 0xFF});
  event(track, 0, {0xFF, 0x58, 4, 4, 2, 24, 8});  // 4/4
  for (const HistoryEntry& entry : entries) {
    for (std::size_t i = 0; i < entry.notes.size(); ++i) {
      const int velocity = i < entry.velocities.size() ? entry.velocities[i] : kUnplayedVelocity;
      event(track, 0, {kNoteOn, entry.notes[i] & 0x7F, std::clamp(velocity, 1, 127)});
    }
    std::uint32_t delta = ticksOf(entry);
    for (const int note : entry.notes) {
      event(track, std::exchange(delta, 0), {kNoteOff, note & 0x7F, 0});
    }
  }
  event(track, 0, {0xFF, 0x2F, 0});

  std::string file = "MThd";
  bigEndian(file, 6, 4);
  bigEndian(file, 0, 2);  // format 0
  bigEndian(file, 1, 2);  // one track
  bigEndian(file, kTicksPerQuarter, 2);
  file += "MTrk";
  bigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
  return file + track;
}

}  // namespace tonalis
