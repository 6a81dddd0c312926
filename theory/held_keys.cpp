// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/held_keys.h"

#include <utility>

#include "theory/keyboard.h"

namespace tonalis::theory {
namespace {

constexpr int kTopKeyNote = kKeyOneNote + kKeyCount - 1;

bool isNote(int note) {
  return note >= 0 && note <= 127;
}

}  // namespace

int keyForNote(int note) {
  while (note < kKeyOneNote) note += kOctave;
  while (note > kTopKeyNote) note -= kOctave;
  return note - kKeyOneNote + 1;
}

void HeldKeys::press(int note) {
  if (!isNote(note)) return;
  ++m_presses[note];
  m_sustained[note] = false;
  m_played.select(keyForNote(note));
}

std::optional<Selection> HeldKeys::release(int note) {
  if (!isNote(note) || m_presses[note] == 0) return std::nullopt;
  if (--m_presses[note] == 0 && m_pedal) m_sustained[note] = true;
  return endIfNothingHeld();
}

void HeldKeys::pedalDown() {
  m_pedal = true;
}

std::optional<Selection> HeldKeys::pedalUp() {
  if (!m_pedal) return std::nullopt;
  m_pedal = false;
  m_sustained.fill(false);
  return endIfNothingHeld();
}

void HeldKeys::clear() {
  *this = HeldKeys();
}

Selection HeldKeys::held() const {
  Selection keys;
  for (const int note : pitches()) keys.select(keyForNote(note));
  return keys;
}

std::vector<int> HeldKeys::pitches() const {
  std::vector<int> notes;
  for (int note = 0; note < kNoteCount; ++note) {
    if (m_presses[note] > 0 || m_sustained[note]) notes.push_back(note);
  }
  return notes;
}

std::optional<Selection> HeldKeys::endIfNothingHeld() {
  if (!held().empty() || m_played.empty()) return std::nullopt;
  return std::exchange(m_played, Selection());
}

}  // namespace tonalis::theory
