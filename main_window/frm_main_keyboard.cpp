// The keyboard: mouse and computer keys sound the keys, clicks toggle the selection.
#include <QKeyEvent>

#include "main_window/chord_readout.h"
#include "main_window/disc.h"
#include "main_window/frm_main.h"
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
  }
  showChordReading(*m_ui.lblChordReading, m_selection);
}

// A computer key acts like the mouse on its on-screen key: down is the press, up the release
// and then the click. Auto-repeat sends nothing more.
void frmMain::computerKeyDown(int key) {
  if (m_heldComputerKeys.insert(key).second) lblKey_MouseDown(key);
}

void frmMain::computerKeyUp(int key) {
  // A key forgotten when its note was silenced (focus loss, device change) does nothing.
  if (m_heldComputerKeys.erase(key) == 0) return;
  lblKey_MouseUp(key);
  lblKey_Click(key);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  const int key = keyIndexForQtKey(event->key());
  const bool shortcut =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (key == theory::kNoKey || shortcut) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) computerKeyDown(key);
  event->accept();
}

// No modifier check here: a modifier pressed while the key is held must not strand its note.
void frmMain::keyReleaseEvent(QKeyEvent* event) {
  const int key = keyIndexForQtKey(event->key());
  if (key == theory::kNoKey) {
    QMainWindow::keyReleaseEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) computerKeyUp(key);
  event->accept();
}

}  // namespace tonalis
