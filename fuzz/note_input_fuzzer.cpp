// SPDX-License-Identifier: GPL-3.0-or-later
// Notes as typed on the command line (names, octaves, accidentals, numbers, separators): a
// chord is either refused with a short, printable message or made of two or more MIDI notes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "theory/note_input.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tonalis::theory::ParsedChord chord = tonalis::theory::parseChord(text);
  if (chord.error) {
    check(chord.error->size() < 200);
    for (const char byte : *chord.error) check(static_cast<unsigned char>(byte) >= 0x20);
    return 0;
  }
  check(chord.pitches.size() >= 2);
  for (const int pitch : chord.pitches) check(pitch >= 0 && pitch <= 127);
  return 0;
}
