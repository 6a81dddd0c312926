// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_thru.h"

#include "midi/short_message.h"

namespace tonalis::midi {
namespace {

// Channel 7: the keys use channel 1 and the chart's chords channels 2 to 6, and a note-off
// ends a note on its channel whoever started it, so the thru keeps a channel of its own.
constexpr int kThruChannel = 6;
constexpr std::uint8_t kSustainController = 64;
constexpr std::uint8_t kPedalDownValue = 127;

std::uint32_t sustain(bool down) {
  return packShortMessage(status::kControlChange | kThruChannel, kSustainController,
                          down ? kPedalDownValue : 0);
}

}  // namespace

void MidiThru::play(const NoteEvent& event) {
  const bool isNote = event.note >= 0 && event.note < kNoteCount;
  switch (event.kind) {
    case NoteEvent::Kind::kNoteOn:
      if (!isNote) return;
      ++m_presses[event.note];
      m_output.shortMessage(noteOn(kThruChannel, event.note, event.velocity));
      break;
    case NoteEvent::Kind::kNoteOff:
      if (!isNote || m_presses[event.note] == 0) return;
      if (--m_presses[event.note] == 0) m_output.shortMessage(noteOff(kThruChannel, event.note));
      break;
    case NoteEvent::Kind::kPedalDown:
    case NoteEvent::Kind::kPedalUp: {
      const bool down = event.kind == NoteEvent::Kind::kPedalDown;
      if (down == m_pedalDown) return;
      m_pedalDown = down;
      m_output.shortMessage(sustain(down));
      break;
    }
  }
}

void MidiThru::releaseAll() {
  for (int note = 0; note < kNoteCount; ++note) {
    if (m_presses[note] > 0) m_output.shortMessage(noteOff(kThruChannel, note));
  }
  m_presses.fill(0);
  if (m_pedalDown) m_output.shortMessage(sustain(false));
  m_pedalDown = false;
}

}  // namespace tonalis::midi
