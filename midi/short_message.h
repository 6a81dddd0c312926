// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI short messages: packing channel messages into the 32-bit value the window sends
// (status in the low byte, then the first and second data byte) and decoding such a value
// back into the bytes that go on the wire.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tonalis::midi {

// High nibble of a channel message's status byte; the low nibble is the channel 0..15.
namespace status {
inline constexpr std::uint8_t kNoteOff = 0x80;
inline constexpr std::uint8_t kNoteOn = 0x90;
inline constexpr std::uint8_t kPolyPressure = 0xA0;
inline constexpr std::uint8_t kControlChange = 0xB0;
inline constexpr std::uint8_t kProgramChange = 0xC0;
inline constexpr std::uint8_t kChannelPressure = 0xD0;
inline constexpr std::uint8_t kPitchBend = 0xE0;
}  // namespace status

inline constexpr int kChannelCount = 16;
inline constexpr int kMaxDataValue = 0x7F;

// status + 256 * data1 + 65536 * data2; the top byte stays 0.
constexpr std::uint32_t packShortMessage(std::uint8_t statusByte, std::uint8_t data1,
                                         std::uint8_t data2) {
  return std::uint32_t{statusByte} | std::uint32_t{data1} << 8 | std::uint32_t{data2} << 16;
}

namespace detail {
constexpr std::uint8_t clampedData(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, kMaxDataValue));
}
constexpr std::uint8_t channelStatus(std::uint8_t kind, int channel) {
  return static_cast<std::uint8_t>(kind | std::clamp(channel, 0, kChannelCount - 1));
}
}  // namespace detail

// Note messages for channel 0..15, note and velocity 0..127. Values outside those ranges
// are clamped, so what comes out is always a well-formed message.
constexpr std::uint32_t noteOn(int channel, int note, int velocity) {
  return packShortMessage(detail::channelStatus(status::kNoteOn, channel),
                          detail::clampedData(note), detail::clampedData(velocity));
}
// A note-off carries velocity 0.
constexpr std::uint32_t noteOff(int channel, int note) {
  return packShortMessage(detail::channelStatus(status::kNoteOff, channel),
                          detail::clampedData(note), 0);
}

// One channel message as it goes on the wire: a status byte and one or two data bytes.
struct ChannelMessage {
  std::array<std::uint8_t, 3> bytes{};
  std::size_t size = 0;

  std::uint8_t kind() const { return bytes[0] & 0xF0; }
  int channel() const { return bytes[0] & 0x0F; }
  std::uint8_t data1() const { return bytes[1]; }
  // 0 for the two-byte messages (program change, channel pressure).
  std::uint8_t data2() const { return bytes[2]; }
  std::span<const std::uint8_t> wire() const { return {bytes.data(), size}; }
};

// Number of bytes a channel message with this status byte has: 3, or 2 for program change
// and channel pressure. Empty for a byte that is not a channel status (data bytes, and the
// system messages, which a short message of this program never carries).
std::optional<std::size_t> channelMessageSize(std::uint8_t statusByte);

// The message a packed value carries, or nothing when its status is not a channel status
// or a data byte it uses has the high bit set (a receiver would read that as a new status).
// Bytes beyond the message's size are ignored.
std::optional<ChannelMessage> decodeShortMessage(std::uint32_t packed);

}  // namespace tonalis::midi
