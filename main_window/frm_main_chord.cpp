// SPDX-License-Identifier: GPL-3.0-or-later
// The "Chord" menu: the key the readout reads in ("None", a guess from the notes played on the
// MIDI keyboard, or one of the 24 keys) and the style it names chords in, kept for the next run.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "main_window/action_choice_box.h"
#include "main_window/chord_readout.h"
#include "main_window/frm_main.h"
#include "main_window/preferences_dialog.h"
#include "theory/musical_key.h"

namespace tonalis {

namespace {

// Adds a checkable entry of `group` to `menu`, named `name` for tests and screen readers.
QAction* addChoice(QMenu& menu, QActionGroup& group, const QString& text, const QString& name,
                   bool checked) {
  QAction* action = menu.addAction(text);
  action->setObjectName(name);
  action->setCheckable(true);
  action->setChecked(checked);
  group.addAction(action);
  return action;
}

}  // namespace

void frmMain::useChordChoice(ChordChoice choice) {
  m_chordChoice = std::move(choice);
  m_readout = m_chordChoice.remembered;
  m_ui.mnuChord = menuBar()->addMenu(tr("&Chord"));
  m_ui.mnuChord->setObjectName(QStringLiteral("mnuChord"));

  QMenu* keys = m_ui.mnuChord->addMenu(tr("&Key"));
  keys->setObjectName(QStringLiteral("mnuChordKey"));
  auto* keyGroup = new QActionGroup(keys);
  m_ui.chordKeys = keyGroup;
  const auto chooseKey = [this](std::optional<theory::MusicalKey> key, bool automatic) {
    ReadoutSettings settings = m_readout;
    settings.options.key = key;
    settings.automaticKey = automatic;
    chooseReading(settings);
  };
  connect(addChoice(*keys, *keyGroup, tr("None"), QStringLiteral("key(none)"),
                    !m_readout.options.key && !m_readout.automaticKey),
          &QAction::triggered, this, [chooseKey] { chooseKey(std::nullopt, false); });
  connect(addChoice(*keys, *keyGroup, tr("Automatic (a guess from the notes played)"),
                    QStringLiteral("key(automatic)"), m_readout.automaticKey),
          &QAction::triggered, this, [chooseKey] { chooseKey(std::nullopt, true); });
  for (std::size_t k = 0; k < theory::commonKeys.size(); ++k) {
    const theory::MusicalKey key = theory::commonKeys[k];
    if (k == 0 || key.minor != theory::commonKeys[k - 1].minor) keys->addSeparator();
    const QString name = QString::fromStdString(theory::keyName(key));
    connect(addChoice(*keys, *keyGroup, name, QStringLiteral("key(%1)").arg(name),
                      !m_readout.automaticKey && m_readout.options.key == key),
            &QAction::triggered, this, [chooseKey, key] { chooseKey(key, false); });
  }

  m_ui.mnuChord->addSeparator();
  auto* styleGroup = new QActionGroup(m_ui.mnuChord);
  m_ui.chordStyles = styleGroup;
  const auto chooseStyle = [this](theory::ReadingStyle style) {
    ReadoutSettings settings = m_readout;
    settings.options.style = style;
    chooseReading(settings);
  };
  using theory::ReadingStyle;
  connect(addChoice(*m_ui.mnuChord, *styleGroup, tr("&Analysis: F A C D is Dm7/F"),
                    QStringLiteral("style(analysis)"),
                    m_readout.options.style == ReadingStyle::Analysis),
          &QAction::triggered, this, [chooseStyle] { chooseStyle(ReadingStyle::Analysis); });
  connect(addChoice(*m_ui.mnuChord, *styleGroup, tr("&Lead sheet: F A C D is F6"),
                    QStringLiteral("style(lead-sheet)"),
                    m_readout.options.style == ReadingStyle::LeadSheet),
          &QAction::triggered, this, [chooseStyle] { chooseStyle(ReadingStyle::LeadSheet); });
  showReading();
}

// The same two choices as rows of the preferences, kept in step with the menu.
void frmMain::addChordPreferences(PreferencesDialog& dialog) {
  if (m_ui.chordKeys == nullptr) return;
  QComboBox* key = comboForActions(*m_ui.chordKeys, &dialog);
  key->setObjectName(QStringLiteral("cboChordKey"));
  QComboBox* style = comboForActions(*m_ui.chordStyles, &dialog);
  style->setObjectName(QStringLiteral("cboChordStyle"));
  dialog.options().addRow(tr("Chord readout &key:"), key);
  dialog.options().addRow(tr("Chord readout &style:"), style);
}

void frmMain::chooseReading(const ReadoutSettings& settings) {
  m_readout = settings;
  if (m_chordChoice.remember) m_chordChoice.remember(settings);
  showReading();
}

void frmMain::showReading() {
  theory::ReadingOptions options = m_readout.options;
  if (m_readout.automaticKey) options.key = m_session.guessedKey();
  showChordReading(*m_ui.lblChordReading, m_session.reading(options), options, *m_ui.announcer,
                   m_readout.automaticKey);
}

}  // namespace tonalis
