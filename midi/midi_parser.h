// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a MIDI byte stream, as it comes from a port in pieces of any size, and keeps the
// notes and the sustain pedal. Running status is followed; every other message, system
// messages, clock and SysEx of any length included, is skipped.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "midi/note_event.h"

namespace tonalis::midi {

class MidiParser {
 public:
  // The notes and pedal changes that `bytes` completes, in order. A message split across
  // pieces is completed by a later piece.
  std::vector<NoteEvent> feed(std::span<const std::uint8_t> bytes);
  // Forgets a message under way, the running status and the pedal (a new port).
  void reset() { *this = MidiParser(); }

 private:
  void readStatus(std::uint8_t byte);
  void readData(std::uint8_t byte, std::vector<NoteEvent>& events);
  void complete(std::vector<NoteEvent>& events);

  std::uint8_t m_status = 0;  // running status; 0 when data bytes have no status to use
  std::array<std::uint8_t, 2> m_data{};
  std::size_t m_dataCount = 0;
  std::size_t m_dataExpected = 0;
  // Data bytes of a system message (SysEx, song position...) to pass over.
  bool m_skipping = false;
  std::array<bool, 16> m_pedalDown{};
};

}  // namespace tonalis::midi
