// SPDX-License-Identifier: GPL-3.0-or-later
// The "Devices" menu: the devices the output lists, the one in use checked, and the output's
// reports of what became of a choice. The output works on a thread of its own, so the window
// asks and goes on answering; the answers come back here in the order they were asked for.
#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

#include "main_window/device_entry_text.h"
#include "main_window/frm_main.h"
#include "main_window/port_menu.h"

namespace tonalis {

namespace {

// What the code means follows it, then what the output knows about this failure.
QString openFailureMessage(int code, const std::string& detail) {
  QString message = withMeaning(
      QCoreApplication::translate("tonalis::frmMain", "Couldn't open midi out, rc = %1").arg(code),
      code);
  if (!detail.empty()) message += QStringLiteral("\n\n") + QString::fromStdString(detail);
  return message;
}

QString lostDeviceMessage(const QString& device) {
  return QCoreApplication::translate(
             "tonalis::frmMain",
             "The MIDI device \u201C%1\u201D has stopped working: its MIDI system has "
             "shut down or the device was removed.\n\nKeys and chords now sound "
             "through MIDI Mapper. To play there again, start its MIDI system again or plug "
             "it in, then choose it in Devices.")
      .arg(device);
}

}  // namespace

void frmMain::fillDeviceMenu() {
  // The output reads its device list as soon as it starts; usually it is there by now.
  waitForOutput([this] { return m_devices.has_value(); });
  m_deviceMenuFilled = true;
  showDeviceList();
}

// Opening the menu reads the device list again: the entries show the last list at once and
// change when the new one comes.
void frmMain::mnuDevice_Show() {
  // The open menu takes the keyboard: the key-up of a computer key held now would be lost.
  silenceAll();
  m_output.listDevices();
}

void frmMain::device_Click(int entry) {
  if (entry < 0 || entry >= static_cast<int>(m_ui.device.size())) return;
  // The notes started on the old output must end there.
  silenceAll();
  endPlaying();
  for (std::size_t other = 0; other < m_ui.device.size(); ++other) {
    m_ui.device[other]->setChecked(static_cast<int>(other) == entry);
  }
  m_state.curDevice = entry - 1;
  const std::string device =
      entry == 0 ? midi::kMidiMapper
                 : m_ui.device[static_cast<std::size_t>(entry)]->data().toString().toStdString();
  m_session.chooseOutput(device);
  m_state.hMidiOut = nullptr;
  m_output.close();
  m_output.open(device);
  m_outputClosed = false;
  if (m_pendingOpens++ == 0) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void frmMain::takeMidiEvents() {
  m_outputReports.handle(m_output.takeEvents(),
                         [this](const midi::MidiEvent& event) { handleMidiEvent(event); });
}

void frmMain::handleMidiEvent(const midi::MidiEvent& event) {
  using Kind = midi::MidiEvent::Kind;
  switch (event.kind) {
    case Kind::kDevicesListed:
      m_devices = event.devices;
      if (m_deviceMenuFilled) showDeviceList();
      break;
    case Kind::kClosed:
      m_state.midiRc = event.code;
      break;
    case Kind::kOpened:
      outputOpened(event.code, event.detail);
      break;
    case Kind::kSoundFont:
      soundFontReported(event);
      break;
    case Kind::kDeviceLost:
      // A choice made since is under way and reports for itself.
      if (m_pendingOpens == 0 && event.device != midi::kMidiMapper &&
          event.device == m_session.outputDevice()) {
        chosenDeviceLost();
      }
      break;
  }
}

// One entry per device, reusing the entries there are, so that an open menu stays in place;
// the chosen device keeps its check mark wherever it now is in the list.
void frmMain::showDeviceList() {
  const std::vector<std::string>& devices = m_devices.value_or(std::vector<std::string>{});
  m_state.deviceCount = static_cast<int>(devices.size());
  const int entries = 1 + m_state.deviceCount;
  keepEntries(m_ui.device, entries, *m_ui.mnuDevice, *m_ui.deviceGroup, "device",
              [this](int entry) { chooseDevice(entry); });
  m_ui.device.front()->setText(tr("MIDI Mapper"));
  for (int entry = 1; entry < entries; ++entry) {
    showPortEntry(*m_ui.device[static_cast<std::size_t>(entry)],
                  fromUtf8(devices[static_cast<std::size_t>(entry - 1)]), *m_ui.mnuDevice);
  }
  if (!m_session.outputDevice()) {
    showPreferenceValues();
    return;
  }

  const bool mapper = m_session.outputDevice() == midi::kMidiMapper;
  int chosen = -1;
  for (int entry = 0; entry < entries && chosen < 0; ++entry) {
    const bool isChosen =
        mapper ? entry == 0
               : entry > 0 && m_ui.device[static_cast<std::size_t>(entry)]->data().toString() ==
                                  chosenDevice();
    if (isChosen) chosen = entry;
  }
  for (int entry = 0; entry < entries; ++entry) {
    m_ui.device[static_cast<std::size_t>(entry)]->setChecked(entry == chosen);
  }
  if (chosen >= 0) {
    m_state.curDevice = chosen - 1;
  } else if (m_pendingOpens == 0) {
    chosenDeviceLost();
  }
  showPreferenceValues();
}

void frmMain::outputOpened(int code, const std::string& failureDetail) {
  m_state.midiRc = code;
  if (--m_pendingOpens == 0) {
    QGuiApplication::restoreOverrideCursor();
    m_state.hMidiOut = code == midi::kOk ? &m_output : nullptr;
  }
  if (code != midi::kOk) m_messages.show(openFailureMessage(code, failureDetail));
}

// Said once, then the keys sound again through the built-in synthesizer.
void frmMain::chosenDeviceLost() {
  m_messages.show(lostDeviceMessage(chosenDevice()));
  device_Click(0);
}

// The device of the checked entry, found again by name when the list changes, as the settings
// keep it: empty for "MIDI Mapper" and before the load step chooses one.
QString frmMain::chosenDevice() const {
  const std::string device = m_session.outputDevice().value_or(midi::kMidiMapper);
  return device == midi::kMidiMapper ? QString() : fromUtf8(device);
}

// Only for the load step, before the window is shown: the splash stays painted meanwhile.
void frmMain::waitForOutput(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace tonalis
