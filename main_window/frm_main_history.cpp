// SPDX-License-Identifier: GPL-3.0-or-later
// Chord symbols typed in, and the history of the chords played, read and entered.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include "main_window/chord_symbol_dialog.h"
#include "main_window/frm_main.h"
#include "main_window/history_window.h"
#include "main_window/keyboard_widget.h"

namespace tonalis {

namespace {
// How long an entered symbol sounds: long enough to hear the chord, short enough not to
// linger under the next.
constexpr std::chrono::milliseconds kSymbolSounding{1200};
}  // namespace

void frmMain::useHistory(FileChooser& files) {
  m_history = new HistoryWindow(
      files, m_messages, [this](const theory::Selection& keys) { restoreKeys(keys); }, this);
  m_symbolTimer = new QTimer(this);
  m_symbolTimer->setSingleShot(true);
  m_symbolTimer->setInterval(kSymbolSounding);
  connect(m_symbolTimer, &QTimer::timeout, this, [this] {
    for (const int key : std::exchange(m_symbolKeys, {})) m_session.player().releaseKey(key);
    showSoundingFlags();
  });
  if (m_ui.mnuChord == nullptr) return;
  m_ui.mnuChord->addSeparator();
  QAction* enter = m_ui.mnuChord->addAction(tr("&Enter Chord Symbol…"));
  enter->setObjectName(QStringLiteral("mnuEnterChordSymbol"));
  enter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(enter, &QAction::triggered, this, [this] {
    if (m_symbolDialog == nullptr) {
      m_symbolDialog = new ChordSymbolDialog(
          [this](const theory::ChordSymbol& chord) { enterChordSymbol(chord); }, this);
    }
    m_symbolDialog->show();
    m_symbolDialog->raise();
    m_symbolDialog->activateWindow();
  });
  QAction* history = m_ui.mnuChord->addAction(tr("&History"));
  history->setObjectName(QStringLiteral("mnuHistory"));
  history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  connect(history, &QAction::triggered, this, [this] {
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
  });
}

// The symbol's keys become the selection, as a click on a key does it, and sound together a
// moment; a symbol entered while the last still sounds ends that one first.
void frmMain::enterChordSymbol(const theory::ChordSymbol& chord) {
  theory::Selection keys;
  for (const theory::VoicedNote& note : theory::voicing(chord)) keys.select(note.key);
  restoreKeys(keys);
  if (m_symbolTimer != nullptr) {
    for (const int key : std::exchange(m_symbolKeys, {})) m_session.player().releaseKey(key);
    m_symbolKeys = keys.ascending();
    for (const int key : m_symbolKeys) m_session.player().pressKey(key);
    showSoundingFlags();
    m_symbolTimer->start();
  }
  keepInHistory(notesOfKeys(keys));
}

void frmMain::restoreKeys(const theory::Selection& keys) {
  // As a click on a key does, taking a new selection clears the chart of the old one.
  cmdClear_Click();
  setSelection(keys);
}

void frmMain::keepInHistory(const std::vector<int>& notes) {
  if (m_history == nullptr || notes.size() < 2) return;
  m_history->add(historyEntry(notes, std::chrono::system_clock::now(), m_readout.options));
}

void frmMain::keepPlayed(const midi::NoteEvent& note) {
  using Kind = midi::NoteEvent::Kind;
  std::optional<ChordCapture::Settled> settled;
  if (note.kind == Kind::kNoteOn) settled = m_capture.press(note.note, note.velocity, note.arrival);
  if (note.kind == Kind::kNoteOff) settled = m_capture.release(note.note, note.arrival);
  if (!settled || m_history == nullptr) return;
  HistoryEntry entry =
      historyEntry(settled->notes, std::chrono::system_clock::now(), m_readout.options);
  entry.velocities = settled->velocities;
  entry.length = settled->length;
  m_history->add(std::move(entry));
}

}  // namespace tonalis
