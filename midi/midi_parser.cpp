// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_parser.h"

#include "midi/short_message.h"

namespace tonalis::midi {
namespace {

constexpr std::uint8_t kStatusBit = 0x80;
constexpr std::uint8_t kFirstRealTime = 0xF8;
constexpr std::uint8_t kSustainController = 64;
constexpr std::uint8_t kPedalDownFrom = 64;

}  // namespace

std::vector<NoteEvent> MidiParser::feed(std::span<const std::uint8_t> bytes) {
  std::vector<NoteEvent> events;
  for (const std::uint8_t byte : bytes) {
    // Real-time messages (clock, start, stop, active sensing...) may come between any two
    // bytes, even inside another message, and leave it as it was.
    if (byte >= kFirstRealTime) continue;
    if (byte & kStatusBit) {
      readStatus(byte);
    } else {
      readData(byte, events);
    }
  }
  return events;
}

void MidiParser::readStatus(std::uint8_t byte) {
  m_dataCount = 0;
  if (const std::optional<std::size_t> size = channelMessageSize(byte)) {
    m_status = byte;
    m_dataExpected = *size - 1;
    m_skipping = false;
  } else {
    // SysEx, its end, and the system common messages: their data bytes, if any, are not
    // for a channel message, and they cancel the running status.
    m_status = 0;
    m_skipping = true;
  }
}

void MidiParser::readData(std::uint8_t byte, std::vector<NoteEvent>& events) {
  if (m_skipping || m_status == 0) return;
  m_data[m_dataCount++] = byte;
  if (m_dataCount < m_dataExpected) return;
  complete(events);
  m_dataCount = 0;
}

void MidiParser::complete(std::vector<NoteEvent>& events) {
  const int channel = m_status & 0x0F;
  const int note = m_data[0];
  const int value = m_data[1];
  switch (m_status & 0xF0) {
    case status::kNoteOn:
      if (value > 0) {
        events.push_back({NoteEvent::Kind::kNoteOn, channel, note, value});
        break;
      }
      [[fallthrough]];
    case status::kNoteOff:
      events.push_back({NoteEvent::Kind::kNoteOff, channel, note, value});
      break;
    case status::kControlChange: {
      if (note != kSustainController) break;
      // Pedals that send every position between up and down report only the crossings.
      const bool down = value >= kPedalDownFrom;
      if (down == m_pedalDown[channel]) break;
      m_pedalDown[channel] = down;
      events.push_back(
          {down ? NoteEvent::Kind::kPedalDown : NoteEvent::Kind::kPedalUp, channel, 0, value});
      break;
    }
    default:
      break;
  }
}

}  // namespace tonalis::midi
