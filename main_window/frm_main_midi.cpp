// SPDX-License-Identifier: GPL-3.0-or-later
// Sounding keys and chart chords through the note player, the volume dial, and the guards that
// keep a note from hanging.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "main_window/dial/dial.h"
#include "main_window/frm_main.h"
#include "main_window/keyboard_widget.h"
#include "main_window/pressable_label.h"
#include "theory/keyboard.h"

namespace tonalis {

namespace {

QString levelText(int value) {
  switch (value) {
    case 0:
      return QCoreApplication::translate("tonalis::frmMain", "Off");
    case 32:
      return QStringLiteral("1/4");
    case 64:
      return QStringLiteral("1/2");
    case 96:
      return QStringLiteral("3/4");
    case 127:
      return QCoreApplication::translate("tonalis::frmMain", "Full");
    default:
      return QString::number(value);
  }
}

QString flagText(std::string_view flag) {
  return QString::fromLatin1(flag.data(), static_cast<qsizetype>(flag.size()));
}

}  // namespace

void frmMain::imgChordDisp_MouseDown(int picture) {
  m_session.pressChord(picture);
  showSoundingFlags();
}

void frmMain::imgChordDisp_MouseUp(int picture) {
  m_session.releaseChord(picture);
  showSoundingFlags();
}

// The player decides the flags; the keys and pictures carry them as their tags.
void frmMain::showSoundingFlags() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_ui.keyboard->key(key)->setTag(flagText(m_session.player().keyFlag(key)));
  }
  for (const auto& [index, picture] : m_ui.imgChordDisp) {
    picture->setTag(flagText(m_session.player().chordFlag(index)));
  }
}

// Ends every note that sounds and forgets the computer keys held down, whose key-up may never
// arrive here. A key-up already received but held back for repeats is played first.
void frmMain::silenceAll() {
  playComputerKeys(m_computerKeys.settle());
  m_computerKeys.forget();
  m_session.player().silenceAll();
  showSoundingFlags();
}

void frmMain::closeOutput() {
  if (m_outputClosed) return;
  silenceAll();
  endPlaying();
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
  m_session.player().setVelocity(value);
  rememberVolume(value);
}

}  // namespace tonalis
