// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Preferences, and what the window remembers of the user's choices: the output device,
// the volume and the soundfont, restored at the next start; the soundfont's reports.
#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "main_window/dial/dial.h"
#include "main_window/frm_main.h"
#include "main_window/preferences_dialog.h"
#include "main_window/user_settings.h"

namespace tonalis {

namespace {

QString fromLocalPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// The whole port names, kept as the entries' data; the first entry ("MIDI Mapper", "None")
// has none and shows its caption.
QStringList entryTexts(const std::vector<QAction*>& entries) {
  QStringList texts;
  for (const QAction* entry : entries) {
    const QString name = entry->data().toString();
    texts << (name.isEmpty() ? entry->text() : name);
  }
  return texts;
}

int checkedEntry(const std::vector<QAction*>& entries) {
  for (std::size_t entry = 0; entry < entries.size(); ++entry) {
    if (entries[entry]->isChecked()) return static_cast<int>(entry);
  }
  return 0;
}

}  // namespace

// Named in full once, with the file, the reason and the soundfont that plays instead.
QString frmMain::soundFontFailureMessage(const QString& file, const QString& reason,
                                         const QString& playing) {
  const QString failure =
      tr("The soundfont \u201C%1\u201D could not be loaded: %2.").arg(file, reason);
  const QString instead =
      playing.isEmpty() ? tr("The built-in synthesizer keeps the soundfont it had.")
                        : tr("The built-in synthesizer plays \u201C%1\u201D instead.").arg(playing);
  return failure + QStringLiteral("\n\n") + instead + QStringLiteral("\n\n") +
         tr("Choose another soundfont in Edit > Preferences.");
}

void frmMain::usePreferences(UserSettings& settings) {
  m_settings = &settings;
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  QAction* preferences = edit->addAction(tr("&Preferences\u2026"));
  preferences->setObjectName(QStringLiteral("mnuPreferences"));
  preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
  preferences->setMenuRole(QAction::PreferencesRole);
  connect(preferences, &QAction::triggered, this, &frmMain::showPreferences);
}

void frmMain::showPreferences() {
  if (m_preferences == nullptr) {
    m_preferences = new PreferencesDialog(this);
    connect(m_preferences, &PreferencesDialog::soundFontChosen, this, [this](const QString& file) {
      m_askedSoundFont = file;
      m_soundFontOutcome = tr("Loading \u201C%1\u201D\u2026").arg(file);
      showPreferenceValues();
      m_output.chooseSoundFont(QFile::encodeName(file).toStdString());
    });
    connect(m_preferences, &PreferencesDialog::outputChosen, this, &frmMain::chooseDevice);
    connect(m_preferences, &PreferencesDialog::inputChosen, this, &frmMain::input_Click);
    connect(m_preferences, &PreferencesDialog::velocityChosen, this, [this](int velocity) {
      m_ui.dial1->setValue(velocity);
      Dial1_Change();
    });
    addChordPreferences(*m_preferences);
  }
  showPreferenceValues();
  // The lists are read again, as the menus read them when they open.
  m_output.listDevices();
  if (m_input != nullptr) m_input->listPorts();
  m_preferences->show();
  m_preferences->raise();
  m_preferences->activateWindow();
}

void frmMain::showPreferenceValues() {
  if (m_preferences == nullptr) return;
  m_preferences->showSoundFont(m_playingSoundFont, m_soundFontOutcome);
  m_preferences->showOutputs(entryTexts(m_ui.device), checkedEntry(m_ui.device));
  QStringList inputs = entryTexts(m_ui.input);
  if (inputs.isEmpty()) inputs << tr("None");
  m_preferences->showInputs(inputs, checkedEntry(m_ui.input));
  m_preferences->showVelocity(m_ui.dial1->value());
}

// A choice of the user's, from the "Devices" menu or the preferences: kept for the next start.
void frmMain::chooseDevice(int entry) {
  device_Click(entry);
  if (m_settings != nullptr) m_settings->setOutputDevice(chosenDevice());
  showPreferenceValues();
}

// The device chosen at the last run, when it is listed now; else "MIDI Mapper", which the
// load step opens anyway.
int frmMain::rememberedDeviceEntry() const {
  if (m_settings == nullptr) return 0;
  const std::optional<QString> device = m_settings->outputDevice();
  if (!device || device->isEmpty()) return 0;
  for (std::size_t entry = 1; entry < m_ui.device.size(); ++entry) {
    if (m_ui.device[entry]->data().toString() == *device) return static_cast<int>(entry);
  }
  return 0;
}

int frmMain::rememberedVolume() const {
  return m_settings != nullptr ? m_settings->volume() : kFullVolume;
}

void frmMain::rememberVolume(int value) {
  if (m_settings != nullptr) m_settings->setVolume(value);
}

void frmMain::soundFontReported(const midi::MidiEvent& event) {
  const QString file = fromLocalPath(event.file);
  m_playingSoundFont = fromLocalPath(event.soundFont);
  const bool asked = !m_askedSoundFont.isEmpty() && file == m_askedSoundFont;
  if (asked) m_askedSoundFont.clear();
  if (event.code == midi::kOk) {
    if (asked) {
      m_soundFontOutcome = tr("Loaded: it plays from now on.");
      if (m_settings != nullptr) m_settings->setSoundFont(file);
    }
  } else {
    const QString message =
        soundFontFailureMessage(file, fromLocalPath(event.detail), m_playingSoundFont);
    if (asked) m_soundFontOutcome = message;
    m_messages.show(message);
  }
  showPreferenceValues();
}

}  // namespace tonalis
