// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/short_message.h"

namespace tonalis::midi {
namespace {

constexpr std::uint8_t kDataBitMask = 0x80;

std::uint8_t byteAt(std::uint32_t packed, int index) {
  return static_cast<std::uint8_t>(packed >> (8 * index));
}

}  // namespace

std::optional<std::size_t> channelMessageSize(std::uint8_t statusByte) {
  switch (statusByte & 0xF0) {
    case status::kNoteOff:
    case status::kNoteOn:
    case status::kPolyPressure:
    case status::kControlChange:
    case status::kPitchBend:
      return 3;
    case status::kProgramChange:
    case status::kChannelPressure:
      return 2;
    default:
      return std::nullopt;
  }
}

std::optional<ChannelMessage> decodeShortMessage(std::uint32_t packed) {
  ChannelMessage message;
  message.bytes[0] = byteAt(packed, 0);
  const std::optional<std::size_t> size = channelMessageSize(message.bytes[0]);
  if (!size) return std::nullopt;
  message.size = *size;
  for (std::size_t i = 1; i < message.size; ++i) {
    message.bytes[i] = byteAt(packed, static_cast<int>(i));
    if (message.bytes[i] & kDataBitMask) return std::nullopt;
  }
  return message;
}

}  // namespace tonalis::midi
