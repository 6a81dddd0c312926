// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/preferences_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tonalis {

namespace {

constexpr int kMaxVelocity = 127;

// Refilling a list the user is not choosing from must not count as a choice.
void showEntries(QComboBox& box, const QStringList& entries, int chosen) {
  const QSignalBlocker quiet(box);
  box.clear();
  box.addItems(entries);
  box.setCurrentIndex(chosen);
}

}  // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgPreferences"));
  setWindowTitle(tr("Preferences"));

  m_soundFont = new QLineEdit(this);
  m_soundFont->setObjectName(QStringLiteral("txtSoundFont"));
  m_soundFont->setReadOnly(true);
  m_soundFont->setMinimumWidth(320);
  m_chooseSoundFont = new QPushButton(tr("Choose\u2026"), this);
  m_chooseSoundFont->setObjectName(QStringLiteral("cmdChooseSoundFont"));
  connect(m_chooseSoundFont, &QPushButton::clicked, this, &PreferencesDialog::chooseSoundFont);
  auto* soundFontRow = new QHBoxLayout;
  soundFontRow->addWidget(m_soundFont, 1);
  soundFontRow->addWidget(m_chooseSoundFont);
  m_soundFontOutcome = new QLabel(this);
  m_soundFontOutcome->setObjectName(QStringLiteral("lblSoundFontOutcome"));
  m_soundFontOutcome->setWordWrap(true);
  m_soundFontOutcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_soundFontOutcome->hide();

  m_output = new QComboBox(this);
  m_output->setObjectName(QStringLiteral("cboOutput"));
  connect(m_output, &QComboBox::activated, this, &PreferencesDialog::outputChosen);
  m_input = new QComboBox(this);
  m_input->setObjectName(QStringLiteral("cboInput"));
  connect(m_input, &QComboBox::activated, this, &PreferencesDialog::inputChosen);

  m_velocity = new QSpinBox(this);
  m_velocity->setObjectName(QStringLiteral("spnVelocity"));
  m_velocity->setRange(0, kMaxVelocity);
  m_velocity->setToolTip(tr("The VOL dial's value when the program starts: 0 is silent, 127 full"));
  connect(m_velocity, &QSpinBox::valueChanged, this, &PreferencesDialog::velocityChosen);

  auto* sound = new QFormLayout;
  sound->addRow(tr("&Soundfont:"), soundFontRow);
  sound->addRow(QString(), m_soundFontOutcome);
  sound->addRow(tr("&Output device:"), m_output);
  sound->addRow(tr("&Input device:"), m_input);
  sound->addRow(tr("&Velocity at start:"), m_velocity);
  for (QWidget* field : {static_cast<QWidget*>(m_output), static_cast<QWidget*>(m_input),
                         static_cast<QWidget*>(m_velocity)}) {
    if (auto* label = qobject_cast<QLabel*>(sound->labelForField(field))) label->setBuddy(field);
  }
  qobject_cast<QLabel*>(sound->labelForField(soundFontRow))->setBuddy(m_chooseSoundFont);
  // Other parts' rows follow in the same form, so that their fields line up with these.
  m_options = sound;

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sound);
  layout->addWidget(buttons);
}

void PreferencesDialog::showSoundFont(const QString& playing, const QString& outcome) {
  m_soundFont->setText(playing.isEmpty() ? tr("(none loaded)") : playing);
  m_soundFont->setToolTip(playing);
  m_soundFontOutcome->setText(outcome);
  m_soundFontOutcome->setVisible(!outcome.isEmpty());
}

void PreferencesDialog::showOutputs(const QStringList& entries, int chosen) {
  showEntries(*m_output, entries, chosen);
}

void PreferencesDialog::showInputs(const QStringList& entries, int chosen) {
  showEntries(*m_input, entries, chosen);
}

void PreferencesDialog::showVelocity(int velocity) {
  const QSignalBlocker quiet(m_velocity);
  m_velocity->setValue(velocity);
}

void PreferencesDialog::chooseSoundFont() {
  const QString current = m_soundFont->toolTip();
  const QString file = QFileDialog::getOpenFileName(
      this, tr("Choose a soundfont"),
      current.isEmpty() ? QStringLiteral("/usr/share/sounds/sf2") : QFileInfo(current).path(),
      tr("SoundFont files (*.sf2 *.sf3);;All files (*)"));
  if (!file.isEmpty()) emit soundFontChosen(file);
}

}  // namespace tonalis
