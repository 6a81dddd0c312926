// SPDX-License-Identifier: GPL-3.0-or-later
#include "note_names.h"

#include <array>

#include "keyboard.h"

namespace tonalis::theory {

namespace {

// Name of each pitch class 0..11, C first; both octaves of the keyboard use the same names.
constexpr std::array<std::string_view, 12> kNoteNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                      "F#", "G",  "G#", "A",  "A#", "B"};

}  // namespace

std::string_view noteName(int key) {
  if (key < 1 || key > kKeyCount) return {};
  return kNoteNames[pitchClass(key)];
}

}  // namespace tonalis::theory
