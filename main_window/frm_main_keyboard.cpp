// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: mouse and computer keys sound the keys, clicks toggle the selection.
#include <QKeyEvent>
#include <QTimer>

#include "main_window/chord_readout.h"
#include "main_window/frm_main.h"
#include "main_window/keyboard_widget.h"
#include "main_window/virtual_key.h"
#include "theory/keyboard.h"

namespace tonalis {

void frmMain::lblKey_MouseDown(int key) {
  m_session.player().pressKey(key);
  showSoundingFlags();
}

void frmMain::lblKey_MouseUp(int key) {
  m_session.player().releaseKey(key);
  showSoundingFlags();
}

void frmMain::lblKey_Click(int key) {
  theory::Selection selection = m_session.selection();
  selection.toggle(key);
  setSelection(selection);
  if (selection.empty()) cmdClear_Click();
}

// The selection is shown by the key markers: marker k is visible exactly when key k is selected.
void frmMain::setSelection(const theory::Selection& selection) {
  m_session.select(selection);
  m_ui.keyboard->showSelection(selection);
  showReading();
}

// A computer key acts like the mouse on its on-screen key: down is the press, up the release
// and then the click. Repeats of a held key send nothing more.
void frmMain::playComputerKeys(const std::vector<ComputerKeys::Action>& actions) {
  for (const ComputerKeys::Action& action : actions) {
    if (action.kind == ComputerKeys::Action::kDown) {
      lblKey_MouseDown(action.key);
    } else {
      lblKey_MouseUp(action.key);
      lblKey_Click(action.key);
    }
  }
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  const int key = keyIndexForEvent(*event);
  const bool shortcut =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (key == theory::kNoKey || shortcut) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) playComputerKeys(m_computerKeys.press(key, event->timestamp()));
  event->accept();
}

// No modifier check here: a modifier pressed while the key is held must not strand its note.
void frmMain::keyReleaseEvent(QKeyEvent* event) {
  const int key = keyIndexForEvent(*event);
  if (key == theory::kNoKey) {
    QMainWindow::keyReleaseEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) {
    playComputerKeys(m_computerKeys.release(key, event->timestamp()));
    if (m_computerKeys.hasHeldBackRelease()) m_keyRepeatTimer->start();
  }
  event->accept();
}

void frmMain::setKeyRepeatWindow(std::chrono::milliseconds window) {
  m_keyRepeatTimer->setInterval(window);
}

}  // namespace tonalis
