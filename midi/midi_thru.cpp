// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_thru.h"

#include "midi/short_message.h"

namespace tonalis::midi {
namespace {

constexpr std::uint8_t kSustainController = 64;
constexpr std::uint8_t kPedalDownValue = 127;

std::uint32_t sustain(int channel, bool down) {
  return packShortMessage(static_cast<std::uint8_t>(status::kControlChange | channel),
                          kSustainController, down ? kPedalDownValue : 0);
}

}  // namespace

void MidiThru::play(const NoteEvent& event) {
  const bool isNote = event.note >= 0 && event.note < kNoteCount;
  switch (event.kind) {
    case NoteEvent::Kind::kNoteOn:
      if (!isNote) return;
      ++m_presses[event.note];
      m_output.shortMessage(noteOn(m_channel, event.note, event.velocity));
      break;
    case NoteEvent::Kind::kNoteOff:
      if (!isNote || m_presses[event.note] == 0) return;
      if (--m_presses[event.note] == 0) m_output.shortMessage(noteOff(m_channel, event.note));
      break;
    case NoteEvent::Kind::kPedalDown:
    case NoteEvent::Kind::kPedalUp: {
      const bool down = event.kind == NoteEvent::Kind::kPedalDown;
      if (down == m_pedalDown) return;
      m_pedalDown = down;
      m_output.shortMessage(sustain(m_channel, down));
      break;
    }
  }
}

void MidiThru::releaseAll() {
  for (int note = 0; note < kNoteCount; ++note) {
    if (m_presses[note] > 0) m_output.shortMessage(noteOff(m_channel, note));
  }
  m_presses.fill(0);
  if (m_pedalDown) m_output.shortMessage(sustain(m_channel, false));
  m_pedalDown = false;
}

}  // namespace tonalis::midi
