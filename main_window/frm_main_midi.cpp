// MIDI output: sounding keys and chart chords, the volume dial, and the guards that keep a
// note from hanging.
#include <QLabel>
#include <QProgressBar>

#include "main_window/chart_markers.h"
#include "main_window/device_entry_text.h"
#include "main_window/dial/dial.h"
#include "main_window/frm_main.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "midi/short_message.h"
#include "theory/chord_chart.h"
#include "theory/keyboard.h"

namespace tonalis {

namespace {

constexpr std::size_t kMaxChordNotes = 5;  // one MIDI channel each, 1..5

QString levelText(int value) {
  switch (value) {
    case 0:
      return QStringLiteral("Off");
    case 32:
      return QStringLiteral("1/4");
    case 64:
      return QStringLiteral("1/2");
    case 96:
      return QStringLiteral("3/4");
    case 127:
      return QStringLiteral("Full");
    default:
      return QString::number(value);
  }
}

}  // namespace

void frmMain::noteOn(int key) {
  if (key < 1 || key > theory::kKeyCount) return;
  PressableLabel* label = m_ui.lblKey[static_cast<std::size_t>(key)];
  if (label->tag() == kSounding) return;
  label->setTag(kSounding);
  send(midi::noteOn(m_state.midiChannel, m_state.baseNote + key - 1, m_state.noteVelocity));
}

void frmMain::noteOff(int key) {
  if (key < 1 || key > theory::kKeyCount) return;
  m_ui.lblKey[static_cast<std::size_t>(key)]->setTag(kReleased);
  send(midi::noteOff(m_state.midiChannel, m_state.baseNote + key - 1));
}

// The chart keys whose markers the picture shows, ascending, at most one per channel 1..5.
std::vector<int> frmMain::chartNotes(int picture) const {
  std::vector<int> notes;
  for (int chartKey = 1; chartKey <= theory::kChartKeyCount && notes.size() < kMaxChordNotes;
       ++chartKey) {
    if (m_ui.shpChordDisp->isMarkerVisible(100 * picture + chartKey)) notes.push_back(chartKey);
  }
  return notes;
}

void frmMain::imgChordDisp_MouseDown(int picture) {
  const std::vector<int> notes = chartNotes(picture);
  PressableLabel* label = m_ui.imgChordDisp.at(picture);
  if (label->tag() == kSounding) return;
  for (std::size_t place = 0; place < notes.size(); ++place) {
    const auto channel = static_cast<int>(place + 1);
    send(midi::noteOn(channel, m_state.baseNote + notes[place] - 1, m_state.noteVelocity));
  }
  m_soundingChords[picture] = notes;
  label->setTag(kSounding);
}

void frmMain::imgChordDisp_MouseUp(int picture) {
  // The chart can change while a picture is held (a computer key may clear it), so the notes
  // that were started are the ones to stop.
  const auto sounding = m_soundingChords.find(picture);
  const std::vector<int> notes =
      sounding != m_soundingChords.end() ? sounding->second : chartNotes(picture);
  if (sounding != m_soundingChords.end()) m_soundingChords.erase(sounding);
  for (std::size_t place = 0; place < notes.size(); ++place) {
    const auto channel = static_cast<int>(place + 1);
    send(midi::noteOff(channel, m_state.baseNote + notes[place] - 1));
  }
  m_ui.imgChordDisp.at(picture)->setTag(kReleased);
}

void frmMain::send(std::uint32_t message) {
  m_state.midiMsg = static_cast<std::int32_t>(message);
  m_output.shortMessage(message);
}

// Ends every note that sounds and forgets the computer keys held down, whose key-up may never
// arrive here. A key-up already received but held back for repeats is played first.
void frmMain::silenceAll() {
  playComputerKeys(m_computerKeys.settle());
  m_computerKeys.forget();
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    if (m_ui.lblKey[static_cast<std::size_t>(key)]->tag() == kSounding) noteOff(key);
  }
  for (const auto& [index, picture] : m_ui.imgChordDisp) {
    if (picture->tag() == kSounding) imgChordDisp_MouseUp(index);
  }
}

void frmMain::closeOutput() {
  if (m_outputClosed) return;
  silenceAll();
  m_output.close();
  m_state.hMidiOut = nullptr;
  m_outputClosed = true;
}

void frmMain::Dial1_Change() {
  const int value = m_ui.dial1->value();
  m_ui.lblVol[1]->setText(levelText(value));
  m_ui.pgbVolume->setValue(value);
  // The level label overlaps the top of the bar. Its repaints paint the bar clipped to those few
  // pixels, after which the bar believes it shows its value and skips small changes; a full
  // repaint keeps it true to the dial.
  m_ui.pgbVolume->update();
  m_state.noteVelocity = static_cast<std::int16_t>(value);
}

}  // namespace tonalis
