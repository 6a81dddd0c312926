// SPDX-License-Identifier: GPL-3.0-or-later
// The "Input" menu and a MIDI keyboard played into the window: the keys held are tinted on the
// on-screen keyboard and read live, they sound through the output (the thru), and letting go
// of everything leaves what was played as the selection. The input works on a thread of its
// own and may flood the window with notes, so the keyboard and the readout follow at most once
// a frame.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "main_window/chord_readout.h"
#include "main_window/device_entry_text.h"
#include "main_window/frm_main.h"
#include "main_window/keyboard_widget.h"
#include "main_window/port_menu.h"

namespace tonalis {

namespace {

constexpr int kFrameMilliseconds = 16;

QString inputFailureMessage(const std::string& port, int code) {
  return withMeaning(QCoreApplication::translate(
                         "tonalis::frmMain", "Couldn't open the MIDI input \u201C%1\u201D, rc = %2")
                         .arg(fromUtf8(port))
                         .arg(code),
                     code);
}

QString lostInputMessage(const std::string& port) {
  return QCoreApplication::translate(
             "tonalis::frmMain",
             "The MIDI input \u201C%1\u201D has stopped working: its MIDI system has shut "
             "down or the keyboard was unplugged.\n\nPlug it in again or start its MIDI "
             "system, then choose it in Input.")
      .arg(fromUtf8(port));
}

std::set<int> keysOf(const theory::Selection& selection) {
  const std::vector<int> keys = selection.ascending();
  return {keys.begin(), keys.end()};
}

}  // namespace

void frmMain::useMidiInput(midi::MidiInput& input, InputChoice choice) {
  m_input = &input;
  m_inputChoice = std::move(choice);
  m_ui.mnuInput = menuBar()->addMenu(tr("&Input"));
  m_ui.mnuInput->setObjectName(QStringLiteral("mnuInput"));
  m_ui.mnuInput->setToolTipsVisible(true);
  m_ui.inputGroup = new QActionGroup(m_ui.mnuInput);
  connect(m_ui.mnuInput, &QMenu::aboutToShow, this, [this] { m_input->listPorts(); });
  m_heldDisplayTimer = new QTimer(this);
  m_heldDisplayTimer->setSingleShot(true);
  m_heldDisplayTimer->setInterval(kFrameMilliseconds);
  connect(m_heldDisplayTimer, &QTimer::timeout, this, &frmMain::showPlaying);
  showInputList({});
  m_input->setWakeUp(
      [this] { QMetaObject::invokeMethod(this, &frmMain::takeInputEvents, Qt::QueuedConnection); });
}

void frmMain::takeInputEvents() {
  if (m_input == nullptr) return;
  m_inputReports.handle(m_input->takeEvents(),
                        [this](const midi::InputEvent& event) { handleInputEvent(event); });
}

void frmMain::handleInputEvent(const midi::InputEvent& event) {
  using Kind = midi::InputEvent::Kind;
  switch (event.kind) {
    case Kind::kPortsListed:
      showInputList(event.ports);
      openRememberedInput(event.ports);
      break;
    case Kind::kOpened:
      inputOpened(event.code, event.port);
      break;
    case Kind::kClosed:
      break;
    case Kind::kPortLost:
      if (!m_session.inputPort().empty() && event.port == m_session.inputPort()) {
        endPlaying();
        m_session.chooseInput({});
        checkInputEntry();
        m_messages.show(lostInputMessage(event.port));
      }
      break;
    case Kind::kNote:
      playIncoming(event.note);
      break;
  }
}

// The port chosen in an earlier run opens by itself once the first list shows it; missing, it
// leaves "None" and says nothing.
void frmMain::openRememberedInput(const std::vector<std::string>& ports) {
  if (m_inputListed) return;
  m_inputListed = true;
  const std::string& remembered = m_inputChoice.remembered;
  if (remembered.empty() || std::ranges::find(ports, remembered) == ports.end()) return;
  m_session.chooseInput(remembered);
  m_inputOpenQuietly = true;
  checkInputEntry();
  m_input->open(remembered);
}

void frmMain::showInputList(const std::vector<std::string>& ports) {
  const int entries = 1 + static_cast<int>(ports.size());
  keepEntries(m_ui.input, entries, *m_ui.mnuInput, *m_ui.inputGroup, "input",
              [this](int entry) { input_Click(entry); });
  m_ui.input.front()->setText(tr("None"));
  m_ui.input.front()->setData(QString());
  for (std::size_t port = 0; port < ports.size(); ++port) {
    showPortEntry(*m_ui.input[port + 1], fromUtf8(ports[port]), *m_ui.mnuInput);
  }
  checkInputEntry();
}

// The entry of the port in use, found by name; "None" when nothing is open.
void frmMain::checkInputEntry() {
  const QString chosen = fromUtf8(m_session.inputPort());
  QAction* checked = m_ui.input.front();
  for (QAction* action : m_ui.input) {
    if (!chosen.isEmpty() && action->data().toString() == chosen) checked = action;
  }
  for (QAction* action : m_ui.input) action->setChecked(action == checked);
  showPreferenceValues();
}

void frmMain::input_Click(int entry) {
  if (entry < 0 || entry >= static_cast<int>(m_ui.input.size())) return;
  endPlaying();
  m_inputOpenQuietly = false;
  const std::string port =
      m_ui.input[static_cast<std::size_t>(entry)]->data().toString().toStdString();
  m_session.chooseInput(port);
  checkInputEntry();
  if (port.empty()) {
    m_input->close();
  } else {
    m_input->open(port);
  }
  if (m_inputChoice.remember) m_inputChoice.remember(port);
}

void frmMain::inputOpened(int code, const std::string& port) {
  if (code == midi::kOk || port != m_session.inputPort()) return;
  m_session.chooseInput({});
  checkInputEntry();
  if (!std::exchange(m_inputOpenQuietly, false)) m_messages.show(inputFailureMessage(port, code));
}

void frmMain::playIncoming(const midi::NoteEvent& note) {
  m_session.play(note);
  keepPlayed(note);
  if (!m_heldDisplayTimer->isActive()) m_heldDisplayTimer->start();
}

// Once a frame at most: the held keys, their reading, and what was played as the selection.
void frmMain::showPlaying() {
  m_ui.keyboard->setHeldKeys(keysOf(m_session.view().heldKeys));
  if (const std::optional<theory::Selection> played = m_session.takePlayed()) {
    // As a click on a key does, taking a new selection clears the chart of the old one.
    cmdClear_Click();
    setSelection(*played);
  }
  showReading();
}

// Before the input, the output or the device list changes: nothing of the thru may go on
// sounding, and nothing held may outlast the keyboard it came from.
void frmMain::endPlaying() {
  m_session.endPlaying();
  m_capture.clear();
  if (m_heldDisplayTimer != nullptr) m_heldDisplayTimer->stop();
  m_ui.keyboard->setHeldKeys({});
  showReading();
}

void frmMain::closeInput() {
  if (m_input == nullptr) return;
  endPlaying();
  m_input->setWakeUp({});
  m_input->close();
  m_input = nullptr;
}

}  // namespace tonalis
