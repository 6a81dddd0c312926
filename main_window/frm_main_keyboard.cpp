// The keyboard: mouse and computer keys sound the keys, clicks toggle the selection.
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "main_window/dial/dial.h"
#include "main_window/chord_readout.h"
#include "main_window/disc.h"
#include "main_window/frm_main.h"
#include "main_window/pressable_label.h"
#include "main_window/virtual_key.h"
#include "theory/keyboard.h"

namespace tonalis {

void frmMain::lblKey_MouseDown(int key) {
  noteOn(key);
}

void frmMain::lblKey_MouseUp(int key) {
  noteOff(key);
}

void frmMain::lblKey_Click(int key) {
  theory::Selection selection = m_selection;
  selection.toggle(key);
  setSelection(selection);
  if (m_selection.empty()) cmdClear_Click();
}

// The selection is shown by the key markers: marker k is visible exactly when key k is selected.
void frmMain::setSelection(const theory::Selection& selection) {
  m_selection = selection;
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_ui.shpKeyPress[static_cast<std::size_t>(key)]->setVisible(m_selection.selected(key));
    m_ui.lblKey[static_cast<std::size_t>(key)]->setChecked(m_selection.selected(key));
  }
  showChordReading(*m_ui.lblChordReading, m_selection);
}

// The keyboard's one place in the tab chain moves with the focus, so Tab leaves the keyboard
// from the key last used.
void frmMain::moveKeyFocus(int key, int step) {
  const int next = std::clamp(key + step, 1, theory::kKeyCount);
  if (next == key) return;
  PressableLabel* from = m_ui.lblKey[static_cast<std::size_t>(key)];
  PressableLabel* to = m_ui.lblKey[static_cast<std::size_t>(next)];
  to->setFocusPolicy(Qt::TabFocus);
  QWidget::setTabOrder(m_ui.dial1, to);
  to->setFocus(Qt::TabFocusReason);
  from->setFocusPolicy(Qt::NoFocus);
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
  const int key = keyIndexForQtKey(event->key());
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
  const int key = keyIndexForQtKey(event->key());
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
