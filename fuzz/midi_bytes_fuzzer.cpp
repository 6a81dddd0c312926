// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI bytes as a port delivers them, in pieces of any size: the first bytes choose where the
// stream is cut. Whatever the cuts, the parser must find the same notes as in one piece, and
// every note it reports must be a MIDI note on a MIDI channel.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "midi/midi_parser.h"

namespace {

constexpr std::size_t kCutBytes = 4;

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kCutBytes) return 0;
  const std::span<const std::uint8_t> cuts(data, kCutBytes);
  const std::span<const std::uint8_t> stream(data + kCutBytes, size - kCutBytes);

  tonalis::midi::MidiParser whole;
  const std::vector<tonalis::midi::NoteEvent> expected = whole.feed(stream);
  for (const tonalis::midi::NoteEvent& event : expected) {
    check(event.channel >= 0 && event.channel < 16);
    check(event.note >= 0 && event.note < 128);
    check(event.velocity >= 0 && event.velocity < 128);
  }

  tonalis::midi::MidiParser pieces;
  std::vector<tonalis::midi::NoteEvent> found;
  for (std::size_t at = 0, cut = 0; at < stream.size(); ++cut) {
    const std::size_t length =
        std::min<std::size_t>(cuts[cut % kCutBytes] % 16 + 1, stream.size() - at);
    for (const tonalis::midi::NoteEvent& event : pieces.feed(stream.subspan(at, length)))
      found.push_back(event);
    at += length;
  }
  check(found == expected);
  return 0;
}
